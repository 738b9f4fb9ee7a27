// The font faces the program names, including those fontconfig does not index.
#pragma once

#include <QFont>

namespace zelta {
void registerFonts();
// The windows' own face: "MS Sans Serif" 8.25 pt, or its scalable stand-in where the screen is scaled.
QFont windowFont();
} // namespace zelta
