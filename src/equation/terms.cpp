#include "equation/terms.h"

#include <algorithm>
#include <cmath>

namespace zelta {

bool addTermValues(EquationState &state, const PlotSettings &settings, const TermFunction &f,
                   std::optional<int> skipColumn)
{
    if (state.full() || state.TermIndex < 0)
        return false;
    const int slot = state.TermIndex;
    const int first = std::max<int>(settings.FirstColumn, 0);
    const int last = std::min<int>(settings.LastColumn, EquationState::Columns - 1);
    const double coefficient = state.TermCoefficients[static_cast<std::size_t>(slot)];
    const double sign = state.TermSign;

    // Computed into a scratch row first, so a failing term leaves the table alone.
    double *row = state.row(slot);
    std::vector<double> scratch(row, row + EquationState::Columns);
    for (int c = first; c <= last; ++c) {
        if (skipColumn && c == *skipColumn)
            continue;
        const double v = f(coefficient, xOfColumn(c, settings.UnitTwips));
        if (std::isnan(v))
            return false;
        scratch[static_cast<std::size_t>(c)] = v * sign;
    }
    std::copy(scratch.begin(), scratch.end(), row);
    ++state.TermIndex;
    return true;
}

} // namespace zelta
