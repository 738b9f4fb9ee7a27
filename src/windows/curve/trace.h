// The keyboard trace on the graph: the arrow keys walk the point along a curve, each step spoken
// and sounded; Space plays the whole curve. The point is a cross over the surface, not in its picture.
#pragma once

#include "sound/output.h"
#include "sound/synth.h"

#include <QLabel>
#include <QObject>

#include <memory>

namespace zelta {

class ImageSurface;
struct CurveValues;

// The trace point: a cross in the curve's colour whose text is what was last announced.
class TraceMark : public QLabel {
    Q_OBJECT
public:
    explicit TraceMark(QWidget *surface);
    // The text, spoken as a notification even when it is the same as before.
    void announce(const QString &text);
    void setColour(QRgb colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRgb m_colour = 0;
};

class Trace : public QObject {
    Q_OBJECT
public:
    // unitTwips gives the grid's scale at the time of a step.
    Trace(ImageSurface *surface, std::function<int()> unitTwips);

    // The current curve swept; every curve in turn when all is true.
    void playCurve(bool all = false);
    void stop();
    // The audio output, made on first use; null when there is none.
    sound::AudioOutput *output();

    TraceMark *mark() const { return m_mark; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool key(int key, bool control);
    // Moves to the column (clamped to the curve) and says and sounds where the point is.
    void moveTo(int column, const QString &before = {});
    const CurveValues *curve() const;
    void playNext();
    // False when there is no sound output.
    bool play(const sound::Samples &stereo);
    void noOutput();
    void reset();

    ImageSurface *m_surface;
    std::function<int()> m_unitTwips;
    TraceMark *m_mark;
    std::unique_ptr<sound::AudioOutput> m_output;
    bool m_opened = false;
    int m_curve = -1;
    int m_column = -1;
    int m_playingAll = -1; // the curve Play All Curves plays, -1 when it does not
    bool m_toldNoOutput = false;
};

} // namespace zelta
