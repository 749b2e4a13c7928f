#include "kit/numberbox.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

#include <optional>

#include "core/numbers.h"
#include "kit/announcer.h"
#include "kit/desktopservices.h"
#include "kit/spokennumbers.h"

namespace kit {
namespace {

// Whether text starts with a number: blanks, tabs and line feeds count for
// nothing, even inside it, as the reading sees it; then a sign, a point and a
// digit, only the digit needed. Walked by hand: the converter asks at every
// change of the clipboard, and most of what is copied is no number, which then
// never compiles an expression (nor maps the code that would).
bool startsWithNumber(const QString& text)
{
    qsizetype at = 0;
    const auto skipBlanks = [&text, &at] {
        while (at < text.size() && QStringView(u" \t\n").contains(text.at(at)))
            ++at;
    };
    skipBlanks();
    if (at < text.size() && (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+')))
        ++at;
    skipBlanks();
    if (at < text.size() && text.at(at) == QLatin1Char('.'))
        ++at;
    skipBlanks();
    return at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9');
}

// The commas of text made as the reading takes them: the program's grouping
// left out, else the decimal comma made the point the comma key types.
QString withReadableCommas(const QString& text)
{
    // A first group that starts with no 0, then groups of exactly three, up to a point or the number's end.
    static const QRegularExpression grouped(
        QStringLiteral("^[ \\t\\n]*+[-+]?[1-9][0-9]{0,2}(,[0-9]{3})++(?![0-9]|,[0-9])"));
    // The first comma between two digits of the whole part.
    static const QRegularExpression decimalComma(
        QStringLiteral("^[ \\t\\n]*+[-+]?[ \\t\\n]*+[0-9][0-9 \\t\\n]*+(?<=[0-9]),(?=[0-9])"));
    QString readable = text;
    if (const QRegularExpressionMatch group = grouped.match(text); group.hasMatch())
        readable.replace(0, group.capturedLength(), group.captured().remove(QLatin1Char(',')));
    else if (const QRegularExpressionMatch comma = decimalComma.match(text); comma.hasMatch())
        readable[comma.capturedLength() - 1] = QLatin1Char('.');
    return readable;
}

} // namespace

QString pastedNumber(const QString& clipboardText)
{
    if (!startsWithNumber(clipboardText))
        return {};
    const std::optional<double> value = core::readNumber(withReadableCommas(clipboardText).toStdString());
    return value ? QString::fromStdString(core::plainText(*value)) : QString();
}

NumberBox::NumberBox(const QString& text, QWidget* parent, DesktopServices& desktop, int typedLength)
    : QLineEdit(text, parent), m_desktop(desktop), m_typedLength(typedLength)
{
}

bool NumberBox::pasteNumber()
{
    if (isReadOnly())
        return false;
    const QString number = pastedNumber(m_desktop.clipboardText());
    if (!number.isNull()) {
        if (m_pasteReplacesText)
            selectAll();
        insert(number);
    }
    Q_EMIT pasted(number);
    return !number.isNull();
}

void sayPastes(QWidget* window, Announcer* voice)
{
    for (const NumberBox* box : window->findChildren<NumberBox*>())
        QObject::connect(box, &NumberBox::pasted, voice,
                         [voice](const QString& number) { voice->say(pastedNotice(number)); });
}

QString pastedNotice(const QString& number)
{
    return number.isNull() ? NumberBox::tr("No hay un número en el portapapeles")
                           : NumberBox::tr("Pegado: %1").arg(spoken(number));
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
