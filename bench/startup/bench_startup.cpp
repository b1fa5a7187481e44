// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the time from launching a process to its window being painted, for
// the real mirel executable and for a separate bare Qt Widgets window of the
// same size (bench_bare_window). Each run is a fresh process; the two
// alternate, with a third, Mirel with libcups preloaded, showing what linking
// libcups would cost at launch. A Qt plugin loaded into each by Qt itself
// reports the first paint (FirstPaintPlugin.cpp). Last, one Mirel stays up
// with its window shown while this reads its /proc/PID/maps for the printing
// libraries.
//
//   xvfb-run -a build/default/bench/startup/bench_startup [runs]
#include "bench/common/BenchStats.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Launch
{
    double ms = -1;
    QStringList libraries; // every shared object mapped, when asked to stay
};

Launch launchOnce(const QString &program, const QProcessEnvironment &env, bool stay = false)
{
    QProcess p;
    QProcessEnvironment childEnv = env;
    if (stay)
        childEnv.insert(QStringLiteral("BENCH_FIRST_PAINT_STAY"), QStringLiteral("1"));
    p.setProcessEnvironment(childEnv);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Launch launch;
    const qint64 t0 = nowNs();
    p.start(program, {});
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(30000))
        out += p.readAllStandardOutput();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("painted (\\d+)")).match(QString::fromLatin1(out));
    if (m.hasMatch())
        launch.ms = (m.captured(1).toLongLong() - t0) / 1e6;
    if (stay) {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
        QSet<QString> seen;
        if (maps.open(QIODevice::ReadOnly))
            for (const QByteArray &line : maps.readAll().split('\n'))
                if (line.contains(".so"))
                    seen.insert(QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1)));
        launch.libraries = seen.values();
        p.terminate();
    }
    if (!p.waitForFinished(30000) || (!stay && p.exitCode() != 0))
        launch.ms = -1;
    return launch;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PLUGIN_PATH));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("benchfirstpaint"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcessEnvironment withCups = env;
    withCups.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral("libcups.so.2"));
    const QString mirel = QStringLiteral(MIREL_EXECUTABLE), bare = QStringLiteral(BARE_EXECUTABLE);

    std::vector<double> mirelMs, bareMs, cupsMs;
    launchOnce(bare, env); // warm the caches for all alike
    launchOnce(mirel, withCups);
    for (int i = 0; i < runs; ++i) {
        const double b = launchOnce(bare, env).ms, m = launchOnce(mirel, env).ms,
                     c = launchOnce(mirel, withCups).ms;
        if (b < 0 || m < 0 || c < 0) {
            std::fprintf(stderr, "a run failed; is an X server there?\n");
            return 1;
        }
        bareMs.push_back(b);
        mirelMs.push_back(m);
        cupsMs.push_back(c);
    }
    const double mb = median(bareMs), mm = median(mirelMs), mc = median(cupsMs);
    const bool met = mm / mb <= 1.25;
    std::printf("launch to painted window, median of %d interleaved runs, fresh processes\n", runs);
    std::printf("  bare Qt window (bench_bare_window) : %7.1f ms\n", mb);
    std::printf(
        "  Mirel (mirel)                      : %7.1f ms   ratio %.2f (target <= 1.25: %s)\n", mm,
        mm / mb, met ? "met" : "MISSED");
    std::printf(
        "  Mirel, libcups preloaded           : %7.1f ms   ratio %.2f (what linking it costs)\n",
        mc, mc / mb);

    const Launch shown = launchOnce(mirel, env, true), plain = launchOnce(bare, env, true);
    const QStringList printing =
        shown.libraries.filter(QRegularExpression(QStringLiteral("cups|gnutls|krb5|avahi")));
    std::printf("/proc/PID/maps with the window shown: Mirel maps %lld shared objects, the bare "
                "window %lld;\n  of Mirel's, libcups/GnuTLS/Kerberos/Avahi: %s\n",
                qint64(shown.libraries.size()), qint64(plain.libraries.size()),
                printing.isEmpty() ? "none" : qPrintable(printing.join(u' ')));
    QStringList extra;
    for (const QString &library : shown.libraries)
        if (!plain.libraries.contains(library))
            extra << library.section(u'/', -1);
    extra.sort();
    std::printf("  Mirel's beyond the bare window's: %s\n", qPrintable(extra.join(u' ')));
    if (shown.libraries.isEmpty())
        return 1;
    return met && printing.isEmpty() ? 0 : 2;
}
