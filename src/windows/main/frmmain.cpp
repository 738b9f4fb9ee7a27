#include "windows/main/frmmain.h"

#include "equation/sketch.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "plot/grid.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/decor.h"
#include "windows/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace zelta {

namespace {

const QString SettingsPrompt =
    QStringLiteral("Enter the settings of the grid or accept the default values and click Set grid.");
const QString TermDone = QStringLiteral("Click + or - or sketch curve as appropriate");
const QString TermDoneBlank = QStringLiteral("Click + or - or sketch curve as appropriate ");
const QString NotValid = QStringLiteral("Please enter a valid value");
const QString CoefficientNotNumber = QStringLiteral("The coefficient is not a number.");

struct Placed {
    QWidget *widget;
    int tabIndex;
};

template <typename W>
W *place(std::vector<Placed> &order, QWidget *parent, const char *name, const QString &caption, int left,
         int top, int width, int height, int tabIndex)
{
    auto *w = new W(caption, parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(twipsRect(left, top, width, height));
    order.push_back({w, tabIndex});
    return w;
}

QLabel *label(std::vector<Placed> &order, QWidget *parent, const char *name, const QString &caption, int left,
              int top, int width, int height, int tabIndex, bool centred = false)
{
    auto *l = place<QLabel>(order, parent, name, caption, left, top, width, height, tabIndex);
    l->setWordWrap(true);
    l->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return l;
}

QLineEdit *textBox(std::vector<Placed> &order, QWidget *parent, const char *name, int left, int top, int width,
                   int height, int tabIndex)
{
    return place<QLineEdit>(order, parent, name, QString(), left, top, width, height, tabIndex);
}

} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zeltaplot"));
    setWindowIcon(programIcon());
    setFont(defaultWindowFont());
    buildControls();
    buildMenus();

    const QSize client(twipsToPixels(6015), twipsToPixels(3720));
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

void FrmMain::buildControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    std::vector<Placed> order;

    FrameSettings = place<QGroupBox>(order, client, "FrameSettings", QStringLiteral("Grid Settings "), 120, 120,
                                     5775, 3135, 1);
    QWidget *fs = FrameSettings;
    OptHalf = place<QRadioButton>(order, fs, "OptHalf", QString::fromLatin1(Scales[0].caption), 120, 2085, 4215,
                                  255, 29);
    OptOne = place<QRadioButton>(order, fs, "OptOne", QString::fromLatin1(Scales[1].caption), 120, 1710, 4215,
                                 255, 28);
    OptTwo = place<QRadioButton>(order, fs, "OptTwo", QString::fromLatin1(Scales[2].caption), 120, 1335, 4215,
                                 255, 27);
    OptFour = place<QRadioButton>(order, fs, "OptFour", QString::fromLatin1(Scales[3].caption), 120, 960, 4215,
                                  255, 26);
    CmdGrid = place<QPushButton>(order, fs, "CmdGrid", QStringLiteral("Set Grid"), 240, 2640, 5295, 375, 25);
    TxtEndX = textBox(order, fs, "TxtEndX", 1320, 600, 1095, 285, 5);
    TxtStartX = textBox(order, fs, "TxtStartX", 1320, 240, 1095, 285, 4);
    LblInGrid = label(order, fs, "LblInGrid",
                      QStringLiteral("The starting and ending X values can have the values between -9 and 9."), 120,
                      2400, 5415, 255, 23, true);
    LblEndX = label(order, fs, "LblEndX", QStringLiteral("Ending X value"), 120, 600, 1095, 375, 3);
    LblStartX = label(order, fs, "LblStartX", QStringLiteral("Starting X value"), 120, 240, 1215, 375, 2);

    FrameEquation = place<QGroupBox>(order, client, "FrameEquation", QStringLiteral("Equation "), 120, 120, 5775,
                                     3135, 0);
    QWidget *fe = FrameEquation;
    const auto button = [&](const char *name, const char *caption, int left, int top, int width, int tabIndex) {
        return place<QPushButton>(order, fe, name, QString::fromLatin1(caption), left, top, width, 375, tabIndex);
    };
    cmdTanAX = button("cmdTanAX", "tan ax", 2040, 2040, 855, 34);
    cmdSinAX = button("cmdSinAX", "sin ax", 120, 2040, 855, 33);
    cmdCosAX = button("cmdCosAX", "cos ax", 1080, 2040, 855, 32);
    cmdSketch = button("cmdSketch", "Sketch Curve", 120, 2520, 5535, 31);
    CmdContin = button("CmdContin", "Continue", 4800, 2040, 855, 24);
    TxtCoeff = textBox(order, fe, "TxtCoeff", 3960, 2040, 855, 375, 21);
    CmdMinus = button("CmdMinus", "-", 4920, 1080, 735, 20);
    CmdPlus = button("CmdPlus", "+", 4920, 1560, 735, 19);
    CmdAX = button("CmdAX", "a^x", 3960, 1560, 855, 17);
    Cmdlog = button("Cmdlog", "log x", 3000, 1560, 855, 16);
    Cmdtan = button("Cmdtan", "tan x", 2040, 1560, 855, 15);
    Cmdcos = button("Cmdcos", "cos x", 1080, 1560, 855, 14);
    Cmdsin = button("Cmdsin", "sin x", 120, 1560, 855, 13);
    CmdXY = button("CmdXY", "x^a", 3960, 1080, 855, 12);
    CmdXFive = button("CmdXFive", "x", 120, 1080, 855, 11);
    CmdXFour = button("CmdXFour", "1/x", 3000, 1080, 855, 10);
    CmdXCube = button("CmdXCube", "x^3", 2040, 1080, 855, 9);
    CmdXSquare = button("CmdXSquare", "x^2", 1080, 1080, 855, 8);
    TxtEquation = textBox(order, fe, "TxtEquation", 480, 600, 5055, 375, 6);
    LblCoefficient = label(order, fe, "LblCoefficient", QStringLiteral("Coefficient"), 3120, 2160, 735, 255, 22, true);
    LblEnter = label(order, fe, "LblEnter",
                     QStringLiteral("Enter the equation below in the form y=f(x) using the options provided:"), 240,
                     240, 5175, 255, 18);
    LblEquation = label(order, fe, "LblEquation", QStringLiteral("y="), 240, 600, 255, 375, 7);
    lblDes = label(order, client, "lblDes", QString(), 120, 3360, 5775, 255, 30, true);

    // Tab order follows the designed tab indexes.
    std::stable_sort(order.begin(), order.end(), [](const Placed &a, const Placed &b) { return a.tabIndex < b.tabIndex; });
    QWidget *previous = nullptr;
    for (const Placed &p : order) {
        if (p.widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, p.widget);
        previous = p.widget;
    }

    connect(OptHalf, &QRadioButton::toggled, this, [this](bool on) { if (on) OptHalf_Click(); });
    connect(OptOne, &QRadioButton::toggled, this, [this](bool on) { if (on) OptOne_Click(); });
    connect(OptTwo, &QRadioButton::toggled, this, [this](bool on) { if (on) OptTwo_Click(); });
    connect(OptFour, &QRadioButton::toggled, this, [this](bool on) { if (on) OptFour_Click(); });
    connect(TxtStartX, &QLineEdit::textChanged, this, &FrmMain::TxtStartX_Change);
    connect(TxtEndX, &QLineEdit::textChanged, this, &FrmMain::TxtEndX_Change);
    connect(TxtCoeff, &QLineEdit::textChanged, this, &FrmMain::TxtCoeff_Change);
    connect(CmdGrid, &QPushButton::clicked, this, &FrmMain::CmdGrid_Click);
    connect(CmdContin, &QPushButton::clicked, this, &FrmMain::CmdContin_Click);
    connect(CmdPlus, &QPushButton::clicked, this, &FrmMain::CmdPlus_Click);
    connect(CmdMinus, &QPushButton::clicked, this, &FrmMain::CmdMinus_Click);
    connect(CmdXSquare, &QPushButton::clicked, this, &FrmMain::CmdXSquare_Click);
    connect(CmdXCube, &QPushButton::clicked, this, &FrmMain::CmdXCube_Click);
    connect(CmdXFive, &QPushButton::clicked, this, &FrmMain::CmdXFive_Click);
    connect(CmdXFour, &QPushButton::clicked, this, &FrmMain::CmdXFour_Click);
    connect(CmdXY, &QPushButton::clicked, this, &FrmMain::CmdXY_Click);
    connect(cmdSketch, &QPushButton::clicked, this, &FrmMain::cmdSketch_Click);
    TxtEquation->installEventFilter(this);
    for (QRadioButton *option : scaleOptions())
        option->installEventFilter(this);
}

void FrmMain::buildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const char *caption) {
        QAction *a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = item(mnuFile, "mnuNew", "&New Curve");
    mnuExit = item(mnuFile, "mnuExit", "&Exit");

    mnuGeneral = menuBar()->addMenu(QStringLiteral("&General Curves"));
    mnuGeneral->setObjectName(QStringLiteral("mnuGeneral"));
    mnuCur01 = item(mnuGeneral, "mnuCur01", "&y=x");
    mnuCurve02 = item(mnuGeneral, "mnuCurve02", "&y=x^2");
    mnuCurve03 = item(mnuGeneral, "mnuCurve03", "&y=x^3");
    mnuOneOver = item(mnuGeneral, "mnuOneOver", "&y=1/x");
    mnuOverSquare = item(mnuGeneral, "mnuOverSquare", "&y=1/(x^2)");
    mnuCurve04 = item(mnuGeneral, "mnuCurve04", "&y=sin x");
    mnuCurve05 = item(mnuGeneral, "mnuCurve05", "&y=cos x");
    mnuCurve06 = item(mnuGeneral, "mnuCurve06", "&y=tan x");
    mnuLog = item(mnuGeneral, "mnuLog", "&y=log x");

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHowTo = item(mnuHelp, "mnuHowTo", "&How to...");
    mnuAbout = item(mnuHelp, "mnuAbout", "&About...");

    connect(mnuNew, &QAction::triggered, this, &FrmMain::mnuNew_Click);
    connect(mnuExit, &QAction::triggered, qApp, &QCoreApplication::quit);
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
    TxtStartX->setText(generalNumber(-s.xLimit));
    TxtEndX->setText(generalNumber(s.xLimit));
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
    box->setText(replacement);
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
        TxtStartX->setText(QString());
        TxtEndX->setText(QString());
        CmdGrid->setEnabled(false);
        return;
    }
    lblDes->setText(QStringLiteral("Now enter the coefficient of the first term."));
    for (QWidget *w : std::initializer_list<QWidget *>{OptFour, OptTwo, OptOne, OptHalf, CmdGrid, LblStartX, LblEndX,
                                                        TxtStartX, TxtEndX})
        w->setEnabled(false);
    FrameEquation->show();
    FrameSettings->hide();
    TxtCoeff->setEnabled(true);
    LblCoefficient->setEnabled(true);
    TxtCoeff->setFocus();
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
    TxtStartX->setText(QStringLiteral("-9"));
    TxtEndX->setText(QStringLiteral("9"));
    TxtCoeff->setText(QString());
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

void FrmMain::TxtCoeff_Change()
{
    const QString text = TxtCoeff->text();
    if (text.isEmpty()) {
        CmdContin->setEnabled(false);
        return;
    }
    if (CmdPlus->isEnabled())
        return;
    CmdContin->setEnabled(true);
    lblDes->setText(QStringLiteral(" Click continue when done."));
    if (TxtStartX->text().isEmpty() || TxtEndX->text().isEmpty() || !state.GridSet) {
        CmdContin->setEnabled(false);
        lblDes->setText(QStringLiteral("Enter the settings of the grid or accept the default values."));
    }
    if (text == u"-" || isNumeric(text))
        return;
    dialogs().message(CoefficientNotNumber);
    TxtCoeff->setText(QString());
}

void FrmMain::CmdContin_Click()
{
    const QString text = TxtCoeff->text();
    const auto coefficient = readNumber(text);
    // A lone "-" passes the typing check but is no coefficient.
    if (!coefficient) {
        dialogs().message(CoefficientNotNumber);
        return;
    }
    if (state.full()) {
        dialogs().message(QStringLiteral("The equation cannot hold more than 26 terms."));
        return;
    }
    if (text != u"1")
        TxtEquation->setText(TxtEquation->text() + QStringLiteral(" (") + text + QStringLiteral(") "));
    state.TermCoefficients[static_cast<std::size_t>(state.TermIndex)] = *coefficient;
    setTermButtonsEnabled(true);
    lblDes->setText(QStringLiteral("Now select appropriate term."));
    for (QWidget *w : std::initializer_list<QWidget *>{CmdGrid, CmdContin, cmdSketch, TxtCoeff, LblCoefficient})
        w->setEnabled(false);
}

void FrmMain::joinTerms(const QString &joint, std::int16_t sign)
{
    TxtEquation->setText(TxtEquation->text() + joint);
    state.TermSign = sign;
    CmdPlus->setEnabled(false);
    CmdMinus->setEnabled(false);
    lblDes->setText(QStringLiteral("Enter the next coefficient "));
    CmdContin->setEnabled(true);
    cmdSketch->setEnabled(false);
    TxtCoeff->setEnabled(true);
    LblCoefficient->setEnabled(true);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Typing never changes the equation: every key that gives a character is dropped.
    if (watched == TxtEquation && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty())
            return true;
    }
    // Tabbing into the scale options lands on the selected one, as users expect of a group.
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        auto *option = qobject_cast<QRadioButton *>(watched);
        if (option && !option->isChecked() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            for (QRadioButton *o : scaleOptions())
                if (o->isChecked()) {
                    o->setFocus(reason);
                    break;
                }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FrmMain::addTerm(const QString &text, const TermFunction &f, const QString &instruction,
                      std::optional<int> skipColumn)
{
    if (!addTermValues(state, plot, f, skipColumn))
        return false;
    TxtEquation->setText(TxtEquation->text() + text);
    cmdSketch->setEnabled(true);
    CmdPlus->setEnabled(true);
    CmdMinus->setEnabled(true);
    setTermButtonsEnabled(false);
    lblDes->setText(instruction);
    return true;
}

void FrmMain::CmdXSquare_Click() { addTerm(QStringLiteral("x^2"), powerOf(2), TermDone); }
void FrmMain::CmdXCube_Click() { addTerm(QStringLiteral("x^3"), powerOf(3), TermDoneBlank); }
void FrmMain::CmdXFive_Click() { addTerm(QStringLiteral("x"), linearTerm, TermDone); }
void FrmMain::CmdXFour_Click() { addTerm(QStringLiteral("(1/x)"), reciprocalTerm, TermDone, int{OriginColumn}); }

void FrmMain::CmdXY_Click()
{
    if (state.full())
        return;
    for (;;) {
        const auto a = readNumber(
            dialogs().input(QStringLiteral("Enter the value of a below. Only integers(between 0-10) are the acceptable choice")));
        if (!a) {
            dialogs().message(NotValid);
            continue;
        }
        if (*a > 10 || *a < 0) {
            dialogs().message(QStringLiteral(" Please enter a valid value. "));
            continue;
        }
        QString text;
        if (*a != 0)
            text = QStringLiteral("x^") + generalNumber(*a);
        else if (state.TermCoefficients[static_cast<std::size_t>(state.TermIndex)] == 1)
            text = QStringLiteral("1");
        // A negative x to a fractional power has no real value: ask again.
        if (addTerm(text, powerOf(*a), TermDoneBlank))
            return;
        dialogs().message(NotValid);
    }
}

void FrmMain::cmdSketch_Click()
{
    if (TxtStartX->text().isEmpty() || TxtEndX->text().isEmpty()) {
        dialogs().message(QStringLiteral("Please enter the domain of X."));
        return;
    }
    FrmCurve *curve = windows().frmCurve();
    curve->showInFront();
    countCurve(state);
    ImageSurface &surface = *curve->PicCurve;
    surface.setForeColor(nextCurveColour(programRandom()));
    plotStoredCurve(surface, state, plot);
    const QString equation = TxtEquation->text();
    const double width = pixelsToTwips(QFontMetricsF(font()).horizontalAdvance(QStringLiteral("y=") + equation + u' '));
    printCurveLabel(surface, state.CurveCount, equation, width);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    windows().unloadMain();
}

} // namespace zelta
