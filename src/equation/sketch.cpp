#include "equation/sketch.h"

#include "platform/numbers.h"
#include "platform/twips.h"
#include "platform/vectorstate.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace zelta {

QRgb nextCurveColour(RandomSequence &random)
{
    const float r1 = random.next();
    const float r2 = random.next();
    const float r3 = random.next();
    return qRgb(static_cast<int>(roundHalfEven(r1 * 155.0)), static_cast<int>(roundHalfEven(r2 * 205.0)),
                static_cast<int>(roundHalfEven(r3 * 255.0)));
}

void countCurve(EquationState &state)
{
    if (state.CurveCount < std::numeric_limits<std::int16_t>::max())
        ++state.CurveCount;
}

void plotStoredCurve(PlotSurface &surface, EquationState &state, const PlotSettings &settings)
{
    const int first = std::max<int>(settings.FirstColumn, 0);
    const int last = std::min<int>(settings.LastColumn, EquationState::Columns - 1);
    if (first > last)
        return;
    const int terms = std::clamp<int>(state.TermIndex, 0, EquationState::Slots);
    double *sums = state.CurveValues.data();
    clearVectorState();
    // Term by term over the columns keeps each column's order of addition and reads the table in order.
    for (int t = 0; t < terms; ++t) {
        const double *row = state.row(t);
        for (int c = first; c <= last; ++c)
            sums[c] = row[c] + sums[c];
    }
    plotRows(surface, first, static_cast<std::size_t>(last - first + 1), [&](std::size_t i) {
        double &sum = sums[first + static_cast<int>(i)];
        const double row = OriginRow - sum * settings.UnitTwips;
        sum = 0;
        return row;
    });
}

double labelWidth(const QFont &font, const QString &text)
{
    return pixelsToTwips(QFontMetricsF(font).horizontalAdvance(text));
}

void printCurveLabel(PlotSurface &surface, std::int16_t curveCount, const QString &label,
                     const QString &measuringText, const QFont &measureFont)
{
    const int row = (curveCount - 1) * 200;
    if (row > std::numeric_limits<std::int16_t>::max() || row < std::numeric_limits<std::int16_t>::min())
        return;
    surface.setCurrentX(static_cast<float>(9000 - labelWidth(measureFont, measuringText)));
    surface.setCurrentY(static_cast<float>(row));
    surface.Print(label);
}

void startCurve(PlotSurface &surface, EquationState &state, RandomSequence &random)
{
    countCurve(state);
    surface.setForeColor(nextCurveColour(random));
    surface.beginCurve();
}

void sketchCurve(PlotSurface &surface, EquationState &state, const PlotSettings &settings,
                 const QString &equation, const QFont &measureFont, RandomSequence &random)
{
    startCurve(surface, state, random);
    plotStoredCurve(surface, state, settings);
    const QString label = QStringLiteral("y=") + equation;
    printCurveLabel(surface, state.CurveCount, label, label + u' ', measureFont);
}

} // namespace zelta
