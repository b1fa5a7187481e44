// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanFlow.h"

#include "common/PageSink.h"
#include "copyjob/scan/model/OptionNames.h"
#include "copyjob/scan/ui/ScanArea.h"
#include "copyjob/scan/ui/ScanChoices.h"

ScanFlow::ScanFlow(Session &session, View &view, ScanMemory &memory, QObject *parent)
    : QObject(parent), m_session(session), m_view(view), m_memory(memory)
{}

bool ScanFlow::stackOffered() const
{
    return m_sink && ScanChoices::isFeederSource(m_options);
}

QString ScanFlow::offer() const
{
    switch (m_state) {
    case State::Ready:
        //: The scan dialog's default button; & marks its access key.
        return tr("&Scan");
    case State::Failed:
        return tr("&Retry");
    case State::Stalled:
        //: The scan dialog's button when the scanner has sent nothing for a while.
        return tr("&Keep waiting");
    case State::Interrupted:
        // After Cancel nothing failed: the stack goes on rather than retries.
        return m_stop == Stop::AfterSheet ? tr("&Go on from the next sheet")
                                          : tr("Retry from the &next sheet");
    default:
        return {};
    }
}

bool ScanFlow::copyOffered() const
{
    return m_pages > 0 && (m_state == State::Interrupted || m_state == State::Stalled);
}

// Replies are taken in the state their request was made in, stalled or not.
ScanFlow::State ScanFlow::flow() const
{
    return m_state == State::Stalled ? m_stalledFrom : m_state;
}

void ScanFlow::setState(State state)
{
    const State was = std::exchange(m_state, state);
    emit stateChanged(state, was);
}

void ScanFlow::say(const QString &text)
{
    m_message = text;
    emit messageChanged(text);
}

void ScanFlow::open()
{
    openDevice(State::Looking);
}

void ScanFlow::openDevice(State opening)
{
    // The device list may take a while on a network: the dialog says it is looking.
    const QString device = m_session.currentDevice();
    //: In the scan dialog, beside "Scanner:", while the scanner is looked for.
    emit deviceShown(device.isEmpty() ? tr("looking…") : device);
    say(tr("Looking for the scanner…"));
    setState(opening);
    m_session.openDevice();
}

void ScanFlow::opened(const Outcome &outcome, const ScanDevice &device,
                      const QList<ScanOption> &options)
{
    const State opening = flow();
    if (opening != State::Looking && opening != State::Retrying)
        return;
    m_toSet.clear();
    if (!outcome.ok) {
        showOpenFailure(outcome.message);
        return;
    }
    say({});
    emit deviceShown(device.displayName());
    const bool firstOpen = m_options.isEmpty();
    m_options = options;
    m_view.showOpened(device.name, options, firstOpen);
    if (opening == State::Retrying) {
        // Opened afresh, and on with the scan, which sets the choices.
        m_kind == Kind::Preview ? preview() : scan();
        return;
    }
    restoreChoices(options, firstOpen);
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    setState(State::Ready);
}

void ScanFlow::showOpenFailure(const QString &error)
{
    const QString device = m_session.currentDevice();
    //: In the scan dialog, beside "Scanner:", when no scanner was found.
    emit deviceShown(device.isEmpty() ? tr("none") : device);
    if (m_pages > 0) { // the stack's pages stay whatever became of the device
        interrupt(error);
        return;
    }
    m_openFailed = true;
    say(error);
    setState(State::Failed);
}

void ScanFlow::enter()
{
    switch (m_state) {
    case State::Ready:
        scan();
        break;
    case State::Interrupted:
        if (!m_front.isNull() && m_stop == Stop::None) {
            // The sheet whose back failed goes whole: its front is not kept.
            m_front = {};
            --m_pages;
        }
        [[fallthrough]];
    case State::Failed:
        // The helper closes the device after every failed scan; Retry opens
        // it afresh, so a scanner that went away and came back is found again.
        openDevice(State::Retrying);
        break;
    case State::Stalled:
        say({});
        setState(m_stalledFrom);
        m_session.keepWaiting();
        break;
    default: // nothing to press meanwhile
        break;
    }
}

void ScanFlow::scan()
{
    const QString device = m_session.currentDevice();
    say({});
    setState(State::Scanning);
    // The dialog's own choices are kept once a scan is made with them, even
    // when the page fails: the next copy, or a Retry, scans with them.
    m_memory.setScanChoices(device, m_view.mode(), m_view.resolution());
    emit scanStarting();
    // The device has the choices already, unless its helper was started
    // afresh; they go with the scan, the area last. A choice that a later one
    // made inactive (a feeder's setting once the glass is chosen) stays kept,
    // but the device would refuse it now.
    ScanSettings chosen = m_memory.choices(device).options;
    chosen.removeIf([this](const auto &choice) {
        const ScanOption *option = ScanChoices::find(m_options, choice.first);
        return !option || !option->value.isValid();
    });
    chosen += m_view.areaValues();
    // A stack starts at its first sheet, and again after a fault: the device
    // was opened afresh.
    const bool stack = stackOffered() && m_view.allSheets();
    m_kind = stack ? Kind::Stack : Kind::Page;
    m_duplex = stack && ScanChoices::isDuplexSource(m_options);
    m_sheet = stack ? 1 : 0;
    if (m_pages > 0)
        //: The scan dialog's count of the pages scanned from the feeder so far.
        say(tr("Page %1").arg(m_pages));
    m_session.startScan(m_view.mode(), m_view.resolution(), chosen, m_sheet);
}

// The whole bed at a low resolution in the chosen mode, with the device's
// other choices; what the user chose stays as it is.
void ScanFlow::preview()
{
    if (flow() != State::Ready && flow() != State::Retrying)
        return;
    const ScanOption *resolution = ScanChoices::find(m_options, OptionName::resolution);
    ScanSettings chosen = m_memory.choices(m_session.currentDevice()).options;
    chosen.removeIf([](const auto &choice) { return ScanArea::isCornerOption(choice.first); });
    say({});
    m_kind = Kind::Preview;
    setState(State::Previewing);
    m_session.startScan(m_view.mode(), resolution ? ScanChoices::previewResolution(*resolution) : 0,
                        chosen, 0);
}

void ScanFlow::previewed(const QImage &picture)
{
    m_kind = Kind::Page;
    m_memory.setPreview(m_session.currentDevice(), picture);
    m_view.showPreview(picture);
    // The device was left at the whole bed and the preview's resolution: the
    // options it reports next must show the user's own again, the area first.
    m_toSet += m_view.areaValues();
    if (m_view.resolution() > 0)
        m_toSet.append({OptionName::resolution, m_view.resolution()});
    sendNextOption();
    if (m_toSet.isEmpty() && m_state == State::Previewing)
        setState(State::Ready);
}

void ScanFlow::scanEnded(const QImage &page, const Outcome &outcome)
{
    if (flow() != State::Scanning && flow() != State::Previewing && flow() != State::Stopping &&
        m_state != State::Closing)
        return;
    if (m_state == State::Closing || outcome.is(Outcome::Code::Cancelled)) {
        finish(m_stop == Stop::Copy);
        return;
    }
    if (page.isNull()) {
        failWith(outcome.message.isEmpty() ? tr("The scanner sent no picture.") : outcome.message);
        return;
    }
    if (m_kind == Kind::Preview) {
        previewed(page);
        return;
    }
    m_memory.setLastScanDevice(m_session.currentDevice());
    if (m_kind == Kind::Stack) {
        takeStackPage(page);
        return;
    }
    m_page = page;
    finish(true);
}

void ScanFlow::helperFailed(const Outcome &outcome)
{
    m_toSet.clear();
    if (m_state == State::Closing) {
        finish(m_stop == Stop::Copy);
        return;
    }
    failWith(outcome.message); // Retry starts a fresh helper
}

void ScanFlow::stalled(const QString &message)
{
    if (m_state == State::Closing || m_state == State::Stalled)
        return;
    m_stalledFrom = m_state;
    say(message);
    setState(State::Stalled);
}

void ScanFlow::cancel()
{
    if (!m_session.isBusy()) {
        if (m_kind == Kind::Stack)
            m_session.endStack();
        finish(false);
        return;
    }
    if (m_state == State::Closing)
        return;
    if (m_kind == Kind::Stack && m_pages > 0 && m_state == State::Scanning) {
        // The sheet in the scanner comes out whole, and the pages stay. On a
        // duplex sheet whose front is under way, that is its back too.
        const bool front = m_duplex && m_pages % 2 == 0;
        m_stop = Stop::AfterSheet;
        say(tr("Stopping after page %1…").arg(m_pages + (front ? 2 : 1)));
        setState(State::Stopping);
        return;
    }
    stopScanning(Stop::Discard);
}

void ScanFlow::copyPagesScanned()
{
    if (m_state == State::Interrupted)
        finish(true);
    else if (m_state == State::Stalled)
        stopScanning(Stop::Copy);
}

// The next sheet is asked for before this page is kept, so the scanner feeds
// it while the page is compressed.
void ScanFlow::takeStackPage(const QImage &page)
{
    ++m_pages;
    emit pageArrived(page);
    if (m_state == State::Stalled) { // it came after all
        say({});
        setState(m_stalledFrom);
    }
    const bool front = m_duplex && m_pages % 2 == 1;
    const bool stop = m_state == State::Stopping && !front;
    if (!stop)
        m_session.startScan(m_view.mode(), m_view.resolution(), {}, ++m_sheet);
    if (front)
        m_front = page;
    else if ((!m_front.isNull() && !keep(std::exchange(m_front, {}))) || !keep(page))
        return;
    if (stop) {
        m_session.endStack();
        interrupt(tr("Stopped after page %1.").arg(m_pages), Stop::AfterSheet);
    } else {
        say(tr("Page %1").arg(m_pages));
    }
}

// Nothing is printed or saved from a sink that could not keep a page: the
// scan stops, and the Copy command says why.
bool ScanFlow::keep(const QImage &page)
{
    if (m_sink->takePage(page).ok)
        return true;
    stopScanning(Stop::Discard);
    return false;
}

void ScanFlow::feederEmpty()
{
    if (flow() != State::Scanning && flow() != State::Stopping)
        return;
    m_session.endStack();
    if (!m_front.isNull() && !keep(std::exchange(m_front, {}))) // a front without a back
        return;
    if (m_state == State::Stopping)
        interrupt(tr("Stopped after page %1.").arg(m_pages), Stop::AfterSheet);
    else
        finish(true); // the normal end of a stack
}

// A failure before any page of a stack is one page's failure, with Retry.
void ScanFlow::failWith(const QString &text)
{
    if (m_kind == Kind::Stack && m_pages > 0) {
        //: %1 is the page's number, %2 what went wrong, a sentence of its own.
        interrupt(tr("Page %1: %2").arg(m_pages + 1).arg(text));
        return;
    }
    m_openFailed = false;
    say(text);
    setState(State::Failed);
}

void ScanFlow::interrupt(const QString &text, Stop stop)
{
    m_stop = stop;
    say(text);
    setState(State::Interrupted);
}

// Cancels the scan under way; the dialog closes once it has stopped, with the
// stack's pages (the user chose to copy them) or without anything.
void ScanFlow::stopScanning(Stop then)
{
    m_stop = then;
    setState(State::Closing);
    say(tr("Stopping the scan…"));
    m_session.cancel();
    if (m_session.isBusy())
        return;
    if (m_kind == Kind::Stack)
        m_session.endStack();
    finish(then == Stop::Copy);
}

void ScanFlow::finish(bool accepted)
{
    if (accepted && !m_front.isNull() && !m_sink->takePage(m_front).ok)
        accepted = false;
    m_front = {};
    emit finished(accepted);
}
