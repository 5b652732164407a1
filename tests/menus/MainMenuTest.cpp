// The main menu: one entry at a time, wrapping both ways, opening each page
// and coming back to the same entry; leaving and re-entering the menu.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

struct TEntry {
  const char* Line1;
  const char* Line2;
  TPageHandler Page;
};

const TEntry Entries[9] = {
    {"FLIGHT", "TIMER", FlightTimerSetupPage}, {"G-FORCE", "SETUP", GForceSetupPage},
    {"TIME", "SETUP", TimeSetupPage},          {"VOLTS", "SETUP", VoltsSetupPage},
    {"CURRENT", "SETUP", CurrentSetupPage},    {"OAT", "SETUP", OatSetupPage},
    {"SLIP", "SETUP", SlipSetupPage},          {"MISC", "SETUP", MiscSetupPage},
    {"ADC", "VALUES", AdcValuesPage},
};

bool ShowsEntry(int entry) {
  const int16_t x1 = entry == 4 ? 103 : 105;
  return PageHandler == MainMenuPage &&
         ShowsText(x1, 46, Entries[entry].Line1, 10, AlignCentre, ColourWhite) &&
         ShowsText(105, 64, Entries[entry].Line2, 10, AlignCentre, ColourWhite);
}

}  // namespace

TEST(MainMenu, OpensOnFlightTimerWithTitleAndExit) {
  OpenMainMenu();
  EXPECT_TRUE(ShowsEntry(0));
  EXPECT_TRUE(TitleShows("MAIN MENU"));
  EXPECT_TRUE(LeftCellShows("EXIT"));
  // Scroll thumb of the first of nine entries: 680 / 9 = 75, rows 30..37.
  EXPECT_EQ(test::CountColour(153, 30, 159, 37, ColourWhite), 7 * 8);
  EXPECT_EQ(test::PixelAt(153, 38), ColourBlack);
}

TEST(MainMenu, WrapsBothWays) {
  OpenMainMenu();
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(ShowsEntry(8));
  EXPECT_EQ(MenuState.Selection, 8);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(ShowsEntry(0));
  for (int entry = 1; entry <= 8; ++entry) {
    Press(KeyKnobPlus);
    Pass();
    EXPECT_TRUE(ShowsEntry(entry)) << entry;
  }
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(ShowsEntry(0));
}

TEST(MainMenu, KnobPressOpensEachEntryWithAFreshState) {
  for (int entry = 0; entry < 9; ++entry) {
    OpenMainMenu();
    PressTimes(KeyKnobPlus, entry);
    MenuState.StepMultiplier = 10;
    MenuState.EditMode = 1;
    Press(KeyKnobPress);
    EXPECT_EQ(PageHandler, Entries[entry].Page) << entry;
    EXPECT_EQ(MenuState.Selection, 0);
    EXPECT_EQ(MenuState.ScrollOffset, 0);
    EXPECT_EQ(MenuState.EditMode, 0);
    EXPECT_EQ(MenuState.StepMultiplier, 1);
  }
}

TEST(MainMenu, BackFromEachPageReturnsOnItsEntry) {
  for (int entry = 0; entry < 9; ++entry) {
    OpenMainEntry(entry);
    ASSERT_EQ(PageHandler, Entries[entry].Page);
    Press(KeyLeft);
    Pass();
    EXPECT_TRUE(ShowsEntry(entry)) << entry;
    EXPECT_EQ(MenuState.Selection, entry);
  }
}

TEST(MainMenu, ExitGoesHomeAndTheMenuReopensOnFlightTimer) {
  OpenMainMenu();
  PressTimes(KeyKnobPlus, 5);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  Pass();
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ShowsEntry(0));
}

TEST(MainMenu, SecondKeyBeforeAPassIsLost) {
  OpenMainMenu();
  DepositKey(KeyKnobPlus);
  DepositKey(KeyKnobPlus);
  Pass();
  Pass();
  EXPECT_TRUE(ShowsEntry(1));
  EXPECT_EQ(KeySlot, KeyNone);
}
