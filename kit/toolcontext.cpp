#include "kit/toolcontext.h"

#include <QGuiApplication>

#include "kit/sheet.h"

namespace kit {

ToolContext::ToolContext(BasVar& var, DesktopServices& desktop) : m_var(var), m_desktop(desktop)
{
}

// The sheet's window goes before the sheet it shows.
ToolContext::~ToolContext()
{
    delete m_sheetWindow.data();
}

Sheet& ToolContext::sheet()
{
    if (!m_sheet)
        m_sheet = std::make_unique<Sheet>();
    return *m_sheet;
}

void ToolContext::noteDown(SheetEntry entry)
{
    sheet().add(std::move(entry));
    showSheet(false);
}

SheetWindow* ToolContext::showSheet(bool activate)
{
    if (!m_sheetWindow)
        m_sheetWindow = new SheetWindow(m_desktop, sheet(), [this](const QString& formName, const QStringList& state) {
            return m_openTool ? m_openTool(formName, state) : nullptr;
        });
    m_sheetWindow->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    if (m_sheetWindow->isMinimized())
        m_sheetWindow->setWindowState(m_sheetWindow->windowState() & ~Qt::WindowMinimized);
    m_sheetWindow->show();
    if (activate) {
        m_sheetWindow->raise();
        m_sheetWindow->activateWindow();
    }
    return m_sheetWindow;
}

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
