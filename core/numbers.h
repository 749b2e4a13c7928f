#ifndef CORE_NUMBERS_H
#define CORE_NUMBERS_H

// The program's number rules. Every text a window reads becomes a number through
// readNumber, and every number it writes becomes text through plainText or
// maskedText. None of them looks at the user's locale: "." is always the decimal
// point and "," the thousands separator.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The number at the start of text (blanks, tabs and line feeds ignored anywhere;
// sign, digits with one ".", exponent E or D). No number gives 0; a number
// beyond the range of a double gives std::nullopt.
std::optional<double> readNumber(std::string_view text);

// value at 15 significant digits, trailing zeros dropped, no grouping, exponent
// form ("1E-05", "1E+15") below 0.0001 and from 1E+15 on. value must be finite.
std::string plainText(double value);

// text without its thousands separators, as a box's grouped number is read back.
std::string ungroupedText(std::string_view text);

// value at 15 significant digits, written as plainText writes a double; for the
// working's steps, whose values may lie beyond a double's range.
std::string wideText(long double value);

// mantissa × 10^exponent with all its digits, written as plainText writes a number.
std::string decimalText(std::int64_t mantissa, int exponent);

// A display mask such as "#,##0.####": "0" is a digit always shown, "#" a digit
// shown when significant, "," before the point asks for thousands grouping.
struct NumberMask {
    int minIntegerDigits = 0;
    bool grouped = false;
    int minDecimals = 0;
    int maxDecimals = 0;

    constexpr explicit NumberMask(std::string_view pattern)
    {
        bool afterPoint = false;
        for (char c : pattern) {
            if (c == '.') {
                afterPoint = true;
            } else if (afterPoint) {
                ++maxDecimals;
                minDecimals += c == '0' ? 1 : 0;
            } else {
                grouped = grouped || c == ',';
                minIntegerDigits += c == '0' ? 1 : 0;
            }
        }
    }
};

inline constexpr NumberMask kMaskSolver{"0.0###"};
inline constexpr NumberMask kMaskDecimal{"#,##0.####"};
inline constexpr NumberMask kMaskWhole{"#,###"};

// value rounded half away from zero (from its 15-significant-digit form) to the
// mask's decimals and written by the mask. "#,###" writes 0 as the empty text.
// value must be finite.
std::string maskedText(double value, const NumberMask& mask);

} // namespace core

#endif
