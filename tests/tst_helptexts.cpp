// What the help topics tell, checked against the program's facts where a user looks for them.
#include "windows/help/frmhelp.h"
#include "windows/windows.h"

#include <QTextBrowser>
#include <QtTest>

using namespace zelta;

class TstHelpTexts : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { windows().destroyAll(); }

    void topicSays_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("said");
        // The grid is 6800 twips high around row 3400; labels every big square, six each way.
        QTest::newRow("graph: its heading") << 3 << "The graph The grid" << true;
        QTest::newRow("graph: half a unit") << 3 << "x from -4.5 to 4.5 shows y from -3 to 3 on the labels, -3.4 to 3.4 to the edges" << true;
        QTest::newRow("graph: one unit") << 3 << "x from -9 to 9 shows y from -6 to 6 on the labels, -6.8 to 6.8 to the edges" << true;
        QTest::newRow("graph: two units") << 3 << "x from -18 to 18 shows y from -12 to 12 on the labels, -13.6 to 13.6 to the edges" << true;
        QTest::newRow("graph: four units") << 3 << "x from -36 to 36 shows y from -24 to 24 on the labels, -27.2 to 27.2 to the edges" << true;
        QTest::newRow("graph: no range the grid does not show") << 3 << "6.5" << false;
        QTest::newRow("graph: the pointer's read-out") << 3 << "shows the x and y values under it, as x,y" << true;
        QTest::newRow("equation: x^a") << 2 << "x^a for the power, from 0 to 10" << true;
        QTest::newRow("equation: sin ax, cos ax, tan ax") << 2 << "tan ax for the factor, from 1 to 10" << true;
        QTest::newRow("equation: a^x") << 2 << "a^x, a raised to the power x, for a from 1 to 20" << true;
        QTest::newRow("equation: log x narrows the rest") << 2 << "only for x greater than 0, so once it is added the rest of the equation" << true;
        QTest::newRow("more curves: + and -") << 6 << "click + or - and add the next term: the equation grows, and Sketch Curve draws the whole sum as another curve" << true;
        QTest::newRow("more curves: the menu adds") << 6 << "General Curves menu is added to the same grid" << true;
        QTest::newRow("more curves: New Curve") << 6 << "New Curve from the File menu or click Reset Zeltaplot" << true;
        QTest::newRow("more curves: no equation typed anew") << 6 << "enter the next equation" << false;
    }
    void topicSays()
    {
        QFETCH(int, topic);
        QFETCH(QString, phrase);
        QFETCH(bool, said);
        const QString text = windows().frmHelp()->txtHelp[topic]->toPlainText().simplified();
        QVERIFY2(text.contains(phrase) == said, qPrintable(text));
    }
};

QTEST_MAIN(TstHelpTexts)
#include "tst_helptexts.moc"
