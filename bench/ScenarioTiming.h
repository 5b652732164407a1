// A checked scenario run headless again and again: the counter
// "x_real_time" is its instrument time over the time it took.
#pragma once
#include <benchmark/benchmark.h>

#include "scenario/ScenarioRun.h"

inline void TimeScenario(benchmark::State& state, const TScenario& scenario,
                         const TScenarioOptions& options, double instrumentSeconds) {
  for (auto _ : state) {
    const TScenarioResult result = RunScenario(scenario, options);
    if (result.Outcome != TScenarioResult::Passed) {
      state.SkipWithError(result.Message.c_str());
      return;
    }
  }
  state.counters["x_real_time"] = benchmark::Counter(
      instrumentSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
