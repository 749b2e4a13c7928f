#include "ui/calculatorcontrols.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "kit/accessibility.h"
#include "kit/fittext.h"
#include "kit/look.h"
#include "kit/numberbox.h"
#include "kit/optionbutton.h"
#include "kit/shapes.h"
#include "kit/spokennumbers.h"
#include "ui/coretext.h"

namespace ui {
namespace {

// The controls' texts are the calculator window's, translated under its name.
struct WindowText {
    Q_DECLARE_TR_FUNCTIONS(ui::CalculatorWindow)
};

// The area buttons stand in another order on screen than their numbers.
constexpr OptionPlace kPerimeterOptions[] = {{0, 1695}, {1, 1695}, {2, 1695}, {3, 1935},
                                             {4, 1695}, {5, 1695}, {6, 1695}, {7, 1935}};
constexpr OptionPlace kAreaOptions[] = {{0, 1695}, {1, 1695}, {2, 1695}, {4, 1695}, {6, 1695},
                                        {3, 1935}, {7, 1695}, {8, 1695}, {5, 1695}};
constexpr OptionPlace kVolumeOptions[] = {{0, 1695}, {1, 2005}, {2, 1695}, {3, 1935},
                                          {4, 1695}, {5, 1695}, {6, 1695}, {7, 2005}};

// Indexed by core::CalculatorId.
constexpr CalculatorLayout kLayouts[] = {
    {QT_TRANSLATE_NOOP("ui::CalculatorWindow", "Perímetro"), kPerimeterOptions, 1965, 100, 120,
     QT_TRANSLATE_NOOP("ui::CalculatorWindow", "P")},
    {QT_TRANSLATE_NOOP("ui::CalculatorWindow", "Área"), kAreaOptions, 2085, 120, 120,
     QT_TRANSLATE_NOOP("ui::CalculatorWindow", "A")},
    {QT_TRANSLATE_NOOP("ui::CalculatorWindow", "Volumen"), kVolumeOptions, 1965, 105, 105,
     QT_TRANSLATE_NOOP("ui::CalculatorWindow", "V")},
};
static_assert(std::size(kLayouts) == static_cast<std::size_t>(core::CalculatorId::Volume) + 1,
              "one row per core::CalculatorId");

const QColor kGrey(224, 224, 224);
const QColor kOutline(128, 128, 128);
const QColor kAnswerBack(255, 255, 192);

QFont calibri(double points, bool italic = false)
{
    return kit::font(kit::Typeface::Calibri, points, italic);
}

// A frame without caption, outlined by a rectangle one pixel outside it.
QFrame* outlinedFrame(QWidget* window, const QString& name, const QString& shapeName, const QRect& twips,
                      const QColor& back)
{
    auto* shape = new kit::RectShape(window);
    shape->setObjectName(shapeName);
    shape->setBorder(kOutline);
    kit::place(shape, twips.x() - 15, twips.y() - 15, twips.width() + 30, twips.height() + 30);
    auto* frame = new QFrame(window);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    kit::setBackColour(frame, back);
    kit::place(frame, twips.x(), twips.y(), twips.width(), twips.height());
    return frame;
}

// A list of units, each read out in words.
QComboBox* unitList(QWidget* parent, const core::UnitList& units, const core::UnitList& words, const QString& name,
                    const QString& accessibleName, const QString& description)
{
    auto* combo = new QComboBox(parent);
    for (std::size_t i = 0; i < units.size(); ++i) {
        combo->addItem(unitText(units[i]));
        combo->setItemData(static_cast<int>(i), kit::unitAlone(words[i]), Qt::AccessibleTextRole);
    }
    combo->setCurrentIndex(-1); // nothing chosen until the load step chooses
    combo->setFont(calibri(12));
    kit::setBackColour(combo, Qt::white);
    kit::identify(combo, name, accessibleName);
    combo->setAccessibleDescription(description);
    kit::showFocusMark(combo);
    return combo;
}

QLabel* transparentLabel(QWidget* parent, const QString& name, const QString& text, bool italic)
{
    auto* label = new QLabel(text, parent);
    label->setFont(calibri(12, italic));
    label->setObjectName(name); // a label is read out by its own, changing, text
    return label;
}

void buildFigureColumn(QWidget* window, const core::Calculator& calculator, CalculatorControls& c)
{
    const CalculatorLayout& layout = calculatorLayout(calculator.id);
    QFrame* frame2 = outlinedFrame(window, "Frame2", "Shape5", {120, 120, 2175, 3135}, kGrey);
    kit::exposePanel(frame2, WindowText::tr("Figura"));
    // A figure without a place, or a place without a figure, shows as a missing
    // button (the tests count one per figure), never as a read past a table.
    const std::size_t buttons = std::min(calculator.figures.size(), layout.options.size());
    for (std::size_t i = 0; i < buttons; ++i) {
        const core::Figure& figure = calculator.figures[i];
        const OptionPlace& place = layout.options[i];
        auto* option = new kit::OptionButton(figureText(figure.caption, figure.formula), frame2);
        option->setFont(calibri(12));
        kit::setBackColour(option, kGrey);
        // Read out by the full name its tooltip holds, not the shortened caption.
        const QString toolTip = figureText(figure.toolTip, figure.formula);
        kit::identify(option, QStringLiteral("Option%1").arg(i + 1), toolTip.trimmed(), toolTip);
        kit::place(option, 120, 120 + 300 * place.row, place.width, 285);
        // Grown by the focus mark's room, so that circle and caption keep the layout's place.
        option->setGeometry(option->geometry().adjusted(-kit::kFocusMarkRoom, 0, kit::kFocusMarkRoom, 0));
        c.Option.push_back(option);
    }
    c.Option.front()->setChecked(true);
}

// The input unit list beside Text1, and the labels that repeat its unit beside the others.
void buildUnitColumn(QFrame* frame1, CalculatorControls& c)
{
    c.Combo1 = unitList(frame1, core::kLengthUnits, core::kLengthUnitWords, "Combo1",
                        WindowText::tr("Unidad de entrada"), WindowText::tr("Unidad de longitud de todas las medidas"));
    kit::place(c.Combo1, 2160, 360, 855, 405);
    for (int i = 0; i < 2; ++i) {
        auto* unit = new QLabel(unitText(core::kLengthUnits[1]), frame1);
        unit->setFont(calibri(14.25));
        kit::setBackColour(unit, Qt::white);
        unit->setObjectName(QStringLiteral("Combo%1").arg(i + 2));
        unit->setAccessibleDescription(WindowText::tr("Unidad de la medida %1").arg(i + 2));
        kit::place(unit, 2160, 1080 + 720 * i, 855, 375);
        c.unitLabels[i] = unit;
    }
}

void buildMeasureRows(QWidget* window, const core::Calculator& calculator, kit::DesktopServices& desktop,
                      CalculatorControls& c)
{
    QFrame* frame1 = outlinedFrame(window, "Frame1", "Shape6", {2400, 120, 3135, 3135}, Qt::white);
    kit::exposePanel(frame1, WindowText::tr("Medidas"));
    for (int i = 0; i < 3; ++i) {
        const int top = 60 + 720 * i;
        c.Label[i] = transparentLabel(frame1, QStringLiteral("Label%1").arg(i + 1), "X", true);
        kit::place(c.Label[i], 120, top, i == 0 ? calculatorLayout(calculator.id).label1Width : 1965, 285);

        auto* text = new kit::NumberBox(i == 0 ? QString() : QStringLiteral("0"), frame1, desktop, 12);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        text->setFont(calibri(14.25));
        kit::setBackColour(text, kGrey);
        kit::setTextColour(text, Qt::black);
        kit::identify(text, QStringLiteral("Text%1").arg(i + 1), WindowText::tr("Medida %1").arg(i + 1));
        kit::place(text, 120, top + 300, 1935, 405);
        kit::keepWhole(text);
        kit::showFocusMark(text);
        c.Label[i]->setBuddy(text);
        c.Text[i] = text;
    }
    buildUnitColumn(frame1, c);
}

// Typing completes to one of the box's units; Enter or leaving the box chooses the
// unit typed, and any other text gives way to the unit chosen, so that no result
// is ever shown beside a unit it is not in.
void makeTypable(QComboBox* combo)
{
    auto* edit = new QLineEdit(combo);
    edit->setAccessibleName(combo->accessibleName());
    combo->setLineEdit(edit); // which chooses a unit typed whole, in any case
    QObject::connect(edit, &QLineEdit::editingFinished, combo,
                     [combo] { combo->setEditText(combo->itemText(combo->currentIndex())); });
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(QStringLiteral("Combo4"));
}

void buildResultBar(QWidget* window, const core::Calculator& calculator, CalculatorControls& c)
{
    auto* shape2 = new kit::RectShape(window);
    shape2->setObjectName("Shape2");
    shape2->setFill(kAnswerBack);
    shape2->setBorder(kOutline);
    kit::place(shape2, 120, 3360, 4455, 375);

    c.txtAnswer = new QLineEdit(QStringLiteral("0"), window);
    c.txtAnswer->setReadOnly(true);
    c.txtAnswer->setFrame(false);
    c.txtAnswer->setFocusPolicy(Qt::StrongFocus); // a long result is scrolled from the keyboard
    c.txtAnswer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.txtAnswer->setFont(calibri(14.25));
    kit::setBackColour(c.txtAnswer, kAnswerBack);
    kit::identify(c.txtAnswer, "txtAnswer", WindowText::tr("Resultado"));
    kit::place(c.txtAnswer, 130, 3370, 4335, 345);
    kit::keepWhole(c.txtAnswer);
    kit::showFocusMark(c.txtAnswer);

    c.Combo4 =
        unitList(window, calculator.resultUnits, calculator.resultUnitWords, "Combo4",
                 WindowText::tr("Unidad del resultado"), WindowText::tr("Unidad en que se muestra el resultado"));
    if (calculator.typedResultUnit)
        makeTypable(c.Combo4);
    kit::place(c.Combo4, 4680, 3360, 870, 405);
}

void buildFormulaBar(QWidget* window, const core::Calculator& calculator, CalculatorControls& c)
{
    QFrame* frame3 = outlinedFrame(window, "Frame3", "Shape1", {120, 3840, 5415, 495}, kGrey);
    kit::exposePanel(frame3, WindowText::tr("Fórmula"));
    QLabel* label4 = transparentLabel(frame3, "Label4", WindowText::tr("FÓRMULA:"), false);
    const CalculatorLayout& layout = calculatorLayout(calculator.id);
    kit::place(label4, 120, layout.label4Top, 1215, 255);
    c.lblForm = transparentLabel(frame3, "lblForm", QString(), false);
    c.lblForm->setAccessibleDescription(WindowText::tr("Fórmula"));
    kit::place(c.lblForm, 1320, layout.formulaTop, 3495, 255);
    c.imgFig = new QLabel(frame3);
    kit::identify(c.imgFig, "imgFig", WindowText::tr("Dibujo de la figura"));
    kit::place(c.imgFig, 4920, 0, 495, 495);
    c.Frame3 = frame3;
}

// The base area list lies on the window itself, exactly over Combo1.
void buildBaseAreaList(QWidget* window, CalculatorControls& c)
{
    c.Combo5 =
        unitList(window, core::kAreaUnits, core::kAreaUnitWords, "Combo5", WindowText::tr("Unidad del área de la base"),
                 WindowText::tr("Unidad de superficie del área de la base"));
    kit::place(c.Combo5, 4560, 480, 870, 405);
    c.Combo5->hide();
}

void setFocusOrder(const CalculatorControls& c)
{
    std::vector<QWidget*> chain(c.Text.begin(), c.Text.end());
    std::vector<QRadioButton*> byScreen = c.Option;
    std::sort(byScreen.begin(), byScreen.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    chain.insert(chain.end(), byScreen.begin(), byScreen.end());
    chain.push_back(c.Combo1);
    chain.push_back(c.txtAnswer); // the result, then the unit it is written in
    chain.push_back(c.Combo4);
    if (c.Combo5)
        chain.push_back(c.Combo5);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace

const CalculatorLayout& calculatorLayout(core::CalculatorId id)
{
    return kLayouts[static_cast<std::size_t>(id)];
}

CalculatorControls buildCalculatorControls(QWidget* window, const core::Calculator& calculator,
                                           kit::DesktopServices& desktop)
{
    CalculatorControls c;
    buildFigureColumn(window, calculator, c);
    buildMeasureRows(window, calculator, desktop, c);
    buildResultBar(window, calculator, c);
    buildFormulaBar(window, calculator, c);
    if (calculator.baseAreaUnits)
        buildBaseAreaList(window, c);
    setFocusOrder(c);
    c.Text[0]->setFocus();
    return c;
}

} // namespace ui
