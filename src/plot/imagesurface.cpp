#include "plot/imagesurface.h"

#include "platform/twips.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

namespace zelta {

namespace {
double screenRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
} // namespace

ImageSurface::ImageSurface(QWidget *parent) : QWidget(parent), m_dpr(screenRatio()), m_canvas(m_dpr)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage ImageSurface::Image() const
{
    QImage copy = m_canvas.image();
    copy.setDevicePixelRatio(m_dpr);
    return copy;
}

QImage ImageSurface::replayedImage() const
{
    QImage image = zelta::replayedImage(m_record, m_dpr);
    image.setDevicePixelRatio(m_dpr);
    return image;
}

void ImageSurface::setToolTipText(const QString &text)
{
    setToolTip(text);
    // A tip already showing follows the pointer instead of keeping the old position's text.
    if (QToolTip::isVisible() && underMouse())
        QToolTip::showText(QCursor::pos(), text, this);
}

void ImageSurface::drawLine(float x1, float y1, float x2, float y2, QRgb colour)
{
    m_record.line(x1, y1, x2, y2, colour);
    m_canvas.line(x1, y1, x2, y2, colour);
    const DeviceScale &d = m_canvas.deviceScale();
    touched(QRectF(QPointF(d.at(std::min(x1, x2)), d.at(std::min(y1, y2))),
                   QPointF(d.at(std::max(x1, x2)) + d.thickness(), d.at(std::max(y1, y2)) + d.thickness())));
}

void ImageSurface::drawPoint(float x, float y, QRgb colour)
{
    m_record.point(x, y, colour);
    m_canvas.point(x, y, colour);
    touched(m_canvas.deviceScale().point(x, y));
}

void ImageSurface::drawPoints(float firstColumn, const float *rows, std::size_t count, QRgb colour)
{
    m_record.points(firstColumn, rows, count, colour);
    m_canvas.points(firstColumn, rows, count, colour);
    const auto [low, high] = std::minmax_element(rows, rows + count);
    const auto onSurface = [](float row) { return std::clamp(row, -15.0f, float(SurfaceHeight)); };
    const DeviceScale &d = m_canvas.deviceScale();
    touched(QRectF(QPointF(d.at(firstColumn), d.at(onSurface(*low))),
                   QPointF(d.at(firstColumn + static_cast<float>(count)) + d.thickness(), d.at(onSurface(*high)) + d.thickness())));
}

void ImageSurface::noteCurve(const QString &label)
{
    if (!m_curves.empty())
        m_curves.back().label = label;
}

QStringList ImageSurface::curveLabels() const
{
    QStringList labels;
    for (const CurveValues &curve : m_curves)
        if (!curve.label.isNull())
            labels << curve.label;
    return labels;
}

void ImageSurface::beginCurve() { m_curves.push_back(CurveValues{QString(), ForeColor(), 0, {}}); }

void ImageSurface::keepRows(int firstColumn, const double *rows, std::size_t count)
{
    if (m_curves.empty())
        return;
    CurveValues &curve = m_curves.back();
    curve.firstColumn = firstColumn;
    curve.rows.assign(rows, rows + count);
}

void ImageSurface::clear()
{
    m_curves.clear();
    emit cleared();
    m_record.clear();
    m_canvas.clear();
    touched(m_canvas.deviceScale().surface());
}

void ImageSurface::drawText(float x, float y, const QString &text)
{
    m_canvas.text(m_record.text(x, y, text, printFont(), ForeColor()));
    // Text may reach a little left of its corner and below its line.
    const QFontMetricsF metrics(printFont());
    const DeviceScale &d = m_canvas.deviceScale();
    touched(QRectF(d.at(x) - 2 * m_dpr, d.at(y), (metrics.horizontalAdvance(text) + metrics.height() + 4) * m_dpr,
                   2 * metrics.height() * m_dpr));
}

void ImageSurface::touched(const QRectF &device)
{
    m_drawn |= device.toAlignedRect() & m_canvas.image().rect();
    if (m_flushPending)
        return;
    m_flushPending = true;
    QMetaObject::invokeMethod(this, [this] {
        m_flushPending = false;
        flushDrawn(false);
    }, Qt::QueuedConnection);
}

void ImageSurface::flushDrawn(bool now)
{
    if (m_drawn.isEmpty())
        return;
    const QRect logical = QRectF(QPointF(m_drawn.topLeft()) / m_dpr, QSizeF(m_drawn.size()) / m_dpr).toAlignedRect();
    m_drawn = QRect();
    now ? repaint(logical) : update(logical);
}

void ImageSurface::paintEvent(QPaintEvent *event)
{
    // The picture covers the whole surface: only the part asked for is copied, nothing under it.
    const QRect r = event->rect();
    QPainter(this).drawImage(QRectF(r), m_canvas.image(), QRectF(r.x() * m_dpr, r.y() * m_dpr, r.width() * m_dpr, r.height() * m_dpr));
}

void ImageSurface::mouseMoveEvent(QMouseEvent *event)
{
    if (mouseMoved)
        mouseMoved(static_cast<float>(pixelsToTwips(event->position().x())),
                   static_cast<float>(pixelsToTwips(event->position().y())));
    QWidget::mouseMoveEvent(event);
}

} // namespace zelta
