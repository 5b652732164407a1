// The scenario text the window's recorder writes, and the file it writes as
// it goes: a part that loads and replays after every step and after a crash.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "host/RunLoop.h"
#include "scenario/ScenarioRecorder.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

constexpr std::time_t Start = 1796725230;  // 2026-12-08 10:20:30 UTC
constexpr int64_t Wall = Start * 1000LL;
uint8_t Frame[FrameBufferSize];

// A fresh folder for the case, with a file outside it to protect.
fs::path Folder() {
  const fs::path dir = OwnTempPath("axim7-recorder");
  fs::remove_all(dir);
  fs::create_directories(dir / "outside");
  std::ofstream(dir / "outside" / "victim") << "precious";
  return dir;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The steps of a file as the runner loads them, one letter a kind ("" when it
// does not load): c set-control, p power, k press, d delay, s set, e expect,
// S take-screenshot.
std::string Loaded(const fs::path& file, TScenario* into = nullptr) {
  TScenario scenario;
  std::string error, kinds;
  if (!LoadScenario(file.string(), {}, scenario, error)) return "";
  for (const TStep& step : scenario.Steps) kinds += "cpkdseSRR"[static_cast<int>(step.Kind)];
  if (into) *into = scenario;
  return kinds;
}

TEST(ScenarioRecorder, StepsOnTheirTicksWithWallClockComments) {
  const fs::path dir = Folder();
  TScenarioRecorder r;
  std::string error;
  ASSERT_TRUE(r.Start((dir / "demo.yaml").string(), Start, "volts: alarm", error)) << error;
  r.Power(5, Wall + 500, true);
  r.Press(5, Wall + 510, KeyKnobPlus);
  r.Press(5, Wall + 560, KeyKnobPlus);  // same tick: one step of two presses
  r.SetControl(31, Wall + 3123, TControl::Volts, 4000);
  r.SetControl(31, Wall + 3140, TControl::Volts, 4096);   // same tick: the last value
  r.Expect(30, Wall + 3150, "HomePage", 5, true, Frame);  // seen a tick before: no going back
  r.Set(31, Wall + 3160, *FindField("Settings.HomeView"), 1);
  r.Set(31, Wall + 3170, *FindField("Settings.HomeView"), 2);  // same tick: the last value
  r.Set(31, Wall + 3180, *FindField("Calibration.Axis[0].AxisPosScale"), 0.0033f);
  ASSERT_TRUE(r.Finish(150, error)) << error;
  const std::string text =
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
      "  - set: { Settings.HomeView: 2 }                   # 10:20:33.1\n"
      "  - set: { \"Calibration.Axis[0].AxisPosScale\": 0.0033 }  # 10:20:33.1\n"
      "  - delay: 11900ms\n";
  EXPECT_EQ(r.Text("demo"), text);
  EXPECT_EQ(Slurp(dir / "demo.yaml"), text);
  EXPECT_EQ(Loaded(dir / "demo.yaml"), "dpkdceSssd");
  EXPECT_TRUE(r.PartPath().empty());
  EXPECT_FALSE(fs::exists(dir / PartName("demo.yaml")));
}

// After every kind of step the part on disk loads, with every step recorded
// so far but the one in hand (a press, control or set that may still merge).
TEST(ScenarioRecorder, ThePartLoadsAfterEveryStep) {
  const fs::path dir = Folder();
  const fs::path part = dir / PartName("demo.yaml");
  TScenarioRecorder r;
  std::string error;
  ASSERT_TRUE(r.Start((dir / "demo.yaml").string(), Start, "demo", error)) << error;
  EXPECT_EQ(r.PartPath(), part.string());
  EXPECT_EQ(Loaded(part), "") << "the head alone holds no step yet";
  const struct {
    std::function<void()> Step;
    const char* Kinds;
  } cases[] = {
      {[&] { r.Power(5, Wall, true); }, "dp"},
      {[&] { r.Press(5, Wall, KeyKnobMinus); }, "dp"},
      {[&] { r.Press(5, Wall, KeyKnobMinus); }, "dp"},
      {[&] { r.SetControl(8, Wall, TControl::Volts, 1500); }, "dpkd"},
      {[&] { r.Set(8, Wall, *FindField("Settings.HomeView"), 2); }, "dpkdc"},
      {[&] { r.Expect(9, Wall, "HomePage", 2, false, Frame); }, "dpkdcsdeS"},
      {[&] { r.Power(9, Wall, false); }, "dpkdcsdeSp"},
      {[&] { r.Press(12, Wall, KeyKnobPlus); }, "dpkdcsdeSpd"},
  };
  for (const auto& c : cases) {
    c.Step();
    EXPECT_EQ(Loaded(part), c.Kinds);
    EXPECT_EQ(r.Error(), "");
  }
  TScenario scenario;
  Loaded(part, &scenario);
  EXPECT_EQ(scenario.Steps[2].Times, 3 - 1) << "the merged presses";
  EXPECT_TRUE(fs::exists(dir / "demo-1.png")) << "the reference is written with its step";
  ASSERT_TRUE(r.Finish(20, error)) << error;
  EXPECT_EQ(Loaded(dir / "demo.yaml"), "dpkdcsdeSpdkd");
  EXPECT_FALSE(fs::exists(part));
}

// Finish fails: the part stays, and SaveAs writes the recording elsewhere;
// no link planted under the final or the part name is followed.
TEST(ScenarioRecorder, AFailedFinishKeepsThePartForSaveAs) {
  const struct {
    const char* Name;
    std::function<void(const fs::path& dir)> After;  // done after Start
    const char* Error;
  } cases[] = {
      {"a folder at the final name", [](const fs::path& d) { fs::create_directory(d / "r.yaml"); },
       "r.yaml: it is a folder now, not a regular file."},
      {"a link at the final name",
       [](const fs::path& d) { fs::create_symlink(d / "outside" / "victim", d / "r.yaml"); },
       "r.yaml: it is a symbolic link now, not a regular file."},
      {"the part replaced by a link",
       [](const fs::path& d) {
         fs::remove(d / PartName("r.yaml"));
         fs::create_symlink(d / "outside" / "victim", d / PartName("r.yaml"));
       },
       "was replaced."},
      {"a folder at the reference's name",
       [](const fs::path& d) { fs::create_directory(d / "r-1.png"); },
       "r-1.png: it is a folder, not a regular file."},
      {"a full disk",
       [](const fs::path&) {
         const rlimit limit{400, RLIM_INFINITY};
         setrlimit(RLIMIT_FSIZE, &limit);
       },
       ": File too large."},
  };
  signal(SIGXFSZ, SIG_IGN);
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  for (const auto& c : cases) {
    const fs::path dir = Folder();
    fs::create_symlink(dir / "outside" / "victim", dir / PartName("r.yaml"));
    TScenarioRecorder r;
    std::string error;
    ASSERT_TRUE(r.Start((dir / "r.yaml").string(), Start, "r", error)) << c.Name << ": " << error;
    c.After(dir);
    r.Power(1, Wall, true);
    r.Expect(2, Wall, "HomePage", 0, false, Frame);
    for (uint32_t tick = 3; tick < 40; ++tick) r.Press(tick, Wall, KeyKnobPlus);
    const bool finished = r.Finish(50, error);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(Slurp(dir / "outside" / "victim"), "precious") << c.Name;
    ASSERT_FALSE(finished) << c.Name;
    EXPECT_EQ(error.rfind("Could not write " + dir.string() + "/", 0), 0u) << error;
    EXPECT_NE(error.find(c.Error), std::string::npos) << c.Name << ": " << error;
    EXPECT_EQ(r.Error(), error);
    EXPECT_TRUE(fs::exists(fs::symlink_status(r.PartPath()))) << c.Name << ": the part is kept";
    ASSERT_TRUE(r.SaveAs((dir / "saved.yaml").string(), error)) << c.Name << ": " << error;
    EXPECT_EQ(Loaded(dir / "saved.yaml").substr(0, 5), "dpdeS") << c.Name;
    EXPECT_TRUE(fs::exists(dir / "saved-1.png")) << c.Name;
    EXPECT_TRUE(r.PartPath().empty()) << c.Name;
  }
}

TEST(ScenarioRecorder, UnwritableFileNamed) {
  TScenarioRecorder r;
  std::string error;
  EXPECT_FALSE(r.Start("/nonexistent/x.yaml", Start, "x", error));
  EXPECT_EQ(error, "Could not write /nonexistent/x.yaml: the folder /nonexistent does not exist.");
  EXPECT_FALSE(r.Active());
}

}  // namespace

namespace {

// Whatever the name, the text reads back as a scenario with that name (its
// control characters shown escaped), also when its pictures are named after it.
TEST(ScenarioRecorder, NamesReadBackThroughYaml) {
  const fs::path dir = Folder();
  for (const std::string name :
       {"plain", "volts: alarm", "- dash", "#hash", "say \"hi\"", "two\nlines", "tab\there", "yes",
        "12", "'quoted'", "[list]", "{map}", "°F and ünïcode", " spaced "}) {
    TScenarioRecorder r;
    std::string error;
    ASSERT_TRUE(r.Start((dir / "n.yaml").string(), Start, name, error)) << error;
    r.Power(1, Wall, true);
    r.Expect(2, Wall, nullptr, 0, false, Frame);
    ASSERT_TRUE(r.Finish(3, error)) << error;
    TScenario scenario;
    TScenarioOptions options;
    options.CheckFiles = false;
    ASSERT_TRUE(ParseScenario(r.Text(name), "r.yaml", options, scenario, error))
        << name << ": " << error << "\n"
        << r.Text(name);
    EXPECT_EQ(scenario.Name, Printable(name));
    EXPECT_EQ(scenario.Clock, Start);
    EXPECT_EQ(scenario.Steps[4].ReferenceLabel, Printable(name + "-1.png"));
  }
}

}  // namespace
