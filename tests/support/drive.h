// Drives the real windows as a user would, from a short script of steps separated by ';':
//   click <control>      a mouse click on it (it must be visible and enabled)
//   rightclick <control> the right button on it
//   type <box> <text>    replaces the box's text key by key (the rest of the step, blanks kept)
//   append <box> <text>  clicks into the box and types at the end of its text
//   menu <item>          chooses the menu item
//   key <control> <key>  a key press, by its name (Tab, Return, Escape, F1, A, ...)
//   point <control> [x y]  the pointer moved onto it, or to x y twips in it (PicCurve takes any twip)
//   leave <control>      the pointer gone from it
//   focus <control>      the focus given to it, as a screen reader or a click on it would
//   show <window>        the window shown by the program, as its handlers show it
//   close <window>       closed by its frame
//   press <key> ...      keys as the window system delivers them: to an open menu, else the focused control
//   activate <window>    the window made the active one, as a window manager does on a click
//   start [early]        the program started as main() does; early: not waiting for the first paint
#pragma once

#include <QList>
#include <QString>

class QWidget;

class QObject;

namespace drive {
// The windows loaded: the splash, the main, the curve and the help window, as far as they are.
QList<QWidget *> loadedWindows();
// The control, menu item or window of that name in any loaded window, or nothing.
QObject *find(const QString &name);
// Runs the steps; what went wrong, or nothing.
QString run(const QString &script);
} // namespace drive

// Runs the steps in a test function, failing it where a step cannot be done.
#define DRIVE(script)                                                                                              \
    do {                                                                                                           \
        const QString driveFailed = drive::run(script);                                                           \
        QVERIFY2(driveFailed.isEmpty(), qPrintable(driveFailed));                                                 \
    } while (false)
