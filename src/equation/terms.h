// The term procedure: the values of one coefficient x term, stored for every column of the domain.
#pragma once

#include "equation/state.h"
#include "plot/geometry.h"

#include <cmath>
#include <functional>
#include <optional>

namespace zelta {

// A term's value before the sign: coefficient and x in, coefficient x f(x) out.
using TermFunction = std::function<double(double coefficient, double x)>;

// Computes f(coefficient, x) x sign for every column of the domain (skipping
// `skipColumn`) and, only when every value could be computed (no NaN), stores the
// row in the next free slot and advances TermIndex. On failure, or when every
// slot is taken, the state is left exactly as it was.
bool addTermValues(EquationState &state, const PlotSettings &settings, const TermFunction &f,
                   std::optional<int> skipColumn = std::nullopt);

} // namespace zelta
