// One firmware pass (conversions, clock, clear, home page) for each home
// view, against one ClearFrameBuffer as the baseline. Besides the times, each
// view reports "clears": its pass measured in ClearFrameBuffer calls, timed
// side by side right after the benchmark loop. The goal is under 30.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"

namespace {

std::time_t FixedClock() { return 1773483630; }

void PowerOnSteady(uint8_t view) {
  HostClock = FixedClock;
  PowerOn();
  VoltsInput = 1445;
  CurrentInput = 2568;
  OatInput = 2426;
  WriteAxisInput(0, 30);
  WriteAxisInput(1, 40);
  WriteAxisInput(2, 300);
  for (int i = 0; i < 4; ++i) RunFirmwarePass();
  StopwatchRunning = 1;
  Settings.HomeView = view;
}

void BM_ClearFrameBuffer(benchmark::State& state) {
  for (auto _ : state) {
    ClearFrameBuffer();
    benchmark::DoNotOptimize(FrameBuffer);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearFrameBuffer);

// Time of one call of fn in seconds: the best mean of several rounds, so a
// busy machine disturbs the ratio less.
template <typename F>
double MeanSeconds(F fn, int n) {
  double best = 1e9;
  for (int round = 0; round < 7; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
      fn();
      benchmark::DoNotOptimize(FrameBuffer);
      benchmark::ClobberMemory();
    }
    const double mean =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / n;
    if (mean < best) best = mean;
  }
  return best;
}

void BM_HomePass(benchmark::State& state) {
  const auto view = static_cast<uint8_t>(state.range(0));
  PowerOnSteady(view);
  // Every marking drawn: volts in alarm, OAT in caution, blink phase on.
  if (state.range(1) == 1) {
    VoltsInput = 1648;
    OatInput = 2716;
    BlinkPhase = 1;
  }
  for (auto _ : state) {
    RunFirmwarePass();
    benchmark::DoNotOptimize(FrameBuffer);
    benchmark::ClobberMemory();
  }
  if (Settings.HomeView != view) state.SkipWithError("view changed during the run");
  constexpr int samples = 3000;
  const double clear = MeanSeconds(ClearFrameBuffer, samples);
  const double pass = MeanSeconds(RunFirmwarePass, samples);
  state.counters["clears"] = pass / clear;
}
BENCHMARK(BM_HomePass)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1}})
    ->ArgNames({"view", "marked"});

}  // namespace
