// The settings, calibration and minimum/maximum records across power-on,
// defaults and the pilot's resets; the record CRC.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "support/Instrument.h"

namespace {

constexpr uint16_t QuietVolts = 1253;  // 12.0 V
constexpr uint16_t QuietCurrent = 2048;
constexpr uint16_t QuietOat = 2426;  // 20 C

void ExpectDefaultSettings() {
  const TSettings& s = Settings;
  EXPECT_EQ(s.BacklightMode, 0);
  EXPECT_EQ(s.BacklightLevel, 100);
  EXPECT_EQ(s.BacklightThreshold, 300);
  EXPECT_EQ(s.BacklightDim, 10);
  EXPECT_EQ(s.BacklightBright, 100);
  EXPECT_EQ(s.SecurityEnabled, 0);
  EXPECT_EQ(s.SecurityCode, 6283);
  EXPECT_EQ(s.HomeView, 0);
  EXPECT_EQ(s.FlightTimerDisplay, 1);
  EXPECT_EQ(s.FlightTimerMode, 0);
  EXPECT_EQ(s.GNegAlarm, -70);
  EXPECT_EQ(s.GPosAlarm, 70);
  EXPECT_EQ(s.GNegAlarmOn, 1);
  EXPECT_EQ(s.GPosAlarmOn, 1);
  EXPECT_EQ(s.GNegCycle, -50);
  EXPECT_EQ(s.GPosCycle, 50);
  EXPECT_EQ(s.UtcOffset, 0);
  EXPECT_EQ(s.CountdownPresetHours, 0);
  EXPECT_EQ(s.CountdownPresetMinutes, 0);
  EXPECT_EQ(s.CountdownPresetSeconds, 0);
  EXPECT_EQ(s.AlarmClockOn, 0);
  EXPECT_EQ(s.AlarmClockHour, 0);
  EXPECT_EQ(s.AlarmClockMinute, 0);
  EXPECT_EQ(s.AlarmClockSecond, 0);
  EXPECT_EQ(s.UtcDisplay, 1);
  EXPECT_EQ(s.StopwatchDisplay, 1);
  EXPECT_EQ(s.AlarmClockDisplay, 1);
  EXPECT_EQ(s.CountdownDisplay, 1);
  EXPECT_EQ(s.VoltsDisplayMax, 200);
  EXPECT_EQ(s.VoltsDisplayMin, 80);
  EXPECT_EQ(s.VoltsLowAlarm, 100);
  EXPECT_EQ(s.VoltsHighAlarm, 150);
  EXPECT_EQ(s.VoltsLowAlarmOn, 1);
  EXPECT_EQ(s.VoltsHighAlarmOn, 1);
  EXPECT_EQ(s.VoltsLowCaution, 110);
  EXPECT_EQ(s.VoltsHighCaution, 140);
  EXPECT_EQ(s.CurrentDisplay, 1);
  EXPECT_EQ(s.CurrentLowAlarm, -40);
  EXPECT_EQ(s.CurrentLowAlarmOn, 1);
  EXPECT_EQ(s.CurrentHighAlarm, 40);
  EXPECT_EQ(s.CurrentLowCaution, -30);
  EXPECT_EQ(s.CurrentHighCaution, 30);
  EXPECT_EQ(s.CurrentHighAlarmOn, 1);
  EXPECT_EQ(s.CurrentGain, 100);
  EXPECT_EQ(s.OatDisplay, 1);
  EXPECT_EQ(s.OatLowAlarm, 0);
  EXPECT_EQ(s.OatHighAlarm, 60);
  EXPECT_EQ(s.OatLowAlarmOn, 1);
  EXPECT_EQ(s.OatHighAlarmOn, 1);
  EXPECT_EQ(s.OatLowCaution, 10);
  EXPECT_EQ(s.OatHighCaution, 50);
  EXPECT_EQ(s.OatUnit, 0);
  EXPECT_EQ(s.SlipDisplay, 1);
  EXPECT_EQ(s.SlipSense, 0);
  EXPECT_EQ(s.SlipZero, 0);
}

void ExpectDefaultCalibration() {
  EXPECT_EQ(Calibration.VoltsCalPercent, 100);
  EXPECT_EQ(Calibration.OatCalOffset, 0);
  for (const TAxisCalibration& axis : Calibration.Axis) {
    EXPECT_EQ(axis.AxisZero, 0);
    EXPECT_EQ(std::bit_cast<uint32_t>(axis.AxisPosScale), 0x3B5844D0u);
    EXPECT_EQ(std::bit_cast<uint32_t>(axis.AxisNegScale), 0xBB5844D0u);
  }
  EXPECT_EQ(Calibration.CurrentZero, 0x8000);
}

// Changes every kind of field the pilot can reach.
void ChangeEverything() {
  Settings.SecurityCode = 1234;
  Settings.SecurityEnabled = 1;
  Settings.HomeView = 5;
  Settings.UtcOffset = -780;
  Settings.CountdownPresetHours = 23;
  Settings.CountdownPresetMinutes = 59;
  Settings.CountdownPresetSeconds = 59;
  Settings.AlarmClockOn = 1;
  Settings.AlarmClockHour = 23;
  Settings.AlarmClockMinute = 59;
  Settings.AlarmClockSecond = 59;
  Settings.OatUnit = 1;
  Settings.SlipZero = -12;
  Settings.CurrentGain = 1000;
  Calibration.VoltsCalPercent = 150;
  Calibration.OatCalOffset = -20;
  Calibration.Axis[1].AxisZero = 17;
  Calibration.Axis[2].AxisPosScale = 0.004f;
  Calibration.CurrentZero = 48000;
}

TEST(Defaults, PowerOnLoadsEveryDefault) {
  test::PowerOnAt();
  ExpectDefaultSettings();
  ExpectDefaultCalibration();
}

TEST(Defaults, LoadDefaultSettingsLeavesCalibrationAndMinMax) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, 4096, 0);
  test::SettleAxes(300, 0, 0);
  ChangeEverything();
  const TCalibration calibration = Calibration;
  const TMinMax minMax = MinMax;

  LoadDefaultSettings();
  ExpectDefaultSettings();
  EXPECT_EQ(std::memcmp(&Calibration, &calibration, sizeof calibration), 0);
  EXPECT_EQ(std::memcmp(&MinMax, &minMax, sizeof minMax), 0);
  EXPECT_EQ(MinMax.VoltsMin, 0);
  EXPECT_EQ(MinMax.VoltsMax, 120);
  EXPECT_EQ(MinMax.CurrentMax, 20);
  EXPECT_EQ(MinMax.OatMin, -273);
}

TEST(Defaults, OffAndOnRestoresSettingsButKeepsTheTimers) {
  test::PowerOnAt();
  ChangeEverything();
  StopwatchRunning = 1;
  CountdownRunning = 1;
  CountdownCount = 100;
  test::Tick(30);
  RequestStop();
  EXPECT_EQ(StopRequested, 1);
  test::Tick(10);  // ticks keep running while the unit is off
  PowerOn();
  EXPECT_EQ(StopRequested, 0);
  ExpectDefaultSettings();
  ExpectDefaultCalibration();
  EXPECT_EQ(StopwatchRunning, 1);
  EXPECT_EQ(StopwatchCount, 40u);
  EXPECT_EQ(CountdownCount, 60u);
}

TEST(ReadingMinMax, VoltsMinimumStaysAtTheZeroedReading) {
  test::PowerOnAt();
  EXPECT_EQ(MinMax.VoltsMin, 0);
  EXPECT_EQ(MinMax.VoltsMax, 0);
  test::SetInputs(4096, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(MinMax.VoltsMin, 0);
  EXPECT_EQ(MinMax.VoltsMax, 371);
  test::SetInputs(0, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(MinMax.VoltsMin, 0);  // 0.9 V is the lowest reading
  EXPECT_EQ(MinMax.VoltsMax, 371);

  ResetAllMinMax();
  EXPECT_EQ(MinMax.VoltsMin, 9);
  EXPECT_EQ(MinMax.VoltsMax, 9);
  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(MinMax.VoltsMin, 9);
  EXPECT_EQ(MinMax.VoltsMax, 120);
}

TEST(ReadingMinMax, SignedReadingsWidenBothWays) {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, 0, 0);
  test::Pass();
  EXPECT_EQ(MinMax.CurrentMin, -20);
  EXPECT_EQ(MinMax.CurrentMax, 0);
  EXPECT_EQ(MinMax.OatMin, -273);
  EXPECT_EQ(MinMax.OatMax, 0);
  test::SetInputs(QuietVolts, 4096, 4096);
  test::Pass();
  EXPECT_EQ(MinMax.CurrentMin, -20);
  EXPECT_EQ(MinMax.CurrentMax, 20);
  EXPECT_EQ(MinMax.OatMin, -273);
  EXPECT_EQ(MinMax.OatMax, 221);
}

TEST(ReadingMinMax, OatExtremesInTheSelectedUnit) {
  test::PowerOnAt();
  Settings.OatUnit = 1;
  test::SetInputs(QuietVolts, QuietCurrent, 2218);  // -6 C = 21 F
  Calibration.OatCalOffset = 1;                     // -5 C = 23 F
  test::Pass();
  EXPECT_EQ(Oat, 23);
  ResetAllMinMax();
  EXPECT_EQ(MinMax.OatMin, 23);
  EXPECT_EQ(MinMax.OatMax, 23);
  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(MinMax.OatMax, 69);  // 21 C with the offset
}

TEST(ReadingMinMax, ResetAllRestartsEverythingFromThePresentReadings) {
  test::PowerOnAt();
  test::SetInputs(4096, 4096, 4096);
  test::SettleAxes(0, 0, 300);
  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::SettleAxes(0, 0, 150);
  ResetAllMinMax();
  EXPECT_EQ(MinMax.VoltsMin, 120);
  EXPECT_EQ(MinMax.VoltsMax, 120);
  EXPECT_EQ(MinMax.CurrentMin, 0);
  EXPECT_EQ(MinMax.CurrentMax, 0);
  EXPECT_EQ(MinMax.OatMin, 20);
  EXPECT_EQ(MinMax.OatMax, 20);
  EXPECT_NEAR(MinMax.GMin, 0.495, 1e-6);
  EXPECT_NEAR(MinMax.GMax, 0.495, 1e-6);

  // ResetGMinMax leaves the sensor extremes.
  test::SetInputs(4096, QuietCurrent, QuietOat);
  test::SettleAxes(0, 0, 0);
  ResetGMinMax();
  EXPECT_EQ(MinMax.VoltsMax, 371);
  EXPECT_EQ(MinMax.GMin, 0.0f);
  EXPECT_EQ(MinMax.GMax, 0.0f);
}

TEST(RecordCrc, KnownVectors) {
  const uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  const uint8_t letters[] = {'a', 'b', 'c'};
  EXPECT_EQ(Crc16(digits, 9), 0x374B);
  EXPECT_EQ(Crc16(letters, 3), 0x4957);
  EXPECT_EQ(Crc16(digits, 0), 0xFFFF);
  EXPECT_EQ(Crc16(nullptr, 0), 0xFFFF);
  EXPECT_EQ(Crc16(digits, 1), 0x7E94);  // standard 0x947E over "1"
}

TEST(RecordCrc, TablesHoldEveryEntry) {
  EXPECT_EQ(CrcTableLow[0], 0x00);
  EXPECT_EQ(CrcTableLow[1], 0xC1);
  EXPECT_EQ(CrcTableLow[2], 0x81);
  EXPECT_EQ(CrcTableLow[3], 0x40);
  EXPECT_EQ(CrcTableHigh[0], 0x00);
  EXPECT_EQ(CrcTableHigh[1], 0xC0);
  EXPECT_EQ(CrcTableHigh[2], 0xC1);
  EXPECT_EQ(CrcTableHigh[3], 0x01);
  for (int i = 0; i < 256; ++i) {
    uint16_t entry = uint16_t(i);
    for (int bit = 0; bit < 8; ++bit) entry = (entry & 1) ? (entry >> 1) ^ 0xA001 : entry >> 1;
    ASSERT_EQ(CrcTableLow[i], entry & 0xFF) << i;
    ASSERT_EQ(CrcTableHigh[i], entry >> 8) << i;
  }
}

TEST(RecordCrc, MatchesTheBitwiseCrcOverLongBlocks) {
  static uint8_t block[65535];
  uint32_t seed = 12345;
  for (uint8_t& byte : block) {
    seed = seed * 1103515245u + 12345u;
    byte = uint8_t(seed >> 16);
  }
  uint16_t crc = 0xFFFF;
  for (uint8_t byte : block) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  EXPECT_EQ(Crc16(block, 65535), uint16_t(crc << 8 | crc >> 8));
}

}  // namespace
