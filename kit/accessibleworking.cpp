#include "kit/accessibleworking.h"

#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace kit {
namespace {

constexpr char kHeardLines[] = "kitHeardLines";

// A place within a line of length from, at the same share of a line of length
// to: both ends stay ends, so Home and End land where they do on screen.
int scaled(int column, int from, int to)
{
    if (column >= from)
        return to;
    return from > 0 ? static_cast<int>(static_cast<qint64>(column) * to / from) : 0;
}

// Its text is the heard lines joined by line breaks, so that a screen reader's
// line at an offset is one heard line; its caret and selection are the box's,
// carried from line to line.
class AccessibleWorking : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleWorking(QPlainTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    // Its value and its description give the whole, one line after another, for
    // Where Am I, which reads the description and only the caret's line.
    QString text(QAccessible::Text t) const override
    {
        const QString whole = lines().join(QLatin1String(", "));
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Value)
            return whole;
        if (t == QAccessible::Description)
            return own.isEmpty() ? whole : whole + QLatin1String(". ") + own;
        return own;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return heard().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(heard().size()); }
    int cursorPosition() const override { return heardOffset(box()->textCursor().position()); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(shownOffset(position));
        box()->setTextCursor(cursor);
    }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        *startOffset = heardOffset(cursor.selectionStart());
        *endOffset = heardOffset(cursor.selectionEnd());
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(shownOffset(startOffset));
        cursor.setPosition(shownOffset(endOffset), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    // On screen, where the shown text has the heard character's place: Orca's
    // flat review reads the lines it finds there.
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(shownOffset(offset));
        QRect place = box()->cursorRect(cursor);
        place.setWidth(std::max(1, box()->fontMetrics().averageCharWidth()));
        return place.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint inside = box()->viewport()->mapFromGlobal(point);
        if (!box()->viewport()->rect().contains(inside))
            return -1;
        return heardOffset(box()->cursorForPosition(inside).position());
    }
    void scrollToSubstring(int, int) override {}
    // One run with no attribute of its own, which screen readers do not cut.
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QPlainTextEdit* box() const { return static_cast<QPlainTextEdit*>(widget()); }
    QStringList lines() const { return box()->property(kHeardLines).toStringList(); }
    QString heard() const { return lines().join(QLatin1Char('\n')); }

    // The heard offset of a place in the box's text, line for line.
    int heardOffset(int shown) const
    {
        const QTextBlock block = box()->document()->findBlock(shown);
        const QStringList heard = lines();
        const int line = std::min(block.blockNumber(), static_cast<int>(heard.size()) - 1);
        if (line < 0)
            return 0;
        int start = 0;
        for (int i = 0; i < line; ++i)
            start += static_cast<int>(heard[i].size()) + 1;
        return start + scaled(shown - block.position(), block.length() - 1, static_cast<int>(heard[line].size()));
    }
    // The place in the box's text of a heard offset.
    int shownOffset(int heardOffset) const
    {
        const QStringList heard = lines();
        int line = 0;
        int start = 0;
        while (line + 1 < heard.size() && start + heard[line].size() < heardOffset)
            start += static_cast<int>(heard[line++].size()) + 1;
        const QTextBlock block = box()->document()->findBlockByNumber(line);
        if (!block.isValid() || heard.isEmpty())
            return 0;
        return block.position() + scaled(heardOffset - start, static_cast<int>(heard[line].size()), block.length() - 1);
    }
};

} // namespace

QAccessibleInterface* accessibleWorking(QPlainTextEdit* box)
{
    return new AccessibleWorking(box);
}

bool readsAsWorking(const QPlainTextEdit* box)
{
    return box->property(kHeardLines).isValid();
}

void setHeardLines(QPlainTextEdit* box, const QStringList& lines)
{
    const bool first = !readsAsWorking(box);
    box->setProperty(kHeardLines, lines);
    // Qt keeps the first interface it made for a control: one made before this goes.
    QAccessibleInterface* built = first ? QAccessible::queryAccessibleInterface(box) : nullptr;
    if (built && !dynamic_cast<AccessibleWorking*>(built))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
}

} // namespace kit
