#include "core/units.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>

#include "core/figures.h"
#include "core/numbers.h"
#include "core/translatable.h"
#include "core/writing.h"

namespace core::CatalogoUnidades {
namespace {

// One unit: its name as the lists show it, its name in words and, column by
// column in list order, how many of each unit of its category make one of it.
template <std::size_t N>
struct UnitRow {
    std::string_view name;
    std::string_view spoken;
    std::array<double, N> factors;
};

template <std::size_t N>
using Category = std::array<UnitRow<N>, N>;

// The published conversion tables, copied figure by figure: row = source unit,
// column = target unit. They are deliberately not derived from unit sizes,
// because their rounding shows in the results users compare (one "Pie²" is
// 143.99999628 "Pulgada²"), and mirror entries are not always reciprocals.
// "Área" is the unit of 100 m²; the barrel is the US liquid barrel.

constexpr Category<9> kLongitud{{
    {CORE_TR("Unidades", "Milímetro"),
     kLengthUnitWords[0],
     {1, 0.1, 0.0393700787, 0.01, 0.0032808399, 0.0010936133, 0.001, 1e-6, 6.21371e-7}},
    {CORE_TR("Unidades", "Centímetro"),
     kLengthUnitWords[1],
     {10, 1, 0.3937007874, 0.1, 0.032808399, 0.010936133, 0.01, 1e-5, 6.21371e-6}},
    {CORE_TR("Unidades", "Pulgada"),
     CORE_TR_N("Unidades", "pulgadas"),
     {25.4, 2.54, 1, 0.254, 0.0833333333, 0.0277777778, 0.0254, 2.54e-5, 1.57828e-5}},
    {CORE_TR("Unidades", "Decímetro"),
     CORE_TR_N("Unidades", "decímetros"),
     {100, 10, 3.937007874, 1, 0.3280839895, 0.1093613298, 0.1, 0.0001, 6.21371e-5}},
    {CORE_TR("Unidades", "Pie"),
     CORE_TR_N("Unidades", "pies"),
     {304.8, 30.48, 12, 3.048, 1, 0.3333333333, 0.3048, 0.0003048, 0.0001893939}},
    {CORE_TR("Unidades", "Yarda"),
     CORE_TR_N("Unidades", "yardas"),
     {914.4, 91.44, 36, 9.144, 3, 1, 0.9144, 0.0009144, 0.0005681818}},
    {CORE_TR("Unidades", "Metro"),
     kLengthUnitWords[2],
     {1000, 100, 39.37007874, 10, 3.280839895, 1.0936132983, 1, 0.001, 0.0006213712}},
    {CORE_TR("Unidades", "Kilómetro"),
     kLengthUnitWords[3],
     {1e6, 1e5, 39370.07874, 10000, 3280.839895, 1093.6132983, 1000, 1, 0.6213711922}},
    {CORE_TR("Unidades", "Milla"),
     CORE_TR_N("Unidades", "millas"),
     {1609344, 160934.4, 63360, 16093.44, 5280, 1760, 1609.344, 1.609344, 1}},
}};

constexpr Category<10> kArea{{
    {CORE_TR("Unidades", "Centímetro²"),
     kAreaUnitWords[1],
     {1, 0.1550003, 0.01, 0.001076391, 0.000119599, 0.0001, 1e-6, 1e-8, 1e-10, 3.861022e-11}},
    {CORE_TR("Unidades", "Pulgada²"),
     CORE_TR_N("Unidades", "pulgadas cuadradas"),
     {6.4516004163, 1, 0.0645160042, 0.0069444446, 0.000771605, 0.00064516, 6.4516e-6, 6.4516004163e-8,
      6.4516004163e-10, 2.4909771142e-10}},
    {CORE_TR("Unidades", "Decímetro²"),
     CORE_TR_N("Unidades", "decímetros cuadrados"),
     {100, 15.50003, 1, 0.1076391, 0.0119599, 0.01, 0.0001, 1e-6, 1e-8, 3.861022e-9}},
    {CORE_TR("Unidades", "Pie²"),
     CORE_TR_N("Unidades", "pies cuadrados"),
     {929.03043597, 143.99999628, 9.2903043597, 1, 0.1111111111, 0.0929030436, 0.0009290304, 9.2903e-6, 9.2903043597e-8,
      3.5870069519e-8}},
    {CORE_TR("Unidades", "Yarda²"),
     CORE_TR_N("Unidades", "yardas cuadradas"),
     {8361.2739237, 1295.9999666, 83.612739237, 9, 1, 0.8361273924, 0.0083612739, 8.36127e-5, 8.3612739237e-7,
      3.2283062567e-7}},
    {CORE_TR("Unidades", "Metro²"),
     kAreaUnitWords[2],
     {10000, 1550.003, 100, 10.76391, 1.19599, 1, 0.01, 0.0001, 1e-6, 3.861022e-7}},
    {CORE_TR("Unidades", "Área"),
     CORE_TR_N("Unidades", "áreas"),
     {1e6, 155000.3, 10000, 1076.391, 119.599, 100, 1, 0.01, 0.0001, 3.86102e-5}},
    {CORE_TR("Unidades", "Hectárea"),
     CORE_TR_N("Unidades", "hectáreas"),
     {1e8, 15500030, 1e6, 107639.1, 11959.9, 10000, 100, 1, 0.01, 0.003861022}},
    {CORE_TR("Unidades", "Kilómetro²"),
     kAreaUnitWords[3],
     {1e10, 1550003000, 1e8, 10763910, 1195990, 1e6, 10000, 100, 1, 0.3861022}},
    {CORE_TR("Unidades", "Milla²"),
     CORE_TR_N("Unidades", "millas cuadradas"),
     {25899878322, 4014488909.9, 258998783.22, 27878395.927, 3097599.5475, 2589987.8322, 25899.878322, 258.99878322,
      2.5899878322, 1}},
}};

constexpr Category<10> kVolumen{{
    {CORE_TR("Unidades", "Centímetro³"),
     kVolumeUnitWords[1],
     {1, 0.1, 0.01, 0.001, 0.001, 0.0001, 1e-5, 6.2898e-6, 1e-6, 1e-15}},
    {CORE_TR("Unidades", "Centílitro"),
     CORE_TR_N("Unidades", "centilitros"),
     {10, 1, 0.1, 0.01, 0.01, 0.001, 0.0001, 6.28981e-5, 1e-5, 1e-14}},
    {CORE_TR("Unidades", "Decílitro"),
     CORE_TR_N("Unidades", "decilitros"),
     {100, 10, 1, 0.1, 0.1, 0.01, 0.001, 0.0006289813, 0.0001, 1e-13}},
    {CORE_TR("Unidades", "Litro"),
     CORE_TR_N("Unidades", "litros"),
     {1000, 100, 10, 1, 1, 0.1, 0.01, 0.006289813, 0.001, 1e-12}},
    {CORE_TR("Unidades", "Decímetro³"),
     CORE_TR_N("Unidades", "decímetros cúbicos"),
     {1000, 100, 10, 1, 1, 0.1, 0.01, 0.006289813, 0.001, 1e-12}},
    {CORE_TR("Unidades", "Decalitro"),
     CORE_TR_N("Unidades", "decalitros"),
     {10000, 1000, 100, 10, 10, 1, 0.1, 0.06289813, 0.01, 1e-11}},
    {CORE_TR("Unidades", "Hectalitro"),
     CORE_TR_N("Unidades", "hectolitros"),
     {1e5, 10000, 1000, 100, 100, 10, 1, 0.6289813, 0.1, 1e-10}},
    {CORE_TR("Unidades", "Barril Liq. EE.UU."),
     CORE_TR_N("Unidades", "barriles líquidos estadounidenses"),
     {158987.23857, 15898.723857, 1589.8723857, 158.98723857, 158.98723857, 15.898723857, 1.5898723857, 1, 0.1589872386,
      1.5898723857e-10}},
    {CORE_TR("Unidades", "Metro³"), kVolumeUnitWords[2], {1e6, 1e5, 10000, 1000, 1000, 100, 10, 6.289813, 1, 1e-9}},
    {CORE_TR("Unidades", "Kilometro³"),
     kVolumeUnitWords[3],
     {1e15, 1e14, 1e13, 1e12, 1e12, 1e11, 1e10, 6289813000, 1e9, 1}},
}};

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
    return withCategory(categoria, [desde, hacia](const auto& table) {
        return table.at(static_cast<std::size_t>(desde)).factors.at(static_cast<std::size_t>(hacia));
    });
}

std::vector<Fila> ConvertirValor(std::int16_t categoria, std::int16_t desde, std::string_view texto)
{
    const std::optional<double> x = readNumber(texto);
    return withCategory(categoria, [x, desde](const auto& table) {
        std::vector<Fila> rows(table.size()); // no value until one is computed
        if (!x)
            return rows;
        const auto& factors = table.at(static_cast<std::size_t>(desde)).factors;
        for (std::size_t k = 0; k < factors.size(); ++k) {
            const double value = *x * factors[k];
            if (std::isfinite(value))
                rows[k] = plainText(value);
        }
        return rows;
    });
}

} // namespace core::CatalogoUnidades

namespace core {
namespace {

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

// "1 Pie = 0.3048 Metro": how many units to make one unit from.
void appendFactor(Working& out, double factor, const std::string& from, const std::string& to)
{
    appendValue(out, 1.0, from);
    append(out, Term::Equals);
    appendValue(out, factor, to);
}

} // namespace

Working converterWorking(std::int16_t categoria, std::int16_t desde, std::int16_t hacia, std::string_view texto)
{
    const std::vector<std::string> names = CatalogoUnidades::Unidades(categoria);
    const std::string& from = names.at(static_cast<std::size_t>(desde));
    const std::string& to = names.at(static_cast<std::size_t>(hacia));
    const double factor = CatalogoUnidades::Factor(categoria, desde, hacia);
    Working out;
    const std::optional<double> x = readNumber(texto);
    if (isBlank(texto) || !x) {
        isBlank(texto) ? appendFactor(out, factor, from, to) : append(out, Term::OutOfRange);
        return out;
    }
    appendValue(out, *x, from);
    if (desde == hacia)
        return out;
    append(out, Term::Equals);
    appendValue(out, *x);
    append(out, Term::Times);
    appendValue(out, factor);
    append(out, Term::Equals);
    const CatalogoUnidades::Fila row =
        CatalogoUnidades::ConvertirValor(categoria, desde, texto).at(static_cast<std::size_t>(hacia));
    if (!row) {
        append(out, Term::OutOfRange);
        return out;
    }
    append(out, Term::Number, *row);
    append(out, Term::Unit, to);
    append(out, Term::Open);
    appendFactor(out, factor, from, to);
    append(out, Term::Close);
    return out;
}

} // namespace core
