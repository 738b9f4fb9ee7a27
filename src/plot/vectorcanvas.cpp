#include "plot/vectorcanvas.h"

#include "plot/canvas.h"
#include "plot/geometry.h"
#include "plot/grid.h"

#include <QPainter>

#include <cmath>
#include <vector>

namespace zelta {

namespace {

class VectorCanvas {
public:
    VectorCanvas(QPainter &painter, double scale, const PictureOptions &options, double boldWidth)
        : m_painter(painter), m_scale(scale), m_options(options), m_bold(options.bold ? boldWidth : m_scale.thickness())
    {
        m_painter.setBrush(Qt::NoBrush);
    }

    void line(float x1, float y1, float x2, float y2, QRgb colour)
    {
        const bool grid = colour == SmallBoxColour || colour == BigBoxColour;
        if (grid && m_options.bold)
            colour = colour == SmallBoxColour ? BoldSmallBoxColour : BoldBigBoxColour;
        else if (!grid && m_options.dark)
            colour = darkColour(colour);
        // Along the middle of the pixels the screen sets, its square ends covering the last one.
        const double half = m_scale.thickness() / 2.0;
        pen(colour, grid ? m_scale.thickness() : m_bold, Qt::SquareCap);
        m_painter.drawLine(QPointF(m_scale.at(x1) + half, m_scale.at(y1) + half),
                           QPointF(m_scale.at(x2) + half, m_scale.at(y2) + half));
    }

    // One polyline a stretch of defined points; a point with no value or off the surface ends it,
    // as the screen and the pixel files leave such points out, so a pole is never crossed. A
    // jump of half the surface between two columns is a pole the columns stepped over.
    void points(float firstColumn, const float *rows, std::size_t count, QRgb colour)
    {
        pen(m_options.dark ? darkColour(colour) : colour, m_bold, Qt::RoundCap);
        // A point's position unrounded lies within the pixel the screen sets for it.
        const double perTwip = m_scale.scale() / TwipsPerPixel, half = (m_scale.thickness() - 1) / 2.0;
        for (std::size_t i = 0; i < count; ++i) {
            const float x = firstColumn + static_cast<float>(i), y = rows[i];
            if (m_scale.point(x, y).isNull() || (i > 0 && std::abs(y - rows[i - 1]) > SurfaceHeight / 2.0f))
                drawRun();
            if (!m_scale.point(x, y).isNull())
                m_run.emplace_back(x * perTwip + half, y * perTwip + half);
        }
        drawRun();
    }

    void text(const SurfaceRecord::Text &text)
    {
        if (!m_options.dark) {
            drawSurfaceText(m_painter, m_scale, text);
            return;
        }
        SurfaceRecord::Text dark = text;
        dark.colour = darkColour(text.colour);
        drawSurfaceText(m_painter, m_scale, dark);
    }

private:
    void pen(QRgb colour, double width, Qt::PenCapStyle cap)
    {
        m_painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, cap, Qt::RoundJoin));
    }
    void drawRun()
    {
        if (m_run.size() == 1)
            m_painter.drawPoint(m_run.front());
        else if (m_run.size() > 1)
            m_painter.drawPolyline(m_run.data(), static_cast<int>(straightened()));
        m_run.clear();
    }
    // On paper and in vector files, points that all lie within a quarter of a twip of one line
    // through a stretch of at most MaxStretch columns add nothing a reader can see, and cost most
    // of the file's size and time. Bitmaps keep every point, so their pixels stay where the screen
    // sets them.
    std::size_t straightened()
    {
        if (m_scale.scale() < TwipsPerPixel)
            return m_run.size();
        std::size_t kept = 1, from = 0; // from: where the line drawn last ends, in the run
        for (std::size_t i = 1; i + 1 < m_run.size(); ++i) {
            const QPointF start = m_run[from], chord = m_run[i + 1] - start;
            bool straight = i + 1 - from <= MaxStretch;
            for (std::size_t j = from + 1; straight && j <= i; ++j) {
                const QPointF at = m_run[j] - start;
                const double cross = chord.x() * at.y() - chord.y() * at.x();
                straight = cross * cross <= Tolerance * Tolerance * QPointF::dotProduct(chord, chord);
            }
            if (!straight) {
                m_run[kept++] = m_run[i];
                from = i;
            }
        }
        m_run[kept++] = m_run.back();
        return kept;
    }

    QPainter &m_painter;
    DeviceScale m_scale;
    const PictureOptions &m_options;
    double m_bold;
    std::vector<QPointF> m_run;
    static constexpr double Tolerance = 0.25; // device units at 15 a pixel: twips
    static constexpr std::size_t MaxStretch = 64;
};

} // namespace

void replayVectors(const SurfaceRecord &record, QPainter &painter, double scale, const PictureOptions &options,
                   double boldWidth)
{
    const DeviceScale device(scale);
    painter.save();
    painter.setClipRect(device.surface(), Qt::IntersectClip);
    if (!options.transparent)
        painter.fillRect(device.surface(), Qt::white);
    {
        VectorCanvas canvas(painter, scale, options, boldWidth);
        record.replay(canvas);
    }
    painter.restore();
}

double boldWidthOnPaper(double scale, double zoom)
{
    constexpr double TwipsPerMm = 1440 / 25.4;
    return 0.6 * TwipsPerMm / zoom * scale / TwipsPerPixel;
}

} // namespace zelta
