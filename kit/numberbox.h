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

// The plain text of the number clipboardText starts with; a null text when it
// starts with no number a double can hold. Commas as the program groups ("8,000",
// "1,234.5": a first group of one to three digits without a leading 0, then
// groups of three) are grouping, so a text that reads both ways ("1,250") is
// read as the program writes it; else the first comma between digits is the
// decimal comma ("0,500", "2,5", "3,1416").
QString pastedNumber(const QString& clipboardText);

class Announcer;

// Has voice say what each paste into a number box of window put in, or that it
// found no number.
void sayPastes(QWidget* window, Announcer* voice);
// What is said of a paste of number: "Pegado: 0,5", or that there was none (a null number).
QString pastedNotice(const QString& number);

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    // typedLength, when above 0, is the most characters typing puts in the box;
    // a pasted number goes in whole all the same.
    NumberBox(const QString& text, QWidget* parent, DesktopServices& desktop, int typedLength = 0);

    int typedLength() const { return m_typedLength; }

    // Replaces the selection, or the whole text when a paste is to replace it,
    // with the clipboard's number, if it holds one, and leaves the clipboard as
    // it is; false when it holds none or the box is read-only.
    bool pasteNumber();
    void setPasteReplacesText(bool replaces) { m_pasteReplacesText = replaces; }

Q_SIGNALS:
    // After a paste into the box: the number put in, null when the clipboard held none.
    void pasted(const QString& number);

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
