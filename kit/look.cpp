#include "kit/look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "kit/assets.h"

namespace kit {
namespace {

// Paints the focus mark after the control's own painting.
class FocusMarkPainter : public QObject {
public:
    explicit FocusMarkPainter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || !widget->hasFocus())
            return false;
        static_cast<QObject*>(widget)->event(event); // the control's own painting
        QPainter painter(widget);
        drawFocusMark(widget, painter);
        return true;
    }
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

void identify(QWidget* widget, const QString& objectName, const QString& accessibleName, const QString& toolTip)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty()) {
        widget->setToolTip(toolTip);
        widget->setAccessibleDescription(toolTip.trimmed());
    }
}

void showPicture(QLabel* label, const QString& resourceKey)
{
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap = drawnPicture(resourceKey, label->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
}

void drawFocusMark(QWidget* widget, QPainter& painter)
{
    if (!widget->hasFocus())
        return;
    const QColor background = widget->palette().color(widget->backgroundRole());
    painter.save();
    painter.setPen(QPen(isDark(background) ? kFocusMarkOnDark : kFocusMark, kFocusMarkWidth));
    painter.setBrush(Qt::NoBrush);
    const int inside = kFocusMarkWidth / 2;
    painter.drawRect(widget->rect().adjusted(inside, inside, -inside, -inside));
    painter.restore();
}

void showFocusMark(QWidget* widget)
{
    new FocusMarkPainter(widget);
}

} // namespace kit
