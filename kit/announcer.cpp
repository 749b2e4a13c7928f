#include "kit/announcer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <algorithm>

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

// Qt's own line edit reports its text attributes as empty runs, and Orca cuts
// what it reads by them: a selected "20" came out as "2", a selected "5" as
// nothing. Here the whole text is one run, with no attribute of its own.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !edit()->isReadOnly();
        state.readOnly = edit()->isReadOnly();
        state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? heard() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    void selection(int index, int* startOffset, int* endOffset) const override
    {
        const bool selected = index == 0 && edit()->hasSelectedText();
        *startOffset = selected ? toHeard(edit()->selectionStart()) : 0;
        *endOffset = selected ? toHeard(edit()->selectionEnd()) : 0;
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            edit()->setSelection(toShown(startOffset), toShown(endOffset) - toShown(startOffset));
    }

    int cursorPosition() const override { return toHeard(edit()->cursorPosition()); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(toShown(position)); }

    QString text(int startOffset, int endOffset) const override
    {
        return heard().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(heard().size()); }

    // Measured from the caret, which the line edit places whatever its alignment and scrolling.
    QRect characterRect(int heardOffset) const override
    {
        const QString text = edit()->displayText();
        if (heardOffset < 0 || heardOffset >= characterCount())
            return {};
        const int offset = toShown(heardOffset);
        const QFontMetrics metrics(edit()->font());
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(offset))
                      - metrics.horizontalAdvance(text.left(edit()->cursorPosition()));
        return {edit()->mapToGlobal(QPoint(x, caret.y())),
                QSize(metrics.horizontalAdvance(text.at(offset)), caret.height())};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return toHeard(edit()->cursorPositionAt(edit()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        edit()->setCursorPosition(toShown(endIndex));
        edit()->setCursorPosition(toShown(startIndex));
    }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        if (edit()->isReadOnly())
            return;
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    // A result box is heard without its grouping commas; typed text as it stands.
    bool dropped(const QString& shown, qsizetype i) const { return edit()->isReadOnly() && isGroupingComma(shown, i); }
    // What the box shows (a password box shows no characters), as it is heard.
    QString heard() const
    {
        const QString shown = edit()->displayText();
        return edit()->isReadOnly() ? withoutGroupingCommas(shown) : shown;
    }
    int toHeard(int shownOffset) const
    {
        const QString shown = edit()->displayText();
        int offset = shownOffset;
        for (qsizetype i = 0; i < std::min<qsizetype>(shownOffset, shown.size()); ++i)
            offset -= dropped(shown, i);
        return offset;
    }
    int toShown(int heardOffset) const
    {
        const QString shown = edit()->displayText();
        int offset = 0;
        int left = heardOffset;
        for (; offset < shown.size() && (left > 0 || dropped(shown, offset)); ++offset)
            left -= !dropped(shown, offset);
        return offset + left;
    }
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
        return m_item->isChecked() ? name : Announcer::tr("%1, no marcada").arg(name);
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

QAccessibleInterface* screenReaderFactory(const QString& className, QObject* object)
{
    // Asked again from here for Qt's own interface, which it then builds.
    static bool askingQt = false;
    if (isList(className) && !askingQt) {
        askingQt = true;
        QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
        askingQt = false;
        return own ? new FocusableList(own) : nullptr;
    }
    if (className == QLatin1String("QAction")) {
        QMenu* menu = menuOfCheckItem(static_cast<QAction*>(object));
        return menu ? new AccessibleCheckItem(menu, static_cast<QAction*>(object)) : nullptr;
    }
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(static_cast<QLineEdit*>(object));
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

bool isGroupingComma(const QString& text, qsizetype i)
{
    return text.at(i) == QLatin1Char(',') && i > 0 && text.at(i - 1).isDigit() && i + 1 < text.size()
           && text.at(i + 1).isDigit();
}

QString withoutGroupingCommas(const QString& text)
{
    QString heard;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!isGroupingComma(text, i))
            heard += text.at(i);
    return heard;
}

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(screenReaderFactory), true);
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
