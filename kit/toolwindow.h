#ifndef KIT_TOOLWINDOW_H
#define KIT_TOOLWINDOW_H

#include <QWidget>

#include "kit/toolcontext.h"

namespace app {

// Base of every tool window: the program icon, deletion once closed, and an
// unload step that runs exactly once however often the window is asked to close.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindow(ToolContext& context);

protected:
    ToolContext& context() const { return m_context; }
    BasVar& var() const { return m_context.var(); }
    DesktopServices& desktop() const { return m_context.desktop(); }

    // The window's own unload step; closing is never refused.
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    ToolContext& m_context;
    bool m_unloaded = false;
};

} // namespace app

#endif
