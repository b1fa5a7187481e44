// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/ScanFlow.h"

// The scan flow's requests made of a ScanSession, and the session's replies
// handed to the flow: the one place that knows the session's signals.
class SessionPort final : public ScanFlow::Session
{
public:
    explicit SessionPort(ScanSession &session) : m_session(session) {}

    // From now on the session's replies go to flow, for as long as it lives.
    void answer(ScanFlow &flow);

    QString currentDevice() const override { return m_session.currentDevice(); }
    bool isBusy() const override { return m_session.isBusy(); }
    void openDevice() override { m_session.openDevice(); }
    void setOption(const QString &name, const QVariant &value) override
    {
        m_session.setOption(name, value);
    }
    void startScan(const QString &mode, int dpi, const ScanSettings &chosen, int sheet) override
    {
        m_session.startScan(mode, dpi, chosen, sheet);
    }
    void endStack() override { m_session.endStack(); }
    void cancel() override { m_session.cancel(); }
    void keepWaiting() override { m_session.keepWaiting(); }

private:
    ScanSession &m_session;
};
