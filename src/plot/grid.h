// The squared paper: small and big boxes, axes with ticks, labels and arrow heads.
#pragma once

#include "plot/plotsurface.h"

#include <cstdint>

namespace zelta {

inline constexpr QRgb SmallBoxColour = qRgb(230, 230, 230);
inline constexpr QRgb BigBoxColour = qRgb(190, 190, 190);
// On paper with bold lines the grid is a shade darker, to survive a photocopier.
inline constexpr QRgb BoldSmallBoxColour = qRgb(200, 200, 200);
inline constexpr QRgb BoldBigBoxColour = qRgb(150, 150, 150);

// Draws the grid with the X axis on row xAxis and the Y axis on column yAxis, labels
// stepping by scaleXY; then sets the surface font to "Arial" for all later text.
void drawGrid(PlotSurface &surface, std::int16_t xAxis, std::int16_t yAxis, double scaleXY);

} // namespace zelta
