#include "kit/accessiblelist.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "kit/readonlytext.h"

namespace kit {
namespace {

// The item chosen, in words where it has them; a box that takes typing, what is
// typed while it is no item.
QString valueInWords(const QComboBox* box)
{
    const QString shown = box->currentText();
    const QString words = box->currentData(Qt::AccessibleTextRole).toString();
    return shown == box->itemText(box->currentIndex()) && !words.isEmpty() ? words : shown;
}

// Qt's own interface of a list or list box, with the set-focus action that every
// other control has: assistive technology moves the focus through it.
class FocusableList : public QAccessibleInterface, public QAccessibleActionInterface, public ReadOnlyText {
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
    // On Linux Qt names a list box by its current item, and the box's own name is
    // never heard: here it keeps its name, and its value is the item in words.
    QString text(QAccessible::Text t) const override
    {
        const auto* box = qobject_cast<const QComboBox*>(m_object.data());
        if (!box || (t != QAccessible::Name && t != QAccessible::Value))
            return m_own->text(t);
        if (t == QAccessible::Name)
            return box->accessibleName().isEmpty() ? m_own->text(t) : box->accessibleName();
        return valueInWords(box);
    }
    void setText(QAccessible::Text t, const QString& text) override { m_own->setText(t, text); }
    QRect rect() const override { return m_own->rect(); }
    QAccessible::Role role() const override { return m_own->role(); }
    QAccessible::State state() const override { return m_own->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        // A closed list box shows its value as text; screen readers read it from there.
        if (type == QAccessible::TextInterface && qobject_cast<const QComboBox*>(m_object.data()))
            return static_cast<ReadOnlyText*>(this);
        return m_own->interface_cast(type);
    }

    // The value, read only, with no caret or selection of its own.
    using ReadOnlyText::text;
    QString heardText() const override { return text(QAccessible::Value); }

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

} // namespace

QAccessibleInterface* focusableList(QAccessibleInterface* own)
{
    return new FocusableList(own);
}

} // namespace kit
