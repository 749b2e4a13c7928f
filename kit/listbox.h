#ifndef KIT_LISTBOX_H
#define KIT_LISTBOX_H

#include <QListWidget>

#include <optional>

namespace kit {

// A list box as the windows' handlers expect one: at most one row selected, which
// the user can change but never clear (no Ctrl+click deselection); rows of one
// fixed height whatever face stands in for the font, never scrolled; and "no
// row" that is no current row and no selection alike. Handlers connect to
// itemSelectionChanged, which runs for the user's choices and the code's alike.
// Every row is drawn in one size of the list's font, the largest at which each
// row fits whole, so that a column reads as a table; the list shows a focus
// frame while it has the focus. Screen readers
// hear the current row on entering the list, and nothing of a current row that
// changes while the focus is elsewhere.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(QWidget* parent, int rowHeightTwips);

    // The font every row is drawn in: each fits rowTextWidth.
    QFont rowFont() const;
    // The pixels a row gives its text: the list's inner width less the focus
    // mark's room, the text margins and the button inset.
    int rowTextWidth() const;
    // Keeps every row's text clear of the last pixels at the right, where a
    // button floats over the selected row: the column keeps one size whether
    // the button shows or not. 0 for none.
    void setButtonInset(int pixels);

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
    // The rows, their texts or the selected row changed: the rows are fitted anew.
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override;
    void reset() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reportCurrentRow();
    void refitRows();

    int m_buttonInset = 0;
    mutable std::optional<QFont> m_rowFont; // until the rows, their room or the font change
};

} // namespace kit

#endif
