// A recording made by a scenario lasts exactly as long as the steps it spans,
// with no frame under 2 cs, and is written only inside its folder, also by
// several runs of one file at once.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

TEST(ScenarioRecording, TheGifLastsTheTimeOfItsSteps) {
  const fs::path dir = OwnTempPath("axim7-scenario-gif");
  fs::remove_all(dir);
  const struct {
    const char* Steps;
    int Centiseconds;
  } cases[] = {
      {"  - record: { save-to: r.gif }\n  - delay: 2500ms\n  - record: stop\n", 250},
      // Keys pressed on the last tick: their frames are shown, the length stays.
      {"  - power: on\n  - record: { save-to: r.gif }\n  - delay: 1s\n  - press: plus\n"
       "  - press: { key: minus, times: 3 }\n  - record: stop\n",
       100},
      // Running to the end of the file finishes it.
      {"  - power: on\n  - delay: 300ms\n  - record: { save-to: r.gif, scale: 2 }\n"
       "  - delay: 61s\n  - press: left\n  - delay: 100ms\n",
       6110},
  };
  for (const auto& c : cases) {
    TScenario scenario;
    std::string error;
    TScenarioOptions options;
    options.OutDir = (dir / "out").string();
    ASSERT_TRUE(ParseScenario(std::string("version: 1\nsteps:\n") + c.Steps,
                              (dir / "s.yaml").string(), options, scenario, error))
        << error;
    const TScenarioResult result = RunScenario(scenario, options);
    ASSERT_EQ(result.Outcome, TScenarioResult::Passed) << result.Message;
    ASSERT_EQ(result.Written, std::vector<std::string>{(dir / "out" / "r.gif").string()});
    int code = 0;
    GifFileType* gif = DGifOpenFileName((dir / "out" / "r.gif").c_str(), &code);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    int sum = 0;
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock control{};
      DGifSavedExtensionToGCB(gif, i, &control);
      EXPECT_GE(control.DelayTime, 2) << c.Steps << " frame " << i;
      sum += control.DelayTime;
    }
    EXPECT_EQ(sum, c.Centiseconds) << c.Steps;
    DGifCloseFile(gif, &code);
    EXPECT_FALSE(fs::exists(dir / "out" / "r.gif.part"));
  }
  fs::remove_all(dir);
}

// Four runners of one file at once: each writes its screenshot and its
// recording under a part name of its own, and each passes.
TEST(ScenarioRecording, FourRunsOfOneFileAtOnceAllPass) {
  const fs::path dir = OwnTempPath("axim7-scenario-four");
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "s.yaml") << "version: 1\nsteps:\n  - power: on\n"
                                   "  - record: { save-to: r.gif, scale: 8 }\n"
                                   "  - take-screenshot: { save-to: shot.png, scale: 8 }\n"
                                   "  - delay: 3s\n  - take-screenshot: { save-to: shot.png }\n";
  const std::string command = "cd " + dir.string() +
                              " && for i in 1 2 3 4; do (" AXIM_SCENARIO_RUNNER
                              " s.yaml > out.$i 2>&1; echo status $? >> out.$i) & done; wait";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (int i = 1; i <= 4; ++i) {
    std::ifstream in(dir / ("out." + std::to_string(i)));
    const std::string out((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(out.find("1 passed, 0 failed, 3 files written\nstatus 0\n"), std::string::npos)
        << out;
  }
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_NE(entry.path().extension(), ".part") << entry.path();
  fs::remove_all(dir);
}

}  // namespace
