#include "kit/assets.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(drawn);
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
    const QString drawn = drawnPictureName(key, size);
    if (QFile::exists(drawn)) {
        // Told the format and not to guess it, the reader asks none of the image
        // plugins whether they know the file, which would load every one.
        QImageReader reader(drawn, "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }
    // Qt's SVG image plugin, and Qt SVG with it, load on this first use; the
    // program does not link them, so a run at 1x or 2x never maps them.
    QImageReader reader(key, "svg");
    reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(drawnPicture(QString::fromLatin1(picture::kIcon), QSize(size, size)));
    return icon;
}

} // namespace kit
