// Stepping through the home views, crossing the views that are switched off.
#include "core/Settings.h"
#include "pages/HomePage.h"

void StepHomeViewUp() {
  uint8_t view = Settings.HomeView;
  if (view < 7) ++view;
  // Views 5 and 7 are always shown, so a step always ends on a shown view.
  if (view == 1 && Settings.FlightTimerDisplay == 0) ++view;
  if (view == 2 && Settings.StopwatchDisplay == 0) ++view;
  if (view == 3 && Settings.CountdownDisplay == 0) ++view;
  if (view == 4 && Settings.AlarmClockDisplay == 0) ++view;
  if (view == 6 && Settings.SlipDisplay == 0) ++view;
  Settings.HomeView = view;
}

void StepHomeViewDown() {
  const uint8_t before = Settings.HomeView;
  uint8_t view = before;
  if (view > 0) --view;
  if (view == 6 && Settings.SlipDisplay == 0) --view;
  if (view == 4 && Settings.AlarmClockDisplay == 0) --view;
  if (view == 3 && Settings.CountdownDisplay == 0) --view;
  if (view == 2 && Settings.StopwatchDisplay == 0) --view;
  if (view == 1 && Settings.FlightTimerDisplay == 0) --view;
  // Nothing shown below: stay where we were.
  if (view == 0 && Settings.UtcDisplay == 0) view = before;
  Settings.HomeView = view;
}
