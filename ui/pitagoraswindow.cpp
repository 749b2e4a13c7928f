#include "ui/pitagoraswindow.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <iterator>
#include <optional>

#include "core/numbers.h"
#include "kit/accessibility.h"
#include "kit/announcer.h"
#include "kit/fittext.h"
#include "kit/look.h"
#include "kit/numberbox.h"
#include "kit/shapes.h"
#include "kit/spokennumbers.h"
#include "kit/workingpanel.h"
#include "kit/workingtext.h"
#include "ui/coretext.h"

namespace ui {
namespace {

// Places in twips of the panel (txtZ6 of the window, at the same spot).
struct BoxDesign {
    int left;
    int top;
    const char* toolTip;
    const char* accessibleName;
    const char* letter; // in the working, as the box's own label ("x=")
};

constexpr BoxDesign kBoxes[core::kBoxCount] = {
    {480, 1080, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Hipotenusa "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Hipotenusa"), "h"},
    {480, 120, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Cateto A "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Cateto a"), "x"},
    {480, 600, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Cateto B "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Cateto b"), "y"},
    {2640, 120, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " A "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Término A, numerador izquierdo"), "A"},
    {2640, 1080, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " X "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Término X, denominador izquierdo"), "X"},
    {4680, 120, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " B "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Término B, numerador derecho"), "B"},
    {4680, 1080, QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Y "),
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "Término Y, denominador derecho"), "Y"},
};
constexpr int kBoxWidth = 1935;
constexpr int kBoxHeight = 405;

struct LabelDesign {
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    double points;
    bool centred;
    const char* toolTip;
    const char* accessibleName;
};

constexpr LabelDesign kLabels[] = {
    {"Label1", QT_TRANSLATE_NOOP("ui::PitagorasWindow", "h="), 120, 1080, 375, 15.75, false,
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Hipotenusa "), QT_TRANSLATE_NOOP("ui::PitagorasWindow", "h igual")},
    {"Label2", QT_TRANSLATE_NOOP("ui::PitagorasWindow", "x="), 120, 120, 375, 15.75, false,
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Cateto A "), QT_TRANSLATE_NOOP("ui::PitagorasWindow", "x igual")},
    {"Label3", QT_TRANSLATE_NOOP("ui::PitagorasWindow", "y="), 120, 600, 375, 15.75, false,
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", " Cateto B "), QT_TRANSLATE_NOOP("ui::PitagorasWindow", "y igual")},
    {"Label4", QT_TRANSLATE_NOOP("ui::PitagorasWindow", "="), 4380, 600, 495, 14.25, true, "",
     QT_TRANSLATE_NOOP("ui::PitagorasWindow", "igual")},
};

// End points in twips of the panel.
struct LineDesign {
    const char* name;
    int x1;
    int y1;
    int x2;
    int y2;
    QRgb colour;
};

constexpr LineDesign kLines[] = {
    {"Line1", 2520, 120, 2520, 1480, qRgb(64, 64, 64)}, // between the two parts
    {"Line2", 4800, 780, 6600, 780, qRgb(0, 0, 0)}, // fraction bar B / Y
    {"Line3", 2640, 780, 4440, 780, qRgb(0, 0, 0)}, // fraction bar A / X
};

// Enter walks within a part: 0 → 1 → 2 → 0 and 3 → 4 → 5 → 6 → 3.
constexpr int kNextBox[core::kBoxCount] = {1, 2, 0, 4, 5, 6, 3};

// Tab in reading order: the legs, the hypotenuse, then the proportion by columns.
constexpr int kTabOrder[core::kBoxCount] = {1, 2, 0, 3, 4, 5, 6};

constexpr int kLastTriangleBox = 2;
constexpr int kSlideStep = 120;
constexpr int kSlideEnd = -3480;

const QColor kWhite(255, 255, 255);
const QColor kTriangleBack(255, 255, 192);
const QColor kProportionBack(224, 224, 224);
const QColor kButtonFace(192, 192, 192);

bool isTriangleBox(int index)
{
    return index <= kLastTriangleBox;
}

int firstBoxOfPart(int index)
{
    return isTriangleBox(index) ? 0 : kLastTriangleBox + 1;
}

int lastBoxOfPart(int index)
{
    return isTriangleBox(index) ? kLastTriangleBox : core::kBoxCount - 1;
}

// Read out with the window and its panel: the settings menu has no visible way in.
QString settingsHint()
{
    return PitagorasWindow::tr("Con la tecla de menú contextual o Mayúsculas+F10 se abren las "
                               "opciones «Sólo 4 decimales» y «Respuesta automática».");
}

// The buttons lie below the client area, so the mode has a key of its own.
QString modeKeyHint()
{
    return PitagorasWindow::tr("Control+M cambia entre triángulo y equivalencia.");
}

// Whether any of widget shows inside its window.
bool inView(const QWidget* widget)
{
    const QRect shown(widget->mapTo(widget->window(), QPoint()), widget->size());
    return shown.intersects(widget->window()->rect());
}

// The context-menu key or Shift+F10: the keys that ask for a context menu.
bool isMenuKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

bool isKeyboardContextMenu(const QEvent* event)
{
    return event->type() == QEvent::ContextMenu
           && static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
}

} // namespace

PitagorasWindow::PitagorasWindow(kit::ToolContext& context) : ToolWindow(context)
{
    setWindowTitle(tr("Teorema de Pitágoras y regla de tres"));
    setAccessibleDescription(tr("F2 lee la última respuesta. ") + modeKeyHint() + QLatin1Char(' ') + settingsHint());
    buildPanel();
    buildBoxes();
    buildLabels();
    buildLines();
    buildButtons();
    buildMenu();
    buildTimers();
    m_voice = new kit::Announcer(this);
    kit::sayPastes(this, m_voice);
    kit::setClientSize(this, 6735, 1605);
    buildWorking(context);
    m_txtZ[1]->setFocus(); // the first box in reading order
    txtZ_GotFocus(1); // the focus comes with the window, yet the box is entered as if clicked
}

void PitagorasWindow::buildPanel()
{
    m_frmeMode = new QFrame(this);
    m_frmeMode->setObjectName(QStringLiteral("frmeMode"));
    kit::exposePanel(m_frmeMode, tr("Triángulo y proporción"));
    m_frmeMode->setAccessibleDescription(settingsHint());
    m_frmeMode->setFrameShape(QFrame::NoFrame);
    kit::setBackColour(m_frmeMode, kWhite);
    kit::place(m_frmeMode, 0, 0, 6735, 1575);
    m_frmeMode->installEventFilter(this);
}

void PitagorasWindow::buildBoxes()
{
    for (int index = 0; index < core::kBoxCount; ++index) {
        const BoxDesign& design = kBoxes[index];
        // Y stays on the window: it does not slide with the panel.
        QWidget* parent = index == core::kBoxCount - 1 ? static_cast<QWidget*>(this) : m_frmeMode;
        auto* box = new kit::NumberBox(QStringLiteral("0"), parent, desktop());
        kit::identify(box, QStringLiteral("txtZ%1").arg(index), tr(design.accessibleName), tr(design.toolTip));
        kit::place(box, design.left, design.top, kBoxWidth, kBoxHeight);
        kit::setBackColour(box, isTriangleBox(index) ? kTriangleBack : kProportionBack);
        kit::setTextColour(box, Qt::black);
        box->setFont(kit::font(kit::Typeface::Calibri, 14.25));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        kit::keepWhole(box);
        kit::showFocusMark(box);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, index] { txtZ_Change(index); });
        m_txtZ[index] = box;
    }
    m_txtZ.back()->raise();
}

void PitagorasWindow::buildLabels()
{
    for (const LabelDesign& design : kLabels) {
        auto* label = new QLabel(tr(design.caption), m_frmeMode);
        kit::identify(label, QString::fromUtf8(design.name), tr(design.accessibleName), tr(design.toolTip));
        kit::place(label, design.left, design.top, design.width, 375);
        label->setFont(kit::font(kit::Typeface::Calibri, design.points));
        if (design.centred)
            label->setAlignment(Qt::AlignCenter);
        kit::passOver(label); // the boxes' names say what "h=" or "=" says
    }
}

void PitagorasWindow::buildLines()
{
    for (const LineDesign& design : kLines) {
        auto* line = new kit::LineShape(m_frmeMode);
        line->setObjectName(QString::fromUtf8(design.name));
        line->setPoints(design.x1, design.y1, design.x2, design.y2);
        line->setPen(QColor::fromRgb(design.colour));
    }
}

void PitagorasWindow::buildButtons()
{
    m_cmdMode = new QPushButton(tr("Equivalencia"), this);
    m_cmdMode->setObjectName(QStringLiteral("cmdMode"));
    m_cmdMode->setAccessibleDescription(tr("Cambia entre triángulo y equivalencia"));
    m_cmdMode->setAccessibleName(modeText());
    kit::place(m_cmdMode, 120, 2040, 3135, 390);
    m_cmdShow = new QPushButton(tr("Resolver"), this);
    kit::identify(m_cmdShow, QStringLiteral("cmdShow"), tr("Resolver"));
    kit::place(m_cmdShow, 2160, 5880, 3135, 390);
    // Both buttons lie below the client area: nobody sees them take the focus, so
    // they take none. A screen reader still presses the mode button, Control+M too.
    for (QPushButton* button : {m_cmdMode, m_cmdShow}) {
        button->setFont(kit::font(kit::Typeface::Calibri, 15.75));
        kit::setBackColour(button, kButtonFace);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_cmdMode, &QPushButton::clicked, this, &PitagorasWindow::cmdMode_Click);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this, m_cmdMode, &QPushButton::click);
    for (std::size_t i = 1; i < std::size(kTabOrder); ++i)
        setTabOrder(m_txtZ[kTabOrder[i - 1]], m_txtZ[kTabOrder[i]]);
}

void PitagorasWindow::buildMenu()
{
    m_mMenu = new QMenu(QStringLiteral("Menu"), this);
    m_mMenu->setObjectName(QStringLiteral("mMenu"));
    m_mDecimal = m_mMenu->addAction(tr("Sólo 4 decimales"));
    m_mDecimal->setObjectName(QStringLiteral("mDecimal"));
    m_mTime = m_mMenu->addAction(tr("Respuesta automática"));
    m_mTime->setObjectName(QStringLiteral("mTime"));
    for (QAction* item : {m_mDecimal, m_mTime}) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    connect(m_mDecimal, &QAction::triggered, this, &PitagorasWindow::mDecimal_Click);
    connect(m_mTime, &QAction::triggered, this, &PitagorasWindow::mTime_Click);
}

void PitagorasWindow::buildTimers()
{
    m_tmrMode = new QTimer(this);
    m_tmrMode->setObjectName(QStringLiteral("tmrMode"));
    m_tmrMode->setInterval(10);
    connect(m_tmrMode, &QTimer::timeout, this, &PitagorasWindow::tmrMode_Timer);
    m_tmrAuto = new QTimer(this);
    m_tmrAuto->setObjectName(QStringLiteral("tmrAuto"));
    m_tmrAuto->setInterval(1000);
    connect(m_tmrAuto, &QTimer::timeout, this, &PitagorasWindow::tmrAuto_Timer);
}

void PitagorasWindow::buildWorking(kit::ToolContext& context)
{
    m_working = new kit::WorkingPanel(this, context, {6735, 1605});
    m_working->addMenuItem(m_mMenu);
    m_working->setWhyNone([this] { return whyNoAnswer(); });
    const kit::WorkingNames names = {
        [](const core::Piece& piece) { return QString::fromUtf8(kBoxes[piece.index].letter); }, {}, {}};
    m_working->start([this] { return answerWorking(); }, names, m_voice);
    QAction* noteItem = m_mMenu->addAction(tr("Anotar en la hoja (Ctrl+Intro)"));
    noteItem->setObjectName(QStringLiteral("mAnotar"));
    connect(noteItem, &QAction::triggered, this, &PitagorasWindow::noteDown);
    // The panel fills the window: the visible control shares the strip under it
    // with the working's bar, at the bar's right, before it in the Tab order.
    constexpr int kNoteWidth = 1080;
    QToolButton* bar = m_working->toggleBar();
    bar->resize(bar->width() - kit::px(kNoteWidth + 60), bar->height());
    QToolButton* noteButton = addNoteButton(this, 6735 - 120 - kNoteWidth, 1605, kNoteWidth);
    setTabOrder(noteButton, bar);
    enableNotes([this] { return note(); }, m_voice);
}

kit::ToolWindow::Note PitagorasWindow::note() const
{
    const int answerBox = m_Modo ? m_proportionBox : m_triangleBox;
    if (answerBox < 0)
        return {{}, tr("Sin respuesta todavía")};
    const QString answer = m_txtZ[answerBox]->text();
    if (answer == outOfRange())
        return {{}, answer};
    kit::SheetEntry entry;
    entry.heading = windowTitle() + QStringLiteral(": ") + (m_Modo ? tr("Equivalencia") : tr("Triángulo"));
    entry.state << QString::number(int(m_Modo));
    for (int index = 0; index < core::kBoxCount; ++index) {
        const bool answered = index == answerBox;
        entry.state << (answered ? QStringLiteral("0") : m_txtZ[index]->text());
        if (isTriangleBox(index) != m_Modo && !answered)
            entry.values << QStringLiteral("%1 = %2").arg(QString::fromUtf8(kBoxes[index].letter),
                                                          m_txtZ[index]->text());
    }
    entry.working = m_working->text();
    entry.spoken = m_working->spoken();
    entry.result = QStringLiteral("%1 = %2").arg(QString::fromUtf8(kBoxes[answerBox].letter), answer);
    return {entry, {}, kit::spoken(entry.result)};
}

// As if the values were typed and Enter pressed in the part.
void PitagorasWindow::restore(const QStringList& state)
{
    if (state.size() != 1 + core::kBoxCount)
        return;
    if ((state[0] == QLatin1String("1")) != m_Modo)
        cmdMode_Click();
    for (int index = 0; index < core::kBoxCount; ++index)
        writeBox(index, state[index + 1], Writer::User);
    m_tmrAuto->stop();
    eVacios();
    if (m_Listo)
        eShow();
}

core::Working PitagorasWindow::answerWorking() const
{
    return core::solverWorking(boxTexts(), m_Modo, m_Modo ? m_proportionBox : m_triangleBox, m_settings);
}

QString PitagorasWindow::whyNoAnswer() const
{
    if (!m_Modo && !m_triangleMessage.isEmpty())
        return m_triangleMessage;
    const int first = m_Modo ? kLastTriangleBox + 1 : 0;
    for (int box = first; box <= lastBoxOfPart(first); ++box) {
        const std::optional<double> value = core::readNumber(m_txtZ[box]->text().toStdString());
        if (!value)
            return outOfRange();
        if (*value < 0)
            return tr("Sin respuesta: los valores conocidos deben ser positivos.");
    }
    return tr("Sin respuesta todavía");
}

bool PitagorasWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frmeMode && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Only the panel's free area: labels and boxes keep their own clicks.
        if (!m_frmeMode->childAt(mouse->position().toPoint()))
            frmeMode_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
        return false;
    }
    const auto box = std::find(m_txtZ.begin(), m_txtZ.end(), watched);
    if (box != m_txtZ.end())
        return filterBoxEvent(static_cast<int>(std::distance(m_txtZ.begin(), box)), event);
    return ToolWindow::eventFilter(watched, event);
}

bool PitagorasWindow::filterBoxEvent(int index, QEvent* event)
{
    // The keyboard asks a box for mMenu; a right click keeps the box's own edit menu.
    if (isKeyboardContextMenu(event)
        || (event->type() == QEvent::KeyPress && isMenuKey(static_cast<QKeyEvent*>(event)))) {
        popUpMenuAtFocus();
        return true;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        // Queued: an Enter that moved the focus here finishes solving first.
        if (movesBetweenControls(event))
            QTimer::singleShot(0, this, [this, index] { txtZ_GotFocus(index); });
        return false;
    case QEvent::FocusOut:
        if (movesBetweenControls(event))
            txtZ_LostFocus(index);
        return false;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab only moves the focus on: it is no key of the box.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        txtZ_KeyDown(index, key->key());
        return runKeyPress(key, [this, index](int& ascii) { txtZ_KeyPress(index, ascii); });
    }
    default:
        return false;
    }
}

void PitagorasWindow::keyPressEvent(QKeyEvent* event)
{
    if (isMenuKey(event))
        popUpMenuAtFocus();
    else if (event->key() == Qt::Key_F2)
        sayAnswerInView();
    else
        ToolWindow::keyPressEvent(event);
}

void PitagorasWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click reaches mMenu through the panel's mouse-down alone.
    if (event->reason() == QContextMenuEvent::Keyboard)
        popUpMenuAtFocus();
    else
        event->ignore();
}

void PitagorasWindow::frmeMode_MouseDown(Qt::MouseButton button, const QPoint& globalPosition)
{
    if (button == Qt::RightButton)
        m_mMenu->popup(globalPosition);
}

void PitagorasWindow::popUpMenuAtFocus()
{
    // The X11 menu key arrives both as a context-menu request and as a key.
    if (m_mMenu->isVisible())
        return;
    const QWidget* focused = focusWidget();
    const bool onBox = std::find(m_txtZ.begin(), m_txtZ.end(), focused) != m_txtZ.end();
    m_mMenu->popup(onBox ? focused->mapToGlobal(QPoint(0, focused->height())) : mapToGlobal(rect().center()));
    // Opened from the keyboard, it starts on its first item, which a screen reader reads out.
    m_mMenu->setActiveAction(m_mDecimal);
}

void PitagorasWindow::mDecimal_Click()
{
    m_settings.onlyFourDecimals = !m_settings.onlyFourDecimals;
    m_mDecimal->setChecked(m_settings.onlyFourDecimals);
    sayTicked(m_mDecimal);
}

void PitagorasWindow::mTime_Click()
{
    // A countdown already running carries on.
    m_settings.automaticAnswer = !m_settings.automaticAnswer;
    m_mTime->setChecked(m_settings.automaticAnswer);
    sayTicked(m_mTime);
}

// The menu closes on the click and the focus goes back to where it was, which Qt
// does not tell screen readers: they would take no notice of the menu's next
// opening. Both the focus and the new state are told.
void PitagorasWindow::sayTicked(const QAction* item)
{
    if (QWidget* back = focusWidget()) {
        QAccessibleEvent focus(back, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    m_voice->say((item->isChecked() ? tr("%1: marcada") : tr("%1: no marcada")).arg(item->text()));
}

void PitagorasWindow::cmdMode_Click()
{
    if (!m_Modo) {
        m_Modo = true;
        m_cmdMode->setText(tr("Triángulo"));
    } else {
        m_Modo = false;
        m_cmdMode->setText(tr("Equivalencia"));
    }
    nameMode();
    sayMode();
    m_tmrMode->start();
}

void PitagorasWindow::tmrMode_Timer()
{
    if (!m_Modo) {
        if (m_panelLeft >= 0)
            m_tmrMode->stop();
        else
            m_panelLeft += kSlideStep;
    } else {
        if (m_panelLeft <= kSlideEnd)
            m_tmrMode->stop();
        else
            m_panelLeft -= kSlideStep;
    }
    m_frmeMode->move(kit::px(m_panelLeft), 0);
    keepFocusInView();
}

// Boxes slid out of view take no focus, and the focus leaves one as it goes.
void PitagorasWindow::keepFocusInView()
{
    for (QLineEdit* box : m_txtZ)
        box->setFocusPolicy(inView(box) ? Qt::StrongFocus : Qt::NoFocus);
    const QWidget* focused = focusWidget();
    if (!focused || inView(focused))
        return;
    const int* first =
        std::find_if(std::begin(kTabOrder), std::end(kTabOrder), [this](int index) { return inView(m_txtZ[index]); });
    m_txtZ[*first]->setFocus(Qt::OtherFocusReason); // Y never slides: one box is always in view
}

void PitagorasWindow::tmrAuto_Timer()
{
    // Held while the solver may show its modal message, whose event loop would
    // otherwise run this handler again every second, one message on another.
    m_tmrAuto->stop();
    m_Modo = m_UltimaCaja > kLastTriangleBox;
    nameMode();
    eVacios();
    eShow();
    m_tmrAuto->stop();
}

void PitagorasWindow::txtZ_Change(int index)
{
    // Trading "0" for nothing reads the same to the solver.
    if (m_writer == Writer::Placeholder)
        return;
    m_UltimaCaja = index;
    m_tmrAuto->stop();
    // The answer just written is not solved again: the countdown waits for the user.
    if (m_settings.automaticAnswer && m_writer == Writer::User)
        m_tmrAuto->start();
    forgetAnswer(index); // the solver names its box once its texts are in
}

void PitagorasWindow::forgetAnswer(int box, const QString& message)
{
    if (isTriangleBox(box)) {
        m_triangleBox = -1;
        m_triangleMessage = message;
    } else {
        m_proportionBox = -1;
    }
    m_working->refresh();
}

void PitagorasWindow::txtZ_GotFocus(int index)
{
    if (m_txtZ[index]->text() == QLatin1String("0"))
        writeBox(index, QString(), Writer::Placeholder);
    const int first = firstBoxOfPart(index);
    const int last = lastBoxOfPart(index);
    for (int box = first; box <= last; ++box)
        m_Rango[box] = static_cast<std::int16_t>(std::max(0, m_Rango[box] - 1));
    // The newest visit outranks the rest of its part: 2 in the triangle, 3 in the proportion.
    m_Rango[index] = static_cast<std::int16_t>(last - first);
}

void PitagorasWindow::txtZ_LostFocus(int index)
{
    // Putting back the "0" that entering took away is no change; replacing a text is.
    const QString text = m_txtZ[index]->text();
    if (core::readNumber(text.toStdString()) == 0.0)
        writeBox(index, QStringLiteral("0"), text.isEmpty() ? Writer::Placeholder : Writer::User);
}

void PitagorasWindow::txtZ_KeyDown(int index, int keyCode)
{
    if (keyCode != Qt::Key_Space)
        return;
    // The space itself is still typed afterwards.
    for (int box = firstBoxOfPart(index); box <= lastBoxOfPart(index); ++box)
        writeBox(box, QStringLiteral("0"), Writer::User);
}

void PitagorasWindow::txtZ_KeyPress(int index, int& keyAscii)
{
    const int next = kNextBox[index];
    m_Modo = !isTriangleBox(index);
    nameMode();
    eVacios();
    if (keyAscii != kEnter)
        return;
    m_txtZ[next]->setFocus();
    if (m_Listo) {
        eShow();
        m_txtZ[next]->end(false);
    } else {
        m_txtZ[next]->selectAll();
    }
    keyAscii = 0;
}

void PitagorasWindow::eVacios()
{
    m_Listo = core::eVacios(boxTexts(), m_Modo);
}

void PitagorasWindow::eShow()
{
    const core::SolverAction action = core::eShow(boxTexts(), m_Modo, m_Rango, m_settings);
    if (action.hypotenuseMessage) {
        const QString message = tr("La hipotenusa debe ser mayor que los catetos.");
        forgetAnswer(0, message);
        desktop().message(this, message, kit::DesktopServices::Icon::Error);
    }
    for (const std::string& text : action.texts)
        writeBox(action.box, QString::fromStdString(text), Writer::Solver);
    if (action.outOfRange)
        writeBox(action.box, outOfRange(), Writer::Solver);
    if (action.box >= 0) {
        const bool triangle = isTriangleBox(action.box);
        QString& answer = triangle ? m_triangleAnswer : m_proportionAnswer;
        answer = QStringLiteral("%1: %2").arg(tr(kBoxes[action.box].toolTip).trimmed(),
                                              kit::spoken(m_txtZ[action.box]->text()));
        (triangle ? m_triangleBox : m_proportionBox) = action.box;
        m_voice->say(answer);
        m_working->refresh();
    }
}

QString PitagorasWindow::modeText() const
{
    return m_Modo ? tr("Modo equivalencia") : tr("Modo triángulo");
}

// The part the mode names: the one the panel shows or slides to, or the
// proportion while the user types in Y, which stays in view beside the triangle.
void PitagorasWindow::sayAnswerInView()
{
    const QString& answer = m_Modo ? m_proportionAnswer : m_triangleAnswer;
    m_voice->say(answer.isEmpty() ? tr("Sin respuesta todavía") : answer);
}

// The button is read out by the mode in use, whatever its caption offers.
void PitagorasWindow::nameMode()
{
    if (m_cmdMode->accessibleName() == modeText())
        return;
    m_cmdMode->setAccessibleName(modeText());
    m_working->refresh(); // the working follows the part in use
}

// A mode change shows nothing at the focus: it is said.
void PitagorasWindow::sayMode()
{
    m_voice->say(modeText());
}

void PitagorasWindow::writeBox(int index, const QString& text, Writer writer)
{
    // Writing the text a box already holds is no change.
    if (m_txtZ[index]->text() == text)
        return;
    m_writer = writer;
    m_txtZ[index]->setText(text);
    m_writer = Writer::User;
}

core::BoxTexts PitagorasWindow::boxTexts() const
{
    core::BoxTexts texts;
    for (int index = 0; index < core::kBoxCount; ++index)
        texts[index] = m_txtZ[index]->text().toStdString();
    return texts;
}

} // namespace ui
