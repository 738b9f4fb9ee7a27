// Drawing the equation: one point per column in the curve's colour, and its label.
#pragma once

#include "equation/state.h"
#include "platform/random.h"
#include "plot/geometry.h"
#include "plot/plotsurface.h"

#include <QFont>
#include <QRgb>
#include <QString>

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace zelta {

// RGB(r1 x 155, r2 x 205, r3 x 255) from the next three numbers, rounded half to even.
QRgb nextCurveColour(RandomSequence &random);

// Counts one more curve; the count stops at the largest 16-bit value.
void countCurve(EquationState &state);

// Sets a point in the surface's ForeColor at each of count columns from firstColumn on, at the row
// rowOf(i) gives for the i-th; a row too far off to place (not a number, beyond single precision)
// is left out like any other point off the surface, and so is a column given the row NaN.
template <class RowOf>
void plotRows(PlotSurface &surface, int firstColumn, std::size_t count, RowOf rowOf)
{
    // Runs of placed points go to the surface whole; a row not placed ends a run.
    static thread_local std::vector<float> run;
    static thread_local std::vector<double> kept;
    run.clear();
    kept.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= count; ++i) {
        const double row = i < count ? rowOf(i) : std::nan("");
        if (!std::isnan(row) && std::abs(row) <= std::numeric_limits<float>::max()) {
            run.push_back(static_cast<float>(row));
            kept.push_back(row);
            continue;
        }
        if (i < count)
            kept.push_back(std::nan(""));
        surface.PSetRow(static_cast<float>(firstColumn) + static_cast<float>(start), run.data(), run.size());
        run.clear();
        start = i + 1;
    }
    surface.keepRows(firstColumn, kept.data(), kept.size());
}

// Sets one point per column of the domain at the row of the sum of all stored terms,
// in the surface's ForeColor. Points too far off to place (not a number, beyond single
// precision) are skipped.
void plotStoredCurve(PlotSurface &surface, EquationState &state, const PlotSettings &settings);

// Width in twips of a label's measuring text in the given font.
double labelWidth(const QFont &font, const QString &text);

// Prints the label from column 9000 less the width of its measuring text (the label and one
// blank, in the main window's font) on label line curveCount - 1. Lines beyond the 16-bit row
// range get no label.
void printCurveLabel(PlotSurface &surface, std::int16_t curveCount, const QString &label,
                     const QString &measuringText, const QFont &measureFont);

// Every new curve starts so: one more curve counted, and the next colour.
void startCurve(PlotSurface &surface, EquationState &state, RandomSequence &random);

// A new curve of the stored terms, labelled "y=" + equation.
void sketchCurve(PlotSurface &surface, EquationState &state, const PlotSettings &settings,
                 const QString &equation, const QFont &measureFont, RandomSequence &random);

} // namespace zelta
