// The scenario text the window's recorder writes.
#include <gtest/gtest.h>

#include "host/RunLoop.h"
#include "scenario/ScenarioRecorder.h"

namespace {

constexpr std::time_t Start = 1796725230;  // 2026-12-08 10:20:30 UTC
constexpr int64_t Wall = Start * 1000LL;
uint8_t Frame[FrameBufferSize];

TEST(ScenarioRecorder, StepsOnTheirTicksWithWallClockComments) {
  TScenarioRecorder r;
  r.Start(Start, "volts: alarm");
  r.Power(5, Wall + 500, true);
  r.Press(5, Wall + 510, KeyKnobPlus);
  r.Press(5, Wall + 560, KeyKnobPlus);  // same tick: one step of two presses
  r.SetControl(31, Wall + 3123, TControl::Volts, 4000);
  r.SetControl(31, Wall + 3140, TControl::Volts, 4096);   // same tick: the last value
  r.Expect(30, Wall + 3150, "HomePage", 5, true, Frame);  // seen a tick before: no going back
  r.Finish(150);
  EXPECT_EQ(r.Text("demo"),
            "# Recorded in the simulator window on 2026-12-08 at 10:20 UTC.\n"
            "# Delays are whole ticks of 100 ms; the comments give the wall-clock time (UTC) of "
            "each step.\n"
            "name: \"volts: alarm\"\nversion: 1\nclock: 2026-12-08T10:20:30Z\nsteps:\n"
            "  - delay: 500ms\n"
            "  - power: on                                       # 10:20:30.5\n"
            "  - press: { key: plus, times: 2 }                  # 10:20:30.5\n"
            "  - delay: 2600ms\n"
            "  - set-control: { control: volts, value: 4096 }    # 10:20:33.1\n"
            "  - expect: { page: HomePage, Settings.HomeView: 5, lamp: red }  # 10:20:33.1\n"
            "  - take-screenshot: { compare-with: demo-1.png }\n"
            "  - delay: 11900ms\n");
}

TEST(ScenarioRecorder, UnwritableFileNamed) {
  TScenarioRecorder r;
  r.Start(Start, "x");
  r.Expect(0, Wall, "HomePage", 0, false, Frame);
  std::string error;
  EXPECT_FALSE(r.Write("/nonexistent/x.yaml", error));
  EXPECT_NE(error.find("/nonexistent/x-1.png"), std::string::npos) << error;
}

}  // namespace

namespace {

// Whatever the name, the text reads back as a scenario with that name (its
// control characters shown escaped).
TEST(ScenarioRecorder, NamesReadBackThroughYaml) {
  for (const std::string name :
       {"plain", "volts: alarm", "- dash", "#hash", "say \"hi\"", "two\nlines", "tab\there", "yes",
        "12", "'quoted'", "[list]", "{map}", "°F and ünïcode", " spaced "}) {
    TScenarioRecorder r;
    r.Start(Start, name);
    r.Power(1, Wall, true);
    r.Finish(3);
    TScenario scenario;
    std::string error;
    TScenarioOptions options;
    options.CheckFiles = false;
    ASSERT_TRUE(ParseScenario(r.Text("x"), "r.yaml", options, scenario, error))
        << name << ": " << error << "\n"
        << r.Text("x");
    EXPECT_EQ(scenario.Name, Printable(name));
    EXPECT_EQ(scenario.Clock, Start);
  }
}

}  // namespace
