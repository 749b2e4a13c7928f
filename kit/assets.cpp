#include "kit/assets.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace kit {

void loadAssets()
{
    initAssets();
    // The style keeps what it draws under a name made of the palette, and every
    // window has palettes of its own: kept, the pictures of each window closed
    // filled the cache to its 10 MB, and their names stayed after it let them go.
    QPixmapCache::setCacheLimit(0);
}

QIcon programIcon()
{
    QSvgRenderer renderer(QString::fromLatin1(picture::kIcon));
    QIcon icon;
    for (const int size : {16, 32, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kit
