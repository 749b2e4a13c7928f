#include <QApplication>
#include <QLocale>

#include <memory>

#include "app/commandline.h"
#include "app/program.h"
#include "app/windowsystem.h"
#include "ui/tools.h"

int main(int argc, char* argv[])
{
    // Read before QApplication exists: --help and --version need no display.
    const QStringList arguments = app::argumentList(argc, argv);
    const app::CommandLine commandLine = app::readCommandLine(arguments);
    const QString language =
        commandLine.language.isEmpty() ? kit::desktopLanguage(QLocale::system().uiLanguages()) : commandLine.language;
    if (commandLine.action != app::CommandLine::Action::Run) {
        // Read again once its language is in place; a bare core application
        // still needs no display.
        QCoreApplication terminal(argc, argv);
        const kit::Translations translations(language);
        return app::answerCommandLine(app::readCommandLine(arguments));
    }

    const std::unique_ptr<QApplication> application = app::openWindowSystem(argc, argv, language);
    app::Program program(ui::kTools, language);
    program.start();
    return QApplication::exec();
}
