#include "kit/optionbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

#include "kit/look.h"

namespace kit {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    setContentsMargins(kFocusMarkRoom, 0, kFocusMarkRoom, 0); // clear of the focus mark
    connect(this, &QRadioButton::toggled, this, &OptionButton::keepTabOnChosen);
}

int OptionButton::captionWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = contentsRect();
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
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

// The style's own focus look is faint, and its circle too light on a grey panel;
// the program's mark goes round the button, and its circle has a dark boundary.
void OptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = contentsRect();
    option.state &= ~QStyle::State_HasFocus;
    // No taller than the room the focus mark leaves, level with the caption.
    QRect circle = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const int size = std::min(circle.height(), height() - 2 * kFocusMarkRoom);
    circle = QRect(circle.left(), (height() - size) / 2, size, size);
    option.rect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    painter.drawControl(QStyle::CE_RadioButtonLabel, option);
    drawCircle(painter, circle);
    drawFocusMark(this, painter);
}

// Its boundary stands out at least 3:1 from every panel the buttons lie on.
void OptionButton::drawCircle(QPainter& painter, const QRect& place) const
{
    static const QColor boundary(64, 64, 64);
    const qreal pen = 1.5;
    const QRectF circle = QRectF(place).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(isEnabled() ? boundary : palette().color(QPalette::Disabled, QPalette::WindowText), pen));
    painter.setBrush(isDown() ? palette().color(QPalette::Midlight) : QColor(Qt::white));
    painter.drawEllipse(circle);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawEllipse(circle.center(), circle.width() / 4, circle.height() / 4);
    }
    painter.restore();
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
