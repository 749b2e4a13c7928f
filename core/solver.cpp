#include "core/solver.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "core/expression.h"
#include "core/numbers.h"
#include "core/writing.h"

namespace core {
namespace {

// Candidate targets of the triangle in the order they are tried. A leg comes
// from the hypotenuse (first) and the other leg (second); the hypotenuse from
// leg b (first) and leg a (second).
struct TriangleCandidate {
    int target;
    int first;
    int second;
    bool hypotenuse;
};

constexpr TriangleCandidate kTriangleOrder[] = {
    {1, 0, 2, false}, // a from h and b
    {2, 0, 1, false}, // b from h and a
    {0, 2, 1, true}, // h from b and a
};

// Candidate targets of A / X = B / Y in the order they are tried: the target
// is left * right / divisor, the product formed first.
struct ProportionCandidate {
    int target;
    int left;
    int right;
    int divisor;
};

constexpr ProportionCandidate kProportionOrder[] = {
    {3, 4, 5, 6}, // A = X * B / Y
    {4, 3, 6, 5}, // X = A * Y / B
    {5, 6, 3, 4}, // B = Y * A / X
    {6, 5, 4, 3}, // Y = B * X / A
};

// Each box's answer as one description: the formula its working starts with
// (the window's letters, as a student writes it) and the one its value is
// computed by, which the working's steps follow. A leg is the root of
// (h - y)(h + y), which keeps the digits that h² - y² loses when the two are close.
struct Formula {
    Expression letters;
    Expression computed;
};

constexpr Expression h = measure(0);
constexpr Expression x = measure(1);
constexpr Expression y = measure(2);
constexpr Expression kA = measure(3);
constexpr Expression kX = measure(4);
constexpr Expression kB = measure(5);
constexpr Expression kY = measure(6);

constexpr Formula kFormulas[kBoxCount] = {
    {root(squared(x) + squared(y)), root(squared(x) + squared(y))},
    {root(squared(h) - squared(y)), root((h - y) * (h + y))},
    {root(squared(h) - squared(x)), root((h - x) * (h + x))},
    {kX * kB / kY, kX* kB / kY},
    {kA * kY / kB, kA* kY / kB},
    {kY * kA / kX, kY* kA / kX},
    {kB * kX / kA, kB* kX / kA},
};

bool isCandidate(const BoxTexts& texts, const Ranks& rango, const SolverSettings& settings, int box)
{
    return texts[box] == "0" || (settings.automaticAnswer && rango[box] == 0);
}

// The result as the box will show it: the plain text, then, when rounding is
// on, the same value rounded to four decimals (only if that reads differently).
SolverAction written(int target, double value, const SolverSettings& settings)
{
    SolverAction action;
    action.box = target;
    action.texts.push_back(plainText(value));
    if (!settings.onlyFourDecimals)
        return action;
    // The 15-digit text can lie just past the largest double; then the plain
    // write stands and the rounding is dropped.
    const std::optional<double> shown = readNumber(action.texts.front());
    if (!shown || *shown == 0)
        return action;
    const std::optional<double> rounded = readNumber(maskedText(*shown, kMaskSolver));
    if (rounded && plainText(*rounded) != action.texts.front())
        action.texts.push_back(plainText(*rounded));
    return action;
}

SolverAction outOfRange(int target)
{
    SolverAction action;
    action.box = target;
    action.outOfRange = true;
    return action;
}

// The write of value, or the out-of-range text when it is beyond a double's range.
SolverAction solution(int target, double value, const SolverSettings& settings)
{
    return std::isfinite(value) ? written(target, value, settings) : outOfRange(target);
}

// The operations of each formula, guarded where a step leaves the normal
// doubles; where none does, each gives its formula's value to the last bit.

// The hypotenuse as the root of b² + a²; hypot, which scales, where the sum leaves the normal doubles.
double hypotenuseFrom(double b, double a)
{
    const double sum = b * b + a * a;
    return std::isnormal(sum) ? std::sqrt(sum) : std::hypot(b, a);
}

// A leg as the root of (h - b)(h + b). Both are first scaled by a power of two, which changes
// no digit, so that neither the sum nor the product leaves the double range.
double leg(double hypotenuse, double other)
{
    const int scale = std::ilogb(hypotenuse);
    const double h = std::scalbn(hypotenuse, -scale);
    const double b = std::scalbn(other, -scale);
    return std::scalbn(std::sqrt((h - b) * (h + b)), scale);
}

// left * right / divisor, the product first; a product beyond the normal doubles
// is taken apart into mantissas and exponents, so that only the answer can be.
double proportion(double left, double right, double divisor)
{
    const double product = left * right;
    if (std::isnormal(product))
        return product / divisor;
    int leftExponent = 0;
    int rightExponent = 0;
    int divisorExponent = 0;
    const double mantissa =
        std::frexp(left, &leftExponent) * std::frexp(right, &rightExponent) / std::frexp(divisor, &divisorExponent);
    return std::ldexp(mantissa, leftExponent + rightExponent - divisorExponent);
}

// Whether every step of formula is a normal double, or an exact 0: a difference
// of equal values, or an operation on one.
bool staysNormal(const Expression& formula, const NodeValues& steps)
{
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const Node& n = formula[i];
        const bool zeroOperand = n.left >= 0
                                 && (steps[static_cast<std::size_t>(n.left)] == 0
                                     || (n.right >= 0 && steps[static_cast<std::size_t>(n.right)] == 0));
        if (!std::isnormal(steps[i]) && !(steps[i] == 0 && (n.op == Op::Minus || zeroOperand)))
            return false;
    }
    return true;
}

// The answer of box from the values of the others: its formula's value where
// every step stays a normal double, else the guarded operations.
double answer(int box, const MeasureValues& v)
{
    const Expression& formula = kFormulas[box].computed;
    const NodeValues steps = evaluate(formula, v, 0.0);
    if (staysNormal(formula, steps))
        return steps[static_cast<std::size_t>(formula.root())];
    switch (box) {
    case 0:
        return hypotenuseFrom(v[2], v[1]);
    case 1:
        return leg(v[0], v[2]);
    case 2:
        return leg(v[0], v[1]);
    default:
        const ProportionCandidate& c = kProportionOrder[box - 3];
        return proportion(v[c.left], v[c.right], v[c.divisor]);
    }
}

// The known values of a part, by box.
MeasureValues knownValues(int first, double firstValue, int second, double secondValue)
{
    MeasureValues v{};
    v[static_cast<std::size_t>(first)] = firstValue;
    v[static_cast<std::size_t>(second)] = secondValue;
    return v;
}

SolverAction solveLeg(const BoxTexts& texts, const TriangleCandidate& candidate, double hypotenuse, double other,
                      const SolverSettings& settings)
{
    if (hypotenuse >= other)
        return written(candidate.target,
                       answer(candidate.target, knownValues(candidate.first, hypotenuse, candidate.second, other)),
                       settings);
    // A box that is empty, shows 0 or a length gets the complaint; one with a negative number does not.
    const std::optional<double> current = readNumber(texts[candidate.target]);
    SolverAction action;
    action.hypotenuseMessage = current && *current >= 0;
    return action;
}

SolverAction solveTriangle(const BoxTexts& texts, const Ranks& rango, const SolverSettings& settings)
{
    for (const TriangleCandidate& candidate : kTriangleOrder) {
        if (!isCandidate(texts, rango, settings, candidate.target))
            continue;
        const std::optional<double> first = readNumber(texts[candidate.first]);
        const std::optional<double> second = readNumber(texts[candidate.second]);
        if (!first || !second)
            return {};
        if (*first <= 0 || *second <= 0)
            continue;
        if (candidate.hypotenuse)
            return solution(candidate.target,
                            answer(candidate.target, knownValues(candidate.first, *first, candidate.second, *second)),
                            settings);
        return solveLeg(texts, candidate, *first, *second, settings);
    }
    return {};
}

SolverAction solveProportion(const BoxTexts& texts, const Ranks& rango, const SolverSettings& settings)
{
    for (const ProportionCandidate& candidate : kProportionOrder) {
        if (!isCandidate(texts, rango, settings, candidate.target))
            continue;
        const std::optional<double> left = readNumber(texts[candidate.left]);
        const std::optional<double> right = readNumber(texts[candidate.right]);
        const std::optional<double> divisor = readNumber(texts[candidate.divisor]);
        if (!left || !right || !divisor)
            return {};
        if (*left <= 0 || *right <= 0 || *divisor <= 0)
            continue;
        MeasureValues v = knownValues(candidate.left, *left, candidate.right, *right);
        v[static_cast<std::size_t>(candidate.divisor)] = *divisor;
        return solution(candidate.target, answer(candidate.target, v), settings);
    }
    return {};
}

enum class Known { Values, NotSolvable, OutOfRange };

// The values of the boxes the answer of box is computed from.
Known readKnown(const BoxTexts& texts, int box, MeasureValues& values)
{
    const int first = box < 3 ? 0 : 3;
    for (int k = first; k < first + (box < 3 ? 3 : 4); ++k) {
        if (k == box)
            continue;
        const std::optional<double> value = readNumber(texts[k]);
        if (!value)
            return Known::OutOfRange;
        if (*value <= 0)
            return Known::NotSolvable;
        values[k] = *value;
    }
    // A leg needs a hypotenuse at least as long as the other leg.
    return box == 1 || box == 2 ? (values[0] >= values[3 - box] ? Known::Values : Known::NotSolvable) : Known::Values;
}

void appendAnswer(Working& out, int box, const MeasureValues& known, const SolverSettings& settings)
{
    const std::optional<Reached> reached = appendSteps(out, kFormulas[box].computed, known, 0.0, false);
    const double value = answer(box, known);
    if (!reached || !std::isfinite(value)) {
        append(out, Term::Equals);
        append(out, Term::OutOfRange);
        return;
    }
    const std::vector<std::string> texts = written(box, value, settings).texts;
    appendShown(out, *reached, texts.front(), texts.back(), kMaskSolver.maxDecimals, {});
}

} // namespace

Working solverWorking(const BoxTexts& texts, bool modo, int box, const SolverSettings& settings)
{
    Working out;
    const bool answered = box >= (modo ? 3 : 0) && box <= (modo ? 6 : 2);
    const int shown = answered ? box : (modo ? 3 : 0);
    appendLetters(out, kFormulas[shown].letters, shown);
    MeasureValues known{};
    const Known outcome = answered ? readKnown(texts, box, known) : Known::NotSolvable;
    if (outcome == Known::OutOfRange) {
        append(out, Term::Equals);
        append(out, Term::OutOfRange);
    }
    if (outcome == Known::Values)
        appendAnswer(out, box, known, settings);
    return out;
}

bool eVacios(const BoxTexts& texts, bool modo)
{
    const int first = modo ? 3 : 0;
    const int last = modo ? 6 : 2;
    int zeros = 0;
    // A number beyond the double range is still a number: it counts as set.
    for (int box = first; box <= last; ++box)
        zeros += readNumber(texts[box]) == 0.0 ? 1 : 0;
    return zeros == 1;
}

SolverAction eShow(const BoxTexts& texts, bool modo, const Ranks& rango, const SolverSettings& settings)
{
    return modo ? solveProportion(texts, rango, settings) : solveTriangle(texts, rango, settings);
}

} // namespace core
