// The grid settings panel: choosing a scale, the live checks of the X boxes, and Set Grid's checks.
#include "drive.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct ScaleCase {
    QString option;
    double boxUnits, unitTwips, xLimit;
    QString limit, amount; // as the captions write them
};
Q_DECLARE_METATYPE(ScaleCase)

struct TypedRow {
    QString start, end; // typed over the defaults; "" types nothing
    QStringList messages, texts;
    bool setGridEnabled;
};
Q_DECLARE_METATYPE(TypedRow)

struct GridRow {
    QString option, start, end;
    QStringList messages;
    int firstColumn, lastColumn; // 0: refused
};
Q_DECLARE_METATYPE(GridRow)

static const QString StartNotNumber = QStringLiteral("The Starting Xvalue is not a number.");
static const QString EndNotNumber = QStringLiteral("The Ending Xvalue is not a number.");
static const QString Order = QStringLiteral("The ending value must be greater than the starting value.");

class TstSettings : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;
    ScriptedDialogs dialogs;

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        dialogs.messages.clear();
    }
    void cleanup() { windows().destroyAll(); }

    void scale_data()
    {
        QTest::addColumn<ScaleCase>("r");
        QTest::newRow("half") << ScaleCase{"OptHalf", 0.5, 1000, 4.5, "4.5", "half a unit"};
        QTest::newRow("one") << ScaleCase{"OptOne", 1, 500, 9, "9", "one unit"};
        QTest::newRow("two") << ScaleCase{"OptTwo", 2, 250, 18, "18", "two units"};
        QTest::newRow("four") << ScaleCase{"OptFour", 4, 125, 36, "36", "four units"};
    }
    void scale()
    {
        QFETCH(ScaleCase, r);
        drive::type(frm->TxtStartX, "2");
        drive::type(frm->TxtEndX, "3");
        if (r.option == "OptOne") // selected already: come back to it
            drive::click(frm->OptTwo);
        drive::click(frm->findChild<QRadioButton *>(r.option));
        QCOMPARE(frm->plot.BoxUnits, r.boxUnits);
        QCOMPARE(double(frm->plot.UnitTwips), r.unitTwips);
        QCOMPARE(frm->plot.XLimit, r.xLimit);
        QCOMPARE(frm->LblInGrid->text(),
                 "The starting and ending X values can have values in the range -" + r.limit + " to " + r.limit);
        QCOMPARE(windows().frmCurve()->LblScale->text(), "Scale: One big box represents " + r.amount + " on each axis");
        QCOMPARE(frm->TxtStartX->text() + ' ' + frm->TxtEndX->text(), '-' + r.limit + ' ' + r.limit);
    }

    void typing_data()
    {
        QTest::addColumn<TypedRow>("r");
        QTest::newRow("a start letter") << TypedRow{"a", "", {StartNotNumber}, {"", "9"}, false};
        QTest::newRow("5x at the end") << TypedRow{"", "5x", {EndNotNumber}, {"-9", "0"}, true};
        QTest::newRow("lone minus") << TypedRow{"-", "", {}, {"-", "9"}, false};
        QTest::newRow("negative start") << TypedRow{"-5", "", {}, {"-5", "9"}, true};
    }
    void typing()
    {
        QFETCH(TypedRow, r);
        if (!r.start.isEmpty())
            drive::type(frm->TxtStartX, r.start);
        if (!r.end.isEmpty())
            drive::type(frm->TxtEndX, r.end);
        QCOMPARE(dialogs.messages, r.messages);
        QCOMPARE((QStringList{frm->TxtStartX->text(), frm->TxtEndX->text()}), r.texts);
        QCOMPARE(frm->CmdGrid->isEnabled(), r.setGridEnabled);
    }

    // Set Grid is enabled only while both boxes hold numbers, whichever box is edited.
    void setGridNeedsBothBoxes()
    {
        drive::type(frm->TxtEndX, "");
        drive::type(frm->TxtStartX, "5");
        QVERIFY(!frm->CmdGrid->isEnabled());
        drive::type(frm->TxtEndX, "6");
        QVERIFY(frm->CmdGrid->isEnabled());
    }

    // Choosing the scale whose defaults the boxes already hold still enables a disabled Set Grid.
    void sameDefaultsEnableSetGridAgain()
    {
        drive::click(frm->OptHalf);
        drive::type(frm->TxtStartX, "-9");
        drive::type(frm->TxtEndX, "9");
        drive::click(frm->CmdGrid);
        QCOMPARE(dialogs.messages, QStringList{"Inavlid range"});
        QVERIFY(!frm->CmdGrid->isEnabled());
        drive::click(frm->OptOne);
        QVERIFY(frm->CmdGrid->isEnabled());
    }

    void setGrid_data()
    {
        QTest::addColumn<GridRow>("r");
        QTest::newRow("-9..9") << GridRow{"OptOne", "-9", "9", {}, 100, 9100};
        QTest::newRow("0.125..0.375, halves to even") << GridRow{"OptOne", "0.125", "0.375", {}, 4662, 4788};
        QTest::newRow("one column") << GridRow{"OptOne", "2", "2", {}, 5600, 5600};
        QTest::newRow("0.001..0.0005, the same column") << GridRow{"OptOne", "0.001", "0.0005", {}, 4600, 4600};
        QTest::newRow("half, -4.5..4.5") << GridRow{"OptHalf", "", "", {}, 100, 9100};
        QTest::newRow("four, 36") << GridRow{"OptFour", "0", "36", {}, 4600, 9100};
        QTest::newRow("start -9.01") << GridRow{"OptOne", "-9.01", "9", {"Inavlid range"}, 0, 0};
        QTest::newRow("end 4.6 at half") << GridRow{"OptHalf", "0", "4.6", {"Inavlid range"}, 0, 0};
        QTest::newRow("start -37 at four") << GridRow{"OptFour", "-37", "40", {"Inavlid range"}, 0, 0};
        QTest::newRow("18..-18 at two") << GridRow{"OptTwo", "18", "-18", {Order}, 0, 0};
    }
    void setGrid()
    {
        QFETCH(GridRow, r);
        drive::setGrid(frm, r.option, r.start, r.end);
        QCOMPARE(dialogs.messages, r.messages);
        const bool accepted = r.firstColumn != 0;
        QCOMPARE(frm->FrameEquation->isVisible(), accepted);
        QCOMPARE(frm->state.GridDrawn, accepted);
        if (accepted)
            QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), QList<int>({r.firstColumn, r.lastColumn}));
        else
            QVERIFY(!frm->CmdGrid->isEnabled());
    }

    void wrongOrderEmptiesTheBoxes()
    {
        drive::setGrid(frm, "OptOne", "3", "1");
        QCOMPARE(frm->TxtStartX->text() + '|' + frm->TxtEndX->text(), "|");
        QVERIFY(frm->state.GridSet);
        QVERIFY(frm->FrameSettings->isVisible());
    }

    void decimalCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        drive::click(frm->OptHalf);
        QCOMPARE(frm->TxtStartX->text() + ' ' + frm->TxtEndX->text(), "-4,5 4,5");
        drive::click(frm->CmdGrid);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), QList<int>({100, 9100}));
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
