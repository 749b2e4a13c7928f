#ifndef TESTS_SUPPORT_WINDOWS_H
#define TESTS_SUPPORT_WINDOWS_H

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// The top-level window with the given form name, or nullptr.
inline QWidget* topLevel(const QString& name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

// A left click in the middle of widget, as the mouse gives it. Without Qt Test,
// so that the benchmarks that press openers weigh no more than the program.
inline void click(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// Presses a tool's opener in the main menu (ui::kTools) as a user does: a menu
// item, or the converter's picture button.
inline void pressOpener(QWidget* menu, const QString& opener)
{
    if (auto* item = menu->findChild<QAction*>(opener))
        item->trigger();
    else
        click(menu->findChild<QWidget*>(opener));
}

// A control's name in a failure message: its objectName, or its class without one.
inline QString controlName(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

#endif
