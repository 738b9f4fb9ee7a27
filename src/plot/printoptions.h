// The choices a printed or exported picture is drawn with (paper scale, bold lines, dark colours,
// transparent paper), the colour rule for paper, and the choices remembered between runs.
#pragma once

#include <QRgb>
#include <QString>

#include <array>

namespace zelta {

struct PictureOptions {
    enum Scale { TrueSize, OneCm, TwoCm, FitToPage };
    Scale scale = TrueSize;
    bool bold = false;        // curves and axes about 0.6 mm wide, the grid a shade darker
    bool dark = false;        // each curve's colour dark enough to read on white
    bool transparent = false; // PNG and SVG only: no paper behind the grid

    bool operator==(const PictureOptions &) const = default;
};

struct ScaleChoice {
    PictureOptions::Scale scale;
    const char *caption;
    double bigBoxMm; // 0 for fit to page
};
extern const std::array<ScaleChoice, 4> ScaleChoices;

// Contrast against white paper, 1 to 21, by the relative luminance of sRGB (WCAG 2).
double contrastOnWhite(QRgb colour);
// The colour itself when it reads on white (contrast 4.5 : 1 or more), otherwise the same hue
// darkened just enough.
QRgb darkColour(QRgb colour);

// What the Export and Print dialogs offer first: the last choices, also from an earlier run.
struct PictureChoices {
    int exportType = 0;
    QString folder;
    PictureOptions options;
};
// An unreadable or unwritable settings file gives the defaults and keeps nothing; never an error.
PictureChoices rememberedChoices();
void rememberChoices(const PictureChoices &choices);

} // namespace zelta
