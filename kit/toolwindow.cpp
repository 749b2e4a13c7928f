#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QIcon>

namespace app {

ToolWindow::ToolWindow(ToolContext& context) : m_context(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/vantrelo.svg")));
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

} // namespace app
