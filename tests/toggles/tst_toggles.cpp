// The two output switches keep their state in their Tag text and show it in
// their colour; one going on turns the other off; and the route a copy takes
// follows the tags, a stray tag never sending it to the default printer.
#include "copyjob/CopyCommand.h"
#include "panel/LabelButton.h"
#include "panel/Toggles.h"

#include <QTest>

class tst_toggles : public QObject
{
    Q_OBJECT

private slots:
    // "tags before > clicks > tags after > route": tags "print|save"; clicks P
    // for Print to default, S for Save; route A(sk), P(rint to default), S(ave).
    void clicks_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("print on") << "False|False > P > True|False > P";
        QTest::newRow("save on") << "False|False > S > False|True > S";
        QTest::newRow("save on and off") << "True|False > SS > False|False > A";
        QTest::newRow("turn about, print off") << "False|True > PSPSPP > False|False > A";
        // A stray tag is never switched, and is cleared only when the other goes on.
        QTest::newRow("odd save, print on") << "False|odd > P > True|False > P";
        QTest::newRow("odd save, print off") << "True|odd > P > False|odd > A";
        QTest::newRow("odd print stays") << "true|True > P > true|True > S";
        QTest::newRow("odd print, save on") << "odd|False > S > False|True > S";
        QTest::newRow("spaced and empty") << " True| >  >  True| > A";
    }

    void clicks()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(QStringLiteral(" > "));
        const auto colour = [](const QString &tag) { // a stray tag keeps any colour it had
            return tag == "True" ? kToggleOnColor : tag == "False" ? kToggleOffColor : Qt::red;
        };
        LabelButton print, save;
        print.setProperty("Tag", part[0].section(u'|', 0, 0));
        save.setProperty("Tag", part[0].section(u'|', 1));
        print.setProperty("ForeColor", colour(print.tag()));
        save.setProperty("ForeColor", colour(save.tag()));
        for (const QChar click : part[1])
            click == u'P' ? PrintToDefaultClick(print, save) : SaveClick(save, print);
        QCOMPARE(print.tag() + u'|' + save.tag(), part[2]);
        QVERIFY(print.foreColor() == colour(print.tag()) && save.foreColor() == colour(save.tag()));
        QCOMPARE(int(RouteFromTags(print.tag(), save.tag())),
                 QStringLiteral("APS").indexOf(part[3]));
    }
};

QTEST_MAIN(tst_toggles)
#include "tst_toggles.moc"
