// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scan dialog's way through a scan without a widget or a scanner: a row
// scripts the scanner's replies and the user's presses, and reads what the
// user was told and offered, what was asked of the scanner and which pages
// were kept. The real helper, its drivers and their faults are
// tst_scanstack's and tst_scanlayer's.

#include "common/PageSink.h"
#include "copyjob/scan/ui/ScanFlow.h"

#include <QHash>
#include <QTest>

#include <functional>

namespace {

// The scanner, one request at a time: each stays outstanding until the row
// answers it, and one made meanwhile is marked; and the dialog, whose choices
// stay as they are.
struct Script : ScanFlow::Session, ScanFlow::View
{
    QStringList asked;
    bool busy = false;
    void ask(const QString &what) { asked << (busy ? "BUSY " : "") + what, busy = true; }
    QString currentDevice() const override { return "dev"; }
    bool isBusy() const override { return busy; }
    void openDevice() override { ask("open"); }
    void setOption(const QString &name, const QVariant &) override { ask("set:" + name); }
    void startScan(const QString &, int dpi, const ScanSettings &, int sheet) override
    {
        ask(dpi ? QString::number(sheet) : "look");
    }
    void endStack() override { asked << "end"; }
    void cancel() override { asked << "cancel"; }
    void keepWaiting() override { asked << "wait"; }
    QString mode() const override { return "Gray"; }
    int resolution() const override { return 300; }
    bool allSheets() const override { return true; }
    ScanSettings areaValues() const override { return {}; }
    void showOpened(const QString &, const QList<ScanOption> &, bool) override {}
    void showOptions(const QList<ScanOption> &) override {}
    bool showPaper(const QString &, const QRectF &) override { return true; }
    void showPreview(const QImage &) override {}
};

// A page's number is its width.
struct Kept : PageSink
{
    QStringList numbers;
    Outcome takePage(const QImage &page) override
    {
        numbers << QString::number(page.width());
        return Outcome::success();
    }
};

} // namespace

class tst_ScanFlow : public QObject
{
    Q_OBJECT

private slots:
    // steps: the scanner's replies, o opened on a feeder (w a duplex one, g
    // the glass), O open failed ("gone"), p a page, f a fault ("jam"), c
    // stopped, e the feeder empty, s a stall ("silent"); the user's S (Scan,
    // Retry, Keep waiting, Go on), X Cancel, C Copy the pages scanned, V
    // Preview. trace: what was asked of the scanner (open, a sheet's number,
    // look for a preview, set:NAME, end, cancel, wait), each message the user
    // waits on in brackets, with the button offered and "+ copy" for Copy the
    // pages scanned, and the end with the pages kept.
    void flow_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("trace");
        const auto row = [](const char *name, const char *steps, const QString &trace) {
            QTest::newRow(name) << steps << trace;
        };
        const QString retry = " | Retry from the &next sheet + copy] ";
        const QString goOn = " | &Go on from the next sheet + copy] ";
        const QString stall = " [silent | &Keep waiting + copy] ";
        row("stack to the empty feeder", "oSppe", "open 1 2 3 end accepted 1 2");
        row("fault on the first sheet", "oSfSope", "open 1 [jam | &Retry] open 1 2 end accepted 1");
        row("fault mid-stack, cancel", "oSpfX", "open 1 2 [Page 2: jam" + retry + "end rejected");
        row("fault on the last sheet, none left on retry", "oSppfSofC",
            "open 1 2 3 [Page 3: jam" + retry + "open 1 [Page 3: jam" + retry + "accepted 1 2");
        row("device gone on retry", "oSpfSOC",
            "open 1 2 [Page 2: jam" + retry + "open [gone" + retry + "accepted 1");
        row("cancel mid-stack, go on", "oSpXpSope",
            "open 1 2 [Stopping after page 2…] end [Stopped after page 2." + goOn +
                "open 1 2 end accepted 1 2 3");
        row("cancel twice", "oSpXXc", "open 1 2 [Stopping after page 2…] cancel rejected");
        row("stalls: keep waiting, or the page comes after all", "oSsSpspsSpe",
            "open 1 [silent | &Keep waiting] wait 2" + stall + "3" + stall +
                "wait 4 end accepted 1 2 3");
        row("duplex: fault on a back, on", "wSpppfSwppe",
            "open 1 2 3 4 [Page 4: jam" + retry + "open 1 2 3 end accepted 1 2 4 5");
        row("duplex: fault on a back, copy", "wSpppfC",
            "open 1 2 3 4 [Page 4: jam" + retry + "accepted 1 2 3");
        row("duplex: fault on the first back, on", "wSpfSwppe",
            "open 1 2 [Page 2: jam" + retry + "open 1 2 3 end accepted 2 3");
        row("duplex: cancel on a front", "wSppXppC",
            "open 1 2 3 [Stopping after page 4…] 4 end [Stopped after page 4." + goOn +
                "accepted 1 2 3 4");
        // Afterwards the device goes back from the preview's resolution to the chosen one.
        row("preview failed, retried", "gVfSgp",
            "open look [jam | &Retry] open look set:resolution");
    }

    void flow()
    {
        QFETCH(QString, steps);
        QFETCH(QString, trace);
        Script script;
        Kept sink;
        ScanMemory memory;
        ScanFlow flow(script, script, memory);
        flow.setSink(&sink);
        connect(&flow, &ScanFlow::stateChanged, this, [&](ScanFlow::State state) {
            using enum ScanFlow::State;
            if (state == Failed || state == Interrupted || state == Stalled || state == Stopping)
                script.asked << "[" + flow.message() +
                                    (flow.offer().isEmpty() ? "" : " | " + flow.offer()) +
                                    (flow.copyOffered() ? " + copy]" : "]");
        });
        connect(&flow, &ScanFlow::finished, this, [&](bool accepted) {
            script.asked << (accepted ? "accepted " + sink.numbers.join(' ') : "rejected");
            // What the Copy command is told it got.
            QVERIFY(!accepted ||
                    (flow.pages() == sink.numbers.size() && flow.duplex() == steps.contains('w')));
        });
        const auto open = [&](const Outcome &outcome, const char *source) {
            ScanOption option; // the one the flow reads
            option.name = "source";
            option.type = ScanOption::Type::String;
            option.value = source;
            flow.opened(outcome, {}, {option});
        };
        int arrived = 0;
        const QHash<QChar, std::function<void()>> act{
            {'o', [&] { open(Outcome::success(), "ADF"); }},
            {'w', [&] { open(Outcome::success(), "ADF Duplex"); }},
            {'g', [&] { open(Outcome::success(), "Flatbed"); }},
            {'O', [&] { open(Outcome::failure("gone"), ""); }},
            {'p', [&] { flow.scanEnded(QImage(++arrived, 1, QImage::Format_Mono), {}); }},
            {'f', [&] { flow.scanEnded({}, Outcome::failure("jam")); }},
            {'c', [&] { flow.scanEnded({}, Outcome::failure({}, Outcome::Code::Cancelled)); }},
            {'e', [&] { flow.feederEmpty(); }},
            {'s', [&] { flow.stalled("silent"); }},
            {'S', [&] { flow.enter(); }},
            {'X', [&] { flow.cancel(); }},
            {'C', [&] { flow.copyPagesScanned(); }},
            {'V', [&] { flow.preview(); }}};
        flow.open();
        for (const QChar step : steps) {
            script.busy = script.busy && !QStringLiteral("owgOpfce").contains(step);
            act[step]();
        }
        QCOMPARE(script.asked.join(' '), trace);
    }
};

QTEST_GUILESS_MAIN(tst_ScanFlow)
#include "tst_scanflow.moc"
