#ifndef KIT_ANNOUNCER_H
#define KIT_ANNOUNCER_H

// What a screen reader needs beyond names: panels it can tell from windows, boxes
// whose text it reads whole, menu items that say whether they are ticked, and
// texts it speaks while the focus stays where the user types.

#include <QString>
#include <QWidget>

class QComboBox;
class QFrame;
class QTimer;

namespace kit {

// Gives line edits, tickable menu items, lists, panels and announcers what
// screen readers need of them, lists and list boxes the set-focus action that Qt
// gives every other control. Every window calls it before it builds a control:
// Qt keeps the first interface it made for a control, even one made before this.
void installAccessibility();

// A plain frame reaches screen readers as a frame, which they take for a window
// of its own that is never active, and then they drop every focus change inside
// it. A panel given here, and every other plain frame from then on, is exported
// as a group named by its accessible name, or as a bare container without one.
void exposePanel(QFrame* panel, const QString& name = {});

// Speaks short texts through the screen reader without moving the focus: a
// notification that is never painted and is shown to assistive technology anew
// for every text.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // How long typing must rest before a result is spoken.
    static constexpr int kPauseMs = 600;

    explicit Announcer(QWidget* window);

    // The text spoken last, or being spoken.
    QString text() const { return m_text; }

    // Speaks at once, even a text said before; a text waiting for the pause still comes.
    void say(const QString& text);
    // Speaks once changes have rested for kPauseMs, unless it is what was said last.
    void sayAfterPause(const QString& text);

public Q_SLOTS:
    // The end of the pause: says the waiting text.
    void pauseEnded();

private:
    QString m_text;
    QString m_waiting;
    QTimer* m_pause = nullptr;
};

// Whether text[i] is a comma between digits: the grouping of a shown result,
// which a listener takes for a decimal comma ("8,000" heard as eight).
bool isGroupingComma(const QString& text, qsizetype i);
// text as it is to be heard: without its grouping commas.
QString withoutGroupingCommas(const QString& text);

// A closed list changed with the arrow keys is silent in screen readers: says the
// new item through the announcer. A list that takes typing is read already.
void sayKeyboardChoices(QComboBox* list, Announcer* announcer);

} // namespace kit

#endif
