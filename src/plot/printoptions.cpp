#include "plot/printoptions.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace zelta {

// clang-format off
const std::array<ScaleChoice, 4> ScaleChoices{{
    {PictureOptions::TrueSize, "True size (big box 8.82 mm)", 500 / 1440.0 * 25.4},
    {PictureOptions::OneCm, "Big box 1 cm", 10},
    {PictureOptions::TwoCm, "Big box 2 cm", 20},
    {PictureOptions::FitToPage, "Fit to page", 0},
}};
// clang-format on

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double contrastOnWhite(QRgb colour)
{
    const double luminance =
        0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    return 1.05 / (luminance + 0.05);
}

QRgb darkColour(QRgb colour)
{
    // Every channel scaled by one factor keeps the hue and the saturation; the largest channel
    // steps down a level at a time, so the colour is no darker than it must be.
    const int top = std::max({qRed(colour), qGreen(colour), qBlue(colour)});
    QRgb dark = colour;
    for (int level = top; level >= 0 && contrastOnWhite(dark) < 4.5; --level) {
        const auto scaled = [&](int c) { return static_cast<int>(std::lround(c * double(level) / top)); };
        dark = qRgba(scaled(qRed(colour)), scaled(qGreen(colour)), scaled(qBlue(colour)), qAlpha(colour));
    }
    return dark;
}

PictureChoices rememberedChoices()
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zeltaplot"), QStringLiteral("zeltaplot"));
    PictureChoices c;
    if (s.status() != QSettings::NoError)
        return c;
    c.exportType = std::max(0, s.value("export/type", 0).toInt());
    c.folder = s.value("export/folder").toString();
    c.options.scale = static_cast<PictureOptions::Scale>(
        std::clamp(s.value("picture/scale", 0).toInt(), 0, static_cast<int>(ScaleChoices.size()) - 1));
    c.options.bold = s.value("picture/bold", false).toBool();
    c.options.dark = s.value("picture/dark", false).toBool();
    c.options.transparent = s.value("picture/transparent", false).toBool();
    return c;
}

void rememberChoices(const PictureChoices &c)
{
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zeltaplot"), QStringLiteral("zeltaplot"));
    s.setValue("export/type", c.exportType);
    s.setValue("export/folder", c.folder);
    s.setValue("picture/scale", static_cast<int>(c.options.scale));
    s.setValue("picture/bold", c.options.bold);
    s.setValue("picture/dark", c.options.dark);
    s.setValue("picture/transparent", c.options.transparent);
    // A file that cannot be written keeps nothing; the choices were only a convenience.
    s.sync();
}

} // namespace zelta
