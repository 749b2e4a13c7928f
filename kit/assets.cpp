#include "kit/assets.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSize>
#include <QString>
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

QPixmap drawnPicture(const QString& key, const QSize& size)
{
    QSvgRenderer renderer(key);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end(); // before the pixmap is handed on
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addPixmap(drawnPicture(QString::fromLatin1(picture::kIcon), QSize(size, size)));
    return icon;
}

} // namespace kit
