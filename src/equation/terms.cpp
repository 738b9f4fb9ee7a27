#include "equation/terms.h"

#include <algorithm>
#include <array>

namespace zelta {

namespace {
// The cells of the row being written, as they were; one term is written at a time.
std::array<double, EquationState::Columns> savedCells;
} // namespace

TermRow openTermRow(EquationState &state, const PlotSettings &settings)
{
    TermRow row;
    if (state.full() || state.TermIndex < 0)
        return row;
    const int slot = state.TermIndex;
    row.cells = state.row(slot);
    row.first = std::max<int>(settings.FirstColumn, 0);
    row.last = std::min<int>(settings.LastColumn, EquationState::Columns - 1);
    row.coefficient = state.TermCoefficients[static_cast<std::size_t>(slot)];
    row.sign = state.TermSign;
    if (row.first <= row.last)
        std::copy(row.cells + row.first, row.cells + row.last + 1, savedCells.begin() + row.first);
    return row;
}

bool closeTermRow(EquationState &state, const TermRow &row, bool computed)
{
    if (!computed) {
        if (row.first <= row.last)
                std::copy(savedCells.begin() + row.first, savedCells.begin() + row.last + 1, row.cells + row.first);
        return false;
    }
    ++state.TermIndex;
    return true;
}

} // namespace zelta
