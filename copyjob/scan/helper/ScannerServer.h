// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/protocol/ScannerProtocol.h"
#include "copyjob/scan/protocol/SharedPage.h"
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/sane/SaneDevice.h"
#include "copyjob/scan/sane/SaneReader.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <memory>

// The helper's side of the channel: loads libsane when Mirel says hello,
// lists and opens devices, sets their options, and reads a page on a thread
// of its own while it reports progress and listens for Cancel. One request at
// a time, answered in the order asked.
class ScannerServer : public QObject
{
public:
    // Serves the channel on descriptor channelFd until Mirel says Quit or
    // closes its end.
    explicit ScannerServer(int channelFd);

private:
    void onReadable();
    void quit();
    void handle(const ScannerProtocol::Message &message);
    void sendOpened();
    void watchConnection();
    bool load();
    bool restartSane();
    QList<ScanDevice> listDevices();
    void openDevice(const QString &name);
    bool stillAnswers() const;
    ScanError applySettings(const ScannerProtocol::ScanRequest &request);
    void startScan(const ScannerProtocol::ScanRequest &request);
    void sendProgress();
    void onScanFinished();

    ScannerProtocol::Channel m_channel;
    QSocketNotifier m_notifier;
    QTimer m_progress;
    QString m_libraryFile = QStringLiteral("libsane.so.1");
    void *m_library = nullptr;
    SaneApi m_api;
    bool m_initialised = false;
    int m_version = 0; // times 100
    QList<ScanDevice> m_known;
    ScanError m_openError;
    // What watchConnection() saw of the scan under way.
    const SaneReader *m_watchedScan = nullptr;
    qint64 m_watchedBytes = -1;
    QElapsedTimer m_sinceBytes;
    bool m_unreachableSaid = false;
    std::unique_ptr<SaneDevice> m_device;
    std::unique_ptr<SaneReader> m_reader;
    int m_sheet = 0; // of the scan under way, as asked (ScanRequest::sheet)
    SharedPage m_page;
};
