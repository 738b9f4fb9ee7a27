// The window icon shared by the program's windows.
#pragma once

#include <QIcon>

namespace zelta {
QIcon programIcon();
}
