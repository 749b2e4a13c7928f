#include "kit/clicklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "kit/look.h"

namespace kit {
namespace {

// Screen readers see a keyboard button as a button they can press.
class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    // Pressed, and focused as any control (the base's set-focus action).
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    // The click runs after the action returns: a screen reader waits for the
    // action, and a click may open a modal box that stays up for a long time.
    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        auto* label = static_cast<ClickLabel*>(widget());
        QMetaObject::invokeMethod(
            label, [label] { Q_EMIT label->clicked(); }, Qt::QueuedConnection);
    }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object)
{
    auto* label = qobject_cast<ClickLabel*>(object);
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()) && label && label->isKeyboardButton())
        return new AccessibleClickLabel(label);
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget* parent, Role role) : QLabel(parent), m_keyboardButton(role == Role::Button)
{
    static const bool factoryInstalled = (QAccessible::installFactory(clickLabelFactory), true);
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    if (m_keyboardButton)
        setFocusPolicy(Qt::StrongFocus);
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
    event->accept();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (m_keyboardButton && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        Q_EMIT tabbedInto();
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawFocusMark(this, painter);
}

} // namespace kit
