#include <QTest>
class tst_glyphs : public QObject { Q_OBJECT private slots: void t() {} };
QTEST_GUILESS_MAIN(tst_glyphs)
#include "tst_glyphs.moc"
