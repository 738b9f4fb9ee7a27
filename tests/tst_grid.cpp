#include <QtTest>
class T : public QObject { Q_OBJECT private slots: void x() { QVERIFY(true); } };
QTEST_MAIN(T)
#include "tst_grid.moc"
