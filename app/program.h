#ifndef APP_PROGRAM_H
#define APP_PROGRAM_H

// One run of Vantrelo: owns the shared variables and the desktop, opens the
// splash, and builds the main menu when the splash hands over.

#include <QPointer>
#include <QTranslator>

#include "kit/basvar.h"
#include "app/qtdesktop.h"
#include "kit/toolcontext.h"

namespace app {

class MenuWindow;

class Program {
public:
    explicit Program(ToolMakers makers);
    // Ends the run: every window still open goes without its own unload step.
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start();

private:
    void showMenu();

    QTranslator m_qtSpanish; // Qt's own texts (standard buttons, edit menus) in Spanish
    BasVar m_var;
    QtDesktop m_desktop;
    ToolContext m_context{m_var, m_desktop};
    ToolMakers m_makers;
    QPointer<MenuWindow> m_menu;
};

} // namespace app

#endif
