#include "kit/numberbox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

#include <optional>

#include "core/numbers.h"
#include "kit/desktopservices.h"

namespace kit {

QString pastedNumber(const QString& clipboardText)
{
    // As the reading sees it: blanks, tabs and line feeds count for nothing, even
    // inside the number. Possessive, so that a long run of blanks is walked once.
    static const QRegularExpression leadingNumber(QStringLiteral("^[ \\t\\n]*+[-+]?[ \\t\\n]*+\\.?[ \\t\\n]*+[0-9]"));
    // One to three digits, then groups of exactly three, as the display masks write them.
    static const QRegularExpression grouped(QStringLiteral("^[ \\t\\n]*+[-+]?[0-9]{1,3}(,[0-9]{3})+(?![0-9]|,[0-9])"));
    if (!leadingNumber.match(clipboardText).hasMatch())
        return {};
    QString text = clipboardText;
    const QRegularExpressionMatch group = grouped.match(text);
    if (group.hasMatch())
        text.replace(0, group.capturedLength(), group.captured().remove(QLatin1Char(',')));
    const std::optional<double> value = core::readNumber(text.toStdString());
    return value ? QString::fromStdString(core::plainText(*value)) : QString();
}

NumberBox::NumberBox(const QString& text, QWidget* parent, DesktopServices& desktop, int typedLength)
    : QLineEdit(text, parent), m_desktop(desktop), m_typedLength(typedLength)
{
}

bool NumberBox::pasteNumber()
{
    const QString number = pastedNumber(m_desktop.clipboardText());
    if (isReadOnly() || number.isNull())
        return false;
    if (m_pasteReplacesText)
        selectAll();
    insert(number);
    return true;
}

void NumberBox::keyPressEvent(QKeyEvent* event)
{
    if (event->text() == QLatin1String(",")) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."), event->isAutoRepeat(),
                        event->count());
        keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
    } else if (event->matches(QKeySequence::Paste)) {
        pasteNumber();
        event->accept();
    } else if (typesPastTheLength(event)) {
        event->accept(); // a full box takes no more, as with a length limit
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

// The edit menu's Paste pastes as the keys do.
void NumberBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        // Qt connects its Paste item by name in some versions, by member in others.
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))
            || disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this, &NumberBox::pasteNumber);
            action->setEnabled(!isReadOnly() && !pastedNumber(m_desktop.clipboardText()).isNull());
        }
    }
    menu->popup(event->globalPos());
}

// A typed character past the length; keys with Ctrl or Meta type nothing.
bool NumberBox::typesPastTheLength(const QKeyEvent* event) const
{
    const QString typed = event->text();
    if (m_typedLength <= 0 || typed.isEmpty() || !typed.front().isPrint()
        || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    return text().size() - selectedText().size() + typed.size() > m_typedLength;
}

} // namespace kit
