#include "core/units.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/exact.h"
#include "core/figures.h"
#include "core/numbers.h"
#include "core/translatable.h"
#include "core/working.h"
#include "core/writing.h"

namespace core::CatalogoUnidades {
namespace {

// A unit's size in its category's own unit (the metre, the square metre or the
// cubic metre), held exactly as digits · 10^exponent: every unit here is a whole
// number of a power of ten of those, so each factor is the quotient of two exact
// sizes, rounded once. The tables are constant expressions: digits that
// overflowed would not compile.
struct Size {
    std::int64_t digits;
    int exponent;
};

constexpr Size operator*(Size a, Size b)
{
    return {a.digits * b.digits, a.exponent + b.exponent};
}
constexpr Size operator*(std::int64_t count, Size a)
{
    return {count * a.digits, a.exponent};
}
constexpr Size tenTo(int exponent)
{
    return {1, exponent};
}
constexpr Size square(Size a)
{
    return a * a;
}
constexpr Size cube(Size a)
{
    return a * a * a;
}

constexpr Size kInch{254, -4}; // 0.0254 m
constexpr Size kFoot = 12 * kInch;
constexpr Size kYard = 3 * kFoot;
constexpr Size kMile{1609344, -3}; // 1609.344 m, 5280 feet
constexpr Size kLitre = cube(tenTo(-1));
constexpr Size kUsGallon = 231 * cube(kInch);

// One unit: its name as the lists show it, its name in words and its size.
struct UnitRow {
    std::string_view name;
    std::string_view spoken;
    Size size;
};

template <std::size_t N>
using Category = std::array<UnitRow, N>;

constexpr Category<9> kLongitud{{
    {CORE_TR("Unidades", "Milímetro"), kLengthUnitWords[0], tenTo(-3)},
    {CORE_TR("Unidades", "Centímetro"), kLengthUnitWords[1], tenTo(-2)},
    {CORE_TR("Unidades", "Pulgada"), CORE_TR_N("Unidades", "pulgadas"), kInch},
    {CORE_TR("Unidades", "Decímetro"), CORE_TR_N("Unidades", "decímetros"), tenTo(-1)},
    {CORE_TR("Unidades", "Pie"), CORE_TR_N("Unidades", "pies"), kFoot},
    {CORE_TR("Unidades", "Yarda"), CORE_TR_N("Unidades", "yardas"), kYard},
    {CORE_TR("Unidades", "Metro"), kLengthUnitWords[2], tenTo(0)},
    {CORE_TR("Unidades", "Kilómetro"), kLengthUnitWords[3], tenTo(3)},
    {CORE_TR("Unidades", "Milla"), CORE_TR_N("Unidades", "millas"), kMile},
}};

// "Área" is the are, 100 m². The square mile is the international mile's,
// 2589988.110336 m², the size the figure once listed here (2589987.8322 m²) is
// nearest to; the US survey mile's would be 2589998.47 m².
constexpr Category<10> kArea{{
    {CORE_TR("Unidades", "Centímetro²"), kAreaUnitWords[1], square(tenTo(-2))},
    {CORE_TR("Unidades", "Pulgada²"), CORE_TR_N("Unidades", "pulgadas cuadradas"), square(kInch)},
    {CORE_TR("Unidades", "Decímetro²"), CORE_TR_N("Unidades", "decímetros cuadrados"), square(tenTo(-1))},
    {CORE_TR("Unidades", "Pie²"), CORE_TR_N("Unidades", "pies cuadrados"), square(kFoot)},
    {CORE_TR("Unidades", "Yarda²"), CORE_TR_N("Unidades", "yardas cuadradas"), square(kYard)},
    {CORE_TR("Unidades", "Metro²"), kAreaUnitWords[2], tenTo(0)},
    {CORE_TR("Unidades", "Área"), CORE_TR_N("Unidades", "áreas"), tenTo(2)},
    {CORE_TR("Unidades", "Hectárea"), CORE_TR_N("Unidades", "hectáreas"), tenTo(4)},
    {CORE_TR("Unidades", "Kilómetro²"), kAreaUnitWords[3], square(tenTo(3))},
    {CORE_TR("Unidades", "Milla²"), CORE_TR_N("Unidades", "millas cuadradas"), square(kMile)},
}};

// The barrel is the one of 42 US gallons, 158.987294928 L, the size its figure
// once listed here (158.98723857 L) is nearest to, though its name says liquid
// barrel: the US liquid barrel of 31.5 gallons would be 119.240471196 L.
constexpr Category<10> kVolumen{{
    {CORE_TR("Unidades", "Centímetro³"), kVolumeUnitWords[1], cube(tenTo(-2))},
    {CORE_TR("Unidades", "Centílitro"), CORE_TR_N("Unidades", "centilitros"), tenTo(-2) * kLitre},
    {CORE_TR("Unidades", "Decílitro"), CORE_TR_N("Unidades", "decilitros"), tenTo(-1) * kLitre},
    {CORE_TR("Unidades", "Litro"), CORE_TR_N("Unidades", "litros"), kLitre},
    {CORE_TR("Unidades", "Decímetro³"), CORE_TR_N("Unidades", "decímetros cúbicos"), cube(tenTo(-1))},
    {CORE_TR("Unidades", "Decalitro"), CORE_TR_N("Unidades", "decalitros"), tenTo(1) * kLitre},
    {CORE_TR("Unidades", "Hectalitro"), CORE_TR_N("Unidades", "hectolitros"), tenTo(2) * kLitre},
    {CORE_TR("Unidades", "Barril Liq. EE.UU."), CORE_TR_N("Unidades", "barriles líquidos estadounidenses"),
     42 * kUsGallon},
    {CORE_TR("Unidades", "Metro³"), kVolumeUnitWords[2], tenTo(0)},
    {CORE_TR("Unidades", "Kilometro³"), kVolumeUnitWords[3], cube(tenTo(3))},
}};

// The converter's lists show ten rows, each with its place on screen.
static_assert(kLongitud.size() <= 10 && kArea.size() <= 10 && kVolumen.size() <= 10);

// Calls visit with the table of categoria; the one place that maps a category to its data.
template <typename Visit>
decltype(auto) withCategory(std::int16_t categoria, Visit visit)
{
    assert(categoria >= 0 && categoria <= 2);
    switch (categoria) {
    case 0:
        return visit(kLongitud);
    case 1:
        return visit(kArea);
    default:
        return visit(kVolumen);
    }
}

// a in units of b, rounded once: the digits' quotient is worked in long double,
// whose 64 digits hold every power of ten used here exactly.
double quotient(Size a, Size b)
{
    long double scale = 1;
    for (int e = std::abs(a.exponent - b.exponent); e > 0; --e)
        scale *= 10;
    const long double digits = static_cast<long double>(a.digits) / static_cast<long double>(b.digits);
    return static_cast<double>(a.exponent >= b.exponent ? digits * scale : digits / scale);
}

Size sizeOf(std::int16_t categoria, std::int16_t unidad)
{
    return withCategory(categoria,
                        [unidad](const auto& table) { return table.at(static_cast<std::size_t>(unidad)).size; });
}

} // namespace

std::vector<std::string> Unidades(std::int16_t categoria)
{
    return withCategory(categoria, [](const auto& table) {
        std::vector<std::string> names;
        for (const auto& row : table)
            names.emplace_back(row.name);
        return names;
    });
}

std::vector<std::string> spokenNames(std::int16_t categoria)
{
    return withCategory(categoria, [](const auto& table) {
        std::vector<std::string> names;
        for (const auto& row : table)
            names.emplace_back(row.spoken);
        return names;
    });
}

double Factor(std::int16_t categoria, std::int16_t desde, std::int16_t hacia)
{
    return quotient(sizeOf(categoria, desde), sizeOf(categoria, hacia));
}

std::vector<Fila> ConvertirValor(std::int16_t categoria, std::int16_t desde, std::string_view texto)
{
    const std::optional<double> x = readNumber(texto);
    std::vector<Fila> rows(withCategory(categoria, [](const auto& table) { return table.size(); })); // no value yet
    if (!x)
        return rows;
    for (std::size_t hacia = 0; hacia < rows.size(); ++hacia) {
        const double value = *x * Factor(categoria, desde, static_cast<std::int16_t>(hacia));
        if (std::isfinite(value))
            rows[hacia] = plainText(value);
    }
    return rows;
}

} // namespace core::CatalogoUnidades

namespace core {
namespace {

// A unit's size as an exact number.
MaybeExact exactSize(CatalogoUnidades::Size size)
{
    return exactDecimal(size.digits, size.exponent);
}

// Equals where text is exactly the value, Rounded where it is not.
Term relation(const MaybeExact& exact, const std::string& text)
{
    return exact && exact == exactFromText(text) ? Term::Equals : Term::Rounded;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

// One row's factor as the working writes it, and whether that is the factor
// itself or the factor rounded.
struct WrittenFactor {
    double value;
    Term relation;
};

WrittenFactor writtenFactor(std::int16_t categoria, std::int16_t desde, std::int16_t hacia)
{
    const double factor = CatalogoUnidades::Factor(categoria, desde, hacia);
    const MaybeExact exact =
        exactSize(CatalogoUnidades::sizeOf(categoria, desde)) / exactSize(CatalogoUnidades::sizeOf(categoria, hacia));
    return {factor, relation(exact, plainText(factor))};
}

// "1 Pie = 0.3048 Metro": how many units to make one unit from.
void appendFactor(Working& out, const WrittenFactor& factor, const std::string& from, const std::string& to)
{
    appendValue(out, 1.0, from);
    append(out, factor.relation);
    appendValue(out, factor.value, to);
}

// "= 5 · 0.3048 Metro = 1.524": the value times the factor in the unit it
// gives, then the row's text.
void appendProduct(Working& out, double x, const WrittenFactor& factor, const std::string& to,
                   const CatalogoUnidades::Fila& row)
{
    append(out, factor.relation);
    appendValue(out, x);
    append(out, Term::Times);
    appendValue(out, factor.value, to);
    if (!row) {
        append(out, Term::Equals);
        append(out, Term::OutOfRange);
        return;
    }
    append(out, relation(exactFromText(plainText(x)) * exactFromText(plainText(factor.value)), *row));
    append(out, Term::Number, *row);
}

} // namespace

Working converterWorking(std::int16_t categoria, std::int16_t desde, std::int16_t hacia, std::string_view texto)
{
    const std::vector<std::string> names = CatalogoUnidades::Unidades(categoria);
    const std::string& from = names.at(static_cast<std::size_t>(desde));
    const std::string& to = names.at(static_cast<std::size_t>(hacia));
    const WrittenFactor factor = writtenFactor(categoria, desde, hacia);
    Working out;
    const std::optional<double> x = readNumber(texto);
    if (isBlank(texto) || !x) {
        isBlank(texto) ? appendFactor(out, factor, from, to) : append(out, Term::OutOfRange);
        return out;
    }
    appendValue(out, *x, from);
    if (desde == hacia)
        return out;
    const CatalogoUnidades::Fila row =
        CatalogoUnidades::ConvertirValor(categoria, desde, texto).at(static_cast<std::size_t>(hacia));
    appendProduct(out, *x, factor, to, row);
    if (!row)
        return out;
    append(out, Term::Unit, to);
    append(out, Term::Open);
    appendFactor(out, factor, from, to);
    append(out, Term::Close);
    return out;
}

} // namespace core
