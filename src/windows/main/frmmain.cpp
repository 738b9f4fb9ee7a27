#include "windows/main/frmmain.h"

#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "presets/presets.h"
#include "windows/curve/frmcurve.h"
#include "windows/decor.h"
#include "windows/help/frmhelp.h"
#include "windows/splash/frmsplash.h"
#include "windows/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <limits>

namespace zelta {

namespace {

const QString SettingsPrompt =
    QStringLiteral("Enter the settings of the grid or accept the default values and click Set grid.");

} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zeltaplot"));
    setWindowIcon(programIcon());
    setFont(windowFont());
    buildControls();
    buildMenus();
    connectHandlers();
    pressedByEnter(this);

    const QSize client(twipsToPixels(6015), twipsToPixels(3720));
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

void FrmMain::connectHandlers()
{
    const std::pair<QRadioButton *, void (FrmMain::*)()> options[] = {
        {OptHalf, &FrmMain::OptHalf_Click}, {OptOne, &FrmMain::OptOne_Click},
        {OptTwo, &FrmMain::OptTwo_Click},   {OptFour, &FrmMain::OptFour_Click}};
    for (const auto &[option, handler] : options)
        connect(option, &QRadioButton::toggled, this, [this, option, handler](bool on) {
            if (!on)
                return;
            // Only the selected option is a tab stop, so Tab and Shift+Tab enter the group there.
            for (QRadioButton *o : scaleOptions())
                o->setFocusPolicy(o == option ? Qt::StrongFocus : Qt::ClickFocus);
            (this->*handler)();
        });
    connect(TxtStartX, &QLineEdit::textChanged, this, &FrmMain::TxtStartX_Change);
    connect(TxtEndX, &QLineEdit::textChanged, this, &FrmMain::TxtEndX_Change);
    connect(TxtCoeff, &QLineEdit::textChanged, this, &FrmMain::TxtCoeff_Change);
    connect(CmdGrid, &QPushButton::clicked, this, &FrmMain::CmdGrid_Click);
    connect(CmdContin, &QPushButton::clicked, this, &FrmMain::CmdContin_Click);
    connect(CmdPlus, &QPushButton::clicked, this, &FrmMain::CmdPlus_Click);
    connect(CmdMinus, &QPushButton::clicked, this, &FrmMain::CmdMinus_Click);
    connect(cmdSketch, &QPushButton::clicked, this, &FrmMain::cmdSketch_Click);
    const std::pair<QPushButton *, void (FrmMain::*)()> terms[] = {
        {CmdXSquare, &FrmMain::CmdXSquare_Click}, {CmdXCube, &FrmMain::CmdXCube_Click},
        {CmdXFive, &FrmMain::CmdXFive_Click},     {CmdXFour, &FrmMain::CmdXFour_Click},
        {CmdXY, &FrmMain::CmdXY_Click},           {Cmdsin, &FrmMain::Cmdsin_Click},
        {Cmdcos, &FrmMain::Cmdcos_Click},         {Cmdtan, &FrmMain::Cmdtan_Click},
        {Cmdlog, &FrmMain::Cmdlog_Click},         {CmdAX, &FrmMain::CmdAX_Click},
        {cmdSinAX, &FrmMain::cmdSinAX_Click},     {cmdCosAX, &FrmMain::cmdCosAX_Click},
        {cmdTanAX, &FrmMain::cmdTanAX_Click}};
    for (const auto &[button, handler] : terms)
        connect(button, &QPushButton::clicked, this, handler);
    const std::pair<QAction *, void (FrmMain::*)()> presets[] = {
        {mnuCur01, &FrmMain::mnuCur01_Click},     {mnuCurve02, &FrmMain::mnuCurve02_Click},
        {mnuCurve03, &FrmMain::mnuCurve03_Click}, {mnuOneOver, &FrmMain::mnuOneOver_Click},
        {mnuOverSquare, &FrmMain::mnuOverSquare_Click}, {mnuCurve04, &FrmMain::mnuCurve04_Click},
        {mnuCurve05, &FrmMain::mnuCurve05_Click}, {mnuCurve06, &FrmMain::mnuCurve06_Click},
        {mnuLog, &FrmMain::mnuLog_Click}};
    for (const auto &[item, handler] : presets)
        connect(item, &QAction::triggered, this, handler);
    connect(mnuNew, &QAction::triggered, this, &FrmMain::mnuNew_Click);
    connect(mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    connect(mnuHowTo, &QAction::triggered, this, &FrmMain::mnuHowTo_Click);
    // Keys of habit, kept off the menus so their captions stay as they are.
    for (const auto &[keys, item] : {std::pair{QKeySequence(Qt::Key_F1), mnuHowTo},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_Q), mnuExit}}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, item, &QAction::trigger);
    }
    // The equation is the curve's label, built by the program alone: the user may move, select
    // and copy in it, never change it (typing, pasting, cutting, dropping, undoing).
    TxtEquation->setReadOnly(true);
    // Qt would cut the text at 32767 characters, and the label with it, while the curve keeps every term.
    TxtEquation->setMaxLength(std::numeric_limits<int>::max());
}

std::array<QPushButton *, 13> FrmMain::termButtons() const
{
    return {CmdXSquare, CmdXCube, CmdXFour, CmdXFive, CmdXY, CmdAX, Cmdcos,
            Cmdsin,     Cmdtan,   Cmdlog,   cmdCosAX, cmdSinAX, cmdTanAX};
}

void FrmMain::setTermButtonsEnabled(bool enabled)
{
    for (QPushButton *b : termButtons())
        b->setEnabled(enabled);
}

void FrmMain::disableEquationButtons()
{
    setTermButtonsEnabled(false);
    for (QPushButton *b : {CmdMinus, CmdPlus, CmdContin, cmdSketch})
        b->setEnabled(false);
}

void FrmMain::showSettingsPanel()
{
    FrameEquation->hide();
    FrameSettings->show();
}

void FrmMain::focusOptOne()
{
    // Focusing a control brings its window to the front, as after a sketch from the curve window.
    activateWindow();
    OptOne->setFocus();
    if (!OptOne->isChecked())
        OptOne->setChecked(true);
}

void FrmMain::Form_Load()
{
    lblDes->setText(SettingsPrompt);
    disableEquationButtons();
    CmdGrid->setEnabled(false);
    state.TermIndex = 0;
    state.TermSign = 1;
    OptOne->setChecked(true);
    plot.UnitTwips = 500;
    plot.XLimit = 9;
    windows().frmCurve()->Cmd->setEnabled(true);
    FrameEquation->hide();
    state.CurveCount = 0;
}

void FrmMain::applyScale(int row)
{
    const ScaleRow &s = Scales[static_cast<std::size_t>(row)];
    LblInGrid->setText(QString::fromLatin1(s.inGrid));
    plot.BoxUnits = s.boxUnits;
    plot.UnitTwips = s.unitTwips;
    plot.XLimit = s.xLimit;
    windows().frmCurve()->LblScale->setText(QString::fromLatin1(s.scale));
    // In the user's decimal separator, so "-4.5" stays a number where the locale writes "-4,5".
    assignText(TxtStartX, generalNumber(-s.xLimit));
    assignText(TxtEndX, generalNumber(s.xLimit));
}

void FrmMain::checkDomainBox(QLineEdit *box, QLineEdit *other, const QString &message, const QString &replacement)
{
    const QString text = box->text();
    if (text.isEmpty() || text == u"-") {
        CmdGrid->setEnabled(false);
        return;
    }
    if (isNumeric(text) && isNumeric(other->text()))
        CmdGrid->setEnabled(true);
    if (isNumeric(text))
        return;
    dialogs().message(message);
    assignText(box, replacement);
}

void FrmMain::TxtStartX_Change()
{
    checkDomainBox(TxtStartX, TxtEndX, QStringLiteral("The Starting Xvalue is not a number."), QString());
}

void FrmMain::TxtEndX_Change()
{
    checkDomainBox(TxtEndX, TxtStartX, QStringLiteral("The Ending Xvalue is not a number."), QStringLiteral("0"));
}

bool FrmMain::domainEndInRange(QLineEdit *box, double &value)
{
    const auto v = readNumber(box->text());
    if (v && std::abs(*v) <= plot.XLimit) {
        value = *v;
        return true;
    }
    dialogs().message(QStringLiteral("Inavlid range"));
    CmdGrid->setEnabled(false);
    return false;
}

void FrmMain::CmdGrid_Click()
{
    double start = 0, end = 0;
    if (!domainEndInRange(TxtStartX, start) || !domainEndInRange(TxtEndX, end))
        return;
    state.GridSet = true;
    // In range, both columns lie between 100 and 9100.
    plot.FirstColumn = columnOf(start, plot.UnitTwips).value_or(OriginColumn);
    plot.LastColumn = columnOf(end, plot.UnitTwips).value_or(OriginColumn);
    if (plot.LastColumn < plot.FirstColumn) {
        dialogs().message(QStringLiteral("The ending value must be greater than the starting value."));
        assignText(TxtStartX, QString());
        assignText(TxtEndX, QString());
        CmdGrid->setEnabled(false);
        return;
    }
    // The coefficient box takes the focus before the settings are disabled under it, so Qt does not
    // walk it (and a screen reader) through them; the instruction comes after the focus, which would cut it short.
    FrameEquation->show();
    TxtCoeff->setEnabled(true);
    LblCoefficient->setEnabled(true);
    TxtCoeff->setFocus();
    lblDes->setText(QStringLiteral("Now enter the coefficient of the first term."));
    for (QWidget *w : std::initializer_list<QWidget *>{OptFour, OptTwo, OptOne, OptHalf, CmdGrid, LblStartX, LblEndX,
                                                        TxtStartX, TxtEndX})
        w->setEnabled(false);
    FrameSettings->hide();
    if (!state.GridDrawn)
        Grid();
}

void FrmMain::Grid()
{
    drawGrid(*windows().frmCurve()->PicCurve, OriginRow, OriginColumn, plot.BoxUnits);
    state.GridDrawn = true;
}

void FrmMain::reset()
{
    state.clearTerms();
    state.TermSign = 1;
    state.TermIndex = 0;
    state.GridSet = false;
    for (QWidget *w : std::initializer_list<QWidget *>{OptFour, OptTwo, OptOne, OptHalf, LblStartX, LblEndX,
                                                        TxtStartX, TxtEndX})
        w->setEnabled(true);
    FrmCurve *curve = windows().frmCurve();
    for (QWidget *w : std::initializer_list<QWidget *>{curve->Cmd, curve->CmdCopy, curve->CmdSave})
        w->setEnabled(true);
    QGuiApplication::clipboard()->clear();
    TxtCoeff->setEnabled(true);
    LblCoefficient->setEnabled(true);
    showSettingsPanel();
    curve->PicCurve->Cls();
    state.CurveCount = 0;
    state.GridDrawn = false;
}

void FrmMain::mnuNew_Click()
{
    TxtEquation->setText(QString());
    assignText(TxtStartX, QStringLiteral("-9"));
    assignText(TxtEndX, QStringLiteral("9"));
    assignText(TxtCoeff, QString());
    lblDes->setText(SettingsPrompt);
    disableEquationButtons();
    CmdGrid->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{OptTwo, OptFour, OptOne, OptHalf, LblStartX, LblEndX,
                                                        TxtStartX, TxtEndX})
        w->setEnabled(true);
    showSettingsPanel();
    focusOptOne();
    state.TermIndex = 0;
    state.TermSign = 1;
    state.clearTerms();
    FrmCurve *curve = windows().frmCurve();
    curve->PicCurve->Cls();
    curve->hide();
    state.GridDrawn = false;
}

void FrmMain::presetClick(int index)
{
    FrameSettings->hide();
    FrameEquation->show();
    windows().frmCurve()->showInFront();
    if (!state.GridDrawn)
        Grid();
    const Preset &preset = Presets[static_cast<std::size_t>(index)];
    drawPreset(*windows().frmCurve()->PicCurve, state, plot.UnitTwips, preset, font(), programRandom());
    windows().frmCurve()->curveDrawn(QString::fromLatin1(preset.label).trimmed());
}

void FrmMain::mnuExit_Click()
{
    // At once: no Unload step runs and nothing is asked.
    windows().quit();
}

void FrmMain::mnuAbout_Click() { windows().frmSplash()->showInFront(); }

void FrmMain::mnuHowTo_Click() { windows().frmHelp()->showInFront(); }

void FrmMain::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the window itself only when no control takes them: digits pass, the rest is dropped.
    const QString text = event->text();
    if (text.size() == 1 && text[0].isDigit())
        QMainWindow::keyPressEvent(event);
    else if (!text.isEmpty())
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows().unloadMain();
}

} // namespace zelta
