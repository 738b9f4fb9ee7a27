#include "sound/output.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zelta::sound {

std::unique_ptr<AudioOutput> openAudioOutput()
{
    QStringList places;
    if (const QString named = qEnvironmentVariable("ZELTAPLOT_SOUND_MODULE"); !named.isEmpty())
        places << named;
    const QString here = QCoreApplication::applicationDirPath();
    places << here + QStringLiteral("/libzeltasound.so") << here + QStringLiteral("/../lib/zeltaplot/modules/libzeltasound.so");
    for (const QString &place : places) {
        QLibrary module(place);
        // Kept loaded: the output's code lives there.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto make = reinterpret_cast<ZeltaMakeAudioOutput *>(module.resolve("zeltaMakeAudioOutput")))
            return std::unique_ptr<AudioOutput>(make());
    }
    return nullptr;
}

} // namespace zelta::sound
