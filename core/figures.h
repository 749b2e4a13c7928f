#ifndef CORE_FIGURES_H
#define CORE_FIGURES_H

// What the perimeter, area and volume calculators know about their figures: one
// description per calculator, held as data (the figure rows, the result units and
// the factors between units), plus the pure steps the windows run on it: the
// result of a figure, the conversion into the result unit and the display rule.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/expression.h"
#include "core/table.h"
#include "core/translatable.h"
#include "core/working.h"

namespace core {

enum class CalculatorId { Perimeter, Area, Volume };

// What a measure row holds; it decides whether the row and its unit label show.
enum class Measure { None, Length, Count, Area };

struct Figure {
    const char* caption; // option button
    const char* toolTip;
    const char* formula; // formula bar text
    const char* picture; // resource key
    std::array<const char*, 3> labels; // measure captions, nullptr where unused
    std::array<Measure, 3> measures;
    Expression result; // over the three measures (unused ones are 0) and Pi
    Expression letters = {}; // the formula bar's formula where it is written otherwise than result
};

enum class Operation { Unchanged, Multiply, Divide };

struct Factor {
    Operation operation;
    double constant;
};

using UnitList = std::array<const char*, 4>;

inline constexpr UnitList kLengthUnits{CORE_TR("Unidades", "mm"), CORE_TR("Unidades", "cm"), CORE_TR("Unidades", "m"),
                                       CORE_TR("Unidades", "km")};
inline constexpr UnitList kAreaUnits{CORE_TR("Unidades", "mm²"), CORE_TR("Unidades", "cm²"), CORE_TR("Unidades", "m²"),
                                     CORE_TR("Unidades", "km²")};
inline constexpr UnitList kVolumeUnits{CORE_TR("Unidades", "mm³"), CORE_TR("Unidades", "cm³"),
                                       CORE_TR("Unidades", "m³"), CORE_TR("Unidades", "km³")};

// The same units in words, as a screen reader says them after a number; the
// converter names these units with the same words.
inline constexpr UnitList kLengthUnitWords{CORE_TR_N("Unidades", "milímetros"), CORE_TR_N("Unidades", "centímetros"),
                                           CORE_TR_N("Unidades", "metros"), CORE_TR_N("Unidades", "kilómetros")};
inline constexpr UnitList kAreaUnitWords{
    CORE_TR_N("Unidades", "milímetros cuadrados"), CORE_TR_N("Unidades", "centímetros cuadrados"),
    CORE_TR_N("Unidades", "metros cuadrados"), CORE_TR_N("Unidades", "kilómetros cuadrados")};
inline constexpr UnitList kVolumeUnitWords{
    CORE_TR_N("Unidades", "milímetros cúbicos"), CORE_TR_N("Unidades", "centímetros cúbicos"),
    CORE_TR_N("Unidades", "metros cúbicos"), CORE_TR_N("Unidades", "kilómetros cúbicos")};

struct Calculator {
    CalculatorId id;
    std::int16_t tipoMedida; // measure category each computation announces
    Table<Figure> figures; // in button-number order
    UnitList resultUnits;
    UnitList resultUnitWords; // resultUnits spoken
    const char* powerSuffix; // appended to the input unit to name the result unit
    std::array<std::array<Factor, 4>, 4> factors; // [input unit][result unit]
    bool typedResultUnit; // the result unit box also takes typing
    bool baseAreaUnits; // an area unit list stands in for the input unit list
};

// The description of one calculator.
const Calculator& calculator(CalculatorId id);

// The figure's result from the texts of the three measure boxes (only the ones it
// uses are read), or std::nullopt when a measure or the result leaves the double range.
std::optional<double> figureResult(const Figure& figure, const std::array<std::string, 3>& texts, double pi);

enum class Converted { Value, NoMatch, Overflow };

struct Conversion {
    Converted outcome;
    double value;
};

// result, given in inputUnit (or its square or cube), expressed in resultUnit; NoMatch
// when either text is none of the calculator's units, Overflow when it leaves the double range.
Conversion convertResult(const Calculator& calculator, std::string_view inputUnit, std::string_view resultUnit,
                         double result);

// The result box's text: the display rule's (shown), and the plain value it
// comes from, which the box shows instead where shown would be cut.
struct ResultText {
    std::string plain;
    std::string shown;
};

// What the result box shows for result (in the input unit, or its square or
// cube) in resultUnit; std::nullopt where it says "Fuera de rango". A result
// unit that is none of the calculator's converts nothing: the box keeps what it
// holds, kept (its number as it shows it, or std::nullopt for "Fuera de rango").
std::optional<ResultText> resultText(const Calculator& calculator, const std::optional<double>& result,
                                     std::string_view inputUnit, std::string_view resultUnit,
                                     const std::optional<std::string>& kept);

// The formula a figure's working starts with: the formula bar's.
const Expression& formulaOf(const Figure& figure);

// The result box's text after the display rule: whole values grouped without
// decimals, others with up to four decimals, and "0" for anything that reads as 0.
std::string displayText(std::string_view answer);

// The working of a figure's result from the texts of its measure boxes, with
// Pi, in inputUnit (a length unit's text) and then in resultUnit, as the
// calculator shows it: the last value is the result box's text. When no
// measure the figure uses has been typed (each box is empty or holds the
// placeholder "0"), only the formula with its letters.
Working figureWorking(const Calculator& calculator, const Figure& figure, const std::array<std::string, 3>& texts,
                      double pi, std::string_view inputUnit, std::string_view resultUnit);

} // namespace core

#endif
