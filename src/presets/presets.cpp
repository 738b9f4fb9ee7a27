#include "presets/presets.h"

#include "equation/sketch.h"
#include "platform/vectorstate.h"
#include "plot/geometry.h"

#include <cmath>
#include <vector>

namespace zelta {

// clang-format off
const std::array<Preset, 9> Presets{{
    {"mnuCur01", "&y=x", [](double x) { return x; }, 1, 9200, {}, "y=x ", "y=x", "y equals x"},
    {"mnuCurve02", "&y=x^2", [](double x) { return std::pow(x, 2); }, 1, 9200, {}, "y=x^2 ", "y=x^2 ", "y equals x squared"},
    {"mnuCurve03", "&y=x^3", [](double x) { return std::pow(x, 3); }, 1, 9200, {}, "y=x^3 ", "y=x^3 ", "y equals x cubed"},
    {"mnuOneOver", "&y=1/x", [](double x) { return 1 / x; }, 1, 9200, 4600, "y=1/x ", "y=1/x ", "y equals one over x"},
    {"mnuOverSquare", "&y=1/(x^2)", [](double x) { return 1 / std::pow(x, 2); }, 1, 9200, 4600, "y=1/(x^2) ", "y=1/(x^2)", "y equals one over x squared"},
    {"mnuCurve04", "&y=sin x", [](double x) { return std::sin(x); }, 1, 9200, {}, "y=sin x ", "y=sin x", "y equals sine x"},
    {"mnuCurve05", "&y=cos x", [](double x) { return std::cos(x); }, 1, 9200, {}, "y=cos x ", "y=cos x", "y equals cosine x"},
    {"mnuCurve06", "&y=tan x", [](double x) { return std::tan(x); }, 1, 9200, {}, "y=tan x ", "y=tan x", "y equals tangent x"},
    {"mnuLog", "&y=log x", [](double x) { return std::log(x); }, 4601, 9200, {}, "y=log x ", "y=log x", "y equals natural log x"},
}};
// clang-format on

void plotPreset(PlotSurface &surface, const Preset &preset, std::int16_t unitTwips)
{
    clearVectorState();
    plotRows(surface, preset.firstColumn, static_cast<std::size_t>(preset.lastColumn - preset.firstColumn + 1), [&](std::size_t i) {
        const int c = preset.firstColumn + static_cast<int>(i);
        return c == preset.skipColumn ? std::nan("") : OriginRow - unitTwips * preset.f(xOfColumn(c, unitTwips));
    });
}

void drawPreset(PlotSurface &surface, EquationState &state, std::int16_t unitTwips, const Preset &preset,
                const QFont &measureFont, RandomSequence &random)
{
    startCurve(surface, state, random);
    plotPreset(surface, preset, unitTwips);
    printCurveLabel(surface, state.CurveCount, QString::fromLatin1(preset.label),
                    QString::fromLatin1(preset.measuringText), measureFont);
}

} // namespace zelta
