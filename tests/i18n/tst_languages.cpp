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

// The names a screen reader reads in a window, each on a line of its own.
static QString readNames(QAccessibleInterface *node)
{
    QString names;
    if (node->state().invisible)
        return names;
    if (const QString name = node->text(QAccessible::Name); !name.isEmpty())
        names += name + u'\n';
    for (int i = 0; i < node->childCount(); ++i)
        names += readNames(node->child(i));
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

    // Each column: words, separated by |, that a screen reader reads as the
    // name of something in that window: the panel, the About box, the
    // program's question with Qt's Yes and No, and the scan dialog on SANE's
    // test scanner, its colour mode and source in SANE's own words.
    void window_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("about");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("scan");
        QTest::newRow("de")
            << "Kopien|Maßstab|Quelle wählen|Speichern|Standarddrucker|Kopieren|Beenden"
            << "Über Mirel|Version 1.5.2|OK"
            << "Ja|Nein"
            << "Farbe|Flachbett|Vorschau|Scannen|Abbrechen";
        QTest::newRow("ja") << "部数|倍率|スキャナ選択|保存|通常のプリンタで印刷|コピー|終了"
                            << "Mirelについて|バージョン 1.5.2|OK"
                            << "はい(Y)|いいえ(N)"
                            << "カラー|フラットベッド|プレビュー(V)|スキャン(S)|キャンセル";
    }

    void window()
    {
        QFETCH(QString, panel);
        QFETCH(QString, about);
        QFETCH(QString, question);
        QFETCH(QString, scan);
        QCOMPARE(InstallTranslations({QTest::currentDataTag()}, {MIREL_QM_DIR}),
                 QTest::currentDataTag());
        QMap<QString, QString> read; // column: names read
        frmMain form(scanner, printing);
        form.Form_Load();
        read["panel"] = readNames(QAccessible::queryAccessibleInterface(&form));
        form.findChild<QAction *>("mnuCopiesAbout")->trigger();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<frmAbout *>(w) && w->isVisible())
                read["about"] += readNames(QAccessible::queryAccessibleInterface(w));
        QApplication::closeAllWindows();
        const auto readAndClose = [&](const QString &column) {
            return [&read, column](QDialog &d) {
                QTRY_VERIFY(column != "scan" || scanDialogReady(&d));
                read[column] = readNames(QAccessible::queryAccessibleInterface(&d));
                pressKeyOn(&d, Qt::Key_Escape);
            };
        };
        auto asked = answerDialog("MirelQuestion", readAndClose("question"));
        MsgAsk(nullptr, "?");
        SaneTestScanner sane(1);
        SaneScannerLayer layer;
        auto scanned = answerDialog("ScanDialog", readAndClose("scan"));
        layer.TWAIN_AcquireToClipboard(nullptr, 0);
        QVERIFY(asked->ran && scanned->ran);
        for (const auto &[column, words] : {std::pair{QString("panel"), panel},
                                            {"about", about},
                                            {"question", question},
                                            {"scan", scan}})
            for (const QString &word : words.split(u'|'))
                QVERIFY2(('\n' + read[column]).contains('\n' + word + '\n'),
                         qPrintable(column + ": " + word + " in\n" + read[column]));
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
