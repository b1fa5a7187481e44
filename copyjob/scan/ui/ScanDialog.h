// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/ui/ScanFlow.h"
#include "copyjob/scan/ui/SessionPort.h"

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

// The modal dialog an acquisition runs in: the scanner in use, resolution and
// colour mode, Scan (Enter) and Cancel (Esc). While scanning it shows
// progress and Cancel still works; scanner errors, a driver that stopped
// working and a scanner that sends nothing appear in it, with Retry (or
// Keep waiting). Accepted means a whole page arrived: page(). What the user
// chooses goes into the ScanMemory it is given, and the next dialog starts
// from there. Its way from one to the other is a ScanFlow's: the dialog lays
// out and shows what the flow says, and hands it what the user does.
//
// Given a PageSink, a feeder source offers "All sheets in the feeder": one
// Scan then takes sheet after sheet into the sink until the feeder is empty,
// saying how many pages have come (see ScanFlow for faults and Cancel on the
// way). Accepted then means pages() pages went into the sink; page() stays null.
//
// For tests that drive it: objectName "ScanDialog"; children "deviceLabel",
// "resolutionBox", "modeBox", "optionsPanel" (the device's own settings, see
// ScanOptionsPanel), "previewPane" (see PreviewPane), "progressBar",
// "messageLabel", "previewButton", "scanButton", "cancelButton", "allSheetsBox",
// "copySoFarButton"; properties "state" (a State, read by its name), "message" and "pages".
class ScanDialog : public QDialog, private ScanFlow::View
{
    Q_OBJECT
    Q_PROPERTY(ScanFlow::State state READ state)
    Q_PROPERTY(QString message READ message)
    Q_PROPERTY(int pages READ pages)
public:
    // Where the dialog is in its flow; the buttons and controls follow it.
    using State = ScanFlow::State;

    // pixelTypes: the kinds of picture the caller takes; none takes any.
    ScanDialog(ScanSession &session, ScanMemory &memory, PixelTypes pixelTypes,
               QWidget *parent = nullptr);

    State state() const { return m_flow.state(); }
    QString message() const;
    // The page scanned, once accepted.
    QImage page() const { return m_flow.page(); }

    // Where a feeder's stack goes; without one (the default) one page is scanned.
    void setSink(PageSink *sink) { m_flow.setSink(sink); }
    // Pages that went into the sink, and whether they are both sides of each sheet.
    int pages() const { return m_flow.pages(); }
    bool duplex() const { return m_flow.duplex(); }

signals:
    // A scan begins with the choices now in the ScanMemory.
    void scanStarting();
    // A page of a stack arrived, before it goes into the sink.
    void pageArrived(const QImage &page);

public slots:
    void reject() override;

private:
    void showState(State state, State was);
    void showMessage(const QString &text);
    void setControlsEnabled(bool enabled);
    void followArea();
    void onProgress(qint64 received, qint64 expected);
    static QPushButton *makeButton(const QString &text, const char *name, QWidget *parent);
    void makeStackControls();
    void connectFlow();

    // What the flow asks of the dialog.
    QString mode() const override;
    int resolution() const override;
    bool allSheets() const override;
    ScanSettings areaValues() const override;
    void showOpened(const QString &device, const QList<ScanOption> &options, bool first) override;
    void showOptions(const QList<ScanOption> &options) override;
    bool showPaper(const QString &paperSize, const QRectF &customArea) override;
    void showPreview(const QImage &picture) override;

    ScanMemory &m_memory;
    PixelTypes m_pixelTypes;
    SessionPort m_port;
    ScanFlow m_flow;

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
