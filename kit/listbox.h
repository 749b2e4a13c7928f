#ifndef KIT_LISTBOX_H
#define KIT_LISTBOX_H

#include <QListWidget>

namespace kit {

// A list box as the windows' handlers expect one: at most one row selected, which
// the user can change but never clear (no Ctrl+click deselection); rows of one
// fixed height whatever face stands in for the font, never scrolled; and "no
// row" that is no current row and no selection alike. Handlers connect to
// itemSelectionChanged, which runs for the user's choices and the code's alike.
// A row too wide for the list is drawn in a smaller size of the list's font,
// whole; the list shows a focus frame while it has the focus. Screen readers
// hear the current row on entering the list, and nothing of a current row that
// changes while the focus is elsewhere.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(QWidget* parent, int rowHeightTwips);

    // The font row is drawn in, fitted to rowTextWidth.
    QFont rowFont(int row) const;
    // The pixels row gives its text: the list's inner width less the text
    // margins, and less the inset while row is the selected one.
    int rowTextWidth(int row) const;
    // Keeps the selected row's text clear of the last pixels at the right,
    // where a button floats over it; 0 for none.
    void setSelectedRowInset(int pixels);

    // The selected row, or -1 when none is.
    int selectedRow() const;
    // Selects row, or no row for -1; a change emits itemSelectionChanged.
    void selectRow(int row);
    // Removes every row without emitting a selection change.
    void empty();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void reportCurrentRow();

    int m_selectedRowInset = 0;
};

} // namespace kit

#endif
