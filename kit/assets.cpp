#include "kit/assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace kit {

void loadAssets()
{
    initAssets();
}

} // namespace kit
