// The plot geometry: a 9200 x 6800 twip surface with the origin at column 4600, row 3400,
// and the four grid scales the user chooses from.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace zelta {

inline constexpr int SurfaceWidth = 9200;
inline constexpr int SurfaceHeight = 6800;
inline constexpr std::int16_t OriginColumn = 4600;
inline constexpr std::int16_t OriginRow = 3400;
inline constexpr int BigBox = 500;
inline constexpr int SmallBox = 50;

struct ScaleRow {
    const char *caption;    // option button caption
    double boxUnits;        // units one big box stands for
    std::int16_t unitTwips; // twips per unit
    double xLimit;          // largest magnitude of a domain end
    const char *inGrid;     // caption of LblInGrid
    const char *scale;      // caption of LblScale; the default domain is -xLimit..xLimit
};

inline constexpr std::array<ScaleRow, 4> Scales{{
    {"One big square represents half a unit in each axis", 0.5, 1000, 4.5,
     "The starting and ending X values can have values in the range -4.5 to 4.5",
     "Scale: One big box represents half a unit on each axis"},
    {"One big square represents one unit on each axis", 1, 500, 9,
     "The starting and ending X values can have values in the range -9 to 9",
     "Scale: One big box represents one unit on each axis"},
    {"One big square represents two units on each axis", 2, 250, 18,
     "The starting and ending X values can have values in the range -18 to 18",
     "Scale: One big box represents two units on each axis"},
    {"One big square represents four units on each axis", 4, 125, 36,
     "The starting and ending X values can have values in the range -36 to 36",
     "Scale: One big box represents four units on each axis"},
}};

// The scale and domain variables of the main window.
struct PlotSettings {
    double BoxUnits = 1;
    std::int16_t UnitTwips = 500;
    double XLimit = 9;
    std::int16_t FirstColumn = 0;
    std::int16_t LastColumn = 0;
};

// Column of a plot x value, rounded half to even; nothing when it leaves 16 bits.
std::optional<std::int16_t> columnOf(double x, std::int16_t unitTwips);
// Plot x value of a column.
inline double xOfColumn(int column, std::int16_t unitTwips)
{
    return static_cast<double>(column - OriginColumn) / unitTwips;
}
// Row of a plot y value, single precision and unrounded.
inline float rowOf(double y, std::int16_t unitTwips)
{
    return static_cast<float>(OriginRow - y * unitTwips);
}

} // namespace zelta
