#include "core/figures.h"

#include <cmath>

#include "core/numbers.h"

namespace core {
namespace {

constexpr Measure L = Measure::Length;
constexpr Measure N = Measure::None;

constexpr Factor kSame{Operation::Unchanged, 1.0};
constexpr Factor times(double constant) { return {Operation::Multiply, constant}; }
constexpr Factor over(double constant) { return {Operation::Divide, constant}; }

// Perimeters, in the input length unit. Each formula keeps the order of its
// operations, since a different order can change the last bits of a result.
// The rhomboid's captions name doubled values but the user types one base and one
// side; the trapezoid's sides are added once, as its formula text says.
constexpr Figure kPerimeterFigures[] = {
    {"CUADRADO", " CUADRADO ", "P = L * 4", ":/fig_cuadrado.svg",
     {"Lado (l):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double) { return t1 * 4; }},
    {"RECTÁNGULO", " RECTÁNGULO ", "P = b * 2 + h * 2", ":/fig_rectangulo.svg",
     {"Base (b):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return (t1 + t1) + (t2 + t2); }},
    {"TRIÁNGULO", " TRIÁNGULO ", "L1 + L2 + L3", ":/fig_triangulo.svg",
     {"Lado 1 (l1):", "Lado 2 (l2):", "Lado 3 (l3):"}, {L, L, L},
     [](double t1, double t2, double t3, double) { return (t1 + t2) + t3; }},
    {"POLÍGONO REG.", " POLÍGONO REGULAR ", "P = L * #", ":/fig_pentagono.svg",
     {"Lado (l):", "No. lados (#):", nullptr}, {L, Measure::Count, N},
     [](double t1, double t2, double, double) { return t1 * t2; }},
    {"ROMBO", " ROMBO ", "P = L * 4", ":/fig_rombo.svg",
     {"Lado (l):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double) { return t1 * 4; }},
    {"ROMBOIDE", " ROMBOIDE ", "P = bs + ws", ":/fig_romboide.svg",
     {"Bases x2 (bs):", "Paredes x2 (ws):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return (t1 + t1) + (t2 + t2); }},
    {"TRAPECIO", " TRAPECIO ", "B + b + ws", ":/fig_trapecio.svg",
     {"Base Mayor (B):", "Base Menor (b):", "Paredes x2 (ws):"}, {L, L, L},
     [](double t1, double t2, double t3, double) { return (t1 + t2) + t3; }},
    {"CIRCUNFERENC.", " CIRCUNFERENCIA ", "Pi * D", ":/fig_circulo.svg",
     {"Diametro (D):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double pi) { return t1 * pi; }},
};

// Areas, in the square of the input unit; the sphere's entry is its surface.
constexpr Figure kAreaFigures[] = {
    {"CUADRADO", " CUADRADO ", "A = L²", ":/fig_cuadrado.svg",
     {"Lado (l):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double) { return t1 * t1; }},
    {"RECTÁNGULO", " RECTÁNGULO ", "A = b * h", ":/fig_rectangulo.svg",
     {"Base (b):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return t1 * t2; }},
    {"TRIÁNGULO", " TRIÁNGULO ", "A = b * h / 2", ":/fig_triangulo.svg",
     {"Base (b):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return (t1 * t2) / 2; }},
    {"ROMBO", " ROMBO ", "A = D * d / 2", ":/fig_rombo.svg",
     {"Diagonal Mayor (D):", "Diagonal Menor (d):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return (t1 * t2) / 2; }},
    {"TRAPECIO", " TRAPECIO ", "A = (B + b) * h / 2", ":/fig_trapecio.svg",
     {"Base Mayor (B):", "Base Menor (b):", "Altura (h):"}, {L, L, L},
     [](double t1, double t2, double t3, double) { return ((t1 + t2) * t3) / 2; }},
    {"POLÍGONO REG.", " POLÍGONO REGULAR ", "A = L * # * a / 2", ":/fig_pentagono.svg",
     {"Lado (l):", "No. lados (#):", "Apotema (a):"}, {L, Measure::Count, L},
     [](double t1, double t2, double t3, double) { return (t3 * (t2 * t1)) / 2; }},
    {"CÍRCULO", " CÍRCULO ", "A = Pi * r²", ":/fig_circulo.svg",
     {"Radio (r):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double pi) { return (t1 * t1) * pi; }},
    {"ESFERA", " ESFERA ", "A = Pi * 4 * r²", ":/fig_esfera.svg",
     {"Radio (r):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double pi) { return (t1 * t1) * (pi * 4); }},
    {"ROMBOIDE", " ROMBOIDE ", "A = b * h", ":/fig_romboide.svg",
     {"Base (b):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double) { return t1 * t2; }},
};

// Volumes, in the cube of the input unit. The prism and the pyramid take their base
// as an area; the sphere and the octahedron cube their measure with pow, not by
// multiplying, which can differ in the last bit.
constexpr Figure kVolumeFigures[] = {
    {"CUBO", " CUBO ", "V = a³", ":/fig_cubo.svg",
     {"Arista (a):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double) { return (t1 * t1) * t1; }},
    {"PARALELEPÍPED.", " PARALELEPÍPEDO ", "V = a1 * a2 * a3", ":/fig_paralelepipedo.svg",
     {"Arista 1 (a1):", "Arista 2 (a2):", "Arista 3 (a3):"}, {L, L, L},
     [](double t1, double t2, double t3, double) { return (t1 * t2) * t3; }},
    {"PRISMA", " PRISMA ", "V = Ab * h", ":/fig_prisma.svg",
     {"Área Base (Ab):", "Altura (h):", nullptr}, {Measure::Area, L, N},
     [](double t1, double t2, double, double) { return t1 * t2; }},
    {"CILINDRO", " CILINDRO ", "V = Pi * r² * h", ":/fig_cilindro.svg",
     {"Radio (r):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double pi) { return t2 * ((t1 * t1) * pi); }},
    {"CONO", " CONO ", "V = Pi * r² * h / 3", ":/fig_cono.svg",
     {"Radio (r):", "Altura (h):", nullptr}, {L, L, N},
     [](double t1, double t2, double, double pi) { return (t2 * ((t1 * t1) * pi)) / 3; }},
    {"PIRÁMIDE", " PIRÁMIDE ", "V = Ab * h / 3", ":/fig_piramide.svg",
     {"Área Base (Ab):", "Altura (h):", nullptr}, {Measure::Area, L, N},
     [](double t1, double t2, double, double) { return (t1 * t2) / 3; }},
    {"ESFERA", " ESFERA ", "V = 4/3 * Pi * r³", ":/fig_esfera_solida.svg",
     {"Radio (r):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double pi) { return (std::pow(t1, 3.0) * (pi * 4)) / 3; }},
    {"OCTAEDRO REG.", " OCTAEDRO REGULAR ", "V = Raiz(2) / 3 * a³", ":/fig_octaedro.svg",
     {"Arista (a):", nullptr, nullptr}, {L, N, N},
     [](double t1, double, double, double) { return (std::sqrt(2.0) / 3) * std::pow(t1, 3.0); }},
};

// Factors between the input unit (rows: mm, cm, m, km) and the result unit
// (columns in the same order), applied exactly as written: the lengths divide
// toward larger units, the areas' first row divides by whole numbers and the
// other rows multiply, the volumes always multiply by the cube of the ratio.
constexpr Calculator kCalculators[] = {
    {CalculatorId::Perimeter, 0, kPerimeterFigures, kLengthUnits, "",
     {{{kSame, over(10), over(1000), over(1000000)},
       {times(10), kSame, over(100), over(100000)},
       {times(1000), times(100), kSame, over(1000)},
       {times(1000000), times(100000), times(1000), kSame}}},
     false, false},
    {CalculatorId::Area, 1, kAreaFigures, kAreaUnits, "²",
     {{{kSame, over(100), over(1000000), over(1000000000000)},
       {times(100), kSame, times(0.0001), times(0.0000000001)},
       {times(1000000), times(10000), kSame, times(0.000001)},
       {times(1000000000000), times(10000000000), times(1000000), kSame}}},
     false, false},
    {CalculatorId::Volume, 2, kVolumeFigures, kVolumeUnits, "³",
     {{{kSame, times(0.001), times(1e-9), times(1e-18)},
       {times(1000), kSame, times(1e-6), times(1e-15)},
       {times(1e9), times(1e6), kSame, times(1e-9)},
       {times(1e18), times(1e15), times(1e9), kSame}}},
     true, true},
};

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

} // namespace

const Calculator& calculator(CalculatorId id)
{
    return kCalculators[static_cast<int>(id)];
}

std::optional<double> figureResult(const Figure& figure, const std::array<std::string, 3>& texts,
                                   double pi)
{
    std::array<double, 3> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (figure.measures[i] == Measure::None)
            continue;
        const std::optional<double> value = readNumber(texts[i]);
        if (!value)
            return std::nullopt;
        t[i] = *value;
    }
    const double result = figure.result(t[0], t[1], t[2], pi);
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

Conversion convertResult(const Calculator& calculator, std::string_view inputUnit,
                         std::string_view resultUnit, double result)
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

std::string displayText(std::string_view answer)
{
    // The box only ever holds plain text of a finite number, which always reads back.
    const double x = readNumber(answer).value_or(0.0);
    const std::string shown = maskedText(x, x == std::floor(x) ? kMaskWhole : kMaskDecimal);
    return readNumber(shown).value_or(0.0) == 0.0 ? "0" : shown;
}

} // namespace core
