#include "kit/toolwindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>

#include "kit/accessibility.h"
#include "kit/announcer.h"
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

void ToolWindow::restore(const QStringList&)
{
}

void ToolWindow::enableNotes(std::function<Note()> note, Announcer* voice)
{
    m_note = std::move(note);
    m_noteVoice = voice;
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        new QShortcut(QKeySequence(Qt::CTRL | key), this, this, &ToolWindow::noteDown);
}

QToolButton* ToolWindow::addNoteButton(QWidget* parent, int left, int top, int width)
{
    auto* button = new QToolButton(parent);
    button->setText(tr("Anotar"));
    button->setFont(kit::font(Typeface::Calibri, 9));
    identify(button, QStringLiteral("cmdAnotar"), tr("Anotar en la hoja de resultados"),
             tr(" Anota el resultado en la hoja de resultados (Control+Intro) "));
    button->setFocusPolicy(Qt::TabFocus);
    place(button, left, top, width, 375);
    showFocusMark(button);
    connect(button, &QToolButton::clicked, this, &ToolWindow::noteDown);
    return button;
}

// The focus stays where the user types: the sheet shows the entry without taking it.
void ToolWindow::noteDown()
{
    if (!m_note)
        return;
    Note note = m_note();
    if (!note.why.isEmpty()) {
        m_noteVoice->say(tr("Nada que anotar: %1").arg(note.why));
        return;
    }
    note.entry.formName = objectName();
    context().noteDown(std::move(note.entry));
    m_noteVoice->say(tr("Anotado: %1").arg(note.heard));
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
