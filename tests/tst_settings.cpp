// The grid settings panel through its controls: a scale, the X boxes' live checks, Set Grid and its checks.
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"
#include <QtTest>
#include <QtWidgets>

struct Row { int scale; QString start, end; QStringList messages, textsAfter; bool gridEnabled; QList<int> columns; };

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zelta::windows().destroyAll(); }

    void setGrid_data()
    {
        const QString order = "The ending value must be greater than the starting value.";
        QTest::addColumn<Row>("c");
        QTest::newRow("a") << Row{1, "a", "", {"The Starting Xvalue is not a number."}, {"", "9"}, false, {}};
        QTest::newRow("5x") << Row{1, "", "5x", {"The Ending Xvalue is not a number."}, {"-9", "0"}, true, {100, 4600}};
        QTest::newRow("-") << Row{1, "-", "", {}, {"-", "9"}, false, {}};
        QTest::newRow("-9..9") << Row{1, "-9", "9", {}, {"-9", "9"}, true, {100, 9100}};
        QTest::newRow("0.125..0.375") << Row{1, "0.125", "0.375", {}, {"0.125", "0.375"}, true, {4662, 4788}};
        QTest::newRow("2..2") << Row{1, "2", "2", {}, {"2", "2"}, true, {5600, 5600}};
        QTest::newRow("0.001..0.0005") << Row{1, "0.001", "0.0005", {}, {"0.001", "0.0005"}, true, {4600, 4600}};
        QTest::newRow("half, 0..4.6") << Row{0, "0", "4.6", {"Inavlid range"}, {"0", "4.6"}, true, {}};
        QTest::newRow("four, -37..1") << Row{3, "-37", "1", {"Inavlid range"}, {"-37", "1"}, true, {}};
        QTest::newRow("two, 18..-18") << Row{2, "18", "-18", {order}, {"", ""}, true, {}};
    }

    void setGrid()
    {
        QFETCH(Row, c);
        ScriptedDialogs dialogs;
        zelta::FrmMain *frm = zelta::windows().frmMain();
        frm->show();

        QTest::mouseClick(frm->scaleOptions()[c.scale], Qt::LeftButton, {}, QPoint(6, 8)); // on the indicator
        const QString limit = QString::number(4.5 * (1 << c.scale)); // nine big boxes either side of the axis
        const QStringList amounts{"half a unit", "one unit", "two units", "four units"};
        QCOMPARE(frm->LblInGrid->text(), "The starting and ending X values can have values in the range -" + limit
                                             + " to " + limit);
        QCOMPARE(zelta::windows().frmCurve()->LblScale->text(),
                 "Scale: One big box represents " + amounts[c.scale] + " on each axis");
        QCOMPARE(QStringList({frm->TxtStartX->text(), frm->TxtEndX->text()}), QStringList({"-" + limit, limit}));
        QCOMPARE(int{frm->plot.UnitTwips}, 1000 >> c.scale);
        QCOMPARE(frm->plot.XLimit, limit.toDouble());

        frm->TxtStartX->selectAll();
        QTest::keyClicks(frm->TxtStartX, c.start); // typing "" leaves the scale's value
        frm->TxtEndX->selectAll();
        QTest::keyClicks(frm->TxtEndX, c.end);
        QCOMPARE(frm->CmdGrid->isEnabled(), c.gridEnabled);
        QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
        QCOMPARE(dialogs.messages, c.messages);
        QCOMPARE(QStringList({frm->TxtStartX->text(), frm->TxtEndX->text()}), c.textsAfter);

        const bool accepted = !c.columns.isEmpty();
        QCOMPARE(QList({frm->FrameEquation->isVisible(), frm->FrameSettings->isHidden()}), QList<bool>(2, accepted));
        QCOMPARE(frm->state.GridDrawn, accepted);
        for (QWidget *w : frm->FrameSettings->findChildren<QWidget *>()) // the range hint is never disabled
            QCOMPARE(w->isEnabled(), w == frm->LblInGrid || (!accepted && w != frm->CmdGrid));
        if (!accepted)
            return;
        QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), c.columns);
        QCOMPARE(frm->lblDes->text(), "Now enter the coefficient of the first term.");
        QTRY_COMPARE(QApplication::focusWidget(), frm->TxtCoeff);
    }

    void decimalCommaLocale()
    {
        ScriptedDialogs dialogs;
        QLocale::setDefault(QLocale(QLocale::German));
        zelta::FrmMain *frm = zelta::windows().frmMain();
        frm->show();
        QTest::mouseClick(frm->OptHalf, Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(QStringList({frm->TxtStartX->text(), frm->TxtEndX->text()}), QStringList({"-4,5", "4,5"}));
        QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), QList<int>({100, 9100}));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
