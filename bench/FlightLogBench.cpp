// Flight logs: rows read and checked per second ("rows_per_s") from a
// 10-hour log at 10 rows a second (360 000 rows, six inputs in units); and
// that log played whole by a scenario headless, instrument time over the
// time it took ("x_real_time"; the goal is at least 10 000).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/ScenarioTiming.h"
#include "scenario/FlightLog.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

namespace {

constexpr int TenHourRows = 10 * 3600 * 10;

const std::string& TenHourLog() {
  static const std::string text = [] {
    std::string log = "time(s),volts(V),current(A),oat(C),accel_x(g),accel_y(g),accel_z(g)\n";
    char row[128];
    for (int i = 0; i < TenHourRows; ++i) {
      const double t = i / 10.0;
      std::snprintf(row, sizeof row, "%d.%d,%.2f,%.2f,%.1f,%.3f,%.3f,%.3f\n", i / 10, i % 10,
                    13.5 + std::sin(t / 60), 5 * std::sin(t / 30), 10 * std::cos(t / 900),
                    0.1 * std::sin(t), 0.05 * std::cos(t), -0.6 - 0.3 * std::sin(t / 7));
      log += row;
    }
    return log;
  }();
  return text;
}

void BM_FlightLogRows(benchmark::State& state) {
  const std::string& text = TenHourLog();
  TFlightLog log;
  std::string error;
  for (auto _ : state)
    if (!ParseFlightLog(text, "ten-hours.csv", TLogColumns{}, log, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  state.counters["rows_per_s"] =
      benchmark::Counter(static_cast<double>(TenHourRows) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_FlightLogRows)->Unit(benchmark::kMillisecond);

void BM_FlightLogTenHours(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("axim7-flightlog-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "ten-hours.csv", std::ios::binary) << TenHourLog();
  const std::string text =
      "version: 1\nsteps:\n  - play-log: { file: ten-hours.csv }\n  - power: on\n"
      "  - set: { Settings.HomeView: 5 }\n  - delay: 36000s\n";
  TScenario scenario;
  std::string error;
  const TScenarioOptions options;
  const bool read =
      ParseScenario(text, (folder / "ten-hours.yaml").string(), options, scenario, error);
  std::filesystem::remove_all(folder);
  if (!read) {
    state.SkipWithError(error.c_str());
    return;
  }
  TimeScenario(state, scenario, options, 36000.0);
}
BENCHMARK(BM_FlightLogTenHours)->Unit(benchmark::kMillisecond);

}  // namespace
