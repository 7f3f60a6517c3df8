#include <benchmark/benchmark.h>

#include "evaluation/Komplettcheck.h"

namespace {

// The check that runs whenever a tip cell is left: twelve complete tips, in memory only.
void BM_Komplettcheck(benchmark::State& state) {
    varo::TipSheet tips;
    varo::CurrentDraw draw;
    const std::int32_t drawn[] = {0, 3, 17, 22, 28, 33, 41, 12, 0};
    for (std::size_t i = 0; i < 9; ++i)
        draw.Zahl[i] = drawn[i];
    for (int tip = 1; tip <= 12; ++tip)
        for (int p = 1; p <= 6; ++p)
            tips.setCell(tip, p, std::to_string((tip * 7 + p * 5) % 45 + 1));
    int wins = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(varo::Komplettcheck(tips, draw, [&wins] { ++wins; }));
    }
}
BENCHMARK(BM_Komplettcheck)->Unit(benchmark::kMicrosecond);

}  // namespace
