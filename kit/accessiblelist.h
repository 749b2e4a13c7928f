#ifndef KIT_ACCESSIBLELIST_H
#define KIT_ACCESSIBLELIST_H

class QAccessibleInterface;

namespace kit {

// Qt's own interface of a list or list box (own), given the set-focus action
// that every other control has.
QAccessibleInterface* focusableList(QAccessibleInterface* own);

} // namespace kit

#endif
