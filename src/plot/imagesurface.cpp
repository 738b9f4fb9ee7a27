#include "plot/imagesurface.h"

#include "platform/twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

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
    scheduleRepaint();
}

void ImageSurface::drawPoint(float x, float y, QRgb colour)
{
    m_record.point(x, y, colour);
    m_canvas.point(x, y, colour);
    scheduleRepaint();
}

void ImageSurface::clear()
{
    m_curveLabels.clear();
    m_record.clear();
    m_canvas.clear();
    scheduleRepaint();
}

void ImageSurface::drawText(float x, float y, const QString &text)
{
    m_canvas.text(m_record.text(x, y, text, printFont(), ForeColor()));
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
