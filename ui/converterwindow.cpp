#include "ui/converterwindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <string>
#include <utility>

#include "core/numbers.h"
#include "core/units.h"
#include "kit/accessibility.h"
#include "kit/announcer.h"
#include "kit/assets.h"
#include "kit/clicklabel.h"
#include "kit/fittext.h"
#include "kit/listbox.h"
#include "kit/look.h"
#include "kit/numberbox.h"
#include "kit/optionbutton.h"
#include "kit/shapes.h"
#include "kit/spokennumbers.h"
#include "kit/workingpanel.h"
#include "ui/coretext.h"

namespace ui {
namespace {

const QColor kHeaderColour(20, 20, 20);
const QColor kChosenCategory(255, 255, 128);
const QColor kOtherCategory(255, 255, 255);
const QColor kPressed(220, 220, 220);

constexpr int kRowHeight = 495; // twips: ten rows fill a list without scrolling
constexpr int kCopyLeft = 8750;
constexpr int kButtonSize = 495;
constexpr int kClipCheckMs = 100; // from a change of the clipboard to the paste button's check

// A value row: shows the value, its tooltip the value whole, and reads out the
// value with its unit in words. Tooltip and words are made when asked for, not
// at every keystroke for every row.
class ValueRow : public QListWidgetItem {
public:
    ValueRow(const QString& text, std::string unitWords) : QListWidgetItem(text), m_unitWords(std::move(unitWords)) {}

    QVariant data(int role) const override
    {
        if (role == Qt::ToolTipRole)
            return text();
        if (role == Qt::AccessibleTextRole)
            return kit::spoken(text()) + QLatin1Char(' ') + kit::unitAfter(text(), m_unitWords.c_str());
        return QListWidgetItem::data(role);
    }

private:
    std::string m_unitWords;
};

// Top of the copy button beside each row of List3, in twips.
constexpr int kCopyTop[] = {850, 1350, 1840, 2340, 2830, 3330, 3820, 4320, 4820, 5310};

struct ListRow {
    const char* objectName;
    int left;
    int width;
    const char* accessibleName;
};

// List1..3 from left to right: the source unit, the unit names, the values.
constexpr ListRow kLists[] = {
    {"List1", 120, 2895, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Unidad de origen")},
    {"List2", 3600, 2895, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Unidades")},
    {"List3", 6480, 2775, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Valores")},
};

struct OptionRow {
    const char* objectName;
    int left;
    const char* caption;
};

// Option1..3, by category.
constexpr OptionRow kOptions[] = {
    {"Option1", 3600, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Longitud")},
    {"Option2", 5520, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Área")},
    {"Option3", 7440, QT_TRANSLATE_NOOP("ui::ConverterWindow", "Volumen")},
};

// Paints a category button; its round indicator stays white as on any other button.
void paintCategory(QRadioButton* option, const QColor& colour)
{
    kit::setBackColour(option, colour);
    QPalette palette = option->palette();
    palette.setColor(QPalette::Base, Qt::white);
    option->setPalette(palette);
}

} // namespace

ConverterWindow::ConverterWindow(kit::ToolContext& context) : kit::ToolWindow(context)
{
    setWindowTitle(tr("Convertidor de unidades"));
    kit::setClientSize(this, 9375, 5895);

    // Built from back to front, so that later controls lie over earlier ones.
    m_Label1 = new QLabel(QStringLiteral("="), this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    kit::place(m_Label1, 3000, 840, 615, 495);
    m_Label1->setFont(kit::font(kit::Typeface::Calibri, 27.75));
    m_Label1->setAlignment(Qt::AlignCenter);
    buildHeader();
    buildLists();
    buildCopyButton();

    // The copy and paste buttons take the focus only from the keyboard, and
    // only while they show.
    setTabOrder(m_txtCaja, m_lblPaste);
    setTabOrder(m_lblPaste, m_List1);
    setTabOrder(m_List1, m_List2);
    setTabOrder(m_List2, m_List3);
    setTabOrder(m_List3, m_lblCopy);
    setTabOrder(m_lblCopy, m_Option[0]);
    setTabOrder(m_Option[0], m_Option[1]);
    setTabOrder(m_Option[1], m_Option[2]);

    connectHandlers();
    m_voice = new kit::Announcer(this);
    kit::sayPastes(this, m_voice);
    buildWorking(context);
    Form_Load();
}

void ConverterWindow::buildWorking(kit::ToolContext& context)
{
    m_working = new kit::WorkingPanel(this, context, {9375, 5895});
    // Under the lists, it comes after them.
    setTabOrder(m_lblCopy, m_working->toggleBar());
    setTabOrder(m_working->toggleBar(), m_Option[0]);
    m_working->setWhyNone([] { return tr("Elija un valor de la lista para ver cómo se obtiene."); });
    m_working->start([this] { return rowWorking(); }, workingNames(), m_voice);
    // In the free column between the lists.
    QToolButton* note = addNoteButton(this, 3015, 1920, 585);
    setTabOrder(m_List1, note);
    setTabOrder(note, m_List2);
    enableNotes([this] { return this->note(); }, m_voice);
}

kit::ToolWindow::Note ConverterWindow::note()
{
    if (core::readNumber(m_txtCaja->text().toStdString()).value_or(0.0) <= 0.0)
        return {{}, tr("Escriba un valor")};
    const int row = m_List3->selectedRow();
    if (row < 0)
        return {{}, tr("Elija un valor de la lista para ver cómo se obtiene.")};
    if (!isValue(row))
        return {{}, outOfRange()};
    const std::int16_t category = shownCategory();
    kit::SheetEntry entry;
    entry.heading = windowTitle() + QStringLiteral(": ") + m_Option[static_cast<std::size_t>(category)]->text();
    entry.values << m_txtCaja->text() + QLatin1Char(' ') + m_List1->item(m_List1->selectedRow())->text();
    entry.working = m_working->text();
    entry.spoken = m_working->spoken();
    entry.result = tr("Resultado: %1").arg(m_List3->item(row)->text() + QLatin1Char(' ') + m_List2->item(row)->text());
    entry.state << QString::number(category) << QString::number(m_List1->selectedRow()) << m_txtCaja->text()
                << QString::number(row);
    const QString heard = tr("Resultado: %1").arg(m_List3->item(row)->data(Qt::AccessibleTextRole).toString());
    return {entry, {}, heard};
}

void ConverterWindow::restore(const QStringList& state)
{
    if (state.size() != 4)
        return;
    const int category = state[0].toInt();
    if (category >= 0 && category < int(m_Option.size()))
        m_Option[static_cast<std::size_t>(category)]->setChecked(true);
    m_List1->selectRow(state[1].toInt());
    m_txtCaja->setText(state[2]);
    m_List3->selectRow(state[3].toInt());
}

// Units as the lists name them, and in words as the values are read.
kit::WorkingNames ConverterWindow::workingNames()
{
    return {[](const core::Piece&) { return QString(); },
            [](const std::string& unit) { return unitText(unit.c_str()); },
            [this](const std::string& unit, const QString& number) {
                const std::vector<std::string> units = core::CatalogoUnidades::Unidades(shownCategory());
                const auto found = std::find(units.begin(), units.end(), unit);
                if (found == units.end())
                    return unitText(unit.c_str());
                const std::size_t row = static_cast<std::size_t>(found - units.begin());
                return kit::unitAfter(number, core::CatalogoUnidades::spokenNames(shownCategory()).at(row).c_str());
            }};
}

core::Working ConverterWindow::rowWorking()
{
    const int row = m_List3->selectedRow();
    if (row < 0)
        return {};
    return core::converterWorking(shownCategory(), rememberedUnit(), static_cast<std::int16_t>(row),
                                  m_txtCaja->text().toStdString());
}

void ConverterWindow::buildLists()
{
    std::array<kit::ListBox*, 3> lists{};
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        const ListRow& row = kLists[i];
        auto* list = new kit::ListBox(this, kRowHeight);
        kit::identify(list, QString::fromLatin1(row.objectName), tr(row.accessibleName));
        kit::place(list, row.left, 840, row.width, 4980);
        list->setFont(kit::font(kit::Typeface::Calibri, 20.25));
        kit::setBackColour(list, Qt::white);
        kit::setTextColour(list, Qt::black);
        lists[i] = list;
    }
    m_List1 = lists[0];
    m_List2 = lists[1];
    m_List3 = lists[2];
}

void ConverterWindow::buildHeader()
{
    m_Frame1 = new QFrame(this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setFrameShape(QFrame::NoFrame);
    kit::exposePanel(m_Frame1);
    kit::place(m_Frame1, 0, 0, 9375, 735);

    m_lblN = new QLabel(m_Frame1);
    m_lblN->setObjectName(QStringLiteral("lblN"));
    kit::place(m_lblN, 2880, 120, 135, 495);
    buildPasteButton();
    m_Line1 = new kit::LineShape(m_Frame1);
    m_Line1->setObjectName(QStringLiteral("Line1"));
    m_Line1->setPoints(3000, 120, 3000, 610);
    buildCategoryButtons();

    m_txtCaja = new kit::NumberBox(QStringLiteral("0"), m_Frame1, desktop(), 15);
    kit::identify(m_txtCaja, QStringLiteral("txtCaja"), tr("Valor a convertir"));
    kit::place(m_txtCaja, 120, 120, 2775, 495);
    m_txtCaja->setPasteReplacesText(true); // the value to convert, as the paste button sets it
    m_txtCaja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtCaja->setFont(kit::font(kit::Typeface::Calibri, 20.25));
    kit::setTextColour(m_txtCaja, Qt::black);
    kit::keepWhole(m_txtCaja);
    kit::showFocusMark(m_txtCaja);
    m_txtCaja->setFocus();
}

void ConverterWindow::buildCategoryButtons()
{
    // A group for screen readers only: it paints nothing and covers just the three buttons.
    auto* group = new QFrame(m_Frame1);
    group->setFrameShape(QFrame::NoFrame);
    kit::exposePanel(group, tr("Categoría"));
    const int groupLeft = kOptions[0].left;
    kit::place(group, groupLeft, 120, kOptions[2].left + 1815 - groupLeft, 495);
    std::array<kit::OptionButton*, 3> options{};
    // Option3, Option1, Option2 from back to front, as the layout stacks them.
    for (std::size_t i : {2, 0, 1}) {
        const OptionRow& row = kOptions[i];
        auto* option = new kit::OptionButton(tr(row.caption), group);
        kit::identify(option, QString::fromLatin1(row.objectName), tr(row.caption));
        kit::place(option, row.left - groupLeft, 0, 1815, 495);
        option->setFont(kit::font(kit::Typeface::Calibri, 15.75));
        // As far in as the figures sit in their frame.
        option->setContentsMargins(kit::px(120), 0, kit::kFocusMarkRoom, 0);
        kit::setTextColour(option, Qt::black);
        paintCategory(option, i == 0 ? kChosenCategory : kOtherCategory);
        options[i] = option;
        m_Option[i] = option;
    }
    // A caption too long for its button in some language shrinks the three alike.
    QFont font = options[0]->font();
    for (const kit::OptionButton* option : options)
        font = kit::fitText(font, option->text(), option->captionWidth(), 0.0).font;
    for (kit::OptionButton* option : options)
        option->setFont(font);
    m_Option[0]->setChecked(true);
}

void ConverterWindow::buildPasteButton()
{
    m_lblPaste = new kit::ClickLabel(m_Frame1, kit::ClickLabel::Role::Button);
    m_lblPaste->setFocusPolicy(Qt::TabFocus);
    kit::identify(m_lblPaste, QStringLiteral("lblPaste"), tr("Pegar"), tr(" Pegar "));
    kit::place(m_lblPaste, 3000, 120, kButtonSize, kButtonSize);
    kit::showPicture(m_lblPaste, QString::fromLatin1(kit::picture::kPaste));
    m_lblPaste->hide();
}

void ConverterWindow::buildCopyButton()
{
    m_frmeCopy = new QFrame(this);
    m_frmeCopy->setObjectName(QStringLiteral("frmeCopy"));
    m_frmeCopy->setFrameShape(QFrame::NoFrame);
    kit::place(m_frmeCopy, kCopyLeft, kCopyTop[0], kButtonSize, kButtonSize);
    m_frmeCopy->hide();

    m_lblCopy = new kit::ClickLabel(m_frmeCopy, kit::ClickLabel::Role::Button);
    m_lblCopy->setFocusPolicy(Qt::TabFocus);
    kit::identify(m_lblCopy, QStringLiteral("lblCopy"), tr("Copiar"), tr(" Copiar "));
    kit::place(m_lblCopy, 0, 0, kButtonSize, kButtonSize);
    kit::showPicture(m_lblCopy, QString::fromLatin1(kit::picture::kCopy));
    // Every value is fitted to the width left of the button, so that the column
    // keeps its size while the button shows beside one of them.
    const int valuesRight = m_List3->geometry().right() + 1 - m_List3->frameWidth();
    m_List3->setButtonInset(valuesRight - m_frmeCopy->x());
}

void ConverterWindow::connectHandlers()
{
    for (std::size_t i = 0; i < m_Option.size(); ++i) {
        connect(m_Option[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                Option_Click(static_cast<std::int16_t>(i));
        });
    }
    connect(m_List1, &kit::ListBox::itemSelectionChanged, this, &ConverterWindow::List1_Click);
    connect(m_List2, &kit::ListBox::itemSelectionChanged, this, &ConverterWindow::List2_Click);
    connect(m_List3, &kit::ListBox::itemSelectionChanged, this, &ConverterWindow::List3_Click);
    // A click on the row already selected changes no selection but is a click all the same.
    connect(m_List3, &kit::ListBox::itemClicked, this, &ConverterWindow::List3_Click);
    connect(m_List3, &kit::ListBox::itemDoubleClicked, this, &ConverterWindow::List3_DblClick);
    connect(m_txtCaja, &QLineEdit::textChanged, this, &ConverterWindow::txtCaja_Change);
    connect(m_lblCopy, &kit::ClickLabel::clicked, this, &ConverterWindow::lblCopy_Click);
    connect(m_lblCopy, &kit::ClickLabel::mouseDown, this, &ConverterWindow::lblCopy_MouseDown);
    connect(m_lblCopy, &kit::ClickLabel::mouseUp, this, &ConverterWindow::lblCopy_MouseUp);
    connect(m_lblPaste, &kit::ClickLabel::clicked, this, &ConverterWindow::lblPaste_Click);
    connect(m_lblPaste, &kit::ClickLabel::mouseDown, this, &ConverterWindow::lblPaste_MouseDown);
    connect(m_lblPaste, &kit::ClickLabel::mouseUp, this, &ConverterWindow::lblPaste_MouseUp);
    m_tmrClip = new QTimer(this);
    m_tmrClip->setObjectName(QStringLiteral("tmrClip"));
    m_tmrClip->setSingleShot(true);
    m_tmrClip->setInterval(kClipCheckMs);
    connect(m_tmrClip, &QTimer::timeout, this, &ConverterWindow::tmrClip_Timer);
    // A moment after the notice, not inside it: the owner is still answering
    // the programs that read a new clipboard at once.
    desktop().watchClipboard(m_tmrClip, [this] { m_tmrClip->start(); });
    for (QObject* watched :
         {static_cast<QObject*>(m_txtCaja), static_cast<QObject*>(m_List3), static_cast<QObject*>(m_lblCopy)})
        watched->installEventFilter(this);
}

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && clipboardKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == m_txtCaja && type == QEvent::FocusIn) {
        txtCaja_GotFocus();
    } else if ((watched == m_List3 || watched == m_lblCopy) && type == QEvent::FocusOut) {
        // Switching to another program or opening a pop-up leaves the focus where it
        // was, and the focus going from the values to the copy button beside them
        // or back stays with the values.
        const QWidget* next = QApplication::focusWidget();
        if (movesBetweenControls(event) && next != m_lblCopy && next != m_List3)
            List3_LostFocus();
    }
    return kit::ToolWindow::eventFilter(watched, event);
}

// Ctrl+C on the values uses the program's clipboard step, not the list's own.
bool ConverterWindow::clipboardKey(QObject* watched, const QKeyEvent* key)
{
    if (watched == m_List3 && key->matches(QKeySequence::Copy)) {
        const int row = m_List3->selectedRow();
        if (isValue(row))
            copyRow(row);
        return true;
    }
    return false;
}

void ConverterWindow::Form_Load()
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_txtCaja), static_cast<QWidget*>(m_frmeCopy), static_cast<QWidget*>(m_lblPaste)})
        kit::setBackColour(control, kit::kWindowBackground);
    // Painted, lblN would show as a light strip of its own beside the box's frame.
    kit::setBackColour(m_lblN, kit::kWindowBackground, false);
    kit::setBackColour(m_Frame1, kHeaderColour);
    QRadioButton* option = m_Option.at(static_cast<std::size_t>(var().TipoMedida));
    if (option->isChecked())
        Option_Click(var().TipoMedida); // already selected: no toggle to run it
    else
        option->setChecked(true);
    m_List1->selectRow(1);
    m_List2->selectRow(1);
    tmrClip_Timer(); // what the clipboard holds already; later only its changes
}

void ConverterWindow::Option_Click(std::int16_t c)
{
    var().TipoMedida = c;
    for (std::size_t i = 0; i < m_Option.size(); ++i)
        paintCategory(m_Option[i], static_cast<std::int16_t>(i) == c ? kChosenCategory : kOtherCategory);
    m_List1->empty();
    m_List2->empty();
    m_List3->empty();
    for (const std::string& unit : core::CatalogoUnidades::Unidades(c))
        m_List1->addItem(unitText(unit.c_str()));
    m_List1->selectRow(rememberedUnit());
    for (int row = 0; row < m_List1->count(); ++row)
        m_List2->addItem(m_List1->item(row)->text());
    Convertir();
}

void ConverterWindow::List1_Click()
{
    rememberedUnit() = static_cast<std::int16_t>(m_List1->selectedRow());
    Convertir();
}

// A row chosen in either list comes through here; a recomputation refreshes
// the working itself, after the rows are whole again.
void ConverterWindow::List2_Click()
{
    m_List3->selectRow(m_List2->selectedRow());
    m_working->refresh();
}

void ConverterWindow::List3_Click()
{
    m_List2->selectRow(m_List3->selectedRow());
    m_frmeCopy->hide();
}

void ConverterWindow::List3_DblClick()
{
    sCopy();
}

void ConverterWindow::List3_LostFocus()
{
    m_frmeCopy->hide();
}

void ConverterWindow::txtCaja_Change()
{
    Convertir();
}

void ConverterWindow::txtCaja_GotFocus()
{
    m_txtCaja->setSelection(0, static_cast<int>(m_txtCaja->text().size()));
}

// A row beyond range holds no number: it never reaches the clipboard.
void ConverterWindow::lblCopy_Click()
{
    const int row = m_List3->selectedRow();
    if (row < 0)
        desktop().setClipboardText(QString());
    else if (isValue(row))
        copyRow(row);
    if (m_lblCopy->hasFocus())
        m_List3->setFocus(Qt::OtherFocusReason); // back to the row it copied
    m_frmeCopy->hide();
}

void ConverterWindow::copyRow(int row)
{
    const QListWidgetItem* value = m_List3->item(row);
    desktop().setClipboardText(value->text());
    // Said with its unit, as the row is read.
    m_voice->say(tr("Copiado: %1").arg(value->data(Qt::AccessibleTextRole).toString()));
}

void ConverterWindow::lblCopy_MouseDown()
{
    kit::setBackColour(m_frmeCopy, kPressed);
}

void ConverterWindow::lblCopy_MouseUp()
{
    kit::setBackColour(m_frmeCopy, kit::kWindowBackground);
}

// The box's own paste: a number goes in whole, so that a row copied and pasted
// back gives the same rows, and is said. A clipboard that no longer starts with
// a number is left as it is, and so is the box.
void ConverterWindow::lblPaste_Click()
{
    if (m_txtCaja->pasteNumber())
        desktop().clearClipboard();
    tmrClip_Timer(); // shown again only for a number put there since
    if (m_lblPaste->hasFocus())
        m_txtCaja->setFocus(Qt::OtherFocusReason); // on to the value just pasted
}

void ConverterWindow::lblPaste_MouseDown()
{
    kit::setBackColour(m_lblPaste, kPressed);
}

void ConverterWindow::lblPaste_MouseUp()
{
    kit::setBackColour(m_lblPaste, kit::kWindowBackground);
}

// The clipboard as a paste would read it; beyond a double's range is no number to paste.
void ConverterWindow::tmrClip_Timer()
{
    const QString number = kit::pastedNumber(desktop().clipboardText());
    m_lblPaste->setVisible(!number.isNull() && number.toDouble() > 0);
}

void ConverterWindow::Convertir()
{
    m_List3->empty();
    const auto rows =
        core::CatalogoUnidades::ConvertirValor(shownCategory(), rememberedUnit(), m_txtCaja->text().toStdString());
    const std::vector<std::string> units = core::CatalogoUnidades::spokenNames(shownCategory());
    for (std::size_t row = 0; row < rows.size(); ++row)
        m_List3->addItem(valueRow(rows[row] ? QString::fromStdString(*rows[row]) : outOfRange(), units.at(row)));
    m_List3->selectRow(m_List2->selectedRow());
    m_working->refresh();
}

// A value row, made whole before it joins the list, which then lays it out once.
QListWidgetItem* ConverterWindow::valueRow(const QString& text, const std::string& unitWords)
{
    return new ValueRow(text, unitWords);
}

// Only a number can be copied, so no copy button shows beside a row beyond range.
void ConverterWindow::sCopy()
{
    const int row = m_List3->selectedRow();
    if (row >= 0 && !isValue(row))
        return;
    if (row >= 0) {
        const int top = kCopyTop[row];
        kit::place(m_frmeCopy, kCopyLeft, top, kButtonSize, kButtonSize);
    }
    m_frmeCopy->show();
    keepCopyInsideValues();
}

// The copy button floats over the values' corner: it leaves their frame, and
// the focus mark inside it, uncovered.
void ConverterWindow::keepCopyInsideValues()
{
    const QWidget* viewport = m_List3->viewport();
    const int mark = kit::kFocusMarkWidth;
    const QRect inside = QRect(viewport->mapTo(this, QPoint()), viewport->size()).adjusted(mark, mark, -mark, -mark);
    m_frmeCopy->setMask(QRegion(inside.translated(-m_frmeCopy->pos())));
}

bool ConverterWindow::isValue(int row) const
{
    return row >= 0 && m_List3->item(row)->text() != outOfRange();
}

std::int16_t ConverterWindow::shownCategory() const
{
    for (std::size_t i = 0; i < m_Option.size(); ++i) {
        if (m_Option[i]->isChecked())
            return static_cast<std::int16_t>(i);
    }
    return 0;
}

std::int16_t& ConverterWindow::rememberedUnit()
{
    switch (shownCategory()) {
    case 0:
        return m_UnidadLongitud;
    case 1:
        return m_UnidadArea;
    default:
        return m_UnidadVolumen;
    }
}

} // namespace ui
