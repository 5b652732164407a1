// Scenes of the home views, the timer and alarm pages, the code entry and
// the min/max view, in a fixed state: fixed clock, 13.7 V, 5.2 A, 20 C, 1 g.
#include "Scenes.h"
#include "core/Core.h"
#include "pages/Pages.h"

namespace {

void PowerOnSteady() {
  test::PowerOnAt();
  test::SetInputs(1445, 2568, 2426);
  test::SettleAxes(30, 40, 300);
  ResetAllMinMax();
  StopwatchCount = 12345;
  CountdownCount = 54150;
  FlightTimeCount = 6000;
  MinMax.GPosCycles = 2;
  MinMax.GNegCycles = 1;
}

void ShowView(uint8_t view) {
  Settings.HomeView = view;
  test::Pass();
}

}  // namespace

AXIM_SCENE(home_view0) {
  PowerOnSteady();
  ShowView(0);
}

AXIM_SCENE(home_view1_manual) {
  PowerOnSteady();
  ShowView(1);
}

AXIM_SCENE(home_view1_remote) {
  PowerOnSteady();
  Settings.FlightTimerMode = 1;
  ShowView(1);
}

AXIM_SCENE(home_view2) {
  PowerOnSteady();
  StopwatchRunning = 1;
  ShowView(2);
}

AXIM_SCENE(home_view3) {
  PowerOnSteady();
  ShowView(3);
}

AXIM_SCENE(home_view4) {
  PowerOnSteady();
  Settings.AlarmClockHour = 6;
  Settings.AlarmClockMinute = 45;
  ShowView(4);
}

AXIM_SCENE(home_view5) {
  PowerOnSteady();
  ShowView(5);
}

AXIM_SCENE(home_view5_volts_only) {
  PowerOnSteady();
  Settings.CurrentDisplay = 0;
  ShowView(5);
}

AXIM_SCENE(home_view6) {
  PowerOnSteady();
  ShowView(6);
}

AXIM_SCENE(home_view7) {
  PowerOnSteady();
  ShowView(7);
}

AXIM_SCENE(home_view0_slip_off) {
  PowerOnSteady();
  Settings.SlipDisplay = 0;
  ShowView(0);
}

AXIM_SCENE(home_view2_slip_off) {
  PowerOnSteady();
  Settings.SlipDisplay = 0;
  ShowView(2);
}

// Volts above the high alarm, OAT in caution, blink phase on.
AXIM_SCENE(home_view5_alarm) {
  PowerOnSteady();
  test::SetInputs(1648, 2568, 2716);
  test::Tick(11);
  ShowView(5);
}

AXIM_SCENE(home_view5_volts_only_alarm) {
  PowerOnSteady();
  Settings.CurrentDisplay = 0;
  test::SetInputs(1592, 2048, 2716);
  test::Tick(11);
  ShowView(5);
}

AXIM_SCENE(home_view7_marked) {
  test::PowerOnAt();
  test::SetInputs(1445, 2568, 2757);
  test::SettleAxes(0, 0, 300);
  test::Tick(11);
  ShowView(7);
}

AXIM_SCENE(home_set_timer) {
  PowerOnSteady();
  Settings.CountdownPresetHours = 1;
  Settings.CountdownPresetMinutes = 30;
  Settings.CountdownPresetSeconds = 15;
  MenuState.Selection = 1;
  PageHandler = SetTimerPage;
  test::Pass();
}

AXIM_SCENE(home_set_alarm) {
  PowerOnSteady();
  Settings.AlarmClockHour = 6;
  Settings.AlarmClockMinute = 45;
  MenuState.Selection = 0;
  PageHandler = SetAlarmPage;
  test::Pass();
}

AXIM_SCENE(home_code_entry) {
  PowerOnSteady();
  Settings.SecurityEnabled = 1;
  test::Pass();
  test::Press(KeyKnobPress);
  test::PressTimes(KeyKnobPlus, 6);
  test::Press(KeyKnobPress);
  test::PressTimes(KeyKnobPlus, 2);
}
