// The OAT setup list: unit-dependent level ranges, the unit switch, the
// calibration offset in Celsius and the display switch.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

void OpenOat() { OpenMainEntry(OatEntry); }

TEST(OatSetupItems, OpensOnTheDisplaySwitchWithCelsius) {
  OpenOat();
  EXPECT_EQ(PageHandler, OatSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_TRUE(ItemShows(0, "OAT DISPLAY: ", "ON", ColourRed, ColourRed));
  EXPECT_TRUE(ItemShows(1, "TEMP UNIT: ",
                        "\xB0"
                        "C",
                        ColourWhite, ColourWhite));
  EXPECT_TRUE(ItemShows(3, "HIGH ALARM: ", "60", ColourWhite, ColourWhite));
}

TEST(OatSetupItems, UnitSwitchShowsFahrenheitAndKeepsTheLevels) {
  OpenOat();
  ASSERT_TRUE(EditItem(1));
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatUnit, 1);
  Pass();
  EXPECT_TRUE(ItemShows(1, "TEMP UNIT: ",
                        "\xB0"
                        "F",
                        ColourWhite, ColourRed));
  EXPECT_EQ(Settings.OatHighAlarm, 60);
}

TEST(OatSetupItems, DisplayOffLeavesOneItem) {
  OpenOat();
  ASSERT_TRUE(EditItem(0));
  Press(KeyKnobMinus);
  Press(KeyKnobPress);
  EXPECT_EQ(Settings.OatDisplay, 0);
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  Pass();
  for (int row = 1; row < 5; ++row) EXPECT_TRUE(RowEmpty(row)) << row;
}

TEST(OatLevels, CelsiusRange) {
  OpenOat();
  ASSERT_TRUE(EditItem(3));
  Press(KeyRight);
  Settings.OatHighAlarm = 145;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatHighAlarm, -50);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.OatHighAlarm, 150);
  Pass();
  EXPECT_TRUE(RightCellShows("X10"));
}

TEST(OatLevels, FahrenheitRange) {
  OpenOat();
  Settings.OatUnit = 1;
  ASSERT_TRUE(EditItem(3));
  Press(KeyRight);
  Settings.OatHighAlarm = 300;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatHighAlarm, -58);
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.OatHighAlarm, 302);
  Settings.OatHighAlarm = 292;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatHighAlarm, 302);
  Settings.OatHighAlarm = -48;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.OatHighAlarm, -58);
  Settings.OatHighAlarm = -50;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.OatHighAlarm, 302);
}

TEST(OatLevels, RangeIsTakenFromTheUnitAtTheKeyPress) {
  OpenOat();
  Settings.OatUnit = 1;
  ASSERT_TRUE(EditItem(4));
  Settings.OatHighCaution = 250;  // a Fahrenheit level
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatHighCaution, 251);
  // Back in Celsius the level lies above the range: the next step, either
  // way, brings it back by the wrap-around.
  Settings.OatUnit = 0;
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatHighCaution, -50);
  Settings.OatHighCaution = 251;
  Press(KeyKnobMinus);
  EXPECT_EQ(Settings.OatHighCaution, -50);
  Settings.OatLowCaution = -58;
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.OatLowCaution, 150);
}

TEST(OatCalibration, OffsetStopsAtTwentyAndShowsCelsius) {
  OpenOat();
  SetInputs(0, 2048, 2260);  // 0 degrees Celsius
  Settings.OatUnit = 1;
  ASSERT_TRUE(EditItem(8));
  Press(KeyRight);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  Calibration.OatCalOffset = 18;
  PressTimes(KeyKnobPlus, 4);
  EXPECT_EQ(Calibration.OatCalOffset, 20);
  Pass();
  EXPECT_EQ(OatCelsius, 20);
  EXPECT_TRUE(ItemShows(4, "OAT CAL: ",
                        "+20 20\xB0"
                        "C",
                        ColourWhite, ColourRed));
  Calibration.OatCalOffset = -19;
  PressTimes(KeyKnobMinus, 3);
  EXPECT_EQ(Calibration.OatCalOffset, -20);
  Pass();
  EXPECT_TRUE(ItemShows(4, "OAT CAL: ",
                        "-20 -20\xB0"
                        "C",
                        ColourWhite, ColourRed));
  Calibration.OatCalOffset = 0;
  Pass(2);
  EXPECT_TRUE(ItemShows(4, "OAT CAL: ",
                        "+0 0\xB0"
                        "C",
                        ColourWhite, ColourRed));
}

TEST(OatNavigation, BackReturnsToTheOatEntry) {
  OpenOat();
  PressTimes(KeyKnobMinus, 2);
  Press(KeyRight);
  Press(KeyKnobPress);
  Press(KeyLeft);
  Pass();
  EXPECT_TRUE(MainMenuShows("OAT"));
  EXPECT_EQ(MenuState.Selection, OatEntry);
  // Entered again, the page starts over on its first item with step 1.
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, OatSetupPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(MenuState.EditMode, 0);
}

}  // namespace
