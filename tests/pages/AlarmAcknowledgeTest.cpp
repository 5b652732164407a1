// Alarm acknowledgement on the home page: one alarm per key, lowest first.
#include "PageCheck.h"

namespace {

using test::PageTest;
using test::Press;

class AlarmAcknowledgeTest : public PageTest {};

TEST_F(AlarmAcknowledgeTest, TwoAlarmsTakeTwoKeysAndTheThirdActs) {
  test::SetInputs(test::Volts15_5, test::Amps5_2, test::Oat70);
  test::Pass(2);
  ASSERT_EQ(Volts, 155);
  ASSERT_EQ(Oat, 70);
  ASSERT_EQ(AlarmFlags, AlarmVolts | AlarmOat);
  EXPECT_EQ(test::LampRed(), 255);

  Press(KeyKnobPlus);
  EXPECT_EQ(AlarmAcknowledged, AlarmVolts);
  EXPECT_EQ(Settings.HomeView, 0) << "the key only acknowledged";
  EXPECT_EQ(KeySlot, KeyNone);
  test::Pass();
  EXPECT_EQ(test::LampRed(), 255) << "OAT still unacknowledged";

  Press(KeyKnobPress);
  EXPECT_EQ(AlarmAcknowledged, AlarmVolts | AlarmOat);
  EXPECT_EQ(PageHandler, HomePage) << "the knob press did not open the menu";
  test::Pass();
  EXPECT_EQ(test::LampRed(), 128);

  Press(KeyKnobPlus);
  EXPECT_EQ(Settings.HomeView, 1);
}

TEST_F(AlarmAcknowledgeTest, TheLeftKeyOnlyAcknowledges) {
  ShowView(2);
  test::SetInputs(test::Volts15_5, test::Amps5_2, test::Oat20);
  test::Pass();
  Press(KeyLeft);
  EXPECT_EQ(StopwatchRunning, 0);
  EXPECT_EQ(AlarmAcknowledged, AlarmVolts);
  Press(KeyLeft);
  EXPECT_EQ(StopwatchRunning, 1);
}

TEST_F(AlarmAcknowledgeTest, TheCountdownAlarmIsAcknowledgedAfterTheSensorAlarms) {
  ShowView(3);
  CountdownCount = 0;
  Press(KeyLeft);  // START on a zero count
  ASSERT_EQ(CountdownRunning, 1);
  test::Tick(20);  // two seconds
  test::SetInputs(test::Volts13_7, test::Amps5_2, test::Oat70);
  test::Pass();
  ASSERT_EQ(AlarmFlags, AlarmOat | AlarmCountdown);
  Press(KeyRight);
  EXPECT_EQ(AlarmAcknowledged, AlarmOat);
  EXPECT_EQ(PageHandler, HomePage);
  Press(KeyRight);
  EXPECT_EQ(AlarmAcknowledged, AlarmOat | AlarmCountdown);
  EXPECT_EQ(PageHandler, HomePage);
  test::Pass();
  EXPECT_EQ(test::LampRed(), 128);
  Press(KeyRight);
  EXPECT_EQ(PageHandler, SetTimerPage) << "LOAD acts once all alarms are acknowledged";
}

TEST_F(AlarmAcknowledgeTest, OtherPagesDoNotAcknowledge) {
  ShowView(3);
  Press(KeyRight);
  ASSERT_EQ(PageHandler, SetTimerPage);
  test::SetInputs(test::Volts15_5, test::Amps5_2, test::Oat20);
  test::Pass();
  Press(KeyKnobPlus);
  EXPECT_EQ(AlarmAcknowledged, 0u);
  EXPECT_EQ(Settings.CountdownPresetHours, 1);
  Press(KeyLeft);
  EXPECT_EQ(PageHandler, HomePage);
  EXPECT_EQ(AlarmAcknowledged, 0u);
}

}  // namespace
