#include "plot/canvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zelta {

DeviceScale::DeviceScale(double scale)
    : m_scale(scale), m_thickness(std::max(1, static_cast<int>(std::lround(scale)))),
      m_surface(0, 0, SurfaceWidth * scale / TwipsPerPixel, SurfaceHeight * scale / TwipsPerPixel)
{
}

QRectF DeviceScale::straightLine(float x1, float y1, float x2, float y2) const
{
    const double dx1 = at(x1), dy1 = at(y1), dx2 = at(x2), dy2 = at(y2);
    if (dy1 != dy2 && dx1 != dx2)
        return QRectF();
    return QRectF(std::min(dx1, dx2), std::min(dy1, dy2), std::abs(dx2 - dx1) + m_thickness,
                  std::abs(dy2 - dy1) + m_thickness);
}

void drawSlantedLine(QPainter &painter, QPointF from, QPointF to, int thickness, QRgb colour)
{
    painter.setPen(QPen(QColor(colour), thickness, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
}

void drawSurfaceText(QPainter &painter, const DeviceScale &scale, const SurfaceRecord::Text &text)
{
    // Sized as on a 96 dpi screen whatever the device's resolution; the painter's scale enlarges it.
    QFont font = text.font;
    const int dpi = painter.device()->logicalDpiY();
    if (dpi != 96 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 96 / dpi);
    // Unsmoothed, so every pixel of the text is exactly its colour.
    font.setStyleStrategy(QFont::NoAntialias);
    // A face of bitmaps alone (MS Sans Serif) cannot go into a file or onto paper: Tahoma was
    // made to replace it, with its metrics.
    if (painter.device()->devType() != QInternal::Image && !QFontDatabase::isSmoothlyScalable(QFontInfo(font).family()))
        font.setFamily(QStringLiteral("Tahoma"));
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.scale(scale.scale(), scale.scale());
    painter.setFont(font);
    painter.setPen(QColor(text.colour));
    const QFontMetricsF metrics(font, painter.device());
    const double left = scale.at(text.x) / scale.scale();
    const double top = scale.at(text.y) / scale.scale();
    painter.drawText(QPointF(left, top + metrics.ascent()), text.text);
    painter.restore();
}

ImageCanvas::ImageCanvas(double scale)
    : m_scale(scale), m_image(m_scale.pixels(), QImage::Format_RGB32)
{
    m_image.fill(Qt::white);
}

void ImageCanvas::clear() { m_image.fill(Qt::white); }

void ImageCanvas::fill(const QRectF &rect, QRgb colour)
{
    // Clipped in floating point first: positions far off the surface must not overflow an int.
    const double left = std::max(0.0, rect.left()), top = std::max(0.0, rect.top());
    const double right = std::min<double>(m_image.width(), rect.right());
    const double bottom = std::min<double>(m_image.height(), rect.bottom());
    if (!(left < right && top < bottom))
        return;
    const int l = static_cast<int>(left), t = static_cast<int>(top);
    const int r = static_cast<int>(right), b = static_cast<int>(bottom);
    for (int row = t; row < b; ++row) {
        auto *pixels = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(pixels + l, pixels + r, colour | 0xff000000u);
    }
}

void ImageCanvas::line(float x1, float y1, float x2, float y2, QRgb colour)
{
    // Lines along a row or a column, the whole of the grid, are filled spans.
    const QRectF straight = m_scale.straightLine(x1, y1, x2, y2);
    if (!straight.isNull()) {
        fill(straight, colour);
        return;
    }
    QPainter painter(&m_image);
    drawSlantedLine(painter, QPointF(m_scale.at(x1), m_scale.at(y1)), QPointF(m_scale.at(x2), m_scale.at(y2)),
                    m_scale.thickness(), colour);
}

void ImageCanvas::points(float firstColumn, const float *rows, std::size_t count, QRgb colour)
{
    if (m_scale.thickness() != 1) {
        for (std::size_t i = 0; i < count; ++i)
            point(firstColumn + static_cast<float>(i), rows[i], colour);
        return;
    }
    // One device pixel each, written straight into the image's rows: the image is made ready for
    // writing once a run, not once a point.
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    const double width = m_image.width(), height = m_image.height();
    // As at(), whose floor is the truncation wherever the point lands on the image; whole columns
    // at the screen's own scale by integer division.
    const double scale = m_scale.scale();
    const bool whole = scale == 1 && firstColumn == std::floor(firstColumn) && std::abs(firstColumn) < 1e6f;
    for (std::size_t i = 0; i < count; ++i) {
        const double dx = whole ? static_cast<double>((static_cast<long>(firstColumn) + static_cast<long>(i)) / 15)
                                : static_cast<double>(firstColumn + static_cast<float>(i)) * scale / TwipsPerPixel;
        const double dy = static_cast<double>(rows[i]) * scale / TwipsPerPixel;
        if (dx >= 0 && firstColumn + static_cast<float>(i) >= 0 && dy >= 0 && dx < width && dy < height)
            reinterpret_cast<QRgb *>(bits + static_cast<qsizetype>(dy) * stride)[static_cast<int>(dx)] = colour | 0xff000000u;
    }
}

void ImageCanvas::text(const SurfaceRecord::Text &text)
{
    QPainter painter(&m_image);
    drawSurfaceText(painter, m_scale, text);
}

namespace {

// Any painter: filled rectangles gathered by colour, so a file holds one shape per run of a
// curve and one group per colour rather than one per pixel.
class PainterCanvas {
public:
    PainterCanvas(QPainter &painter, const DeviceScale &scale, SlantedLines slanted)
        : m_painter(painter), m_scale(scale), m_slanted(slanted)
    {
    }
    ~PainterCanvas() { flush(); }

    void line(float x1, float y1, float x2, float y2, QRgb colour)
    {
        const QRectF straight = m_scale.straightLine(x1, y1, x2, y2);
        if (!straight.isNull()) {
            fill(straight & m_scale.surface(), colour);
            return;
        }
        const QPointF from(m_scale.at(x1), m_scale.at(y1)), to(m_scale.at(x2), m_scale.at(y2));
        if (m_slanted == SlantedLines::AsScreenPixels) {
            screenPixels(from, to, colour);
            return;
        }
        flush();
        drawSlantedLine(m_painter, from, to, m_scale.thickness(), colour);
    }

    // Touching points become one rectangle where they line up along a row or a column; points
    // that do not touch (across a pole) stay apart.
    void points(float firstColumn, const float *rows, std::size_t count, QRgb colour)
    {
        QRectF run;
        for (std::size_t i = 0; i < count; ++i) {
            const QRectF p = m_scale.point(firstColumn + static_cast<float>(i), rows[i]);
            if (p.isNull())
                continue;
            const bool sameRows = p.top() == run.top() && p.bottom() == run.bottom();
            const bool sameColumns = p.left() == run.left() && p.right() == run.right();
            if (run.isNull()) {
                run = p;
            } else if ((sameRows && p.left() <= run.right() && p.right() >= run.left()) ||
                       (sameColumns && p.top() <= run.bottom() && p.bottom() >= run.top())) {
                run = run.united(p);
            } else if (!run.contains(p)) {
                fill(run, colour);
                run = p;
            }
        }
        if (!run.isNull())
            fill(run, colour);
    }

    void text(const SurfaceRecord::Text &text)
    {
        flush();
        drawSurfaceText(m_painter, m_scale, text);
    }

private:
    void fill(const QRectF &rect, QRgb colour)
    {
        if (rect.isEmpty())
            return;
        if (colour != m_colour)
            flush();
        m_colour = colour;
        m_rects.push_back(rect);
    }
    void flush()
    {
        if (m_rects.empty())
            return;
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(m_colour));
        m_painter.drawRects(m_rects.data(), static_cast<int>(m_rects.size()));
        m_rects.clear();
    }
    // The pixels the screen sets for the line, found by drawing it as the screen does.
    void screenPixels(QPointF from, QPointF to, QRgb colour)
    {
        const int margin = m_scale.thickness() + 1;
        const QRect box = QRectF(from, to).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
        QImage pixels(box.size(), QImage::Format_RGB32);
        pixels.fill(Qt::white);
        {
            QPainter painter(&pixels);
            drawSlantedLine(painter, from - box.topLeft(), to - box.topLeft(), m_scale.thickness(), qRgb(0, 0, 0));
        }
        for (int y = 0; y < pixels.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
            for (int x = 0; x < pixels.width();) {
                int end = x;
                while (end < pixels.width() && qGray(row[end]) == 0)
                    ++end;
                if (end > x)
                    fill(QRectF(box.x() + x, box.y() + y, end - x, 1) & m_scale.surface(), colour);
                x = end + 1;
            }
        }
    }

    QPainter &m_painter;
    const DeviceScale &m_scale;
    SlantedLines m_slanted;
    QRgb m_colour = 0;
    std::vector<QRectF> m_rects;
};

} // namespace

void replay(const SurfaceRecord &record, QPainter &painter, double scale, SlantedLines slanted)
{
    const DeviceScale device(scale);
    painter.save();
    painter.setClipRect(device.surface(), Qt::IntersectClip);
    painter.fillRect(device.surface(), Qt::white);
    {
        PainterCanvas canvas(painter, device, slanted);
        record.replay(canvas);
    }
    painter.restore();
}

QImage replayedImage(const SurfaceRecord &record, double scale)
{
    QImage image(DeviceScale(scale).pixels(), QImage::Format_RGB32);
    QPainter painter(&image);
    replay(record, painter, scale);
    return image;
}

} // namespace zelta
