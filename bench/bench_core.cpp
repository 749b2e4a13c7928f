#include <benchmark/benchmark.h>

#include "core/figures.h"
#include "core/numbers.h"
#include "core/solver.h"
#include "core/units.h"
#include "core/working.h"

namespace {

void BM_ReadNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::readNumber("  -1234.5678e-3abc"));
}
BENCHMARK(BM_ReadNumber);

void BM_PlainText(benchmark::State& state)
{
    double value = 3.14159265358979;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::plainText(value));
}
BENCHMARK(BM_PlainText);

void BM_MaskedText(benchmark::State& state, const core::NumberMask& mask)
{
    double value = 1234567.891234;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::maskedText(value, mask));
}
BENCHMARK_CAPTURE(BM_MaskedText, solver, core::kMaskSolver);
BENCHMARK_CAPTURE(BM_MaskedText, decimal, core::kMaskDecimal);
BENCHMARK_CAPTURE(BM_MaskedText, whole, core::kMaskWhole);

// Area is a ten-unit category, the longest row set the converter fills.
void BM_ConvertirValor(benchmark::State& state)
{
    constexpr std::int16_t kArea = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CatalogoUnidades::ConvertirValor(kArea, 3, "1234.5"));
}
BENCHMARK(BM_ConvertirValor);

// One keystroke's worth of calculator work: the circle's area from "12.5" cm,
// shown in m² through the display rule.
void BM_CalculatorResult(benchmark::State& state)
{
    const core::Calculator& area = core::calculator(core::CalculatorId::Area);
    const core::Figure* circle = nullptr;
    for (const core::Figure& figure : area.figures)
        if (std::string_view(figure.caption) == "CÍRCULO")
            circle = &figure;
    const core::Figure& figure = circle ? *circle : area.figures[0];
    const std::array<std::string, 3> texts{"12.5", "0", "0"};
    for (auto _ : state) {
        const std::optional<double> result = core::figureResult(figure, texts, 3.14159265358979);
        const core::Conversion conversion = core::convertResult(area, "cm", "m²", result.value_or(0));
        benchmark::DoNotOptimize(core::displayText(core::plainText(conversion.value)));
    }
}
BENCHMARK(BM_CalculatorResult);

// The same keystroke's working, shown beside the result.
void BM_FigureWorking(benchmark::State& state)
{
    const core::Calculator& area = core::calculator(core::CalculatorId::Area);
    const core::Figure& circle = area.figures[6];
    const std::array<std::string, 3> texts{"12.5", "0", "0"};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::figureWorking(area, circle, texts, 3.14159265358979, "cm", "m²"));
}
BENCHMARK(BM_FigureWorking);

void BM_SolverHypotenuse(benchmark::State& state)
{
    const core::BoxTexts texts{"0", "3", "4", "0", "0", "0", "0"};
    const core::Ranks ranks{0, 1, 2, 0, 0, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::eShow(texts, false, ranks, core::SolverSettings{}));
}
BENCHMARK(BM_SolverHypotenuse);

void BM_SolverProportion(benchmark::State& state)
{
    const core::BoxTexts texts{"0", "0", "0", "2", "0", "5", "12.5"};
    const core::Ranks ranks{0, 0, 0, 0, 1, 2, 3};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::eShow(texts, true, ranks, core::SolverSettings{}));
}
BENCHMARK(BM_SolverProportion);

} // namespace

BENCHMARK_MAIN();
