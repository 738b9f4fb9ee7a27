// The equation being built: one stored row of values per term, and the counters of the workflow.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zelta {

struct EquationState {
    static constexpr int Slots = 26;
    static constexpr int Columns = 10001;

    EquationState() : TermTable(static_cast<std::size_t>(Slots) * Columns, 0.0) {}

    double &term(int slot, int column) { return TermTable[static_cast<std::size_t>(slot) * Columns + column]; }
    double term(int slot, int column) const { return TermTable[static_cast<std::size_t>(slot) * Columns + column]; }
    double *row(int slot) { return TermTable.data() + static_cast<std::size_t>(slot) * Columns; }
    void clearTerms() { std::fill(TermTable.begin(), TermTable.end(), 0.0); }
    bool full() const { return TermIndex >= Slots; }

    std::vector<double> TermTable; // Slots x Columns, row by row
    std::array<double, Slots> TermCoefficients{};
    std::vector<double> CurveValues = std::vector<double>(Columns, 0.0);
    std::int16_t TermIndex = 0;
    std::int16_t TermSign = 1;
    std::int16_t CurveCount = 0;
    bool GridDrawn = false;
    bool GridSet = false;
};

} // namespace zelta
