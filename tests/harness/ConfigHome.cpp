// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Compiled into every suite and benchmark: before main() runs, the process
// gets a configuration folder of its own in a fresh temporary folder, so no
// test reads or writes the user's ~/.config (where the scanner layer keeps
// its choices), and no suite sees what another kept; the cache folder (where
// a stack's pages are spooled) lies beside it, away from ~/.cache. The programs a suite
// starts inherit it; a suite started by another keeps the folder it was
// given. Rows that must not see each other's choices call
// forgetKeptChoices() (TestSupport.h).

#include <QByteArray>
#include <QDir>

#include <cstdlib>

namespace {

constexpr char kMarker[] = "MIREL_TESTS_CONFIG_HOME";

struct ConfigHome
{
    QByteArray made;

    ConfigHome()
    {
        if (qEnvironmentVariableIsSet(kMarker))
            return; // started by a suite: its folder holds
        const QByteArray tmp =
            qEnvironmentVariableIsEmpty("TMPDIR") ? QByteArray("/tmp") : qgetenv("TMPDIR");
        QByteArray path = tmp + "/mirel-config-XXXXXX";
        if (!mkdtemp(path.data()))
            std::abort(); // better no test than one on the user's own settings
        made = path;
        qputenv("XDG_CONFIG_HOME", made);
        qputenv("XDG_CACHE_HOME", made + "/cache");
        qputenv(kMarker, made);
    }
    ~ConfigHome()
    {
        if (!made.isEmpty())
            QDir(QString::fromLocal8Bit(made)).removeRecursively();
    }
};

const ConfigHome configHome;

} // namespace
