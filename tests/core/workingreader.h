#ifndef TESTS_CORE_WORKINGREADER_H
#define TESTS_CORE_WORKINGREADER_H

// Reads a working back as a student would: its text, and the value of one of its
// forms, worked out here with ordinary precedence in long double, from the
// numbers as they are written and with nothing of the program's own evaluation.

#include <QString>
#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <locale>
#include <optional>
#include <sstream>
#include <string>

#include "core/working.h"

namespace reader {

// A number as written, read in long double, so that one just past the largest double still reads.
inline std::optional<long double> number(const std::string& text)
{
    std::istringstream in(text);
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
    case core::Term::Minus:
        return QStringLiteral(" − ");
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
        return QStringLiteral(" ≈ ");
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

// An ordinary reading of the pieces from position to the next Equals outside brackets.
class Form {
public:
    Form(const core::Working& working, std::size_t position) : m_working(working), m_at(position) {}

    std::optional<long double> value()
    {
        const long double v = sum();
        return m_ok && (m_at == m_working.size() || is(core::Term::Equals)) ? std::optional(v) : std::nullopt;
    }

private:
    bool is(core::Term term) const { return m_at < m_working.size() && m_working[m_at].term == term; }
    bool take(core::Term term) { return is(term) ? (++m_at, true) : false; }

    long double sum()
    {
        long double v = product();
        for (;;) {
            if (take(core::Term::Plus))
                v += product();
            else if (take(core::Term::Minus))
                v -= product();
            else
                return v;
        }
    }
    long double product()
    {
        long double v = power();
        for (;;) {
            if (take(core::Term::Times))
                v *= power();
            else if (take(core::Term::Over))
                v /= power();
            else
                return v;
        }
    }
    long double power()
    {
        long double v = primary();
        for (;;) {
            if (take(core::Term::Squared))
                v = v * v;
            else if (take(core::Term::Cubed))
                v = v * v * v;
            else
                return v;
        }
    }
    long double primary()
    {
        if (is(core::Term::Number)) {
            const std::optional<long double> v = number(m_working[m_at++].text);
            m_ok = m_ok && v;
            return v.value_or(0);
        }
        const bool root = take(core::Term::Root);
        m_ok = m_ok && take(core::Term::Open);
        const long double v = sum();
        m_ok = m_ok && take(core::Term::Close);
        return root ? std::sqrt(v) : v;
    }

    const core::Working& m_working;
    std::size_t m_at;
    bool m_ok = true;
};

// The value of the working's form number n (0 is what stands before the first Equals).
inline std::optional<long double> formValue(const core::Working& working, int n)
{
    std::size_t at = 0;
    for (int depth = 0; n > 0 && at < working.size(); ++at) {
        depth += working[at].term == core::Term::Open ? 1 : working[at].term == core::Term::Close ? -1 : 0;
        n -= depth == 0 && working[at].term == core::Term::Equals ? 1 : 0;
    }
    return n == 0 ? Form(working, at).value() : std::nullopt;
}

// Whether value, read from the working, is what box shows: the same to the four
// decimals a box keeps, and to 12 significant digits.
inline bool agrees(long double value, const QString& box)
{
    const long double shown = number(QString(box).remove(',').toStdString()).value_or(NAN);
    const long double off = std::fabs(value - shown);
    return off <= 0.00005L + 1e-12L || off <= 1e-12L * std::fabs(shown);
}

} // namespace reader

#endif
