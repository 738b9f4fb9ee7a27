// The main window as the user meets it: every control's text and place, the menus, the tab order,
// and the equation box that only the program writes.
#include "drive.h"
#include "platform/twips.h"
#include "scripteddialogs.h"
#include "windows/windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace zelta;

struct Control {
    QString name, text;
    int left, top, width, height; // twips, in the control's panel
};
Q_DECLARE_METATYPE(Control)

static QString textOf(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    return qobject_cast<QLineEdit *>(w)->text();
}

class TstMainWindow : public QObject {
    Q_OBJECT
    FrmMain *frm = nullptr;
    ScriptedDialogs dialogs;

    QWidget *focused() const { return QApplication::focusWidget(); }
    // The focus after each press of the key, starting from `from`.
    QStringList walk(QWidget *from, Qt::Key key, int steps)
    {
        from->setFocus();
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(focused(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            names << focused()->objectName();
        }
        return names;
    }

private slots:
    void init()
    {
        frm = windows().frmMain();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm));
    }
    void cleanup() { windows().destroyAll(); }

    void designedControl_data()
    {
        QTest::addColumn<Control>("c");
        const QList<Control> controls{
            {"FrameSettings", "Grid Settings ", 120, 120, 5775, 3135},
            {"OptHalf", "One big square represents half a unit in each axis", 120, 2085, 4215, 255},
            {"OptOne", "One big square represents one unit on each axis", 120, 1710, 4215, 255},
            {"OptTwo", "One big square represents two units on each axis", 120, 1335, 4215, 255},
            {"OptFour", "One big square represents four units on each axis", 120, 960, 4215, 255},
            {"CmdGrid", "Set Grid", 240, 2640, 5295, 375},
            {"TxtEndX", "9", 1320, 600, 1095, 285},
            {"TxtStartX", "-9", 1320, 240, 1095, 285},
            {"LblInGrid", "The starting and ending X values can have values in the range -9 to 9", 120, 2400, 5415, 255},
            {"LblEndX", "Ending X value", 120, 600, 1095, 375},
            {"LblStartX", "Starting X value", 120, 240, 1215, 375},
            {"FrameEquation", "Equation ", 120, 120, 5775, 3135},
            {"cmdTanAX", "tan ax", 2040, 2040, 855, 375},
            {"cmdSinAX", "sin ax", 120, 2040, 855, 375},
            {"cmdCosAX", "cos ax", 1080, 2040, 855, 375},
            {"cmdSketch", "Sketch Curve", 120, 2520, 5535, 375},
            {"CmdContin", "Continue", 4800, 2040, 855, 375},
            {"TxtCoeff", "", 3960, 2040, 855, 375},
            {"CmdMinus", "-", 4920, 1080, 735, 375},
            {"CmdPlus", "+", 4920, 1560, 735, 375},
            {"CmdAX", "a^x", 3960, 1560, 855, 375},
            {"Cmdlog", "log x", 3000, 1560, 855, 375},
            {"Cmdtan", "tan x", 2040, 1560, 855, 375},
            {"Cmdcos", "cos x", 1080, 1560, 855, 375},
            {"Cmdsin", "sin x", 120, 1560, 855, 375},
            {"CmdXY", "x^a", 3960, 1080, 855, 375},
            {"CmdXFive", "x", 120, 1080, 855, 375},
            {"CmdXFour", "1/x", 3000, 1080, 855, 375},
            {"CmdXCube", "x^3", 2040, 1080, 855, 375},
            {"CmdXSquare", "x^2", 1080, 1080, 855, 375},
            {"TxtEquation", "", 480, 600, 5055, 375},
            {"LblCoefficient", "Coefficient", 3120, 2160, 735, 255},
            {"LblEnter", "Enter the equation below in the form y=f(x) using the options provided:", 240, 240, 5175, 255},
            {"LblEquation", "y=", 240, 600, 255, 375},
            {"lblDes", "Enter the settings of the grid or accept the default values and click Set grid.", 120, 3360, 5775,
             255},
        };
        for (const Control &c : controls)
            QTest::newRow(qPrintable(c.name)) << c;
    }
    // Each control's text after loading, and its place, to the twip's pixel.
    void designedControl()
    {
        QFETCH(Control, c);
        auto *w = frm->findChild<QWidget *>(c.name);
        QVERIFY(w);
        QCOMPARE(textOf(w), c.text);
        QCOMPARE(w->geometry(), twipsRect(c.left, c.top, c.width, c.height));
    }

    void menuItem_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items"); // the menu's caption, then its items in order
        QTest::newRow("File") << "mnuFile" << QStringList{"&File", "&New Curve", "&Exit"};
        QTest::newRow("General Curves") << "mnuGeneral"
                                        << QStringList{"&General Curves", "&y=x", "&y=x^2", "&y=x^3", "&y=1/x",
                                                       "&y=1/(x^2)", "&y=sin x", "&y=cos x", "&y=tan x", "&y=log x"};
        QTest::newRow("Help") << "mnuHelp" << QStringList{"&Help", "&How to...", "&About..."};
    }
    void menuItem()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        auto *m = frm->findChild<QMenu *>(menu);
        QStringList captions{m->title()};
        for (QAction *a : m->actions())
            captions << a->text();
        QCOMPARE(captions, items);
        for (QAction *a : m->actions())
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
    }

    void windowIsFixed()
    {
        QCOMPARE(frm->windowTitle(), "Zeltaplot");
        QCOMPARE(frm->centralWidget()->size(), QSize(401, 248)); // 6015 x 3720 twips
        QCOMPARE(frm->minimumSize(), frm->maximumSize());
    }

    void tabOrderOfTheSettings_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("focus");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << QStringList{"TxtEndX", "CmdGrid", "OptOne", "TxtStartX"};
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << QStringList{"OptOne", "CmdGrid", "TxtEndX", "TxtStartX"};
    }
    // The option group is one stop, at the selected option, whichever way it is entered.
    void tabOrderOfTheSettings()
    {
        QFETCH(int, key);
        QFETCH(QStringList, focus);
        QCOMPARE(walk(frm->TxtStartX, Qt::Key(key), 4), focus);
        drive::click(frm->OptTwo); // the mouse moves the group's stop
        focus.replaceInStrings("OptOne", "OptTwo");
        QCOMPARE(walk(frm->TxtStartX, Qt::Key(key), 4), focus);
        QCOMPARE(walk(frm->TxtStartX, Qt::Key(key), 4), focus);
    }

    void tabOrderOfTheEquation_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("focus"); // Tab from the equation box round to it
        QTest::newRow("choosing a term")
            << "continued"
            << QStringList{"CmdXSquare", "CmdXCube", "CmdXFour", "CmdXFive", "CmdXY",    "Cmdsin",   "Cmdcos",
                           "Cmdtan",     "Cmdlog",   "CmdAX",    "cmdCosAX", "cmdSinAX", "cmdTanAX", "TxtEquation"};
        QTest::newRow("after a term") << "term"
                                      << QStringList{"CmdPlus", "CmdMinus", "cmdSketch", "TxtEquation"};
        QTest::newRow("after a sign") << "sign" << QStringList{"TxtCoeff", "CmdContin", "TxtEquation"};
    }
    void tabOrderOfTheEquation()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, focus);
        drive::setGrid(frm);
        drive::type(frm->TxtCoeff, "2");
        drive::click(frm->CmdContin);
        if (state != "continued")
            drive::click(frm->CmdXSquare);
        if (state == "sign")
            drive::click(frm->CmdPlus);
        QCOMPARE(walk(frm->TxtEquation, Qt::Key_Tab, int(focus.size())), focus);
        QStringList back(focus.rbegin() + 1, focus.rend());
        back << "TxtEquation";
        QCOMPARE(walk(frm->TxtEquation, Qt::Key_Backtab, int(back.size())), back);
    }

    void equationBoxRefusesEdits_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("a letter") << QKeySequence(Qt::Key_A);
        QTest::newRow("Backspace") << QKeySequence(Qt::Key_Backspace);
        QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete);
        QTest::newRow("Enter") << QKeySequence(Qt::Key_Return);
        QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V);
        QTest::newRow("Shift+Insert") << QKeySequence(Qt::SHIFT | Qt::Key_Insert);
        QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X);
        QTest::newRow("Ctrl+Z") << QKeySequence(Qt::CTRL | Qt::Key_Z);
    }
    // Only the program writes the equation, which is the curve's label.
    void equationBoxRefusesEdits()
    {
        QFETCH(QKeySequence, keys);
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "CmdXSquare");
        QGuiApplication::clipboard()->setText("9");
        frm->TxtEquation->setFocus();
        QTest::keyClick(frm->TxtEquation, Qt::Key_Home);
        QTest::keyClick(frm->TxtEquation, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keySequence(frm->TxtEquation, keys);
        QCOMPARE(frm->TxtEquation->text(), " (2) x^2");
    }

    void equationBoxMenuOnlyCopies()
    {
        QGuiApplication::clipboard()->setText("9");
        frm->TxtEquation->setText(" (2) x^2");
        frm->TxtEquation->setSelection(1, 3);
        const std::unique_ptr<QMenu> menu(frm->TxtEquation->createStandardContextMenu());
        QStringList enabled;
        for (QAction *a : menu->actions())
            if (a->isEnabled() && !a->isSeparator())
                enabled << a->text().remove('&').section('\t', 0, 0);
        QCOMPARE(enabled, (QStringList{"Copy", "Select All"}));
    }

    void equationBoxSelectsAndCopies()
    {
        drive::setGrid(frm);
        drive::addTerm(frm, "2", "CmdXSquare");
        frm->TxtEquation->setFocus();
        QTest::keyClick(frm->TxtEquation, Qt::Key_End);
        QTest::keyClick(frm->TxtEquation, Qt::Key_Left);
        QTest::keyClick(frm->TxtEquation, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(frm->TxtEquation, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(frm->TxtEquation->selectedText(), "x^");
        QTest::keySequence(frm->TxtEquation, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "x^");
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
