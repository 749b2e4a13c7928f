#include "kit/announcer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>
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

// Qt's own interface of a list or list box, with the set-focus action that every
// other control has: assistive technology moves the focus through it.
class FocusableList : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit FocusableList(QAccessibleInterface* own)
        : m_own(own), m_ownId(QAccessible::uniqueId(own)), m_object(own->object())
    {
    }
    // Qt keeps its own interface in the cache, which this one took over for the
    // list; when the program ends, the cache deletes both itself, in any order.
    ~FocusableList() override
    {
        if (!QCoreApplication::closingDown() && QAccessible::accessibleInterface(m_ownId) == m_own)
            QAccessible::deleteAccessibleInterface(m_ownId);
    }

    bool isValid() const override { return m_object && m_own->isValid(); }
    QObject* object() const override { return m_object; }
    QWindow* window() const override { return m_own->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_own->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return m_own->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return m_own->childAt(x, y); }
    QAccessibleInterface* parent() const override { return m_own->parent(); }
    QAccessibleInterface* child(int index) const override { return m_own->child(index); }
    int childCount() const override { return m_own->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_own->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return m_own->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { m_own->setText(t, text); }
    QRect rect() const override { return m_own->rect(); }
    QAccessible::Role role() const override { return m_own->role(); }
    QAccessible::State state() const override { return m_own->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : m_own->interface_cast(type);
    }

    QStringList actionNames() const override
    {
        QStringList names = ownActions() ? ownActions()->actionNames() : QStringList();
        const auto* list = static_cast<const QWidget*>(object());
        if (list->isEnabled() && list->focusPolicy() != Qt::NoFocus && !names.contains(setFocusAction()))
            names << setFocusAction();
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == setFocusAction())
            static_cast<QWidget*>(object())->setFocus(Qt::OtherFocusReason);
        else if (ownActions())
            ownActions()->doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return ownActions() ? ownActions()->keyBindingsForAction(action) : QStringList();
    }

private:
    QAccessibleActionInterface* ownActions() const { return m_own->actionInterface(); }

    QAccessibleInterface* m_own;
    QAccessible::Id m_ownId;
    QPointer<QObject> m_object;
};

bool isList(const QString& className)
{
    return className == QLatin1String("QComboBox") || className == QLatin1String("QListWidget");
}

QAccessibleInterface* panelFactory(const QString& className, QObject* object)
{
    // Asked again from here for Qt's own interface, which it then builds.
    static bool askingQt = false;
    if (isList(className) && !askingQt) {
        askingQt = true;
        QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
        askingQt = false;
        return own ? new FocusableList(own) : nullptr;
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    // Only frames of that very class: Qt's own frame-based parts keep theirs.
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject
        && !static_cast<QWidget*>(object)->isWindow())
        return new AccessiblePanel(static_cast<QWidget*>(object));
    return nullptr;
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

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(panelFactory), true);
    Q_UNUSED(installed);
}

void exposePanel(QFrame* panel, const QString& name)
{
    installAccessibility();
    panel->setAccessibleName(name);
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

void sayKeyboardChoices(QComboBox* list, Announcer* announcer)
{
    // A list that takes typing shows the new item in its text, which is read already.
    if (!list->isEditable())
        new KeyChoiceSpeaker(list, announcer);
}

} // namespace kit
