// Golden screens of the home views, their variants, the timer and alarm
// setting pages and the code entry.
#include <gtest/gtest.h>

#include "HomeScreens.h"
#include "support/Golden.h"

namespace {

using namespace homescreens;

TEST(HomeGoldenTest, UtcView) {
  View(0);
  test::ExpectGolden("home_view0");
}
TEST(HomeGoldenTest, FlightViewManual) {
  View(1);
  test::ExpectGolden("home_view1_manual");
}
TEST(HomeGoldenTest, FlightViewRemote) {
  View1Remote();
  test::ExpectGolden("home_view1_remote");
}
TEST(HomeGoldenTest, StopwatchView) {
  View(2);
  test::ExpectGolden("home_view2");
}
TEST(HomeGoldenTest, CountdownView) {
  View(3);
  test::ExpectGolden("home_view3");
}
TEST(HomeGoldenTest, AlarmClockView) {
  View(4);
  test::ExpectGolden("home_view4");
}
TEST(HomeGoldenTest, ElectricalView) {
  View(5);
  test::ExpectGolden("home_view5");
}
TEST(HomeGoldenTest, ElectricalViewVoltsOnly) {
  View5VoltsOnly();
  test::ExpectGolden("home_view5_volts_only");
}
TEST(HomeGoldenTest, GForceView) {
  View(6);
  test::ExpectGolden("home_view6");
}
TEST(HomeGoldenTest, MinMaxView) {
  View(7);
  test::ExpectGolden("home_view7");
}
TEST(HomeGoldenTest, UtcViewSlipOff) {
  View0SlipOff();
  test::ExpectGolden("home_view0_slip_off");
}
TEST(HomeGoldenTest, StopwatchViewSlipOff) {
  View2SlipOff();
  test::ExpectGolden("home_view2_slip_off");
}
TEST(HomeGoldenTest, ElectricalViewAlarm) {
  View5Alarm();
  test::ExpectGolden("home_view5_alarm");
}
TEST(HomeGoldenTest, ElectricalViewVoltsOnlyAlarm) {
  View5VoltsOnlyAlarm();
  test::ExpectGolden("home_view5_volts_only_alarm");
}
TEST(HomeGoldenTest, MinMaxViewMarked) {
  View7Marked();
  test::ExpectGolden("home_view7_marked");
}
TEST(HomeGoldenTest, SetTimerPage) {
  SetTimer();
  test::ExpectGolden("home_set_timer");
}
TEST(HomeGoldenTest, SetAlarmPage) {
  SetAlarm();
  test::ExpectGolden("home_set_alarm");
}
TEST(HomeGoldenTest, CodeEntryPage) {
  CodeEntry();
  test::ExpectGolden("home_code_entry");
}

}  // namespace
