#include <benchmark/benchmark.h>

#include "BenchHistory.h"
#include "app/TForm1.h"

namespace {

// Platform stand-ins that do nothing: the benchmarks measure the logic alone.
class NullUi : public varo::Ui {
  public:
    void showMessage(const std::string&) override {}
    void setBusyCursor(bool) override {}
    void scalePages(double) override {}
};
class NullShell : public varo::Shell {
  public:
    void open(const std::string&) override {}
};
class NullSound : public varo::Sound {
public:
    void playAsync(const std::string&) override {}
};
class NullClock : public varo::Clock {
  public:
    double today() override { return 46366.0; }
    std::uint32_t tickCount() override { return 0; }
    std::int64_t performanceCounter() override { return 0; }
};

// The whole button: read the history, count, publish the 45 bars.
void BM_NumberFrequency(benchmark::State& state) {
    NullUi ui;
    NullShell shell;
    NullClock clock;
    NullSound sound;
    varo::TForm1 form({ui, shell, clock, sound,
                       varo::bench::writeBenchHistory(static_cast<int>(state.range(0)))});
    form.FormCreate(440);
    for (auto _ : state) {
        form.SpeedButton2Click();
        benchmark::DoNotOptimize(form.Series2.points().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NumberFrequency)->Arg(3300)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace
