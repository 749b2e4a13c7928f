#include "core/figures.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/numbers.h"
#include "core/writing.h"

namespace core {
namespace {

constexpr Measure L = Measure::Length;
constexpr Measure N = Measure::None;

// The three measure boxes, as the formulas read them.
constexpr Expression t1 = measure(0);
constexpr Expression t2 = measure(1);
constexpr Expression t3 = measure(2);

constexpr Factor kSame{Operation::Unchanged, 1.0};
constexpr Factor times(double constant)
{
    return {Operation::Multiply, constant};
}
constexpr Factor over(double constant)
{
    return {Operation::Divide, constant};
}

// Perimeters, in the input length unit. Each formula keeps the order of its
// operations, since a different order can change the last bits of a result:
// operations group from the left as written, and only the two operands of one
// operation may trade places (b · 2 is b + b to the last bit).
// The rhomboid's captions and formula name the doubled base and side (bs, ws)
// while the user types one of each, so its working puts each in doubled; the
// trapezoid's sides are added once, as its formula text says. The first line
// of a working is the formula bar's, written as letters where it differs.
constexpr Figure kPerimeterFigures[] = {
    {CORE_TR("Figuras", "CUADRADO"),
     CORE_TR("Figuras", " CUADRADO "),
     CORE_TR("Figuras", "P = L * 4"),
     ":/fig_cuadrado.svg",
     {CORE_TR("Figuras", "Lado (l):"), nullptr, nullptr},
     {L, N, N},
     t1 * 4},
    {CORE_TR("Figuras", "RECTÁNGULO"),
     CORE_TR("Figuras", " RECTÁNGULO "),
     CORE_TR("Figuras", "P = b * 2 + h * 2"),
     ":/fig_rectangulo.svg",
     {CORE_TR("Figuras", "Base (b):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     t1 * 2 + t2 * 2},
    {CORE_TR("Figuras", "TRIÁNGULO"),
     CORE_TR("Figuras", " TRIÁNGULO "),
     CORE_TR("Figuras", "L1 + L2 + L3"),
     ":/fig_triangulo.svg",
     {CORE_TR("Figuras", "Lado 1 (l1):"), CORE_TR("Figuras", "Lado 2 (l2):"), CORE_TR("Figuras", "Lado 3 (l3):")},
     {L, L, L},
     t1 + t2 + t3},
    {CORE_TR("Figuras", "POLÍGONO REG."),
     CORE_TR("Figuras", " POLÍGONO REGULAR "),
     CORE_TR("Figuras", "P = L * #"),
     ":/fig_pentagono.svg",
     {CORE_TR("Figuras", "Lado (l):"), CORE_TR("Figuras", "No. lados (#):"), nullptr},
     {L, Measure::Count, N},
     t1* t2},
    {CORE_TR("Figuras", "ROMBO"),
     CORE_TR("Figuras", " ROMBO "),
     CORE_TR("Figuras", "P = L * 4"),
     ":/fig_rombo.svg",
     {CORE_TR("Figuras", "Lado (l):"), nullptr, nullptr},
     {L, N, N},
     t1 * 4},
    {CORE_TR("Figuras", "ROMBOIDE"),
     CORE_TR("Figuras", " ROMBOIDE "),
     CORE_TR("Figuras", "P = bs + ws"),
     ":/fig_romboide.svg",
     {CORE_TR("Figuras", "Bases x2 (bs):"), CORE_TR("Figuras", "Paredes x2 (ws):"), nullptr},
     {L, L, N},
     t1 * 2 + t2 * 2,
     t1 + t2},
    {CORE_TR("Figuras", "TRAPECIO"),
     CORE_TR("Figuras", " TRAPECIO "),
     CORE_TR("Figuras", "B + b + ws"),
     ":/fig_trapecio.svg",
     {CORE_TR("Figuras", "Base Mayor (B):"), CORE_TR("Figuras", "Base Menor (b):"),
      CORE_TR_FOR("Figuras", "Paredes x2 (ws):", "B + b + ws")},
     {L, L, L},
     t1 + t2 + t3},
    {CORE_TR("Figuras", "CIRCUNFERENC."),
     CORE_TR("Figuras", " CIRCUNFERENCIA "),
     CORE_TR("Figuras", "Pi * D"),
     ":/fig_circulo.svg",
     {CORE_TR("Figuras", "Diametro (D):"), nullptr, nullptr},
     {L, N, N},
     kPiValue* t1},
};

// Areas, in the square of the input unit; the sphere's entry is its surface.
constexpr Figure kAreaFigures[] = {
    {CORE_TR("Figuras", "CUADRADO"),
     CORE_TR("Figuras", " CUADRADO "),
     CORE_TR("Figuras", "A = L²"),
     ":/fig_cuadrado.svg",
     {CORE_TR("Figuras", "Lado (l):"), nullptr, nullptr},
     {L, N, N},
     squared(t1)},
    {CORE_TR("Figuras", "RECTÁNGULO"),
     CORE_TR("Figuras", " RECTÁNGULO "),
     CORE_TR("Figuras", "A = b * h"),
     ":/fig_rectangulo.svg",
     {CORE_TR("Figuras", "Base (b):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     t1* t2},
    {CORE_TR("Figuras", "TRIÁNGULO"),
     CORE_TR("Figuras", " TRIÁNGULO "),
     CORE_TR("Figuras", "A = b * h / 2"),
     ":/fig_triangulo.svg",
     {CORE_TR("Figuras", "Base (b):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     t1* t2 / 2},
    {CORE_TR("Figuras", "ROMBO"),
     CORE_TR("Figuras", " ROMBO "),
     CORE_TR("Figuras", "A = D * d / 2"),
     ":/fig_rombo.svg",
     {CORE_TR("Figuras", "Diagonal Mayor (D):"), CORE_TR("Figuras", "Diagonal Menor (d):"), nullptr},
     {L, L, N},
     t1* t2 / 2},
    {CORE_TR("Figuras", "TRAPECIO"),
     CORE_TR("Figuras", " TRAPECIO "),
     CORE_TR("Figuras", "A = (B + b) * h / 2"),
     ":/fig_trapecio.svg",
     {CORE_TR("Figuras", "Base Mayor (B):"), CORE_TR("Figuras", "Base Menor (b):"), CORE_TR("Figuras", "Altura (h):")},
     {L, L, L},
     (t1 + t2) * t3 / 2},
    {CORE_TR("Figuras", "POLÍGONO REG."),
     CORE_TR("Figuras", " POLÍGONO REGULAR "),
     CORE_TR("Figuras", "A = L * # * a / 2"),
     ":/fig_pentagono.svg",
     {CORE_TR("Figuras", "Lado (l):"), CORE_TR("Figuras", "No. lados (#):"), CORE_TR("Figuras", "Apotema (a):")},
     {L, Measure::Count, L},
     t1* t2* t3 / 2},
    {CORE_TR("Figuras", "CÍRCULO"),
     CORE_TR("Figuras", " CÍRCULO "),
     CORE_TR("Figuras", "A = Pi * r²"),
     ":/fig_circulo.svg",
     {CORE_TR("Figuras", "Radio (r):"), nullptr, nullptr},
     {L, N, N},
     kPiValue* squared(t1)},
    {CORE_TR("Figuras", "ESFERA"),
     CORE_TR_FOR("Figuras", " ESFERA ", "A = Pi * 4 * r²"),
     CORE_TR("Figuras", "A = Pi * 4 * r²"),
     ":/fig_esfera.svg",
     {CORE_TR("Figuras", "Radio (r):"), nullptr, nullptr},
     {L, N, N},
     kPiValue * 4 * squared(t1)},
    {CORE_TR("Figuras", "ROMBOIDE"),
     CORE_TR("Figuras", " ROMBOIDE "),
     CORE_TR("Figuras", "A = b * h"),
     ":/fig_romboide.svg",
     {CORE_TR("Figuras", "Base (b):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     t1* t2},
};

// Volumes, in the cube of the input unit. The prism and the pyramid take their base
// as an area; the sphere and the octahedron cube their measure with pow, not by
// multiplying, which can differ in the last bit.
constexpr Figure kVolumeFigures[] = {
    {CORE_TR("Figuras", "CUBO"),
     CORE_TR("Figuras", " CUBO "),
     CORE_TR("Figuras", "V = a³"),
     ":/fig_cubo.svg",
     {CORE_TR("Figuras", "Arista (a):"), nullptr, nullptr},
     {L, N, N},
     cubed(t1)},
    {CORE_TR("Figuras", "PARALELEPÍPED."),
     CORE_TR("Figuras", " PARALELEPÍPEDO "),
     CORE_TR("Figuras", "V = a1 * a2 * a3"),
     ":/fig_paralelepipedo.svg",
     {CORE_TR("Figuras", "Arista 1 (a1):"), CORE_TR("Figuras", "Arista 2 (a2):"), CORE_TR("Figuras", "Arista 3 (a3):")},
     {L, L, L},
     t1* t2* t3},
    {CORE_TR("Figuras", "PRISMA"),
     CORE_TR("Figuras", " PRISMA "),
     CORE_TR("Figuras", "V = Ab * h"),
     ":/fig_prisma.svg",
     {CORE_TR("Figuras", "Área Base (Ab):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {Measure::Area, L, N},
     t1* t2},
    {CORE_TR("Figuras", "CILINDRO"),
     CORE_TR("Figuras", " CILINDRO "),
     CORE_TR("Figuras", "V = Pi * r² * h"),
     ":/fig_cilindro.svg",
     {CORE_TR("Figuras", "Radio (r):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     kPiValue* squared(t1) * t2},
    {CORE_TR("Figuras", "CONO"),
     CORE_TR("Figuras", " CONO "),
     CORE_TR("Figuras", "V = Pi * r² * h / 3"),
     ":/fig_cono.svg",
     {CORE_TR("Figuras", "Radio (r):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {L, L, N},
     kPiValue* squared(t1) * t2 / 3},
    {CORE_TR("Figuras", "PIRÁMIDE"),
     CORE_TR("Figuras", " PIRÁMIDE "),
     CORE_TR("Figuras", "V = Ab * h / 3"),
     ":/fig_piramide.svg",
     {CORE_TR("Figuras", "Área Base (Ab):"), CORE_TR("Figuras", "Altura (h):"), nullptr},
     {Measure::Area, L, N},
     t1* t2 / 3},
    {CORE_TR("Figuras", "ESFERA"),
     CORE_TR("Figuras", " ESFERA "),
     CORE_TR("Figuras", "V = 4/3 * Pi * r³"),
     ":/fig_esfera_solida.svg",
     {CORE_TR("Figuras", "Radio (r):"), nullptr, nullptr},
     {L, N, N},
     4 * kPiValue* power3(t1) / 3,
     Expression(4) / 3 * kPiValue* cubed(t1)},
    {CORE_TR("Figuras", "OCTAEDRO REG."),
     CORE_TR("Figuras", " OCTAEDRO REGULAR "),
     CORE_TR("Figuras", "V = Raiz(2) / 3 * a³"),
     ":/fig_octaedro.svg",
     {CORE_TR("Figuras", "Arista (a):"), nullptr, nullptr},
     {L, N, N},
     root(2) / 3 * power3(t1)},
};

// Factors between the input unit (rows: mm, cm, m, km) and the result unit
// (columns in the same order), applied exactly as written: the lengths divide
// toward larger units, the areas' first row divides by whole numbers and the
// other rows multiply, the volumes always multiply by the cube of the ratio.
constexpr Calculator kCalculators[] = {
    {CalculatorId::Perimeter,
     0,
     kPerimeterFigures,
     kLengthUnits,
     kLengthUnitWords,
     "",
     {{{kSame, over(10), over(1000), over(1000000)},
       {times(10), kSame, over(100), over(100000)},
       {times(1000), times(100), kSame, over(1000)},
       {times(1000000), times(100000), times(1000), kSame}}},
     false,
     false},
    {CalculatorId::Area,
     1,
     kAreaFigures,
     kAreaUnits,
     kAreaUnitWords,
     "²",
     {{{kSame, over(100), over(1000000), over(1000000000000)},
       {times(100), kSame, times(0.0001), times(0.0000000001)},
       {times(1000000), times(10000), kSame, times(0.000001)},
       {times(1000000000000), times(10000000000), times(1000000), kSame}}},
     false,
     false},
    {CalculatorId::Volume,
     2,
     kVolumeFigures,
     kVolumeUnits,
     kVolumeUnitWords,
     "³",
     {{{kSame, times(0.001), times(1e-9), times(1e-18)},
       {times(1000), kSame, times(1e-6), times(1e-15)},
       {times(1e9), times(1e6), kSame, times(1e-9)},
       {times(1e18), times(1e15), times(1e9), kSame}}},
     true,
     true},
};

static_assert(indexedBy(kCalculators, &Calculator::id, CalculatorId::Volume), "one row per CalculatorId, in its order");

// Position of text in units, or -1; the comparison is exact, as typed.
int unitIndex(const UnitList& units, std::string_view text)
{
    for (std::size_t i = 0; i < units.size(); ++i)
        if (text == units[i])
            return static_cast<int>(i);
    return -1;
}

double apply(const Factor& factor, double value)
{
    switch (factor.operation) {
    case Operation::Multiply:
        return value * factor.constant;
    case Operation::Divide:
        return value / factor.constant;
    case Operation::Unchanged:
        break;
    }
    return value;
}

// The measures the figure uses, read from their boxes (the others are 0), or
// std::nullopt when one reads beyond the range of a double.
std::optional<MeasureValues> readMeasures(const Figure& figure, const std::array<std::string, 3>& texts)
{
    MeasureValues t{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (figure.measures[i] == Measure::None)
            continue;
        const std::optional<double> value = readNumber(texts[i]);
        if (!value)
            return std::nullopt;
        t[i] = *value;
    }
    return t;
}

// Whether any measure the figure uses has been typed: a box that is empty or
// holds the placeholder "0" has no value yet.
bool anyTyped(const Figure& figure, const std::array<std::string, 3>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (figure.measures[i] != Measure::None && !texts[i].empty() && texts[i] != "0")
            return true;
    return false;
}

// "(1 cm = 10 mm)", or "(10 mm = 1 cm)" for a factor that divides.
void appendFactor(Working& out, const Factor& factor, const std::string& from, const std::string& to)
{
    const bool divides = factor.operation == Operation::Divide;
    append(out, Term::Open);
    appendValue(out, divides ? factor.constant : 1.0, from);
    append(out, Term::Equals);
    appendValue(out, divides ? 1.0 : factor.constant, to);
    append(out, Term::Close);
}

// From the result in the input unit to the result box's text: when the result
// unit is another one of the calculator's units, the conversion into it with its factor.
void appendConverted(Working& out, const Calculator& calculator, std::string_view inputUnit,
                     std::string_view resultUnit, double result, Reached& reached)
{
    const std::string unit = std::string(inputUnit) + calculator.powerSuffix;
    const int row = unitIndex(kLengthUnits, inputUnit);
    const int column = unitIndex(calculator.resultUnits, resultUnit);
    const bool converts = row >= 0 && column >= 0 && calculator.factors[row][column].operation != Operation::Unchanged;
    const std::optional<ResultText> box = resultText(calculator, result, inputUnit, resultUnit, plainText(result));
    if (!box) {
        append(out, Term::Equals);
        append(out, Term::OutOfRange);
        return;
    }
    if (!converts) {
        appendShown(out, reached, box->plain, box->shown, kMaskDecimal.maxDecimals, unit);
        return;
    }
    const Factor& factor = calculator.factors[row][column];
    const std::string to(resultUnit);
    appendConversion(out, reached, factor.constant, factor.operation == Operation::Divide, unit, to);
    appendShown(out, reached, box->plain, box->shown, kMaskDecimal.maxDecimals, to);
    appendFactor(out, factor, unit, to);
}

} // namespace

const Calculator& calculator(CalculatorId id)
{
    return kCalculators[static_cast<std::size_t>(id)];
}

std::optional<double> figureResult(const Figure& figure, const std::array<std::string, 3>& texts, double pi)
{
    const std::optional<MeasureValues> t = readMeasures(figure, texts);
    if (!t)
        return std::nullopt;
    const double result = valueOf(figure.result, *t, pi);
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

Conversion convertResult(const Calculator& calculator, std::string_view inputUnit, std::string_view resultUnit,
                         double result)
{
    const int row = unitIndex(kLengthUnits, inputUnit);
    const int column = unitIndex(calculator.resultUnits, resultUnit);
    if (row < 0 || column < 0)
        return {Converted::NoMatch, result};
    const double value = apply(calculator.factors[row][column], result);
    if (!std::isfinite(value))
        return {Converted::Overflow, result};
    return {Converted::Value, value};
}

std::optional<ResultText> resultText(const Calculator& calculator, const std::optional<double>& result,
                                     std::string_view inputUnit, std::string_view resultUnit,
                                     const std::optional<std::string>& kept)
{
    const Conversion conversion =
        result ? convertResult(calculator, inputUnit, resultUnit, *result) : Conversion{Converted::Overflow, 0.0};
    if (conversion.outcome == Converted::Overflow || (conversion.outcome == Converted::NoMatch && !kept))
        return std::nullopt;
    const std::string plain = conversion.outcome == Converted::Value ? plainText(conversion.value) : *kept;
    return ResultText{plain, displayText(plain)};
}

const Expression& formulaOf(const Figure& figure)
{
    return figure.letters.size() > 0 ? figure.letters : figure.result;
}

Working figureWorking(const Calculator& calculator, const Figure& figure, const std::array<std::string, 3>& texts,
                      double pi, std::string_view inputUnit, std::string_view resultUnit)
{
    Working out;
    appendLetters(out, formulaOf(figure), 0);
    if (!anyTyped(figure, texts))
        return out;
    const std::optional<MeasureValues> t = readMeasures(figure, texts);
    if (!t) {
        append(out, Term::Equals);
        append(out, Term::OutOfRange);
        return out;
    }
    std::optional<Reached> reached = appendSteps(out, figure.result, *t, pi, true);
    if (!reached)
        return out;
    const std::string unit = std::string(inputUnit) + calculator.powerSuffix;
    append(out, Term::Unit, unit);
    appendPiTaken(out, *reached, pi, unit);
    appendConverted(out, calculator, inputUnit, resultUnit, valueOf(figure.result, *t, pi), *reached);
    return out;
}

std::string displayText(std::string_view answer)
{
    // The box only ever holds plain text of a finite number, which always reads back.
    const double x = readNumber(answer).value_or(0.0);
    const std::string shown = maskedText(x, x == std::floor(x) ? kMaskWhole : kMaskDecimal);
    return readNumber(shown).value_or(0.0) == 0.0 ? "0" : shown;
}

} // namespace core
