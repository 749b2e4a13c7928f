#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace kit {

ToolWindow::ToolWindow(ToolContext& context, MenuOnClose menuOnClose) : m_context(context), m_menuOnClose(menuOnClose)
{
    setAttribute(Qt::WA_DeleteOnClose);
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

int ToolWindow::keyAscii(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return kEnter;
    return key->text().isEmpty() ? 0 : key->text().at(0).unicode();
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
