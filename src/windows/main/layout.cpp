// Where the main window's controls and menus stand: every position and size in twips, tab
// indexes as designed. What the controls do is in frmmain.cpp.
#include "windows/main/frmmain.h"

#include "platform/twips.h"
#include "presets/presets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace zelta {

namespace {

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

template <typename L = QLabel>
L *label(std::vector<Placed> &order, QWidget *parent, const char *name, const QString &caption, int left, int top,
         int width, int height, int tabIndex, bool centred = false)
{
    auto *l = place<L>(order, parent, name, caption, left, top, width, height, tabIndex);
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
    lblDes = label<InstructionLine>(order, client, "lblDes", QString(), 120, 3360, 5775, 255, 30, true);

    // Names a screen reader speaks where the caption is a symbol or the box has no label of its own.
    const std::pair<QWidget *, const char *> spoken[] = {
        {TxtStartX, "Starting X value"}, {TxtEndX, "Ending X value"},     {TxtEquation, "Equation"},
        {TxtCoeff, "Coefficient"},       {CmdMinus, "minus"},             {CmdPlus, "plus"},
        {CmdXSquare, "x squared"},       {CmdXCube, "x cubed"},           {CmdXFive, "x"},
        {CmdXFour, "one over x"},        {CmdXY, "x to the power a"},     {Cmdsin, "sine x"},
        {Cmdcos, "cosine x"},            {Cmdtan, "tangent x"},           {Cmdlog, "natural log x"},
        {CmdAX, "a to the power x"},     {cmdSinAX, "sine a x"},          {cmdCosAX, "cosine a x"},
        {cmdTanAX, "tangent a x"},       {LblEquation, "y equals"}};
    for (const auto &[widget, name] : spoken)
        widget->setAccessibleName(QString::fromLatin1(name));
    LblStartX->setBuddy(TxtStartX);
    LblEndX->setBuddy(TxtEndX);
    LblCoefficient->setBuddy(TxtCoeff);
    LblEquation->setBuddy(TxtEquation);

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
    QAction **presetItems[] = {&mnuCur01, &mnuCurve02, &mnuCurve03, &mnuOneOver, &mnuOverSquare,
                               &mnuCurve04, &mnuCurve05, &mnuCurve06, &mnuLog};
    for (std::size_t i = 0; i < Presets.size(); ++i) {
        *presetItems[i] = item(mnuGeneral, Presets[i].menuItem, Presets[i].caption);
        setSpokenName(*presetItems[i], Presets[i].spoken);
    }

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHowTo = item(mnuHelp, "mnuHowTo", "&How to...");
    mnuAbout = item(mnuHelp, "mnuAbout", "&About...");
}

} // namespace zelta
