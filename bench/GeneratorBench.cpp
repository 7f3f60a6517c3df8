#include <benchmark/benchmark.h>

#include "BenchForm.h"

namespace {

using namespace varo::bench;

// (a) "Tipps berechnen" with the design options: twelve tips.
void BM_DefaultRun(benchmark::State& state) {
    BenchForm bench(3300);
    for (auto _ : state) {
        bench.form.Label28Click();
        benchmark::DoNotOptimize(bench.form.GeneratedTips.data());
    }
}
BENCHMARK(BM_DefaultRun)->Unit(benchmark::kMillisecond);

// (b) The largest budget, 10 million drawn numbers, with a history test no candidate passes
// (no past draw may share 3 numbers): the run uses up the whole budget on tip 1.
void BM_ExhaustedRun(benchmark::State& state) {
    BenchForm bench(3300);
    bench.form.upDown[7].setPosition(10000);
    bench.form.UpDown7Changing();
    bench.form.upDown[6].setPosition(3);
    for (auto _ : state) {
        bench.form.Label28Click();
        if (bench.form.statusPanels[1] != "Ändern Sie die Parameter um 12 Tipps zuberechnen")
            state.SkipWithError("the run found a tip");
    }
}
BENCHMARK(BM_ExhaustedRun)->Unit(benchmark::kMillisecond)->Iterations(3);

// (c) A run from a fixed lucky number, as the lucky-number start sets it.
void BM_LuckyNumberRun(benchmark::State& state) {
    BenchForm bench(3300);
    for (auto _ : state) {
        bench.form.random.setState(4711);
        bench.form.Label28Click();
        benchmark::DoNotOptimize(bench.form.GeneratedTips.data());
    }
}
BENCHMARK(BM_LuckyNumberRun)->Unit(benchmark::kMillisecond);

}  // namespace
