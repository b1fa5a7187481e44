// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the launch of the real mirel executable against a separate bare Qt
// Widgets window of the same size (bench_bare_window), each run a fresh
// process, the two alternating, by two clocks that both start at exec:
//  - first paint: a Qt plugin that Qt itself loads into each program
//    (FirstPaintPlugin.cpp) reports when the first paint has been flushed;
//  - on screen: this benchmark, as a client of the same X server, sees the
//    window mapped and its first pixels drawn (ScreenWatch).
// Both run on a private session bus with the accessibility bus
// (at-spi-bus-launcher), once as most users start programs and once with an
// assistive technology present: Qt's bridge to that bus switched on, as a
// screen reader switches it on. Last, one Mirel stays up with its window shown
// while this reads its /proc/PID/maps for the printing libraries.
//
//   xvfb-run -a build/default/bench/startup/bench_startup [runs [mirel]]
//
// A second argument times another build of mirel (an older one, say) against
// the same bare window.
#include "ScreenWatch.h"
#include "bench/common/BenchStats.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

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
    double paintMs = -1, screenMs = -1;
};

Launch launchOnce(const QString &program, const QProcessEnvironment &env, ScreenWatch &screen)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Launch launch;
    screen.arm();
    const qint64 t0 = nowNs();
    p.start(program, {});
    const qint64 shown = screen.waitForShownWindow(30000);
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(30000))
        out += p.readAllStandardOutput();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("painted (\\d+)")).match(QString::fromLatin1(out));
    const bool ended = p.waitForFinished(30000) && p.exitCode() == 0;
    if (!ended || !m.hasMatch() || shown < 0) {
        std::fprintf(stderr, "lost a run of %s: %s\n", qPrintable(program.section(u'/', -1)),
                     !ended      ? "it did not end well"
                     : shown < 0 ? "no drawing on its window was seen"
                                 : "it did not report its first paint");
        return launch;
    }
    launch.paintMs = (m.captured(1).toLongLong() - t0) / 1e6;
    launch.screenMs = (shown - t0) / 1e6;
    return launch;
}

// Every shared object a program has mapped while its window is shown.
QStringList mappedLibraries(const QString &program, QProcessEnvironment env)
{
    env.insert(QStringLiteral("BENCH_FIRST_PAINT_STAY"), QStringLiteral("1"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, {});
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(30000))
        out += p.readAllStandardOutput();
    QThread::msleep(300); // what follows the first paint (the window icon) has happened
    QStringList seen;
    QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
    if (maps.open(QIODevice::ReadOnly))
        for (const QByteArray &line : maps.readAll().split('\n'))
            if (line.contains(".so"))
                seen << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    p.terminate();
    p.waitForFinished(30000);
    seen.removeDuplicates();
    return seen;
}

// A private session bus with the accessibility bus on it, as today's desktops
// run them whether or not an assistive technology is there; both end with
// this object. The launcher is not given the X display: the bus address it
// would leave on the root window switches Qt's bridge on in every program.
class AccessibilityBus
{
public:
    bool start(QProcessEnvironment &env)
    {
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address=1")});
        if (!m_bus.waitForReadyRead(10000))
            return false;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QString::fromLatin1(m_bus.readLine().trimmed()));
        QProcessEnvironment launcherEnv = env;
        launcherEnv.remove(QStringLiteral("DISPLAY"));
        m_launcher.setProcessEnvironment(launcherEnv);
        m_launcher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                         {QStringLiteral("--launch-immediately")});
        QProcess ask;
        ask.setProcessEnvironment(env);
        for (int tries = 0; tries < 100; ++tries, QThread::msleep(50)) {
            ask.start(QStringLiteral("dbus-send"),
                      {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                       QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                       QStringLiteral("org.a11y.Bus.GetAddress")});
            if (ask.waitForFinished(5000) && ask.exitCode() == 0)
                return true;
        }
        return false;
    }
    ~AccessibilityBus()
    {
        for (QProcess *p : {&m_launcher, &m_bus}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }

private:
    QProcess m_bus, m_launcher;
};

// The first quartile, the median and the third quartile.
struct Spread
{
    double q1, mid, q3;
};

Spread spread(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const auto at = [&v](double f) { return v[size_t(f * double(v.size() - 1) + 0.5)]; };
    return {at(0.25), median(v), at(0.75)};
}

struct Series
{
    const char *name;
    QProcessEnvironment env;
    std::vector<double> bare[2], mirel[2]; // [0] first paint, [1] on screen
};

const char *const kClock[2] = {"first paint", "on screen  "};

// Prints one line per clock; true when both ratios are at most the target.
bool report(const Series &s, double target)
{
    bool met = true;
    for (int clock = 0; clock < 2; ++clock) {
        std::vector<double> ratios;
        for (size_t i = 0; i < s.bare[clock].size(); ++i)
            ratios.push_back(s.mirel[clock][i] / s.bare[clock][i]);
        const double b = median(s.bare[clock]), m = median(s.mirel[clock]);
        const Spread r = spread(ratios);
        met = met && m / b <= target;
        std::printf("  %-7s %s  bare %6.1f ms  Mirel %6.1f ms  ratio %.2f  (run by run: quartiles "
                    "%.2f..%.2f)  %s\n",
                    s.name, kClock[clock], b, m, m / b, r.q1, r.q3,
                    m / b <= target ? "met" : "MISSED");
    }
    return met;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 31;
    constexpr double kTarget = 1.10;
    ScreenWatch screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "no X server with the DAMAGE extension; run under xvfb-run -a\n");
        return 1;
    }
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PLUGIN_PATH));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("benchfirstpaint"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    AccessibilityBus bus;
    if (!bus.start(env)) {
        std::fprintf(stderr, "the accessibility bus did not come up\n");
        return 1;
    }
    // What a screen reader asks of the desktop when it starts: every program's
    // bridge to the accessibility bus on.
    // The bare window's one label in Mirel's language, as Mirel shows it.
    QTranslator catalogue;
    if (catalogue.load(QLocale::system(), QStringLiteral("mirel"), QStringLiteral("_"),
                       QStringLiteral(MIREL_QM_DIR)))
        env.insert(QStringLiteral("BENCH_BARE_LABEL"),
                   catalogue.translate("StringTable", "Copies", "101"));
    QProcessEnvironment withAt = env;
    withAt.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    Series series[2] = {{"no AT", env, {}, {}}, {"with AT", withAt, {}, {}}};
    const QString mirel =
                      argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(MIREL_EXECUTABLE),
                  bare = QStringLiteral(BARE_EXECUTABLE);

    for (Series &s : series) // warm the caches and the buses for all alike
        for (const QString &program : {bare, mirel})
            launchOnce(program, s.env, screen);
    int lost = 0;
    for (int i = 0; i < runs; ++i) {
        for (Series &s : series) {
            const Launch b = launchOnce(bare, s.env, screen), m = launchOnce(mirel, s.env, screen);
            if (b.paintMs < 0 || m.paintMs < 0) {
                if (++lost > runs / 4) {
                    std::fprintf(stderr, "launches keep failing; is an X server there?\n");
                    return 1;
                }
                continue;
            }
            s.bare[0].push_back(b.paintMs);
            s.bare[1].push_back(b.screenMs);
            s.mirel[0].push_back(m.paintMs);
            s.mirel[1].push_back(m.screenMs);
        }
    }
    std::printf("launch from exec, Mirel against the bare window, medians of %d interleaved runs "
                "(%d lost), target ratio <= %.2f\n",
                runs, lost, kTarget);
    bool met = true;
    for (const Series &s : series)
        met = report(s, kTarget) && met;

    const QStringList shown = mappedLibraries(mirel, env), plain = mappedLibraries(bare, env);
    const QStringList printing =
        shown.filter(QRegularExpression(QStringLiteral("PrintSupport|cups|gnutls|krb5|avahi")));
    std::printf("/proc/PID/maps with the window shown: Mirel maps %lld shared objects, the bare "
                "window %lld;\n  of Mirel's, Qt PrintSupport/libcups/GnuTLS/Kerberos/Avahi: %s\n",
                qint64(shown.size()), qint64(plain.size()),
                printing.isEmpty() ? "none" : qPrintable(printing.join(u' ')));
    QStringList extra;
    for (const QString &library : shown)
        if (!plain.contains(library))
            extra << library.section(u'/', -1);
    extra.sort();
    std::printf("  Mirel's beyond the bare window's: %s\n",
                extra.isEmpty() ? "none" : qPrintable(extra.join(u' ')));
    if (shown.isEmpty())
        return 1;
    return met && printing.isEmpty() ? 0 : 2;
}
