// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/session/ScanMemory.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QVariant>

class PageSink;

// The way of one scan dialog from opening the device to the page or the
// stack, without a widget: where it stands, what the scan under way takes,
// the sheets and pages of a feeder's stack, what Cancel asked for, the
// settings on their way to the device (one at a time), and the kept choices
// fitted to the device. It asks the scanner through Session and answers
// what it replies; the dialog shows state(), message() and offer(), and
// hands on what the user does.
//
// A stack's pages go into the sink as they come. A fault after the first
// page keeps them, and the user copies them, goes on from the next sheet or
// cancels; Cancel lets the sheet under way finish (both sides of a duplex
// sheet) and asks the same. A duplex sheet's front waits for its back before
// it is kept: going on after a fault on a back skips that sheet whole, so
// the copy's two-sided sheets stay the originals'.
class ScanFlow : public QObject
{
    Q_OBJECT
public:
    // Where the flow is; the dialog's buttons and controls follow it.
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
        Stopping,    // Cancel pressed during a stack: the sheet under way finishes
        Interrupted, // a stack stopped after some pages: copy them, go on, or cancel
    };
    Q_ENUM(State)

    // What the scan under way (or the one that failed) takes.
    enum class Kind { Page, Preview, Stack };

    // What the flow asks of the scanner: ScanSession's requests, each
    // answered by a call of the flow's below.
    class Session
    {
    public:
        virtual QString currentDevice() const = 0;
        virtual bool isBusy() const = 0;
        virtual void openDevice() = 0;
        virtual void setOption(const QString &name, const QVariant &value) = 0;
        virtual void startScan(const QString &mode, int dpi, const ScanSettings &chosen,
                               int sheet) = 0;
        virtual void endStack() = 0;
        virtual void cancel() = 0;
        virtual void keepWaiting() = 0;

    protected:
        ~Session() = default;
    };

    // What the flow asks of the dialog: the choices shown there, and what
    // it shows of the device beyond the state and the message.
    class View
    {
    public:
        virtual QString mode() const = 0;
        virtual int resolution() const = 0; // dpi; 0 when there is none to choose
        virtual bool allSheets() const = 0;
        // The corner options' values for the area shown.
        virtual ScanSettings areaValues() const = 0;
        // A device opened; first: the first time in this dialog.
        virtual void showOpened(const QString &device, const QList<ScanOption> &options,
                                bool first) = 0;
        // The device's options after a setting.
        virtual void showOptions(const QList<ScanOption> &options) = 0;
        // The paper size kept, or the custom area; false when not offered any more.
        virtual bool showPaper(const QString &paperSize, const QRectF &customArea) = 0;
        virtual void showPreview(const QImage &picture) = 0;

    protected:
        ~View() = default;
    };

    ScanFlow(Session &session, View &view, ScanMemory &memory, QObject *parent = nullptr);

    // Where a feeder's stack goes; without one a single page is scanned.
    void setSink(PageSink *sink) { m_sink = sink; }
    // Whether Scan would take the whole feeder, if the user leaves it so.
    bool stackOffered() const;

    State state() const { return m_state; }
    QString message() const { return m_message; }
    // The words of the button that goes on (Scan, Retry ...); empty while
    // there is nothing to press but Cancel.
    QString offer() const;
    // Whether "Copy the pages scanned" is offered.
    bool copyOffered() const;
    // Whether the failure shown is the device's opening: nothing can be
    // chosen then until Retry opens it.
    bool openFailed() const { return m_openFailed; }
    // Pages kept so far (a duplex front waiting for its back among them);
    // once finished with the stack, those that went into the sink. And
    // whether they are both sides of each sheet.
    int pages() const { return m_pages; }
    bool duplex() const { return m_duplex; }
    // The page scanned, once finished with one.
    QImage page() const { return m_page; }

    // What the user does; open() once, as the dialog comes up.
    void open();
    void enter(); // Scan, Retry, Keep waiting, Go on
    void preview();
    void cancel();
    void copyPagesScanned();
    void chooseOption(const QString &name, const QVariant &value);
    void keepArea(const QString &paperSize, const QRectF &areaMm);
    void keepAllSheets(bool on);

    // What the session replies.
    void opened(const Outcome &outcome, const ScanDevice &device, const QList<ScanOption> &options);
    void optionSet(const Outcome &outcome, const QList<ScanOption> &options);
    void scanEnded(const QImage &page, const Outcome &outcome);
    void feederEmpty();
    void helperFailed(const Outcome &outcome);
    void stalled(const QString &message);

signals:
    void stateChanged(ScanFlow::State state, ScanFlow::State was);
    void messageChanged(const QString &text);
    // The scanner's name as the dialog shows it, or what it says meanwhile.
    void deviceShown(const QString &text);
    // A scan begins with the choices now in the ScanMemory.
    void scanStarting();
    // A page of a stack arrived, before it goes into the sink.
    void pageArrived(const QImage &page);
    // The dialog's end: accepted with a page or the stack's pages.
    void finished(bool accepted);

private:
    // What Cancel asked for, and why a stack stands interrupted.
    enum class Stop {
        None,       // nothing: an interrupted stack met a fault
        AfterSheet, // Cancel during a stack: the sheet under way comes out whole
        Discard,    // the scan is being stopped, and nothing is given
        Copy,       // the scan is being stopped, and the pages scanned are given
    };

    State flow() const;
    void setState(State state);
    void say(const QString &text);
    void openDevice(State opening);
    void showOpenFailure(const QString &error);
    void scan();
    void previewed(const QImage &picture);
    void takeStackPage(const QImage &page);
    bool keep(const QImage &page);
    void failWith(const QString &text);
    void interrupt(const QString &text, Stop stop = Stop::None);
    void stopScanning(Stop then);
    void finish(bool accepted);
    void sendNextOption();
    void restoreChoices(const QList<ScanOption> &options, bool firstOpen);
    ScanMemory::DeviceChoices fittingChoices(const QList<ScanOption> &options);

    Session &m_session;
    View &m_view;
    ScanMemory &m_memory;
    PageSink *m_sink = nullptr;
    State m_state = State::Looking;
    State m_stalledFrom = State::Looking; // what Keep waiting goes back to
    Kind m_kind = Kind::Page;
    bool m_duplex = false; // the stack takes both sides of each sheet
    Stop m_stop = Stop::None;
    QString m_message;
    bool m_openFailed = false;
    QList<ScanOption> m_options;
    ScanSettings m_toSet;
    QString m_lastSet;
    int m_pages = 0; // in the sink, or waiting for their back
    int m_sheet = 0; // as asked of the session, see ScanSession::startScan
    QImage m_front;  // a duplex sheet's front, until its back comes
    QImage m_page;
};
