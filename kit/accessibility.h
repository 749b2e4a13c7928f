#ifndef KIT_ACCESSIBILITY_H
#define KIT_ACCESSIBILITY_H

// What a screen reader needs beyond names: panels it can tell from windows,
// boxes whose text it reads whole or line by line, menu items that say whether they are ticked,
// lists it can move the focus to.

#include <QString>

class QFrame;
class QLabel;

namespace kit {

// Gives line edits, tickable menu items, lists and panels what
// screen readers need of them, lists and list boxes the set-focus action that Qt
// gives every other control. Every window calls it before it builds a control:
// Qt keeps the first interface it made for a control, even one made before this.
void installAccessibility();

// A plain frame reaches screen readers as a frame, which they take for a window
// of its own that is never active, and then they drop every focus change inside
// it. A panel given here, and every other plain frame from then on, is exported
// as a group named by its accessible name, or as a bare container without one.
void exposePanel(QFrame* panel, const QString& name = {});

// A label that belongs to no control, such as the "=" of a formula, is read out
// by screen readers on their own as the window opens when it has a few words.
// One given here is passed over: the names of the boxes beside it say the same.
void passOver(QLabel* label);

} // namespace kit

#endif
