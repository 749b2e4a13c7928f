#include "core/writing.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace core {
namespace {

constexpr int kLetters = -1; // the level at which no operation is carried out and measures show their letters

int precedence(Op op)
{
    return op == Op::Plus || op == Op::Minus ? 1 : 2;
}

Term operatorTerm(Op op)
{
    switch (op) {
    case Op::Plus:
        return Term::Plus;
    case Op::Minus:
        return Term::Minus;
    case Op::Times:
        return Term::Times;
    case Op::Squared:
        return Term::Squared;
    case Op::Cubed:
    case Op::Power3:
        return Term::Cubed;
    case Op::Root:
        return Term::Root;
    default:
        return Term::Over;
    }
}

// One form of an expression: the letters, or the values with every operation up
// to level carried out.
class Form {
public:
    Form(Working& out, const Expression& expression, const NodeValues* values, int level)
        : m_out(out), m_expression(expression), m_values(values), m_level(level)
    {
    }

    void write(int node, bool nested)
    {
        const Node& n = m_expression[static_cast<std::size_t>(node)];
        if (isNumber(node))
            number(node, nested);
        else if (n.left < 0)
            append(m_out, n.op == Op::Pi ? Term::Pi : Term::Measure, {}, n.index);
        else if (n.right >= 0)
            binary(n);
        else
            unary(n);
    }

private:
    bool isNumber(int node) const
    {
        const Node& n = m_expression[static_cast<std::size_t>(node)];
        return m_level == kLetters ? n.op == Op::Constant : n.height <= m_level;
    }

    double value(int node) const
    {
        const Node& n = m_expression[static_cast<std::size_t>(node)];
        return m_values ? (*m_values)[static_cast<std::size_t>(node)] : n.constant;
    }

    // A negative number inside a formula is set apart, so that its sign is not read as a subtraction.
    void number(int node, bool nested)
    {
        const bool apart = nested && std::signbit(value(node));
        if (apart)
            append(m_out, Term::Open);
        append(m_out, Term::Number, plainText(value(node)));
        if (apart)
            append(m_out, Term::Close);
    }

    void grouped(int node, bool group)
    {
        if (group)
            append(m_out, Term::Open);
        write(node, true);
        if (group)
            append(m_out, Term::Close);
    }

    // Operations group from the left, so a right operand of the same precedence needs its brackets.
    bool needsGroup(int node, int parentPrecedence, bool right) const
    {
        const Node& n = m_expression[static_cast<std::size_t>(node)];
        if (isNumber(node) || n.right < 0)
            return false;
        const int own = precedence(n.op);
        return own < parentPrecedence || (right && own == parentPrecedence);
    }

    void binary(const Node& n)
    {
        const int p = precedence(n.op);
        grouped(n.left, needsGroup(n.left, p, false));
        append(m_out, operatorTerm(n.op));
        grouped(n.right, needsGroup(n.right, p, true));
    }

    void unary(const Node& n)
    {
        if (n.op == Op::Root) {
            append(m_out, Term::Root);
            grouped(n.left, true);
            return;
        }
        grouped(n.left, !isNumber(n.left) && m_expression[static_cast<std::size_t>(n.left)].left >= 0);
        append(m_out, operatorTerm(n.op));
    }

    Working& m_out;
    const Expression& m_expression;
    const NodeValues* m_values;
    int m_level;
};

// Whether every operation carried out at level gives a value within the range of a double.
bool inRange(const Expression& expression, const NodeValues& values, int level)
{
    for (std::size_t i = 0; i < expression.size(); ++i)
        if (expression[i].height == level && !std::isfinite(values[i]))
            return false;
    return true;
}

std::string ungrouped(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return text;
}

} // namespace

std::size_t finalValue(const Working& working)
{
    std::size_t end = working.size();
    if (end > 0 && working[end - 1].term == Term::Close)
        while (end > 0 && working[--end].term != Term::Open) {}
    while (end > 0) {
        const Term term = working[--end].term;
        if (term == Term::Number || term == Term::OutOfRange)
            return end;
    }
    return working.size();
}

void endAtShown(Working& working, std::string_view shown)
{
    const std::size_t value = finalValue(working);
    if (value < working.size() && working[value].term == Term::Number
        && readNumber(ungrouped(working[value].text)) == readNumber(shown))
        working[value].text = std::string(shown);
}

void append(Working& out, Term term, std::string text, int index)
{
    out.push_back(Piece{term, std::move(text), index});
}

void appendValue(Working& out, double value, const std::string& unit)
{
    append(out, Term::Number, plainText(value));
    if (!unit.empty())
        append(out, Term::Unit, unit);
}

void appendLetters(Working& out, const Expression& expression, int index)
{
    append(out, Term::Result, {}, index);
    append(out, Term::Equals);
    Form(out, expression, nullptr, kLetters).write(expression.root(), false);
}

bool appendSteps(Working& out, const Expression& expression, const NodeValues& values, bool everyStep)
{
    const int last = everyStep ? expression[static_cast<std::size_t>(expression.root())].height : 1;
    for (int level = 0; level < last; ++level) {
        append(out, Term::Equals);
        if (!inRange(expression, values, level)) {
            append(out, Term::OutOfRange);
            return false;
        }
        Form(out, expression, &values, level).write(expression.root(), false);
    }
    return true;
}

} // namespace core
