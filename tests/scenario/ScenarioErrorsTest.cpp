// What a scenario file gets wrong is reported with file, line and column
// before any step runs; what only running can find fails the step's line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Settings.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"
#include "support/TempPath.h"

namespace {

std::string CheckError(const std::string& text, const TScenarioOptions& options = {}) {
  TScenario scenario;
  std::string error;
  if (ParseScenario(text, "s.yaml", options, scenario, error)) return "accepted";
  return error;
}

const struct {
  const char* Text;
  const char* Error;
} BadFiles[] = {
    {"version: 1\nsteps: [ {delay: 1s}",
     "s.yaml:2:1: not valid YAML: end of sequence flow not found"},
    {"steps: [{delay: 1s}]", "s.yaml:1:1: the scenario has no 'version' (write version: 1)"},
    {"version: 2\nsteps: [{delay: 1s}]", "s.yaml:1:10: the version 2 is outside 1..1"},
    {"version: 1\nstep: []",
     "s.yaml:2:1: unknown key 'step' in the scenario (known: name, version, clock, steps, lesson)"},
    {"version: 1\nsteps:\n  - jump: 3",
     "s.yaml:3:5: unknown step 'jump' (known: set-control, power, press, delay, set, expect, "
     "take-screenshot, record, say, do, wait-until, print, set-input, play-log)"},
    {"version: 1\nsteps:\n  - {press: plus, delay: 1s}",
     "s.yaml:3:5: a step must have exactly one kind (press, delay, set, ...), found 2"},
    {"version: 1\nsteps:\n  - press: push",
     "s.yaml:3:12: unknown key 'push' (known: left, right, knob, plus, minus)"},
    {"version: 1\nsteps:\n  - delay: 250ms",
     "s.yaml:3:12: the delay 250ms is not a whole number of 100 ms ticks"},
    {"version: 1\nsteps:\n  - delay: 2 s",
     "s.yaml:3:12: a delay is a duration like 2500ms or 2.5s, found '2 s'"},
    {"version: 1\nsteps:\n  - set: {Settings.VoltHighAlarm: 160}",
     "s.yaml:3:11: unknown field 'Settings.VoltHighAlarm'; the nearest names are "
     "'Settings.VoltsHighAlarm', 'Settings.OatHighAlarm' and 'Settings.VoltsHighAlarmOn'"},
    {"version: 1\nsteps:\n  - set: { AccelRegisters[0]: 5 }",
     "s.yaml:3:26: not valid YAML: end of map flow not found (quote a name holding [ ] inside { }: "
     "{ \"AccelRegisters[0]\": ... })"},
    {"version: 1\nsteps:\n  - set: {Settings.VoltsHighAlarm: 301}",
     "s.yaml:3:36: Settings.VoltsHighAlarm 301 is outside 100..300"},
    {"version: 1\nsteps:\n  - set: {Settings.UtcOffset: 45}",
     "s.yaml:3:31: Settings.UtcOffset moves in steps of 30 from -780, found 45"},
    {"version: 1\nsteps:\n  - set: {Volts: 100}",
     "s.yaml:3:11: 'Volts' cannot be set (only settings, calibration and inputs can)"},
    {"version: 1\nsteps:\n  - set: {Settings.HomeView: [1]}",
     "s.yaml:3:30: Settings.HomeView must be a single value, found a list"},
    {"version: 1\nsteps:\n  - expect: {Volts: 15.5}",
     "s.yaml:3:21: Volts holds whole numbers, found 15.5"},
    {"version: 1\nsteps:\n  - expect: {Volts: high}",
     "s.yaml:3:21: Volts must be a number, found 'high'"},
    {"version: 1\nsteps:\n  - expect: {KeySlot: 256}",
     "s.yaml:3:23: KeySlot can never be 256 (it holds 0..255)"},
    {"version: 1\nsteps:\n  - expect: {page: HomPage}", "s.yaml:3:20: unknown page 'HomPage'"},
    {"version: 1\nsteps:\n  - expect: {Volts: 1, Volts: 2}",
     "s.yaml:3:24: 'Volts' is given twice in expect (first on line 3)"},
    {"version: 1\nsteps:\n  - set-control: {control: x, value: 301}",
     "s.yaml:3:38: the value 301 is outside -300..300"},
    {"version: 1\nclock: 2026-02-29T00:00:00Z\nsteps: [{delay: 1s}]",
     "s.yaml:2:8: the clock '2026-02-29T00:00:00Z' is not a real time from 2000-01-01 to "
     "2099-12-31"},
    {"version: 1\nsteps:\n  - wait-until: {until: {lamp: red}}",
     "s.yaml:3:17: wait-until needs both 'until' and 'within'"},
    {"version: 1\nsteps:\n  - wait-until: {until: {lamp: red}, within: 86400.1s}",
     "s.yaml:3:46: within 86400.1s is longer than a day"},
    {"version: 1\nsteps:\n  - expect: {shows: {text: A, row: 120}}",
     "s.yaml:3:36: the row 120 is outside 0..119"},
    {"version: 1\nsteps:\n  - expect: {shows: \"  \"}",
     "s.yaml:3:21: shows needs a text that is not empty"},
    {"version: 1\nsteps:\n  - print: [Volts, {shows: 1}]",
     "s.yaml:3:20: a name to print must be a single value, found a map"},
    {"version: 1\nsteps:\n  - record: stop",
     "s.yaml:3:13: record: stop without a recording running"},
    {"version: 1\nsteps:\n  - take-screenshot: {scale: 9, save-to: a.png}",
     "s.yaml:3:30: the scale 9 is outside 1..8"},
    // Lessons.
    {"version: 1\nsteps:\n  - do: {say: a, until: {page: HomePage}, solution: [{press: knob}]}",
     "s.yaml:3:9: do belongs in a lesson (write lesson: true before the steps)"},
    {"version: 1\nlesson: false\nsteps: [{say: a}]",
     "s.yaml:2:9: lesson is true or a map with 'title' and 'aim', found 'false'"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {page: HomePage}}",
     "s.yaml:4:9: do needs 'say', 'until' and 'solution'"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {}, solution: [{press: knob}]}",
     "s.yaml:4:25: until names nothing"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {page: HomePage}, solution: []}",
     "s.yaml:4:53: the solution is empty"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {lamp: red}, after: 1s,"
     " solution: [{press: knob}]}",
     "s.yaml:4:9: 'after' gives the time of a 'hint'"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {lamp: red}, solution: [{do: {}}]}",
     "s.yaml:4:54: a solution cannot hold a do step"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {lamp: red},"
     " solution: [{take-screenshot: {save-to: a.png}}]}",
     "s.yaml:4:49: a solution presses, sets, waits and says; it takes no pictures"},
    {"version: 1\nlesson: true\nsteps:\n  - do: {say: a, until: {lamp: red}, if-page: {Home: b},"
     " solution: [{press: knob}]}",
     "s.yaml:4:48: unknown page 'Home'"},
    {"version: 1\nsteps: [{say: \"\"}]", "s.yaml:2:15: say is empty"},
};

TEST(ScenarioErrors, BadFilesNameFileLineAndColumn) {
  for (const auto& bad : BadFiles) EXPECT_EQ(CheckError(bad.Text), bad.Error) << bad.Text;
}

TEST(ScenarioErrors, FilesAreCheckedBeforeAnyStepRuns) {
  namespace fs = std::filesystem;
  const fs::path dir = OwnTempPath("scenario-errors");
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "blocker") << "a file where a folder is wanted";
  std::ofstream(dir / "wrong.png") << "not a picture";
  const std::string scenario = (dir / "s.yaml").string();
  const auto error = [&](const std::string& steps, bool update = false) {
    std::ofstream(scenario) << "version: 1\nsteps:\n" << steps;
    TScenario loaded;
    std::string message;
    TScenarioOptions options;
    options.Update = update;
    return LoadScenario(scenario, options, loaded, message) ? "accepted" : message;
  };
  const std::string at = scenario + ":3:";
  EXPECT_EQ(error("  - take-screenshot: {save-to: blocker/a.png}"),
            at + "32: cannot write " + (dir / "blocker" / "a.png").string() + ": " +
                (dir / "blocker").string() + " is not a folder");
  EXPECT_EQ(error("  - take-screenshot: {compare-with: missing.png}"),
            at + "37: the reference screen " + (dir / "missing.png").string() +
                " does not exist (run with --update to write it)");
  EXPECT_EQ(error("  - take-screenshot: {compare-with: missing.png}", true), "accepted");
  EXPECT_EQ(error("  - take-screenshot: {compare-with: wrong.png}"),
            at + "37: cannot read the reference screen " + (dir / "wrong.png").string() +
                ": it is not a PNG file");
  EXPECT_FALSE(fs::exists(dir / "missing.png"));
  TScenario unused;
  std::string message;
  EXPECT_FALSE(LoadScenario((dir / "none.yaml").string(), {}, unused, message));
  EXPECT_EQ(message,
            (dir / "none.yaml").string() + ":1:1: cannot read the file: No such file or directory");
}

TEST(ScenarioErrors, AnOatLevelOutsideTheSelectedUnitFailsItsStepAndWritesNothing) {
  TScenario scenario;
  std::string error;
  ASSERT_TRUE(
      ParseScenario("version: 1\nsteps:\n  - power: on\n  - set: {Settings.OatUnit: °F, "
                    "Settings.OatHighAlarm: 200}\n"
                    "  - set: {Settings.OatUnit: °C}\n  - set: {Settings.OatLowAlarm: 5, "
                    "Settings.OatHighAlarm: 160}\n",
                    "s.yaml", {}, scenario, error))
      << error;
  const TScenarioResult result = RunScenario(scenario, {});
  EXPECT_EQ(result.Outcome, TScenarioResult::Failed);
  EXPECT_EQ(result.Message,
            "s.yaml:6: Settings.OatHighAlarm 160 is outside -50..150 while Settings.OatUnit is °C");
  EXPECT_EQ(Settings.OatLowAlarm, 0) << "nothing of the step was written";
  EXPECT_EQ(Settings.OatHighAlarm, 200);
}

}  // namespace
