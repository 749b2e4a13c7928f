#ifndef KIT_ACCESSIBLELINEEDIT_H
#define KIT_ACCESSIBLELINEEDIT_H

class QAccessibleInterface;
class QLineEdit;

namespace kit {

// A line edit as screen readers need it: its text read whole, and a result box
// heard without its grouping commas.
QAccessibleInterface* accessibleLineEdit(QLineEdit* edit);

} // namespace kit

#endif
