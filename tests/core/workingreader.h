#ifndef TESTS_CORE_WORKINGREADER_H
#define TESTS_CORE_WORKINGREADER_H

// Reads a working back as a student would: its text, and the value of one of its
// forms, worked out here with ordinary precedence in long double, from the
// numbers as they are written and with nothing of the program's own evaluation.

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/working.h"

namespace reader {

// A number as written, read in long double, so that one just past the largest double still reads.
inline std::optional<long double> number(const std::string& text)
{
    std::string plain = text;
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    std::istringstream in(plain);
    in.imbue(std::locale::classic());
    long double value = 0;
    in >> value;
    return in && in.peek() == std::char_traits<char>::eof() ? std::optional(value) : std::nullopt;
}

inline QString symbol(const core::Piece& piece, const QString& previous)
{
    switch (piece.term) {
    case core::Term::Number:
        return QString::fromStdString(piece.text);
    case core::Term::Unit:
        return " " + QString::fromStdString(piece.text);
    case core::Term::Pi:
        return QStringLiteral("π");
    case core::Term::Plus:
        return QStringLiteral(" + ");
    case core::Term::Minus: // a sign where nothing stands before it to subtract from
        return previous.endsWith(' ') || previous.endsWith('(') ? QStringLiteral("−") : QStringLiteral(" − ");
    case core::Term::Times:
        return QStringLiteral(" · ");
    case core::Term::Over:
        return QStringLiteral(" / ");
    case core::Term::Squared:
        return QStringLiteral("²");
    case core::Term::Cubed:
        return QStringLiteral("³");
    case core::Term::Root:
        return QStringLiteral("√");
    case core::Term::Open:
        return previous.isEmpty() || previous.endsWith(' ') || previous.endsWith('(') || previous.endsWith("√")
                   ? QStringLiteral("(")
                   : QStringLiteral(" (");
    case core::Term::Close:
        return QStringLiteral(")");
    case core::Term::Equals:
        return QStringLiteral(" = ");
    case core::Term::Rounded:
    case core::Term::PiTaken:
        return QStringLiteral(" ≈ ");
    case core::Term::Fraction:
        return QStringLiteral("/");
    case core::Term::OutOfRange:
        return QStringLiteral("Fuera de rango");
    default:
        return {};
    }
}

// The working as text; letters[index] stands for a Measure, result for the Result
// (the letter of its box when result is empty).
inline QString text(const core::Working& working, const QStringList& letters, const QString& result = {})
{
    QString out;
    for (const core::Piece& piece : working) {
        if (piece.term == core::Term::Measure)
            out += letters.value(piece.index);
        else if (piece.term == core::Term::Result)
            out += result.isEmpty() ? letters.value(piece.index) : result;
        else
            out += symbol(piece, out);
    }
    return out;
}

// The value the box shows, as the working ends: its last number before a closing
// note, or "Fuera de rango".
inline QString lastValue(const core::Working& working)
{
    const std::size_t value = core::finalValue(working);
    if (value == working.size())
        return {};
    return working[value].term == core::Term::OutOfRange ? QStringLiteral("Fuera de rango")
                                                         : QString::fromStdString(working[value].text);
}

// A value read from a working with π kept a symbol: c[k] is the coefficient of
// π^k, each in long double, so that "9π" and "28.26" are never the same.
struct Value {
    long double c[3] = {0, 0, 0};
    long double scale = 0; // the largest number it was worked out from, for long double's own rounding

    static Value of(long double x) { return {{x, 0, 0}, std::fabs(x)}; }
    bool hasPi() const { return c[1] != 0 || c[2] != 0; }
    long double at(long double pi) const { return c[0] + pi * (c[1] + pi * c[2]); }
};

inline Value operator+(Value a, const Value& b)
{
    for (int k = 0; k < 3; ++k)
        a.c[k] += b.c[k];
    a.scale = std::max(a.scale, b.scale);
    return a;
}
inline Value operator*(const Value& a, const Value& b)
{
    Value out;
    out.scale = std::max({a.scale, b.scale, a.scale * b.scale});
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (a.c[i] != 0 && b.c[j] != 0)
                out.c[std::min(i + j, 2)] += i + j > 2 ? NAN : a.c[i] * b.c[j];
    return out;
}
inline Value scaled(Value a, long double x)
{
    for (long double& c : a.c)
        c *= x;
    a.scale = std::max(a.scale, a.scale * std::fabs(x));
    return a;
}

constexpr long double kRealPi = 3.141592653589793238462643383279502884L;

// An ordinary reading of the pieces from position to the next relation outside
// brackets: the usual precedence, a number written against a root or π
// multiplies it ("6√2", "9π"), and a fraction bar binds tightest ("125π/6").
class Form {
public:
    Form(const core::Working& working, std::size_t position) : m_working(working), m_at(position) {}

    std::optional<Value> value()
    {
        const Value v = sum();
        while (is(core::Term::Unit))
            ++m_at;
        return m_ok && (m_at == m_working.size() || isRelation()) ? std::optional(v) : std::nullopt;
    }

private:
    bool is(core::Term term) const { return m_at < m_working.size() && m_working[m_at].term == term; }
    bool isRelation() const
    {
        return is(core::Term::Equals) || is(core::Term::Rounded) || is(core::Term::PiTaken) || is(core::Term::Open);
    }
    bool take(core::Term term) { return is(term) ? (++m_at, true) : false; }

    Value sum()
    {
        Value v = take(core::Term::Minus) ? scaled(product(), -1) : product(); // a sign: "−π"
        for (;;) {
            if (take(core::Term::Plus))
                v = v + product();
            else if (take(core::Term::Minus))
                v = v + scaled(product(), -1);
            else
                return v;
        }
    }
    Value product()
    {
        Value v = power();
        for (;;) {
            if (take(core::Term::Times))
                v = v * power();
            else if (take(core::Term::Over))
                v = divided(v, power());
            else
                return v;
        }
    }
    Value divided(const Value& a, const Value& b)
    {
        m_ok = m_ok && !b.hasPi();
        Value out = scaled(a, 1 / b.c[0]);
        out.scale = std::max(out.scale, b.scale);
        return out;
    }
    Value power()
    {
        Value v = fraction();
        for (;;) {
            if (take(core::Term::Squared))
                v = v * v;
            else if (take(core::Term::Cubed))
                v = v * v * v;
            else
                return v;
        }
    }
    Value fraction()
    {
        Value v = juxtaposed();
        if (take(core::Term::Fraction))
            v = divided(v, atom());
        return v;
    }
    Value juxtaposed()
    {
        Value v = atom();
        while (is(core::Term::Number) || is(core::Term::Root) || is(core::Term::Pi))
            v = v * atom();
        return v;
    }
    Value atom()
    {
        if (is(core::Term::Number)) {
            const std::optional<long double> v = number(m_working[m_at++].text);
            m_ok = m_ok && v;
            return Value::of(v.value_or(0));
        }
        if (take(core::Term::Pi))
            return {{0, 1, 0}, kRealPi};
        if (take(core::Term::Root)) {
            const Value v = atom();
            m_ok = m_ok && !v.hasPi();
            return Value::of(std::sqrt(v.c[0]));
        }
        if (!take(core::Term::Open)) {
            m_ok = false; // a letter: the formula is not read
            return {};
        }
        const Value v = sum();
        m_ok = m_ok && take(core::Term::Close);
        return v;
    }

    const core::Working& m_working;
    std::size_t m_at;
    bool m_ok = true;
};

// Where each form of a working starts (after the letters' first Equals), up to
// the note that may close it, and the relation that joins it to the form before.
struct Relation {
    std::size_t start;
    core::Term joiner;
    int decimals;
};

inline std::vector<Relation> relations(const core::Working& working)
{
    std::vector<Relation> out;
    int depth = 0;
    for (std::size_t at = 0; at < working.size(); ++at) {
        const core::Term term = working[at].term;
        if (depth == 0 && at > 0 && term == core::Term::Open && working[at - 1].term == core::Term::Unit)
            break; // the closing note
        depth += term == core::Term::Open ? 1 : term == core::Term::Close ? -1 : 0;
        if (depth == 0 && (term == core::Term::Equals || term == core::Term::Rounded || term == core::Term::PiTaken))
            out.push_back({at + 1, term, working[at].index});
    }
    return out;
}

inline QString unitOf(const core::Working& working, std::size_t start)
{
    for (std::size_t at = start; at < working.size(); ++at) {
        const core::Term term = working[at].term;
        if (term == core::Term::Unit)
            return QString::fromStdString(working[at].text);
        if (term == core::Term::Equals || term == core::Term::Rounded || term == core::Term::PiTaken)
            break;
    }
    return {};
}

// The factor of a working's closing note "(1 cm = 10 mm)": to / from, and its units.
struct Note {
    QString from, to;
    long double factor = 1;
};

inline Note noteOf(const core::Working& working)
{
    const std::size_t n = working.size();
    if (n < 7 || working[n - 1].term != core::Term::Close)
        return {};
    return {QString::fromStdString(working[n - 5].text), QString::fromStdString(working[n - 2].text),
            number(working[n - 3].text).value_or(NAN) / number(working[n - 6].text).value_or(NAN)};
}

// Whether a and b, worked out from numbers up to scale, agree: exactly, up to long double's own rounding.
inline bool same(long double a, long double b, long double scale)
{
    return std::fabs(a - b) <= 1e-17L * std::max({std::fabs(a), std::fabs(b), scale});
}

// Whether after is before changed as the relation says.
inline bool holds(const Relation& r, const Value& before, const Value& after, long double pi)
{
    const long double scale = std::max(before.scale, after.scale);
    if (r.joiner == core::Term::Equals)
        return same(before.c[0], after.c[0], scale) && same(before.c[1], after.c[1], scale)
               && same(before.c[2], after.c[2], scale);
    if (r.joiner == core::Term::PiTaken)
        return !after.hasPi() && same(before.at(pi), after.c[0], scale * pi);
    const long double a = before.at(kRealPi);
    const long double b = after.at(kRealPi);
    const long double off = std::fabs(a - b);
    if (r.decimals > 0)
        return off <= 0.5L * std::pow(10.0L, -r.decimals) + 1e-12L * std::fabs(a);
    // Below the normal doubles a value keeps fewer digits, down to none.
    return off <= 1e-12L * std::max(std::fabs(a), std::fabs(b)) || (std::fabs(b) < DBL_MIN && off <= DBL_TRUE_MIN)
           || (b == 0 && std::fabs(a) < DBL_MIN);
}

// Every relation of the working read back: "=" exact, "≈" within what it
// states (the Pi in use, pi as written, for π taken). Empty when all hold, else
// the first that does not. The formula with its letters is not read.
inline QString checkRelations(const core::Working& working, long double pi)
{
    const Note note = noteOf(working);
    std::optional<Value> before;
    QString beforeUnit;
    for (const Relation& r : relations(working)) {
        if (r.start < working.size() && working[r.start].term == core::Term::OutOfRange)
            return {};
        std::optional<Value> after = Form(working, r.start).value();
        const QString unit = unitOf(working, r.start);
        if (!after && before)
            return QStringLiteral("unreadable form at %1").arg(r.start);
        if (before && after) {
            const bool converts = !unit.isEmpty() && !beforeUnit.isEmpty() && unit != beforeUnit;
            if (converts && (note.from != beforeUnit || note.to != unit))
                return QStringLiteral("unit changes without its note at %1").arg(r.start);
            if (!holds(r, converts ? scaled(*before, note.factor) : *before, *after, pi))
                return QStringLiteral("relation at %1 does not hold").arg(r.start);
        }
        before = after;
        beforeUnit = unit.isEmpty() ? beforeUnit : unit;
    }
    return {};
}

// The value of the working's form number n (0 is what stands before the first
// Equals), π as the real π.
inline std::optional<long double> formValue(const core::Working& working, int n)
{
    std::size_t at = 0;
    for (int depth = 0; n > 0 && at < working.size(); ++at) {
        depth += working[at].term == core::Term::Open ? 1 : working[at].term == core::Term::Close ? -1 : 0;
        n -= depth == 0 && working[at].term == core::Term::Equals ? 1 : 0;
    }
    if (n != 0)
        return std::nullopt;
    const std::optional<Value> v = Form(working, at).value();
    return v ? std::optional(v->at(kRealPi)) : std::nullopt;
}

// Whether value, read from the working, is what box shows: the same to the four
// decimals a box keeps, and to 12 significant digits.
inline bool agrees(long double value, const QString& box)
{
    const long double shown = number(box.toStdString()).value_or(NAN);
    const long double off = std::fabs(value - shown);
    return off <= 0.00005L + 1e-12L || off <= 1e-12L * std::fabs(shown);
}

} // namespace reader

#endif
