#include "kit/sheetwindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QVBoxLayout>

#include <utility>

#include "kit/accessibility.h"
#include "kit/announcer.h"
#include "kit/desktopservices.h"
#include "kit/look.h"
#include "kit/sheet.h"

namespace kit {
namespace {

// Its size is measured once, as it is made: a sheet of many entries is laid
// out anew at every entry added, and would measure every text again.
QListWidgetItem* entryItem(const SheetEntry& entry, const QFontMetrics& metrics)
{
    auto* item = new QListWidgetItem(entry.text());
    item->setSizeHint(metrics.size(0, item->text()) + QSize(px(240), px(120)));
    // Heard by its spoken working, not by the symbols it shows.
    item->setData(Qt::AccessibleTextRole, entry.heading + QStringLiteral(". ") + entry.spoken);
    return item;
}

struct ButtonRow {
    const char* objectName;
    const char* caption;
    const char* toolTip;
    void (SheetWindow::*action)();
};

constexpr ButtonRow kButtons[] = {
    {"cmdCopiarTodo", QT_TRANSLATE_NOOP("kit::SheetWindow", "Copiar todo"),
     QT_TRANSLATE_NOOP("kit::SheetWindow", " Copia todas las anotaciones (Control+Mayúsculas+C) "),
     &SheetWindow::copyAll},
    {"cmdImprimir", QT_TRANSLATE_NOOP("kit::SheetWindow", "Imprimir…"),
     QT_TRANSLATE_NOOP("kit::SheetWindow", " Imprime la hoja (Control+P) "), &SheetWindow::print},
    {"cmdGuardar", QT_TRANSLATE_NOOP("kit::SheetWindow", "Guardar PDF…"),
     QT_TRANSLATE_NOOP("kit::SheetWindow", " Guarda la hoja como PDF (Control+S) "), &SheetWindow::save},
};

} // namespace

SheetWindow::SheetWindow(DesktopServices& desktop, Sheet& sheet, ToolOpener openTool)
    : m_desktop(desktop), m_openTool(std::move(openTool)), m_sheet(sheet)
{
    installAccessibility();
    setObjectName(QStringLiteral("frmHoja"));
    setWindowTitle(tr("Hoja de resultados"));
    setBackColour(this, kWindowBackground);
    setAccessibleDescription(tr("Intro abre la herramienta de la anotación; Suprimir la quita; Control+C la "
                                "copia; Control+S guarda la hoja en PDF; Control+P la imprime."));
    m_list = new QListWidget(this);
    identify(m_list, QStringLiteral("lstHoja"), tr("Anotaciones"));
    m_list->setFont(kit::font(Typeface::Calibri, 11));
    m_list->setSpacing(4);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    buildButtons(layout);
    m_voice = new Announcer(this);
    for (const SheetEntry& entry : m_sheet.entries())
        m_list->addItem(entryItem(entry, m_list->fontMetrics()));
    m_list->setCurrentRow(m_list->count() - 1);
    connect(&m_sheet, &Sheet::added, this, &SheetWindow::added);
    connect(&m_sheet, &Sheet::removed, this, &SheetWindow::removed);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, this, &SheetWindow::save);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this, this, &SheetWindow::print);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, this, &SheetWindow::copyAll);
    resize(px(7815), px(6000));
}

void SheetWindow::buildButtons(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    row->addStretch();
    for (const ButtonRow& design : kButtons) {
        auto* button = new QPushButton(tr(design.caption), this);
        const QString caption = button->text();
        // Read out without the dots that say a dialog follows.
        identify(button, QString::fromLatin1(design.objectName),
                 caption.endsWith(QChar(0x2026)) ? caption.chopped(1) : caption, tr(design.toolTip));
        row->addWidget(button);
        connect(button, &QPushButton::clicked, this, design.action);
    }
}

void SheetWindow::added(int row)
{
    m_list->insertItem(row, entryItem(m_sheet.entries().at(static_cast<std::size_t>(row)), m_list->fontMetrics()));
    m_list->setCurrentRow(row);
    m_list->scrollToItem(m_list->item(row));
}

void SheetWindow::removed(int row)
{
    delete m_list->takeItem(row);
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier)
        removeChosen();
    else if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
             && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        reopenChosen();
    else if (key->key() == Qt::Key_C && key->modifiers() == Qt::ControlModifier)
        copyChosen();
    else
        return false;
    return true;
}

void SheetWindow::copyChosen()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    m_desktop.setClipboardText(m_sheet.entries().at(static_cast<std::size_t>(row)).text());
    m_sheet.markKept(row);
    m_voice->say(tr("Anotación copiada"));
}

void SheetWindow::copyAll()
{
    m_desktop.setClipboardText(m_sheet.text());
    m_sheet.markKept();
    m_voice->say(tr("Hoja copiada"));
}

void SheetWindow::removeChosen()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    const QString heading = m_sheet.entries().at(static_cast<std::size_t>(row)).heading;
    m_sheet.remove(row);
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    m_voice->say(tr("Quitada: %1").arg(heading));
}

// The tool opens as the menu opens it, and shows the entry's values as if typed.
void SheetWindow::reopenChosen()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    const SheetEntry entry = m_sheet.entries().at(static_cast<std::size_t>(row));
    if (QWidget* tool = m_openTool(entry.formName, entry.state))
        tool->activateWindow();
}

QString SheetWindow::date() const
{
    // In the windows' language, whatever the desktop's.
    const QLocale language(tr("es_ES", "the locale the sheet's date is written in"));
    return language.toString(QDate::currentDate(), QLocale::LongFormat);
}

bool SheetWindow::writePdf(const QString& path, QString& error) const
{
    // Written beside the target under another name and put in its place once
    // whole: a failure never leaves a file that looks complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(windowTitle());
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        if (!m_sheet.paint(writer, windowTitle(), date())) {
            error = tr("no se pudo componer el documento");
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void SheetWindow::save()
{
    if (m_sheet.count() == 0) {
        m_voice->say(tr("La hoja está vacía"));
        return;
    }
    const QString path = m_desktop.saveFileName(this, tr("Guardar la hoja como PDF"), tr("hoja-de-resultados.pdf"),
                                                tr("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writePdf(path, error)) {
        m_desktop.message(this, tr("No se pudo guardar la hoja en %1: %2").arg(path, error),
                          DesktopServices::Icon::Error);
        return;
    }
    m_sheet.markKept();
    m_voice->say(tr("Hoja guardada"));
}

void SheetWindow::print()
{
    if (m_sheet.count() == 0) {
        m_voice->say(tr("La hoja está vacía"));
        return;
    }
    const bool printed = m_desktop.print(
        this, [this](QPagedPaintDevice& device) { return m_sheet.paint(device, windowTitle(), date()); });
    if (printed) {
        m_sheet.markKept();
        m_voice->say(tr("Hoja enviada a imprimir"));
    }
}

} // namespace kit
