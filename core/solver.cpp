#include "core/solver.h"

#include <cmath>
#include <optional>

#include "core/numbers.h"

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
    {1, 0, 2, false}, // a = sqrt(h² - b²)
    {2, 0, 1, false}, // b = sqrt(h² - a²)
    {0, 2, 1, true}, // h = sqrt(b² + a²)
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

// A write of the root of radicand, or nothing when the radicand overflowed.
SolverAction rootWritten(int target, double radicand, const SolverSettings& settings)
{
    if (!std::isfinite(radicand) || radicand < 0)
        return {};
    return written(target, std::sqrt(radicand), settings);
}

SolverAction solveLeg(const BoxTexts& texts, const TriangleCandidate& candidate, double hypotenuse, double leg,
                      const SolverSettings& settings)
{
    if (hypotenuse >= leg)
        return rootWritten(candidate.target, hypotenuse * hypotenuse - leg * leg, settings);
    // Only a box that already shows a length is worth a complaint.
    const std::optional<double> current = readNumber(texts[candidate.target]);
    SolverAction action;
    action.hypotenuseMessage = current && *current > 0;
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
            return rootWritten(candidate.target, *first * *first + *second * *second, settings);
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
        // The divisor is finite and positive, so an overflowing product shows here too.
        const double result = *left * *right / *divisor;
        return std::isfinite(result) ? written(candidate.target, result, settings) : SolverAction{};
    }
    return {};
}

} // namespace

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
