// The real drawing surface: a widget that paints into a persistent image, also while hidden.
#pragma once

#include "plot/canvas.h"
#include "plot/plotsurface.h"
#include "plot/surfacerecord.h"

#include <QStringList>
#include <QWidget>
#include <functional>

namespace zelta {

class ImageSurface : public QWidget, public PlotSurface {
    Q_OBJECT
public:
    explicit ImageSurface(QWidget *parent = nullptr);

    QImage Image() const override;
    void setToolTipText(const QString &text) override;
    double devicePixelRatioOfImage() const { return m_dpr; }
    // What was drawn since the last Cls, to draw it again at any size.
    const SurfaceRecord &record() const { return m_record; }
    // The record replayed through a painter as Image() is: the two are the same picture.
    QImage replayedImage() const;

    // The labels of the curves drawn since the surface was last cleared, for screen readers.
    void noteCurve(const QString &label) { m_curveLabels << label; }
    const QStringList &curveLabels() const { return m_curveLabels; }

    // Called with the pointer position in surface twips.
    std::function<void(float x, float y)> mouseMoved;

protected:
    void drawLine(float x1, float y1, float x2, float y2, QRgb colour) override;
    void drawPoint(float x, float y, QRgb colour) override;
    void clear() override;
    void drawText(float x, float y, const QString &text) override;

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // One repaint request per batch of drawing, not one per point.
    void scheduleRepaint();

    double m_dpr = 1;
    bool m_repaintPending = false;
    QStringList m_curveLabels;
    SurfaceRecord m_record;
    ImageCanvas m_canvas; // device pixels; the ratio is attached when the image leaves the surface
};

} // namespace zelta
