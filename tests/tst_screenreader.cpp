// What reaches a screen reader through Qt's accessibility bridge (run with an accessibility bus):
// the names of windows, controls and menu items, the graph's description, the instruction line
// as it changes, and a focus that goes straight to the next step.
#include "drive.h"
#include "plot/imagesurface.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

using namespace zelta;

namespace {
// What the instruction line announced (the text of each notification shown), and where the focus went.
QStringList announced, focused;
void record(QAccessibleEvent *event)
{
    QAccessibleInterface *a = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && a && a->role() == QAccessible::Notification)
        announced << a->text(QAccessible::Name);
    if (event->type() == QAccessible::Focus && a)
        focused << a->text(QAccessible::Name);
}
// A control or window by its name; a menu item as its menu's child.
QAccessibleInterface *spoken(const QString &name)
{
    QObject *o = drive::find(name);
    auto *item = qobject_cast<QAction *>(o);
    auto *menu = item ? qobject_cast<QMenu *>(item->parent()) : nullptr;
    return menu ? QAccessible::queryAccessibleInterface(menu)->child(int(menu->actions().indexOf(item)))
                : QAccessible::queryAccessibleInterface(o);
}
} // namespace

class TstScreenReader : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;

private slots:
    void initTestCase()
    {
        // The bridge comes up once it has found the accessibility bus.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QAccessible::installUpdateHandler(record);
    }
    void init()
    {
        if (QTest::currentTestFunction() == QLatin1String("startUpSplash"))
            return; // it starts the program itself
        windows().frmSplash(); // loads the main and curve windows too
        windows().frmMain()->show();
        windows().frmMain()->activateWindow(); // no window manager does it here
        QVERIFY(QTest::qWaitForWindowActive(windows().frmMain()));
    }
    void cleanup() { windows().destroyAll(); }

    // First, before anything else has been spoken: the splash at start-up is a named window, as About's is.
    void startUpSplash()
    {
        FrmSplash *splash = windows().startUp();
        QTRY_VERIFY(windows().curveLoaded()); // after its first paint
        QCOMPARE(int(QAccessible::queryAccessibleInterface(splash)->role()), int(QAccessible::Window));
        QCOMPARE(QAccessible::queryAccessibleInterface(splash)->text(QAccessible::Name), "Tavrin Zeltaplot");
    }

    void name_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("splash") << "frmSplash" << int(QAccessible::Window) << "Tavrin Zeltaplot";
        QTest::newRow("curve window") << "frmCurve" << int(QAccessible::Window) << "Curve";
        QTest::newRow("-") << "CmdMinus" << int(QAccessible::Button) << "minus";
        QTest::newRow("x^2") << "CmdXSquare" << int(QAccessible::Button) << "x squared";
        QTest::newRow("a^x") << "CmdAX" << int(QAccessible::Button) << "a to the power x";
        QTest::newRow("start box") << "TxtStartX" << int(QAccessible::EditableText) << "Starting X value";
        QTest::newRow("graph") << "PicCurve" << int(QAccessible::Graphic) << "Graph";
        QTest::newRow("y=x^2") << "mnuCurve02" << int(QAccessible::MenuItem) << "y equals x squared";
        QTest::newRow("y=sin x") << "mnuCurve04" << int(QAccessible::MenuItem) << "y equals sine x";
    }
    // Windows are windows with names, symbols and boxes are spoken in words.
    void name()
    {
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QCOMPARE(int(spoken(object)->role()), role);
        QCOMPARE(spoken(object)->text(QAccessible::Name), name);
    }

    // A menu item keeps its access key and is chosen by the reader's press.
    void menuItemPressed()
    {
        QAccessibleInterface *item = spoken("mnuCurve03");
        QCOMPARE(item->text(QAccessible::Accelerator), "Alt+y");
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(int(windows().frmMain()->state.CurveCount), 1);
    }

    // The splash says what it shows and how to go on, without a caption on screen; the graph tells
    // its scale and the curves on it, until they are cleared.
    void description()
    {
        QCOMPARE(spoken("frmSplash")->text(QAccessible::Description),
                 "Version 2.0.0. This program lets you draw simple curves of the form y=f(x) and use them as "
                 "bitmaps. Click or press a key to continue.");
        const QString scale = "Scale: One big box represents one unit on each axis. ";
        QCOMPARE(spoken("PicCurve")->text(QAccessible::Description), scale + "No curves drawn.");
        DRIVE("click CmdGrid; menu mnuCurve04; type TxtCoeff 2; click CmdContin; click CmdXSquare; click cmdSketch");
        QCOMPARE(spoken("PicCurve")->text(QAccessible::Description), scale + "Curves: y=sin x; y= (2) x^2.");
        DRIVE("menu mnuNew");
        QCOMPARE(spoken("PicCurve")->text(QAccessible::Description), scale + "No curves drawn.");
    }

    void instructionAnnounced_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("said");
        const QString grid = "Now enter the coefficient of the first term.";
        QTest::newRow("first term") << "click CmdGrid; type TxtCoeff 25; click CmdContin; click CmdXSquare; click CmdPlus"
                                    << QStringList{grid, " Click continue when done.", "Now select appropriate term.",
                                                   "Click + or - or sketch curve as appropriate", "Enter the next coefficient "};
        QTest::newRow("New Curve") << "click CmdGrid; menu mnuNew"
                                   << QStringList{grid, "Enter the settings of the grid or accept the default values and click Set grid."};
        QTest::newRow("Reset Zeltaplot") << "click CmdGrid; menu mnuCurve04; click Cmd"
                                         << QStringList{grid, "Enter the settings of the grid or choose the default values and click Set grid."};
    }
    // Every new caption of the instruction line is shown anew as a notification; a repeat is not.
    void instructionAnnounced()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, said);
        announced.clear();
        DRIVE(script);
        QCOMPARE(announced, said);
    }

    void focusGoesStraightOn_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QStringList>("said");
        const QString coefficient = "click CmdGrid; type TxtCoeff 2;";
        QTest::newRow("Set Grid") << "" << "CmdGrid" << QStringList{"Coefficient"};
        QTest::newRow("Continue") << coefficient << "CmdContin" << QStringList{"x"};
        QTest::newRow("a term") << coefficient + "click CmdContin" << "CmdXSquare" << QStringList{"plus"};
        QTest::newRow("plus") << coefficient + "click CmdContin; click CmdXSquare" << "CmdPlus" << QStringList{"Coefficient"};
    }
    // Enter on a button moves the focus to the next step's control alone, not through the controls
    // the step disables, each of which a screen reader would name.
    void focusGoesStraightOn()
    {
        QFETCH(QString, script);
        QFETCH(QString, pressed);
        QFETCH(QStringList, said);
        DRIVE(script);
        qobject_cast<QWidget *>(drive::find(pressed))->setFocus();
        focused.clear();
        DRIVE("key " + pressed + " Return");
        QCOMPARE(focused, said);
    }
};

QTEST_MAIN(TstScreenReader)
#include "tst_screenreader.moc"
