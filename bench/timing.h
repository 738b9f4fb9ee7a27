// What every benchmark line shares: the median of many timed runs, and the line printed.
#pragma once

#include "platform/vectorstate.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace zelta {

inline double medianMicroseconds(const std::function<void()> &prepare, const std::function<void()> &work,
                                 int repetitions = 300)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        // Whatever ran before leaves no slow vector state to the timed work.
        clearVectorState();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
    return times[static_cast<std::size_t>(repetitions / 2)];
}

inline void report(const char *operation, double median, double floor)
{
    std::printf("%s: %.1f us   (floor %.1f us, ratio %.2f)\n", operation, median, floor, median / floor);
}

// Export PDF and Export SVG of a grid with ten curves, each beside its floor (exportbench.cpp).
void exportLines();
// Sound sweep, WAV of 30 curves and Trace step, each beside its floor (soundbench.cpp).
void soundLines();

} // namespace zelta
