// Where the surface's operations become device pixels: the screen's image, drawn pixel by pixel,
// and any painter (picture files, paper). Both round twips as the screen does, so a record
// replayed at the screen's scale is the screen's picture.
#pragma once

#include "platform/twips.h"
#include "plot/geometry.h"
#include "plot/surfacerecord.h"

#include <QImage>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <vector>

class QPainter;

namespace zelta {

class DeviceScale {
public:
    // Device pixels per screen pixel of 15 twips: the screen's ratio, 2 or 4 for a larger
    // picture, 15 when a device pixel is one twip.
    explicit DeviceScale(double scale);
    double scale() const { return m_scale; }
    // A line's width and a point's side in device pixels.
    int thickness() const { return m_thickness; }
    double at(double twips) const { return twipsToDevice(twips, m_scale); }
    // The whole surface in device pixels, to the twip.
    QRectF surface() const { return m_surface; }
    // The whole pixels an image of the surface has.
    QSize pixels() const { return QSize(static_cast<int>(at(SurfaceWidth)), static_cast<int>(at(SurfaceHeight))); }
    // The device rectangle of a line along a row or a column; an empty one for a slanted line.
    QRectF straightLine(float x1, float y1, float x2, float y2) const;
    // The rectangle a point covers, within the surface (empty when off it). Clipped in floating
    // point: a point far off the surface must not reach a painter's integers.
    QRectF point(float x, float y) const
    {
        const double dx = at(x), dy = at(y);
        // Written so that a position that is not a number is off the surface too.
        if (!(dx + m_thickness > 0 && dx < m_surface.right() && dy + m_thickness > 0 && dy < m_surface.bottom()))
            return QRectF();
        const double left = std::max(0.0, dx), top = std::max(0.0, dy);
        const double right = std::min(m_surface.right(), dx + m_thickness);
        const double bottom = std::min(m_surface.bottom(), dy + m_thickness);
        return QRectF(left, top, right - left, bottom - top);
    }

private:
    double m_scale;
    int m_thickness;
    QRectF m_surface;
};

// A slanted line one thickness wide, unsmoothed, between device positions.
void drawSlantedLine(QPainter &painter, QPointF from, QPointF to, int thickness, QRgb colour);
// Text as the surface prints it, on a painter whose unit is a device pixel at the given scale.
void drawSurfaceText(QPainter &painter, const DeviceScale &scale, const SurfaceRecord::Text &text);

// The screen's picture: written straight into the image's pixels.
class ImageCanvas {
public:
    explicit ImageCanvas(double scale);
    const QImage &image() const { return m_image; }
    const DeviceScale &deviceScale() const { return m_scale; }

    void clear();
    void line(float x1, float y1, float x2, float y2, QRgb colour);
    void point(float x, float y, QRgb colour) { fill(m_scale.point(x, y), colour); }
    void points(float firstColumn, const float *rows, std::size_t count, QRgb colour);
    void text(const SurfaceRecord::Text &text);

private:
    void fill(const QRectF &rect, QRgb colour);

    DeviceScale m_scale;
    QImage m_image; // device pixels
};

// How slanted lines reach a painter: as lines, or as the very pixels the screen sets, for a
// vector picture that must look like the screen's at 96 dpi.
enum class SlantedLines { Stroked, AsScreenPixels };

// Replays the record on a white surface, clipped to it, on a painter whose unit is one device
// pixel at the given scale (see DeviceScale).
void replay(const SurfaceRecord &record, QPainter &painter, double scale,
            SlantedLines slanted = SlantedLines::Stroked);
// The record replayed into a new image of the surface's size at the scale.
QImage replayedImage(const SurfaceRecord &record, double scale);

} // namespace zelta
