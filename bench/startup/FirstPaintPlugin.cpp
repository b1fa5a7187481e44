// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Qt "generic" plugin that both timed programs load alike through Qt's own
// QT_QPA_GENERIC_PLUGINS=benchfirstpaint, so neither carries a hook of its
// own. After the first widget paint has gone to the window system it prints
// "painted <CLOCK_MONOTONIC ns>" and quits the program, or, with
// BENCH_FIRST_PAINT_STAY set, leaves it running for its maps to be read.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>

#include <cstdio>
#include <ctime>

class FirstPaintReporter : public QObject
{
public:
    FirstPaintReporter() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType() || m_seen)
            return false;
        m_seen = true;
        // Once this paint pass has returned, its pixels have been flushed.
        QTimer::singleShot(0, [] {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            std::printf("painted %lld\n", qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec);
            std::fflush(stdout);
            if (qEnvironmentVariableIsEmpty("BENCH_FIRST_PAINT_STAY"))
                QCoreApplication::exit(0);
        });
        return false;
    }

private:
    bool m_seen = false;
};

class FirstPaintPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstpaint.json")
public:
    QObject *create(const QString &, const QString &) override { return new FirstPaintReporter; }
};

#include "FirstPaintPlugin.moc"
