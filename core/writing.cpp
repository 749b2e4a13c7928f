#include "core/writing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

#include "core/numbers.h"

namespace core {
namespace {

// The term an operation is written with: x³ either way it is computed.
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

int precedence(Op op)
{
    return termRow(operatorTerm(op)).precedence;
}

bool isPower(Op op)
{
    return op == Op::Squared || op == Op::Cubed || op == Op::Power3;
}

// A node's value as a form writes it.
struct Written {
    Working pieces;
    MaybeExact exact; // the value of what is written, where it has one
};

Written number(const std::string& text)
{
    return {{Piece{Term::Number, text}}, exactFromText(text)};
}

// n/d as whole numbers for a fraction's numerator and denominator ("1/12", not "0.25/3").
bool wholeFraction(const Exact& x, std::int64_t& n, std::int64_t& d)
{
    n = x.numerator;
    d = x.denominator;
    for (int e = x.exponent; e != 0; e += e > 0 ? -1 : 1)
        if (__builtin_mul_overflow(e > 0 ? n : d, 10, e > 0 ? &n : &d))
            return false;
    const std::int64_t g = std::gcd(n, d);
    n /= g;
    d /= g;
    return true;
}

// "9π", "6√2", "125π/6", "20/3", "-2.5": the coefficient, the root, π, the denominator.
Written exactForm(const Exact& x)
{
    std::int64_t n = x.numerator;
    std::int64_t d = 1;
    const bool fraction = x.denominator != 1 && wholeFraction(x, n, d);
    const std::string coefficient = fraction ? std::to_string(n) : decimalText(x.numerator, x.exponent);
    Written w{{}, x};
    const bool symbol = x.radicand != 1 || x.pi != 0;
    if (symbol && coefficient == "-1")
        w.pieces.push_back(Piece{Term::Minus}); // "−π"
    else if (coefficient != "1" || !symbol)
        w.pieces.push_back(Piece{Term::Number, coefficient});
    if (x.radicand != 1) {
        w.pieces.push_back(Piece{Term::Root});
        w.pieces.push_back(Piece{Term::Number, std::to_string(x.radicand)});
    }
    if (x.pi)
        w.pieces.push_back(Piece{Term::Pi});
    if (fraction || x.denominator != 1) {
        w.pieces.push_back(Piece{Term::Fraction});
        w.pieces.push_back(Piece{Term::Number, std::to_string(fraction ? d : x.denominator)});
    }
    return w;
}

bool isComposite(const Written& w)
{
    return w.pieces.size() > 1;
}

bool isNegative(const Written& w)
{
    const Piece& first = w.pieces.front();
    return first.term == Term::Minus || (first.term == Term::Number && first.text.front() == '-');
}

bool isExponentForm(const Written& w)
{
    return w.pieces.front().text.find('E') != std::string::npos;
}

// Each node's value where a form writes it, or none where it writes the node's operation.
using Frontier = std::vector<std::optional<Written>>;

// One form of an expression: the letters (no frontier), or the values.
class Form {
public:
    Form(Working& out, const Expression& expression, const Frontier* values)
        : m_out(out), m_expression(expression), m_values(values)
    {
    }

    // parent: the operation the node is an operand of, right: whether it is its right operand.
    void write(int node, const Node* parent = nullptr, bool right = false)
    {
        const Node& n = at(node);
        if (value(node))
            writeValue(*value(node), parent, right);
        else if (n.left < 0)
            leaf(n);
        else if (n.right >= 0)
            binary(n);
        else
            unary(n);
    }

private:
    const Node& at(int node) const { return m_expression[static_cast<std::size_t>(node)]; }
    const Written* value(int node) const
    {
        if (!m_values)
            return nullptr;
        const std::optional<Written>& w = (*m_values)[static_cast<std::size_t>(node)];
        return w ? &*w : nullptr;
    }

    void leaf(const Node& n)
    {
        if (n.op == Op::Constant)
            append(m_out, Term::Number, plainText(n.constant));
        else
            append(m_out, n.op == Op::Pi ? Term::Pi : Term::Measure, {}, n.index);
    }

    // A negative number is set apart so that its sign is not read as a subtraction, a
    // number in exponent form so that a power is not read as the exponent's, and a
    // product or fraction so that a power or a division takes all of it.
    void writeValue(const Written& w, const Node* parent, bool right)
    {
        const bool apart = parent
                           && (isNegative(w)
                               || (isComposite(w) ? isPower(parent->op) || (parent->op == Op::Over && right)
                                                  : isExponentForm(w) && isPower(parent->op)));
        grouped(apart, [&] { m_out.insert(m_out.end(), w.pieces.begin(), w.pieces.end()); });
    }

    template <typename Inner>
    void grouped(bool group, Inner inner)
    {
        if (group)
            append(m_out, Term::Open);
        inner();
        if (group)
            append(m_out, Term::Close);
    }

    // Whether a node is written as one number or letter.
    bool isAtom(int node) const
    {
        const Written* w = value(node);
        return w ? !isComposite(*w) && !isNegative(*w) : at(node).left < 0;
    }

    // Operations group from the left, so a right operand of the same precedence needs its brackets.
    bool needsGroup(int node, int parentPrecedence, bool right) const
    {
        const Node& n = at(node);
        if (value(node) || n.right < 0)
            return false;
        const int own = precedence(n.op);
        return own < parentPrecedence || (right && own == parentPrecedence);
    }

    void binary(const Node& n)
    {
        // Two whole constants divided are one number, a fraction: "4/3".
        const bool fraction = n.op == Op::Over && at(n.left).op == Op::Constant && at(n.right).op == Op::Constant;
        const int p = precedence(n.op);
        grouped(needsGroup(n.left, p, false), [&] { write(n.left, &n, false); });
        append(m_out, fraction ? Term::Fraction : operatorTerm(n.op));
        grouped(needsGroup(n.right, p, true), [&] { write(n.right, &n, true); });
    }

    void unary(const Node& n)
    {
        const bool atom = isAtom(n.left) && !(value(n.left) && isExponentForm(*value(n.left)));
        if (n.op == Op::Root) {
            append(m_out, Term::Root);
            grouped(!atom, [&] { write(n.left, &n); });
            return;
        }
        grouped(!atom && !value(n.left), [&] { write(n.left, &n); });
        append(m_out, operatorTerm(n.op));
    }

    Working& m_out;
    const Expression& m_expression;
    const Frontier* m_values;
};

// Every node's value in long double and, where it has one, exactly, from the
// leaves' values; node values already known (a form's frontier) are kept.
template <typename Value>
void evaluateAll(const Expression& expression, std::vector<Value>& values, const std::vector<bool>& known)
{
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const Node& n = expression[i];
        if (known[i] || n.left < 0)
            continue;
        values[i] = operation<Value>(n.op, values[static_cast<std::size_t>(n.left)],
                                     n.right < 0 ? Value{} : values[static_cast<std::size_t>(n.right)]);
    }
}

// The values of a formula's leaves: what the working writes for each measure and constant, and π.
struct Leaves {
    std::vector<std::string> texts;
    std::vector<MaybeExact> exact;
    std::vector<long double> wide;
};

Leaves leaves(const Expression& expression, const MeasureValues& measures, double pi, bool piSymbol)
{
    Leaves l{std::vector<std::string>(expression.size()), std::vector<MaybeExact>(expression.size()),
             std::vector<long double>(expression.size())};
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const Node& n = expression[i];
        if (n.left >= 0)
            continue;
        const double value =
            n.op == Op::Measure ? measures[static_cast<std::size_t>(n.index)] : (n.op == Op::Pi ? pi : n.constant);
        l.texts[i] = plainText(value);
        l.exact[i] = n.op == Op::Pi && piSymbol ? MaybeExact(kExactPi) : exactFromText(l.texts[i]);
        l.wide[i] = value;
    }
    return l;
}

struct Step {
    Frontier frontier;
    MaybeExact exact; // of the form as written
    long double value; // the formula's, in long double
    int level;
    Term joiner; // to the form before
};

// The form at level: every node at most that many operations above the leaves written as its value.
Step valueForm(const Expression& expression, const Leaves& l, int level, bool piSymbol)
{
    const std::vector<MaybeExact>& exact = l.exact;
    const std::vector<long double>& wide = l.wide;
    Step step{Frontier(expression.size()), {}, wide[static_cast<std::size_t>(expression.root())], level, Term::Equals};
    std::vector<MaybeExact> written(expression.size());
    std::vector<bool> known(expression.size(), false);
    for (std::size_t i = 0; i < expression.size(); ++i) {
        if (expression[i].height > level)
            continue;
        const bool isLeaf = expression[i].left < 0;
        if (isLeaf && expression[i].op == Op::Pi && piSymbol)
            step.frontier[i] = Written{{Piece{Term::Pi}}, kExactPi};
        else if (isLeaf)
            step.frontier[i] = number(l.texts[i]);
        else if (exact[i] && isShort(*exact[i]))
            step.frontier[i] = exactForm(*exact[i]);
        else
            step.frontier[i] = number(wideText(wide[i]));
        written[i] = step.frontier[i]->exact;
        known[i] = true;
    }
    evaluateAll(expression, written, known);
    step.exact = written[static_cast<std::size_t>(expression.root())];
    return step;
}

// Whether two forms differ at most in a division written as a fraction ("5 / 3", "5/3").
bool sameButFraction(const Working& a, const Working& b)
{
    const auto plain = [](Piece p) {
        p.term = p.term == Term::Fraction ? Term::Over : p.term;
        return p;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const Piece& x, const Piece& y) { return plain(x) == plain(y); });
}

// Whether every operation carried out at level gives a value within the range of a double.
bool inRange(const Expression& expression, const NodeValues& values, int level)
{
    for (std::size_t i = 0; i < expression.size(); ++i)
        if (expression[i].height == level && !std::isfinite(values[i]))
            return false;
    return true;
}

// The forms from the values put in to the formula's value: exact with π a
// symbol where every step is short, else the values put in, π taken, and the
// steps in decimals where they are not short.
// The leaves' values and every node's, exactly where it can be and in long double.
Leaves evaluated(const Expression& expression, const MeasureValues& measures, double pi, bool piSymbol)
{
    const std::vector<bool> none(expression.size(), false);
    Leaves l = leaves(expression, measures, pi, piSymbol);
    evaluateAll(expression, l.exact, none);
    evaluateAll(expression, l.wide, none);
    return l;
}

// The forms from the values put in to the formula's value: exact with π a
// symbol where every step is short, else the values put in, π taken, and the
// steps in decimals where they are not short.
std::vector<Step> steps(const Expression& expression, const MeasureValues& measures, double pi)
{
    const int top = expression[static_cast<std::size_t>(expression.root())].height;
    const Leaves symbolic = evaluated(expression, measures, pi, true);
    const bool exact =
        std::all_of(symbolic.exact.begin(), symbolic.exact.end(), [](const MaybeExact& x) { return x && isShort(*x); });
    std::vector<Step> out{valueForm(expression, symbolic, 0, true)};
    const Leaves numeric = exact ? symbolic : evaluated(expression, measures, pi, false);
    for (int level = exact ? 1 : 0; level <= top; ++level)
        out.push_back(valueForm(expression, numeric, level, exact));
    if (!exact && hasPi(expression))
        out[1].joiner = Term::PiTaken;
    else if (!exact)
        out.erase(out.begin() + 1); // the values put in once more
    return out;
}

// The value reached by a form.
Reached reachedBy(const Working& form, const MaybeExact& exact, long double value)
{
    Reached r{exact, value, {}};
    if (form.size() == 1 && form.front().term == Term::Number)
        r.text = form.front().text;
    return r;
}

// Joins a form to the chain: Equals where its exact value is the one reached.
void appendForm(Working& out, Reached& reached, const Written& form, long double value, const std::string& unit)
{
    append(out, reached.exact && form.exact && *reached.exact == *form.exact ? Term::Equals : Term::Rounded);
    out.insert(out.end(), form.pieces.begin(), form.pieces.end());
    if (!unit.empty())
        append(out, Term::Unit, unit);
    reached = reachedBy(form.pieces, form.exact, value);
}

// The short exact form of x, else the decimal of value.
Written shortOrDecimal(const MaybeExact& x, long double value)
{
    return x && isShort(*x) ? exactForm(*x) : number(wideText(value));
}

} // namespace

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
    Form(out, expression, nullptr).write(expression.root());
}

std::optional<Reached> appendSteps(Working& out, const Expression& expression, const MeasureValues& measures, double pi,
                                   bool stopAtRange)
{
    const NodeValues doubles = evaluate(expression, measures, pi);
    const std::vector<Step> forms = steps(expression, measures, pi);
    Working previous;
    std::size_t formAt = out.size(); // where the last form's pieces start
    Reached reached;
    for (const Step& step : forms) {
        Working form;
        Form(form, expression, &step.frontier).write(expression.root());
        if (stopAtRange && !inRange(expression, doubles, step.level)) {
            append(out, Term::Equals);
            append(out, Term::OutOfRange);
            return std::nullopt;
        }
        if (!previous.empty() && sameButFraction(form, previous)) {
            out.resize(formAt); // "5 / 3" then "5/3": the fraction stands for both
        } else {
            const bool exact = reached.exact && step.exact && *reached.exact == *step.exact;
            append(out, step.joiner == Term::PiTaken ? Term::PiTaken
                        : exact || previous.empty()  ? Term::Equals
                                                     : Term::Rounded);
            formAt = out.size();
        }
        out.insert(out.end(), form.begin(), form.end());
        reached = reachedBy(form, step.exact, step.value);
        previous = std::move(form);
    }
    return reached;
}

void appendPiTaken(Working& out, Reached& reached, double pi, const std::string& unit)
{
    if (!reached.exact || reached.exact->pi == 0)
        return;
    Exact rest = *reached.exact;
    rest.pi = 0;
    append(out, Term::PiTaken);
    appendValue(out, pi);
    if (rest != Exact{1, 1, 0, 1, 0}) {
        append(out, Term::Times);
        const Written form = exactForm(rest);
        const bool group = isNegative(form);
        if (group)
            append(out, Term::Open);
        out.insert(out.end(), form.pieces.begin(), form.pieces.end());
        if (group)
            append(out, Term::Close);
    }
    const MaybeExact value = withPi(reached.exact, exactFromText(plainText(pi)));
    reached = Reached{value, approximate(rest, 1) * pi, {}};
    if (value && isShort(*value))
        appendForm(out, reached, exactForm(*value), reached.value, unit);
}

void appendConversion(Working& out, Reached& reached, double factor, bool divides, const std::string& from,
                      const std::string& unit)
{
    if (reached.text.empty()) // π taken in a product too long to write exactly: its value in from, first
        appendForm(out, reached, shortOrDecimal(reached.exact, reached.value), reached.value, from);
    const MaybeExact f = exactFromText(plainText(factor));
    const MaybeExact converted = divides ? reached.exact / f : reached.exact * f;
    const long double value = divides ? reached.value / factor : reached.value * factor;
    reached.exact = converted;
    appendForm(out, reached, shortOrDecimal(converted, value), value, unit);
}

void appendShown(Working& out, const Reached& reached, const std::string& plain, const std::string& shown, int decimals,
                 const std::string& unit)
{
    const std::string ungrouped = ungroupedText(shown);
    const MaybeExact value = exactFromText(ungrouped);
    const bool equal = reached.exact && value
                           ? *reached.exact == *value
                           : !reached.text.empty() && readNumber(reached.text) == readNumber(ungrouped);
    if (equal && reached.text == shown)
        return;
    const bool rounded = readNumber(plain) != readNumber(ungrouped);
    append(out, equal ? Term::Equals : Term::Rounded, {}, equal || !rounded ? 0 : decimals);
    append(out, Term::Number, shown);
    if (!unit.empty())
        append(out, Term::Unit, unit);
}

} // namespace core
