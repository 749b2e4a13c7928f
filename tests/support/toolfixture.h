#ifndef TESTS_SUPPORT_TOOLFIXTURE_H
#define TESTS_SUPPORT_TOOLFIXTURE_H

#include <QtTest>

#include <QPointer>
#include <QWidget>

#include <vector>

#include "app/menuwindow.h"
#include "app/splashwindow.h"
#include "kit/assets.h"
#include "kit/basvar.h"
#include "kit/language.h"
#include "kit/toolcontext.h"
#include "kit/toolwindow.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

// The offscreen platform warns at every raise and keyboard grab it cannot do;
// a run prints those by the thousand and would bury a warning that matters.
// Installed over the test log's own handler, which must already be in place.
inline void silenceOffscreenNotices()
{
    static QtMessageHandler next = nullptr;
    if (next)
        return;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            next(type, context, text);
    });
}

// Fresh program state for one test: the windows in Spanish whatever the
// machine's language, the shared variables as the menu leaves them after
// loading, and a recording desktop.
struct ToolFixture {
    kit::Translations translations{QStringLiteral("es")};
    kit::BasVar var;
    FakeDesktop desktop;
    kit::ToolContext context{var, desktop};

    ToolFixture()
    {
        silenceOffscreenNotices();
        kit::loadAssets();
        var.ValorPi = kit::kDefaultPi;
    }

    // Tool windows a test left open, or a pressed control opened on its own, go
    // before the state they use.
    ~ToolFixture()
    {
        // Deleting one window may delete others of the list with it.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (const QPointer<QWidget>& window : std::vector<QPointer<QWidget>>(windows.begin(), windows.end())) {
            if (window && qobject_cast<kit::ToolWindow*>(window.data()))
                delete window.data();
        }
    }

    ToolFixture(const ToolFixture&) = delete;
    ToolFixture& operator=(const ToolFixture&) = delete;

    // Every window of the program, by form name: the splash, the menu, the tools.
    inline static const QStringList kFormNames = [] {
        QStringList names = {QStringLiteral("frmInicio"), QStringLiteral("frmMenu")};
        for (const ui::Tool& tool : ui::kTools)
            names << QString::fromLatin1(tool.formName);
        return names;
    }();

    // Builds any window by its form name on its own (the splash and the menu
    // too), shows it, and leaves deleting it to the caller.
    QWidget* build(const QString& formName)
    {
        QWidget* window = nullptr;
        if (formName == QLatin1String("frmInicio"))
            window = new app::SplashWindow([] {}, [] {});
        else if (formName == QLatin1String("frmMenu"))
            window = new app::MenuWindow(context, ui::kTools, [] {});
        for (const ui::Tool& tool : ui::kTools) {
            if (formName == QLatin1String(tool.formName))
                window = tool.make(context, tool);
        }
        if (!window)
            qFatal("no window %s", qPrintable(formName));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return window;
    }
};

// The same with the real main menu and every tool, through which a test opens
// windows as a user does, so that counting and minimizing are the program's own.
struct MenuFixture : ToolFixture {
    app::MenuWindow menu{context, ui::kTools, [] {}};

    MenuFixture()
    {
        context.setMenu(&menu);
        menu.show();
    }

    // Opens a tool through its opener in ui::kTools, a menu item or the
    // converter's picture button, and returns its window, shown and active.
    QWidget* open(const QString& opener)
    {
        const QWidgetList before = QApplication::topLevelWidgets();
        pressOpener(&menu, opener);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!before.contains(window) && window->isVisible() && qobject_cast<kit::ToolWindow*>(window)) {
                window->activateWindow();
                if (!QTest::qWaitForWindowActive(window))
                    qWarning("%s not active", qPrintable(window->objectName()));
                return window;
            }
        }
        qFatal("%s opened no window", qPrintable(opener));
    }

    bool menuMinimized() const { return menu.windowState().testFlag(Qt::WindowMinimized); }
};

#endif
