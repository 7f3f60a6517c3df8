#include <benchmark/benchmark.h>

#include "BenchForm.h"

namespace {

using varo::bench::BenchForm;

// The whole button: read the history, count, publish the 45 bars.
void BM_NumberFrequency(benchmark::State& state) {
    BenchForm bench(static_cast<int>(state.range(0)));
    varo::TForm1& form = bench.form;
    for (auto _ : state) {
        form.SpeedButton2Click();
        benchmark::DoNotOptimize(form.Series2.points().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NumberFrequency)->Arg(3300)->Arg(50000)->Unit(benchmark::kMicrosecond);

// The whole button of each further statistic, file read included.
void BM_Statistic(benchmark::State& state, void (varo::TForm1::*handler)()) {
    BenchForm bench(static_cast<int>(state.range(0)));
    varo::TForm1& form = bench.form;
    for (auto _ : state) {
        (form.*handler)();
        benchmark::DoNotOptimize(form.Series2.points().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK_CAPTURE(BM_Statistic, Pairs, &varo::TForm1::Button2Click)
    ->Arg(3300)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, Triples, &varo::TForm1::Button3Click)
    ->Arg(3300)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, Quadruples, &varo::TForm1::Button4Click)
    ->Arg(3300)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, Overdue, &varo::TForm1::Button5Click)
    ->Arg(3300)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Statistic, SumDistribution, &varo::TForm1::SpeedButton9Click)
    ->Arg(3300)
    ->Arg(50000)
    ->Unit(benchmark::kMicrosecond);

// Reads the tip sheet only, so the history's size plays no part: a full sheet of twelve tips.
void BM_TipDistribution(benchmark::State& state) {
    BenchForm bench(3300);
    varo::TForm1& form = bench.form;
    for (int tip = 1; tip <= varo::kTipCount; ++tip)
        for (int position = 1; position <= varo::kCellsPerTip; ++position)
            form.tips.setCell(tip, position, std::to_string((tip * 7 + position * 5) % 45 + 1));
    for (auto _ : state) {
        form.Button6Click();
        benchmark::DoNotOptimize(form.Series2.points().data());
    }
}
BENCHMARK(BM_TipDistribution)->Unit(benchmark::kMicrosecond);

}  // namespace
