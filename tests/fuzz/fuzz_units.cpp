// Arbitrary input text in any category and source unit: a full set of rows,
// each a number text that reads back or a clean "beyond range" row, and one
// row's working ends at that row's text, whose "=" and "≈" say how the
// written value times the written factor gives it.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "core/units.h"
#include "core/working.h"

namespace {

// The row's value as its working gives it: the last number before the closing
// note, if any, or the empty text after OutOfRange.
std::string shownValue(const core::Working& working)
{
    const std::size_t value = core::finalValue(working);
    return value < working.size() ? working[value].text : std::string();
}

// The product step, "x · f unit = row" or "x · f unit ≈ row", read in long double: "="
// within what reading the texts can lose, "≈" within the row's 15 digits. A
// row below the normal doubles keeps fewer digits and is left out.
bool productHolds(const core::Working& working)
{
    std::size_t times = 0;
    while (times < working.size() && working[times].term != core::Term::Times)
        ++times;
    if (times == 0 || times + 4 >= working.size() || working[times + 4].term != core::Term::Number)
        return true;
    const long double x = std::strtold(working[times - 1].text.c_str(), nullptr);
    const long double factor = std::strtold(working[times + 1].text.c_str(), nullptr);
    const long double row = std::strtold(working[times + 4].text.c_str(), nullptr);
    if (std::fabs(row) < DBL_MIN)
        return true;
    const long double off = std::fabs(x * factor - row) / std::fabs(row);
    return off <= (working[times + 3].term == core::Term::Equals ? 1e-18L : 1e-14L);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto categoria = static_cast<std::int16_t>(data[0] % 3);
    const auto unitCount = static_cast<std::int16_t>(core::CatalogoUnidades::Unidades(categoria).size());
    const auto desde = static_cast<std::int16_t>(data[1] % unitCount);
    const std::string_view texto(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto rows = core::CatalogoUnidades::ConvertirValor(categoria, desde, texto);
    if (rows.size() != static_cast<std::size_t>(unitCount))
        std::abort();
    const bool inRange = core::readNumber(texto).has_value();
    for (const core::CatalogoUnidades::Fila& row : rows) {
        if (!row)
            continue;
        if (!inRange || row->empty() || row->find_first_not_of("0123456789-.E+") != std::string::npos)
            std::abort();
        if (!core::readNumber(*row))
            std::abort();
    }
    const auto hacia = static_cast<std::int16_t>((data[0] / 3) % unitCount);
    const core::CatalogoUnidades::Fila& row = rows[static_cast<std::size_t>(hacia)];
    const bool blank = texto.find_first_not_of(" \t\n") == std::string_view::npos;
    const core::Working working = core::converterWorking(categoria, desde, hacia, texto);
    if (!blank && (shownValue(working) != row.value_or("") || !productHolds(working)))
        std::abort();
    return 0;
}
