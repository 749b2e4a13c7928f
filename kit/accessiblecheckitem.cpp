#include "kit/accessiblecheckitem.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace kit {
namespace {

struct CheckItemWords {
    Q_DECLARE_TR_FUNCTIONS(kit::AccessibleCheckItem)
};

// Qt tells screen readers that a menu item is ticked, but not that one can be:
// they say "ticked" for a ticked item and nothing for an unticked one, which
// then sounds like an item that can not be ticked. This one's name says so.
class AccessibleCheckItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleCheckItem(QMenu* menu, QAction* item) : m_menu(menu), m_item(item) {}

    bool isValid() const override { return m_menu && m_item; }
    QObject* object() const override { return m_item; }
    QWindow* window() const override { return m_menu->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const QString name = QString(m_item->text()).remove(QLatin1Char('&'));
        return m_item->isChecked() ? name : CheckItemWords::tr("%1, no marcada").arg(name);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override { return m_menu->actionGeometry(m_item).translated(m_menu->mapToGlobal(QPoint(0, 0))); }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_menu->isVisible() || !m_item->isVisible();
        state.focused = m_menu->activeAction() == m_item;
        state.disabled = !m_item->isEnabled();
        state.checkable = true;
        state.checked = m_item->isChecked();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && m_item->isEnabled())
            m_item->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_item;
};

// The menu a tickable item sits in, if it sits in one.
QMenu* menuOfCheckItem(QAction* item)
{
    if (!item->isCheckable())
        return nullptr;
    const QList<QObject*> owners = item->associatedObjects();
    for (QObject* owner : owners) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return menu;
    }
    return nullptr;
}

} // namespace

QAccessibleInterface* accessibleCheckItem(QAction* item)
{
    QMenu* menu = menuOfCheckItem(item);
    return menu ? new AccessibleCheckItem(menu, item) : nullptr;
}

} // namespace kit
