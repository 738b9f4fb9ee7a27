// The sound: a three-second sweep synthesised, the WAV of thirty curves, and a trace step from the
// key press to the tone's first sample taken by the audio output.
#include "timing.h"

#include "equation/sketch.h"
#include "plot/imagesurface.h"
#include "presets/presets.h"
#include "sound/output.h"
#include "sound/wav.h"
#include "windows/curve/frmcurve.h"
#include "windows/curve/trace.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <cmath>
#include <numbers>

namespace zelta {

namespace {
// Runs the event loop until done() or the time is up; whether done() came true.
bool waitFor(const std::function<bool()> &done, int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}
} // namespace

void soundLines()
{
    FrmMain *main = windows().frmMain();
    FrmCurve *curve = windows().frmCurve();
    main->mnuCurve02_Click();
    const CurveValues values = curve->PicCurve->curves().back();
    volatile float sink = 0;
    const double sweep = medianMicroseconds([] {}, [&] { sink = sound::sweep(values)[1000]; }, 31);
    // The cheapest three seconds of stereo: one sine, its phase carried, no envelope or pan.
    const double sweepFloor = medianMicroseconds([] {}, [&] {
        sound::Samples out(2 * 132300);
        double phase = 0;
        for (std::size_t f = 0; f < 132300; ++f) {
            phase = std::fmod(phase + 2 * std::numbers::pi * 440 / 44100, 2 * std::numbers::pi);
            out[2 * f] = out[2 * f + 1] = static_cast<float>(std::sin(phase));
        }
        sink = out[1000];
    }, 31);
    report("Sound sweep", sweep, sweepFloor);

    const std::vector<CurveValues> thirty(30, values);
    const double wav = medianMicroseconds([] {}, [&] { sink = float(sound::wavBytes(sound::allCurves(thirty)).size()); }, 3);
    report("WAV of 30 curves", wav, 30 * sweepFloor);

    // A key press on the graph to the first sample the output takes; the first press also makes the output.
    curve->show();
    curve->activateWindow();
    curve->PicCurve->setFocus();
    sound::AudioOutput *output = curve->trace()->output();
    if (!output) {
        std::printf("Trace step: no sound output here\n");
        return;
    }
    QElapsedTimer timer;
    qint64 taken = -1;
    output->firstSampleTaken = [&] { taken = timer.nsecsElapsed(); };
    std::vector<double> steps;
    for (int i = 0; i < 41; ++i) {
        QKeyEvent press(QEvent::KeyPress, i % 2 ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        taken = -1;
        timer.start();
        QApplication::sendEvent(curve->PicCurve, &press);
        if (!waitFor([&] { return taken >= 0; }, 1000)) {
            std::printf("Trace step: the output took no sample in a second\n");
            return;
        }
        steps.push_back(static_cast<double>(taken) / 1000.0);
        waitFor([] { return false; }, 100); // the tone heard out
    }
    std::printf("Trace step, the first (audio output made): %.1f us\n", steps.front());
    steps.erase(steps.begin());
    std::nth_element(steps.begin(), steps.begin() + 20, steps.end());
    const double toneFloor = medianMicroseconds([] {}, [&] { sink = sound::stepSound(3400)[100]; });
    report("Trace step", steps[20], toneFloor);
    curve->hide();
}

} // namespace zelta
