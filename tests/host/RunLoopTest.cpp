// The run loop, tick, key slot and alarm lamp, driven as the window drives
// them: power on, ticks from the 100 ms timer, passes, front-panel keys.
#include <gtest/gtest.h>

#include "core/Core.h"
#include "host/RunLoop.h"
#include "menus/Menus.h"
#include "pages/Pages.h"
#include "support/Instrument.h"

namespace {

// Inputs that raise no alarm with the default settings: 14.0 V, 0 A, 14 C.
constexpr uint16_t QuietVolts = 1479, QuietCurrent = 2048, QuietOat = 2384;
// 15.5 V, above the default high alarm of 15.0 V.
constexpr uint16_t HighVolts = 1648;

void PowerOnQuiet() {
  test::PowerOnAt();
  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::Pass();
  ASSERT_EQ(AlarmFlags, 0u) << "the quiet inputs should raise no alarm";
}

// Ticks until the next two-second event, then the pass that acts on it.
void UntilTwoSecondEvent() {
  while (TwoSecondFlag == 0) test::Tick();
  test::Pass();
}

TEST(ProgramStartTest, ClearsWhatAPreviousProgramLeftInEveryLayer) {
  test::PowerOnAt();
  KeySlot = KeyLeft;
  StopwatchCount = 9;
  AlarmFlags = AlarmVolts;
  Settings.HomeView = 3;
  MenuState.Selection = 4;
  CodeEntryPurpose = 2;
  CalTargetStep = 5;
  TimeEditFields.Year = 2031;
  ResetProgramState();
  EXPECT_EQ(PageHandler, nullptr);
  EXPECT_EQ(KeySlot | StopwatchCount | AlarmFlags | Settings.HomeView, 0u);
  EXPECT_EQ(MenuState.Selection | CodeEntryPurpose | CalTargetStep | TimeEditFields.Year, 0);
}

TEST(KeySlotTest, SecondKeyWhilePendingIsDroppedUntilConsumed) {
  test::ResetInstrument();
  DepositKey(KeyRight);
  DepositKey(KeyLeft);
  DepositKey(KeyKnobMinus);
  EXPECT_EQ(KeySlot, KeyRight);
  KeySlot = KeyNone;  // as a page does when it has acted on the key
  DepositKey(KeyKnobPress);
  EXPECT_EQ(KeySlot, KeyKnobPress);
}

TEST(KeySlotTest, PageConsumesTheKeyOnTheNextPassAndPowerOnClearsIt) {
  PowerOnQuiet();
  test::Press(KeyKnobPlus);
  EXPECT_EQ(KeySlot, KeyNone);
  DepositKey(KeyLeft);
  PowerOn();
  EXPECT_EQ(KeySlot, KeyNone);
}

TEST(TickTest, BlinkPhaseFlipsAfterEveryEleventhTick) {
  test::ResetInstrument();
  uint8_t expected = 0;
  for (int tick = 1; tick <= 45; ++tick) {
    test::Tick();
    if (tick % 11 == 0) expected ^= 1;
    ASSERT_EQ(BlinkPhase, expected) << "after tick " << tick;
  }
}

TEST(TickTest, TwoSecondFlagRisesOnEveryTwentiethTick) {
  test::ResetInstrument();
  for (int tick = 1; tick <= 60; ++tick) {
    test::Tick();
    ASSERT_EQ(TwoSecondFlag, tick % 20 == 0 ? 1 : 0) << "after tick " << tick;
    TwoSecondFlag = 0;  // as the pass does when it acts on it
  }
}

TEST(TickTest, TimersCountAndTheCountdownStopsAtZero) {
  test::ResetInstrument();
  StopwatchRunning = FlightTimerRunning = CountdownRunning = 1;
  CountdownCount = 3;
  test::Tick(5);
  EXPECT_EQ(StopwatchCount, 5u);
  EXPECT_EQ(FlightTimeCount, 5u);
  EXPECT_EQ(CountdownCount, 0u);
  EXPECT_EQ(CountdownRunning, 1);
  StopwatchRunning = 0;
  test::Tick();
  EXPECT_EQ(StopwatchCount, 5u);
  EXPECT_EQ(FlightTimeCount, 6u);
}

TEST(TimeAlarmTest, CountdownAtZeroAlarmsAtTheTwoSecondEventAndStoppingReArms) {
  PowerOnQuiet();
  CountdownRunning = 1;
  CountdownCount = 0;
  test::Pass();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, 0u) << "only the two-second event evaluates";
  UntilTwoSecondEvent();
  EXPECT_NE(AlarmFlags & AlarmCountdown, 0u);
  test::Pass();
  EXPECT_EQ(test::LampRed(), 255);

  AlarmAcknowledged |= AlarmCountdown;
  CountdownRunning = 0;
  test::Pass();
  EXPECT_NE(AlarmFlags & AlarmCountdown, 0u) << "the bit stays until the next event";
  UntilTwoSecondEvent();
  EXPECT_EQ(AlarmFlags & AlarmCountdown, 0u);
  EXPECT_EQ(AlarmAcknowledged & AlarmCountdown, 0u);
}

TEST(TimeAlarmTest, AlarmClockComparesHourMinuteAndSecondEachOnItsOwn) {
  PowerOnQuiet();
  Settings.AlarmClockOn = 1;
  Settings.AlarmClockHour = 10;
  Settings.AlarmClockMinute = 10;
  Settings.AlarmClockSecond = 40;
  // The test clock reads 10:20:30 UTC and the default offset is 0: second 30 < 40.
  UntilTwoSecondEvent();
  EXPECT_EQ(AlarmFlags & AlarmClock, 0u);
  Settings.AlarmClockSecond = 30;
  UntilTwoSecondEvent();
  EXPECT_NE(AlarmFlags & AlarmClock, 0u);
  Settings.AlarmClockMinute = 21;
  UntilTwoSecondEvent();
  EXPECT_EQ(AlarmFlags & AlarmClock, 0u);
}

TEST(LampTest, AcknowledgedAlarmDimsTheLampAndANewExcursionLightsItAgain) {
  PowerOnQuiet();
  test::Pass();
  EXPECT_EQ(test::LampRed(), 128);

  test::SetInputs(HighVolts, QuietCurrent, QuietOat);
  test::Pass(2);  // the lamp shows what the previous pass converted
  EXPECT_EQ(test::LampRed(), 255);

  AlarmAcknowledged |= AlarmVolts;
  test::Pass();
  EXPECT_EQ(test::LampRed(), 128);
  test::Pass(3);
  EXPECT_EQ(test::LampRed(), 128) << "an acknowledged alarm keeps the lamp dark";

  test::SetInputs(QuietVolts, QuietCurrent, QuietOat);
  test::Pass(2);
  test::SetInputs(HighVolts, QuietCurrent, QuietOat);
  test::Pass(2);
  EXPECT_EQ(test::LampRed(), 255);
}

TEST(LampTest, EveryAlarmBitLightsTheLampUnlessAcknowledged) {
  test::ResetInstrument();
  for (uint32_t bit : {0x01u, 0x02u, 0x04u, 0x08u, 0x10u, 0x20u}) {
    AlarmFlags = bit;
    AlarmAcknowledged = 0;
    EXPECT_TRUE(AlarmLampRed()) << bit;
    AlarmAcknowledged = bit;
    EXPECT_FALSE(AlarmLampRed()) << bit;
    AlarmAcknowledged = ~bit;
    EXPECT_TRUE(AlarmLampRed()) << bit;
  }
  AlarmFlags = 0x40 | 0x80;
  AlarmAcknowledged = 0;
  EXPECT_FALSE(AlarmLampRed()) << "bits beyond the six alarms are not alarms";
}

TEST(PowerTest, TimersRunOnAcrossOffAndOn) {
  PowerOnQuiet();
  StopwatchRunning = 1;
  CountdownRunning = 1;
  CountdownCount = 100;
  test::Tick(10);
  RequestStop();
  test::Tick(15);  // the tick keeps running while the instrument is off
  PowerOn();
  EXPECT_EQ(StopRequested, 0);
  EXPECT_EQ(StopwatchRunning, 1);
  EXPECT_EQ(StopwatchCount, 25u);
  EXPECT_EQ(CountdownCount, 75u);
  test::Tick(5);
  EXPECT_EQ(StopwatchCount, 30u);
}

TEST(PowerTest, PowerOnRestartsFromDefaultsAndTheHomePage) {
  PowerOnQuiet();
  Settings.VoltsHighAlarm = 120;
  PageHandler = nullptr;
  MenuState.StepMultiplier = 100;
  test::Tick(7);
  PowerOn();
  EXPECT_EQ(Settings.VoltsHighAlarm, 150);
  EXPECT_EQ(PageHandler, &HomePage);
  EXPECT_EQ(MenuState.StepMultiplier, 1);
  EXPECT_EQ(BlinkCounter, 7) << "the tick counters are not touched";
}

TEST(PowerTest, OffTwiceOrBeforeOnOnlyRequestsTheStop) {
  test::ResetInstrument();
  KeySlot = KeyRight;
  PageHandler = nullptr;
  RequestStop();
  RequestStop();
  EXPECT_EQ(StopRequested, 1);
  EXPECT_EQ(KeySlot, KeyRight);
  EXPECT_EQ(PageHandler, nullptr);
  EXPECT_EQ(BlinkCounter, 0);

  PowerOnQuiet();
  RequestStop();
  RequestStop();
  EXPECT_EQ(StopRequested, 1);
  EXPECT_EQ(PageHandler, &HomePage);
}

TEST(AxisInputTest, PositionsAreStoredAsTwosComplementLowAndHighBytes) {
  test::ResetInstrument();
  WriteAxisInput(0, -1);
  WriteAxisInput(1, 300);
  WriteAxisInput(2, -300);
  EXPECT_EQ(AccelRegisters[0], 255);
  EXPECT_EQ(AccelRegisters[1], 255);
  EXPECT_EQ(AccelRegisters[2], 44);
  EXPECT_EQ(AccelRegisters[3], 1);
  EXPECT_EQ(AccelRegisters[4], 0xD4);
  EXPECT_EQ(AccelRegisters[5], 0xFE);
  WriteAxisInput(3, 7);  // no fourth axis: nothing is written anywhere
  for (int i = 0; i < 6; ++i) EXPECT_NE(AccelRegisters[i], 7) << i;
}

}  // namespace
