#ifndef KIT_LOOK_H
#define KIT_LOOK_H

// Shared helpers for building windows as the program's layouts describe them:
// places in twips, colours, the stand-in typefaces, names for assistive
// technology, and pictures drawn from the compiled-in vector files.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QIcon;
class QLabel;
class QPainter;
class QWidget;

namespace kit {

// Twips to device-independent pixels: 15 twips make one pixel at 96 dpi. Qt's
// own high-DPI scaling takes it from there.
constexpr int px(int twips)
{
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}
QRect twipsRect(int left, int top, int width, int height);
void place(QWidget* widget, int left, int top, int width, int height);
// Fixed client size in twips, centred on the screen.
void setClientSize(QWidget* window, int width, int height);
void centreOnScreen(QWidget* window);

// The background of every window, set when it loads.
inline const QColor kWindowBackground(250, 250, 250);

// Background colour; an opaque widget paints it, a transparent one keeps it for later.
void setBackColour(QWidget* widget, const QColor& colour, bool opaque = true);
void setOpaque(QWidget* widget, bool opaque);
void setTextColour(QWidget* widget, const QColor& colour);

// The focus mark: a ring of kFocusMarkWidth pixels round the inside of a focused
// control, in the colour the default style gives a focused box's frame, or in a
// lighter one on a dark background; either stands out at least 3:1 from every
// background of the windows. What the control shows keeps clear of the ring by
// the rest of kFocusMarkRoom, so that no letter or circle touches it.
inline constexpr int kFocusMarkWidth = 2;
inline constexpr int kFocusMarkRoom = kFocusMarkWidth + 2;
inline const QColor kFocusMark(38, 112, 158);
inline const QColor kFocusMarkOnDark(110, 180, 235);
// Draws the mark round edge (the whole of widget when none is given) with
// painter, when widget has the focus.
void drawFocusMark(const QWidget* widget, QPainter& painter, const QRect& edge = {});
// Gives a control of Qt's own the mark over what it paints: the style's own
// focus look is faint on a list box, a thin line on a box, and none without a
// frame. A box's text keeps its room from the ring.
void showFocusMark(QWidget* widget);

// The typefaces the layouts name, each mapped to the free face that stands in for it.
enum class Typeface { Calibri, CalibriLight, SegoeUI, SegoeUISemibold };
QFont font(Typeface face, double points, bool italic = false);

// objectName for tests, a name for screen readers in the run's language, and the tooltip, which
// also becomes the accessible description, less what the name says already: a tooltip that
// is the name describes nothing, and "Copiar (Control+C)" beside the name "Copiar" only
// "Control+C".
void identify(QWidget* widget, const QString& objectName, const QString& accessibleName, const QString& toolTip = {});

// Shows a picture of the resources (":/...") stretched to the label, sharp at any scale.
void showPicture(QLabel* label, const QString& resourceKey);
// The same as an icon of size pixels at 1x, drawn at the widget's scale.
QIcon pictureIcon(const QWidget* widget, const QString& resourceKey, const QSize& size);

} // namespace kit

#endif
