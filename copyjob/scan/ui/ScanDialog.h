// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/session/ScanMemory.h"

#include <QDialog>
#include <QImage>

class PageSink;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class PreviewPane;
class ScanOptionsPanel;
class ScanSession;

// The modal dialog an acquisition runs in: the scanner in use, resolution and
// colour mode, Scan (Enter) and Cancel (Esc). While scanning it shows
// progress and Cancel still works; scanner errors, a driver that stopped
// working and a scanner that sends nothing appear in it, with Retry (or
// Keep waiting). Accepted means a whole page arrived: page(). What the user
// chooses goes into the ScanMemory it is given, and the next dialog starts
// from there.
//
// Given a PageSink, a feeder source offers "All sheets in the feeder": one
// Scan then takes sheet after sheet into the sink until the feeder is empty,
// saying how many pages have come. A fault after the first page keeps the
// pages, and the user copies them, goes on from the next sheet or cancels;
// Cancel lets the page under way finish and asks the same. Accepted then
// means pages() pages went into the sink; page() stays null.
//
// For tests that drive it: objectName "ScanDialog"; children "deviceLabel",
// "resolutionBox", "modeBox", "optionsPanel" (the device's own settings, see
// ScanOptionsPanel), "previewPane" (see PreviewPane), "progressBar",
// "messageLabel", "previewButton", "scanButton", "cancelButton", "allSheetsBox",
// "copySoFarButton"; properties "state" (a State, read by its name), "message" and "pages".
class ScanDialog : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(State state READ state)
    Q_PROPERTY(QString message READ message)
    Q_PROPERTY(int pages READ pages)
public:
    // Where the dialog is in its flow; the buttons and controls follow it.
    enum class State {
        Looking,     // the device is being opened: its choices are not there yet
        Ready,       // waiting for the user to choose or to press Scan
        Setting,     // a changed setting is on its way to the device
        Scanning,    // a page is coming: progress and Cancel
        Previewing,  // the whole bed, quickly, for the pane: progress and Cancel
        Failed,      // a message with Retry, which opens the device afresh and scans
        Retrying,    // opening afresh after Retry; the scan follows by itself
        Stalled,     // the device sent nothing for too long: Keep waiting
        Closing,     // Cancel pressed during a scan: waiting for it to stop
        Stopping,    // Cancel pressed during a stack: the page under way finishes
        Interrupted, // a stack stopped after some pages: copy them, go on, or cancel
    };
    Q_ENUM(State)

    // pixelTypes: the kinds of picture the caller takes; none takes any.
    ScanDialog(ScanSession &session, ScanMemory &memory, PixelTypes pixelTypes,
               QWidget *parent = nullptr);

    State state() const { return m_state; }
    QString message() const;
    // The page scanned, once accepted.
    QImage page() const { return m_page; }

    // Where a feeder's stack goes; without one (the default) one page is scanned.
    void setSink(PageSink *sink) { m_sink = sink; }
    // Pages that went into the sink, and whether they are both sides of each sheet.
    int pages() const { return m_pages; }
    bool duplex() const { return m_duplex; }
    // Why the sink refused a page, which ended the dialog; empty otherwise.
    QString sinkError() const { return m_sinkError; }

signals:
    // A scan begins with the choices now in the ScanMemory.
    void scanStarting();
    // A page of a stack arrived, before it goes into the sink.
    void pageArrived(const QImage &page);

public slots:
    void reject() override;

private:
    void setState(State state);
    State flow() const;
    void setControlsEnabled(bool enabled);
    void openDevice(State opening);
    void onOpened(const Outcome &result, const ScanDevice &device,
                  const QList<ScanOption> &options);
    void showChoices(const QList<ScanOption> &options);
    void showOpenFailure(const QString &error);
    void onOptionSet(const Outcome &result, const QList<ScanOption> &options);
    void onEnter();
    void scan();
    void preview();
    void onPreviewed(const QImage &picture);
    void followArea();
    void takeScanChoices();
    void onProgress(qint64 received, qint64 expected);
    void onScanEnded(const QImage &page, const Outcome &result);
    void onTrouble(const Outcome &failure);
    void onStalled(const QString &message);
    static QPushButton *makeButton(const QString &text, const char *name, QWidget *parent);
    void makeStackControls();
    bool stackOffered() const;
    bool takeStackPage(const QImage &page);
    void onFeederEmpty();
    void failWith(const QString &text);
    void interrupt(const QString &text, bool stopped = false);
    void stopScanning(bool thenAccept);
    void keepAllSheets(bool on);
    void showMessage(const QString &text);
    void offer(const QString &button);
    void onOptionChanged(const QString &name, const QVariant &value);
    void sendNextOption();
    void restoreChoices(const QList<ScanOption> &options, bool firstOpen);
    ScanMemory::DeviceChoices fittingChoices(const QList<ScanOption> &options);

    ScanSession &m_session;
    ScanMemory &m_memory;
    PixelTypes m_pixelTypes;
    State m_state = State::Looking;
    State m_stalledFrom = State::Looking; // what Keep waiting goes back to
    QList<QPair<QString, QVariant>> m_toSet;
    QString m_lastSet;
    QImage m_page;
    bool m_previewing = false; // the page under way, or the one that failed, is a preview
    PageSink *m_sink = nullptr;
    bool m_stack = false;  // the scan under way takes the whole feeder
    bool m_duplex = false; // and both sides of each sheet
    int m_pages = 0;       // in the sink
    int m_sheet = 0;       // as asked of the session, see ScanSession::startScan
    bool m_acceptWhenStopped = false;
    bool m_stopped = false; // the stack was interrupted by Cancel, not by a fault
    QString m_sinkError;

    QLabel *m_deviceLabel = nullptr;
    QComboBox *m_resolutionBox = nullptr;
    QComboBox *m_modeBox = nullptr;
    ScanOptionsPanel *m_options = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_messageLabel = nullptr;
    PreviewPane *m_pane = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QCheckBox *m_allSheetsBox = nullptr;
    QPushButton *m_copySoFarButton = nullptr;
};
