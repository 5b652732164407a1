// State that no key sequence produces but a stray write could: each page
// brings its selection back into its own items instead of drawing or
// reading outside them.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

TEST(MenuRecovery, MainMenuSelectionBeyondTheEntriesStartsOver) {
  OpenMainMenu();
  MenuState.Selection = 12;
  Pass();
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_TRUE(ShowsText(105, 46, "FLIGHT", 10, AlignCentre, ColourWhite));
}

TEST(MenuRecovery, FlightRowSelectedWhileHiddenMovesToTheLastRow) {
  OpenMainEntry(0);
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  Settings.FlightTimerDisplay = 0;
  Pass();
  EXPECT_EQ(MenuState.Selection, 2);
  EXPECT_EQ(MenuState.EditMode, 0);
  EXPECT_TRUE(ItemShows(2, "FT DISPLAY: ", "OFF", ColourRed, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.FlightTimerMode, 0);
  EXPECT_EQ(MenuState.Selection, 0);
}

TEST(MenuRecovery, ChangeCodeSelectedWhileSecurityIsOffMovesToTheSwitch) {
  OpenChangeCodeRow();
  Settings.SecurityEnabled = 0;
  Pass();
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, SecuritySetupPage);
  EXPECT_EQ(MenuState.EditMode, 1);
}

TEST(MenuRecovery, LogHeadBeyondTheSlotsReadsNothingOutsideTheLog) {
  OpenMainEntry(0);
  for (int slot = 0; slot < 5; ++slot) WriteLogSlot(slot, test::DefaultUtc, (slot + 1) * 600);
  FlightLogHead = 7;
  Press(KeyKnobPress);
  for (int position = 0; position < 3; ++position) {
    Pass();
    EXPECT_TRUE(ShowsText(80, 54, "EMPTY", 12, AlignCentre, ColourWhite)) << position;
    Press(KeyKnobPlus);
  }
  Pass();
  EXPECT_TRUE(ShowsText(52, 77, "00:05:00", 9, AlignLeft, ColourWhite));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(ShowsText(52, 77, "00:04:00", 9, AlignLeft, ColourWhite));
}

TEST(MenuRecovery, CodeDigitBeyondNineStepsBackIntoRange) {
  OpenChangeCodeRow();
  Press(KeyKnobPress);
  MenuState.CodeDigits[0] = 14;
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.CodeDigits[0], 0);
  // Past the top either way, the digit wraps like every stepped value.
  MenuState.CodeDigits[0] = 14;
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.CodeDigits[0], 0);
}
