#include "kit/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

#include "kit/accessibility.h"

namespace kit {
namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

} // namespace

QAccessibleInterface* accessibleAnnouncer(Announcer* announcer)
{
    return new AccessibleAnnouncer(announcer);
}

Announcer::Announcer(QWidget* window) : QWidget(window), m_pause(new QTimer(this))
{
    installAccessibility();
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
