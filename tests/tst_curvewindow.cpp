#include <QtTest>

class Placeholder : public QObject {
    Q_OBJECT
private slots:
    void pending() { QSKIP("not written yet"); }
};

QTEST_MAIN(Placeholder)
#include "tst_curvewindow.moc"
