// Arbitrary input text in any category and source unit: a full set of rows,
// each a number text that reads back or a clean "beyond range" row.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/numbers.h"
#include "core/units.h"

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
    return 0;
}
