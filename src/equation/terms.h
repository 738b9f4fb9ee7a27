// The term procedure: the values of one coefficient x term, stored for every column of the domain.
#pragma once

#include "equation/state.h"
#include "platform/vectorstate.h"
#include "plot/geometry.h"

#include <cmath>
#include <optional>

namespace zelta {

// The cells a term is about to write: its row, the columns of the domain within the table,
// and the old values of those cells, kept to be put back if the term fails.
struct TermRow {
    double *cells = nullptr; // null when every slot is taken
    int first = 0, last = -1;
    double coefficient = 0;
    double sign = 1;
};

TermRow openTermRow(EquationState &state, const PlotSettings &settings);
// Advances TermIndex when every value could be computed; otherwise puts the old cells back.
bool closeTermRow(EquationState &state, const TermRow &row, bool computed);

// Computes f(coefficient, x) x sign for every column of the domain (skipping
// `skipColumn`) and, only when every value could be computed (no NaN), keeps the
// row in the next free slot and advances TermIndex. On failure, or when every
// slot is taken, the state is left exactly as it was.
// The function is inlined into the loop: one call per column would cost as much as a sine.
template <typename F>
bool addTermValues(EquationState &state, const PlotSettings &settings, const F &f,
                   std::optional<int> skipColumn = std::nullopt)
{
    const TermRow row = openTermRow(state, settings);
    if (!row.cells)
        return false;
    clearVectorState();
    const int skip = skipColumn.value_or(-1);
    bool computed = true;
    for (int c = row.first; c <= row.last; ++c) {
        if (c == skip)
            continue;
        const double v = f(row.coefficient, xOfColumn(c, settings.UnitTwips));
        computed &= !std::isnan(v);
        row.cells[c] = v * row.sign;
    }
    return closeTermRow(state, row, computed);
}

} // namespace zelta
