// The thirteen kinds of term the equation is built from: the text each appends to the equation,
// its value at a column, and the factor a it asks for, if any.
#pragma once

#include "equation/state.h"
#include "platform/dialogs.h"
#include "plot/geometry.h"

#include <QString>
#include <array>

namespace zelta {

enum class TermId { XSquare, XCube, XFive, XFour, XY, Sin, Cos, Tan, Log, AX, SinAX, CosAX, TanAX };

// An input box that asks for a factor until the reply is a number within min..max.
struct FactorEntry {
    const char *prompt;
    double min, max;
    const char *notNumber;  // the message for a reply that is no number (Cancel and empty included)
    const char *outOfRange; // the message for a number outside min..max
};

struct TermKind {
    TermId id;
    // The text appended; a term with a factor appends text, the factor in the general form, then suffix.
    const char *text;
    const char *suffix;
    // Stores coefficient x f(x) x sign for the domain in the next slot (a is the factor, 0 when
    // none is asked); false, and nothing changed, when a value cannot be computed.
    bool (*store)(EquationState &state, const PlotSettings &settings, double a);
    const FactorEntry *factor;
    bool blankInstruction; // the instruction afterwards ends with a blank
    bool positiveOnly; // narrows the domain to x > 0 for this and every later term
};

extern const std::array<TermKind, 13> TermKinds;
const TermKind &termKind(TermId id);

// The text a term appends. x^0 writes "1" after the coefficient 1 and nothing after another one.
QString termText(const TermKind &kind, double a, double coefficient);
// Asks for the factor until the reply is acceptable; each refusal shows its message.
double askFactor(DialogService &dialogs, const FactorEntry &entry);

} // namespace zelta
