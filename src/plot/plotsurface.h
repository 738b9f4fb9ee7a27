// The drawing surface: lines, points and text in twips on a persistent picture.
#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QString>

#include <cstddef>

namespace zelta {

inline constexpr QRgb DesignedForeColor = qRgb(0, 0, 192);

class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    // A solid one-pixel line; afterwards the current point is its end.
    void Line(float x1, float y1, float x2, float y2, QRgb colour);
    // The same from the current point.
    void LineTo(float x2, float y2, QRgb colour) { Line(m_x, m_y, x2, y2, colour); }
    void PSet(float x, float y) { PSet(x, y, m_foreColor); }
    void PSet(float x, float y, QRgb colour);
    // Points in the ForeColor at consecutive columns from firstColumn, one row each, as many PSet
    // calls would set them: a curve is drawn a run at a time, not a call a point.
    void PSetRow(float firstColumn, const float *rows, std::size_t count);
    // Clears to white; the current point becomes (0, 0).
    void Cls();
    // Text with its top-left corner at the current point, no background; then the
    // current point moves to column 0 of the next text line.
    void Print(const QString &text);
    // A number in the printed number form (" .5 ").
    void Print(double number);

    float CurrentX() const { return m_x; }
    float CurrentY() const { return m_y; }
    void setCurrentX(float x) { m_x = x; }
    void setCurrentY(float y) { m_y = y; }
    QRgb ForeColor() const { return m_foreColor; }
    void setForeColor(QRgb colour) { m_foreColor = colour; }
    QString FontName() const { return m_font.family(); }
    void setFontName(const QString &family);
    // The font text is printed in (the window default until a name is set).
    QFont printFont() const { return m_font; }
    // Height of one text line in twips.
    double lineHeight() const;

    virtual QImage Image() const = 0;
    virtual void setToolTipText(const QString &text) = 0;

    // A new curve starts in the ForeColor; then its rows, a column each from firstColumn, NaN where
    // no point is set. Surfaces that keep the curves' values (for the trace and sound) take them.
    virtual void beginCurve() {}
    virtual void keepRows(int firstColumn, const double *rows, std::size_t count)
    {
        (void)firstColumn, (void)rows, (void)count;
    }

protected:
    PlotSurface();
    virtual void drawLine(float x1, float y1, float x2, float y2, QRgb colour) = 0;
    virtual void drawPoint(float x, float y, QRgb colour) = 0;
    virtual void drawPoints(float firstColumn, const float *rows, std::size_t count, QRgb colour) = 0;
    virtual void clear() = 0;
    virtual void drawText(float x, float y, const QString &text) = 0;

private:
    float m_x = 0;
    float m_y = 0;
    QRgb m_foreColor = DesignedForeColor;
    QFont m_font;
};

} // namespace zelta
