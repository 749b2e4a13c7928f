#include "kit/workingpanel.h"

#include <QAction>
#include <QFocusEvent>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

#include "kit/accessibility.h"
#include "kit/accessibleworking.h"
#include "kit/announcer.h"
#include "kit/assets.h"
#include "kit/look.h"
#include "kit/toolcontext.h"

namespace kit {
namespace {

constexpr int kMargin = 120; // twips round the bar, the text and the button
constexpr int kButtonSize = 495;
constexpr int kBarHeight = 375;
constexpr int kBarStrip = kBarHeight + 60; // the window's foot that holds the bar
constexpr double kPoints = 12; // the working's text in every window, as the formula bar's
// Lines are lined up on their equals signs while the first one's left side
// takes no more of the width than this share; a longer one would push the
// rest into wrapping.
constexpr double kWidestLeftSide = 0.4;

// The bar is drawn like the windows' formula bar, its edge and its arrow dark
// enough to stand out 3:1 from the bar and from the window around it.
const QColor kBarBack(224, 224, 224);
const QColor kBarEdge(96, 96, 96);
// The result's line, in the colour of the calculators' result bar.
const QColor kResultBack(255, 255, 192);

// The working's text box, which shows the focus mark every box has, round its
// text too.
class WorkingBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPlainTextEdit::paintEvent(event);
        QPainter painter(viewport());
        drawFocusMark(this, painter, rect().translated(-viewport()->pos()));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QPlainTextEdit::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QPlainTextEdit::focusOutEvent(event);
        viewport()->update();
    }
};

// The bar that shows and hides the working: its name after an arrow that
// points to the panel when it shows, and along the bar when it does not.
class WorkingToggle : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), underMouse() ? kBarBack.lighter(106) : kBarBack);
        painter.setPen(kBarEdge);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        const qreal side = height() * 0.36;
        const QPointF centre(kFocusMarkRoom + 4 + side / 2, height() / 2.0);
        QPolygonF arrow;
        if (isChecked())
            arrow << centre + QPointF(-side / 2, -side / 4) << centre + QPointF(side / 2, -side / 4)
                  << centre + QPointF(0, side / 3);
        else
            arrow << centre + QPointF(-side / 4, -side / 2) << centre + QPointF(-side / 4, side / 2)
                  << centre + QPointF(side / 3, 0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
        painter.setPen(Qt::black);
        const int textLeft = static_cast<int>(centre.x() + side);
        painter.drawText(rect().adjusted(textLeft, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
        drawFocusMark(this, painter);
    }
};

// Rewrites only the lines of box that differ from text: a keystroke changes a
// number or two of the working, and laying the whole text out again, as
// setPlainText does, was most of what showing the working cost a keystroke.
void rewriteChangedLines(QPlainTextEdit* box, const QString& text)
{
    QTextDocument* document = box->document();
    document->setUndoRedoEnabled(false); // edits of a read-only text, never undone
    const int caretLine = box->textCursor().blockNumber(); // a reader stays on it
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
    const QTextBlock line = document->findBlockByNumber(std::min(caretLine, document->blockCount() - 1));
    if (box->textCursor().blockNumber() != line.blockNumber()) {
        QTextCursor caret(box->textCursor());
        caret.setPosition(line.position());
        box->setTextCursor(caret);
    }
}

// Marks line result of document as the result's and no other, touching only
// the lines whose mark changes, so that the others keep their layout.
void markResultLine(QTextDocument* document, int result)
{
    int number = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++number) {
        const bool marked = number == result;
        if ((block.blockFormat().background().color() == kResultBack) == marked)
            continue;
        QTextCursor line(block);
        QTextBlockFormat band;
        if (marked)
            band.setBackground(kResultBack);
        line.setBlockFormat(band);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat weight;
        weight.setFontWeight(marked ? QFont::Bold : QFont::Normal);
        line.mergeCharFormat(weight);
    }
}

// Where the equals signs of a working's lines stand: at its first line's, when
// that leaves room for the rest; 0 to leave them at the left.
qreal equalsColumn(const QString& firstLine, const QFontMetricsF& metrics, qreal width)
{
    const qsizetype equals = firstLine.indexOf(QStringLiteral(" = "));
    if (equals < 0)
        return 0;
    const qreal column = metrics.horizontalAdvance(firstLine.left(equals + 1));
    return column <= width * kWidestLeftSide ? column : 0;
}

// A further form of the value, or a note on it: it stands in the equals signs' column.
bool continuesTheFirst(const QString& line)
{
    static const QString starts = QStringLiteral("=≈(");
    return !line.isEmpty() && starts.contains(line.front());
}

// The lines as shown: each further one after a tab that takes it to the
// first's equals sign; the result's, the last further form, stands out.
void showLinedUp(QPlainTextEdit* box, const QString& written, bool hasValue)
{
    QStringList lines = written.split(QLatin1Char('\n'));
    const QFontMetricsF metrics(box->font());
    const qreal column = equalsColumn(lines.front(), metrics, box->viewport()->width());
    int result = -1;
    for (int i = 1; i < lines.size(); ++i) {
        if (!continuesTheFirst(lines[i]))
            continue;
        if (lines[i].front() != QLatin1Char('('))
            result = i;
        if (column > 0)
            lines[i].prepend(QLatin1Char('\t'));
    }
    box->setTabStopDistance(column > 0 ? column : metrics.horizontalAdvance(QLatin1Char(' ')));
    rewriteChangedLines(box, lines.join(QLatin1Char('\n')));
    markResultLine(box->document(), hasValue ? result : -1);
}

// The height of the box's lines as laid out, frame included.
int linesHeight(const QPlainTextEdit* box)
{
    const QTextDocument* document = box->document();
    qreal height = 2 * document->documentMargin();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        height += document->documentLayout()->blockBoundingRect(block).height();
    return static_cast<int>(std::ceil(height)) + 2 * box->frameWidth();
}

} // namespace

WorkingPanel::WorkingPanel(QWidget* window, ToolContext& context, QSize clientTwips)
    : QObject(window), m_window(window), m_context(context), m_client(clientTwips)
{
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
    buildToggle();
    m_window->setFixedSize(px(m_client.width()), px(m_client.height() + kBarStrip));
    centreOnScreen(m_window);
}

// Across the window's foot, after everything else in the tab order.
void WorkingPanel::buildToggle()
{
    auto* toggle = new WorkingToggle(m_window);
    m_toggle = toggle;
    identify(toggle, QStringLiteral("cmdDesarrollo"), tr("Desarrollo"),
             tr(" Muestra u oculta el desarrollo del resultado (F3) "));
    toggle->setText(tr("Desarrollo"));
    toggle->setCheckable(true);
    toggle->setFont(font(Typeface::Calibri, kPoints));
    toggle->setFocusPolicy(Qt::StrongFocus);
    toggle->setAttribute(Qt::WA_Hover);
    setBackColour(toggle, kBarBack);
    place(toggle, kMargin, m_client.height(), m_client.width() - 2 * kMargin, kBarHeight);
    connect(this, &WorkingPanel::shownChanged, toggle, &QToolButton::setChecked);
    connect(toggle, &QToolButton::clicked, this, &WorkingPanel::toggle);
}

// Made when first shown: a window whose working is never asked for holds none of it.
void WorkingPanel::buildPanel()
{
    m_frame = new QFrame(m_window);
    m_frame->setFrameShape(QFrame::NoFrame);
    m_frame->setObjectName(QStringLiteral("frmeDesarrollo"));
    exposePanel(m_frame, tr("Desarrollo"));
    setBackColour(m_frame, kWindowBackground);
    place(m_frame, 0, m_client.height() + kBarStrip, m_client.width(), kMargin);
    buildText();
    buildCopyButton();
}

void WorkingPanel::buildText()
{
    m_text = new WorkingBox(m_frame);
    setHeardLines(m_text, {}); // a screen reader hears its lines in words
    m_text->setReadOnly(true);
    // A caret the arrows move, line by line, as a screen reader follows it.
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setTabChangesFocus(true);
    m_text->setFont(font(Typeface::Calibri, kPoints));
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    identify(m_text, QStringLiteral("txtDesarrollo"), tr("Desarrollo del resultado"),
             tr(" Se copia con Control+Mayúsculas+C "));
    place(m_text, kMargin, 0, m_client.width() - 3 * kMargin - kButtonSize, kButtonSize);
    showFocusMark(m_text);
    QWidget::setTabOrder(m_toggle, m_text); // under its bar, it comes after it
}

void WorkingPanel::buildCopyButton()
{
    auto* copy = new QToolButton(m_frame);
    identify(copy, QStringLiteral("cmdCopiarDesarrollo"), tr("Copiar el desarrollo"),
             tr(" Copiar el desarrollo (Control+Mayúsculas+C) "));
    copy->setAutoRaise(true);
    place(copy, m_client.width() - kMargin - kButtonSize, 0, kButtonSize, kButtonSize);
    copy->setIconSize(copy->size() - QSize(8, 8));
    copy->setIcon(pictureIcon(copy, QString::fromLatin1(picture::kCopy), copy->iconSize()));
    showFocusMark(copy);
    QWidget::setTabOrder(m_text, copy);
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

void WorkingPanel::setWhyNone(std::function<QString()> why)
{
    m_whyNone = std::move(why);
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

// The working's text, and under it why it holds no value where it holds none.
QString WorkingPanel::writtenNow(const core::Working& working) const
{
    const QString written = writtenWorking(working, m_names);
    if (written.isEmpty() || !m_whyNone || core::finalValue(working) < working.size())
        return written;
    const QString why = m_whyNone();
    return why.isEmpty() ? written : written + QLatin1Char('\n') + why;
}

QString WorkingPanel::text() const
{
    return m_shown && !m_pending ? m_written : writtenNow(m_source());
}

// The lines a screen reader hears, one for each line shown.
QStringList WorkingPanel::heardNow(const core::Working& working) const
{
    QStringList heard = spokenLines(working, m_names);
    if (heard.join(QString()).isEmpty())
        heard.clear();
    const QString why = m_whyNone && core::finalValue(working) == working.size() ? m_whyNone() : QString();
    if (!why.isEmpty())
        heard << why;
    return heard;
}

QString WorkingPanel::spoken() const
{
    const core::Working working = m_shown && !m_pending ? m_working : m_source();
    const QString spoken = spokenWorking(working, m_names);
    const QString why = m_whyNone && core::finalValue(working) == working.size() ? m_whyNone() : QString();
    return spoken.isEmpty() || why.isEmpty() ? spoken + why : spoken + QStringLiteral(". ") + why;
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
    QString written = writtenNow(m_working);
    if (m_laidOut && written == m_written)
        return;
    m_laidOut = true;
    m_written = std::move(written);
    if (m_whyNone)
        m_text->setPlaceholderText(m_whyNone());
    showLinedUp(m_text, m_written, core::finalValue(m_working) < m_working.size());
    setHeardLines(m_text, heardNow(m_working));
    fit();
}

// As high as the lines, as far as the screen has room under the window's
// top; the window moves up where it would leave the screen. Where the lines
// are higher still, the last one stays in view.
void WorkingPanel::fit()
{
    const int above = px(m_client.height() + kBarStrip);
    const int below = px(kMargin);
    // Measured without a scroll bar, as the lines show when they all fit: one
    // left from a smaller box would wrap a line that fits and hide the first.
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int lines = linesHeight(m_text);
    int height = lines;
    if (const QScreen* screen = m_window->screen()) {
        const QRect room = screen->availableGeometry();
        const int decorations = m_window->frameGeometry().height() - m_window->height();
        height = std::min(height, std::max(room.height() - decorations - above - below, px(kButtonSize)));
        const int overflow = m_window->frameGeometry().top() + decorations + above + height + below - room.bottom();
        if (overflow > 0)
            m_window->move(m_window->x(), std::max(room.top(), m_window->y() - overflow));
    }
    m_text->resize(m_text->width(), height);
    m_text->setVerticalScrollBarPolicy(height < lines ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_frame->resize(m_frame->width(), height + below);
    m_window->setFixedSize(px(m_client.width()), above + height + below);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
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

// Hidden, the window is its own size and the bar, to the pixel.
void WorkingPanel::setShown(bool shown)
{
    m_shown = shown;
    m_context.var().workingShown = shown;
    m_window->setFixedSize(px(m_client.width()), px(m_client.height() + kBarStrip));
    if (shown && !m_frame)
        buildPanel();
    if (m_frame)
        m_frame->setVisible(shown);
    m_laidOut = false;
    write();
    Q_EMIT shownChanged(shown);
}

} // namespace kit
