// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/protocol/ScannerProtocol.h"
#include "copyjob/scan/session/HelperProcess.h"

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariant>

// Mirel's side of scanning, without windows: what the scan and source
// dialogs work on. SANE itself runs in the helper process mirel-scanner,
// started here on first use and kept for the run; a helper that dies, hangs
// or was ended is replaced by a fresh one on the next request.
//
// Requests other than isAvailable() are answered by signals, so the window
// keeps repainting while a driver works. One request at a time. While one is
// outstanding and the helper sends nothing, stalled() says so after the stall
// time (setStallSeconds(), setStallAfterDataSeconds() once a page has begun to
// come); a helper that dies says so in helperFailed().
// Failures come as an Outcome, worded here from the helper's codes; its code
// says the device's status, a driver that stopped, a lost connection or a
// cancel. What the user chose is kept elsewhere (ScanMemory): this is the
// transport and its state.
class ScanSession : public QObject
{
    Q_OBJECT
public:
    explicit ScanSession(QString libraryFile = QStringLiteral("libsane.so.1"),
                         QObject *parent = nullptr);
    ~ScanSession() override;

    // Where the helper is: beside the running program unless a test or
    // benchmark names another (for every session made after, or this one).
    static void setDefaultHelperPath(const QString &path);
    void setHelperPath(const QString &path) { m_helperPath = path; }
    QString helperPath() const;
    // The helper's process id; 0 while none runs.
    qint64 helperProcessId() const;

    // Starts the helper if need be and asks it whether SANE can be used:
    // libsane loaded and sane_init done. Blocks; asked afresh on every call.
    bool isAvailable();
    // The version sane_init reported, times 100 (1.1 is 110); 0 until SANE
    // was available.
    int version() const { return m_version; }

    void listDevices(); // -> devicesListed
    void openDevice();  // currentDevice(), or the first -> opened
    // Until the devices were listed, openDevice() asks for the list first, so
    // whoever hears devicesListed can choose the device by what is there (one
    // kept from an earlier run may have another name now).
    void listBeforeOpening() { m_listFirst = true; }
    void setOption(const QString &name, const QVariant &value); // -> optionSet
    // The dialog's own settings, then the whole bed, then what the user chose
    // among the device's options (the area included), then the presets.
    // sheet as ScanRequest::sheet: 0 for one page; a feeder's stack counts
    // 1, 2, 3 ... and is ended with endStack().
    void startScan(const QString &mode, int dpi, const ScanSettings &chosen = {},
                   int sheet = 0); // -> progress..., scanEnded or feederEmpty
    // The stack is over: the device's scan, left open after its last sheet, ends.
    void endStack();
    // Stops what is outstanding: a scan is asked to stop and its helper ended
    // when it does not within a couple of seconds; anything else ends the
    // helper at once. scanEnded() or nothing follows.
    void cancel();
    // After stalled(): the watch starts again.
    void keepWaiting();
    bool isBusy() const { return m_pending != Pending::None; }

    // Options set right before every scan, after the dialog's settings and the
    // whole bed, in the order first given (a later value replaces an earlier
    // one in its place). For tests and benchmarks: "test-picture", "depth" ...
    void setOptionPreset(const QString &name, const QVariant &value);
    void clearOptionPresets() { m_presets.clear(); }

    QString currentDevice() const { return m_device; }
    void setCurrentDevice(const QString &name) { m_device = name; }

    // The most memory one page may take; 0 (the default) means the machine's.
    void setMemoryLimit(qint64 bytes) { m_memoryLimit = bytes; }
    // How long an outstanding request may go without a byte before the user
    // is told: before the first byte of a page (a lamp warming up), and once
    // a page has begun to come.
    void setStallSeconds(int seconds) { m_stallSeconds = seconds; }
    void setStallAfterDataSeconds(int seconds) { m_stallAfterDataSeconds = seconds; }

signals:
    void devicesListed(const QList<ScanDevice> &devices);
    // A failure unless a device is open.
    void opened(const Outcome &result, const ScanDevice &device, const QList<ScanOption> &options);
    // The device's options after a setting; a failure says why it was refused.
    void optionSet(const Outcome &result, const QList<ScanOption> &options);
    void progress(qint64 received, qint64 expected);
    // A whole page, or why none came (Outcome::Code::Cancelled when the user
    // stopped it).
    void scanEnded(const QImage &page, const Outcome &result);
    // A later sheet of a stack was asked for and the feeder had none left.
    void feederEmpty();
    // The helper died, could not be started, or lost its scanner's network
    // connection mid-scan; the next request starts a fresh one.
    void helperFailed(const Outcome &failure);
    void stalled(const QString &message);

private:
    enum class Pending { None, Listing, Opening, Setting, Scanning };
    // What a message of one type says, taken in once: false when its payload
    // does not read as that type.
    struct Handler
    {
        ScannerProtocol::Type type;
        bool (ScanSession::*take)(const ScannerProtocol::Message &message);
    };
    static const Handler kHandlers[];

    bool ensureHelper();
    bool request(Pending pending, ScannerProtocol::Type type, const QByteArray &payload = {});
    bool ask(Pending pending, ScannerProtocol::Type type, const QByteArray &payload = {});
    void onReadable();
    void handle(const ScannerProtocol::Message &message);
    // The outstanding request is answered.
    void answered();
    bool takeProgress(const ScannerProtocol::Message &message);
    bool takeDevices(const ScannerProtocol::Message &message);
    bool takeOpened(const ScannerProtocol::Message &message);
    bool takeOptionSet(const ScannerProtocol::Message &message);
    bool takePage(const ScannerProtocol::Message &message);
    bool takeFailed(const ScannerProtocol::Message &message);
    bool takeFeederEmpty(const ScannerProtocol::Message &message);
    bool takeUnreachable(const ScannerProtocol::Message &message);
    void helperGone(bool broken = false);
    void endHelper();
    void watch();

    QString m_libraryFile;
    QString m_helperPath;
    HelperProcess m_helper;
    int m_version = 0;

    Pending m_pending = Pending::None;
    QString m_pendingDevice;   // what the outstanding request is about, for messages
    QSet<QString> m_onNetwork; // devices listed or opened as reached over the network
    QElapsedTimer m_sinceData;
    qint64 m_received = 0;
    bool m_stallSaid = false;
    bool m_replaceHelper = false; // after a stall: the next request gets a fresh one
    QTimer m_watch;

    ScanSettings m_presets;
    QString m_device;
    bool m_listFirst = false;
    bool m_openAfterList = false;
    qint64 m_memoryLimit = 0;
    int m_stallSeconds;
    int m_stallAfterDataSeconds;
};
