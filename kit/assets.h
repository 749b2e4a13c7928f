#ifndef KIT_ASSETS_H
#define KIT_ASSETS_H

#include <QSize>
#include <QString>

class QIcon;
class QPixmap;

namespace kit {

// Keys of the compiled-in pictures the windows show. The figure pictures are keys
// in the calculators' tables instead.
namespace picture {
inline constexpr char kIcon[] = ":/vantrelo.svg";
inline constexpr char kMenuFiguras[] = ":/menu_figuras.svg";
inline constexpr char kMenuPitagoras[] = ":/menu_pitagoras.svg";
inline constexpr char kMenuConvertidor[] = ":/menu_convertidor.svg";
inline constexpr char kPortrait[] = ":/pitagoras.svg";
inline constexpr char kCopy[] = ":/copiar.svg";
inline constexpr char kPaste[] = ":/pegar.svg";
} // namespace picture

inline constexpr const char* kPictures[] = {
    picture::kIcon,     picture::kMenuFiguras, picture::kMenuPitagoras, picture::kMenuConvertidor,
    picture::kPortrait, picture::kCopy,        picture::kPaste,
};

// The program's icon, at the sizes desktops and the about box ask for.
inline constexpr int kIconSizes[] = {16, 32, 64, 128};

// Pictures shown at a size other than the drawing's own, in pixels at 1x (the
// icon's are kIconSizes).
struct PictureSize {
    const char* key;
    int width;
    int height;
};
inline constexpr PictureSize kOtherSizes[] = {
    {picture::kPortrait, 73, 73}, // the about window's portrait button
    {picture::kCopy, 25, 25}, // the working's copy button
};

// Every picture is drawn ahead by the build (kit/drawpictures.cpp) at its own
// size, at kOtherSizes and the icon at kIconSizes, at 1x and 2x, under this key: ":/copiar.svg" at 33 by
// 33 pixels is ":/copiar-33x33.png".
inline QString drawnPictureName(const QString& key, const QSize& size)
{
    const QString stem = key.left(key.lastIndexOf(QLatin1Char('.')));
    return QStringLiteral("%1-%2x%3.png").arg(stem).arg(size.width()).arg(size.height());
}

// Registers the compiled-in pictures (":/...") of this static library and stops
// Qt from keeping drawn pictures by name; call once before any window is built.
void loadAssets();

// A compiled-in picture filling a transparent pixmap of size pixels: the one
// drawn ahead at that size, or else drawn now, which loads Qt SVG.
QPixmap drawnPicture(const QString& key, const QSize& size);

// The program's icon at kIconSizes.
QIcon programIcon();

} // namespace kit

#endif
