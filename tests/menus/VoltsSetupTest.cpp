// The volts setup list: level wrap-arounds, the step toggle, the switches and
// the calibration percentage with the live voltage beside it.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

void OpenVolts() { OpenMainEntry(VoltsEntry); }

TEST(VoltsSetupItems, OpensOnFirstItemWithTheScale) {
  OpenVolts();
  EXPECT_EQ(PageHandler, VoltsSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_TRUE(TitleShows("VOLTS"));
  EXPECT_TRUE(ItemShows(0, "DISPLAY MAX: ", "20.0", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(1, "DISPLAY MIN: ", "8.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(2, "HIGH ALARM: ", "ON", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(3, "HIGH ALARM: ", "15.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(4, "HIGH CAUTION: ", "14.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(RightCellShows("X0.1"));
}

TEST(VoltsSetupItems, LastItemsScrollIntoView) {
  OpenVolts();
  SetInputs(1500, 2048, 2260);
  PressTimes(KeyKnobMinus, 1);
  Pass();
  EXPECT_EQ(MenuState.Selection, 8);
  EXPECT_EQ(MenuState.ScrollOffset, 4);
  EXPECT_TRUE(ItemShows(0, "HIGH CAUTION: ", "14.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(1, "LOW CAUTION: ", "11.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(2, "LOW ALARM: ", "ON", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(3, "LOW ALARM: ", "10.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(4, "CAL: ", "100% 14.1V", ColourRed, ColourRed));
  EXPECT_TRUE(RightCellEmpty());
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
}

TEST(VoltsLevels, DisplayMaxWrapsToItsOwnBottom) {
  OpenVolts();
  ASSERT_TRUE(EditItem(0));
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 10);
  Settings.VoltsDisplayMax = 295;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.VoltsDisplayMax, 100);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.VoltsDisplayMax, 300);
  Pass();
  EXPECT_TRUE(ItemShows(0, "DISPLAY MAX: ", "30.0", ColourWhite, ColourRed));
  EXPECT_TRUE(RightCellShows("X1.0"));
}

TEST(VoltsLevels, LowAlarmWrapsBelowZeroToTheTop) {
  OpenVolts();
  ASSERT_TRUE(EditItem(7));
  Press(KeyRight);
  Settings.VoltsLowAlarm = 5;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.VoltsLowAlarm, 300);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.VoltsLowAlarm, 0);
  Press(KeyRight);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.VoltsLowAlarm, 300);
}

TEST(VoltsLevels, EachLevelKeepsItsRange) {
  // Item, field and range of every level.
  const struct {
    int Item;
    uint16_t* Field;
    TRange Range;
  } levels[] = {{1, &Settings.VoltsDisplayMin, VoltsDisplayMinRange},
                {3, &Settings.VoltsHighAlarm, VoltsHighAlarmRange},
                {4, &Settings.VoltsHighCaution, VoltsHighCautionRange},
                {5, &Settings.VoltsLowCaution, VoltsLowCautionRange}};
  for (const auto& level : levels) {
    OpenVolts();
    ASSERT_TRUE(EditItem(level.Item));
    *level.Field = level.Range.Bottom;
    Press(KeyKnobMinus);
    EXPECT_EQ(*level.Field, level.Range.Top) << level.Item;
    Press(KeyKnobPlus);
    EXPECT_EQ(*level.Field, level.Range.Bottom) << level.Item;
    Press(KeyKnobPlus);
    EXPECT_EQ(*level.Field, level.Range.Bottom + 1) << level.Item;
  }
}

TEST(VoltsLevels, StepTogglesOutsideEditModeAndResetsOnMoving) {
  OpenVolts();
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 10);
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  MenuState.StepMultiplier = 100;
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  Press(KeyRight);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  // Switch rows and the calibration leave the step alone.
  Press(KeyRight);
  EXPECT_EQ(MenuState.Selection, 1);
  Press(KeyKnobPlus);
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(Settings.VoltsDisplayMin, 80);
}

TEST(VoltsCalibration, StopsAtBothEndsWithTheLiveVoltage) {
  OpenVolts();
  SetInputs(1500, 2048, 2260);
  ASSERT_TRUE(EditItem(8));
  Calibration.VoltsCalPercent = 148;
  Press(KeyRight);  // no step on the calibration
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  PressTimes(KeyKnobPlus, 4);
  EXPECT_EQ(Calibration.VoltsCalPercent, 150);
  Pass();
  // 1500 x 886 x 150 / 1000000 + 9 = 208
  EXPECT_EQ(Volts, 208);
  EXPECT_TRUE(ItemShows(4, "CAL: ", "150% 20.8V", ColourWhite, ColourRed));
  Calibration.VoltsCalPercent = 52;
  PressTimes(KeyKnobMinus, 5);
  EXPECT_EQ(Calibration.VoltsCalPercent, 50);
  Pass();
  EXPECT_TRUE(ItemShows(4, "CAL: ", "50% 7.5V", ColourWhite, ColourRed));
}

TEST(VoltsNavigation, BackReturnsToTheVoltsEntry) {
  OpenVolts();
  ASSERT_TRUE(EditItem(3));
  Press(KeyRight);
  Press(KeyKnobPlus);
  Press(KeyLeft);
  Pass();
  EXPECT_TRUE(MainMenuShows("VOLTS"));
  EXPECT_EQ(MenuState.Selection, VoltsEntry);
  EXPECT_EQ(MenuState.EditMode, 0);
  EXPECT_EQ(Settings.VoltsHighAlarm, 160);  // kept on leaving mid-edit
  // Entered again, the page starts over on its first item with step 1.
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, VoltsSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(MenuState.EditMode, 0);
}

}  // namespace
