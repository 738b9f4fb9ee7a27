// The squared paper: small and big boxes, axes with ticks, labels and arrow heads.
#pragma once

#include "plot/plotsurface.h"

#include <cstdint>

namespace zelta {

// Draws the grid with the X axis on row xAxis and the Y axis on column yAxis, labels
// stepping by scaleXY; then sets the surface font to "Arial" for all later text.
void drawGrid(PlotSurface &surface, std::int16_t xAxis, std::int16_t yAxis, double scaleXY);

} // namespace zelta
