#ifndef KIT_ACCESSIBLELINEEDIT_H
#define KIT_ACCESSIBLELINEEDIT_H

class QAccessibleInterface;
class QLineEdit;

namespace kit {

// A line edit as screen readers need it: its text read whole, and a result box
// heard without its grouping commas.
QAccessibleInterface* accessibleLineEdit(QLineEdit* edit);

// Qt selects a box's text as the focus comes in and clears the selection as it
// leaves, each before the screen reader hears of the new focus: the value was
// read twice on entering, and "text unselected" on leaving. From now on a
// selection change reaches screen readers only from the box they know has the focus.
void quietFocusSelections();

} // namespace kit

#endif
