// Converter counts to readings, as the pilot sees them after a pass.
#include <gtest/gtest.h>

#include "support/Instrument.h"

namespace {

// Volts, current and OAT inputs that give a quiet instrument: 12.0 V,
// 0 A, 20 degrees C.
constexpr uint16_t QuietVolts = 1253;
constexpr uint16_t QuietCurrent = 2048;
constexpr uint16_t QuietOat = 2426;

uint16_t VoltsAt(uint16_t count, uint8_t percent = 100) {
  test::PowerOnAt();
  Calibration.VoltsCalPercent = percent;
  test::SetInputs(count, QuietCurrent, QuietOat);
  test::Pass();
  return Volts;
}

TEST(VoltsConversion, CountsGiveTenthsTruncated) {
  EXPECT_EQ(VoltsAt(4096), 371);
  EXPECT_EQ(VoltsAt(1500), 141);
  EXPECT_EQ(VoltsAt(0), 9);
  EXPECT_EQ(VoltsRaw, 0);
  EXPECT_EQ(VoltsAt(QuietVolts), 120);
}

TEST(VoltsConversion, FullScaleAtHighestCalibrationDoesNotOverflow) {
  // 4096 x 886 x 150 = 544 358 400: 544 + 9.
  EXPECT_EQ(VoltsAt(4096, 150), 553);
  EXPECT_EQ(VoltsAt(4096, 50), 190);
  // Past the converter's range and the percentage's range: still exact.
  EXPECT_EQ(VoltsAt(65535, 255), 14815);
}

int16_t OatAt(uint16_t count, int8_t offset = 0, uint8_t unit = 0) {
  test::PowerOnAt();
  Calibration.OatCalOffset = offset;
  Settings.OatUnit = unit;
  test::SetInputs(QuietVolts, QuietCurrent, count);
  test::Pass();
  return Oat;
}

TEST(OatConversion, CountsGiveWholeDegrees) {
  EXPECT_EQ(OatAt(2260), 0);
  EXPECT_EQ(OatAt(4096), 221);
  EXPECT_EQ(OatAt(0), -273);
  EXPECT_EQ(OatCelsius, -273);
  // 2259 x 1208 / 10000 = 272.88: truncated to 272, one below zero.
  EXPECT_EQ(OatAt(2259), -1);
  EXPECT_EQ(OatAt(2260, -20), -20);
  EXPECT_EQ(OatAt(2260, 20), 20);
}

TEST(OatConversion, FahrenheitTruncatesTowardZero) {
  EXPECT_EQ(CelsiusToFahrenheit(-5), 23);  // -90 / 10 = -9
  EXPECT_EQ(CelsiusToFahrenheit(-1), 31);  // -18 / 10 = -1, not -2
  EXPECT_EQ(CelsiusToFahrenheit(0), 32);
  EXPECT_EQ(CelsiusToFahrenheit(-40), -40);
  EXPECT_EQ(CelsiusToFahrenheit(100), 212);
  EXPECT_EQ(CelsiusToFahrenheit(-273), -459);
  // Far outside any sensor reading the result is held at the int16 ends.
  EXPECT_EQ(CelsiusToFahrenheit(32767), 32767);
  EXPECT_EQ(CelsiusToFahrenheit(-32768), -32768);
}

TEST(OatConversion, FahrenheitUnitShowsConvertedReading) {
  // 2218 x 1208 / 10000 = 267 -> -6 C; with +1 offset -5 C -> 23 F.
  EXPECT_EQ(OatAt(2218, 1, 1), 23);
  EXPECT_EQ(OatCelsius, -5);
  EXPECT_EQ(OatAt(4096, 0, 1), 429);
}

int16_t CurrentAt(uint16_t count) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, count, QuietOat);
  test::Pass();
  return Current;
}

TEST(CurrentConversion, CountsAroundTheZero) {
  EXPECT_EQ(CurrentAt(2048), 0);
  EXPECT_EQ(CurrentTenths, 0);
  EXPECT_EQ(CurrentAt(4096), 20);
  EXPECT_EQ(CurrentTenths, 204);
  EXPECT_EQ(CurrentAt(0), -20);
  EXPECT_EQ(CurrentTenths, -204);
  EXPECT_EQ(CurrentAt(2047), 0);
  EXPECT_EQ(CurrentTenths, 0);
  // 970 counts under: -9.7 A truncates toward zero to -9, not -10.
  EXPECT_EQ(CurrentAt(1078), -9);
  EXPECT_EQ(CurrentTenths, -97);
  EXPECT_EQ(CurrentRaw, 1078);
}

TEST(CurrentConversion, GainScalesTenths) {
  test::PowerOnAt();
  Settings.CurrentGain = 1000;
  test::SetInputs(QuietVolts, 4096, QuietOat);
  test::Pass();
  EXPECT_EQ(CurrentTenths, 2048);
  EXPECT_EQ(Current, 204);
  Settings.CurrentGain = 1;
  test::Pass();
  EXPECT_EQ(CurrentTenths, 2);
  EXPECT_EQ(Current, 0);
}

TEST(CurrentZeroing, ZeroedPositionReadsNoCurrent) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, 3000, QuietOat);
  test::Pass();
  EXPECT_EQ(Current, 9);
  ZeroCurrentSensor();
  EXPECT_EQ(Calibration.CurrentZero, 48000);
  test::Pass();
  EXPECT_EQ(Current, 0);
  EXPECT_EQ(CurrentTenths, 0);
  test::SetInputs(QuietVolts, 4096, QuietOat);
  test::Pass();
  EXPECT_EQ(CurrentTenths, 109);
}

TEST(CurrentZeroing, TopOfRangeIsHeldInSixteenBits) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, 4096, QuietOat);
  test::Pass();
  ZeroCurrentSensor();
  // 4096 x 16 = 65536 would wrap to 0 and read +40.9 A; held at 65535.
  EXPECT_EQ(Calibration.CurrentZero, 65535);
  test::Pass();
  EXPECT_EQ(Current, 0);
  EXPECT_EQ(CurrentTenths, 0);
  test::SetInputs(QuietVolts, 0, QuietOat);
  test::Pass();
  EXPECT_EQ(CurrentTenths, -409);
}

TEST(CurrentZeroing, ZeroAtBottomOfRange) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, 0, QuietOat);
  test::Pass();
  ZeroCurrentSensor();
  EXPECT_EQ(Calibration.CurrentZero, 0);
  test::Pass();
  EXPECT_EQ(Current, 0);
}

}  // namespace
