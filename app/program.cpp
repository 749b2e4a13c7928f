#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>

#include <vector>

#include "app/menuwindow.h"
#include "app/splashwindow.h"
#include "app/version.h"
#include "kit/assets.h"

namespace app {
namespace {

// Ends the run at once. Unlike quit(), exit() does not close the windows first,
// so no tool window runs its unload step on the way out.
void endRun()
{
    QApplication::exit(0);
}

} // namespace

Program::Program(const ui::ToolTable& tools, const QString& language) : m_translations(language), m_tools(tools)
{
    kit::loadAssets();
    QApplication::setApplicationName(QLatin1String(kName));
    // The installed entry's id: Wayland desktops match the windows to its icon and name.
    QApplication::setDesktopFileName(QLatin1String(kAppId));
    // Every window shows the application's icon: none sets one of its own.
    QApplication::setWindowIcon(kit::programIcon());
    // The run ends only through the menu or the splash's "x", never because
    // the splash closed or the menu was minimized.
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::~Program()
{
    // Deleting one window also deletes the pop-ups it owns, which are in the list
    // as well; guarded pointers skip those instead of touching freed memory.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const std::vector<QPointer<QWidget>> guarded(windows.begin(), windows.end());
    for (const QPointer<QWidget>& window : guarded) {
        if (window && !window->parentWidget())
            delete window.data();
    }
}

void Program::start()
{
    auto* splash = new SplashWindow([this] { showMenu(); }, endRun);
    splash->show();
}

void Program::showMenu()
{
    if (!m_menu) {
        m_menu = new MenuWindow(m_context, m_tools, endRun);
        m_context.setMenu(m_menu);
    }
    m_menu->show();
}

} // namespace app
