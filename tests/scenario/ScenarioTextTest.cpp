// The clock of a scenario, a step's words for the status bar, and names
// made printable.
#include <gtest/gtest.h>

#include "scenario/Scenario.h"
#include "scenario/ScenarioText.h"
#include "scenario/StepWords.h"

namespace {

TEST(ScenarioText, ClocksAreRealTimesOfTheCentury) {
  const struct {
    const char* Text;
    TClockText Kind;
    std::time_t Seconds;
  } cases[] = {
      {"2000-01-01T00:00:00Z", TClockText::Real, 946684800},
      {"2000-03-01T00:00:00Z", TClockText::Real, 951868800},
      {"2026-12-08T10:20:30Z", TClockText::Real, 1796725230},
      {"2028-02-29T23:59:59Z", TClockText::Real, 1835481599},
      {"2099-12-31T23:59:59Z", TClockText::Real, 4102444799},
      {"1999-12-31T23:59:59Z", TClockText::NotReal, 0},
      {"2100-01-01T00:00:00Z", TClockText::NotReal, 0},
      {"2026-02-29T00:00:00Z", TClockText::NotReal, 0},
      {"2026-04-31T00:00:00Z", TClockText::NotReal, 0},
      {"2026-00-10T00:00:00Z", TClockText::NotReal, 0},
      {"2026-13-10T00:00:00Z", TClockText::NotReal, 0},
      {"2026-01-00T00:00:00Z", TClockText::NotReal, 0},
      {"2026-01-01T24:00:00Z", TClockText::NotReal, 0},
      {"2026-01-01T00:60:00Z", TClockText::NotReal, 0},
      {"2026-01-01T00:00:60Z", TClockText::NotReal, 0},
      {"2026-01-01T00:00:-1Z", TClockText::Misshapen, 0},
      {"2026-12-08T-1:20:30Z", TClockText::Misshapen, 0},
      {"2026-+1-01T00:00:00Z", TClockText::Misshapen, 0},
      {"2026-1-01T00:00:00Z", TClockText::Misshapen, 0},
      {"2026-01-01 00:00:00Z", TClockText::Misshapen, 0},
      {"2026-01-01T00:00:00", TClockText::Misshapen, 0},
      {"2026-01-01T00:00:00Z ", TClockText::Misshapen, 0},
      {"", TClockText::Misshapen, 0},
  };
  for (const auto& c : cases) {
    std::time_t seconds = 0;
    EXPECT_EQ(ParseClock(c.Text, seconds), c.Kind) << c.Text;
    EXPECT_EQ(seconds, c.Seconds) << c.Text;
  }
}

TEST(ScenarioText, AStepsOwnWordsOnOneLine) {
  const std::string longStep = "  - expect: { page: HomePage, " + std::string(200, 'x') + " }\n";
  const struct {
    std::string Text;
    int Pos;
    std::string Shown;
  } cases[] = {
      {"  - press: { key: minus, times: 3 }   # 10:20:30.5\n", 4,
       "press: { key: minus, times: 3 }"},
      {"steps: [{press: plus}, {delay: 1s}]\n", 8, "{press: plus}"},
      {"steps: [{press: plus}, {delay: 1s}]\n", 23, "{delay: 1s}"},
      {"  - delay: 1s\r\n  - press: left\n", 4, "delay: 1s"},
      {"  - delay: 1s", 4, "delay: 1s"},
      {longStep, 4, "expect: { page: HomePage, " + std::string(71, 'x') + "..."},
      {"  - set: {a: \"\x1b[2J\"}\n", 4, "set: {a: \"\\x1b[2J\"}"},
      {"x", 5, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StepText(c.Text, c.Pos), c.Shown) << c.Text;
}

// The status line says every kind of step in words, never as it is written.
TEST(ScenarioText, EveryKindOfStepInWords) {
  const char* text =
      "version: 1\nsteps:\n  - set-control: {control: volts, value: 1600}\n  - power: on\n  - "
      "press: knob\n"
      "  - delay: 1s\n  - set: {Settings.HomeView: 1}\n  - expect: {lamp: dark}\n"
      "  - say: Hello\n  - wait-until: {until: {lamp: dark}, within: 2s}\n"
      "  - print: [Volts]\n  - set-input: {volts: 14.2 V, over: 2s}\n"
      "  - set-input: {volts: 14 V, oat: 5 °C}\n  - play-log: stop\n";
  TScenarioOptions options;
  options.CheckFiles = false;
  TScenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(text, "s.yaml", options, scenario, error)) << error;
  for (const TStep& step : scenario.Steps) {
    const std::string words = StepSentence(step);
    EXPECT_FALSE(words.empty() || words == step.Text) << "line " << step.Line << ": " << words;
  }
  EXPECT_EQ(StepSentence(scenario.Steps[9]), "Setting the Volts input over 2 s");
  EXPECT_EQ(StepSentence(scenario.Steps[10]), "Setting 2 inputs");
}

TEST(ScenarioText, ControlCharactersAreEscaped) {
  EXPECT_EQ(Printable("plain °F text"), "plain °F text");
  EXPECT_EQ(Printable("a\nPASS b\tc\rd\x1b[31m\x7f"), "a\\nPASS b\\tc\\rd\\x1b[31m\\x7f");
  EXPECT_EQ(Printable(std::string("nul\0end", 7)), "nul\\x00end");
  EXPECT_EQ(Printable("a\u202Eb\u2066c\u200Bd\xd8\x9c"
                      "e\u00e9"),
            "a\\u202Eb\\u2066c\\u200Bd\\u061Ce\u00e9");
}

}  // namespace
