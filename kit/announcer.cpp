#include "kit/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace kit {
namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? heard(static_cast<const Announcer*>(widget())->text())
                                      : QAccessibleWidget::text(t);
    }

private:
    // Orca closes an utterance that ends in a letter or a figure with a full
    // stop, which the Portuguese voice, after decimals it reads figure by
    // figure, says aloud ("3,1416 ponto"). A no-break space after a closing
    // figure, silent in every language, leaves the utterance open.
    static QString heard(const QString& text)
    {
        return !text.isEmpty() && text.back().isDigit() ? text + QChar(0x00A0) : text;
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object)
{
    return className == QLatin1String(Announcer::staticMetaObject.className())
               ? new AccessibleAnnouncer(static_cast<Announcer*>(object))
               : nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window), m_pause(new QTimer(this))
{
    // Installed before the first announcer's interface is asked for.
    static const bool installed = (QAccessible::installFactory(announcerFactory), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Anuncio"));
    hide();
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMs);
    connect(m_pause, &QTimer::timeout, this, &Announcer::pauseEnded);
}

void Announcer::say(const QString& text)
{
    m_text = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Announcer::sayAfterPause(const QString& text)
{
    m_waiting = text;
    m_pause->start();
}

void Announcer::pauseEnded()
{
    const QString waiting = m_waiting;
    m_pause->stop();
    m_waiting.clear();
    if (!waiting.isEmpty() && waiting != m_text)
        say(waiting);
}

} // namespace kit
