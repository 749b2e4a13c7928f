#include "kit/toolcontext.h"

namespace app {

void ToolContext::minimizeMenu() const
{
    if (m_menu)
        m_menu->setWindowState(m_menu->windowState() | Qt::WindowMinimized);
}

void ToolContext::restoreMenu() const
{
    if (m_menu)
        m_menu->setWindowState(m_menu->windowState() & ~Qt::WindowMinimized);
}

} // namespace app
