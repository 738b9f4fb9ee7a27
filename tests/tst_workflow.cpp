// The main window as a whole: its layout and menus, the states of the workflow, and what
// New Curve and the curve window's reset button leave behind.
#include "scripteddialogs.h"

#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

using namespace zelta;

namespace {

const QString AcceptPrompt =
    QStringLiteral("Enter the settings of the grid or accept the default values and click Set grid.");
const QString ChoosePrompt =
    QStringLiteral("Enter the settings of the grid or choose the default values and click Set grid.");

enum Step { Loaded, GridSet, NewCurve, Reset };

void choose(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QVERIFY(option->isChecked());
}

QRgb pixelAt(const QImage &image, int column, int row) { return image.pixel(column / 15, row / 15); }

QString captionOf(const QWidget *w)
{
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return qobject_cast<const QLineEdit *>(w)->text();
}

} // namespace

class TestWorkflow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { windows().destroyAll(); }
    void states_data();
    void states();
    void tabOrder();
    void window();
    void layout_data();
    void layout();
    void menus_data();
    void menus();
    void startOver_data();
    void startOver();

private:
    // Half-unit scale, Set Grid, coefficient 2, Continue, x^2: every stage has left its mark.
    void buildEquation();
    void restart(bool viaReset);

    ScriptedDialogs dialogs;
    FrmMain *frm = nullptr;
};

void TestWorkflow::init()
{
    windows().destroyAll();
    dialogs.messages.clear();
    frm = windows().frmMain();
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
}

void TestWorkflow::buildEquation()
{
    choose(frm->OptHalf);
    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
    QVERIFY(frm->FrameEquation->isVisible());
    QTest::keyClicks(frm->TxtCoeff, QStringLiteral("2"));
    QTest::mouseClick(frm->CmdContin, Qt::LeftButton);
    QTest::mouseClick(frm->CmdXSquare, Qt::LeftButton);
    QVERIFY(frm->CmdPlus->isEnabled());
    QVERIFY(dialogs.messages.isEmpty());
}

void TestWorkflow::restart(bool viaReset)
{
    if (viaReset)
        QTest::mouseClick(windows().frmCurve()->Cmd, Qt::LeftButton);
    else
        frm->mnuNew->trigger();
}

void TestWorkflow::states_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("settingsShown");
    QTest::addColumn<bool>("settings");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("coeff");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("loaded") << int{Loaded} << true << true << true << true << AcceptPrompt;
    QTest::newRow("grid set") << int{GridSet} << false << false << false << true
                              << "Now enter the coefficient of the first term.";
    // New Curve leaves the coefficient box as Continue left it.
    QTest::newRow("new curve") << int{NewCurve} << true << true << true << false << AcceptPrompt;
    QTest::newRow("reset") << int{Reset} << true << true << true << true << ChoosePrompt;
}

void TestWorkflow::states()
{
    QFETCH(int, step);
    QFETCH(bool, settingsShown);
    QFETCH(bool, settings);
    QFETCH(bool, grid);
    QFETCH(bool, coeff);
    QFETCH(QString, prompt);

    if (step == GridSet)
        QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
    if (step == NewCurve || step == Reset) {
        buildEquation();
        restart(step == Reset);
    }

    QCOMPARE(frm->FrameSettings->isVisible(), settingsShown);
    QCOMPARE(frm->FrameEquation->isVisible(), !settingsShown);
    QVERIFY(frm->lblDes->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{frm->OptHalf, frm->OptOne, frm->OptTwo, frm->OptFour,
                                                        frm->LblStartX, frm->LblEndX, frm->TxtStartX, frm->TxtEndX})
        QVERIFY2(w->isEnabled() == settings, qPrintable(w->objectName()));
    QCOMPARE(frm->CmdGrid->isEnabled(), grid);
    QCOMPARE(frm->TxtCoeff->isEnabled(), coeff);
    QCOMPARE(frm->LblCoefficient->isEnabled(), coeff);
    for (QPushButton *b : frm->termButtons())
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    for (QPushButton *b : {frm->CmdContin, frm->CmdPlus, frm->CmdMinus, frm->cmdSketch})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(frm->lblDes->text(), prompt);
    QCOMPARE(frm->TxtEquation->text(), QString());
    QCOMPARE(frm->TxtStartX->text(), QStringLiteral("-9"));
    QCOMPARE(frm->TxtEndX->text(), QStringLiteral("9"));
    QCOMPARE(frm->TxtCoeff->text(), QString());
    QVERIFY(dialogs.messages.isEmpty());

    // The one-unit scale is in force again, whatever was used before.
    QVERIFY(frm->OptOne->isChecked());
    QCOMPARE(frm->plot.BoxUnits, 1.0);
    QCOMPARE(int{frm->plot.UnitTwips}, 500);
    QCOMPARE(frm->plot.XLimit, 9.0);
    if (step == NewCurve || step == Reset) {
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm->OptOne));
        QVERIFY(!windows().frmCurve()->isVisible());
    }
}

void TestWorkflow::tabOrder()
{
    frm->TxtStartX->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm->TxtStartX));
    const auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    QCOMPARE(tab(), static_cast<QWidget *>(frm->TxtEndX));
    QCOMPARE(tab(), static_cast<QWidget *>(frm->CmdGrid));
    // The option group is one stop, and it lands on the selected option without changing it.
    QCOMPARE(tab(), static_cast<QWidget *>(frm->OptOne));
    QVERIFY(frm->OptOne->isChecked());
    QCOMPARE(tab(), static_cast<QWidget *>(frm->TxtStartX));
    QTest::keyClick(frm->TxtStartX, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(frm->OptOne));
}

void TestWorkflow::window()
{
    QCOMPARE(frm->windowTitle(), QStringLiteral("Zeltaplot"));
    // 6015 x 3720 twips at 15 twips a pixel.
    QCOMPARE(frm->centralWidget()->size(), QSize(401, 248));
    QCOMPARE(frm->minimumSize(), frm->maximumSize());
    QCOMPARE(frm->size(), frm->minimumSize());
}

void TestWorkflow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    const auto row = [](const char *name, const char *container, const char *caption, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                            << QString::fromLatin1(caption) << QRect(l, t, w, h);
    };
    row("FrameSettings", "", "Grid Settings ", 120, 120, 5775, 3135);
    row("OptHalf", "FrameSettings", "One big square represents half a unit in each axis", 120, 2085, 4215, 255);
    row("OptOne", "FrameSettings", "One big square represents one unit on each axis", 120, 1710, 4215, 255);
    row("OptTwo", "FrameSettings", "One big square represents two units on each axis", 120, 1335, 4215, 255);
    row("OptFour", "FrameSettings", "One big square represents four units on each axis", 120, 960, 4215, 255);
    row("CmdGrid", "FrameSettings", "Set Grid", 240, 2640, 5295, 375);
    row("TxtEndX", "FrameSettings", "9", 1320, 600, 1095, 285);
    row("TxtStartX", "FrameSettings", "-9", 1320, 240, 1095, 285);
    row("LblEndX", "FrameSettings", "Ending X value", 120, 600, 1095, 375);
    row("LblStartX", "FrameSettings", "Starting X value", 120, 240, 1215, 375);
    row("FrameEquation", "", "Equation ", 120, 120, 5775, 3135);
    row("cmdTanAX", "FrameEquation", "tan ax", 2040, 2040, 855, 375);
    row("cmdSinAX", "FrameEquation", "sin ax", 120, 2040, 855, 375);
    row("cmdCosAX", "FrameEquation", "cos ax", 1080, 2040, 855, 375);
    row("cmdSketch", "FrameEquation", "Sketch Curve", 120, 2520, 5535, 375);
    row("CmdContin", "FrameEquation", "Continue", 4800, 2040, 855, 375);
    row("TxtCoeff", "FrameEquation", "", 3960, 2040, 855, 375);
    row("CmdMinus", "FrameEquation", "-", 4920, 1080, 735, 375);
    row("CmdPlus", "FrameEquation", "+", 4920, 1560, 735, 375);
    row("CmdAX", "FrameEquation", "a^x", 3960, 1560, 855, 375);
    row("Cmdlog", "FrameEquation", "log x", 3000, 1560, 855, 375);
    row("Cmdtan", "FrameEquation", "tan x", 2040, 1560, 855, 375);
    row("Cmdcos", "FrameEquation", "cos x", 1080, 1560, 855, 375);
    row("Cmdsin", "FrameEquation", "sin x", 120, 1560, 855, 375);
    row("CmdXY", "FrameEquation", "x^a", 3960, 1080, 855, 375);
    row("CmdXFive", "FrameEquation", "x", 120, 1080, 855, 375);
    row("CmdXFour", "FrameEquation", "1/x", 3000, 1080, 855, 375);
    row("CmdXCube", "FrameEquation", "x^3", 2040, 1080, 855, 375);
    row("CmdXSquare", "FrameEquation", "x^2", 1080, 1080, 855, 375);
    row("TxtEquation", "FrameEquation", "", 480, 600, 5055, 375);
    row("LblCoefficient", "FrameEquation", "Coefficient", 3120, 2160, 735, 255);
    row("LblEnter", "FrameEquation", "Enter the equation below in the form y=f(x) using the options provided:", 240,
        240, 5175, 255);
    row("LblEquation", "FrameEquation", "y=", 240, 600, 255, 375);
    row("lblDes", "", "Enter the settings of the grid or accept the default values and click Set grid.", 120, 3360,
        5775, 255);
}

void TestWorkflow::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);

    auto *w = frm->findChild<QWidget *>(name);
    QVERIFY(w);
    QWidget *parent = container.isEmpty() ? frm->centralWidget() : frm->findChild<QWidget *>(container);
    QCOMPARE(w->parentWidget(), parent);
    QCOMPARE(captionOf(w), caption);
    // Every designed twip value is a whole number of pixels.
    const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(w->geometry(), pixels);
}

void TestWorkflow::menus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("file") << 0 << "&File" << QStringList{"&New Curve", "&Exit"} << QStringList{"mnuNew", "mnuExit"};
    QTest::newRow("general") << 1 << "&General Curves"
                             << QStringList{"&y=x",     "&y=x^2",   "&y=x^3",   "&y=1/x", "&y=1/(x^2)",
                                            "&y=sin x", "&y=cos x", "&y=tan x", "&y=log x"}
                             << QStringList{"mnuCur01",   "mnuCurve02", "mnuCurve03", "mnuOneOver", "mnuOverSquare",
                                            "mnuCurve04", "mnuCurve05", "mnuCurve06", "mnuLog"};
    QTest::newRow("help") << 2 << "&Help" << QStringList{"&How to...", "&About..."}
                          << QStringList{"mnuHowTo", "mnuAbout"};
}

void TestWorkflow::menus()
{
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, names);

    const QList<QAction *> bar = frm->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QMenu *menu = bar.at(index)->menu();
    QVERIFY(menu);
    QCOMPARE(menu->title(), title);
    QStringList shownCaptions, shownNames;
    for (QAction *a : menu->actions()) {
        shownCaptions << a->text();
        shownNames << a->objectName();
        QVERIFY(a->shortcut().isEmpty());
        QVERIFY(!a->isCheckable());
        QVERIFY(a->isEnabled());
        QVERIFY(a->isVisible());
    }
    QCOMPARE(shownCaptions, captions);
    QCOMPARE(shownNames, names);
}

void TestWorkflow::startOver_data()
{
    QTest::addColumn<bool>("viaReset");
    QTest::newRow("new curve") << false;
    QTest::newRow("reset button") << true;
}

void TestWorkflow::startOver()
{
    QFETCH(bool, viaReset);

    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
    QVERIFY(frm->state.GridSet);
    ImageSurface *surface = windows().frmCurve()->PicCurve;
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), axis = qRgb(100, 100, 100);
    // A point inside a small box, where no grid line passes.
    surface->PSet(1020, 1020, red);
    QCOMPARE(pixelAt(surface->Image(), 1020, 1020), red);
    windows().frmCurve()->show();
    std::fill(frm->state.TermTable.begin(), frm->state.TermTable.end(), 1.5);
    frm->state.TermCoefficients[0] = 2.5;
    frm->state.TermIndex = 3;
    frm->state.TermSign = -1;
    frm->state.CurveCount = 3;
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));

    restart(viaReset);

    const auto &table = frm->state.TermTable;
    QCOMPARE(table.size(), std::size_t{26} * 10001);
    QVERIFY(std::all_of(table.begin(), table.end(), [](double v) { return v == 0; }));
    QCOMPARE(int{frm->state.TermIndex}, 0);
    QCOMPARE(int{frm->state.TermSign}, 1);
    QCOMPARE(int{frm->state.CurveCount}, viaReset ? 0 : 3);
    QCOMPARE(frm->state.GridSet, !viaReset);
    QVERIFY(!frm->state.GridDrawn);
    if (!viaReset)
        QCOMPARE(frm->state.TermCoefficients[0], 2.5);
    else
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QVERIFY(!windows().frmCurve()->isVisible());
    QCOMPARE(pixelAt(surface->Image(), 1020, 1020), white);
    QCOMPARE(pixelAt(surface->Image(), 4600, 5000), white);

    // The next Set Grid draws a fresh grid on the cleared surface.
    QTest::mouseClick(frm->CmdGrid, Qt::LeftButton);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(frm->state.GridDrawn);
    QVERIFY(frm->state.GridSet);
    QCOMPARE(windows().frmCurve()->PicCurve, surface);
    QCOMPARE(pixelAt(surface->Image(), 4600, 5000), axis);
    QCOMPARE(pixelAt(surface->Image(), 1020, 1020), white);
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
