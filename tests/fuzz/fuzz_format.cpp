// Arbitrary finite doubles into the plain text and the three masks: the texts
// hold only the characters a number may show, are empty only where "#,###"
// writes a zero, and the plain text reads back to the same 15 digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/numbers.h"

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool onlyNumberCharacters(const std::string& text)
{
    return text.find_first_not_of("0123456789-.,E+") == std::string::npos;
}

void checkMask(double value, const core::NumberMask& mask, bool mayBeEmpty)
{
    const std::string text = core::maskedText(value, mask);
    require(onlyNumberCharacters(text));
    require(text.find('E') == std::string::npos);
    require(!text.empty() || mayBeEmpty);
    require(text.empty() || text.back() != '.');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;

    const std::string plain = core::plainText(value);
    require(!plain.empty() && onlyNumberCharacters(plain) && plain.find(',') == std::string::npos);
    const auto back = core::readNumber(plain);
    require(back.has_value() && core::plainText(*back) == plain);

    checkMask(value, core::kMaskSolver, false);
    checkMask(value, core::kMaskDecimal, false);
    // "#,###" writes nothing for a value that rounds to zero.
    checkMask(value, core::kMaskWhole, std::fabs(value) <= 0.5);
    return 0;
}
