// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mirel in other languages: each caption of the panel fits, in every
// catalogue shipped and in a pseudo-language 40 % longer than English (at
// twice the size too: CMakeLists.txt runs the rows again so), in glyphs some
// installed font has; the window started in German and in Japanese reads to
// a screen reader in that language, Qt's own buttons and the driver's words
// too; and the panel under a right-to-left language is the same picture.
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "common/MessageBox.h"
#include "common/Translations.h"
#include "copyjob/print/Printing.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/FakeScannerLayer.h"
#include "harness/SaneTestScanner.h"
#include "panel/GlyphDisplay.h"
#include "panel/LabelButton.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTest>

// What a screen reader reads of a window: a line for each name.
static QStringList readNames(QAccessibleInterface *node)
{
    QStringList names{node->state().invisible ? QString() : node->text(QAccessible::Name)};
    for (int i = 0; i < node->childCount() && !node->state().invisible; ++i)
        names << readNames(node->child(i));
    return names;
}

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
        // The displays' cells at their widest ("99", "200%"), and the captions
        // placed so far.
        QList<QRect> taken{{Counters::origin(Counters::Display::Copies), QSize(72, kGlyphHeight)},
                           {Counters::origin(Counters::Display::Scale), QSize(120, kGlyphHeight)}};
        const auto fits = [&](LabelButton *label) {
            const QByteArray what = (label->objectName() + ": " + label->text()).toUtf8();
            // The label, and the ink of a glyph another font lent it.
            const QFontMetrics metrics(label->font());
            const QRect box = label->geometry().united(
                metrics.boundingRect(label->text())
                    .translated(label->pos() + QPoint(0, metrics.ascent())));
            QVERIFY2(form.rect().contains(box), what);
            for (const QRect &other : std::as_const(taken))
                QVERIFY2(!box.intersects(other), what);
            // Drawn from this font or one Qt falls back to, never as boxes.
            for (char32_t c : label->text().toUcs4())
                QVERIFY2(metrics.inFontUcs4(c), what);
        };
        for (LabelButton *label :
             {form.lblCopies, form.lblScale, form.lblSelectSource, form.lblSave,
              form.lblPrintToDefault, form.lblCopy, form.lblExit})
            fits(label), taken << label->geometry();
        // The band's Cancel, and the OK that dismisses a copy not printed; the
        // band's words keep three quarters of it.
        for (bool cancellable : {true, false}) {
            printing.listener({PrintStatus::Kind::Ended, "…", cancellable, !cancellable});
            fits(form.lblCancel);
            QVERIFY(form.lblCancel->isVisible() && form.lblCancel->width() <= 361 / 4);
        }
    }

    // Words, separated by |, that a screen reader reads as the name of
    // something: in the panel, the About box, the program's question (Qt's
    // own Yes and No), and the scan dialog on SANE's test scanner (the
    // driver's colour mode and source in SANE's own words).
    void window_data()
    {
        QTest::addColumn<QString>("words");
        QTest::newRow("de") << "Kopien|Maßstab|Quelle wählen|Speichern|Standarddrucker|Kopieren|"
                               "Beenden|Über Mirel|Version 1.5.2|Ja|Nein|Farbe|Flachbett|"
                               "Vorschau|Scannen|Abbrechen";
        QTest::newRow("ja") << "部数|倍率|スキャナ選択|保存|通常のプリンタで印刷|コピー|終了|"
                               "Mirelについて|バージョン 1.5.2|はい(Y)|いいえ(N)|カラー|"
                               "フラットベッド|プレビュー(V)|スキャン(S)|キャンセル";
    }

    void window()
    {
        QFETCH(QString, words);
        QCOMPARE(InstallTranslations({QTest::currentDataTag()}, {MIREL_QM_DIR}),
                 QTest::currentDataTag());
        frmMain form(scanner, printing);
        form.Form_Load();
        form.findChild<QAction *>("mnuCopiesAbout")->trigger();
        QStringList read;
        for (QWidget *window : QApplication::topLevelWidgets()) // the panel, the About box
            read << readNames(QAccessible::queryAccessibleInterface(window));
        QApplication::closeAllWindows();
        const auto readAndClose = [&read](QDialog &d) {
            QTRY_VERIFY(d.objectName() != "ScanDialog" || scanDialogReady(&d));
            read << readNames(QAccessible::queryAccessibleInterface(&d));
            pressKeyOn(&d, Qt::Key_Escape);
        };
        auto asked = answerDialog("MirelQuestion", readAndClose);
        MsgAsk(nullptr, "?");
        SaneTestScanner sane(1);
        SaneScannerLayer layer;
        auto scanned = answerDialog("ScanDialog", readAndClose);
        layer.TWAIN_AcquireToClipboard(nullptr, 0);
        QVERIFY(asked->ran && scanned->ran);
        for (const QString &word : words.split(u'|'))
            QVERIFY2(read.contains(word), qPrintable(word + " is not in: " + read.join(u'|')));
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
