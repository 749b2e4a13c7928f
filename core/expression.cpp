#include "core/expression.h"

#include <cmath>

namespace core {
namespace {

double leaf(const Node& node, const MeasureValues& measures, double pi)
{
    switch (node.op) {
    case Op::Measure:
        return measures[static_cast<std::size_t>(node.index)];
    case Op::Pi:
        return pi;
    default:
        return node.constant;
    }
}

} // namespace

NodeValues evaluate(const Expression& expression, const MeasureValues& measures, double pi)
{
    NodeValues values{};
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const Node& node = expression[i];
        values[i] = node.left < 0
                        ? leaf(node, measures, pi)
                        : operation<double>(node.op, values[static_cast<std::size_t>(node.left)],
                                            node.right < 0 ? 0.0 : values[static_cast<std::size_t>(node.right)]);
    }
    return values;
}

double valueOf(const Expression& expression, const MeasureValues& measures, double pi)
{
    return evaluate(expression, measures, pi)[static_cast<std::size_t>(expression.root())];
}

bool hasPi(const Expression& expression)
{
    for (std::size_t i = 0; i < expression.size(); ++i)
        if (expression[i].op == Op::Pi)
            return true;
    return false;
}

} // namespace core
