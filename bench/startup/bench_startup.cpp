// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the time from launching a process to its window being painted, for
// Mirel's panel and for a bare Qt window of the same size showing one label.
// Each run is a fresh process; the parent alternates the two and prints the
// medians and their ratio.
//
//   xvfb-run -a build/default/bench/startup/bench_startup [runs]
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 g_launchNs = 0;
bool g_reported = false;

// Reports once, after the first paint has been handed to the window system.
void reportPainted()
{
    if (g_reported)
        return;
    g_reported = true;
    QTimer::singleShot(0, [] {
        std::printf("%lld\n", static_cast<long long>(nowNs() - g_launchNs));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

class TimedPanel : public frmMain
{
public:
    using frmMain::frmMain;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        frmMain::paintEvent(event);
        reportPainted();
    }
};

class TimedBare : public QWidget
{
public:
    TimedBare()
    {
        setFixedSize(361, 146);
        auto *label = new QLabel(QStringLiteral("Copies"), this);
        label->move(8, 16);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QWidget::paintEvent(event);
        reportPainted();
    }
};

int child(int argc, char *argv[], bool mirel)
{
    QApplication app(argc, argv);
    if (mirel) {
        SaneScannerLayer scanner;
        ApplicationPrinter printer;
        TimedPanel window(scanner, printer);
        window.Form_Load();
        return app.exec();
    }
    TimedBare window;
    window.show();
    return app.exec();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double launchOnce(const QString &self, const char *kind)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 t0 = nowNs();
    p.start(self, {QStringLiteral("--child"), QString::fromLatin1(kind), QString::number(t0)});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--child") == 0) {
        g_launchNs = QByteArray(argv[3]).toLongLong();
        return child(argc, argv, qstrcmp(argv[2], "mirel") == 0);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> mirel, bare;
    launchOnce(self, "bare"); // warm the caches for both alike
    launchOnce(self, "mirel");
    for (int i = 0; i < runs; ++i) {
        const double b = launchOnce(self, "bare");
        const double m = launchOnce(self, "mirel");
        if (b < 0 || m < 0) {
            std::fprintf(stderr, "a run failed; is an X server there?\n");
            return 1;
        }
        bare.push_back(b);
        mirel.push_back(m);
    }
    const double mb = median(bare), mm = median(mirel);
    std::printf("launch to painted window, median of %d runs\n", runs);
    std::printf("  bare Qt window : %8.1f ms\n", mb);
    std::printf("  Mirel          : %8.1f ms\n", mm);
    std::printf("  ratio          : %8.2f (target <= 1.25)\n", mm / mb);
    return 0;
}
