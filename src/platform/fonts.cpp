#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace zelta {

namespace {

// Decided once, with the first window: whether the screens are scaled.
bool screensScaled()
{
    static const bool scaled = qGuiApp && qGuiApp->devicePixelRatio() != 1;
    return scaled;
}

} // namespace

void registerFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Debian's fonts-wine: fontconfig does not index its folder.
    QStringList files = {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")};
    // "MS Sans Serif" holds bitmaps only, which do not scale: on a scaled screen Tahoma, its
    // scalable successor, stands in for it, also where the drawing surface asks for it.
    if (screensScaled())
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    else
        files << QStringLiteral("ms_sans_serif.ttf");
    for (const QString &file : files)
        if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/") + file))
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + file);
}

QFont windowFont()
{
    registerFonts();
    QFont font(QStringLiteral("MS Sans Serif"));
    // Tahoma at 11 pixels runs up to 6 % wider than the bitmaps; at 10 no caption outgrows its control.
    font.setPointSizeF(screensScaled() ? 7.5 : 8.25);
    return font;
}

} // namespace zelta
