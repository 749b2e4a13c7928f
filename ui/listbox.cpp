#include "ui/listbox.h"

#include <QAccessible>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "app/look.h"

namespace ui {
namespace {

class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(QObject* parent, int height) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
};

} // namespace

ListBox::ListBox(QWidget* parent, int rowHeightTwips) : QListWidget(parent)
{
    setItemDelegate(new FixedRowDelegate(this, app::px(rowHeightTwips)));
    setUniformItemSizes(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
}

int ListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListBox::selectRow(int row)
{
    // Selects and makes current in one step; an invalid row clears both.
    setCurrentRow(row);
}

void ListBox::empty()
{
    const QSignalBlocker blocker(this);
    clear();
}

void ListBox::addRows(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        addItem(QString::fromStdString(text));
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    const auto command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Queued: Qt reports the list itself after this, and the row must come last.
    QMetaObject::invokeMethod(this, &ListBox::reportCurrentRow, Qt::QueuedConnection);
}

// Qt reports a new current row as a focus change even while the list has no
// focus, and a screen reader then leaves the box the user types in for the list.
void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void ListBox::reportCurrentRow()
{
    if (!hasFocus() || currentRow() < 0)
        return;
    QAccessibleEvent row(this, QAccessible::Focus);
    row.setChild(currentRow());
    QAccessible::updateAccessibility(&row);
}

} // namespace ui
