#include "equation/termkinds.h"

#include "equation/terms.h"
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

// coefficient x f(x), before the sign; a is the factor.
using TermValue = double (*)(double c, double x, double a);

// One loop per kind, with its function inlined.
template <TermValue value, int skipColumn = -1>
bool store(EquationState &state, const PlotSettings &settings, double a)
{
    const auto f = [a](double c, double x) { return value(c, x, a); };
    return addTermValues(state, settings, f, skipColumn < 0 ? std::nullopt : std::optional<int>(skipColumn));
}

double xSquare(double c, double x, double) { return c * std::pow(x, 2); }
double xCube(double c, double x, double) { return c * std::pow(x, 3); }
double xFive(double c, double x, double) { return c * x; }
// Computed as a division, not as a product with 1/x.
double xFour(double c, double x, double) { return c / x; }
double xPowerA(double c, double x, double a) { return c * std::pow(x, a); }
double sinX(double c, double x, double) { return c * std::sin(x); }
double cosX(double c, double x, double) { return c * std::cos(x); }
double tanX(double c, double x, double) { return c * std::tan(x); }
double logX(double c, double x, double) { return c * std::log(x); }
double aPowerX(double c, double x, double a) { return c * std::pow(a, x); }
double sinAX(double c, double x, double a) { return c * std::sin(a * x); }
double cosAX(double c, double x, double a) { return c * std::cos(a * x); }
double tanAX(double c, double x, double a) { return c * std::tan(a * x); }

} // namespace

// clang-format off
const std::array<TermKind, 13> TermKinds{{
    {TermId::XSquare, "x^2", "", store<xSquare>, nullptr, false, false},
    {TermId::XCube, "x^3", "", store<xCube>, nullptr, true, false},
    {TermId::XFive, "x", "", store<xFive>, nullptr, false, false},
    // x = 0 is left out.
    {TermId::XFour, "(1/x)", "", store<xFour, 4600>, nullptr, false, false},
    {TermId::XY, "x^", "", store<xPowerA>, &Exponent, true, false},
    {TermId::Sin, "sin x", "", store<sinX>, nullptr, true, false},
    {TermId::Cos, "cos x", "", store<cosX>, nullptr, true, false},
    {TermId::Tan, "tan x", "", store<tanX>, nullptr, true, false},
    {TermId::Log, "log x", "", store<logX>, nullptr, true, true},
    {TermId::AX, "(", "^x)", store<aPowerX>, &Base, true, false},
    {TermId::SinAX, "sin", "x", store<sinAX>, &Scale, true, false},
    {TermId::CosAX, "cos", "x", store<cosAX>, &Scale, true, false},
    {TermId::TanAX, "tan", "x", store<tanAX>, &Scale, true, false},
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
