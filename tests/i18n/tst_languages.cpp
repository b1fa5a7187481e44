// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mirel in other languages, a row each: English, every catalogue shipped, a
// pseudo-language 40 % longer than English, and Arabic, for which only Qt has
// a catalogue. Each caption of the panel fits, in glyphs some installed font
// has (at twice the size too: CMakeLists.txt runs the rows again so); in
// German and in Japanese the windows read to a screen reader in that
// language, Qt's own buttons and the driver's words too; and right to left,
// the panel is the same picture.
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "common/Translations.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/FakeScannerLayer.h"
#include "harness/SaneTestScanner.h"
#include "panel/LabelButton.h"

#include <QDir>
#include <QMessageBox>
#include <QTest>

// Words, separated by |, that a screen reader reads as the name of something:
// in the panel, the About box, a question (Qt's own Yes and No),
// and the scan dialog on SANE's test scanner (the driver's colour mode and
// source in SANE's own words).
const QMap<QString, QString> kRead{
    {"de", "Kopien|Maßstab|Quelle wählen|Speichern|Auf Standarddrucker|Kopieren|Beenden|Über Mirel|"
           "Version 1.5.2|Ja|Nein|Farbe|Flachbett|Vorschau|Scannen|Abbrechen"},
    {"ja", "部数|倍率|スキャナー選択|ファイルに保存|既定のプリンターで印刷|コピー|終了|"
           "Mirel について|バージョン 1.5.2|はい(Y)|いいえ(N)|カラー|"
           "フラットベッド|プレビュー(V)|スキャン(S)|キャンセル"}};

class tst_languages : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    ApplicationPrinter printing; // its watcher follows a job nobody prints
    QImage m_englishPanel;

    // Reads the windows of the row's language.
    void read(frmMain &form, const QString &words)
    {
        frmAbout about(scanner);
        about.show();
        QMessageBox box(QMessageBox::NoIcon, "", "?", QMessageBox::Yes | QMessageBox::No);
        box.show();
        QStringList tree = accessibleTree(&form) + accessibleTree(&about) + accessibleTree(&box);
        SaneTestScanner sane(1);
        SaneScannerLayer layer;
        answerDialog("ScanDialog", [&tree](QDialog &d) {
            QTRY_VERIFY(scanDialogReady(&d));
            tree << accessibleTree(&d);
            pressKeyOn(&d, Qt::Key_Escape);
        });
        layer.TWAIN_AcquireToClipboard(nullptr, 0);
        // Each a name, after the role on its line of the tree.
        for (const QString &word : words.split(u'|'))
            QVERIFY2(tree.join('\n').contains(' ' + word),
                     qPrintable(word + " in:\n" + tree.join('\n')));
    }

private slots:
    void languages_data()
    {
        QTest::addColumn<QString>("folder"); // of Mirel's catalogue
        QTest::newRow("en") << QString();
        QTest::newRow("ar") << QString();
        QTest::newRow("pseudo") << MIREL_PSEUDO_DIR;
        for (const QString &file : QDir(MIREL_QM_DIR).entryList({"mirel_*.qm"}))
            QTest::newRow(qPrintable(file.mid(6).chopped(3))) << MIREL_QM_DIR;
    }

    void languages()
    {
        QFETCH(QString, folder);
        const QString language = QTest::currentDataTag();
        QCOMPARE(InstallTranslations({language}, {folder}), folder.isEmpty() ? "" : language);
        frmMain form(scanner, printing);
        form.Form_Load();
        // The displays' cells at their widest ("99", "200%"), and the captions
        // placed so far.
        QList<QRect> taken{{Counters::origin(Counters::Display::Copies), QSize(72, 30)},
                           {Counters::origin(Counters::Display::Scale), QSize(120, 30)}};
        const auto fits = [&](LabelButton *label) {
            QVERIFY2(form.rect().contains(label->geometry()), qPrintable(label->text()));
            for (const QRect &other : std::as_const(taken))
                QVERIFY2(!label->geometry().intersects(other), qPrintable(label->text()));
            // Drawn from this font or one Qt falls back to, never as boxes.
            for (char32_t c : label->text().toUcs4())
                QVERIFY2(QFontMetrics(label->font()).inFontUcs4(c), qPrintable(label->text()));
        };
        for (LabelButton *label :
             {form.lblCopies, form.lblScale, form.lblSelectSource, form.lblSave,
              form.lblPrintToDefault, form.lblCopy, form.lblExit})
            fits(label), taken << label->geometry();
        // The band's Cancel; the band's words keep three quarters of it.
        printing.followJob({"Office", 1, "127.0.0.1", 1});
        fits(form.lblCancel);
        QVERIFY(form.lblCancel->isVisible() && form.lblCancel->width() <= 361 / 4);
        // Right to left Qt turns its dialogs; the panel stays the picture it
        // is in English (the row before).
        QCOMPARE(QGuiApplication::isRightToLeft(), language == "ar");
        if (language == "en" || language == "ar")
            QCOMPARE(form.grab().toImage(),
                     language == "en" ? (m_englishPanel = form.grab().toImage()) : m_englishPanel);
        if (kRead.contains(language))
            read(form, kRead[language]);
    }
};

QTEST_MAIN(tst_languages)
#include "tst_languages.moc"
