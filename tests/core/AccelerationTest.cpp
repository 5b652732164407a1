// Accelerometer averages, total G, slip, and the G minima, maxima and
// cycle counts.
#include <gtest/gtest.h>

#include "support/Instrument.h"

namespace {

TEST(AxisAverages, StepFillsTheFourSampleHistory) {
  test::PowerOnAt();
  test::SetAxes(300, 0, 0);
  const int16_t expected[] = {75, 150, 225, 300, 300};
  for (int16_t count : expected) {
    test::Pass();
    EXPECT_EQ(AxisCount[0], count);
  }
  test::SetAxes(0, 0, 0);
  const int16_t down[] = {225, 150, 75, 0};
  for (int16_t count : down) {
    test::Pass();
    EXPECT_EQ(AxisCount[0], count);
  }
}

TEST(AxisAverages, NegativeSumsTruncateTowardZero) {
  test::PowerOnAt();
  test::SetAxes(-3, -300, 3);
  test::Pass();
  EXPECT_EQ(AxisCount[0], 0);  // -3 / 4, not -1
  EXPECT_EQ(AxisCount[1], -75);
  EXPECT_EQ(AxisCount[2], 0);
  test::Pass();
  EXPECT_EQ(AxisCount[0], -1);  // -6 / 4
  EXPECT_EQ(AxisCount[2], 1);
}

TEST(AxisAverages, RegistersHoldTwosComplementCounts) {
  test::PowerOnAt();
  test::SettleAxes(-1, -256, 255);
  EXPECT_EQ(AxisCount[0], -1);
  EXPECT_EQ(AxisCount[1], -256);
  EXPECT_EQ(AxisCount[2], 255);
}

TEST(TotalG, SignFollowsTheXAxisOnly) {
  test::PowerOnAt();
  test::SettleAxes(-300, 0, 0);
  EXPECT_NEAR(AxisG[0], -0.99, 1e-6);
  EXPECT_NEAR(GForce, -0.99, 1e-6);
  test::SettleAxes(0, 0, -300);
  EXPECT_NEAR(AxisG[2], -0.99, 1e-6);
  EXPECT_NEAR(GForce, 0.99, 1e-6);
  test::SettleAxes(0, -300, 0);
  EXPECT_NEAR(GForce, 0.99, 1e-6);
  test::SettleAxes(300, 300, 300);
  EXPECT_NEAR(GForce, 1.7147302, 1e-6);
  test::SettleAxes(-300, 300, -300);
  EXPECT_NEAR(GForce, -1.7147302, 1e-6);
  test::SettleAxes(0, 0, 0);
  EXPECT_EQ(GForce, 0.0f);
}

TEST(TotalG, CalibrationBranchFollowsTheSignOfTheCount) {
  test::PowerOnAt();
  for (TAxisCalibration& axis : Calibration.Axis) {
    axis.AxisZero = 10;
    axis.AxisPosScale = 0.0625f;
    axis.AxisNegScale = -0.125f;
  }
  // Count 8 is at or above 0: positive scale, though it is below the zero.
  test::SettleAxes(8, 0, 0);
  EXPECT_FLOAT_EQ(AxisG[0], -0.125f);
  EXPECT_FLOAT_EQ(AxisG[1], -0.625f);
  // Count -8: negated negative scale, (-8 - 10) x 0.125.
  test::SettleAxes(-8, 0, 0);
  EXPECT_FLOAT_EQ(AxisG[0], -2.25f);
}

TEST(Slip, CountIsHalfTheYAverage) {
  test::PowerOnAt();
  test::SettleAxes(0, -3, 0);
  EXPECT_EQ(SlipCount, -1);  // -1.5 toward zero
  EXPECT_EQ(SlipDeflection(), -1);
  test::SettleAxes(0, 61, 0);
  EXPECT_EQ(SlipCount, 30);
  EXPECT_EQ(SlipDeflection(), 30);
  Settings.SlipSense = 1;
  EXPECT_EQ(SlipDeflection(), 50);  // 60, held at the edge
  Settings.SlipZero = 10;
  EXPECT_EQ(SlipDeflection(), 40);
  Settings.SlipSense = 0;
  test::SettleAxes(0, -300, 0);
  EXPECT_EQ(SlipDeflection(), -50);  // -160 held
  Settings.SlipZero = 32767;
  EXPECT_EQ(SlipDeflection(), -50);  // no 16-bit wrap
  Settings.SlipZero = -32768;
  test::SettleAxes(0, 300, 0);
  EXPECT_EQ(SlipDeflection(), 50);
}

TEST(GMinMax, WidenFromThePowerOnZero) {
  test::PowerOnAt();
  EXPECT_EQ(MinMax.GMin, 0.0f);
  EXPECT_EQ(MinMax.GMax, 0.0f);
  test::SettleAxes(0, 0, 300);
  EXPECT_NEAR(MinMax.GMax, 0.99, 1e-6);
  EXPECT_EQ(MinMax.GMin, 0.0f);
  test::SettleAxes(0, 0, 0);
  EXPECT_EQ(MinMax.GMin, 0.0f);
  test::SettleAxes(-150, 0, 0);
  EXPECT_NEAR(MinMax.GMin, -0.495, 1e-6);
  EXPECT_NEAR(MinMax.GMax, 0.99, 1e-6);

  ResetGMinMax();
  EXPECT_NEAR(MinMax.GMin, -0.495, 1e-6);
  EXPECT_NEAR(MinMax.GMax, -0.495, 1e-6);
}

// G cycles with a scale of 1/16 g per count, so that 8 counts are exactly
// 0.5 g and the thresholds can be met exactly.
void PowerOnWithExactScale(int16_t negCycle, int16_t posCycle) {
  test::PowerOnAt();
  for (TAxisCalibration& axis : Calibration.Axis) {
    axis.AxisPosScale = 0.0625f;
    axis.AxisNegScale = -0.0625f;
  }
  Settings.GNegCycle = negCycle;
  Settings.GPosCycle = posCycle;
}

TEST(GCycles, CountedOncePerCrossingAndRearmed) {
  PowerOnWithExactScale(-5, 5);
  test::SettleAxes(8, 0, 0);  // exactly 0.5 g: not beyond
  EXPECT_EQ(MinMax.GPosCycles, 0);
  test::SettleAxes(9, 0, 0);
  EXPECT_EQ(MinMax.GPosCycles, 1);
  test::Pass(10);
  EXPECT_EQ(MinMax.GPosCycles, 1);
  test::SettleAxes(8, 0, 0);  // back at the threshold re-arms
  EXPECT_EQ(GPosCycleLatch, 0);
  test::SettleAxes(0, 9, 0);  // total G, any axis
  EXPECT_EQ(MinMax.GPosCycles, 2);
  EXPECT_EQ(MinMax.GNegCycles, 0);

  test::SettleAxes(-8, 0, 0);
  EXPECT_EQ(MinMax.GNegCycles, 0);
  test::SettleAxes(-9, 0, 0);
  EXPECT_EQ(MinMax.GNegCycles, 1);
  test::SettleAxes(-9, 0, 0);
  EXPECT_EQ(MinMax.GNegCycles, 1);
  test::SettleAxes(-8, 0, 0);
  test::SettleAxes(-9, 0, 0);
  EXPECT_EQ(MinMax.GNegCycles, 2);
  EXPECT_EQ(MinMax.GPosCycles, 2);

  ResetGMinMax();
  EXPECT_EQ(MinMax.GNegCycles, 0);
  EXPECT_EQ(MinMax.GPosCycles, 0);
}

TEST(GCycles, LowThresholdReachedWithTheInputRange) {
  test::PowerOnAt();
  Settings.GPosCycle = 5;
  Settings.GNegCycle = -5;
  test::SettleAxes(300, 0, 0);
  EXPECT_EQ(MinMax.GPosCycles, 1);
  test::SettleAxes(0, 0, 0);
  test::SettleAxes(0, 0, -300);  // +0.99 g: positive
  EXPECT_EQ(MinMax.GPosCycles, 2);
  test::SettleAxes(-300, 0, 0);
  EXPECT_EQ(MinMax.GNegCycles, 1);
}

TEST(GCycles, DefaultThresholdsAreBeyondTheInputRange) {
  test::PowerOnAt();
  test::SettleAxes(300, 300, 300);
  test::SettleAxes(-300, -300, -300);
  EXPECT_EQ(MinMax.GPosCycles, 0);
  EXPECT_EQ(MinMax.GNegCycles, 0);
}

TEST(GCycles, CountHoldsAtItsTop) {
  PowerOnWithExactScale(-5, 5);
  MinMax.GPosCycles = 65534;
  test::SettleAxes(9, 0, 0);
  EXPECT_EQ(MinMax.GPosCycles, 65535);
  test::SettleAxes(0, 0, 0);
  test::SettleAxes(9, 0, 0);
  EXPECT_EQ(MinMax.GPosCycles, 65535);  // not wrapped to 0
}

TEST(GCycles, HistoryAndLatchesOutlastPowerOn) {
  PowerOnWithExactScale(-5, 5);
  test::SettleAxes(9, 0, 0);
  EXPECT_EQ(MinMax.GPosCycles, 1);
  RequestStop();
  PowerOn();  // "&On" again: the history and the latch are kept
  EXPECT_EQ(GForce, 0.0f);
  EXPECT_EQ(MinMax.GPosCycles, 0);
  for (TAxisCalibration& axis : Calibration.Axis) axis.AxisPosScale = 0.0625f;
  Settings.GPosCycle = 5;
  test::Pass();
  EXPECT_EQ(AxisCount[0], 9);  // no new settling
  EXPECT_EQ(MinMax.GPosCycles, 0);
  EXPECT_EQ(GPosCycleLatch, 1);
}

}  // namespace
