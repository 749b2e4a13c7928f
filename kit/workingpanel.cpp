#include "kit/workingpanel.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include "kit/accessibility.h"
#include "kit/announcer.h"
#include "kit/assets.h"
#include "kit/look.h"
#include "kit/readonlytext.h"
#include "kit/toolcontext.h"

namespace kit {
namespace {

constexpr int kMargin = 120; // twips round the text and the button
constexpr int kButtonSize = 495;

// The working's text box, which reads as the working is said.
class WorkingBox : public QPlainTextEdit {
public:
    WorkingBox(QWidget* parent, const WorkingPanel& panel) : QPlainTextEdit(parent), m_panel(panel) {}
    QString heard() const { return m_panel.spoken(); }

private:
    const WorkingPanel& m_panel;
};

// Read-only text whose value and text are the working in words: the symbols a
// screen reader would spell out, or skip, are said as the operators they are.
class AccessibleWorking : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit AccessibleWorking(WorkingBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<ReadOnlyText*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? heardText() : QAccessibleWidget::text(t);
    }

    using ReadOnlyText::text;
    QString heardText() const override { return static_cast<const WorkingBox*>(widget())->heard(); }
};

// Rewrites only the lines of box that differ from text: a keystroke changes a
// number or two of the working, and laying the whole text out again, as
// setPlainText does, was most of what showing the working cost a keystroke.
void rewriteChangedLines(QPlainTextEdit* box, const QString& text)
{
    QTextDocument* document = box->document();
    document->setUndoRedoEnabled(false); // edits of a read-only text, never undone
    const QStringList lines = text.split(QLatin1Char('\n'));
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextBlock block = document->firstBlock();
    for (qsizetype i = 0; i < lines.size(); ++i, block = block.next()) {
        if (!block.isValid()) { // more lines than before: the rest at the end
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(QLatin1Char('\n') + lines.mid(i).join(QLatin1Char('\n')));
            break;
        }
        if (block.text() != lines[i]) {
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(lines[i]);
        }
    }
    if (block.isValid()) { // fewer lines than before: the rest goes
        cursor.setPosition(block.previous().position() + block.previous().length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

QAccessibleInterface* workingFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QPlainTextEdit"))
        if (auto* box = dynamic_cast<WorkingBox*>(object))
            return new AccessibleWorking(box);
    return nullptr;
}

} // namespace

WorkingPanel::WorkingPanel(QWidget* window, ToolContext& context, QSize clientTwips, int height, double points)
    : QObject(window), m_window(window), m_context(context), m_client(clientTwips), m_height(height), m_points(points)
{
    static const bool installed = (QAccessible::installFactory(workingFactory), true);
    Q_UNUSED(installed);
    new QShortcut(QKeySequence(Qt::Key_F3), window, this, &WorkingPanel::toggle);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), window, this, &WorkingPanel::copy);
    // A timer of no interval rather than a queued call: started, it only joins
    // the loop's list, where a posted call would also wake the loop through the
    // system at every keystroke, a point where a busy machine takes the processor
    // away.
    m_writer = new QTimer(this);
    m_writer->setSingleShot(true);
    m_writer->setInterval(0);
    connect(m_writer, &QTimer::timeout, this, &WorkingPanel::write);
}

// Made when first shown: a window whose working is never asked for holds none of it.
void WorkingPanel::buildPanel()
{
    m_frame = new QFrame(m_window);
    m_frame->setFrameShape(QFrame::NoFrame);
    m_frame->setObjectName(QStringLiteral("frmeDesarrollo"));
    exposePanel(m_frame, tr("Desarrollo"));
    setBackColour(m_frame, kWindowBackground);
    place(m_frame, 0, m_client.height(), m_client.width(), m_height);
    buildText();
    buildCopyButton();
}

void WorkingPanel::buildText()
{
    m_text = new WorkingBox(m_frame, *this);
    m_text->setReadOnly(true);
    m_text->setTabChangesFocus(true);
    m_text->setFont(font(Typeface::Calibri, m_points));
    m_text->setPlaceholderText(m_emptyText);
    identify(m_text, QStringLiteral("txtDesarrollo"), tr("Desarrollo del resultado"),
             tr(" Se copia con Control+Mayúsculas+C "));
    place(m_text, kMargin, kMargin / 2, m_client.width() - 3 * kMargin - kButtonSize, m_height - kMargin);
    showFocusMark(m_text);
}

void WorkingPanel::buildCopyButton()
{
    auto* copy = new QToolButton(m_frame);
    identify(copy, QStringLiteral("cmdCopiarDesarrollo"), tr("Copiar el desarrollo"),
             tr(" Copiar el desarrollo (Control+Mayúsculas+C) "));
    copy->setAutoRaise(true);
    place(copy, m_client.width() - kMargin - kButtonSize, kMargin / 2, kButtonSize, kButtonSize);
    copy->setIconSize(copy->size() - QSize(8, 8));
    copy->setIcon(pictureIcon(copy, QString::fromLatin1(picture::kCopy), copy->iconSize()));
    showFocusMark(copy);
    connect(copy, &QToolButton::clicked, this, &WorkingPanel::copy);
}

void WorkingPanel::start(std::function<core::Working()> source, WorkingNames names, Announcer* voice)
{
    m_source = std::move(source);
    m_names = std::move(names);
    m_voice = voice;
    const QString own = m_window->accessibleDescription();
    const QString hint = tr("F3 muestra u oculta el desarrollo del resultado.");
    m_window->setAccessibleDescription(own.isEmpty()                    ? hint
                                       : own.endsWith(QLatin1Char('.')) ? own + QLatin1Char(' ') + hint
                                                                        : own + QStringLiteral(". ") + hint);
    if (m_context.var().workingShown) {
        setShown(true);
        centreOnScreen(m_window);
    }
}

void WorkingPanel::setEmptyText(const QString& text)
{
    m_emptyText = text;
}

QToolButton* WorkingPanel::addToggle(QWidget* parent, int left, int top)
{
    auto* toggle = new QToolButton(parent);
    identify(toggle, QStringLiteral("cmdDesarrollo"), tr("Desarrollo"),
             tr(" Muestra u oculta el desarrollo del resultado (F3) "));
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    place(toggle, left, top, 375, 375);
    showFocusMark(toggle);
    const auto follow = [toggle](bool shown) {
        toggle->setChecked(shown);
        toggle->setArrowType(shown ? Qt::UpArrow : Qt::DownArrow);
    };
    follow(m_shown);
    connect(this, &WorkingPanel::shownChanged, toggle, follow);
    connect(toggle, &QToolButton::clicked, this, &WorkingPanel::toggle);
    return toggle;
}

QAction* WorkingPanel::addMenuItem(QMenu* menu)
{
    QAction* item = menu->addAction(tr("Desarrollo (F3)"));
    item->setObjectName(QStringLiteral("mDesarrollo"));
    item->setCheckable(true);
    item->setChecked(m_shown);
    connect(this, &WorkingPanel::shownChanged, item, &QAction::setChecked);
    connect(item, &QAction::triggered, this, &WorkingPanel::toggle);
    return item;
}

QString WorkingPanel::text() const
{
    return m_shown && !m_pending ? m_written : writtenWorking(m_source(), m_names);
}

QString WorkingPanel::spoken() const
{
    const QString spoken = spokenWorking(m_shown && !m_pending ? m_working : m_source(), m_names);
    return spoken.isEmpty() ? m_emptyText : spoken;
}

// Written once the result is: the working never holds up a keystroke's result,
// and several changes in one keystroke write it once.
void WorkingPanel::refresh()
{
    if (!m_shown || m_pending)
        return;
    m_pending = true;
    m_writer->start();
}

void WorkingPanel::write()
{
    m_pending = false;
    m_writer->stop();
    if (!m_shown)
        return;
    m_working = m_source();
    QString written = writtenWorking(m_working, m_names);
    if (written == m_written)
        return;
    m_written = std::move(written);
    rewriteChangedLines(m_text, m_written);
}

void WorkingPanel::toggle()
{
    setShown(!m_shown);
    m_voice->say(m_shown ? spoken() : tr("Desarrollo oculto"));
}

void WorkingPanel::copy()
{
    m_context.desktop().setClipboardText(text());
    m_voice->say(tr("Desarrollo copiado"));
}

// The window grows by the panel's height, and gives it back: the same size as
// before to the pixel.
void WorkingPanel::setShown(bool shown)
{
    m_shown = shown;
    m_context.var().workingShown = shown;
    m_window->setFixedSize(px(m_client.width()), px(m_client.height() + (shown ? m_height : 0)));
    if (shown && !m_frame)
        buildPanel();
    if (m_frame)
        m_frame->setVisible(shown);
    m_written.clear();
    write();
    Q_EMIT shownChanged(shown);
}

} // namespace kit
