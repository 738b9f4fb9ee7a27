// Twips (1/1440 inch) are the unit of every position and size; 15 twips make one logical pixel.
#pragma once

#include <QRect>
#include <cmath>

namespace zelta {

inline constexpr double TwipsPerPixel = 15.0;

// A length or position in twips as logical pixels.
inline int twipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / TwipsPerPixel)); }
inline double pixelsToTwips(double pixels) { return pixels * TwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
// A surface position in twips as a device pixel index at the given device pixel ratio.
inline double twipsToDevice(double twips, double dpr) { return std::floor(twips * dpr / TwipsPerPixel); }

} // namespace zelta
