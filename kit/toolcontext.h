#ifndef KIT_TOOLCONTEXT_H
#define KIT_TOOLCONTEXT_H

#include <QPointer>
#include <QWidget>

#include "kit/basvar.h"
#include "kit/desktopservices.h"

namespace kit {

// What a tool window gets from the program: the shared variables, the desktop,
// and the main menu, which it minimizes and restores.
class ToolContext {
public:
    ToolContext(BasVar& var, DesktopServices& desktop) : m_var(var), m_desktop(desktop) {}

    BasVar& var() const { return m_var; }
    DesktopServices& desktop() const { return m_desktop; }

    void setMenu(QWidget* menu) { m_menu = menu; }
    QWidget* menu() const { return m_menu; }
    void minimizeMenu() const;
    void restoreMenu() const;

private:
    BasVar& m_var;
    DesktopServices& m_desktop;
    QPointer<QWidget> m_menu;
};

} // namespace kit

#endif
