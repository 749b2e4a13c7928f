#include "bench/startupprobe.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cctype>
#include <cstdio>

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

void StartupProbe::printMemory(const char* prefix)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n')) {
        for (const char* field : {"VmRSS", "VmHWM"}) {
            if (line.startsWith(field)) {
                const QByteArray kib = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0);
                std::printf("%s_%s_kib %s\n", prefix, field, kib.constData());
            }
        }
    }
    std::printf("%s_buffers_kib %lld\n", prefix, windowBuffersKib());
    std::fflush(stdout);
}

// Window contents shared with the X server (MIT-SHM): they grow with the area of
// the windows shown, whatever the program does.
long long StartupProbe::windowBuffersKib()
{
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    long long total = 0;
    bool shared = false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (!line.isEmpty() && !std::isupper(static_cast<unsigned char>(line.at(0))))
            shared = line.contains("memfd:xorg") || line.contains("SYSV");
        else if (shared && line.startsWith("Rss:"))
            total += line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
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
