#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QIcon>

#include "kit/assets.h"

namespace app {

ToolWindow::ToolWindow(ToolContext& context) : m_context(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QString::fromLatin1(picture::kIcon)));
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
