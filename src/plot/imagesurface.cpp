#include "plot/imagesurface.h"

#include "platform/twips.h"
#include "plot/geometry.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QCursor>
#include <algorithm>
#include <cmath>

namespace zelta {

ImageSurface::ImageSurface(QWidget *parent) : QWidget(parent)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_dpr = screen ? screen->devicePixelRatio() : 1.0;
    m_thickness = std::max(1, static_cast<int>(std::lround(m_dpr)));
    m_image = QImage(static_cast<int>(twipsToDevice(SurfaceWidth, m_dpr)),
                     static_cast<int>(twipsToDevice(SurfaceHeight, m_dpr)), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage ImageSurface::Image() const
{
    QImage copy = m_image;
    copy.setDevicePixelRatio(m_dpr);
    return copy;
}

void ImageSurface::setToolTipText(const QString &text)
{
    setToolTip(text);
    // A tip already showing follows the pointer instead of keeping the old position's text.
    if (QToolTip::isVisible() && underMouse())
        QToolTip::showText(QCursor::pos(), text, this);
}

void ImageSurface::fillDevice(double x, double y, double width, double height, QRgb colour)
{
    // Clip in floating point first: positions far off the surface must not overflow an int.
    const double left = std::max(0.0, x), top = std::max(0.0, y);
    const double right = std::min<double>(m_image.width(), x + width);
    const double bottom = std::min<double>(m_image.height(), y + height);
    if (!(left < right && top < bottom))
        return;
    const int l = static_cast<int>(left), t = static_cast<int>(top);
    const int r = static_cast<int>(right), b = static_cast<int>(bottom);
    for (int row = t; row < b; ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + l, line + r, colour | 0xff000000u);
    }
    scheduleRepaint();
}

void ImageSurface::drawLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    const double dx1 = twipsToDevice(x1, m_dpr), dy1 = twipsToDevice(y1, m_dpr);
    const double dx2 = twipsToDevice(x2, m_dpr), dy2 = twipsToDevice(y2, m_dpr);
    if (dy1 == dy2 || dx1 == dx2) {
        // Axis-parallel lines, the whole of the grid, are filled spans.
        fillDevice(std::min(dx1, dx2), std::min(dy1, dy2), std::abs(dx2 - dx1) + m_thickness,
                   std::abs(dy2 - dy1) + m_thickness, colour);
        return;
    }
    QPainter painter(&m_image);
    painter.setPen(QPen(QColor(colour), m_thickness, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(dx1, dy1), QPointF(dx2, dy2));
    scheduleRepaint();
}

void ImageSurface::drawPoint(float x, float y, QRgb colour)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const double dx = twipsToDevice(x, m_dpr), dy = twipsToDevice(y, m_dpr);
    if (m_thickness == 1) {
        // The common case, one device pixel: a curve is thousands of these.
        if (dx >= 0 && dy >= 0 && dx < m_image.width() && dy < m_image.height()) {
            reinterpret_cast<QRgb *>(m_image.scanLine(static_cast<int>(dy)))[static_cast<int>(dx)] = colour | 0xff000000u;
            scheduleRepaint();
        }
        return;
    }
    fillDevice(dx, dy, m_thickness, m_thickness, colour);
}

void ImageSurface::clear()
{
    m_curveLabels.clear();
    m_image.fill(Qt::white);
    scheduleRepaint();
}

void ImageSurface::drawText(float x, float y, const QString &text)
{
    // Unsmoothed, so every pixel of the text is exactly the ForeColor.
    QFont font = printFont();
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.scale(m_dpr, m_dpr);
    painter.setFont(font);
    painter.setPen(QColor(ForeColor()));
    const QFontMetricsF metrics(font, &m_image);
    const double left = twipsToDevice(x, m_dpr) / m_dpr;
    const double top = twipsToDevice(y, m_dpr) / m_dpr;
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
    scheduleRepaint();
}

void ImageSurface::scheduleRepaint()
{
    if (m_repaintPending)
        return;
    m_repaintPending = true;
    update();
}

void ImageSurface::paintEvent(QPaintEvent *)
{
    m_repaintPending = false;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPointF(0, 0), Image());
}

void ImageSurface::mouseMoveEvent(QMouseEvent *event)
{
    if (mouseMoved)
        mouseMoved(static_cast<float>(pixelsToTwips(event->position().x())),
                   static_cast<float>(pixelsToTwips(event->position().y())));
    QWidget::mouseMoveEvent(event);
}

} // namespace zelta
