#ifndef KIT_ACCESSIBLECHECKITEM_H
#define KIT_ACCESSIBLECHECKITEM_H

class QAccessibleInterface;
class QAction;

namespace kit {

// A tickable menu item that says it can be ticked, or nullptr when item is not
// a tickable item of a menu.
QAccessibleInterface* accessibleCheckItem(QAction* item);

} // namespace kit

#endif
