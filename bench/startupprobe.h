#ifndef BENCH_STARTUPPROBE_H
#define BENCH_STARTUPPROBE_H

// Watches a start-up from outside the windows, through an event filter on the
// application: when each top-level window is first exposed on the display, and
// when a named timer ticks. Times are milliseconds since the process started, as
// told by the parent in BENCH_T0_NS (its steady clock at spawn); without it, since
// the probe was made.

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <vector>

class StartupProbe : public QObject {
public:
    explicit StartupProbe(QString timerName = {});

    // Runs once, on the next turn of the event loop after window was first exposed.
    void whenExposed(const QString& window, std::function<void()> then);
    double elapsedMs() const;
    // When window was first exposed, in ms; 0 before that.
    double shownMs(const QString& window) const { return m_shown.count(window) ? m_shown.at(window) : 0; }
    const std::vector<double>& ticks() const { return m_ticks; }

    // "name value" on standard output.
    static void print(const char* name, double value);
    // VmRSS and VmHWM of this process, and the window buffers within them, in KiB.
    static void printMemory(const char* prefix);
    static long long windowBuffersKib();
    static void keepMappings(const char* prefix);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void exposed(const QString& window);

    std::chrono::steady_clock::time_point m_start;
    QString m_timerName;
    std::vector<double> m_ticks;
    std::map<QString, std::function<void()>> m_waiting;
    std::map<QString, double> m_shown;
};

#endif
