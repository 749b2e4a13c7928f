#include <benchmark/benchmark.h>

#include "core/numbers.h"

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

void BM_MaskedText(benchmark::State& state)
{
    double value = 1234567.891234;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::maskedText(value, core::kMaskDecimal));
}
BENCHMARK(BM_MaskedText);

} // namespace

BENCHMARK_MAIN();
