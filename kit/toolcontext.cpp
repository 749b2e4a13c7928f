#include "kit/toolcontext.h"

#include <QGuiApplication>

namespace kit {

void ToolContext::minimizeMenu() const
{
    if (m_menu)
        m_menu->setWindowState(m_menu->windowState() | Qt::WindowMinimized);
}

void ToolContext::restoreMenu() const
{
    if (!m_menu)
        return;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Wayland has no request to undo a minimize, and the compositor's next
        // configure already set the state back to normal, so clearing it changes
        // nothing on screen: map the menu afresh instead.
        m_menu->hide();
        m_menu->setWindowState(m_menu->windowState() & ~Qt::WindowMinimized);
        m_menu->show();
        m_menu->raise();
        m_menu->activateWindow();
        return;
    }
    m_menu->setWindowState(m_menu->windowState() & ~Qt::WindowMinimized);
}

} // namespace kit
