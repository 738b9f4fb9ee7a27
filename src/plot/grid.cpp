#include "plot/grid.h"

#include "plot/geometry.h"

namespace zelta {

namespace {
constexpr QRgb AxisColour = qRgb(100, 100, 100);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr int Tick = 50;
} // namespace

void drawGrid(PlotSurface &s, std::int16_t xAxis, std::int16_t yAxis, double scaleXY)
{
    for (int r = 0; r <= SurfaceHeight; r += SmallBox)
        s.Line(1, r, SurfaceWidth, r, SmallBoxColour);
    for (int c = 0; c <= SurfaceWidth; c += SmallBox)
        s.Line(c, 1, c, SurfaceHeight, SmallBoxColour);

    // A row of the X half axes: big-box line, tick, label at the tick's end.
    const auto rowMark = [&](int r, double label) {
        s.Line(0, r, SurfaceWidth, r, BigBoxColour);
        s.Line(yAxis - Tick, r, yAxis + Tick, r, Black);
        s.Print(label);
    };
    const auto columnMark = [&](int c, double label) {
        s.Line(c, 0, c, SurfaceHeight, BigBoxColour);
        s.Line(c, xAxis - Tick, c, xAxis + Tick, Black);
        s.Print(label);
    };

    double down = 0, up = 0, right = 0, left = 0;
    for (int r = xAxis; r <= SurfaceHeight; r += BigBox, down -= scaleXY)
        rowMark(r, down);
    for (int r = xAxis; r >= 0; r -= BigBox, up += scaleXY)
        rowMark(r, up);
    s.setCurrentX(yAxis + Tick);
    s.setCurrentY(25);
    s.Print(QStringLiteral("y"));
    for (int c = yAxis; c <= SurfaceWidth; c += BigBox, right += scaleXY)
        columnMark(c, right);
    s.setCurrentX(9000);
    s.setCurrentY(xAxis + 25);
    s.Print(QStringLiteral("x"));
    for (int c = yAxis; c >= 0; c -= BigBox, left -= scaleXY)
        columnMark(c, left);

    s.Line(0, xAxis, SurfaceWidth, xAxis, AxisColour);
    s.Line(yAxis, 0, yAxis, SurfaceHeight, AxisColour);
    s.Line(9000, xAxis - Tick, 9100, xAxis, Black);
    s.LineTo(9000, xAxis + Tick, Black);
    s.Line(yAxis - Tick, 100, yAxis, 0, Black);
    s.LineTo(yAxis + Tick, 100, Black);
    s.setFontName(QStringLiteral("Arial"));
}

} // namespace zelta
