// What a screen reader and a keyboard user get: spoken names, the graph's description, keys of habit.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;

static QString spoken(QObject *o, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QString();
}

class TstAccess : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;

    static void run(const QString &script)
    {
        const QString failed = drive::run(script);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }

private slots:
    void init() { windows().frmMain()->show(); }
    void cleanup() { windows().destroyAll(); }

    void spokenName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("-") << "CmdMinus" << "minus";
        QTest::newRow("+") << "CmdPlus" << "plus";
        QTest::newRow("x^2") << "CmdXSquare" << "x squared";
        QTest::newRow("1/x") << "CmdXFour" << "one over x";
        QTest::newRow("x^a") << "CmdXY" << "x to the power a";
        QTest::newRow("a^x") << "CmdAX" << "a to the power x";
        QTest::newRow("tan ax") << "cmdTanAX" << "tangent a x";
        QTest::newRow("start box") << "TxtStartX" << "Starting X value";
        QTest::newRow("equation box") << "TxtEquation" << "Equation";
        QTest::newRow("coefficient box") << "TxtCoeff" << "Coefficient";
        QTest::newRow("graph") << "PicCurve" << "Graph";
    }
    // Symbols and boxes are spoken in words.
    void spokenName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(spoken(drive::find(control)), name);
    }

    // The graph tells its scale and the curves drawn on it, until they are cleared.
    void graphDescription()
    {
        ImageSurface *surface = windows().frmCurve()->PicCurve;
        const QString scale = "Scale: One big box represents one unit on each axis. ";
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "No curves drawn.");
        run("click CmdGrid; menu mnuCurve04; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch");
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "Curves: y=sin x; y= (2) x^2.");
        run("menu mnuNew");
        QCOMPARE(spoken(surface, QAccessible::Description), scale + "No curves drawn.");
    }

    void keyOfHabit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("item");
        QTest::newRow("F1 asks for help") << "frmMain" << "F1" << "mnuHowTo";
        QTest::newRow("F1 in the curve window") << "frmCurve" << "F1" << "mnuHowTo";
        QTest::newRow("Ctrl+Q ends") << "frmMain" << "Ctrl+Q" << "mnuExit";
    }
    // Keys kept off the menus so their captions stay as designed.
    void keyOfHabit()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        QFETCH(QString, item);
        int quits = 0;
        windows().quit = [&quits] { ++quits; };
        run("menu mnuCur01");
        auto *w = qobject_cast<QWidget *>(drive::find(window));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QSignalSpy chosen(qobject_cast<QAction *>(drive::find(item)), &QAction::triggered);
        run("key " + window + ' ' + key);
        QCOMPARE(chosen.size(), 1);
    }

    // Ctrl+C and Ctrl+S in the curve window copy and save the picture.
    void curveWindowKeys()
    {
        run("menu mnuCur01");
        FrmCurve *curve = windows().frmCurve();
        QVERIFY(QTest::qWaitForWindowActive(curve));
        QGuiApplication::clipboard()->clear();
        run("key frmCurve Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->image(), curve->PicCurve->Image());
        QTemporaryDir dir;
        dialogs.saveNames << dir.filePath("keys.bmp");
        run("key frmCurve Ctrl+S");
        QCOMPARE(QImage(dir.filePath("keys.bmp")), curve->PicCurve->Image());
    }
};

QTEST_MAIN(TstAccess)
#include "tst_access.moc"
