#ifndef CORE_EXPRESSION_H
#define CORE_EXPRESSION_H

// A formula held as data: its operations in the order they are carried out,
// built at compile time from an ordinary C++ expression over measures and
// constants, so that a formula reads as it is written and its grouping is the
// language's own. One evaluator computes every operation's value from it, and
// the working is written from the same nodes, so the two cannot drift apart.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace core {

enum class Op : std::uint8_t {
    Measure, // the value of a box
    Constant,
    Pi, // the Pi in use
    Plus,
    Minus,
    Times,
    Over,
    Squared, // x · x
    Cubed, // (x · x) · x
    Power3, // the general power function, x raised to 3, which can differ from Cubed in the last bit
    Root,
};

struct Node {
    Op op = Op::Constant;
    double constant = 0;
    std::int8_t index = 0; // Measure: the box
    std::int8_t left = -1; // operand nodes, by position
    std::int8_t right = -1;
    std::int8_t height = 0; // operations between this node and the farthest value under it
};

inline constexpr std::size_t kMaxNodes = 9;

// The nodes in postfix order: operands before their operation, the whole formula last.
class Expression {
public:
    // No formula: where a table may leave one out.
    constexpr Expression() = default;
    // A whole constant, such as the 2 of "b · 2"; implicit so that formulas read as written.
    constexpr Expression(int constant) { push(Node{Op::Constant, double(constant)}); }
    constexpr explicit Expression(Node leaf) { push(leaf); }

    constexpr std::size_t size() const { return m_size; }
    constexpr const Node& operator[](std::size_t i) const { return m_nodes[i]; }
    constexpr int root() const { return int(m_size) - 1; }

    // operand, then op applied to it.
    static constexpr Expression unary(Op op, const Expression& operand)
    {
        Expression e = operand;
        e.push(Node{op, 0, 0, std::int8_t(e.root()), -1, std::int8_t(operand.top().height + 1)});
        return e;
    }

    // left, then right, then op applied to the two.
    static constexpr Expression binary(Op op, const Expression& left, const Expression& right)
    {
        Expression e = left;
        const int shift = int(left.m_size);
        for (std::size_t i = 0; i < right.m_size; ++i)
            e.push(shifted(right.m_nodes[i], shift));
        const int height = 1 + (left.top().height > right.top().height ? left.top().height : right.top().height);
        e.push(Node{op, 0, 0, std::int8_t(left.root()), std::int8_t(e.root()), std::int8_t(height)});
        return e;
    }

private:
    constexpr const Node& top() const { return m_nodes[m_size - 1]; }
    // Past the capacity, at() makes a formula fail to compile.
    constexpr void push(const Node& node) { m_nodes.at(m_size++) = node; }
    static constexpr Node shifted(Node node, int shift)
    {
        node.left = std::int8_t(node.left < 0 ? -1 : node.left + shift);
        node.right = std::int8_t(node.right < 0 ? -1 : node.right + shift);
        return node;
    }

    std::array<Node, kMaxNodes> m_nodes{};
    std::size_t m_size = 0;
};

constexpr Expression measure(int index)
{
    return Expression(Node{Op::Measure, 0, std::int8_t(index)});
}

inline constexpr Expression kPiValue{Node{Op::Pi}};

constexpr Expression operator+(const Expression& l, const Expression& r)
{
    return Expression::binary(Op::Plus, l, r);
}
constexpr Expression operator-(const Expression& l, const Expression& r)
{
    return Expression::binary(Op::Minus, l, r);
}
constexpr Expression operator*(const Expression& l, const Expression& r)
{
    return Expression::binary(Op::Times, l, r);
}
constexpr Expression operator/(const Expression& l, const Expression& r)
{
    return Expression::binary(Op::Over, l, r);
}
constexpr Expression squared(const Expression& x)
{
    return Expression::unary(Op::Squared, x);
}
constexpr Expression cubed(const Expression& x)
{
    return Expression::unary(Op::Cubed, x);
}
constexpr Expression power3(const Expression& x)
{
    return Expression::unary(Op::Power3, x);
}
constexpr Expression root(const Expression& x)
{
    return Expression::unary(Op::Root, x);
}

// The general power x³ and the square root, for each kind of value an
// operation is carried out on (the working's exact values have their own).
inline double power3(double x)
{
    return std::pow(x, 3.0);
}
inline long double power3(long double x)
{
    return x * x * x;
}
inline double squareRoot(double x)
{
    return std::sqrt(x);
}
inline long double squareRoot(long double x)
{
    return std::sqrt(x);
}

// One operation on its operands' values (b unused by the unary ones): the
// program's doubles, and the working's long doubles and exact values alike.
template <typename Value>
Value operation(Op op, const Value& a, const Value& b)
{
    switch (op) {
    case Op::Plus:
        return a + b;
    case Op::Minus:
        return a - b;
    case Op::Times:
        return a * b;
    case Op::Over:
        return a / b;
    case Op::Squared:
        return a * a;
    case Op::Cubed:
        return a * a * a; // (a · a) · a
    case Op::Power3:
        return power3(a);
    case Op::Root:
        return squareRoot(a);
    default:
        return a;
    }
}

// The values of the boxes a formula reads, by box: a calculator's three
// measures, or the seven boxes of the solver.
using MeasureValues = std::array<double, 7>;

// The value of every node, in node order, from the measures and Pi; the
// formula's value is the last. Operations follow IEEE double arithmetic exactly
// as listed, so a value overflows to infinity rather than stopping.
using NodeValues = std::array<double, kMaxNodes>;
NodeValues evaluate(const Expression& expression, const MeasureValues& measures, double pi);

// The formula's own value: the last node's.
double valueOf(const Expression& expression, const MeasureValues& measures, double pi);

// Whether Pi is one of the formula's values.
bool hasPi(const Expression& expression);

} // namespace core

#endif
