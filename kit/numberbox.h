#ifndef KIT_NUMBERBOX_H
#define KIT_NUMBERBOX_H

// Every box the user types a number into. Numbers are read with a decimal point
// only, so the comma key and the keypad's decimal key, which Spanish keyboards
// give a comma, type the point the user then sees. A paste puts in the number
// the clipboard starts with, whole, as plain text: the program's own grouped
// numbers ("1,234.5") come back as the number they show, and text that holds no
// number changes nothing.

#include <QLineEdit>

namespace kit {

class DesktopServices;

// The plain text of the number clipboardText starts with, the program's
// grouping commas ("8,000", "1,234.5") read as grouping, any other comma ending
// the number as it always does; a null text when it starts with no number a
// double can hold. Stricter than what a screen reader is spared
// (kit::withoutGroupingCommas): text from elsewhere groups by threes or not at all.
QString pastedNumber(const QString& clipboardText);

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    // typedLength, when above 0, is the most characters typing puts in the box;
    // a pasted number goes in whole all the same.
    NumberBox(const QString& text, QWidget* parent, DesktopServices& desktop, int typedLength = 0);

    int typedLength() const { return m_typedLength; }

    // Replaces the selection, or the whole text when a paste is to replace it,
    // with the clipboard's number, if it holds one, and leaves the clipboard as
    // it is; false when it holds none.
    bool pasteNumber();
    void setPasteReplacesText(bool replaces) { m_pasteReplacesText = replaces; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool typesPastTheLength(const QKeyEvent* event) const;

    DesktopServices& m_desktop;
    int m_typedLength;
    bool m_pasteReplacesText = false;
};

} // namespace kit

#endif
