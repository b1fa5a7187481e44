// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/SessionPort.h"

void SessionPort::answer(ScanFlow &flow)
{
    QObject::connect(&m_session, &ScanSession::opened, &flow, &ScanFlow::opened);
    QObject::connect(&m_session, &ScanSession::optionSet, &flow, &ScanFlow::optionSet);
    QObject::connect(&m_session, &ScanSession::scanEnded, &flow, &ScanFlow::scanEnded);
    QObject::connect(&m_session, &ScanSession::feederEmpty, &flow, &ScanFlow::feederEmpty);
    QObject::connect(&m_session, &ScanSession::helperFailed, &flow, &ScanFlow::helperFailed);
    QObject::connect(&m_session, &ScanSession::stalled, &flow, &ScanFlow::stalled);
}
