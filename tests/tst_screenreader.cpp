// What reaches a screen reader through Qt's accessibility bridge (run with an accessibility bus):
// the windows' names, the instruction line as it changes, the General Curves items in words.
#include "drive.h"
#include "windows/main/frmmain.h"
#include "scripteddialogs.h"
#include "windows/curve/frmcurve.h"
#include "windows/help/frmhelp.h"
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

QAccessibleInterface *spoken(QObject *o) { return QAccessible::queryAccessibleInterface(o); }

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
    void cleanup() { windows().destroyAll(); }

    void windowsAreNamedWindows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("splash") << "frmSplash" << "Tavrin Zeltaplot";
        QTest::newRow("main") << "frmMain" << "Zeltaplot";
        QTest::newRow("curve") << "frmCurve" << "Curve";
        QTest::newRow("help") << "frmHelp" << "Help";
    }
    void windowsAreNamedWindows()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget *w = window == "frmSplash"  ? static_cast<QWidget *>(windows().frmSplash())
                     : window == "frmMain"  ? static_cast<QWidget *>(windows().frmMain())
                     : window == "frmCurve" ? static_cast<QWidget *>(windows().frmCurve())
                                            : static_cast<QWidget *>(windows().frmHelp());
        QCOMPARE(spoken(w)->role(), QAccessible::Window);
        QCOMPARE(spoken(w)->text(QAccessible::Name), name);
    }

    // The splash says what it shows and how to go on, without a caption on screen.
    void splashDescribed()
    {
        FrmSplash *splash = windows().frmSplash();
        QVERIFY(splash->windowTitle().isEmpty());
        QCOMPARE(spoken(splash)->text(QAccessible::Description),
                 "Version 2.0.0. This program lets you draw simple curves of the form y=f(x) and use them as "
                 "bitmaps. Click or press a key to continue.");
    }

    void instructionAnnounced_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("first term")
            << "grid,2,5,continue,x^2,+"
            << QStringList{"Now enter the coefficient of the first term.", " Click continue when done.",
                           "Now select appropriate term.", "Click + or - or sketch curve as appropriate",
                           "Enter the next coefficient "};
        QTest::newRow("New Curve") << "grid,new"
                                   << QStringList{"Now enter the coefficient of the first term.",
                                                  "Enter the settings of the grid or accept the default values and "
                                                  "click Set grid."};
        QTest::newRow("Reset Zeltaplot") << "grid,preset,reset"
                                         << QStringList{"Now enter the coefficient of the first term.",
                                                        "Enter the settings of the grid or choose the default values "
                                                        "and click Set grid."};
    }
    // Every new caption of the instruction line is shown anew as a notification; a repeat is not.
    void instructionAnnounced()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, said);
        FrmMain *main = windows().frmMain();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        announced.clear();
        for (const QString &step : steps.split(',')) {
            if (step == "grid")
                DRIVE("click CmdGrid");
            else if (step.size() == 1 && step[0].isDigit())
                QTest::keyClicks(main->TxtCoeff, step);
            else if (step == "continue")
                DRIVE("click CmdContin");
            else if (step == "x^2")
                DRIVE("click CmdXSquare");
            else if (step == "+")
                DRIVE("click CmdPlus");
            else if (step == "new")
                main->mnuNew->trigger();
            else if (step == "preset")
                main->mnuCurve04->trigger();
            else if (step == "reset")
                DRIVE("click Cmd");
        }
        QCOMPARE(announced, said);
        for (const QString &text : said)
            QVERIFY(!text.isEmpty());
        QCOMPARE(spoken(main->lblDes)->text(QAccessible::Name), main->lblDes->text());
    }

    void focusGoesStraightOn_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("Set Grid") << "" << "CmdGrid" << QStringList{"Coefficient"};
        QTest::newRow("Continue") << "grid,coefficient" << "CmdContin" << QStringList{"x"};
        QTest::newRow("a term") << "grid,coefficient,continue" << "CmdXSquare" << QStringList{"plus"};
        QTest::newRow("plus") << "grid,coefficient,continue,term" << "CmdPlus" << QStringList{"Coefficient"};
    }
    // Enter on a button moves the focus to the next step's control alone, not through the controls
    // the step disables, each of which a screen reader would name.
    void focusGoesStraightOn()
    {
        QFETCH(QString, before);
        QFETCH(QString, pressed);
        QFETCH(QStringList, said);
        FrmMain *main = windows().frmMain();
        main->show();
        main->activateWindow(); // no window manager does it here
        QVERIFY(QTest::qWaitForWindowActive(main));
        if (before.contains("grid"))
            DRIVE("click CmdGrid");
        if (before.contains("coefficient"))
            QTest::keyClicks(main->TxtCoeff, "2");
        if (before.contains("continue"))
            DRIVE("click CmdContin");
        if (before.contains("term"))
            DRIVE("click CmdXSquare");
        QPushButton *button = qobject_cast<QPushButton *>(drive::find(pressed));
        button->setFocus();
        focused.clear();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(focused, said);
    }

    void generalCurvesInWords_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("said");
        QTest::newRow("y=x") << 0 << "y equals x";
        QTest::newRow("y=x^2") << 1 << "y equals x squared";
        QTest::newRow("y=x^3") << 2 << "y equals x cubed";
        QTest::newRow("y=1/x") << 3 << "y equals one over x";
        QTest::newRow("y=1/(x^2)") << 4 << "y equals one over x squared";
        QTest::newRow("y=sin x") << 5 << "y equals sine x";
        QTest::newRow("y=cos x") << 6 << "y equals cosine x";
        QTest::newRow("y=tan x") << 7 << "y equals tangent x";
        QTest::newRow("y=log x") << 8 << "y equals natural log x";
    }
    // In the words of the term buttons; the access key and pressing stay the item's.
    void generalCurvesInWords()
    {
        QFETCH(int, item);
        QFETCH(QString, said);
        FrmMain *main = windows().frmMain();
        main->show();
        QAccessibleInterface *menu = spoken(main->mnuGeneral);
        QCOMPARE(menu->childCount(), 9);
        QAccessibleInterface *entry = menu->child(item);
        QCOMPARE(entry->role(), QAccessible::MenuItem);
        QCOMPARE(entry->text(QAccessible::Name), said);
        QCOMPARE(entry->text(QAccessible::Accelerator), "Alt+y");
        QCOMPARE(entry->text(QAccessible::Description), QString()); // nothing more to be read out
        QVERIFY(entry->state().focusable);
        QCOMPARE(entry->parent()->object(), main->mnuGeneral);
        // Open, the menu shows where the item is and which one the keyboard is on.
        main->mnuGeneral->popup(main->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(main->mnuGeneral));
        main->mnuGeneral->setActiveAction(main->mnuGeneral->actions().at(item));
        QVERIFY(main->mnuGeneral->geometry().contains(entry->rect()) && !entry->rect().isEmpty());
        QVERIFY(entry->state().focused && !menu->child((item + 1) % 9)->state().focused);
        main->mnuGeneral->close();
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(int(main->state.CurveCount), 1);
    }
};

QTEST_MAIN(TstScreenReader)
#include "tst_screenreader.moc"
