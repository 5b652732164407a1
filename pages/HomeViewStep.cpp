// Stepping through the home views, crossing the views that are switched off.
#include "core/Settings.h"
#include "pages/HomePage.h"

void StepHomeViewUp() {
  uint8_t view = Settings.HomeView;
  if (view < ViewMinMax) ++view;
  // The electrical and min/max views are always shown, so a step always ends on a shown view.
  if (view == ViewFlightTimer && Settings.FlightTimerDisplay == 0) ++view;
  if (view == ViewStopwatch && Settings.StopwatchDisplay == 0) ++view;
  if (view == ViewCountdown && Settings.CountdownDisplay == 0) ++view;
  if (view == ViewAlarmClock && Settings.AlarmClockDisplay == 0) ++view;
  if (view == ViewGForce && Settings.SlipDisplay == 0) ++view;
  Settings.HomeView = view;
}

void StepHomeViewDown() {
  const uint8_t before = Settings.HomeView;
  uint8_t view = before;
  if (view > ViewUtc) --view;
  if (view == ViewGForce && Settings.SlipDisplay == 0) --view;
  if (view == ViewAlarmClock && Settings.AlarmClockDisplay == 0) --view;
  if (view == ViewCountdown && Settings.CountdownDisplay == 0) --view;
  if (view == ViewStopwatch && Settings.StopwatchDisplay == 0) --view;
  if (view == ViewFlightTimer && Settings.FlightTimerDisplay == 0) --view;
  // Nothing shown below: stay where we were.
  if (view == ViewUtc && Settings.UtcDisplay == 0) view = before;
  Settings.HomeView = view;
}
