// The two output-mode switches: each keeps its state in its own Tag text and
// shows it in its colour, and switching one on switches the other off.
#include "app/LabelButton.h"
#include "copyjob/Toggles.h"

#include <QTest>

namespace {

const QColor kMarker{255, 0, 0};

struct Toggle
{
    QString tag;
    QColor color;
};

Toggle stateOf(const QObject &label)
{
    return {label.property("Tag").toString(), label.property("ForeColor").value<QColor>()};
}

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

class TestToggles : public QObject
{
    Q_OBJECT

  private slots:
    void colours();
    void toggleOption_data();
    void toggleOption();
    void clearOption_data();
    void clearOption();
    void clicks_data();
    void clicks();
    void anyObjectWithTheProperties();
};

// The packed values 0xFF00 and 0x8000 of the original panel.
void TestToggles::colours()
{
    QCOMPARE(kToggleOnColor, QColor(0, 255, 0));
    QCOMPARE(kToggleOffColor, QColor(0, 128, 0));
}

void TestToggles::toggleOption_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expectedTag");
    QTest::addColumn<QColor>("expectedColor");

    QTest::newRow("off turns on") << "False"
                                  << "True" << kToggleOnColor;
    QTest::newRow("on turns off") << "True"
                                  << "False" << kToggleOffColor;
    // Anything but the two exact texts is left exactly as it was.
    for (const char *odd : {"true", "TRUE", "false", "", " True", "True ", "1", "Yes"})
        QTest::addRow("odd tag '%s' unchanged", odd) << odd << odd << kMarker;
}

void TestToggles::toggleOption()
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

void TestToggles::clearOption_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QColor>("color");

    QTest::newRow("on") << "True" << kToggleOnColor;
    QTest::newRow("off") << "False" << kToggleOffColor;
    QTest::newRow("odd tag") << "maybe" << kMarker;
    QTest::newRow("empty tag") << "" << kMarker;
}

void TestToggles::clearOption()
{
    QFETCH(QString, tag);
    QFETCH(QColor, color);

    LabelButton label;
    setState(label, tag, color);
    ClearOption(label);
    QCOMPARE(label.tag(), QStringLiteral("False"));
    QCOMPARE(label.foreColor(), kToggleOffColor);
}

// A sequence of clicks, P for "Print to default" and S for "Save", from a
// starting pair of tags to the pair they leave.
void TestToggles::clicks_data()
{
    QTest::addColumn<QString>("printStart");
    QTest::addColumn<QString>("saveStart");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("printEnd");
    QTest::addColumn<QString>("saveEnd");

    QTest::newRow("neither, no click") << "False"
                                       << "False"
                                       << ""
                                       << "False"
                                       << "False";
    QTest::newRow("neither -> print") << "False"
                                      << "False"
                                      << "P"
                                      << "True"
                                      << "False";
    QTest::newRow("neither -> save") << "False"
                                     << "False"
                                     << "S"
                                     << "False"
                                     << "True";
    QTest::newRow("print -> neither") << "True"
                                      << "False"
                                      << "P"
                                      << "False"
                                      << "False";
    QTest::newRow("print -> save") << "True"
                                   << "False"
                                   << "S"
                                   << "False"
                                   << "True";
    QTest::newRow("save -> print") << "False"
                                   << "True"
                                   << "P"
                                   << "True"
                                   << "False";
    QTest::newRow("save -> neither") << "False"
                                     << "True"
                                     << "S"
                                     << "False"
                                     << "False";
    QTest::newRow("save twice returns") << "False"
                                        << "False"
                                        << "SS"
                                        << "False"
                                        << "False";
    QTest::newRow("print twice returns") << "False"
                                         << "False"
                                         << "PP"
                                         << "False"
                                         << "False";
    QTest::newRow("alternating") << "False"
                                 << "False"
                                 << "PSPS"
                                 << "False"
                                 << "True";
    // A stray tag on the other switch is cleared only when this one goes on.
    QTest::newRow("odd save, print on") << "False"
                                        << "odd"
                                        << "P"
                                        << "True"
                                        << "False";
    QTest::newRow("odd save, print off") << "True"
                                         << "odd"
                                         << "P"
                                         << "False"
                                         << "odd";
    // A switch with a stray tag never goes on, so it never clears the other.
    QTest::newRow("odd print stays") << "odd"
                                     << "True"
                                     << "P"
                                     << "odd"
                                     << "True";
    QTest::newRow("odd print cleared by save") << "odd"
                                               << "False"
                                               << "S"
                                               << "False"
                                               << "True";
}

void TestToggles::clicks()
{
    QFETCH(QString, printStart);
    QFETCH(QString, saveStart);
    QFETCH(QString, clicks);
    QFETCH(QString, printEnd);
    QFETCH(QString, saveEnd);

    LabelButton lblPrintToDefault;
    LabelButton lblSave;
    setState(lblPrintToDefault, printStart, colorFor(printStart));
    setState(lblSave, saveStart, colorFor(saveStart));

    for (const QChar click : clicks) {
        if (click == u'P')
            PrintToDefaultClick(lblPrintToDefault, lblSave);
        else
            SaveClick(lblSave, lblPrintToDefault);
        // At most one switch is on after every click.
        QVERIFY(!(lblPrintToDefault.tag() == QLatin1String("True") &&
                  lblSave.tag() == QLatin1String("True")));
    }

    QCOMPARE(lblPrintToDefault.tag(), printEnd);
    QCOMPARE(lblSave.tag(), saveEnd);
    // The colour always tells the state of a switch whose tag is a state.
    QCOMPARE(lblPrintToDefault.foreColor(), colorFor(printEnd));
    QCOMPARE(lblSave.foreColor(), colorFor(saveEnd));
}

// The routines address the properties by name, so any object carrying them works.
void TestToggles::anyObjectWithTheProperties()
{
    QObject a;
    QObject b;
    setState(a, QStringLiteral("False"), kToggleOffColor);
    setState(b, QStringLiteral("True"), kToggleOnColor);

    PrintToDefaultClick(a, b);
    QCOMPARE(stateOf(a).tag, QStringLiteral("True"));
    QCOMPARE(stateOf(a).color, kToggleOnColor);
    QCOMPARE(stateOf(b).tag, QStringLiteral("False"));
    QCOMPARE(stateOf(b).color, kToggleOffColor);
}

QTEST_MAIN(TestToggles)
#include "tst_toggles.moc"
