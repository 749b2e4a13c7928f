// Run by the build, not shipped: draws every picture of assets/ ahead, at the
// sizes the windows show it and at twice those for screens scaled 2x, as PNG
// files and a resource list naming them. The program loads those and needs Qt
// SVG only at another scale. Usage: drawpictures OUTDIR DRAWING.svg...

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <set>
#include <utility>

#include "kit/assets.h"

namespace {

using Size = std::pair<int, int>;

// The drawing's own size, and those kit::kOtherSizes (or the icon's) give it.
std::set<Size> sizesOf(const QString& key, const QSvgRenderer& drawing)
{
    std::set<Size> sizes{{drawing.defaultSize().width(), drawing.defaultSize().height()}};
    for (const kit::PictureSize& other : kit::kOtherSizes) {
        if (key == QLatin1String(other.key))
            sizes.insert({other.width, other.height});
    }
    if (key == QLatin1String(kit::picture::kIcon)) {
        for (const int size : kit::kIconSizes)
            sizes.insert({size, size});
    }
    return sizes;
}

bool draw(QSvgRenderer& drawing, const QSize& size, const QString& file)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();
    return image.save(file, "PNG");
}

} // namespace

int main(int argc, char* argv[])
{
    // Text in a drawing needs the font database, which needs an application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: drawpictures OUTDIR DRAWING.svg...\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    QFile list(out.filePath(QStringLiteral("drawn.qrc")));
    if (!out.mkpath(QStringLiteral(".")) || !list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream qrc(&list);
    qrc << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& path : arguments.mid(2)) {
        QSvgRenderer drawing(path);
        const QString key = QStringLiteral(":/") + QFileInfo(path).fileName();
        if (!drawing.isValid())
            return 1;
        for (const Size& size : sizesOf(key, drawing)) {
            for (const int scale : {1, 2}) {
                const QSize pixels(size.first * scale, size.second * scale);
                const QString name = kit::drawnPictureName(key, pixels);
                if (!draw(drawing, pixels, out.filePath(name.mid(2))))
                    return 1;
                qrc << "    <file>" << name.mid(2) << "</file>\n";
            }
        }
    }
    qrc << "  </qresource>\n</RCC>\n";
    return 0;
}
