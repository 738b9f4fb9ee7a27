// The record drawn as vectors for files and paper: each curve as polylines through its points,
// the grid as lines, the texts as text, in the printing choices.
#pragma once

#include "plot/printoptions.h"
#include "plot/surfacerecord.h"

class QPainter;

namespace zelta {

// Replays the record, clipped to the surface, on a painter whose unit is one device pixel at the
// given scale (see DeviceScale); boldWidth is the width of bold lines in those units.
void replayVectors(const SurfaceRecord &record, QPainter &painter, double scale, const PictureOptions &options,
                   double boldWidth);

// The width of bold lines, 0.6 mm on paper, in device units of a picture zoomed on paper.
double boldWidthOnPaper(double scale, double zoom);

} // namespace zelta
