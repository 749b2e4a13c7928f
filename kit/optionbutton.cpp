#include "kit/optionbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

#include "kit/look.h"

namespace kit {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    connect(this, &QRadioButton::toggled, this, &OptionButton::keepTabOnChosen);
}

bool OptionButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

// Up and Left go back, Down and Right on; the choice runs its click handler.
void OptionButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    const bool on = key == Qt::Key_Down || key == Qt::Key_Right;
    const QList<OptionButton*> buttons = group();
    if ((!back && !on) || buttons.size() < 2) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const qsizetype here = buttons.indexOf(this);
    const qsizetype size = buttons.size();
    OptionButton* next = buttons.at((here + (back ? size - 1 : 1)) % size);
    next->click();
    next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    event->accept();
}

void OptionButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event); // Qt gives Tab back to the whole group here
    keepTabOnChosen();
}

// The style's own focus look is faint; the program's mark goes round the button.
void OptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = contentsRect();
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    drawFocusMark(this, painter);
}

// The visible, enabled option buttons of the same parent, in reading order.
QList<OptionButton*> OptionButton::group() const
{
    QList<OptionButton*> buttons = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    buttons.removeIf([](const OptionButton* b) { return b->isHidden() || !b->isEnabled(); });
    std::sort(buttons.begin(), buttons.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x(); });
    return buttons;
}

// Only the chosen button takes Tab; with none chosen, every one does.
void OptionButton::keepTabOnChosen() const
{
    const QList<OptionButton*> buttons = group();
    const bool anyChosen =
        std::any_of(buttons.begin(), buttons.end(), [](const OptionButton* b) { return b->isChecked(); });
    for (OptionButton* button : buttons) {
        const bool tab = button->isChecked() || !anyChosen;
        button->setFocusPolicy(tab ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace kit
