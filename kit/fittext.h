#ifndef KIT_FITTEXT_H
#define KIT_FITTEXT_H

// Numbers are shown whole, never cut or elided. A text wider than its control
// is drawn in a smaller size of the control's own typeface, in a box down to two
// thirds of the layout's size; a text that does not fit even then is shown from
// its start and can be scrolled, and its whole text is the tooltip, in lines no
// wider than the screen, and the accessible description. A list row, which
// cannot scroll, shrinks as far as it must.

#include <QFont>
#include <QString>

class QLineEdit;
class QWidget;

namespace kit {

// The smallest size a text is drawn at, as a share of the layout's size.
inline constexpr double kSmallestShare = 2.0 / 3.0;

struct FittedFont {
    QFont font;
    bool whole; // the text fits at font
};

// layoutFont at the largest size, from its own down to smallestShare of it in
// quarter points, at which text fits width pixels; the smallest size when none does.
FittedFont fitText(const QFont& layoutFont, const QString& text, int width, double smallestShare = kSmallestShare);

// The pixels a line edit gives its text: its contents less the margins Qt keeps
// around the line and the room of the cursor.
int textWidth(const QLineEdit* box);

// Keeps box's text whole from now on: after every change the text is drawn at
// the fitted size of box's present font. A text that does not fit even at the
// smallest size is shown from its start unless the user is typing it, and is
// the tooltip and accessible description until it fits again, when the present
// ones come back.
void keepWhole(QLineEdit* box);

// Whether a box kept whole shows its present text whole.
bool showsWhole(const QLineEdit* box);

// text as a tooltip of widget: cut into lines no wider than widget's screen.
QString screenWideTip(const QWidget* widget, const QString& text);

} // namespace kit

#endif
