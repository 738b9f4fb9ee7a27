// A drawing surface for tests that records every operation it is asked for.
#pragma once

#include "plot/plotsurface.h"

#include <QList>
#include <QString>

struct SurfaceOp {
    enum Kind { Line, Point, Clear, Text } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QRgb colour = 0;
    QString text;
    QString font; // font family at the time of a Text
};

class RecordingSurface : public zelta::PlotSurface {
public:
    QList<SurfaceOp> ops;
    QString toolTip;

    QImage Image() const override { return QImage(); }
    void setToolTipText(const QString &text) override { toolTip = text; }

protected:
    void drawLine(float x1, float y1, float x2, float y2, QRgb colour) override
    {
        ops.append(SurfaceOp{SurfaceOp::Line, x1, y1, x2, y2, colour, {}, {}});
    }
    void drawPoint(float x, float y, QRgb colour) override { ops.append(SurfaceOp{SurfaceOp::Point, x, y, x, y, colour, {}, {}}); }
    void clear() override { ops.append(SurfaceOp{SurfaceOp::Clear, 0, 0, 0, 0, 0, {}, {}}); }
    void drawText(float x, float y, const QString &text) override
    {
        ops.append(SurfaceOp{SurfaceOp::Text, x, y, x, y, ForeColor(), text, FontName()});
    }
};
