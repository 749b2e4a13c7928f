#include "app/clicklabel.h"

#include <QMouseEvent>

namespace app {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT doubleClicked();
    event->accept();
}

} // namespace app
