#include "equation/termkinds.h"

#include "platform/numbers.h"

#include <cmath>

namespace zelta {

namespace {

const FactorEntry Exponent{"Enter the value of a below. Only integers(between 0-10) are the acceptable choice", 0,
                           10, "Please enter a valid value", " Please enter a valid value. "};
const FactorEntry Scale{" Enter the value of a.Only integers (between 1 and 10) are acceptable.", 1, 10,
                        "Please enter a valid value.", " Please enter a valid value."};
const FactorEntry Base{" Enter the value of a.Only integers (between 1 and 20) are acceptable.", 1, 20,
                       "Please enter a valid value.", " Please enter a valid value."};

} // namespace

// clang-format off
const std::array<TermKind, 13> TermKinds{{
    {TermId::XSquare, "CmdXSquare", "x^2", "", [](double c, double x, double) { return c * std::pow(x, 2); }, nullptr, false, {}, false},
    {TermId::XCube, "CmdXCube", "x^3", "", [](double c, double x, double) { return c * std::pow(x, 3); }, nullptr, true, {}, false},
    {TermId::XFive, "CmdXFive", "x", "", [](double c, double x, double) { return c * x; }, nullptr, false, {}, false},
    // Computed as a division, not as a product with 1/x; x = 0 is left out.
    {TermId::XFour, "CmdXFour", "(1/x)", "", [](double c, double x, double) { return c / x; }, nullptr, false, 4600, false},
    {TermId::XY, "CmdXY", "x^", "", [](double c, double x, double a) { return c * std::pow(x, a); }, &Exponent, true, {}, false},
    {TermId::Sin, "Cmdsin", "sin x", "", [](double c, double x, double) { return c * std::sin(x); }, nullptr, true, {}, false},
    {TermId::Cos, "Cmdcos", "cos x", "", [](double c, double x, double) { return c * std::cos(x); }, nullptr, true, {}, false},
    {TermId::Tan, "Cmdtan", "tan x", "", [](double c, double x, double) { return c * std::tan(x); }, nullptr, true, {}, false},
    {TermId::Log, "Cmdlog", "log x", "", [](double c, double x, double) { return c * std::log(x); }, nullptr, true, {}, true},
    {TermId::AX, "CmdAX", "(", "^x)", [](double c, double x, double a) { return c * std::pow(a, x); }, &Base, true, {}, false},
    {TermId::SinAX, "cmdSinAX", "sin", "x", [](double c, double x, double a) { return c * std::sin(a * x); }, &Scale, true, {}, false},
    {TermId::CosAX, "cmdCosAX", "cos", "x", [](double c, double x, double a) { return c * std::cos(a * x); }, &Scale, true, {}, false},
    {TermId::TanAX, "cmdTanAX", "tan", "x", [](double c, double x, double a) { return c * std::tan(a * x); }, &Scale, true, {}, false},
}};
// clang-format on

const TermKind &termKind(TermId id) { return TermKinds[static_cast<std::size_t>(id)]; }

QString termText(const TermKind &kind, double a, double coefficient)
{
    if (!kind.factor)
        return QString::fromLatin1(kind.text);
    if (kind.id == TermId::XY && a == 0)
        return coefficient == 1 ? QStringLiteral("1") : QString();
    return QString::fromLatin1(kind.text) + generalNumber(a) + QString::fromLatin1(kind.suffix);
}

double askFactor(DialogService &dialogs, const FactorEntry &entry)
{
    for (;;) {
        const auto a = readNumber(dialogs.input(QString::fromLatin1(entry.prompt)));
        if (!a)
            dialogs.message(QString::fromLatin1(entry.notNumber));
        else if (*a < entry.min || *a > entry.max)
            dialogs.message(QString::fromLatin1(entry.outOfRange));
        else
            return *a;
    }
}

} // namespace zelta
