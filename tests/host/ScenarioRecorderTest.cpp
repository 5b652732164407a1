// The scenario text the window's recorder writes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "host/RunLoop.h"
#include "host/ScenarioRecorder.h"

namespace {

constexpr std::time_t Start = 1796725230;  // 2026-12-08 10:20:30 UTC
constexpr int64_t Wall = Start * 1000LL;

TEST(ScenarioRecorder, StepsOnTheirTicksWithWallClockComments) {
  static uint8_t frame[FrameBufferSize];
  TScenarioRecorder r;
  r.Start(Start, "volts: alarm");
  r.SetControl(0, Wall, TControl::Volts, 0);
  r.Power(5, Wall + 500, true);
  r.Press(5, Wall + 510, KeyKnobPlus);
  r.Press(5, Wall + 560, KeyKnobPlus);  // same tick: one step of two presses
  r.Press(6, Wall + 600, KeyKnobPlus);
  r.SetControl(31, Wall + 3123, TControl::Volts, 4096);
  r.Expect(30, Wall + 3150, "HomePage", 5, true, frame);  // seen a tick before: no going back
  r.Power(131, Wall + 13100, false);
  r.Expect(131, Wall + 13200, nullptr, 0, false, frame);
  r.Finish(150);
  const std::string text = r.Text("demo");
  TScenario parsed;
  TScenarioOptions options;
  options.CheckFiles = false;
  std::string error;
  EXPECT_TRUE(ParseScenario(text, "demo.yaml", options, parsed, error)) << error;
  EXPECT_EQ(text,
            "# Recorded in the simulator window on 2026-12-08 at 10:20 UTC.\n"
            "# Delays are whole ticks of 100 ms; the comments give the wall-clock time (UTC) of "
            "each step.\n"
            "name: \"volts: alarm\"\nversion: 1\nclock: 2026-12-08T10:20:30Z\nsteps:\n"
            "  - set-control: { control: volts, value: 0 }       # 10:20:30.0\n"
            "  - delay: 500ms\n"
            "  - power: on                                       # 10:20:30.5\n"
            "  - press: { key: plus, times: 2 }                  # 10:20:30.5\n"
            "  - delay: 100ms\n"
            "  - press: plus                                     # 10:20:30.6\n"
            "  - delay: 2500ms\n"
            "  - set-control: { control: volts, value: 4096 }    # 10:20:33.1\n"
            "  - expect: { page: HomePage, Settings.HomeView: 5, lamp: red }  # 10:20:33.1\n"
            "  - take-screenshot: { compare-with: demo-1.png }\n"
            "  - delay: 10s\n"
            "  - power: off                                      # 10:20:43.1\n"
            "  - expect: { Settings.HomeView: 0, lamp: dark }    # 10:20:43.2\n"
            "  - take-screenshot: { compare-with: demo-2.png }\n"
            "  - delay: 1900ms\n");
}

TEST(ScenarioRecorder, UnwritableFileNamedAndTheOldOneKept) {
  static uint8_t frame[FrameBufferSize];
  TScenarioRecorder r;
  r.Start(Start, "x");
  r.Expect(0, Wall, "HomePage", 0, false, frame);
  std::string error;
  EXPECT_FALSE(r.Write("/nonexistent/x.yaml", error));
  EXPECT_NE(error.find("/nonexistent/x-1.png"), std::string::npos) << error;
  // A folder in the scenario's place is named and left alone.
  const auto dir = std::filesystem::temp_directory_path() / "recorder-test";
  std::filesystem::create_directories(dir / "x.yaml");
  EXPECT_FALSE(r.Write((dir / "x.yaml").string(), error));
  EXPECT_NE(error.find((dir / "x.yaml").string()), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "x.yaml"));
  std::filesystem::remove_all(dir);
}

}  // namespace
