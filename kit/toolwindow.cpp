#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "kit/look.h"

namespace kit {

ToolWindow::ToolWindow(ToolContext& context, MenuOnClose menuOnClose) : m_context(context), m_menuOnClose(menuOnClose)
{
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

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

} // namespace kit
