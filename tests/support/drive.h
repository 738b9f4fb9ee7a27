// Drives the real windows as a user would, from a short script of steps separated by ';':
//   click <control>      a mouse click on it (it must be visible and enabled)
//   type <box> <text>    replaces the box's text key by key (the rest of the step, blanks kept)
//   menu <item>          chooses the menu item
//   key <control> <key>  a key press, by its name (Tab, Return, Escape, F1, A, ...)
//   point <control>      the pointer moved onto it
//   close <window>       closed by its frame
#pragma once

#include <QString>

class QObject;

namespace drive {
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
