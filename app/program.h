#ifndef APP_PROGRAM_H
#define APP_PROGRAM_H

// One run of Vantrelo: owns the shared variables and the desktop, opens the
// splash, and builds the main menu when the splash hands over.

#include <QPointer>
#include <QString>

#include "app/qtdesktop.h"
#include "kit/basvar.h"
#include "kit/language.h"
#include "kit/toolcontext.h"
#include "ui/tools.h"

namespace app {

class MenuWindow;

class Program {
public:
    // language: a code of kLanguages, the language of every window of the run.
    Program(const ui::ToolTable& tools, const QString& language);
    // Ends the run: every window still open goes without its own unload step.
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start();

private:
    void showMenu();

    kit::Translations m_translations;
    kit::BasVar m_var;
    QtDesktop m_desktop;
    kit::ToolContext m_context{m_var, m_desktop};
    ui::ToolTable m_tools;
    QPointer<MenuWindow> m_menu;
};

} // namespace app

#endif
