// Registers the font faces the program names but fontconfig does not index.
#pragma once

namespace zelta {
void registerFonts();
}
