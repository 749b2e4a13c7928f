#ifndef CORE_UNITS_H
#define CORE_UNITS_H

// The converter's catalogue: three measure categories (0 length, 1 area,
// 2 volume), the ordered units of each and each unit's exact size, from which
// every factor between two units follows. A unit is known by its position in
// its category's list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/working.h"

namespace core::CatalogoUnidades {

// The unit names of categoria, in list order (9 for length, 10 for area and volume).
std::vector<std::string> Unidades(std::int16_t categoria);

// The same names in words, as a screen reader says them after a number.
std::vector<std::string> spokenNames(std::int16_t categoria);

// How many units hacia make one unit desde: the quotient of their exact sizes,
// to the nearest double.
double Factor(std::int16_t categoria, std::int16_t desde, std::int16_t hacia);

// One row of a conversion: the plain number text of its value, or std::nullopt
// when that value is beyond the range of a double.
using Fila = std::optional<std::string>;

// texto, read as a number in unit desde, written in every unit of categoria, in
// list order. Each row stands on its own: a number beyond the range of a double
// leaves every row without a value, a product beyond it only its own row.
std::vector<Fila> ConvertirValor(std::int16_t categoria, std::int16_t desde, std::string_view texto);

} // namespace core::CatalogoUnidades

namespace core {

// The working of one converter row: texto read in unit desde, written in unit
// hacia of categoria, with the factor the row uses; the last value is the
// row's text. For a blank text, only the row's factor ("1 Pie = 0.3048 Metro").
Working converterWorking(std::int16_t categoria, std::int16_t desde, std::int16_t hacia, std::string_view texto);

} // namespace core

#endif
