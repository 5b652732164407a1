// Security setup and the code change chain, ending at the home page's code
// entry with the new code.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

void OpenChangeCode() {
  OpenChangeCodeRow();
  ASSERT_EQ(Settings.SecurityEnabled, 1);
  ASSERT_EQ(MenuState.Selection, 1);
}

bool ShowsDigits(const char* digits) {
  for (int i = 0; i < 4; ++i) {
    const char text[2] = {digits[i], 0};
    const uint8_t colour = i == MenuState.Selection ? ColourRed : ColourWhite;
    if (!ShowsText(50 + 20 * i, 61, text, 20, AlignCentre, colour)) return false;
  }
  return true;
}

// A code page that has just opened: its prompts, 0000 and the first digit red.
void ExpectFreshCodePage(TPageHandler page, const char* prompt) {
  EXPECT_EQ(PageHandler, page);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_TRUE(ShowsDigits("0000"));
  EXPECT_TRUE(ShowsText(0 + 80, 30, prompt, 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(80, 45, "CODE", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(SubtitleShows("CODE"));
  EXPECT_TRUE(LeftCellShows("BACK"));
}

bool ShowsCodeMessage(const char* outcome) {
  return PageHandler == CodeMessagePage &&
         ShowsText(110, 45, "CODE", 10, AlignCentre, ColourWhite) &&
         ShowsText(110, 63, outcome, 10, AlignCentre, ColourWhite);
}

// From security setup back out to the home page.
void LeaveToHome() {
  Press(KeyLeft);
  Press(KeyLeft);
  Press(KeyLeft);
  Pass();
  ASSERT_EQ(PageHandler, HomePage);
}

}  // namespace

TEST(SecuritySetup, OffHidesChangeCodeAndTheKnobOnlyEdits) {
  OpenMiscEntry(1);
  EXPECT_TRUE(ItemShows(0, "SECURITY: ", "OFF", ColourRed, ColourRed));
  EXPECT_TRUE(RowEmpty(1));
  Press(KeyKnobPlus);
  Press(KeyKnobMinus);
  Press(KeyRight);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(Settings.SecurityEnabled, 0);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(ItemShows(0, "SECURITY: ", "ON", ColourWhite, ColourRed));
  EXPECT_TRUE(RowShows(1, "CHANGE CODE", ColourWhite));
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(RowShows(1, "CHANGE CODE", ColourRed));
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, MiscSetupPage);
  EXPECT_EQ(MenuState.Selection, 1);
}

TEST(SecuritySetup, FullCodeChangeThenTheHomePageWantsTheNewCode) {
  OpenChangeCode();
  Press(KeyKnobPress);
  Pass();
  ExpectFreshCodePage(VerifyCodePage, "ENTER SECURITY");
  EnterCode(6283);
  ExpectFreshCodePage(NewCodePage, "ENTER NEW");
  EnterCode(1357);
  ExpectFreshCodePage(ConfirmCodePage, "CONFIRM NEW");
  EnterCode(1357);
  EXPECT_TRUE(ShowsCodeMessage("CHANGED"));
  EXPECT_EQ(Settings.SecurityCode, 1357);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(PageHandler, SecuritySetupPage);
  EXPECT_TRUE(RowShows(1, "CHANGE CODE", ColourRed));

  LeaveToHome();
  Press(KeyKnobPress);
  Pass();
  EXPECT_EQ(PageHandler, CodeEntryPage);
  EnterCode(6283);
  EXPECT_TRUE(ShowsCodeMessage("ERROR"));
  Press(KeyLeft);
  Press(KeyKnobPress);
  EnterCode(1357);
  EXPECT_EQ(PageHandler, MainMenuPage);
}

TEST(SecuritySetup, MismatchedConfirmationKeepsTheOldCode) {
  OpenChangeCode();
  Press(KeyKnobPress);
  EnterCode(6283);
  EnterCode(1357);
  EnterCode(1358);
  EXPECT_TRUE(ShowsCodeMessage("ERROR"));
  EXPECT_EQ(Settings.SecurityCode, 6283);
  Press(KeyRight);
  Pass();
  EXPECT_TRUE(RowShows(1, "CHANGE CODE", ColourRed));
  LeaveToHome();
  Press(KeyKnobPress);
  EnterCode(6283);
  EXPECT_EQ(PageHandler, MainMenuPage);
}

TEST(SecuritySetup, WrongCurrentCodeEndsTheChangeAtOnce) {
  OpenChangeCode();
  Press(KeyKnobPress);
  EnterCode(6284);
  EXPECT_TRUE(ShowsCodeMessage("ERROR"));
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, SecuritySetupPage);
  EXPECT_EQ(MenuState.Selection, 1);
  EXPECT_EQ(Settings.SecurityCode, 6283);
}

TEST(SecuritySetup, MasterCodeIsAcceptedWhateverTheCode) {
  OpenChangeCode();
  Settings.SecurityCode = 42;
  Press(KeyKnobPress);
  EnterCode(7318);
  ExpectFreshCodePage(NewCodePage, "ENTER NEW");
  EnterCode(0);
  EnterCode(0);
  EXPECT_TRUE(ShowsCodeMessage("CHANGED"));
  EXPECT_EQ(Settings.SecurityCode, 0);
}

TEST(SecuritySetup, DigitsWrapAndBackLeavesEveryCodePageUnchanged) {
  OpenChangeCode();
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(ShowsDigits("9000"));
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 11);
  Press(KeyRight);
  Pass();
  EXPECT_EQ(MenuState.Selection, 1);
  EXPECT_TRUE(ShowsDigits("0100"));
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, SecuritySetupPage);
  EXPECT_EQ(MenuState.Selection, 1);

  Press(KeyKnobPress);
  EnterCode(6283);
  Press(KeyKnobPlus);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, SecuritySetupPage);

  Press(KeyKnobPress);
  EnterCode(6283);
  EnterCode(1111);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, SecuritySetupPage);
  EXPECT_EQ(Settings.SecurityCode, 6283);
  // Each new start begins again at 0000.
  Press(KeyKnobPress);
  Pass();
  ExpectFreshCodePage(VerifyCodePage, "ENTER SECURITY");
}
