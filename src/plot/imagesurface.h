// The real drawing surface: a widget that paints into a persistent image, also while hidden.
#pragma once

#include "plot/canvas.h"
#include "plot/curvevalues.h"
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

    // Puts what was drawn since the last time on screen now, not when the event loop comes round.
    void showDrawn() { flushDrawn(true); }

    // The labels of the curves drawn since the surface was last cleared, for screen readers.
    void noteCurve(const QString &label);
    QStringList curveLabels() const;
    // Each curve's label, colour and plotted rows, in the order drawn.
    const std::vector<CurveValues> &curves() const { return m_curves; }
    void beginCurve() override;
    void keepRows(int firstColumn, const double *rows, std::size_t count) override;

signals:
    void cleared();

public:

    // Called with the pointer position in surface twips.
    std::function<void(float x, float y)> mouseMoved;

protected:
    void drawLine(float x1, float y1, float x2, float y2, QRgb colour) override;
    void drawPoint(float x, float y, QRgb colour) override;
    void drawPoints(float firstColumn, const float *rows, std::size_t count, QRgb colour) override;
    void clear() override;
    void drawText(float x, float y, const QString &text) override;

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Notes the device pixels an operation drew on; they reach the screen in one repaint.
    void touched(const QRectF &device);
    void flushDrawn(bool now);

    double m_dpr = 1;
    bool m_flushPending = false;
    QRect m_drawn; // device pixels drawn on and not yet on screen
    std::vector<CurveValues> m_curves;
    SurfaceRecord m_record;
    ImageCanvas m_canvas; // device pixels; the ratio is attached when the image leaves the surface
};

} // namespace zelta
