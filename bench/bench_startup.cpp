// The program's own start-up, as app/main.cpp runs it, timed from outside the
// windows: the splash's first exposure, its Timer1 ticks, the menu's first
// exposure, then every tool opened through the menu's own items. Prints
// "name value" lines and exits; ./scripts/bench runs it under a real X server.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <set>

#include "app/program.h"
#include "bench/startupprobe.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

namespace {

class ToolsOpener {
public:
    explicit ToolsOpener(StartupProbe& probe) : m_probe(probe) {}

    void openAll()
    {
        for (const ui::Tool& tool : ui::kTools) {
            const char* window = tool.formName;
            m_probe.whenExposed(QString::fromLatin1(window), [this, window] { shown(window); });
        }
        QWidget* menu = topLevel(QStringLiteral("frmMenu"));
        for (const ui::Tool& tool : ui::kTools)
            pressOpener(menu, tool.opener);
        QTimer::singleShot(5000, qApp, [this] { finish(); }); // a window that never maps
    }

private:
    void shown(const char* window)
    {
        m_shown.insert(window);
        if (m_shown.size() == ui::kTools.size())
            finish();
    }

    void finish()
    {
        StartupProbe::print("tools_shown_count", static_cast<double>(m_shown.size()));
        StartupProbe::printMemory("tools");
        QApplication::exit(0);
    }

    StartupProbe& m_probe;
    std::set<const char*> m_shown;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    StartupProbe probe(QStringLiteral("Timer1"));
    ToolsOpener opener(probe);
    StartupProbe::print("application_ms", probe.elapsedMs());
    probe.whenExposed(QStringLiteral("frmInicio"), [&] {
        StartupProbe::print("splash_painted_ms", probe.elapsedMs());
        StartupProbe::printMemory("splash");
    });
    probe.whenExposed(QStringLiteral("frmMenu"), [&] {
        const std::vector<double>& ticks = probe.ticks();
        StartupProbe::print("ticks_count", static_cast<double>(ticks.size()));
        if (!ticks.empty()) {
            StartupProbe::print("tick_first_ms", ticks.front());
            StartupProbe::print("tick_last_ms", ticks.back());
            // Waiting for ticks 2 to 21, plus the interval before the first,
            // is the splash's time; everything else is the program's own.
            const double waiting = ticks.back() - ticks.front() + 10.0;
            StartupProbe::print("ticks_ms", waiting);
            StartupProbe::print("own_cost_ms", probe.shownMs(QStringLiteral("frmMenu")) - waiting);
        }
        StartupProbe::printMemory("menu");
        opener.openAll();
    });
    app::Program program(ui::kTools, QStringLiteral("es"));
    StartupProbe::print("program_made_ms", probe.elapsedMs());
    program.start();
    StartupProbe::print("splash_made_ms", probe.elapsedMs());
    return QApplication::exec();
}
