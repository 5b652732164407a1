// The G-force setup list: its items with and without the calibration entry,
// the threshold wrap-arounds, the step key and leaving the page.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

constexpr int CalRow = 4;  // item 6 with the list scrolled by two

void OpenGForce() { OpenMainEntry(GForceEntry); }

TEST(GForceSetupItems, OpensOnFirstItemWithAllValues) {
  OpenGForce();
  EXPECT_EQ(PageHandler, GForceSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_TRUE(TitleShows("G-FORCE"));
  EXPECT_TRUE(SubtitleShows("SETUP"));
  EXPECT_TRUE(ItemShows(0, "POS ALARM: ", "ON", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(1, "POS ALARM: ", "7.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(2, "NEG ALARM: ", "ON", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(3, "NEG ALARM: ", "-7.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(4, "POS CYCLE: ", "5.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(LeftCellShows("BACK"));
  // Switch rows carry no step label.
  EXPECT_TRUE(RightCellEmpty());
}

TEST(GForceSetupItems, SevenItemsWhileCalibrateIsTicked) {
  OpenGForce();
  PressTimes(KeyKnobPlus, 6);
  EXPECT_EQ(MenuState.Selection, 6);
  Pass();
  EXPECT_TRUE(ItemShows(3, "NEG CYCLE: ", "-5.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(RowShows(CalRow, "CAL G-FORCE", ColourRed));
  // Thumb of the last of seven: 680 / 7 = 97, top (97 * 6 + 300) / 10 = 88.
  EXPECT_EQ(ThumbTop(), 88);
  EXPECT_EQ(ThumbBottom(), 97);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 6);
}

TEST(GForceSetupItems, SixItemsWhileCalibrateIsUnticked) {
  OpenGForce();
  SetCalibrate(false);
  PressTimes(KeyKnobPlus, 5);
  Pass();
  EXPECT_EQ(MenuState.Selection, 5);
  EXPECT_TRUE(ItemShows(4, "NEG CYCLE: ", "-5.0", ColourRed, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 5);
  // Ticking the box again offers the item on the very next pass.
  SetCalibrate(true);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 6);
}

TEST(GForceSetupItems, UntickingWhileCalibrationSelected) {
  OpenGForce();
  PressTimes(KeyKnobPlus, 6);
  SetCalibrate(false);
  Pass();
  EXPECT_EQ(MenuState.Selection, 6);
  EXPECT_TRUE(RowEmpty(CalRow));
  // The thumb stays on the track, on the last of the six items.
  EXPECT_EQ(ThumbTop(), (113 * 5 + 300) / 10);
  EXPECT_LE(ThumbBottom(), 98);
  EXPECT_TRUE(LeftCellShows("BACK"));
  // A press on the hidden item, and the right key, change nothing.
  Press(KeyKnobPress);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, GForceSetupPage);
  EXPECT_EQ(MenuState.EditMode, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(KeySlot, 0);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  // Turned back instead, it lands on the last shown item.
  SetCalibrate(true);
  Press(KeyKnobMinus);
  ASSERT_EQ(MenuState.Selection, 6);
  SetCalibrate(false);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 5);
}

TEST(GForceSetupItems, SwitchesToggleOnlyWhileEditing) {
  OpenGForce();
  Press(KeyKnobPlus);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarmOn, 1);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GPosAlarmOn, 0);
  EXPECT_EQ(MenuState.Selection, 0);
  Pass();
  EXPECT_TRUE(ItemShows(0, "POS ALARM: ", "OFF", ColourWhite, ColourRed));
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarmOn, 1);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GNegAlarmOn, 0);
  Settings.GNegAlarmOn = 7;  // anything but 0 turns off
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GNegAlarmOn, 0);
}

TEST(GForceThresholds, PositiveAlarmWrapsToTheOtherEndExactly) {
  OpenGForce();
  ASSERT_TRUE(EditItem(1, 10));
  Settings.GPosAlarm = 298;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GPosAlarm, 5);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarm, 300);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarm, 290);
  Settings.GPosAlarm = 290;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GPosAlarm, 300);  // reaching the top exactly is no wrap
  Settings.GPosAlarm = 14;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarm, 300);
  Settings.GPosAlarm = 15;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GPosAlarm, 5);
}

TEST(GForceThresholds, NegativeAlarmCounterClockwiseTowardsZero) {
  OpenGForce();
  ASSERT_TRUE(EditItem(3, 10));
  Settings.GNegAlarm = -5;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GNegAlarm, -300);
  Settings.GNegAlarm = -11;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GNegAlarm, -1);
}

TEST(GForceThresholds, NegativeAlarmClockwiseMovesAwayFromZero) {
  OpenGForce();
  ASSERT_TRUE(EditItem(3, 1));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GNegAlarm, -71);
  Pass();
  EXPECT_TRUE(ItemShows(3, "NEG ALARM: ", "-7.1", ColourWhite, ColourRed));
  Settings.GNegAlarm = -295;
  Press(KeyRight);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GNegAlarm, -1);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GNegAlarm, -11);
}

TEST(GForceThresholds, CyclesFollowTheAlarmRanges) {
  OpenGForce();
  ASSERT_TRUE(EditItem(4, 100));
  Settings.GPosCycle = 250;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GPosCycle, 5);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 5);
  Press(KeyKnobPress);
  PressTimes(KeyRight, 2);
  Settings.GNegCycle = -250;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.GNegCycle, -1);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GNegCycle, -300);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.GNegCycle, -200);
}

TEST(GForceStep, RightKeyCyclesTheStepOutsideEditMode) {
  OpenGForce();
  Press(KeyKnobPlus);
  Pass();
  EXPECT_TRUE(RightCellShows("X0.1"));
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 10);
  EXPECT_EQ(MenuState.EditMode, 0);
  Pass();
  EXPECT_TRUE(RightCellShows("X1.0"));
  Press(KeyRight);
  Pass();
  EXPECT_TRUE(RightCellShows("X10.0"));
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  MenuState.StepMultiplier = 1000;
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  // Browsing leaves the value alone.
  EXPECT_EQ(Settings.GPosAlarm, 70);
}

TEST(GForceStep, MovingResetsTheStep) {
  OpenGForce();
  Press(KeyKnobPlus);
  PressTimes(KeyRight, 2);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  Press(KeyKnobPlus);
  Press(KeyRight);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  // The right key on a switch row leaves the step alone.
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
}

TEST(GForceNavigation, BackReturnsToTheGForceEntry) {
  OpenGForce();
  PressTimes(KeyKnobPlus, 3);
  Press(KeyKnobPress);
  Press(KeyLeft);
  Pass();
  EXPECT_TRUE(MainMenuShows("G-FORCE"));
  EXPECT_EQ(MenuState.Selection, GForceEntry);
  EXPECT_EQ(MenuState.EditMode, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, GForceSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
}

TEST(GForceNavigation, ScrollingKeepsTheSelectionOnTheBottomRow) {
  OpenGForce();
  PressTimes(KeyKnobPlus, 5);
  Pass();
  EXPECT_EQ(MenuState.ScrollOffset, 1);
  EXPECT_TRUE(ItemShows(0, "POS ALARM: ", "7.0", ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(4, "NEG CYCLE: ", "-5.0", ColourRed, ColourRed));
  EXPECT_TRUE(RightCellShows("X0.1"));
  Press(KeyKnobPlus);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(MenuState.ScrollOffset, 0);
  EXPECT_TRUE(ItemShows(0, "POS ALARM: ", "ON", ColourRed, ColourRed));
}

}  // namespace
