// The misc list, the information page and loading the default settings.
#include <gtest/gtest.h>

#include "support/Pilot.h"

using namespace test;

namespace {

const char* const MiscRows[4] = {"BACKLIGHT", "SECURITY SETUP", "INFORMATION", "DEFAULT SETTINGS"};
const TPageHandler MiscPages[4] = {BacklightPage, SecuritySetupPage, InfoPage,
                                   LoadDefaultsConfirmPage};

// Changes a setting on each page the pilot can reach, as far as the menus go.
void ChangeSettings() {
  Settings.BacklightMode = 1;
  Settings.BacklightLevel = 30;
  Settings.BacklightThreshold = 1700;
  Settings.SecurityEnabled = 1;
  Settings.SecurityCode = 1111;
  Settings.FlightTimerDisplay = 0;
  Settings.UtcOffset = -120;
  Settings.UtcDisplay = 0;
  Settings.HomeView = 5;
  Settings.VoltsHighAlarm = 222;
  Settings.GPosAlarm = 33;
  Settings.OatUnit = 1;
}

}  // namespace

TEST(MiscSetup, RowsOpenTheirPagesAndReturnHighlighted) {
  for (int row = 0; row < 4; ++row) {
    OpenMiscEntry(row);
    EXPECT_EQ(PageHandler, MiscPages[row]) << row;
    EXPECT_EQ(MenuState.Selection, 0);
    Press(KeyLeft);
    Pass();
    EXPECT_EQ(PageHandler, MiscSetupPage);
    for (int other = 0; other < 4; ++other)
      EXPECT_TRUE(RowShows(other, MiscRows[other], other == row ? ColourRed : ColourWhite))
          << row << " " << other;
  }
}

TEST(InfoPage, ShowsModelAndFirmwareAndIgnoresTheKnob) {
  OpenMiscEntry(2);
  EXPECT_TRUE(RowShows(0, "MODEL: AXIM-7", ColourWhite));
  EXPECT_TRUE(RowShows(1, "FIRMWARE: V1.00", ColourWhite));
  Press(KeyKnobPlus);
  Press(KeyKnobPress);
  Press(KeyRight);
  Pass();
  EXPECT_EQ(PageHandler, InfoPage);
  EXPECT_TRUE(RowShows(0, "MODEL: AXIM-7", ColourWhite));
  EXPECT_EQ(test::CountColour(0, 26, 159, 101, ColourRed), 0);
}

TEST(LoadDefaults, YesRestoresSettingsAndKeepsCalibrationAndMinMax) {
  OpenMiscEntry(3);
  EXPECT_TRUE(ShowsText(110, 35, "LOAD", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(110, 56, "DEFAULT", 9, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(110, 77, "SETTINGS?", 9, AlignCentre, ColourWhite));
  ChangeSettings();
  Calibration.VoltsCalPercent = 120;
  Calibration.Axis[1].AxisZero = 17;
  Calibration.CurrentZero = 12345;
  MinMax.VoltsMax = 199;
  MinMax.GPosCycles = 4;
  Press(KeyKnobPress);
  Press(KeyKnobPlus);
  EXPECT_EQ(PageHandler, LoadDefaultsConfirmPage);
  EXPECT_EQ(Settings.SecurityCode, 1111);

  Press(KeyRight);
  Pass();
  EXPECT_EQ(PageHandler, MessagePage);
  EXPECT_TRUE(ShowsText(110, 55, "DONE", 16, AlignCentre, ColourWhite));
  EXPECT_EQ(Settings.SecurityEnabled, 0);
  EXPECT_EQ(Settings.SecurityCode, 6283);
  EXPECT_EQ(Settings.BacklightMode, 0);
  EXPECT_EQ(Settings.BacklightLevel, 100);
  EXPECT_EQ(Settings.BacklightThreshold, 300);
  EXPECT_EQ(Settings.FlightTimerDisplay, 1);
  EXPECT_EQ(Settings.UtcOffset, 0);
  EXPECT_EQ(Settings.UtcDisplay, 1);
  EXPECT_EQ(Settings.HomeView, 0);
  EXPECT_EQ(Settings.VoltsHighAlarm, 150);
  EXPECT_EQ(Settings.GPosAlarm, 70);
  EXPECT_EQ(Settings.OatUnit, 0);
  EXPECT_EQ(Calibration.VoltsCalPercent, 120);
  EXPECT_EQ(Calibration.Axis[1].AxisZero, 17);
  EXPECT_EQ(Calibration.CurrentZero, 12345);
  EXPECT_EQ(MinMax.VoltsMax, 199);
  EXPECT_EQ(MinMax.GPosCycles, 4);

  Press(KeyKnobPlus);
  Pass();
  EXPECT_EQ(PageHandler, MiscSetupPage);
  EXPECT_TRUE(RowShows(3, "DEFAULT SETTINGS", ColourRed));
  // The defaults are live: the backlight page opens in MANUAL at 100 %.
  PressTimes(KeyKnobPlus, 1);
  Press(KeyKnobPress);
  Pass();
  EXPECT_TRUE(ItemShows(0, "BACKLIGHT: ", "MANUAL", ColourRed, ColourRed));
  EXPECT_EQ(test::PixelAt(149, 91), ColourRed);
}

TEST(LoadDefaults, NoChangesNothing) {
  OpenMiscEntry(3);
  ChangeSettings();
  const TSettings before = Settings;
  Press(KeyLeft);
  Pass();
  EXPECT_EQ(PageHandler, MiscSetupPage);
  EXPECT_TRUE(RowShows(3, "DEFAULT SETTINGS", ColourRed));
  EXPECT_EQ(std::memcmp(&before, &Settings, sizeof before), 0);
}
