// Alarm bits and their acknowledgement as the lamp shows them.
#include <gtest/gtest.h>

#include "support/Instrument.h"

namespace {

constexpr uint16_t QuietVolts = 1253;  // 12.0 V
constexpr uint16_t QuietCurrent = 2048;
constexpr uint16_t QuietOat = 2426;  // 20 C

// Counts that give exactly the volts levels: 15.0 V and 15.1 V.
constexpr uint16_t Volts150 = 1592;
constexpr uint16_t Volts151 = 1603;

// What the home page does with the first key while an alarm is unacknowledged.
void Acknowledge(uint32_t bit) { AlarmAcknowledged |= bit; }

// Lets the tick raise the two-second flag, then runs the pass that acts on it.
void TwoSecondsLater() {
  test::Tick(20);
  test::Pass();
}

void PowerOnQuiet() {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::Pass(2);
}

TEST(SensorAlarms, QuietInputsRaiseNothing) {
  PowerOnQuiet();
  EXPECT_EQ(AlarmFlags, 0u);
  EXPECT_EQ(test::LampRed(), 128);
}

TEST(SensorAlarms, VoltsLevelsAreStrict) {
  PowerOnQuiet();
  test::SetInputs(Volts150, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(Volts, 150);
  EXPECT_EQ(AlarmFlags & AlarmVolts, 0u);
  test::SetInputs(Volts151, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(Volts, 151);
  EXPECT_EQ(AlarmFlags, AlarmVolts);
  test::Pass();  // the lamp follows on the pass after
  EXPECT_EQ(test::LampRed(), 255);

  // Low level 10.0 V: 10.0 raises nothing, 9.9 alarms.
  test::SetInputs(1028, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(Volts, 100);
  EXPECT_EQ(AlarmFlags & AlarmVolts, 0u);
  test::SetInputs(1016, QuietCurrent, QuietOat);
  test::Pass();
  EXPECT_EQ(Volts, 99);
  EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
}

TEST(SensorAlarms, SwitchingTheHighAlarmOffClearsItAndItsAcknowledgement) {
  PowerOnQuiet();
  test::SetInputs(Volts151, QuietCurrent, QuietOat);
  test::Pass();
  Acknowledge(AlarmVolts);
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
  EXPECT_EQ(test::LampRed(), 128);

  Settings.VoltsHighAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmVolts, 0u);
  EXPECT_EQ(AlarmAcknowledged & AlarmVolts, 0u);

  // Back on with the volts still high: active and unacknowledged again.
  Settings.VoltsHighAlarmOn = 1;
  test::Pass(2);
  EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
  EXPECT_EQ(test::LampRed(), 255);
}

TEST(SensorAlarms, CurrentLevelsInWholeAmperes) {
  PowerOnQuiet();
  Settings.CurrentGain = 200;  // 4096 gives 40.9 A
  test::SetInputs(QuietVolts, 4096, QuietOat);
  test::Pass();
  EXPECT_EQ(Current, 40);
  EXPECT_EQ(AlarmFlags & AlarmCurrent, 0u);  // 40 is not above 40
  Settings.CurrentHighAlarm = 39;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCurrent, AlarmCurrent);
  Settings.CurrentHighAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCurrent, 0u);

  test::SetInputs(QuietVolts, 0, QuietOat);
  test::Pass();
  EXPECT_EQ(Current, -40);
  EXPECT_EQ(AlarmFlags & AlarmCurrent, 0u);
  Settings.CurrentLowAlarm = -39;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCurrent, AlarmCurrent);
  Settings.CurrentLowAlarmOn = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCurrent, 0u);
}

TEST(SensorAlarms, AcknowledgedOatAlarmRearmsAfterReturningInside) {
  PowerOnQuiet();
  // 2758 x 1208 / 10000 = 333 -> 60 C, at the level; 2766 -> 61 C.
  test::SetInputs(QuietVolts, QuietCurrent, 2758);
  test::Pass();
  EXPECT_EQ(Oat, 60);
  EXPECT_EQ(AlarmFlags & AlarmOat, 0u);
  test::SetInputs(QuietVolts, QuietCurrent, 2766);
  test::Pass();
  EXPECT_EQ(Oat, 61);
  EXPECT_EQ(AlarmFlags & AlarmOat, AlarmOat);
  Acknowledge(AlarmOat);
  test::Pass(3);
  EXPECT_EQ(AlarmFlags & AlarmOat, AlarmOat);
  EXPECT_EQ(AlarmAcknowledged & AlarmOat, AlarmOat);
  EXPECT_EQ(test::LampRed(), 128);

  test::SetInputs(QuietVolts, QuietCurrent, 2758);
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmOat, 0u);
  EXPECT_EQ(AlarmAcknowledged & AlarmOat, 0u);
  test::SetInputs(QuietVolts, QuietCurrent, 2766);
  test::Pass(2);
  EXPECT_EQ(AlarmFlags & AlarmOat, AlarmOat);
  EXPECT_EQ(AlarmAcknowledged & AlarmOat, 0u);
  EXPECT_EQ(test::LampRed(), 255);
}

TEST(SensorAlarms, OatLevelsReadInTheSelectedUnit) {
  PowerOnQuiet();
  // 20 C is 68 F: above the high level of 60 once the unit is Fahrenheit.
  Settings.OatUnit = 1;
  test::Pass();
  EXPECT_EQ(Oat, 68);
  EXPECT_EQ(Settings.OatHighAlarm, 60);
  EXPECT_EQ(AlarmFlags & AlarmOat, AlarmOat);
  Settings.OatUnit = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmOat, 0u);
  // Below 0 C is below the low level.
  test::SetInputs(QuietVolts, QuietCurrent, 2259);
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmOat, AlarmOat);
}

TEST(SensorAlarms, EachBitIsKeptApart) {
  PowerOnQuiet();
  test::SetInputs(Volts151, 0, 2766);
  Settings.CurrentLowAlarm = -10;
  test::Pass();
  EXPECT_EQ(AlarmFlags, AlarmVolts | AlarmCurrent | AlarmOat);
  Acknowledge(AlarmVolts);
  Acknowledge(AlarmCurrent);
  test::SetInputs(QuietVolts, 0, 2766);
  test::Pass();
  EXPECT_EQ(AlarmFlags, AlarmCurrent | AlarmOat);
  EXPECT_EQ(AlarmAcknowledged, AlarmCurrent);
}

TEST(TimeAlarms, CountdownAtZeroWhileRunning) {
  PowerOnQuiet();
  CountdownCount = 0;
  CountdownRunning = 1;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, 0u);  // waits for the two-second event
  TwoSecondsLater();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, AlarmCountdown);
  Acknowledge(AlarmCountdown);
  TwoSecondsLater();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, AlarmCountdown);
  EXPECT_EQ(CountdownCount, 0u);

  CountdownRunning = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, AlarmCountdown);
  TwoSecondsLater();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, 0u);
  EXPECT_EQ(AlarmAcknowledged & AlarmCountdown, 0u);
}

// Alarm clock state at a local time of day, with the alarm armed at the time.
bool AlarmClockAt(uint8_t hour, uint8_t minute, uint8_t second, uint8_t alarmHour,
                  uint8_t alarmMinute, uint8_t alarmSecond) {
  test::SetClock(1773446400 + hour * 3600 + minute * 60 + second);  // 2026-03-14
  Settings.AlarmClockOn = 1;
  Settings.AlarmClockHour = alarmHour;
  Settings.AlarmClockMinute = alarmMinute;
  Settings.AlarmClockSecond = alarmSecond;
  TwoSecondsLater();
  return (AlarmFlags & AlarmClock) != 0;
}

TEST(TimeAlarms, AlarmClockComparesEachFieldOnItsOwn) {
  PowerOnQuiet();
  EXPECT_FALSE(AlarmClockAt(11, 9, 59, 11, 10, 0));
  EXPECT_TRUE(AlarmClockAt(11, 10, 0, 11, 10, 0));
  EXPECT_TRUE(AlarmClockAt(11, 59, 59, 11, 10, 0));
  EXPECT_FALSE(AlarmClockAt(12, 0, 0, 11, 10, 0));
  EXPECT_FALSE(AlarmClockAt(12, 9, 59, 11, 10, 0));
  EXPECT_TRUE(AlarmClockAt(12, 10, 0, 11, 10, 0));
  EXPECT_TRUE(AlarmClockAt(23, 59, 59, 11, 10, 0));
  EXPECT_FALSE(AlarmClockAt(0, 10, 0, 11, 10, 0));

  EXPECT_FALSE(AlarmClockAt(11, 10, 29, 11, 10, 30));
  EXPECT_TRUE(AlarmClockAt(11, 10, 30, 11, 10, 30));
  EXPECT_FALSE(AlarmClockAt(11, 11, 0, 11, 10, 30));
  EXPECT_FALSE(AlarmClockAt(11, 11, 29, 11, 10, 30));
  EXPECT_TRUE(AlarmClockAt(11, 11, 30, 11, 10, 30));
}

TEST(TimeAlarms, AlarmClockUsesLocalTimeAndItsSwitch) {
  PowerOnQuiet();
  Settings.UtcOffset = 60;
  // 10:30 UTC is 11:30 local.
  EXPECT_TRUE(AlarmClockAt(10, 30, 0, 11, 0, 0));
  Acknowledge(AlarmClock);
  Settings.AlarmClockOn = 0;
  TwoSecondsLater();
  EXPECT_EQ(AlarmFlags & AlarmClock, 0u);
  EXPECT_EQ(AlarmAcknowledged & AlarmClock, 0u);
}

}  // namespace
