// The security code entry from the home page: digits, purposes, refusal.
#include "PageCheck.h"

namespace {

using test::Press;
using test::PressTimes;

class CodeEntryTest : public test::PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    Settings.SecurityEnabled = 1;
  }

  // Dials the four digits and presses the knob after each.
  void Enter(int d0, int d1, int d2, int d3) {
    for (int digit : {d0, d1, d2, d3}) {
      PressTimes(KeyKnobPlus, digit);
      Press(KeyKnobPress);
    }
  }

  // Raises the G maximum and the volts maximum above the present readings.
  void WidenTheMemories() {
    test::SettleAxes(300, 0, 300);
    test::SetInputs(test::Volts14_5, test::Amps5_2, test::Oat20);
    test::Pass();
    test::SettleAxes(0, 0, 300);
    test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat20);
    test::Pass();
    ASSERT_GT(MinMax.GMax, 1.3f);
    ASSERT_EQ(MinMax.VoltsMax, 145);
  }
};

TEST_F(CodeEntryTest, KnobPressOpensTheEntryAndTheRightCodeTheMenu) {
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, CodeEntryPage);
  EXPECT_EQ(CodeEntryPurpose, 0);
  Enter(6, 2, 8, 3);
  EXPECT_EQ(PageHandler, MainMenuPage);
  EXPECT_EQ(MenuState.Selection, 0);
  for (uint8_t digit : MenuState.CodeDigits) EXPECT_EQ(digit, 0);
}

TEST_F(CodeEntryTest, TheMasterCodeIsAcceptedWhateverTheCodeIs) {
  Settings.SecurityCode = 1234;
  Press(KeyKnobPress);
  Enter(7, 3, 1, 8);
  EXPECT_EQ(PageHandler, MainMenuPage);
}

TEST_F(CodeEntryTest, AWrongCodeShowsCodeErrorAndAnyKeyReturnsToTheSameView) {
  ShowView(5);
  Press(KeyKnobPress);
  Enter(1, 1, 1, 1);
  EXPECT_EQ(PageHandler, CodeMessagePage);
  EXPECT_EQ(MenuState.PendingCode, 0);
  EXPECT_EQ(MenuState.ReturnPage, HomePage);
  for (uint8_t digit : MenuState.CodeDigits) EXPECT_EQ(digit, 1) << "digits stay";
  test::Pass();
  EXPECT_TRUE(test::ShowsText(110, 45, "CODE", 10, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(110, 63, "ERROR", 10, AlignCentre, ColourWhite));
  Press(KeyKnobMinus);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(Settings.HomeView, 5) << "the key only left the message";
  Press(KeyKnobPress);
  for (uint8_t digit : MenuState.CodeDigits) EXPECT_EQ(digit, 0) << "cleared on opening";
}

TEST_F(CodeEntryTest, DigitsWrapAndEachIsEditedOnItsOwn) {
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.CodeDigits[0], 9);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.CodeDigits[0], 0);
  PressTimes(KeyKnobPlus, 9);
  Press(KeyKnobPress);
  EXPECT_EQ(MenuState.Selection, 1);
  Press(KeyKnobPlus);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, CodeEntryPage) << "right key does nothing";
  EXPECT_EQ(MenuState.CodeDigits[0], 9);
  EXPECT_EQ(MenuState.CodeDigits[1], 1);
  EXPECT_EQ(MenuState.CodeDigits[2], 0);
  EXPECT_TRUE(test::ShowsText(50, 61, "9", 20, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(70, 61, "1", 20, AlignCentre, ColourRed));
  EXPECT_TRUE(test::ShowsText(90, 61, "0", 20, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(80, 30, "ENTER SECURITY", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::ShowsText(80, 45, "CODE", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(test::TitleShows("SECURITY"));
  EXPECT_TRUE(test::LeftCellShows("EXIT"));
}

TEST_F(CodeEntryTest, ExitReturnsHomeWithoutResetting) {
  WidenTheMemories();
  ShowView(7);
  Press(KeyLeft);
  ASSERT_EQ(PageHandler, CodeEntryPage);
  EXPECT_EQ(CodeEntryPurpose, 2);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(MinMax.VoltsMax, 145);
}

TEST_F(CodeEntryTest, ViewSevenResetsEveryMemoryAfterTheCode) {
  WidenTheMemories();
  ShowView(7);
  Press(KeyLeft);
  Enter(6, 2, 8, 3);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(Settings.HomeView, 7);
  EXPECT_EQ(MinMax.VoltsMax, 137);
  EXPECT_LT(MinMax.GMax, 1.0f);
}

TEST_F(CodeEntryTest, ViewSixResetsOnlyTheGMemoryAfterTheCode) {
  WidenTheMemories();
  ShowView(6);
  Press(KeyLeft);
  ASSERT_EQ(PageHandler, CodeEntryPage);
  EXPECT_EQ(CodeEntryPurpose, 1);
  Enter(6, 2, 8, 3);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_LT(MinMax.GMax, 1.0f);
  EXPECT_EQ(MinMax.VoltsMax, 145);
}

TEST_F(CodeEntryTest, ViewFiveAsksForTheCodeOnlyWithTheSlipDisplayOff) {
  WidenTheMemories();
  ShowView(5);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage) << "slip display on: no code";
  EXPECT_LT(MinMax.GMax, 1.0f);
  EXPECT_EQ(MinMax.VoltsMax, 145);

  WidenTheMemories();
  Settings.SlipDisplay = 0;
  Press(KeyLeft);
  ASSERT_EQ(PageHandler, CodeEntryPage);
  EXPECT_EQ(CodeEntryPurpose, 1);
  Enter(7, 3, 1, 8);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_LT(MinMax.GMax, 1.0f);
}

TEST_F(CodeEntryTest, WithoutSecurityTheKeysActAtOnce) {
  Settings.SecurityEnabled = 0;
  WidenTheMemories();
  ShowView(7);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(MinMax.VoltsMax, 137);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, MainMenuPage);
}

}  // namespace
