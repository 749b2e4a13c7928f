#ifndef KIT_TOOLWINDOW_H
#define KIT_TOOLWINDOW_H

#include <QWidget>

#include <functional>

#include "kit/sheet.h"
#include "kit/toolcontext.h"

class QKeyEvent;
class QToolButton;

namespace kit {

class Announcer;

// Base of every tool window: its title bar and background, its count in
// VentanasAbiertas from its making to its unload step, which runs exactly once
// however often the window is asked to close, and deletion once closed. The icon
// is the program's, drawn once for every window. Also the conventions the
// windows' handlers share: which focus changes are moves between controls, and
// how a key reaches a key handler.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // Whether the last tool to close brings the menu back: every tool does but the
    // window about Pythagoras, whose opening never minimized it.
    enum class MenuOnClose { Restore, Leave };

    explicit ToolWindow(ToolContext& context, MenuOnClose menuOnClose = MenuOnClose::Restore);

    // Enter as the key handlers see it.
    static constexpr int kEnter = 13;

    // Shows the values of a sheet entry this kind of window made, as if typed.
    virtual void restore(const QStringList& state);

    // Adds what the window shows to the results sheet, or says why there is nothing to add.
    void noteDown();

protected:
    // What the window would add to the sheet now: an entry, or why there is none.
    struct Note {
        SheetEntry entry;
        QString why; // empty when there is an entry
        QString heard = {}; // the entry's result as the window says it, units in words
    };
    // Ctrl+Enter notes the window's result down through note, and voice says so.
    void enableNotes(std::function<Note()> note, Announcer* voice);
    // The visible control that does the same, at a place in twips of parent.
    QToolButton* addNoteButton(QWidget* parent, int left, int top, int width);

    ToolContext& context() const { return m_context; }
    BasVar& var() const { return m_context.var(); }
    DesktopServices& desktop() const { return m_context.desktop(); }

    // Counts the window out of VentanasAbiertas and, when it was the last one,
    // restores the menu (unless it is to be left as it is); closing is never refused.
    void Form_Unload();

    // Focus that comes or goes with the whole window, or with a pop-up (a list's
    // or a context menu), is no move between controls.
    static bool movesBetweenControls(const QEvent* focusEvent);
    // Hands a key press to a key handler as its KeyAscii: kEnter for either Enter
    // key, else the code of the character it types; a key that types nothing
    // never reaches it. True when the handler swallowed the key (set it to 0).
    static bool runKeyPress(const QKeyEvent* key, const std::function<void(int& keyAscii)>& keyPress);

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ToolContext& m_context;
    MenuOnClose m_menuOnClose;
    std::function<Note()> m_note;
    Announcer* m_noteVoice = nullptr;
    bool m_unloaded = false;
    bool m_wasActive = false;
};

} // namespace kit

#endif
