#ifndef CORE_UNITS_H
#define CORE_UNITS_H

// The converter's catalogue: three measure categories (0 length, 1 area,
// 2 volume), the ordered unit names of each and a fixed table of pairwise
// factors. A unit is known by its position in its category's list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::CatalogoUnidades {

// The unit names of categoria, in list order (9 for length, 10 for area and volume).
std::vector<std::string> Unidades(std::int16_t categoria);

// How many units hacia make one unit desde, exactly as the table holds it.
double Factor(std::int16_t categoria, std::int16_t desde, std::int16_t hacia);

// texto, read as a number in unit desde, written in every unit of categoria, in
// list order, as plain number texts; std::nullopt when the number or any of the
// products is beyond the range of a double.
std::optional<std::vector<std::string>> ConvertirValor(std::int16_t categoria, std::int16_t desde,
                                                       std::string_view texto);

} // namespace core::CatalogoUnidades

#endif
