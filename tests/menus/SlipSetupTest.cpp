// The slip setup page: its own key handling with the display switched off,
// the sensitivity, and zeroing the slip so that the ball centres.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

void OpenSlip() { OpenMainEntry(SlipEntry); }

TEST(SlipSetupItems, OpensOnTheDisplaySwitch) {
  OpenSlip();
  EXPECT_EQ(PageHandler, SlipSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_TRUE(TitleShows("SLIP"));
  EXPECT_TRUE(ItemShows(0, "SLIP DISPLAY: ", "ON", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(1, "SLIP SENSE: ", "LOW", ColourWhite, ColourWhite));
  EXPECT_TRUE(RowShows(2, "SLIP ZERO", ColourWhite));
  EXPECT_EQ(ThumbTop(), 30);
  EXPECT_EQ(ThumbBottom(), 52);  // 680 / 3 = 226: rows 30..52
}

TEST(SlipSetupItems, KnobCyclesThreeItems) {
  OpenSlip();
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 2);
  Pass();
  EXPECT_TRUE(RowShows(2, "SLIP ZERO", ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  PressTimes(KeyKnobPlus, 2);
  EXPECT_EQ(MenuState.Selection, 2);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 1);
}

TEST(SlipSetupItems, SenseTogglesWhileEditing) {
  OpenSlip();
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.SlipSense, 1);
  EXPECT_EQ(MenuState.Selection, 1);
  Pass();
  EXPECT_TRUE(ItemShows(1, "SLIP SENSE: ", "HIGH", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.SlipSense, 0);
  EXPECT_EQ(Settings.SlipDisplay, 1);
}

TEST(SlipSetupItems, DisplayOffTheKnobOnlyActsWhileEditing) {
  OpenSlip();
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  EXPECT_EQ(Settings.SlipDisplay, 0);
  EXPECT_EQ(MenuState.EditMode, 0);
  Pass();
  EXPECT_TRUE(ItemShows(0, "SLIP DISPLAY: ", "OFF", ColourRed, ColourRed));
  EXPECT_TRUE(RowEmpty(1));
  EXPECT_TRUE(RowEmpty(2));
  EXPECT_EQ(ThumbBottom(), 98);
  for (uint8_t key : {KeyKnobPlus, KeyKnobMinus, KeyRight}) {
    Press(key);
    EXPECT_EQ(MenuState.Selection, 0);
    EXPECT_EQ(Settings.SlipDisplay, 0);
  }
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.SlipDisplay, 1);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 2);
}

TEST(SlipZeroing, YesCentresTheBallOnTheHomePage) {
  OpenSlip();
  SettleAxes(0, 60, -300);  // tilted: SlipCount 30
  PressTimes(KeyKnobMinus, 1);
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, ZeroSlipPage);
  Press(KeyRight);
  EXPECT_EQ(Settings.SlipZero, 30);
  EXPECT_EQ(PageHandler, MessagePage);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, SlipSetupPage);
  EXPECT_EQ(MenuState.Selection, 2);
  Press(KeyLeft);
  Press(KeyLeft);  // main menu EXIT
  Pass();
  ASSERT_EQ(Settings.HomeView, 0);
  // Ball body on the middle row of the tube at 103..119: columns 73..87.
  EXPECT_EQ(PixelAt(73, 111), ColourWhite);
  EXPECT_EQ(CountColour(74, 111, 86, 111, ColourBlack), 13);
  EXPECT_EQ(PixelAt(87, 111), ColourWhite);
  EXPECT_EQ(PixelAt(100, 111), ColourGrey);
  EXPECT_EQ(PixelAt(110, 111), ColourGrey);
  // Without the zero the same tilt puts the ball 30 columns right.
  Settings.SlipZero = 0;
  Pass();
  EXPECT_EQ(PixelAt(80, 111), ColourGrey);
  EXPECT_EQ(CountColour(104, 111, 116, 111, ColourBlack), 13);
}

TEST(SlipZeroing, NoKeepsTheZero) {
  OpenSlip();
  SettleAxes(0, 60, -300);
  PressTimes(KeyKnobMinus, 1);
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ShowsText(110, 56, "SLIP", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(110, 77, "SENSOR?", 9, AlignCentre, ColourWhite));
  for (uint8_t key : {KeyKnobPress, KeyKnobPlus, KeyKnobMinus}) Press(key);
  EXPECT_EQ(PageHandler, ZeroSlipPage);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, SlipSetupPage);
  EXPECT_EQ(MenuState.Selection, 2);
  EXPECT_EQ(Settings.SlipZero, 0);
}

TEST(SlipNavigation, BackReturnsToTheSlipEntry) {
  OpenSlip();
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyLeft);
  Pass();
  EXPECT_TRUE(MainMenuShows("SLIP"));
  EXPECT_EQ(MenuState.Selection, SlipEntry);
  // Entered again, the page starts over on its first item with step 1.
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, SlipSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(MenuState.EditMode, 0);
}

}  // namespace
