#include "app/program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPointer>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <vector>

#include "app/menuwindow.h"
#include "app/splashwindow.h"
#include "app/version.h"
#include "kit/assets.h"

namespace app {
namespace {

// Lets go of what only the start-up used, once the splash is gone: its three
// typefaces, each a mapped file with shaping tables and drawn letters on the heap
// (about 1 MiB together), and the heap pages that freeing the splash left empty.
// Clearing the font cache is what Qt does when the fonts installed change; the
// menu's own typeface loads again as it next draws.
void releaseStartup()
{
    QFont::cleanup();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

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
    // Queued: the splash's labels go after this signal, with the last of its text.
    QObject::connect(splash, &QObject::destroyed, [] { QTimer::singleShot(0, releaseStartup); });
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
