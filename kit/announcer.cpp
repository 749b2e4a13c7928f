#include "kit/announcer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QTimer>

namespace kit {
namespace {

// Named, a panel is a group the screen reader names on entering it; unnamed,
// a container it passes over.
class AccessiblePanel : public QAccessibleWidget {
public:
    explicit AccessiblePanel(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
};

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* panelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    // Only frames of that very class: Qt's own frame-based parts keep theirs.
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject
        && !static_cast<QWidget*>(object)->isWindow())
        return new AccessiblePanel(static_cast<QWidget*>(object));
    return nullptr;
}

// Installed before the first panel or announcer is queried, and only once.
void installFactory()
{
    static const bool installed = (QAccessible::installFactory(panelFactory), true);
    Q_UNUSED(installed);
}

// Moves through a closed list one or more items at a time.
bool isChoiceKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown
           || key == Qt::Key_Home || key == Qt::Key_End;
}

class KeyChoiceSpeaker : public QObject {
public:
    KeyChoiceSpeaker(QComboBox* list, Announcer* announcer) : QObject(list), m_announcer(announcer)
    {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list] {
            // In words where the item has them, as the open list reads it.
            const QString words = list->currentData(Qt::AccessibleTextRole).toString();
            if (m_byKey)
                m_announcer->say(words.isEmpty() ? list->currentText() : words);
            m_byKey = false;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* list = static_cast<QComboBox*>(watched);
            // An open list is read item by item already.
            m_byKey = isChoiceKey(static_cast<QKeyEvent*>(event)->key()) && !list->view()->isVisible();
        }
        return false;
    }

private:
    Announcer* m_announcer;
    bool m_byKey = false;
};

} // namespace

void exposePanel(QFrame* panel, const QString& name)
{
    installFactory();
    panel->setAccessibleName(name);
}

Announcer::Announcer(QWidget* window) : QWidget(window), m_pause(new QTimer(this))
{
    installFactory();
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

void sayKeyboardChoices(QComboBox* list, Announcer* announcer)
{
    // A list that takes typing shows the new item in its text, which is read already.
    if (!list->isEditable())
        new KeyChoiceSpeaker(list, announcer);
}

} // namespace kit
