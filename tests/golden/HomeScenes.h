// The scenes of the home views, the timer and alarm pages and the code
// entry: fixed clock,
// 13.7 V, 5.2 A, 20 C, about 1 g with a little slip. Each ends with a pass
// after its last key, so the screen drawn in FrameBuffer shows the state.
#pragma once
#include "core/Core.h"
#include "pages/Pages.h"
#include "support/Instrument.h"
#include "support/Scene.h"

namespace homescreens {

inline void PowerOnSteady() {
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

inline void ShowView(uint8_t view) {
  Settings.HomeView = view;
  test::Pass();
}

inline void View(uint8_t view) {
  PowerOnSteady();
  if (view == 2) StopwatchRunning = 1;
  if (view == 4) {
    Settings.AlarmClockHour = 6;
    Settings.AlarmClockMinute = 45;
  }
  ShowView(view);
}

// A view with one setting changed from the defaults.
template <uint8_t TheView, auto Field, auto Value>
void ViewWith() {
  PowerOnSteady();
  Settings.*Field = Value;
  ShowView(TheView);
}

// Volts above the high alarm, OAT in caution, blink phase on.
inline void View5Alarm() {
  PowerOnSteady();
  test::SetInputs(1648, 2568, 2716);
  test::Tick(11);
  ShowView(5);
}

// Volts on the high alarm level (marked here), OAT in caution, no current.
inline void View5VoltsOnlyAlarm() {
  PowerOnSteady();
  Settings.CurrentDisplay = 0;
  test::SetInputs(1592, 2048, 2716);
  test::Tick(11);
  ShowView(5);
}

// Memories from power-on: volts minimum 0.0 (alarm), OAT maximum 60 (caution).
inline void View7Marked() {
  test::PowerOnAt();
  test::SetInputs(1445, 2568, 2757);
  test::SettleAxes(0, 0, 300);
  test::Tick(11);
  ShowView(7);
}

inline void SetTimer() {
  PowerOnSteady();
  Settings.CountdownPresetHours = 1;
  Settings.CountdownPresetMinutes = 30;
  Settings.CountdownPresetSeconds = 15;
  ShowView(3);
  test::Press(KeyRight);
  test::Press(KeyKnobPress);
  test::Pass();
}

inline void SetAlarm() {
  PowerOnSteady();
  Settings.AlarmClockHour = 6;
  Settings.AlarmClockMinute = 45;
  ShowView(4);
  test::Press(KeyRight);
  test::Pass();
}

inline void CodeEntry() {
  PowerOnSteady();
  Settings.SecurityEnabled = 1;
  test::Pass();
  test::Press(KeyKnobPress);
  test::PressTimes(KeyKnobPlus, 6);
  test::Press(KeyKnobPress);
  test::PressTimes(KeyKnobPlus, 2);
  test::Pass();
}

inline const test::TScene HomeScenes[] = {
    {"home_view0", [] { View(0); }},
    {"home_view1_manual", [] { View(1); }},
    {"home_view1_remote", ViewWith<1, &TSettings::FlightTimerMode, 1>},
    {"home_view2", [] { View(2); }},
    {"home_view3", [] { View(3); }},
    {"home_view4", [] { View(4); }},
    {"home_view5", [] { View(5); }},
    {"home_view5_volts_only", ViewWith<5, &TSettings::CurrentDisplay, 0>},
    {"home_view6", [] { View(6); }},
    {"home_view7", [] { View(7); }},
    // The slip display off: the G memory takes the bottom of view 0, and the
    // timer views show the large G and OAT readouts.
    {"home_view0_slip_off", ViewWith<0, &TSettings::SlipDisplay, 0>},
    {"home_view2_slip_off", ViewWith<2, &TSettings::SlipDisplay, 0>},
    {"home_view5_alarm", View5Alarm},
    {"home_view5_volts_only_alarm", View5VoltsOnlyAlarm},
    {"home_view7_marked", View7Marked},
    {"home_set_timer", SetTimer},
    {"home_set_alarm", SetAlarm},
    {"home_code_entry", CodeEntry},
};

}  // namespace homescreens
