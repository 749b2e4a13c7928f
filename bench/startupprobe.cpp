#include "bench/startupprobe.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

StartupProbe::StartupProbe(QString timerName)
    : m_start(std::chrono::steady_clock::now()), m_timerName(std::move(timerName))
{
    bool given = false;
    const qlonglong t0 = qgetenv("BENCH_T0_NS").toLongLong(&given);
    if (given)
        m_start = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(t0));
    qApp->installEventFilter(this);
}

void StartupProbe::whenExposed(const QString& window, std::function<void()> then)
{
    m_waiting[window] = std::move(then);
}

double StartupProbe::elapsedMs() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
}

void StartupProbe::print(const char* name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

// Read a line at a time into a fixed buffer: reading all of smaps at once would
// itself take a few hundred KiB of heap, which the figures after would count.
void StartupProbe::printMemory(const char* prefix)
{
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        long long kib = 0;
        while (std::fgets(line, sizeof line, status)) {
            for (const char* field : {"VmRSS", "VmHWM"}) {
                const std::size_t length = std::strlen(field);
                if (std::strncmp(line, field, length) == 0 && std::sscanf(line + length, ": %lld", &kib) == 1)
                    std::printf("%s_%s_kib %lld\n", prefix, field, kib);
            }
        }
        std::fclose(status);
    }
    std::printf("%s_buffers_kib %lld\n", prefix, windowBuffersKib());
    std::fflush(stdout);
    keepMappings(prefix);
}

// With BENCH_SMAPS=DIR, a copy of /proc/self/smaps as DIR/PREFIX-PID.smaps, for
// bench/mappings.awk to say where each MiB goes.
void StartupProbe::keepMappings(const char* prefix)
{
    const char* folder = std::getenv("BENCH_SMAPS");
    if (!folder)
        return;
    char name[512];
    std::snprintf(name, sizeof name, "%s/%s-%d.smaps", folder, prefix, static_cast<int>(getpid()));
    std::FILE* maps = std::fopen("/proc/self/smaps", "r");
    std::FILE* copy = std::fopen(name, "w");
    char block[4096];
    std::size_t got = 0;
    while (maps && copy && (got = std::fread(block, 1, sizeof block, maps)) > 0)
        std::fwrite(block, 1, got, copy);
    for (std::FILE* file : {maps, copy}) {
        if (file)
            std::fclose(file);
    }
}

// Window contents shared with the X server (MIT-SHM): they grow with the area of
// the windows shown, whatever the program does.
long long StartupProbe::windowBuffersKib()
{
    std::FILE* maps = std::fopen("/proc/self/smaps", "r");
    if (!maps)
        return 0;
    long long total = 0;
    long long kib = 0;
    bool shared = false;
    char line[512];
    while (std::fgets(line, sizeof line, maps)) {
        if (!std::isupper(static_cast<unsigned char>(line[0])))
            shared = std::strstr(line, "memfd:xorg") || std::strstr(line, "SYSV");
        else if (shared && std::sscanf(line, "Rss: %lld", &kib) == 1)
            total += kib;
    }
    std::fclose(maps);
    return total;
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Timer && !m_timerName.isEmpty() && watched->objectName() == m_timerName) {
        m_ticks.push_back(elapsedMs());
    } else if (event->type() == QEvent::Expose && watched->isWindowType()) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            if (window->windowHandle() == watched)
                exposed(window->objectName());
        }
    }
    return false;
}

void StartupProbe::exposed(const QString& window)
{
    const auto waiting = m_waiting.find(window);
    if (waiting == m_waiting.end())
        return;
    m_shown[window] = elapsedMs();
    const QByteArray name = (window + QStringLiteral("_shown_ms")).toUtf8();
    print(name.constData(), m_shown[window]);
    std::function<void()> then = std::move(waiting->second);
    m_waiting.erase(waiting);
    QTimer::singleShot(0, this, std::move(then));
}
