#include "app/windowsystem.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// Whether a Wayland compositor accepts a connection at WAYLAND_DISPLAY: a name
// in XDG_RUNTIME_DIR, or a whole path.
bool waylandAnswers()
{
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    const QByteArray path = display.startsWith('/') ? display : qgetenv("XDG_RUNTIME_DIR") + '/' + display;
    sockaddr_un address{};
    if (display.isEmpty() || path.size() >= int(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers =
        connection >= 0 && ::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    if (connection >= 0)
        ::close(connection);
    return answers;
}

// Qt's fatal message ends with the platform plugins it found, if any; Wayland's
// are named "wayland", "wayland-egl" and so on.
bool lacksWaylandPlugin(const QString& fatal)
{
    return !fatal.section(QLatin1String("Available platform plugins are:"), 1).contains(QLatin1String("wayland"));
}

QString translated(const char* text)
{
    return kit::translatedEarly(g_connecting->language, "app::WindowSystem", text);
}

// A compositor answers, yet nothing could speak to it: Qt's Wayland plugin,
// only recommended by the package, is not installed.
QString failure(const QString& fatal)
{
    const QString wayland = shownValue(qEnvironmentVariable("WAYLAND_DISPLAY"));
    if (lacksWaylandPlugin(fatal) && waylandAnswers()) {
        return translated(QT_TRANSLATE_NOOP("app::WindowSystem",
                                            "vantrelo: un compositor Wayland responde en WAYLAND_DISPLAY=%1, pero "
                                            "falta el complemento de Qt para Wayland: instale el paquete "
                                            "qt6-wayland.\n"))
            .arg(wayland);
    }
    return translated(QT_TRANSLATE_NOOP("app::WindowSystem",
                                        "vantrelo: no se pudo conectar con ningún sistema de ventanas "
                                        "(DISPLAY=%1, WAYLAND_DISPLAY=%2).\n"))
        .arg(shownValue(qEnvironmentVariable("DISPLAY")), wayland);
}

[[noreturn]] void endWithoutWindowSystem(const QString& fatal)
{
    std::fputs(failure(fatal).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Nothing of the run exists yet to be cleaned up, and a core dump tells the user nothing.
    std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt's only fatal message while it connects is the one that no platform could start.
    if (type == QtFatalMsg)
        endWithoutWindowSystem(text);
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
