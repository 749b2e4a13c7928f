#include "app/windowsystem.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/commandline.h"
#include "kit/language.h"

namespace app {
namespace {

// A copy of all a message handler is told: the category's name may live in a
// platform plugin that did not start.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// What the message handler below needs: a plain function, it finds it here, for
// as long as one HeldMessages lives.
struct Connecting {
    QtMessageHandler previous = nullptr;
    QString language;
    std::vector<HeldMessage> held;
};

Connecting* g_connecting = nullptr;

[[noreturn]] void endWithoutWindowSystem()
{
    const QString line =
        kit::translatedEarly(g_connecting->language, "app::WindowSystem",
                             QT_TRANSLATE_NOOP("app::WindowSystem",
                                               "vantrelo: no se pudo conectar con ningún sistema de ventanas "
                                               "(DISPLAY=%1, WAYLAND_DISPLAY=%2).\n"))
            .arg(shownValue(qEnvironmentVariable("DISPLAY")), shownValue(qEnvironmentVariable("WAYLAND_DISPLAY")));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Nothing of the run exists yet to be cleaned up, and a core dump tells the user nothing.
    std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt's only fatal message while it connects is the one that no platform could start.
    if (type == QtFatalMsg)
        endWithoutWindowSystem();
    g_connecting->held.push_back({type, QByteArray(context.category), text});
}

// Holds Qt's messages for as long as it lives, then passes them on.
class HeldMessages {
public:
    explicit HeldMessages(const QString& language)
    {
        m_connecting.language = language;
        g_connecting = &m_connecting;
        m_connecting.previous = qInstallMessageHandler(holdMessage);
    }

    ~HeldMessages()
    {
        qInstallMessageHandler(m_connecting.previous);
        g_connecting = nullptr;
        for (const HeldMessage& message : m_connecting.held) {
            const char* category = message.category.isNull() ? nullptr : message.category.constData();
            const QMessageLogContext context(nullptr, 0, nullptr, category);
            m_connecting.previous(message.type, context, message.text);
        }
    }

    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

private:
    Connecting m_connecting;
};

} // namespace

std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv, const QString& language)
{
    const HeldMessages held(language);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace app
