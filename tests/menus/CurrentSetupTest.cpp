// The current setup list: the display switch hiding the list, the levels and
// the gain with its three steps, and zeroing the sensor.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

void OpenCurrent() { OpenMainEntry(CurrentEntry); }

TEST(CurrentSetupItems, OpensOnTheDisplaySwitch) {
  OpenCurrent();
  EXPECT_EQ(PageHandler, CurrentSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_TRUE(TitleShows("CURRENT"));
  EXPECT_TRUE(ItemShows(0, "CURRENT DISP: ", "ON", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(2, "HIGH ALARM: ", "40", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(4, "LOW CAUTION: ", "-30", ColourWhite, ColourWhite));
  EXPECT_TRUE(RightCellEmpty());
}

TEST(CurrentSetupItems, DisplayOffLeavesOneItemTheKnobCannotLeave) {
  OpenCurrent();
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CurrentDisplay, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(MenuState.EditMode, 0);
  for (int turn = 0; turn < 3; ++turn) {
    Press(KeyKnobPlus);
    EXPECT_EQ(MenuState.Selection, 0);
    Press(KeyKnobMinus);
    EXPECT_EQ(MenuState.Selection, 0);
  }
  Pass();
  EXPECT_TRUE(ItemShows(0, "CURRENT DISP: ", "OFF", ColourRed, ColourRed));
  for (int row = 1; row < 5; ++row) EXPECT_TRUE(RowEmpty(row)) << row;
  // One item fills the track.
  EXPECT_EQ(ThumbTop(), 30);
  EXPECT_EQ(ThumbBottom(), 98);
  // Switched on again, the whole list is back.
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  PressTimes(KeyKnobMinus, 1);
  EXPECT_EQ(MenuState.Selection, 8);
}

TEST(CurrentLevels, LevelsWrapAtPlusMinusHundred) {
  OpenCurrent();
  ASSERT_TRUE(EditItem(2));
  Press(KeyRight);
  Settings.CurrentHighAlarm = 95;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CurrentHighAlarm, -100);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CurrentHighAlarm, 100);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 4);
  EXPECT_EQ(MenuState.Selection, 6);
  Press(KeyKnobPress);
  Settings.CurrentLowAlarm = -100;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CurrentLowAlarm, 100);
  Pass();
  EXPECT_TRUE(RightCellShows("X1"));
}

TEST(CurrentGainStep, CyclesOneTenHundred) {
  OpenCurrent();
  PressTimes(KeyKnobMinus, 1);
  EXPECT_EQ(MenuState.Selection, 8);
  Pass();
  EXPECT_TRUE(RightCellShows("X1"));
  const char* labels[] = {"X10", "X100", "X1"};
  for (const char* label : labels) {
    Press(KeyRight);
    Pass();
    EXPECT_TRUE(RightCellShows(label));
  }
  MenuState.StepMultiplier = 1000;
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  // On the levels the step only toggles 1 and 10.
  Press(KeyKnobMinus);
  Press(KeyKnobMinus);
  PressTimes(KeyRight, 2);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
}

TEST(CurrentGainStep, GainWrapsBetweenOneAndThousand) {
  OpenCurrent();
  ASSERT_TRUE(EditItem(8));
  Press(KeyRight);
  Settings.CurrentGain = 995;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CurrentGain, 1);
  Settings.CurrentGain = 5;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.CurrentGain, 1000);
  Press(KeyRight);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CurrentGain, 1);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.CurrentGain, 101);
}

TEST(CurrentGainStep, GainShowsTenthsOnlyBelowTenAmperes) {
  OpenCurrent();
  PressTimes(KeyKnobMinus, 1);
  // Counts above the middle times the gain of 100 per mille give tenths.
  SetInputs(0, 3047, 0);  // 999 counts: 9.9 A
  Pass();
  EXPECT_TRUE(ItemShows(4, "GAIN: ", "100 9.9A", ColourRed, ColourRed));
  SetInputs(0, 3048, 0);  // 1000 counts: 10 A, whole amperes
  Pass();
  EXPECT_EQ(Current, 10);
  EXPECT_TRUE(ItemShows(4, "GAIN: ", "100 10A", ColourRed, ColourRed));
  SetInputs(0, 1048, 0);
  Pass();
  EXPECT_EQ(Current, -10);
  EXPECT_TRUE(ItemShows(4, "GAIN: ", "100 -10A", ColourRed, ColourRed));
  SetInputs(0, 2000, 0);  // -48 counts: -0.4 A
  Pass();
  EXPECT_TRUE(ItemShows(4, "GAIN: ", "100 -0.4A", ColourRed, ColourRed));
}

// From the list to the zeroing question and answered YES.
void ZeroAt(uint16_t input) {
  OpenCurrent();
  SetInputs(0, input, 0);
  PressTimes(KeyKnobMinus, 2);
  ASSERT_EQ(MenuState.Selection, 7);
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, ZeroCurrentPage);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyRight);
}

TEST(CurrentZeroing, ZeroAtThreeThousandReadsZeroAmperes) {
  ZeroAt(3000);
  EXPECT_EQ(Calibration.CurrentZero, 48000);
  EXPECT_EQ(PageHandler, MessagePage);
  EXPECT_EQ(MenuState.ReturnPage, CurrentSetupPage);
  Pass();
  EXPECT_EQ(CurrentTenths, 0);
  EXPECT_EQ(Current, 0);
  Press(KeyKnobPlus);  // any key leaves the message
  EXPECT_EQ(PageHandler, CurrentSetupPage);
  EXPECT_EQ(MenuState.Selection, 7);
  Pass();
  EXPECT_TRUE(RowShows(4, "ZERO SENSOR", ColourRed));
}

TEST(CurrentZeroing, ZeroAtTheTopOfTheRangeSaturates) {
  ZeroAt(4096);
  EXPECT_EQ(Calibration.CurrentZero, 65535);
  Pass();
  EXPECT_EQ(CurrentTenths, 0);
  EXPECT_EQ(Current, 0);
}

TEST(CurrentZeroing, NoKeepsTheZeroAndTheKnobIsIgnored) {
  OpenCurrent();
  SetInputs(0, 3000, 0);
  PressTimes(KeyKnobMinus, 2);
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(TitleShows("MESSAGE"));
  EXPECT_TRUE(ShowsText(110, 56, "CURRENT", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(RightCellShows("YES"));
  for (uint8_t key : {KeyKnobPress, KeyKnobPlus, KeyKnobMinus}) Press(key);
  EXPECT_EQ(PageHandler, ZeroCurrentPage);
  EXPECT_EQ(KeySlot, 0);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, CurrentSetupPage);
  EXPECT_EQ(MenuState.Selection, 7);
  EXPECT_EQ(Calibration.CurrentZero, 32768);
}

TEST(CurrentNavigation, BackReturnsToTheCurrentEntry) {
  OpenCurrent();
  PressTimes(KeyKnobPlus, 3);
  Press(KeyRight);
  Press(KeyKnobPress);
  Press(KeyLeft);
  Pass();
  EXPECT_TRUE(MainMenuShows("CURRENT", 103));
  EXPECT_EQ(MenuState.Selection, CurrentEntry);
  // Entered again, the page starts over on its first item with step 1.
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CurrentSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(MenuState.EditMode, 0);
}

}  // namespace
