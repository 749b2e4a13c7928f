#include <QApplication>

#include "app/program.h"
#include "ui/tools.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::Program program(ui::toolMakers());
    program.start();
    return QApplication::exec();
}
