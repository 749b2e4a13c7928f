#ifndef KIT_ASSETS_H
#define KIT_ASSETS_H

class QIcon;
class QPixmap;
class QSize;
class QString;

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

// Registers the compiled-in pictures (":/...") of this static library and stops
// Qt from keeping drawn pictures by name; call once before any window is built.
void loadAssets();

// A compiled-in picture drawn to fill a transparent pixmap of size pixels.
QPixmap drawnPicture(const QString& key, const QSize& size);

// The program's icon, drawn once at the sizes desktops and the about box ask for.
QIcon programIcon();

} // namespace kit

#endif
