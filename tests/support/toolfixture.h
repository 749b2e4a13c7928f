#ifndef TESTS_SUPPORT_TOOLFIXTURE_H
#define TESTS_SUPPORT_TOOLFIXTURE_H

#include <QWidget>

#include "app/assets.h"
#include "app/basvar.h"
#include "app/toolcontext.h"
#include "tests/support/fakedesktop.h"

// Fresh program state for one test: the shared variables as the menu leaves them
// after loading, a recording desktop, and a stand-in menu window to minimize and
// restore.
struct ToolFixture {
    app::BasVar var;
    FakeDesktop desktop;
    app::ToolContext context{var, desktop};
    QWidget menu;

    ToolFixture()
    {
        app::loadAssets();
        var.ValorPi = 3.14159265358979;
        context.setMenu(&menu);
        menu.show();
    }

    bool menuMinimized() const { return menu.windowState().testFlag(Qt::WindowMinimized); }
};

#endif
