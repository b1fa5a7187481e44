// The two output-mode switches: each keeps its state in its own Tag text and
// shows it in its colour, and switching one on switches the other off.
#include "panel/LabelButton.h"
#include "panel/Toggles.h"

#include <QTest>

namespace {

const QColor kMarker{255, 0, 0};

void setState(QObject &label, const QString &tag, const QColor &color)
{
    label.setProperty("Tag", tag);
    label.setProperty("ForeColor", color);
}

QColor colorFor(const QString &tag)
{
    return tag == QLatin1String("True") ? kToggleOnColor : kToggleOffColor;
}

} // namespace

class tst_toggles : public QObject
{
    Q_OBJECT

private slots:
    void toggleOption_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expectedTag");
        QTest::addColumn<QColor>("expectedColor");
        QTest::newRow("off turns on") << "False"
                                      << "True" << kToggleOnColor;
        QTest::newRow("on turns off") << "True"
                                      << "False" << kToggleOffColor;
        // Anything but the two exact texts is left exactly as it was.
        for (const char *odd : {"true", "FALSE", "", " True", "True ", "1"})
            QTest::addRow("odd tag '%s' unchanged", odd) << odd << odd << kMarker;
    }

    void toggleOption()
    {
        QFETCH(QString, tag);
        QFETCH(QString, expectedTag);
        QFETCH(QColor, expectedColor);
        LabelButton label;
        setState(label, tag, kMarker);
        ToggleOption(label);
        QCOMPARE(label.tag(), expectedTag);
        QCOMPARE(label.foreColor(), expectedColor);
    }

    void clearOptionSwitchesAnyTagOff()
    {
        for (const char *tag : {"True", "False", "maybe", ""}) {
            QObject label; // the properties are addressed by name, on any object
            setState(label, QString::fromLatin1(tag), kMarker);
            ClearOption(label);
            QCOMPARE(label.property("Tag").toString(), QStringLiteral("False"));
            QCOMPARE(label.property("ForeColor").value<QColor>(), kToggleOffColor);
        }
    }

    // Clicks, P for "Print to default" and S for "Save", from a starting pair
    // of tags to the pair they leave.
    void clicks_data()
    {
        QTest::addColumn<QString>("start"); // print tag, save tag
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("end");
        QTest::newRow("neither -> print") << "False False"
                                          << "P"
                                          << "True False";
        QTest::newRow("neither -> save") << "False False"
                                         << "S"
                                         << "False True";
        QTest::newRow("print -> neither") << "True False"
                                          << "P"
                                          << "False False";
        QTest::newRow("print -> save") << "True False"
                                       << "S"
                                       << "False True";
        QTest::newRow("save -> print") << "False True"
                                       << "P"
                                       << "True False";
        QTest::newRow("save -> neither") << "False True"
                                         << "S"
                                         << "False False";
        QTest::newRow("save twice returns") << "False False"
                                            << "SS"
                                            << "False False";
        QTest::newRow("alternating") << "False False"
                                     << "PSPS"
                                     << "False True";
        // A stray tag on the other switch is cleared only when this one goes on.
        QTest::newRow("odd save, print on") << "False odd"
                                            << "P"
                                            << "True False";
        QTest::newRow("odd save, print off") << "True odd"
                                             << "P"
                                             << "False odd";
        // A switch with a stray tag never goes on, so it never clears the other.
        QTest::newRow("odd print stays") << "odd True"
                                         << "P"
                                         << "odd True";
        QTest::newRow("odd print cleared by save") << "odd False"
                                                   << "S"
                                                   << "False True";
    }

    void clicks()
    {
        QFETCH(QString, start);
        QFETCH(QString, clicks);
        QFETCH(QString, end);
        LabelButton lblPrintToDefault, lblSave;
        setState(lblPrintToDefault, start.section(u' ', 0, 0), colorFor(start.section(u' ', 0, 0)));
        setState(lblSave, start.section(u' ', 1, 1), colorFor(start.section(u' ', 1, 1)));
        for (const QChar click : clicks) {
            if (click == u'P')
                PrintToDefaultClick(lblPrintToDefault, lblSave);
            else
                SaveClick(lblSave, lblPrintToDefault);
            QVERIFY2(!(lblPrintToDefault.tag() == QLatin1String("True") &&
                       lblSave.tag() == QLatin1String("True")),
                     "both switches on");
        }
        QCOMPARE(lblPrintToDefault.tag() + u' ' + lblSave.tag(), end);
        // The colour always tells the state of a switch whose tag is a state.
        QCOMPARE(lblPrintToDefault.foreColor(), colorFor(lblPrintToDefault.tag()));
        QCOMPARE(lblSave.foreColor(), colorFor(lblSave.tag()));
    }
};

QTEST_MAIN(tst_toggles)
#include "tst_toggles.moc"
