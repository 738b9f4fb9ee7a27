// The equation panel: the coefficient, Continue, the signs, the terms and Sketch.
#include "windows/main/frmmain.h"

#include "equation/sketch.h"
#include "equation/termkinds.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "plot/imagesurface.h"
#include "windows/curve/frmcurve.h"
#include "windows/decor.h"
#include "windows/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace zelta {

namespace {

const QString TermDone = QStringLiteral("Click + or - or sketch curve as appropriate");
const QString TermDoneBlank = QStringLiteral("Click + or - or sketch curve as appropriate ");
const QString CoefficientNotNumber = QStringLiteral("The coefficient is not a number.");
const QString EquationFull = QStringLiteral("The equation cannot hold more than 26 terms.");

} // namespace

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
    assignText(TxtCoeff, QString());
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
        dialogs().message(EquationFull);
        return;
    }
    if (text != u"1")
        TxtEquation->setText(TxtEquation->text() + QStringLiteral(" (") + text + QStringLiteral(") "));
    state.TermCoefficients[static_cast<std::size_t>(state.TermIndex)] = *coefficient;
    setTermButtonsEnabled(true);
    // The first term in reading order, before Continue is disabled: Qt would move the focus on to
    // wherever its search lands, through every control a screen reader then names.
    CmdXFive->setFocus();
    lblDes->setText(QStringLiteral("Now select appropriate term."));
    for (QWidget *w : std::initializer_list<QWidget *>{CmdGrid, CmdContin, cmdSketch, TxtCoeff, LblCoefficient})
        w->setEnabled(false);
}

void FrmMain::joinTerms(const QString &joint, std::int16_t sign)
{
    // A sign with no room for its term would leave the equation unable to be sketched.
    if (state.full()) {
        dialogs().message(EquationFull);
        return;
    }
    TxtEquation->setText(TxtEquation->text() + joint);
    state.TermSign = sign;
    // The next coefficient's box takes the focus before the signs are disabled under it.
    TxtCoeff->setEnabled(true);
    LblCoefficient->setEnabled(true);
    TxtCoeff->setFocus();
    CmdPlus->setEnabled(false);
    CmdMinus->setEnabled(false);
    lblDes->setText(QStringLiteral("Enter the next coefficient "));
    CmdContin->setEnabled(true);
    cmdSketch->setEnabled(false);
}

void FrmMain::termClick(TermId id)
{
    const TermKind &kind = termKind(id);
    const double coefficient = state.TermCoefficients[static_cast<std::size_t>(std::clamp<int>(state.TermIndex, 0, EquationState::Slots - 1))];
    double a = 0;
    for (;;) {
        if (kind.factor)
            a = askFactor(dialogs(), *kind.factor);
        // log x keeps x = 0 and negative x out, for this term and the rest of the equation.
        if (kind.positiveOnly && plot.FirstColumn < OriginColumn + 1)
            plot.FirstColumn = OriginColumn + 1;
        if (kind.store(state, plot, a))
            break;
        // Only a factor can fail a term (a negative x to a fractional power): ask again.
        if (!kind.factor || state.full())
            return;
        dialogs().message(QString::fromLatin1(kind.factor->notNumber));
    }
    TxtEquation->setText(TxtEquation->text() + termText(kind, a, coefficient));
    cmdSketch->setEnabled(true);
    CmdPlus->setEnabled(true);
    CmdMinus->setEnabled(true);
    // Where Qt's search would end, without passing through the term buttons as they are disabled.
    if (const auto terms = termButtons(); std::find(terms.begin(), terms.end(), focusWidget()) != terms.end())
        CmdPlus->setFocus();
    setTermButtonsEnabled(false);
    lblDes->setText(kind.blankInstruction ? TermDoneBlank : TermDone);
}

void FrmMain::cmdSketch_Click()
{
    if (TxtStartX->text().isEmpty() || TxtEndX->text().isEmpty()) {
        dialogs().message(QStringLiteral("Please enter the domain of X."));
        return;
    }
    windows().frmCurve()->showInFront();
    // The label is measured in this window's font and printed in the surface's.
    sketchCurve(*windows().frmCurve()->PicCurve, state, plot, TxtEquation->text(), font(), programRandom());
    windows().frmCurve()->curveDrawn(QStringLiteral("y=") + TxtEquation->text());
}

} // namespace zelta
