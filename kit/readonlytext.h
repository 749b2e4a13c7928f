#ifndef KIT_READONLYTEXT_H
#define KIT_READONLYTEXT_H

// The text interface of a control that a screen reader reads but where it sets
// no caret and selects nothing: the control's value as it is heard.

#include <QAccessibleInterface>

namespace kit {

class ReadOnlyText : public QAccessibleTextInterface {
public:
    // The whole text as it is heard.
    virtual QString heardText() const = 0;

    QString text(int startOffset, int endOffset) const override
    {
        return heardText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(heardText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run with no attribute of its own, which screen readers read whole.
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

} // namespace kit

#endif
