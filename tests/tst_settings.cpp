// The grid settings: the domain boxes, Set Grid, the ways back to the settings and the pointer read-out.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

class TstSettings : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;

    static QString checkedOption(FrmMain *m)
    {
        for (QRadioButton *o : m->scaleOptions())
            if (o->isChecked())
                return o->objectName();
        return {};
    }

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        dialogs.messages.clear();
    }
    void cleanup() { windows().destroyAll(); }

    void domainTyping_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("setGrid");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a sign first") << "type TxtStartX -" << "-" << "9" << false << QStringList();
        QTest::newRow("then its digit") << "type TxtStartX -5" << "-5" << "9" << true << QStringList();
        QTest::newRow("emptied") << "type TxtEndX " << "-9" << "" << false << QStringList();
        QTest::newRow("no number at the start") << "type TxtStartX 5x" << "" << "9" << false
                                                << QStringList{"The Starting Xvalue is not a number."};
        QTest::newRow("no number at the end") << "type TxtEndX 5x" << "-9" << "0" << true
                                              << QStringList{"The Ending Xvalue is not a number."};
        QTest::newRow("a scale replaces the texts") << "type TxtStartX 2; type TxtEndX 3; click OptFour" << "-36" << "36"
                                                    << true << QStringList();
    }
    // The domain is checked as it is typed; Set Grid is open only for two numbers.
    void domainTyping()
    {
        QFETCH(QString, script);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, setGrid);
        QFETCH(QStringList, messages);
        DRIVE(script);
        QCOMPARE(frm->TxtStartX->text(), start);
        QCOMPARE(frm->TxtEndX->text(), end);
        QCOMPARE(frm->CmdGrid->isEnabled(), setGrid);
        QCOMPARE(dialogs.messages, messages);
    }

    void setGrid_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("defaults") << "" << "" << 100 << 9100 << true;
        QTest::newRow("half a unit") << "click OptHalf" << "" << 100 << 9100 << true;
        QTest::newRow("four units, 0.5 to 1.5") << "click OptFour; type TxtStartX 0.5; type TxtEndX 1.5" << "" << 4662 << 4788 << true;
        QTest::newRow("one column") << "type TxtStartX 2; type TxtEndX 2" << "" << 5600 << 5600 << true;
        QTest::newRow("equal after rounding") << "type TxtStartX 0.001; type TxtEndX 0.0005" << "" << 4600 << 4600 << true;
        QTest::newRow("start beyond") << "type TxtStartX -9.01" << "Inavlid range" << 0 << 0 << false;
        QTest::newRow("end beyond") << "type TxtEndX 9.5" << "Inavlid range" << 0 << 0 << false;
        QTest::newRow("half, end beyond") << "click OptHalf; type TxtEndX 5" << "Inavlid range" << 0 << 0 << false;
        QTest::newRow("end before start") << "type TxtStartX 3; type TxtEndX 1"
                                          << "The ending value must be greater than the starting value." << 6100 << 5100 << false;
    }
    // Set Grid checks the domain against the scale and fixes its columns.
    void setGrid()
    {
        QFETCH(QString, script);
        QFETCH(QString, message);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, accepted);
        DRIVE(script + "; click CmdGrid");
        QCOMPARE(dialogs.messages.value(0), message);
        QCOMPARE(frm->FrameEquation->isVisible(), accepted);
        QCOMPARE(frm->CmdGrid->isEnabled(), false);
        // The order check keeps the rejected columns; the range check writes none.
        QCOMPARE(QList<int>({frm->plot.FirstColumn, frm->plot.LastColumn}), QList<int>({first, last}));
        if (message.startsWith("The ending"))
            QCOMPARE(frm->TxtStartX->text() + frm->TxtEndX->text(), QString());
    }

    // Where the decimal separator is a comma, the scale's defaults are written with it and accepted.
    void decimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        DRIVE("click OptHalf; click CmdGrid");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(frm->TxtStartX->text() + ' ' + frm->TxtEndX->text(), "-4,5 4,5");
        QCOMPARE(dialogs.messages, QStringList());
    }

    void backToTheSettings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("scale"); // the curve window's scale line
        QTest::addColumn<bool>("focused");   // OptOne has the keyboard focus, in the active main window
        const QString accept = "Enter the settings of the grid or accept the default values and click Set grid.";
        const QString choose = "Enter the settings of the grid or choose the default values and click Set grid.";
        QTest::newRow("Reset Zeltaplot") << "click Cmd" << "OptOne" << choose << "Scale: One big box represents one unit on each axis" << true;
        QTest::newRow("New Curve") << "menu mnuNew" << "OptOne" << accept << "Scale: One big box represents one unit on each axis" << true;
        QTest::newRow("curve window closed") << "close frmCurve" << "OptFour" << choose
                                             << "Scale: One big square on each axis represents one units." << false;
    }
    // After a sketch at four units a box, each way back offers the settings with -9 to 9 and a clean surface.
    void backToTheSettings()
    {
        QFETCH(QString, how);
        QFETCH(QString, option);
        QFETCH(QString, instruction);
        QFETCH(QString, scale);
        QFETCH(bool, focused);
        DRIVE("click OptFour; click CmdGrid; type TxtCoeff 1; click CmdContin; click CmdXFive; click cmdSketch;" + how);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frm->FrameSettings->isVisible() && frm->CmdGrid->isEnabled() && !frm->CmdXFive->isEnabled());
        QCOMPARE(checkedOption(frm), option);
        if (focused)
            QTRY_COMPARE(QApplication::focusWidget(), frm->OptOne);
        QCOMPARE(frm->TxtStartX->text() + ' ' + frm->TxtEndX->text() + ' ' + frm->TxtEquation->text(), "-9 9 ");
        QCOMPARE(frm->lblDes->text(), instruction);
        QVERIFY(!frm->state.GridDrawn && frm->state.TermIndex == 0);
        QCOMPARE(windows().frmCurve()->LblScale->text(), scale);
        QCOMPARE(windows().frmCurve()->PicCurve->Image().convertToFormat(QImage::Format_Indexed8).colorTable(), {0xffffffff});
    }

    void readout_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QPointF>("at"); // twips
        QTest::addColumn<QString>("text");
        QTest::newRow("one unit") << "OptOne" << QPointF(4850, 3150) << "0.5,0.5";
        QTest::newRow("origin") << "OptOne" << QPointF(4600, 3400) << "0,0";
        QTest::newRow("half, top left") << "OptHalf" << QPointF(0, 0) << "-4.6,3.4";
        QTest::newRow("half, one pixel in") << "OptHalf" << QPointF(15, 15) << "-4.585,3.385";
        QTest::newRow("two units") << "OptTwo" << QPointF(4850, 3900) << "1,-2";
        QTest::newRow("four units") << "OptFour" << QPointF(4845, 3150) << "1.96,2";
    }
    // The pointer's place in plot units, in the surface's tip.
    void readout()
    {
        QFETCH(QString, option);
        QFETCH(QPointF, at);
        QFETCH(QString, text);
        DRIVE("click " + option);
        FrmCurve *curve = windows().frmCurve();
        curve->show();
        // The pointer moves by whole pixels of 15 twips; other places go to the handler itself.
        const QPoint pixel(int(at.x() / 15), int(at.y() / 15));
        if (int(at.x()) % 15 == 0 && int(at.y()) % 15 == 0 && !pixel.isNull())
            QTest::mouseMove(curve->PicCurve, pixel);
        else
            curve->PicCurve_MouseMove(float(at.x()), float(at.y()));
        QTRY_COMPARE(curve->PicCurve->toolTip(), text);
    }

};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
