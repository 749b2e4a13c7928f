#ifndef TESTS_SUPPORT_WINDOWS_H
#define TESTS_SUPPORT_WINDOWS_H

#include <QAction>
#include <QApplication>
#include <QTest>
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

// Presses a tool's opener in the main menu (ui::kTools) as a user does: a menu
// item, or the converter's picture button.
inline void pressOpener(QWidget* menu, const QString& opener)
{
    if (auto* item = menu->findChild<QAction*>(opener))
        item->trigger();
    else
        QTest::mouseClick(menu->findChild<QWidget*>(opener), Qt::LeftButton);
}

// A control's name in a failure message: its objectName, or its class without one.
inline QString controlName(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

#endif
