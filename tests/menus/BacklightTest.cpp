// Backlight: the manual level bar, the automatic threshold with its two
// steps, the dim and bright limits, and switching between the layouts.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;
using test::CountColour;
using test::PixelAt;

namespace {

void OpenBacklight() {
  OpenMiscEntry(0);
  ASSERT_EQ(PageHandler, BacklightPage);
}

// Moves to the threshold row and starts editing it.
void EditThreshold(uint16_t value) {
  OpenAutoBacklight(1);
  Press(KeyKnobPress);
  Settings.BacklightThreshold = value;
  Pass();
}

int BarRightEdge() {
  int right = -1;
  for (int x = 10; x < 160; ++x)
    if (PixelAt(x, 91) == ColourRed) right = x;
  return right;
}

bool ShowsManualLayout() {
  return ShowsText(80, 41, "USE THE ROTARY", 8, AlignCentre, ColourWhite) &&
         ShowsText(80, 54, "CONTROL TO ADJUST", 8, AlignCentre, ColourWhite) &&
         ShowsText(80, 67, "THE BACKLIGHT", 8, AlignCentre, ColourWhite);
}

}  // namespace

TEST(Backlight, ManualLevelBarStopsAtBothEnds) {
  OpenBacklight();
  EXPECT_TRUE(ShowsManualLayout());
  EXPECT_TRUE(ItemShows(0, "BACKLIGHT: ", "MANUAL", ColourRed, ColourRed));
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(Settings.BacklightLevel, 100);
  EXPECT_EQ(BarRightEdge(), 149);
  EXPECT_EQ(PixelAt(150, 91), ColourWhite);
  EXPECT_EQ(PixelAt(10, 85), ColourWhite);
  EXPECT_EQ(PixelAt(150, 97), ColourWhite);
  PressTimes(KeyKnobMinus, 8);
  Pass();
  EXPECT_EQ(Settings.BacklightLevel, 20);
  EXPECT_EQ(BarRightEdge(), 37);
  PressTimes(KeyKnobMinus, 2);
  Pass();
  EXPECT_EQ(Settings.BacklightLevel, 10);
  EXPECT_EQ(BarRightEdge(), 23);
  EXPECT_EQ(PixelAt(24, 91), ColourBlack);
  EXPECT_EQ(CountColour(11, 86, 149, 96, ColourRed), 13 * 11);  // column 10 is the frame
  EXPECT_EQ(MenuState.Selection, 0);
}

TEST(Backlight, AutoLayoutShowsSensorAndLevels) {
  OpenAutoBacklight();
  EXPECT_TRUE(SubtitleShows("ADC: 0"));
  EXPECT_TRUE(ItemShows(0, "BACKLIGHT: ", "AUTO", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(1, "THRESHOLD: ", "300"));
  EXPECT_TRUE(ItemShows(2, "DIM: ", "10%"));
  EXPECT_TRUE(ItemShows(3, "BRIGHT: ", "100%"));
  EXPECT_FALSE(ShowsText(80, 41, "USE THE ROTARY", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(RightCellEmpty());
  LightSensorReading = 2345;
  Pass();
  EXPECT_TRUE(SubtitleShows("ADC: 2345"));
  LightSensorReading = 0;
  PressTimes(KeyKnobMinus, 1);
  EXPECT_EQ(MenuState.Selection, 3);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
}

TEST(Backlight, ThresholdWrapsWithTheHundredStep) {
  EditThreshold(3950);
  EXPECT_TRUE(RightCellShows("X100"));
  EXPECT_TRUE(ItemShows(1, "THRESHOLD: ", "3950", ColourWhite, ColourRed));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 100);
  Settings.BacklightThreshold = 3900;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 4000);
  Settings.BacklightThreshold = 150;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.BacklightThreshold, 4000);
  Settings.BacklightThreshold = 200;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.BacklightThreshold, 100);
}

TEST(Backlight, ThresholdWrapsWithTheThousandStep) {
  EditThreshold(300);
  Press(KeyRight);
  Pass();
  EXPECT_TRUE(RightCellShows("X1000"));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 1300);
  Settings.BacklightThreshold = 3500;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 100);
  Settings.BacklightThreshold = 1000;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.BacklightThreshold, 4000);
  Press(KeyRight);
  Pass();
  EXPECT_TRUE(RightCellShows("X100"));
}

TEST(Backlight, ThresholdOutsideItsRangeStillWraps) {
  // Worked without 16-bit wrap-around: 50 - 100 is below 100, not 65486.
  EditThreshold(50);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.BacklightThreshold, 4000);
  Settings.BacklightThreshold = 65000;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 100);
}

TEST(Backlight, AnOddStepOnTheThresholdRowIsTheStepAdded) {
  // No key leaves the row with a step other than 100 or 1000; one that does
  // is added as it stands and named X1000, the label of any step but 100.
  EditThreshold(300);
  MenuState.StepMultiplier = 7;
  Pass();
  EXPECT_TRUE(RightCellShows("X1000"));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 307);
}

TEST(Backlight, MovingBackToTheThresholdRowResetsTheStep) {
  EditThreshold(300);
  Press(KeyRight);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(MenuState.Selection, 2);
  EXPECT_TRUE(RightCellEmpty());
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 100);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_TRUE(RightCellShows("X100"));
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.BacklightThreshold, 400);
}

TEST(Backlight, DimAndBrightStopAtTheirLimits) {
  OpenAutoBacklight();
  PressTimes(KeyKnobPlus, 2);
  Press(KeyKnobPress);
  PressTimes(KeyKnobPlus, 9);
  EXPECT_EQ(Settings.BacklightDim, 100);
  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(Settings.BacklightDim, 100);
  EXPECT_TRUE(ItemShows(2, "DIM: ", "100%", ColourWhite, ColourRed));
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  PressTimes(KeyKnobMinus, 10);
  Pass();
  EXPECT_EQ(Settings.BacklightBright, 10);
  EXPECT_TRUE(ItemShows(3, "BRIGHT: ", "10%", ColourWhite, ColourRed));
}

TEST(Backlight, SwitchingToManualShowsTheManualLayoutAtOnce) {
  OpenAutoBacklight();
  Press(KeyKnobPress);
  Press(KeyKnobMinus);
  Pass();
  EXPECT_EQ(Settings.BacklightMode, 0);
  EXPECT_TRUE(ShowsManualLayout());
  EXPECT_TRUE(ItemShows(0, "BACKLIGHT: ", "MANUAL", ColourWhite, ColourRed));
  EXPECT_EQ(BarRightEdge(), 149);
  EXPECT_FALSE(ShowsText(0, RowY(1), "THRESHOLD: ", 8, AlignLeft, ColourWhite));
  // Still editing the mode: the knob toggles instead of setting the level.
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.BacklightMode, 1);
  EXPECT_EQ(Settings.BacklightLevel, 100);
}
