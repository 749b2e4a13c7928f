#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace core {
namespace {

// Walks a text as the reading sees it: blanks, tabs and line feeds do not exist.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    char peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void next() { ++m_pos; }
    bool takeIf(char a, char b = '\0')
    {
        const char c = peek();
        if (c == '\0' || (c != a && c != b))
            return false;
        next();
        return true;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Past this, an exponent puts any mantissa that fits in memory out of range all the same.
constexpr long kExponentCap = 1000000000000000L;

// Reads "[+-]digits[.digits]" into canonical form; returns false when no digit was seen.
bool readMantissa(Cursor& in, std::string& out)
{
    bool anyDigit = false;
    bool point = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !point); c = in.peek()) {
        point = point || c == '.';
        anyDigit = anyDigit || isDigit(c);
        out += c;
        in.next();
    }
    return anyDigit;
}

// Reads an exponent part after the mantissa; a letter with no digits after it is not one.
long readExponent(Cursor in, Cursor& after)
{
    if (!in.takeIf('E', 'e') && !in.takeIf('D', 'd'))
        return 0;
    const bool negative = in.takeIf('-');
    if (!negative)
        in.takeIf('+');
    if (!isDigit(in.peek()))
        return 0;
    long exponent = 0;
    for (char c = in.peek(); isDigit(c); c = in.peek()) {
        exponent = std::min(kExponentCap, exponent * 10 + (c - '0'));
        in.next();
    }
    after = in;
    return negative ? -exponent : exponent;
}

// Decimal order of magnitude of "digits[.digits]" times ten to the exponent.
long magnitude(const std::string& mantissa, long exponent)
{
    const std::size_t point = mantissa.find('.');
    const std::size_t intDigits = point == std::string::npos ? mantissa.size() : point;
    const std::size_t first = mantissa.find_first_not_of("0.");
    const long position = static_cast<long>(intDigits) - static_cast<long>(first) - (first > intDigits ? 0 : 1);
    return position + exponent;
}

// The 15 significant digits of a finite, non-zero value and its decimal exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no trailing zeros, never empty
    int exponent = 0; // value = d.ddd × 10^exponent
};

Decimal toDecimal(long double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal d;
    d.negative = std::signbit(value);
    for (char c : text.substr(0, e))
        if (isDigit(c))
            d.digits += c;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return d;
}

std::string exponentForm(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    text += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    text += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    return text;
}

// Integer and fraction digits of a decimal, written out in full.
struct Fixed {
    std::string integer;
    std::string fraction;
};

Fixed toFixed(const Decimal& d)
{
    Fixed f;
    if (d.exponent >= 0) {
        std::string digits = d.digits;
        if (digits.size() < static_cast<std::size_t>(d.exponent) + 1)
            digits.append(static_cast<std::size_t>(d.exponent) + 1 - digits.size(), '0');
        f.integer = digits.substr(0, static_cast<std::size_t>(d.exponent) + 1);
        f.fraction = digits.substr(static_cast<std::size_t>(d.exponent) + 1);
    } else {
        f.fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    return f;
}

// Adds one unit in the last place of integer digits, carrying to the left.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds to the given number of decimals, halves away from zero.
void roundFraction(Fixed& f, int decimals)
{
    const auto keep = static_cast<std::size_t>(decimals);
    if (f.fraction.size() <= keep)
        return;
    const bool up = f.fraction[keep] >= '5';
    f.fraction.resize(keep);
    if (!up)
        return;
    std::string all = f.integer + f.fraction;
    increment(all);
    f.integer = all.substr(0, all.size() - keep);
    f.fraction = all.substr(all.size() - keep);
}

std::string groupThousands(const std::string& integer)
{
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped += ',';
        grouped += integer[i];
    }
    return grouped;
}

// The largest double written at 15 digits lies just past it; it must read back.
bool isLargestDoubleWritten(const std::string& canonical)
{
    long double wide = 0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), wide);
    return result.ec == std::errc() && wide <= 1.79769313486232e308L;
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    Cursor in(text);
    const bool negative = in.takeIf('-');
    if (!negative)
        in.takeIf('+');
    std::string mantissa;
    if (!readMantissa(in, mantissa) || mantissa.find_first_not_of("0.") == std::string::npos)
        return 0.0;
    const long exponent = readExponent(in, in);

    const std::string canonical = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range || std::isinf(value)) {
        if (magnitude(mantissa, exponent) <= 0)
            return 0.0; // below the smallest double: it reads as zero
        if (!isLargestDoubleWritten(canonical))
            return std::nullopt;
        value = std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

namespace {

// A decimal as plainText writes it: exponent form below 0.0001 and from 1E+15 on.
std::string written(const Decimal& d)
{
    if (d.exponent < -4 || d.exponent >= 15)
        return exponentForm(d);
    const Fixed f = toFixed(d);
    std::string text = d.negative ? "-" : "";
    text += f.integer.empty() ? "0" : f.integer;
    if (!f.fraction.empty())
        text += "." + f.fraction;
    return text;
}

} // namespace

std::string plainText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";
    return written(toDecimal(value));
}

std::string wideText(long double value)
{
    if (value == 0.0L || !std::isfinite(value))
        return "0";
    return written(toDecimal(value));
}

std::string ungroupedText(std::string_view text)
{
    std::string out(text);
    out.erase(std::remove(out.begin(), out.end(), ','), out.end());
    return out;
}

std::string decimalText(std::int64_t mantissa, int exponent)
{
    if (mantissa == 0)
        return "0";
    Decimal d;
    d.negative = mantissa < 0;
    d.digits = std::to_string(mantissa);
    if (d.negative)
        d.digits.erase(0, 1);
    d.exponent = exponent + static_cast<int>(d.digits.size()) - 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return written(d);
}

std::string maskedText(double value, const NumberMask& mask)
{
    Fixed f;
    bool negative = false;
    if (value != 0.0 && std::isfinite(value)) {
        const Decimal d = toDecimal(value);
        negative = d.negative;
        f = toFixed(d);
        roundFraction(f, mask.maxDecimals);
    }
    f.integer.erase(0, f.integer.find_first_not_of('0'));
    if (f.integer.size() < static_cast<std::size_t>(mask.minIntegerDigits))
        f.integer.insert(0, static_cast<std::size_t>(mask.minIntegerDigits) - f.integer.size(), '0');
    while (f.fraction.size() > static_cast<std::size_t>(mask.minDecimals) && f.fraction.back() == '0')
        f.fraction.pop_back();
    f.fraction.resize(std::max(f.fraction.size(), static_cast<std::size_t>(mask.minDecimals)), '0');

    const bool zero = (f.integer + f.fraction).find_first_not_of('0') == std::string::npos;
    std::string text = negative && !zero ? "-" : "";
    text += mask.grouped ? groupThousands(f.integer) : f.integer;
    if (!f.fraction.empty())
        text += "." + f.fraction;
    return text;
}

} // namespace core
