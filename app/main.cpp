#include <QApplication>

#include "app/commandline.h"
#include "app/program.h"
#include "ui/tools.h"

int main(int argc, char* argv[])
{
    // Read before QApplication exists: --help and --version need no display.
    const app::CommandLine commandLine = app::readCommandLine(app::argumentList(argc, argv));
    if (commandLine.action != app::CommandLine::Action::Run)
        return app::answerCommandLine(commandLine);

    QApplication application(argc, argv);
    app::Program program(ui::toolMakers());
    program.start();
    return QApplication::exec();
}
