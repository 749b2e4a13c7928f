#ifndef KIT_LISTCHOICES_H
#define KIT_LISTCHOICES_H

class QComboBox;

namespace kit {

class Announcer;

// A closed list changed with the arrow keys is silent in screen readers: says the
// new item through the announcer. A list that takes typing is read already.
void sayKeyboardChoices(QComboBox* list, Announcer* announcer);

} // namespace kit

#endif
