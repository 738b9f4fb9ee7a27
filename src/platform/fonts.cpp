#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace zelta {

void registerFonts()
{
    // Debian's fonts-wine faces for "Tahoma" and "MS Sans Serif".
    static const QStringList files = {
        QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"),
        QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
        QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"),
    };
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const QString &file : files)
        if (QFile::exists(file))
            QFontDatabase::addApplicationFont(file);
}

} // namespace zelta
