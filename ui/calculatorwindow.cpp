#include "ui/calculatorwindow.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <string>

#include "core/numbers.h"
#include "kit/announcer.h"
#include "kit/fittext.h"
#include "kit/look.h"
#include "kit/numberbox.h"
#include "kit/spokennumbers.h"
#include "kit/workingpanel.h"
#include "ui/coretext.h"

namespace ui {
namespace {

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

bool uses(const core::Figure& figure, int row)
{
    return figure.measures[static_cast<std::size_t>(row - 1)] != core::Measure::None;
}

bool isLength(const core::Figure& figure, int row)
{
    return figure.measures[static_cast<std::size_t>(row - 1)] == core::Measure::Length;
}

// The unit of the item chosen in list as core names it, whatever the language and
// whatever is being typed over it; none before the first choice.
std::string coreUnit(const QComboBox* list, const core::UnitList& units)
{
    const int item = list->currentIndex();
    return item >= 0 ? units.at(static_cast<std::size_t>(item)) : std::string();
}

// A unit of a calculator in words after number, from the words its list holds beside it.
QString unitWords(const std::string& unit, const QString& number)
{
    for (const auto& [units, words] :
         {std::pair{&core::kLengthUnits, &core::kLengthUnitWords}, std::pair{&core::kAreaUnits, &core::kAreaUnitWords},
          std::pair{&core::kVolumeUnits, &core::kVolumeUnitWords}}) {
        for (std::size_t i = 0; i < units->size(); ++i)
            if (unit == (*units)[i])
                return kit::unitAfter(number, (*words)[i]);
    }
    return unitText(unit.c_str());
}

// A figure's formula as its working says it, with the letters of its own captions.
QString heardFormula(const core::Calculator& calculator, const core::Figure& figure, const QString& result)
{
    const auto letter = [&figure, &result](const core::Piece& piece) {
        return piece.term == core::Term::Result
                   ? result
                   : kit::captionLetter(
                       figureText(figure.labels.at(static_cast<std::size_t>(piece.index)), figure.formula));
    };
    return kit::spokenWorking(core::figureWorking(calculator, figure, {}, 0, {}, {}), {letter, {}, {}});
}

} // namespace

CalculatorWindow::CalculatorWindow(kit::ToolContext& context, const core::Calculator& calculator)
    : kit::ToolWindow(context),
      m_calculator(calculator),
      m_ui(buildCalculatorControls(this, calculator, context.desktop()))
{
    setWindowTitle(tr(calculatorLayout(calculator.id).caption));
    kit::setClientSize(this, 5655, 4455);
    connectHandlers();
    m_working = new kit::WorkingPanel(this, context, {5655, 4455});
    Form_Load();
    connectVoice();
    m_working->start([this] { return working(); }, workingNames(), m_voice);
    // At the foot of the measures, under the unit column, where the panel is free.
    // In the Tab order it follows the result and its units, before the working's
    // bar, whether or not the working has been shown yet.
    QToolButton* noteButton = addNoteButton(findChild<QFrame*>(QStringLiteral("Frame1")), 1815, 2640, 1200);
    setTabOrder(m_ui.Combo5 ? m_ui.Combo5 : m_ui.Combo4, noteButton);
    enableNotes([this] { return note(); }, m_voice);
}

// The lists still signal while the window's base deletes them, when the
// handlers and the voice they would call are gone.
CalculatorWindow::~CalculatorWindow()
{
    for (QComboBox* list : findChildren<QComboBox*>())
        list->blockSignals(true);
}

// Boxes and plain lists raise their handlers for changes made by code as well as by
// the user. Three lists run theirs for every choice from the list, the same item
// again included, and the code that selects in them runs the handler itself: the
// input unit and the base area unit, whose choice brings the result unit back in
// step even when it did not change, and the result unit that takes typing.
void CalculatorWindow::connectHandlers()
{
    for (std::size_t i = 0; i < m_ui.Option.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        connect(m_ui.Option[i], &QRadioButton::toggled, this, [this, n](bool checked) {
            if (checked)
                Option_Click(n);
        });
    }
    for (int n = 1; n <= 3; ++n) {
        connect(text(n), &QLineEdit::textChanged, this, [this, n] { Text_Change(n); });
        text(n)->installEventFilter(this);
    }
    connect(m_ui.Combo1, &QComboBox::activated, this, &CalculatorWindow::Combo1_Click);
    if (m_calculator.typedResultUnit)
        connect(m_ui.Combo4, &QComboBox::activated, this, &CalculatorWindow::Combo4_Click);
    else
        connect(m_ui.Combo4, &QComboBox::currentIndexChanged, this, &CalculatorWindow::Combo4_Click);
    if (m_ui.Combo5)
        connect(m_ui.Combo5, &QComboBox::activated, this, &CalculatorWindow::Combo5_Click);
}

// Results are spoken a moment after the last change, so that typing is not
// talked over, and again on F2. The unit is part of what is said: a new unit,
// in any of the lists, is heard once, with the result it brings.
void CalculatorWindow::connectVoice()
{
    m_voice = new kit::Announcer(this);
    setAccessibleDescription(tr("F2 lee el resultado"));
    const auto sayResult = [this] { m_voice->sayAfterPause(spokenResult()); };
    kit::sayPastes(this, m_voice);
    connect(m_ui.txtAnswer, &QLineEdit::textChanged, m_voice, sayResult);
    connect(m_ui.Combo4, &QComboBox::currentTextChanged, m_voice, sayResult);
    // An option is described by what its name does not say: its figure's formula.
    for (std::size_t i = 0; i < m_ui.Option.size(); ++i)
        m_ui.Option[i]->setAccessibleDescription(heardFormula(m_calculator, m_calculator.figures[i], resultLetter()));
}

// The letters are the measure captions' as the formula bar spells them, and the
// result's own; units as the lists show them and as they are read.
kit::WorkingNames CalculatorWindow::workingNames() const
{
    const QString result = resultLetter();
    return {[this, result](const core::Piece& piece) {
                return piece.term == core::Term::Result
                           ? result
                           : kit::formulaLetter(
                               m_ui.lblForm->text(),
                               kit::captionLetter(m_ui.Label[static_cast<std::size_t>(piece.index)]->text()));
            },
            [](const std::string& unit) { return unitText(unit.c_str()); }, &unitWords};
}

QString CalculatorWindow::resultLetter() const
{
    return tr(calculatorLayout(m_calculator.id).resultLetter);
}

core::Working CalculatorWindow::working() const
{
    core::Working working = core::figureWorking(
        m_calculator, selectedFigure(),
        {text(1)->text().toStdString(), text(2)->text().toStdString(), text(3)->text().toStdString()}, var().ValorPi,
        coreUnit(m_ui.Combo1, core::kLengthUnits), coreUnit(m_ui.Combo4, m_calculator.resultUnits));
    core::endAtShown(working, m_ui.txtAnswer->text().toStdString()); // the box may show the plain value
    return working;
}

QString CalculatorWindow::spokenResult() const
{
    const QString answer = kit::spoken(m_ui.txtAnswer->text());
    // Only a number has a unit; a message is read as it stands.
    const bool number = !answer.isEmpty() && (answer.front().isDigit() || answer.front() == QLatin1Char('-'));
    if (!number)
        return tr("Resultado: %1").arg(answer);
    return tr("Resultado: %1")
        .arg(answer + QLatin1Char(' ')
             + unitWords(coreUnit(m_ui.Combo4, m_calculator.resultUnits), m_ui.txtAnswer->text()));
}

// No entry without a result: a measure the figure uses that is not above zero, or
// a result out of range, says why instead.
kit::ToolWindow::Note CalculatorWindow::note() const
{
    const QString answer = m_ui.txtAnswer->text();
    if (answer == outOfRange())
        return {{}, answer};
    const core::Figure& figure = selectedFigure();
    kit::SheetEntry entry;
    entry.heading = windowTitle() + QStringLiteral(": ")
                    + m_ui.Option[static_cast<std::size_t>(&figure - &m_calculator.figures[0])]->accessibleName();
    entry.state << QString::number(&figure - &m_calculator.figures[0] + 1);
    for (int row = 1; row <= 3; ++row) {
        entry.state << text(row)->text();
        if (!uses(figure, row))
            continue;
        if (core::readNumber(text(row)->text().toStdString()).value_or(0.0) <= 0.0)
            return {{}, tr("Faltan medidas")};
        entry.values << QStringLiteral("%1 %2 %3")
                            .arg(m_ui.Label[row - 1]->text(), text(row)->text(), measureUnit(figure, row))
                            .trimmed();
    }
    if (core::hasPi(figure.result))
        entry.values << QStringLiteral("π = %1").arg(QString::fromStdString(core::plainText(var().ValorPi)));
    entry.state << QString::number(m_ui.Combo1->currentIndex()) << QString::number(m_ui.Combo4->currentIndex())
                << QString::number(m_ui.Combo5 ? m_ui.Combo5->currentIndex() : -1);
    entry.working = m_working->text();
    entry.spoken = m_working->spoken();
    entry.result = tr("Resultado: %1").arg(answer + QLatin1Char(' ') + m_ui.Combo4->currentText());
    return {entry, {}, spokenResult()};
}

QString CalculatorWindow::measureUnit(const core::Figure& figure, int row) const
{
    switch (figure.measures[static_cast<std::size_t>(row - 1)]) {
    case core::Measure::Length:
        return m_ui.Combo1->currentText();
    case core::Measure::Area:
        return m_ui.Combo5 ? m_ui.Combo5->currentText() : QString();
    default:
        return {};
    }
}

void CalculatorWindow::restore(const QStringList& state)
{
    if (state.size() != 7)
        return;
    const int figure = state[0].toInt();
    if (figure >= 1 && figure <= int(m_ui.Option.size()))
        m_ui.Option[static_cast<std::size_t>(figure - 1)]->setChecked(true);
    m_ui.Combo1->setCurrentIndex(state[4].toInt());
    Combo1_Click();
    if (m_ui.Combo5 && state[6].toInt() >= 0) {
        m_ui.Combo5->setCurrentIndex(state[6].toInt());
        Combo5_Click();
    }
    for (int n = 1; n <= 3; ++n)
        text(n)->setText(state[n]);
    m_ui.Combo4->setCurrentIndex(state[5].toInt());
    Combo4_Click();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2)
        m_voice->say(spokenResult());
    else
        kit::ToolWindow::keyPressEvent(event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    for (int n = 1; n <= 3; ++n) {
        if (watched != text(n))
            continue;
        if (event->type() == QEvent::FocusIn && movesBetweenControls(event)) {
            // Queued: a box emptied before Qt reports the new focus is taken by screen
            // readers for one being edited, and its name is never read. A key that
            // comes first still finds the step done.
            m_gotFocusPending = n;
            QTimer::singleShot(0, this, &CalculatorWindow::pendingGotFocus);
        } else if (event->type() == QEvent::FocusOut && movesBetweenControls(event)) {
            if (m_gotFocusPending == n)
                m_gotFocusPending = 0; // emptied and refilled at once: nothing to do
            Text_LostFocus(n);
        } else if (event->type() == QEvent::KeyPress) {
            pendingGotFocus();
            return runKeyPress(static_cast<const QKeyEvent*>(event),
                               [this, n](int& ascii) { Text_KeyPress(n, ascii); });
        }
    }
    return kit::ToolWindow::eventFilter(watched, event);
}

void CalculatorWindow::pendingGotFocus()
{
    const int n = m_gotFocusPending;
    m_gotFocusPending = 0;
    if (n != 0)
        Text_GotFocus(n);
}

void CalculatorWindow::Option_Click(int n)
{
    const core::Figure& figure = m_calculator.figures[static_cast<std::size_t>(n - 1)];
    m_ui.lblForm->setText(figureText(figure.formula, figure.formula));
    kit::showPicture(m_ui.imgFig, QString::fromUtf8(figure.picture));
    for (int row = 1; row <= 3; ++row)
        if (uses(figure, row))
            setMeasureCaption(row, figureText(figure.labels[row - 1], figure.formula));
    // Heard in the working's words where it shows symbols.
    m_ui.lblForm->setAccessibleName(heardFormula(m_calculator, figure, resultLetter()));
    m_ui.Label[1]->setVisible(uses(figure, 2));
    m_ui.Label[2]->setVisible(uses(figure, 3));
    text(2)->setVisible(uses(figure, 2));
    text(3)->setVisible(uses(figure, 3));
    m_ui.unitLabels[0]->setVisible(isLength(figure, 2));
    m_ui.unitLabels[1]->setVisible(isLength(figure, 3));
    if (m_ui.Combo5) {
        const bool baseArea = figure.measures[0] == core::Measure::Area;
        m_ui.Combo1->setVisible(!baseArea);
        m_ui.Combo5->setVisible(baseArea);
    }
    eResultado();
}

// A result beyond the double range is kept as no result, so that the answer says
// so in every result unit until a computation fits again.
void CalculatorWindow::eResultado()
{
    m_result = core::figureResult(
        selectedFigure(), {text(1)->text().toStdString(), text(2)->text().toStdString(), text(3)->text().toStdString()},
        var().ValorPi);
    if (!m_result) {
        m_ui.txtAnswer->setText(outOfRange());
        m_working->refresh();
        return;
    }
    m_ui.txtAnswer->setText(fromStd(core::plainText(*m_result)));
    var().TipoMedida = m_calculator.tipoMedida;
    Combo4_Click();
}

void CalculatorWindow::Combo4_Click()
{
    writeConverted();
    m_working->refresh();
}

// A conversion beyond the double range says so and keeps the chosen unit; no
// unit chosen yet leaves the box's value as it was.
void CalculatorWindow::writeConverted()
{
    const QString current = m_ui.txtAnswer->text();
    const std::optional<core::ResultText> box =
        core::resultText(m_calculator, m_result, coreUnit(m_ui.Combo1, core::kLengthUnits),
                         coreUnit(m_ui.Combo4, m_calculator.resultUnits),
                         current == outOfRange() ? std::nullopt : std::optional<std::string>(current.toStdString()));
    if (!box) {
        m_ui.txtAnswer->setText(outOfRange());
        return;
    }
    m_ui.txtAnswer->setText(fromStd(box->plain));
    m_ui.txtAnswer->setText(fromStd(box->shown));
    // Cut, a grouped number would read as a smaller one; its plain form is short.
    if (!kit::showsWhole(m_ui.txtAnswer))
        m_ui.txtAnswer->setText(fromStd(box->plain));
}

// Choosing the result unit runs Combo4_Click in a plain list, and nothing in the
// box that takes typing. The base area unit is always the square of the input unit.
void CalculatorWindow::Combo1_Click()
{
    const QString unit = m_ui.Combo1->currentText();
    m_ui.unitLabels[0]->setText(unit);
    m_ui.unitLabels[1]->setText(unit);
    const std::string resultUnit = coreUnit(m_ui.Combo1, core::kLengthUnits) + m_calculator.powerSuffix;
    m_ui.Combo4->setCurrentIndex(m_ui.Combo4->findText(unitText(resultUnit.c_str())));
    if (m_ui.Combo5)
        m_ui.Combo5->setCurrentIndex(m_ui.Combo1->currentIndex());
    eResultado();
}

void CalculatorWindow::Combo5_Click()
{
    m_ui.Combo1->setCurrentIndex(m_ui.Combo5->currentIndex());
    Combo1_Click();
}

void CalculatorWindow::Text_Change(int)
{
    eResultado();
}

void CalculatorWindow::Text_GotFocus(int n)
{
    if (text(n)->text() == QLatin1String("0"))
        text(n)->clear();
    text(n)->setSelection(0, static_cast<int>(text(n)->text().size()));
}

void CalculatorWindow::Text_LostFocus(int n)
{
    if (text(n)->text().isEmpty())
        text(n)->setText(QStringLiteral("0"));
}

// Enter moves on to the next visible box instead of being typed.
void CalculatorWindow::Text_KeyPress(int n, int& keyAscii)
{
    if (keyAscii != kEnter)
        return;
    keyAscii = 0;
    if (n == 1 && text(2)->isVisibleTo(this))
        text(2)->setFocus();
    else if (n == 2)
        (text(3)->isVisibleTo(this) ? text(3) : text(1))->setFocus();
    else if (n == 3)
        text(1)->setFocus();
}

void CalculatorWindow::Form_Load()
{
    // A list raises no choice for a selection made by code.
    m_ui.Combo1->setCurrentIndex(m_ui.Combo1->findText(unitText(core::kLengthUnits[1])));
    Combo1_Click();
    if (m_ui.Combo5) {
        m_ui.Combo5->setCurrentIndex(m_ui.Combo5->findText(unitText(core::kAreaUnits[1])));
        Combo5_Click();
    }
    Option_Click(1);
}

// A measure box is read out by the caption above it, without the colon.
void CalculatorWindow::setMeasureCaption(int row, const QString& caption)
{
    m_ui.Label[row - 1]->setText(caption);
    QString name = caption;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    text(row)->setAccessibleName(name);
}

const core::Figure& CalculatorWindow::selectedFigure() const
{
    std::size_t i = 0;
    while (i + 1 < m_ui.Option.size() && !m_ui.Option[i]->isChecked())
        ++i;
    return m_calculator.figures[i];
}

} // namespace ui
