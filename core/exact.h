#ifndef CORE_EXACT_H
#define CORE_EXACT_H

// A number the working can carry without rounding: a fraction times a power of
// ten, times the square root of a square-free whole number, times π or not
// (n/d · 10^e · √r · π^k). Every operation either gives the exact result or
// gives up (std::nullopt) where a 64-bit integer would overflow or the result
// has no such form (a sum of unlike roots, π², the root of π); the working then
// goes on in decimals.

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

struct Exact {
    std::int64_t numerator = 0; // no factor 10; 0 for the number 0
    std::int64_t denominator = 1; // positive, prime to 10 and to the numerator
    int exponent = 0; // of ten
    std::int64_t radicand = 1; // square-free
    int pi = 0; // 0 or 1

    friend bool operator==(const Exact& a, const Exact& b)
    {
        return a.numerator == b.numerator && a.denominator == b.denominator && a.exponent == b.exponent
               && a.radicand == b.radicand && a.pi == b.pi;
    }
    friend bool operator!=(const Exact& a, const Exact& b) { return !(a == b); }
};

using MaybeExact = std::optional<Exact>;

// A number as the program writes it ("-2.5", "1E-07"); std::nullopt for any other text.
MaybeExact exactFromText(std::string_view text);
// digits · 10^exponent.
MaybeExact exactDecimal(std::int64_t digits, int exponent);
inline constexpr Exact kExactPi{1, 1, 0, 1, 1};

MaybeExact operator+(const MaybeExact& a, const MaybeExact& b);
MaybeExact operator-(const MaybeExact& a, const MaybeExact& b);
MaybeExact operator*(const MaybeExact& a, const MaybeExact& b);
MaybeExact operator/(const MaybeExact& a, const MaybeExact& b);
MaybeExact squareRoot(const MaybeExact& a);
inline MaybeExact power3(const MaybeExact& a)
{
    return a * a * a;
}

// a with π taken as piValue.
MaybeExact withPi(const MaybeExact& a, const MaybeExact& piValue);

// Whether a writes in a few digits: numerator, denominator and radicand below 10^12.
bool isShort(const Exact& a);

// a in long double, π as pi.
long double approximate(const Exact& a, long double pi);

} // namespace core

#endif
