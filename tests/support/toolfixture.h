#ifndef TESTS_SUPPORT_TOOLFIXTURE_H
#define TESTS_SUPPORT_TOOLFIXTURE_H

#include <QWidget>

#include "kit/assets.h"
#include "kit/basvar.h"
#include "kit/language.h"
#include "kit/toolcontext.h"
#include "tests/support/fakedesktop.h"

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
// loading, a recording desktop, and a stand-in menu window to minimize and
// restore.
struct ToolFixture {
    app::Translations translations{QStringLiteral("es")};
    app::BasVar var;
    FakeDesktop desktop;
    app::ToolContext context{var, desktop};
    QWidget menu;

    ToolFixture()
    {
        silenceOffscreenNotices();
        app::loadAssets();
        var.ValorPi = 3.14159265358979;
        context.setMenu(&menu);
        menu.show();
    }

    bool menuMinimized() const { return menu.windowState().testFlag(Qt::WindowMinimized); }
};

#endif
