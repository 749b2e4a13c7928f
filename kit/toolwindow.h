#ifndef KIT_TOOLWINDOW_H
#define KIT_TOOLWINDOW_H

#include <QWidget>

#include "kit/toolcontext.h"

class QKeyEvent;

namespace kit {

// Base of every tool window: deletion once closed, and the unload step, which
// runs exactly once however often the window is asked to close. The icon is the
// program's, drawn once for every window. Also the conventions the windows'
// handlers share: which focus changes are moves between controls, and how a key
// reaches a key handler.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // Whether the last tool to close brings the menu back: every tool does but the
    // window about Pythagoras, whose opening never minimized it.
    enum class MenuOnClose { Restore, Leave };

    explicit ToolWindow(ToolContext& context, MenuOnClose menuOnClose = MenuOnClose::Restore);

    // Enter as the key handlers see it.
    static constexpr int kEnter = 13;

protected:
    ToolContext& context() const { return m_context; }
    BasVar& var() const { return m_context.var(); }
    DesktopServices& desktop() const { return m_context.desktop(); }

    // Counts the window out of VentanasAbiertas and, when it was the last one,
    // restores the menu (unless it is to be left as it is); closing is never refused.
    void Form_Unload();

    // Focus that comes or goes with the whole window, or with a pop-up (a list's
    // or a context menu), is no move between controls.
    static bool movesBetweenControls(const QEvent* focusEvent);
    // A key press as a key handler takes it: kEnter for either Enter key, the code
    // of the character it types, or 0 when it types nothing.
    static int keyAscii(const QKeyEvent* key);

    void closeEvent(QCloseEvent* event) override;

private:
    ToolContext& m_context;
    MenuOnClose m_menuOnClose;
    bool m_unloaded = false;
};

} // namespace kit

#endif
