#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "kit/accessibility.h"
#include "kit/look.h"

namespace kit {

ToolWindow::ToolWindow(ToolContext& context, MenuOnClose menuOnClose) : m_context(context), m_menuOnClose(menuOnClose)
{
    installAccessibility(); // before the window's controls
    setAttribute(Qt::WA_DeleteOnClose);
    // Every tool window has a fixed size, so no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setBackColour(this, kWindowBackground);
    var().VentanasAbiertas += 1;
}

void ToolWindow::Form_Unload()
{
    var().VentanasAbiertas -= 1;
    if (var().VentanasAbiertas == 0 && m_menuOnClose == MenuOnClose::Restore)
        context().restoreMenu();
}

bool ToolWindow::movesBetweenControls(const QEvent* focusEvent)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(focusEvent)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool ToolWindow::runKeyPress(const QKeyEvent* key, const std::function<void(int& keyAscii)>& keyPress)
{
    int ascii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        ascii = kEnter;
    else if (!key->text().isEmpty())
        ascii = key->text().at(0).unicode();
    if (ascii == 0)
        return false;
    keyPress(ascii);
    return ascii == 0;
}

void ToolWindow::changeEvent(QEvent* event)
{
    // Screen readers read a window's description each time it becomes active
    // again, after every message box: it is for the opening, and goes once the
    // window has been left.
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            m_wasActive = true;
        else if (m_wasActive && !accessibleDescription().isEmpty())
            setAccessibleDescription(QString());
    }
    QWidget::changeEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

} // namespace kit
