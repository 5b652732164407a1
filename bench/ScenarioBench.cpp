// A scenario covering one hour of instrument time (36 000 ticks, a pass
// after each) run headless. The counter "x_real_time" is instrument time over
// the time it took; the goal is at least 10 000.
#include <benchmark/benchmark.h>

#include <string>

#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

namespace {

const char HourText[] = R"(
name: One hour on the electrical view with a volts alarm
version: 1
clock: 2026-12-08T10:00:00Z
steps:
  - set-control: { control: volts, value: 1648 }
  - set-control: { control: current, value: 2300 }
  - set-control: { control: oat, value: 2400 }
  - set-control: { control: z, value: -300 }
  - power: on
  - set: { Settings.HomeView: 5 }
  - press: knob
  - delay: 1800s
  - press: { key: minus, times: 3 }
  - delay: 1800s
  - expect: { page: HomePage, UtcTime.Hour: 11, Volts: 155 }
)";

void BM_ScenarioHour(benchmark::State& state) {
  TScenario scenario;
  std::string error;
  TScenarioOptions options;
  options.CheckFiles = false;
  if (!ParseScenario(HourText, "hour.yaml", options, scenario, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    const TScenarioResult result = RunScenario(scenario, options);
    if (result.Outcome != TScenarioResult::Passed) {
      state.SkipWithError(result.Message.c_str());
      return;
    }
  }
  // Seconds of instrument time per second taken.
  state.counters["x_real_time"] =
      benchmark::Counter(3600.0 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScenarioHour)->Unit(benchmark::kMillisecond);

}  // namespace
