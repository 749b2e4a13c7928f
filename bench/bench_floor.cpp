// The floor the program's start-up is weighed against: the barest Qt Widgets
// window with one text box and one label, timed and measured like the program.
// With BENCH_KEEP_OPEN set it stays open, for bench_sidebyside to measure.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "bench/startupprobe.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    StartupProbe probe;
    StartupProbe::print("floor_application_ms", probe.elapsedMs());
    probe.whenExposed(QStringLiteral("floor"), [&] {
        StartupProbe::print("floor_painted_ms", probe.elapsedMs());
        StartupProbe::printMemory("floor");
        if (qEnvironmentVariableIsEmpty("BENCH_KEEP_OPEN"))
            QApplication::exit(0);
    });
    QWidget window;
    window.setObjectName(QStringLiteral("floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(QStringLiteral("0"), &window));
    layout->addWidget(new QLabel(QStringLiteral("0"), &window));
    window.show();
    return QApplication::exec();
}
