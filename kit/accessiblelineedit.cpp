#include "kit/accessiblelineedit.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include <algorithm>

#include "kit/spokennumbers.h"

namespace kit {
namespace {

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
    // A result box is heard without its grouping commas; typed text keeps its
    // characters. Both have their decimal points heard as the language's mark,
    // which changes no offset.
    bool dropped(const QString& shown, qsizetype i) const { return edit()->isReadOnly() && isGroupingComma(shown, i); }
    // What the box shows (a password box shows no characters), as it is heard.
    QString heard() const
    {
        const QString shown = edit()->displayText();
        return edit()->isReadOnly() ? spoken(shown) : withSpokenDecimalMark(shown);
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

} // namespace

QAccessibleInterface* accessibleLineEdit(QLineEdit* edit)
{
    return new AccessibleLineEdit(edit);
}

} // namespace kit
