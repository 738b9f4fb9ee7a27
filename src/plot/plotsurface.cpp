#include "plot/plotsurface.h"

#include "platform/fonts.h"
#include "platform/numbers.h"
#include "platform/twips.h"

#include <QFontMetricsF>

namespace zelta {

// Text starts in the windows' own face, as the main window measures the labels in.
PlotSurface::PlotSurface() : m_font(windowFont()) {}

void PlotSurface::Line(float x1, float y1, float x2, float y2, QRgb colour)
{
    drawLine(x1, y1, x2, y2, colour);
    m_x = x2;
    m_y = y2;
}

void PlotSurface::PSet(float x, float y, QRgb colour)
{
    drawPoint(x, y, colour);
    m_x = x;
    m_y = y;
}

void PlotSurface::PSetRow(float firstColumn, const float *rows, std::size_t count)
{
    if (count == 0)
        return;
    drawPoints(firstColumn, rows, count, m_foreColor);
    m_x = firstColumn + static_cast<float>(count - 1);
    m_y = rows[count - 1];
}

void PlotSurface::Cls()
{
    clear();
    m_x = 0;
    m_y = 0;
}

void PlotSurface::Print(const QString &text)
{
    drawText(m_x, m_y, text);
    m_x = 0;
    m_y = static_cast<float>(m_y + lineHeight());
}

void PlotSurface::Print(double number) { Print(printedNumber(number)); }

void PlotSurface::setFontName(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(m_font.pointSizeF());
    m_font = font;
}

double PlotSurface::lineHeight() const
{
    return pixelsToTwips(QFontMetricsF(m_font).height());
}

} // namespace zelta
