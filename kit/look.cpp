#include "kit/look.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include "kit/assets.h"

namespace kit {
namespace {

// Paints the focus mark of control after the painting of widget: the control
// itself, or a box that lies inside it, such as the line of a list that takes typing.
class FocusMarkPainter : public QObject {
public:
    FocusMarkPainter(QWidget* widget, QWidget* control) : QObject(widget), m_control(control)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::ChildPolished && widget == m_control) {
            if (auto* line = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child()))
                new FocusMarkPainter(line, m_control);
        }
        if (event->type() != QEvent::Paint || !m_control->hasFocus())
            return false;
        static_cast<QObject*>(widget)->event(event); // the control's own painting
        QPainter painter(widget);
        drawFocusMark(m_control, painter, m_control->rect().translated(-widget->mapTo(m_control, QPoint())));
        return true;
    }

private:
    QWidget* m_control;
};

bool isDark(const QColor& colour)
{
    return colour.lightnessF() < 0.5;
}

} // namespace

QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

void setClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(px(width), px(height));
    centreOnScreen(window);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void setBackColour(QWidget* widget, const QColor& colour, bool opaque)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(opaque);
}

void setOpaque(QWidget* widget, bool opaque)
{
    widget->setAutoFillBackground(opaque);
    widget->update();
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QFont font(Typeface face, double points, bool italic)
{
    struct StandIn {
        const char* family;
        QFont::Weight weight;
    };
    // Carlito is metric-compatible with Calibri; Lato is the face Carlito grew from
    // and has a light weight; Open Sans is close to Segoe UI in shape and width.
    static constexpr StandIn standIns[] = {
        {"Carlito", QFont::Normal},
        {"Lato", QFont::Light},
        {"Open Sans", QFont::Normal},
        {"Open Sans", QFont::DemiBold},
    };
    const StandIn& standIn = standIns[static_cast<int>(face)];
    QFont result(QString::fromLatin1(standIn.family));
    result.setPointSizeF(points);
    result.setWeight(standIn.weight);
    result.setItalic(italic);
    return result;
}

namespace {

// toolTip less the name it starts with, and less what only sets it apart from the name.
QString beyondName(const QString& toolTip, const QString& name)
{
    QString rest = toolTip.trimmed();
    const QString own = name.trimmed();
    const bool startsWithName = !own.isEmpty() && rest.startsWith(own, Qt::CaseInsensitive)
                                && (rest.size() == own.size() || !rest.at(own.size()).isLetterOrNumber());
    if (!startsWithName)
        return rest;
    rest.remove(0, own.size());
    const QString apart = QStringLiteral(" ().,:;");
    while (!rest.isEmpty() && apart.contains(rest.front()))
        rest.remove(0, 1);
    while (!rest.isEmpty() && apart.contains(rest.back()))
        rest.chop(1);
    return rest;
}

} // namespace

void identify(QWidget* widget, const QString& objectName, const QString& accessibleName, const QString& toolTip)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    if (toolTip.isEmpty())
        return;
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(beyondName(toolTip, accessibleName));
}

namespace {

QPixmap pictureAtScale(const QWidget* widget, const QString& resourceKey, const QSize& size)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap = drawnPicture(resourceKey, size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

void showPicture(QLabel* label, const QString& resourceKey)
{
    label->setPixmap(pictureAtScale(label, resourceKey, label->size()));
}

QIcon pictureIcon(const QWidget* widget, const QString& resourceKey, const QSize& size)
{
    return QIcon(pictureAtScale(widget, resourceKey, size));
}

void drawFocusMark(const QWidget* widget, QPainter& painter, const QRect& edge)
{
    if (!widget->hasFocus())
        return;
    const QColor background = widget->palette().color(widget->backgroundRole());
    const QRect outer = edge.isNull() ? widget->rect() : edge;
    const auto band = [&outer](int from, int to) {
        return QRegion(outer.adjusted(from, from, -from, -from)).subtracted(outer.adjusted(to, to, -to, -to));
    };
    // The room inside is cleared of what a frame, a selection or a picture behind
    // draws up to the edge; the controls keep their text and circles out of it.
    for (const QRect& part : band(kFocusMarkWidth, kFocusMarkRoom))
        painter.fillRect(part, background);
    for (const QRect& part : band(0, kFocusMarkWidth))
        painter.fillRect(part, isDark(background) ? kFocusMarkOnDark : kFocusMark);
}

void showFocusMark(QWidget* widget)
{
    new FocusMarkPainter(widget, widget);
    // Qt keeps two pixels free inside a box's frame; a box without one needs the rest.
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && !box->hasFrame()) {
        const int room = kFocusMarkRoom - 2;
        box->setTextMargins(room, 0, room, 0);
    }
}

} // namespace kit
