#include <benchmark/benchmark.h>

#include "BenchHistory.h"
#include "history/DrawHistoryFile.h"

namespace {

void BM_ScanHistory(benchmark::State& state) {
    const varo::DrawHistoryFile file(
        varo::bench::writeBenchHistory(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        auto records = file.scan();
        benchmark::DoNotOptimize(records.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScanHistory)->Arg(3300)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace
