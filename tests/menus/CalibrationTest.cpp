// Accelerometer calibration: the warning and the axis menu, a full run over
// the seven attitudes, single steps, readiness borders and refused presses.
#include <gtest/gtest.h>

#include "support/Pilot.h"

namespace {

using namespace test;

constexpr uint8_t X = 0, Y = 1, Z = 2;

// From the G-force list to the calibration menu.
void OpenCalAxis() {
  OpenMainEntry(GForceEntry);
  PressTimes(KeyKnobPlus, 6);
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, CalWarningPage);
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, CalAxisPage);
  ASSERT_EQ(MenuState.Selection, 0);
}

// Opens a calibration menu item (0 all axes, 1..7 the single steps).
void StartCalibration(int item) {
  OpenCalAxis();
  PressTimes(KeyKnobPlus, item);
  Press(KeyKnobPress);
  ASSERT_EQ(PageHandler, CalStepPage);
}

bool ShowsTick() { return CountColour(5, 27, 54, 76, ColourGreen) > 0; }
bool ShowsCross() { return CountColour(5, 27, 54, 76, ColourRed) > 0; }

// The attitudes of one calibration, as a pilot would hold the unit: not
// quite level and not quite at full scale.
struct TAttitude {
  int16_t X, Y, Z;
};
constexpr TAttitude Flat{4, -6, -290};
constexpr TAttitude XUp{285, 3, 12};
constexpr TAttitude XDown{-295, -2, 8};
constexpr TAttitude YUp{2, 290, -5};
constexpr TAttitude YDown{-3, -280, 10};
constexpr TAttitude ZUp{1, -4, 260};
constexpr TAttitude ZDown{6, 5, -300};
constexpr TAttitude Attitudes[7] = {Flat, XUp, XDown, YUp, YDown, ZUp, ZDown};

void Hold(const TAttitude& a) { SettleAxes(a.X, a.Y, a.Z); }

float Scale(int count, int zero) { return static_cast<float>(1.0 / (count - zero)); }

TEST(CalibrationPages, WarningLeftReturnsToTheCalibrationItem) {
  OpenMainEntry(GForceEntry);
  PressTimes(KeyKnobPlus, 6);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CalWarningPage);
  EXPECT_EQ(MenuState.Selection, 0);
  Pass();
  EXPECT_TRUE(TitleShows("WARNING"));
  EXPECT_TRUE(ShowsText(80, 38, "PROCEEDING CAN", 8, AlignCentre, ColourWhite));
  EXPECT_TRUE(ShowsText(80, 78, "TO MALFUNCTION", 8, AlignCentre, ColourWhite));
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, GForceSetupPage);
  EXPECT_EQ(MenuState.Selection, 6);
  Pass();
  EXPECT_TRUE(RowShows(4, "CAL G-FORCE", ColourRed));
}

TEST(CalibrationPages, AnyOtherKeyOnTheWarningOpensTheMenu) {
  for (uint8_t key : {KeyRight, KeyKnobPress, KeyKnobPlus, KeyKnobMinus}) {
    OpenMainEntry(GForceEntry);
    PressTimes(KeyKnobPlus, 6);
    Press(KeyKnobPress);
    Press(key);
    EXPECT_EQ(PageHandler, CalAxisPage) << int{key};
    EXPECT_EQ(MenuState.Selection, 0);
  }
}

TEST(CalibrationPages, AxisMenuWrapsAndScrolls) {
  OpenCalAxis();
  Pass();
  EXPECT_TRUE(RowShows(0, "CAL ALL AXIS", ColourRed));
  EXPECT_TRUE(RowShows(4, "Y-AXIS 1G", ColourWhite));
  Press(KeyKnobMinus);
  EXPECT_EQ(MenuState.Selection, 7);
  Pass();
  EXPECT_EQ(MenuState.ScrollOffset, 3);
  EXPECT_TRUE(RowShows(0, "X-AXIS -1G", ColourWhite));
  EXPECT_TRUE(RowShows(4, "Z-AXIS -1G", ColourRed));
  EXPECT_EQ(ThumbTop(), 89);
  Press(KeyKnobPlus);
  EXPECT_EQ(MenuState.Selection, 0);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, CalAxisPage);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, GForceSetupPage);
  EXPECT_EQ(MenuState.Selection, 6);
}

TEST(CalibrationRun, AllAxesOnOnePageStoresEveryConstant) {
  SetAxes(0, 0, 0);
  StartCalibration(0);
  EXPECT_EQ(CalTargetStep, 7);
  for (int step = 0; step < 7; ++step) {
    ASSERT_EQ(PageHandler, CalStepPage) << step;
    ASSERT_EQ(MenuState.Selection, step);
    Hold(Attitudes[step]);
    Press(KeyKnobPress);
  }
  EXPECT_EQ(PageHandler, CalAxisPage);
  EXPECT_EQ(MenuState.Selection, 0);

  const TAxisCalibration* axis = Calibration.Axis;
  EXPECT_EQ(axis[X].AxisZero, 4);
  EXPECT_EQ(axis[Y].AxisZero, -6);
  EXPECT_EQ(axis[Z].AxisZero, 12);  // taken in the X-up attitude
  EXPECT_EQ(axis[X].AxisPosScale, Scale(285, 4));
  EXPECT_EQ(axis[X].AxisNegScale, Scale(-295, 4));
  EXPECT_EQ(axis[Y].AxisPosScale, Scale(290, -6));
  EXPECT_EQ(axis[Y].AxisNegScale, Scale(-280, -6));
  EXPECT_EQ(axis[Z].AxisPosScale, Scale(260, 12));
  EXPECT_EQ(axis[Z].AxisNegScale, Scale(-300, 12));
  EXPECT_LT(axis[X].AxisNegScale, 0.0f);
  EXPECT_LT(axis[Y].AxisNegScale, 0.0f);
  EXPECT_LT(axis[Z].AxisNegScale, 0.0f);

  // Each axis now reads +-1 g in the attitudes it was calibrated in.
  const struct {
    TAttitude Attitude;
    uint8_t Axis;
    float G;
  } checks[] = {{XUp, X, 1},    {XDown, X, -1}, {YUp, Y, 1},
                {YDown, Y, -1}, {ZUp, Z, 1},    {ZDown, Z, -1}};
  for (const auto& check : checks) {
    Hold(check.Attitude);
    EXPECT_NEAR(AxisG[check.Axis], check.G, 0.005) << int{check.Axis};
  }
  Hold(Flat);
  EXPECT_NEAR(AxisG[X], 0.0, 0.005);
  EXPECT_NEAR(AxisG[Y], 0.0, 0.005);
}

TEST(CalibrationRun, LeavingMidwayKeepsTheAcceptedSteps) {
  StartCalibration(0);
  Hold(Flat);
  Press(KeyKnobPress);
  Hold(XUp);
  Press(KeyKnobPress);
  EXPECT_EQ(MenuState.Selection, 2);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, CalAxisPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(Calibration.Axis[X].AxisZero, 4);
  EXPECT_EQ(Calibration.Axis[Z].AxisZero, 12);
  EXPECT_EQ(Calibration.Axis[X].AxisPosScale, Scale(285, 4));
  EXPECT_EQ(Calibration.Axis[X].AxisNegScale, -0.0033f);
}

TEST(CalibrationRun, SingleStepsReturnToTheirOwnItem) {
  for (int item = 1; item <= 7; ++item) {
    StartCalibration(item);
    EXPECT_EQ(CalTargetStep, item - 1);
    EXPECT_EQ(MenuState.Selection, item - 1);
    Hold(Attitudes[item - 1]);
    Press(KeyKnobPress);
    EXPECT_EQ(PageHandler, CalAxisPage) << item;
    EXPECT_EQ(MenuState.Selection, item) << item;
  }
}

TEST(CalibrationRun, SingleStepUsesTheStoredZero) {
  StartCalibration(4);  // Y-AXIS 1G
  Calibration.Axis[Y].AxisZero = 10;
  Hold(YUp);
  Press(KeyKnobPress);
  EXPECT_EQ(Calibration.Axis[Y].AxisPosScale, Scale(290, 10));
  EXPECT_EQ(Calibration.Axis[X].AxisPosScale, 0.0033f);
}

TEST(CalibrationRun, BackFromASingleStepSelectsItsItem) {
  StartCalibration(5);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, CalAxisPage);
  EXPECT_EQ(MenuState.Selection, 5);
}

TEST(CalibrationRun, NotReadyPressIsConsumed) {
  StartCalibration(0);
  Hold(XUp);  // wrong attitude for the first step
  const TCalibration before = Calibration;
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CalStepPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(KeySlot, 0);
  EXPECT_EQ(Calibration.Axis[X].AxisZero, before.Axis[X].AxisZero);
  EXPECT_EQ(Calibration.Axis[Y].AxisZero, before.Axis[Y].AxisZero);
  // The other keys do nothing on the step page either, even when ready.
  Hold(Flat);
  for (uint8_t key : {KeyRight, KeyKnobPlus, KeyKnobMinus}) Press(key);
  EXPECT_EQ(PageHandler, CalStepPage);
  EXPECT_EQ(MenuState.Selection, 0);
  EXPECT_EQ(Calibration.Axis[X].AxisZero, 0);
}

// Presses the knob on a single step with the unit held still; true when the
// step was accepted.
bool Accepted(int item, int16_t x, int16_t y, int16_t z) {
  StartCalibration(item);
  SettleAxes(x, y, z);
  Press(KeyKnobPress);
  return PageHandler == CalAxisPage;
}

TEST(CalibrationReadiness, LevelStepBorders) {
  EXPECT_FALSE(Accepted(1, 0, 0, -240));
  EXPECT_TRUE(Accepted(1, 0, 0, -241));
  EXPECT_TRUE(Accepted(1, 19, -19, -300));
  EXPECT_FALSE(Accepted(1, 20, 0, -300));
  EXPECT_FALSE(Accepted(1, -20, 0, -300));
  EXPECT_FALSE(Accepted(1, 0, 20, -300));
  EXPECT_FALSE(Accepted(1, 0, -20, -300));
}

TEST(CalibrationReadiness, AxisStepBorders) {
  EXPECT_FALSE(Accepted(2, 240, 0, 0));
  EXPECT_TRUE(Accepted(2, 241, 19, -19));
  EXPECT_FALSE(Accepted(2, 300, 0, 20));
  EXPECT_FALSE(Accepted(3, -240, 0, 0));
  EXPECT_TRUE(Accepted(3, -241, 0, 0));
  EXPECT_FALSE(Accepted(4, 0, 240, 0));
  EXPECT_TRUE(Accepted(4, 0, 241, 0));
  EXPECT_FALSE(Accepted(5, 0, -240, 0));
  EXPECT_TRUE(Accepted(5, 0, -241, 0));
  EXPECT_FALSE(Accepted(5, 20, -300, 0));
  EXPECT_FALSE(Accepted(6, 0, 0, 230));
  EXPECT_TRUE(Accepted(6, 0, 0, 231));
  EXPECT_FALSE(Accepted(6, 0, -20, 300));
  EXPECT_FALSE(Accepted(7, 0, 0, -230));
  EXPECT_TRUE(Accepted(7, -19, 19, -231));
}

TEST(CalibrationReadiness, ReadingAtAFarOffZeroIsRefused) {
  // A zero far from the reading's side would give 1 / 0 or a scale of the
  // wrong sign: the step is not offered.
  StartCalibration(2);
  Calibration.Axis[X].AxisZero = 260;
  SettleAxes(260, 0, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CalStepPage);
  EXPECT_EQ(Calibration.Axis[X].AxisPosScale, 0.0033f);
  SettleAxes(250, 0, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CalStepPage);
  SettleAxes(270, 0, 0);
  Press(KeyKnobPress);
  EXPECT_EQ(PageHandler, CalAxisPage);
  EXPECT_EQ(Calibration.Axis[X].AxisPosScale, 0.1f);
}

TEST(CalibrationScreen, ShowsCountsAndReadings) {
  StartCalibration(0);
  SettleAxes(-12, 7, -300);
  Pass();
  EXPECT_TRUE(TitleShows("CAL AXIS"));
  EXPECT_TRUE(SubtitleShows("X/Y-AXIS 0G"));
  EXPECT_TRUE(ShowsText(110, 35, "CALIBRATE", 9, AlignCentre, ColourRed));
  EXPECT_TRUE(ShowsText(110, 50, "X/Y-AXIS 0G", 9, AlignCentre, ColourRed));
  EXPECT_TRUE(ShowsText(0, 75, "X:-12   Y:7   Z:-300", 8, AlignLeft, ColourWhite));
  EXPECT_TRUE(ShowsText(0, 90, "X:-0.0G Y:0.0G Z:-1.0G", 8, AlignLeft, ColourWhite));
  EXPECT_TRUE(LeftCellShows("BACK"));
  EXPECT_TRUE(ShowsText(80, 104, "DONE", 8, AlignCentre, ColourWhite));
  // The soft-key frame, without the knob symbol.
  EXPECT_EQ(CountColour(0, 102, 159, 102, ColourWhite), 160);
  EXPECT_EQ(CountColour(53, 102, 53, 119, ColourWhite), 18);
  EXPECT_EQ(CountColour(106, 102, 106, 119, ColourWhite), 18);
  EXPECT_EQ(CountColour(60, 109, 62, 118, ColourWhite), 0);
}

TEST(CalibrationScreen, TickWhenReadyCrossWhenNot) {
  StartCalibration(0);
  SettleAxes(0, 0, -300);
  Pass();
  EXPECT_TRUE(ShowsTick());
  EXPECT_FALSE(ShowsCross());
  SettleAxes(0, 0, -240);
  Pass();
  EXPECT_TRUE(ShowsCross());
  EXPECT_FALSE(ShowsTick());
}

}  // namespace
