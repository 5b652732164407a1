// A scenario covering one hour of instrument time (36 000 ticks, a pass
// after each) run headless. The counter "x_real_time" is instrument time over
// the time it took; the goal is at least 15 000.
// Untrusted files: a scenario file of 1 MiB whose steps share one line (or
// stand one to a line) is read and checked in a child process; the goal is
// under 1 s and a peak memory ("max_rss_MB") under 50 MB. The largest file
// accepted is also run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/ScenarioTiming.h"
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
  TimeScenario(state, scenario, options, 3600.0);
}
BENCHMARK(BM_ScenarioHour)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Steps until the file would pass size bytes; oneLine: all in one flow list.
std::string ManySteps(size_t size, bool oneLine, const std::string& step) {
  std::string text = oneLine ? "version: 1\nsteps: [" : "version: 1\nsteps:\n";
  const std::string item = oneLine ? step + ", " : "  - " + step + "\n";
  while (text.size() + item.size() + 2 < size) text += item;
  if (oneLine) text += step + "]";
  return text + "\n";
}

std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Loads (and with run, runs) the file in a child; its peak memory in KiB.
long InChild(const std::string& path, bool run, bool& accepted) {
  const pid_t child = fork();
  if (child == 0) {
    TScenario scenario;
    std::string error;
    TScenarioOptions options;
    const bool ok = LoadScenario(path, options, scenario, error);
    if (ok && run) RunScenario(scenario, options);
    _exit(ok ? 0 : 3);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  accepted = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return usage.ru_maxrss;
}

void BM_MiBOfSteps(benchmark::State& state) {
  const bool oneLine = state.range(0) == 1;
  const std::string path =
      WriteTemp("axim7-bench-mib.yaml", ManySteps(LargestScenarioFile, oneLine, "{press: plus}"));
  long peak = 0;
  bool accepted = true;
  for (auto _ : state) peak = std::max(peak, InChild(path, false, accepted));
  std::remove(path.c_str());
  state.counters["max_rss_MB"] = static_cast<double>(peak) / 1024;
  state.counters["refused"] = accepted ? 0 : 1;
}
BENCHMARK(BM_MiBOfSteps)->ArgName("one_line")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The largest scenario accepted, steps of a tick and a key, checked and run.
void BM_LargestAccepted(benchmark::State& state) {
  // Five values before the steps, three in each (a map, its key, its value).
  const int steps = (LargestScenarioNodes - 5) / 3;
  std::string text = "version: 1\nsteps: [";
  for (int i = 0; i < steps; ++i)
    text += std::string(i > 0 ? ", " : "") + (i % 2 ? "{press: plus}" : "{delay: 100ms}");
  text += "]\n";
  const std::string path = WriteTemp("axim7-bench-largest.yaml", text);
  long peak = 0;
  bool accepted = false;
  for (auto _ : state) peak = std::max(peak, InChild(path, true, accepted));
  std::remove(path.c_str());
  if (!accepted) state.SkipWithError("the largest scenario was refused");
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["max_rss_MB"] = static_cast<double>(peak) / 1024;
}
BENCHMARK(BM_LargestAccepted)->Unit(benchmark::kMillisecond);

}  // namespace
