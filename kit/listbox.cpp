#include "kit/listbox.h"

#include <QAccessible>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

#include "kit/fittext.h"
#include "kit/look.h"

namespace kit {
namespace {

// Rows of one height, each in the font its list fits it to.
class FixedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    FixedRowDelegate(ListBox* list, int height) : QStyledItemDelegate(list), m_list(list), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

    // Inside the room the focus mark keeps at the list's edges, focused or not,
    // so that the rows never move.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem inside = option;
        const int room = kFocusMarkRoom;
        inside.rect &= m_list->viewport()->rect().adjusted(room, room, -room, -room);
        QStyledItemDelegate::paint(painter, inside, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = m_list->rowFont();
        option->fontMetrics = QFontMetrics(option->font);
    }

private:
    const ListBox* m_list;
    int m_height;
};

} // namespace

ListBox::ListBox(QWidget* parent, int rowHeightTwips) : QListWidget(parent)
{
    setItemDelegate(new FixedRowDelegate(this, kit::px(rowHeightTwips)));
    setUniformItemSizes(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    // The sunken frame's lower and right edges, white by default, would vanish on a light window.
    QPalette edges = palette();
    edges.setColor(QPalette::Light, edges.color(QPalette::Mid));
    setPalette(edges);
}

QFont ListBox::rowFont() const
{
    if (m_rowFont)
        return *m_rowFont;
    // A row cannot scroll, so the rows shrink as far as the widest must: the longest
    // number text the converter writes, beside its copy button, to about half the layout's size.
    // A row that fits the size found so far asks for no smaller one: it is measured
    // once, at that size.
    QFont smallest = font();
    for (int row = 0; row < count(); ++row)
        smallest = kit::fitText(smallest, item(row)->text(), rowTextWidth(), 0.0).font;
    m_rowFont = smallest;
    return smallest;
}

void ListBox::refitRows()
{
    m_rowFont.reset();
    viewport()->update();
}

int ListBox::rowTextWidth() const
{
    // The style keeps this margin at each end of a row's text, inside the focus mark's room.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return viewport()->width() - 2 * margin - kFocusMarkRoom - std::max(kFocusMarkRoom, m_buttonInset);
}

void ListBox::setButtonInset(int pixels)
{
    m_buttonInset = pixels;
    refitRows();
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

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const auto command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return command;
}

// The focus mark goes inside the list, around every row; it leaves the rows'
// own colours as they are.
void ListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    QPainter painter(viewport());
    kit::drawFocusMark(this, painter, viewport()->rect());
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
    // Queued: Qt reports the list itself after this, and the row must come last.
    QMetaObject::invokeMethod(this, &ListBox::reportCurrentRow, Qt::QueuedConnection);
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
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

void ListBox::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QListWidget::rowsInserted(parent, start, end);
    refitRows();
}

void ListBox::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    QListWidget::rowsAboutToBeRemoved(parent, start, end);
    refitRows();
}

void ListBox::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    QListWidget::dataChanged(topLeft, bottomRight, roles);
    refitRows();
}

void ListBox::reset()
{
    QListWidget::reset();
    refitRows();
}

void ListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    refitRows();
}

void ListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refitRows();
}

void ListBox::reportCurrentRow()
{
    if (!hasFocus() || currentRow() < 0)
        return;
    QAccessibleEvent row(this, QAccessible::Focus);
    row.setChild(currentRow());
    QAccessible::updateAccessibility(&row);
}

} // namespace kit

#include "listbox.moc"
