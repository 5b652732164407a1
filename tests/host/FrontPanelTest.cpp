// The one front panel: every input at its ends and one past them, what the
// instrument then has and what it reads as, keys taken and dropped, who made
// a change, when a pass is due, and the clock a playback swaps as a value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Core.h"
#include "host/FrontPanel.h"
#include "pages/Pages.h"

namespace {

std::string Reading(TPanelInput input, int32_t count) {
  char text[64];
  PanelReading(input, count, text, sizeof text);
  return text;
}

TEST(FrontPanel, InputsAtTheirEndsAndPastThem) {
  PanelProgramStart();
  EXPECT_EQ(FrontPanel.Position[1], 2048) << "the current's bar starts in the middle";
  EXPECT_EQ(PanelInputValue(TPanelInput::Current), 0) << "its input stays 0 until moved";
  EXPECT_EQ(Reading(TPanelInput::Current, PanelInputValue(TPanelInput::Current)),
            "0 counts: -20.4 A");
  const struct {
    TPanelInput Input;
    int32_t Position;
    bool Taken;
    const char* Reads;  // off: under the defaults
  } cases[] = {
      {TPanelInput::Volts, 0, true, "0 counts: 0.9 V"},
      {TPanelInput::Volts, 1648, true, "1648 counts: 15.5 V"},
      {TPanelInput::Volts, 4097, false, ""},
      {TPanelInput::Current, 2048, true, "2048 counts: 0.0 A"},
      {TPanelInput::Oat, -1, false, ""},
      {TPanelInput::X, -300, true, "-300: -0.99 g"},
      {TPanelInput::Y, -1, true, "-1: -0.00 g"},
      {TPanelInput::Z, 300, true, "300: 0.99 g"},
      {TPanelInput::Z, 301, false, ""},
      {TPanelInput::Calibrate, 0, true, ""},
      {TPanelInput::Calibrate, 2, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(PanelRow(c.Input).Name) + " " + std::to_string(c.Position));
    const int32_t before = PanelInputValue(c.Input);
    EXPECT_EQ(PanelSetInput(c.Input, c.Position), c.Taken);
    EXPECT_EQ(PanelInputValue(c.Input), c.Taken ? c.Position : before);
    EXPECT_EQ(Reading(c.Input, c.Position), c.Reads);
  }
  // The axes as the chip presents them: two's complement, low byte first.
  PanelSetInput(TPanelInput::X, -1);
  PanelSetInput(TPanelInput::Y, 300);
  EXPECT_EQ(AccelRegisters[0], 255);
  EXPECT_EQ(AccelRegisters[1], 255);
  EXPECT_EQ(AccelRegisters[2], 44);
  EXPECT_EQ(AccelRegisters[3], 1);
}

struct THeard {
  std::vector<TPanelChange> Changes;
  static void Hear(const TPanelChange& change, void* context) {
    static_cast<THeard*>(context)->Changes.push_back(change);
  }
};

TEST(FrontPanel, ChangesAreToldWithWhoMadeThemAndAskForAPass) {
  PanelProgramStart();
  // 14.0 V, 0 A, 14 °C: no alarm for the first key to acknowledge.
  PanelSetInput(TPanelInput::Volts, 1479);
  PanelSetInput(TPanelInput::Current, 2048);
  PanelSetInput(TPanelInput::Oat, 2384);
  THeard heard;
  ASSERT_TRUE(PanelListen(THeard::Hear, &heard));
  EXPECT_FALSE(PanelPass()) << "off: no pass";
  EXPECT_FALSE(PanelWantsPass());
  PanelOn();
  EXPECT_TRUE(PanelWantsPass());
  EXPECT_TRUE(PanelPass());
  EXPECT_FALSE(PanelWantsPass()) << "a pass that changed nothing asks for no other";
  EXPECT_TRUE(PanelPress(KeyKnobPress));
  EXPECT_FALSE(PanelPress(KeyLeft)) << "a key pending: dropped";
  EXPECT_FALSE(PanelPress(9)) << "no such key";
  EXPECT_TRUE(PanelPass());
  EXPECT_EQ(PageHandler, MainMenuPage);
  EXPECT_TRUE(PanelWantsPass()) << "the new page is drawn on the next pass";
  PanelPass();
  EXPECT_FALSE(PanelWantsPass());
  ++FrontPanel.Acting;
  PanelSetInput(TPanelInput::Volts, 100);
  --FrontPanel.Acting;
  PanelSetField(*FindField("Settings.HomeView"), 3);
  PanelSetField(*FindField("AccelRegisters[3]"), 255);  // Y's high byte: -256
  EXPECT_EQ(FrontPanel.Position[4], -256) << "the bar stands where the instrument is";
  PanelTick();
  EXPECT_TRUE(PanelWantsPass());
  PanelOff();
  EXPECT_FALSE(PanelPass());
  EXPECT_EQ(FrontPanel.Running, 0);
  PanelUnlisten(THeard::Hear, &heard);
  PanelSetInput(TPanelInput::Volts, 0);

  std::vector<std::string> told;
  for (const TPanelChange& c : heard.Changes)
    if (c.Event != TPanelEvent::Pass)
      told.push_back(std::to_string(static_cast<int>(c.Event)) + ":" + std::to_string(c.Which) +
                     "=" + std::to_string(c.Value) +
                     (c.Actor == TPanelActor::Scenario ? " by the scenario" : ""));
  const std::vector<std::string> expected = {"2:0=1", "1:3=1", "1:1=0", "0:0=100 by the scenario",
                                             "3:0=0", "3:0=0", "4:0=0", "2:0=0"};
  EXPECT_EQ(told, expected);
}

TEST(FrontPanel, TheClockIsARecordSavedAndGivenBackWhole) {
  PanelClock = TPanelClock{TClockMode::Fixed, 1767225600, 0};
  PanelProgramStart();
  EXPECT_EQ(HostClock(), 1767225600) << "program start keeps the clock's mode";
  const TPanelClock saved = PanelClock;
  PanelClock = TPanelClock{TClockMode::Ticking, 1000, 0};
  for (int i = 0; i < 25; ++i) PanelTick();
  EXPECT_EQ(HostClock(), 1002) << "2.5 s of ticks";
  PanelClock = saved;
  EXPECT_EQ(HostClock(), 1767225600);
  PanelClock = TPanelClock{};
  EXPECT_GT(HostClock(), 1767225600) << "the system's clock";
}

}  // namespace
