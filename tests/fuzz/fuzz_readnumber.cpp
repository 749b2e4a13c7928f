// Arbitrary bytes into the reading: it never crashes, never gives infinity or
// NaN, and what it gives survives a round trip through the plain text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = core::readNumber(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort();
    const std::string written = core::plainText(*value);
    const auto back = core::readNumber(written);
    if (!back || core::plainText(*back) != written)
        std::abort();
    return 0;
}
