#include "windows/icon.h"

// Resources of a static library must be registered by hand.
static void initResources() { Q_INIT_RESOURCE(zeltaplot); }

namespace zelta {

QIcon programIcon()
{
    static bool loaded = false;
    if (!loaded) {
        initResources();
        loaded = true;
    }
    QIcon icon;
    icon.addFile(QStringLiteral(":/zeltaplot16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/zeltaplot32.png"), QSize(32, 32));
    return icon;
}

} // namespace zelta
