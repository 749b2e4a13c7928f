#include "core/exact.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <string>
#include <utility>

namespace core {
namespace {

constexpr std::int64_t kShort = 1000000000000; // 10^12
constexpr std::int64_t kLargestRootSearched = kShort; // trial division up to its root

bool multiply(std::int64_t& a, std::int64_t b)
{
    return !__builtin_mul_overflow(a, b, &a);
}

// n · 10^k, when it fits.
bool scaleByTen(std::int64_t& n, int k)
{
    for (; k > 0; --k)
        if (!multiply(n, 10))
            return false;
    return true;
}

// The canonical form: the fraction reduced, its denominator free of 2 and 5,
// its numerator free of 10; zero as 0.
MaybeExact normal(Exact a)
{
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min(); // has no negative
    if (a.numerator == kLowest || a.denominator == kLowest)
        return std::nullopt;
    if (a.denominator < 0) {
        a.numerator = -a.numerator;
        a.denominator = -a.denominator;
    }
    if (a.numerator == 0 || a.denominator == 0)
        return a.denominator == 0 ? std::nullopt : MaybeExact(Exact{});
    const std::int64_t g = std::gcd(a.numerator, a.denominator);
    a.numerator /= g;
    a.denominator /= g;
    for (const auto& [prime, other] : {std::pair<int, int>{2, 5}, std::pair<int, int>{5, 2}})
        for (; a.denominator % prime == 0; --a.exponent) {
            a.denominator /= prime;
            if (!multiply(a.numerator, other))
                return std::nullopt;
        }
    for (; a.numerator % 10 == 0; ++a.exponent)
        a.numerator /= 10;
    return a;
}

// n = q² · r with r square-free: multiplies coefficient by q and returns r, or 0 past the search.
std::int64_t squareFree(std::int64_t n, std::int64_t& coefficient)
{
    const auto root = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(n)));
    for (std::int64_t q = std::max<std::int64_t>(root - 1, 1); q <= root + 1; ++q)
        if (std::int64_t square = q; multiply(square, q) && square == n)
            return multiply(coefficient, q) ? 1 : 0;
    if (n > kLargestRootSearched)
        return 0;
    std::int64_t radicand = 1;
    for (std::int64_t p = 2; p * p <= n; ++p) {
        for (; n % (p * p) == 0; n /= p * p)
            coefficient *= p;
        if (n % p == 0) {
            n /= p;
            radicand *= p;
        }
    }
    return radicand * n;
}

// √a · √b as a whole number times a square-free root.
bool multiplyRoots(Exact& out, std::int64_t a, std::int64_t b)
{
    const std::int64_t g = std::gcd(a, b);
    out.radicand = a / g;
    return multiply(out.numerator, g) && multiply(out.radicand, b / g);
}

} // namespace

MaybeExact exactFromText(std::string_view text)
{
    Exact a;
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    bool point = false;
    bool digits = false;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        digits = true;
        a.exponent -= point ? 1 : 0;
        if (!multiply(a.numerator, 10) || __builtin_add_overflow(a.numerator, text[i] - '0', &a.numerator))
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'E' || i + 2 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-'))
            return std::nullopt;
        const int e = std::atoi(std::string(text.substr(i + 2)).c_str());
        a.exponent += text[i + 1] == '-' ? -e : e;
    }
    if (text[0] == '-')
        a.numerator = -a.numerator;
    return normal(a);
}

MaybeExact exactDecimal(std::int64_t digits, int exponent)
{
    return normal(Exact{digits, 1, exponent, 1, 0});
}

MaybeExact operator*(const MaybeExact& a, const MaybeExact& b)
{
    if (!a || !b || a->pi + b->pi > 1)
        return std::nullopt;
    Exact out{a->numerator, a->denominator, a->exponent + b->exponent, 1, a->pi + b->pi};
    if (!multiply(out.denominator, b->denominator) || !multiplyRoots(out, a->radicand, b->radicand)
        || !multiply(out.numerator, b->numerator))
        return std::nullopt;
    return normal(out);
}

MaybeExact operator/(const MaybeExact& a, const MaybeExact& b)
{
    if (!a || !b || b->numerator == 0 || a->pi < b->pi)
        return std::nullopt;
    // 1 / (n/d · √r) = d · √r / (n · r)
    Exact out{a->numerator, a->denominator, a->exponent - b->exponent, 1, a->pi - b->pi};
    if (!multiply(out.numerator, b->denominator) || !multiplyRoots(out, a->radicand, b->radicand)
        || !multiply(out.denominator, b->numerator) || !multiply(out.denominator, b->radicand))
        return std::nullopt;
    return normal(out);
}

MaybeExact operator+(const MaybeExact& a, const MaybeExact& b)
{
    if (!a || !b)
        return std::nullopt;
    if (a->numerator == 0 || b->numerator == 0)
        return a->numerator == 0 ? b : a;
    if (a->radicand != b->radicand || a->pi != b->pi)
        return std::nullopt;
    const int exponent = std::min(a->exponent, b->exponent);
    std::int64_t left = a->numerator;
    std::int64_t right = b->numerator;
    Exact out{0, a->denominator, exponent, a->radicand, a->pi};
    if (!scaleByTen(left, a->exponent - exponent) || !scaleByTen(right, b->exponent - exponent)
        || !multiply(left, b->denominator) || !multiply(right, a->denominator)
        || !multiply(out.denominator, b->denominator) || __builtin_add_overflow(left, right, &out.numerator))
        return std::nullopt;
    return normal(out);
}

MaybeExact operator-(const MaybeExact& a, const MaybeExact& b)
{
    if (!b || b->numerator == std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    Exact negative = *b;
    negative.numerator = -negative.numerator;
    return a + MaybeExact(negative);
}

MaybeExact squareRoot(const MaybeExact& a)
{
    if (!a || a->numerator < 0 || a->pi != 0 || a->radicand != 1)
        return std::nullopt;
    if (a->numerator == 0)
        return a;
    // √(n/d · 10^e) = √(n · d · 10^(e mod 2)) / d · 10^(e div 2)
    std::int64_t product = a->numerator;
    const int odd = ((a->exponent % 2) + 2) % 2;
    if (!multiply(product, a->denominator) || !scaleByTen(product, odd))
        return std::nullopt;
    Exact out{1, a->denominator, (a->exponent - odd) / 2, 1, 0};
    out.radicand = squareFree(product, out.numerator);
    return out.radicand == 0 ? std::nullopt : normal(out);
}

MaybeExact withPi(const MaybeExact& a, const MaybeExact& piValue)
{
    if (!a || a->pi == 0)
        return a;
    Exact rest = *a;
    rest.pi = 0;
    return MaybeExact(rest) * piValue;
}

bool isShort(const Exact& a)
{
    return std::llabs(a.numerator) < kShort && a.denominator < kShort && a.radicand < kShort;
}

long double approximate(const Exact& a, long double pi)
{
    const long double value = static_cast<long double>(a.numerator) / static_cast<long double>(a.denominator)
                              * std::pow(10.0L, a.exponent) * std::sqrt(static_cast<long double>(a.radicand));
    return a.pi ? value * pi : value;
}

} // namespace core
