// The one step driver as a host that shows the playback uses it: the same
// verdict as headless however late the host's timer comes, the hand-over to
// the user, the dealer's rounds, and the clock given back whole.
#include <gtest/gtest.h>

#include <string>

#include "scenario/Scenario.h"
#include "scenario/ScenarioDriver.h"

namespace {

// A host whose real time is the test's; a sleeping one (a page in a hidden
// tab) calls back late.
struct TFakeHost : TScenarioHost {
  double Now = 0;
  double Due = -1;
  int Late = 0;
  int Ends = 0;
  TPlayEnd End = TPlayEnd::Stopped;
  std::string Message;
  void After(int ms) override { Due = Now + ms + Late; }
  void Cancel() override { Due = -1; }
  double NowMs() override { return Now; }
  void Ended(TPlayEnd end, const std::string& message) override {
    End = end;
    Message = message;
    ++Ends;
  }
  void RunUntil(TScenarioDriver& driver, double until) {
    while (Due >= 0 && Due <= until) {
      Now = Due;
      Due = -1;
      driver.Continue();
    }
    Now = until;
  }
};

// Keys, a delay and the stopwatch: 1 s of ticks between start and stop.
const char Stopwatch[] = R"(version: 1
steps:
  - set-control: { control: volts, value: 1467 }
  - set-control: { control: current, value: 2048 }
  - set-control: { control: oat, value: 2260 }
  - power: on
  - press: { key: plus, times: 2 }
  - press: left
  - delay: 1s
  - press: left
  - expect: { Settings.HomeView: 2, StopwatchCount: "00:00:01.0" }
  - delay: 5s
)";

// The same 1 s waited for: it ends on the tick that holds.
const char StopwatchWait[] = R"(version: 1
steps:
  - set-control: { control: volts, value: 1467 }
  - set-control: { control: current, value: 2048 }
  - set-control: { control: oat, value: 2260 }
  - power: on
  - press: { key: plus, times: 2 }
  - press: left
  - wait-until: { until: { StopwatchCount: "00:00:01.0" }, within: 5s }
  - expect: { StopwatchCount: 10 }
)";

TScenario Parse(const char* text) {
  TScenario scenario;
  std::string error;
  TScenarioOptions options;
  options.CheckFiles = false;
  EXPECT_TRUE(ParseScenario(text, "s.yaml", options, scenario, error)) << error;
  return scenario;
}

TEST(ScenarioDriver, ShownPlaybackGivesTheRunnersVerdictHoweverLateTheHost) {
  for (const char* text : {Stopwatch, StopwatchWait})
    for (const int late : {0, 900, 60000}) {
      ASSERT_EQ(RunScenario(Parse(text), {}).Outcome, TScenarioResult::Passed);
      SCOPED_TRACE(std::string(text) + "late by " + std::to_string(late) + " ms");
      PanelClock = TPanelClock{TClockMode::Fixed, 1767225600, 0};
      TFakeHost host;
      host.Late = late;
      TScenarioDriver driver(&host);
      driver.Play(Parse(text), {});
      EXPECT_TRUE(driver.Playing());
      EXPECT_EQ(FrontPanel.Driven, 1);
      host.RunUntil(driver, 1e9);
      EXPECT_EQ(host.End, TPlayEnd::Passed) << host.Message;
      EXPECT_EQ(FrontPanel.Driven, 0) << "the host runs its own passes again";
      EXPECT_EQ(PanelClock.Mode, TClockMode::Fixed) << "the clock given back";
    }
}

TEST(ScenarioDriver, TheUserTakesOverAndADealersRoundStartsAfterTheIdleWait) {
  const struct {
    bool Loop;
    const char* Deed;
    int Rounds;  // after a minute and a half of quiet
  } cases[] = {{false, "Scenario stopped: a key was pressed", 1},
               {true, "Scenario stopped: the Volts input was moved", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Deed);
    TFakeHost host;
    TScenarioDriver driver(&host);
    driver.Loop = c.Loop;
    driver.Play(Parse(Stopwatch), {});
    host.RunUntil(driver, 700);
    ASSERT_TRUE(driver.Playing());
    if (c.Loop)
      PanelSetInput(TPanelInput::Volts, 100);
    else
      PanelPress(KeyRight);
    EXPECT_EQ(host.End, TPlayEnd::Interrupted);
    EXPECT_EQ(host.Message, c.Deed);
    EXPECT_FALSE(driver.Playing());
    EXPECT_EQ(driver.VisitorsTurn(), c.Loop);
    host.RunUntil(driver, 700 + 30000);
    PanelPress(KeyLeft);  // the visitor again: the minute starts anew
    host.RunUntil(driver, 700 + 89000);
    EXPECT_EQ(driver.Rounds(), 1);
    host.RunUntil(driver, 700 + 91000);
    EXPECT_EQ(driver.Rounds(), c.Rounds);
    EXPECT_EQ(driver.Playing(), c.Loop);
  }
}

}  // namespace
