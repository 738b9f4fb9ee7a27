// The whole program timed from outside, as a user's screen sees it, beside bare Qt programs.
#pragma once

#include <QPoint>
#include <QString>

namespace zelta {

// Where the driver clicks in the main window, relative to its top-left corner.
struct MainWindowSpots {
    QPoint grid, coefficient, proceed, xSquare, sketch;
};

// Prints Start-up, Start-up memory and Click to pixels for the program, each beside its bare Qt
// reference run in turn with it; false, with the reason printed, when they could not be measured.
bool wholeProgramLines(const QString &program, const MainWindowSpots &spots);

} // namespace zelta
