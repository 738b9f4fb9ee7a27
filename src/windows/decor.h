// What the program's windows share: their icon, their place on the screen, Enter on a button, and
// text assignment.
#pragma once

#include <QIcon>

class QLineEdit;
class QString;
class QWidget;

namespace zelta {
QIcon programIcon();
// The help window's own icon.
QIcon helpIcon();
// Enter on any of the window's push buttons presses it, as Space does.
void pressedByEnter(QWidget *window);
// Centres a window of fixed size on the primary screen.
void centreOnScreen(QWidget *window);
// Gives the box its text and runs its change check, also when the text is already there
// (Qt signals no change then, but the workflow relies on the check).
void assignText(QLineEdit *box, const QString &text);
} // namespace zelta
