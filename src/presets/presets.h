// The nine curves of the General Curves menu, drawn across the whole surface without an equation.
#pragma once

#include "equation/state.h"
#include "platform/random.h"
#include "plot/plotsurface.h"

#include <QFont>

#include <array>
#include <cstdint>
#include <optional>

namespace zelta {

struct Preset {
    const char *menuItem; // objectName of its menu item
    const char *caption;  // menu caption, with its access key
    double (*f)(double x);
    int firstColumn, lastColumn;
    std::optional<int> skipColumn;
    const char *measuringText; // the label is placed by the width of this text
    const char *label;         // the text printed
    const char *spoken;        // what a screen reader says for the menu item, in the term buttons' words
};

extern const std::array<Preset, 9> Presets;

// One point per column of the preset's range in the surface's ForeColor.
void plotPreset(PlotSurface &surface, const Preset &preset, std::int16_t unitTwips);

// A preset as a new curve: counted, in the next colour, with its label.
void drawPreset(PlotSurface &surface, EquationState &state, std::int16_t unitTwips, const Preset &preset,
                const QFont &measureFont, RandomSequence &random);

} // namespace zelta
