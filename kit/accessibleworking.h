#ifndef KIT_ACCESSIBLEWORKING_H
#define KIT_ACCESSIBLEWORKING_H

#include <QStringList>

class QAccessibleInterface;
class QPlainTextEdit;

namespace kit {

// A read-only box that shows a working in symbols, one form a line, read by a
// screen reader in words as it shows: one heard line for each line shown, the
// caret on the heard line of the shown line it is on. Up and Down, Home and End,
// Control+Home and Control+End move through it as through any text.
QAccessibleInterface* accessibleWorking(QPlainTextEdit* box);

// Whether box reads so, and the lines it is heard as from now on.
bool readsAsWorking(const QPlainTextEdit* box);
void setHeardLines(QPlainTextEdit* box, const QStringList& lines);

} // namespace kit

#endif
