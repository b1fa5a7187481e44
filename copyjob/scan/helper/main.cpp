// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mirel-scanner: runs SANE for Mirel in a process of its own, so a scanner
// driver that crashes, hangs or loses its network takes only this process
// with it. Mirel starts it with one end of a socket pair as descriptor 3 and
// talks to it in the messages of ScannerProtocol.

#include "copyjob/scan/helper/ScannerServer.h"

#include <QCoreApplication>

#include <signal.h>

int main(int argc, char *argv[])
{
    // A network backend writing to a server that has gone gets EPIPE, not death.
    signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    ScannerServer server(3);
    return app.exec();
}
