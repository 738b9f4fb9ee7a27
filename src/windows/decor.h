// What the program's windows share: their icon and their place on the screen.
#pragma once

#include <QIcon>

class QWidget;

namespace zelta {
QIcon programIcon();
// Centres a window of fixed size on the primary screen.
void centreOnScreen(QWidget *window);
} // namespace zelta
