// The ranges the instrument's state keeps whatever the pilot does.
#include <cstdio>
#include <string>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/Pages.h"
#include "support/EventStream.h"

namespace test {
namespace {

constexpr uint8_t Unchecked = 255;

struct TPageRange {
  TPageHandler Page;
  const char* Name;
  uint8_t MaxSelection;  // Unchecked where the page does not use it
  bool Lists;            // draws menu rows, so ScrollOffset matters
};

const TPageRange Pages[] = {
    {HomePage, "HomePage", Unchecked, false},
    {CodeEntryPage, "CodeEntryPage", 3, false},
    {SetTimerPage, "SetTimerPage", 2, false},
    {SetAlarmPage, "SetAlarmPage", 2, false},
    {MessagePage, "MessagePage", Unchecked, false},
    {CodeMessagePage, "CodeMessagePage", Unchecked, false},
    {MainMenuPage, "MainMenuPage", 8, false},
    {MiscSetupPage, "MiscSetupPage", 3, true},
    {AdcValuesPage, "AdcValuesPage", 7, true},
    {FlightTimerSetupPage, "FlightTimerSetupPage", 3, true},
    {FlightLogViewPage, "FlightLogViewPage", 4, false},
    {EraseLogConfirmPage, "EraseLogConfirmPage", Unchecked, false},
    {TimeSetupPage, "TimeSetupPage", 6, true},
    {SetUtcTimePage, "SetUtcTimePage", 5, false},
    {BacklightPage, "BacklightPage", 3, true},
    {SecuritySetupPage, "SecuritySetupPage", 1, true},
    {VerifyCodePage, "VerifyCodePage", 3, false},
    {NewCodePage, "NewCodePage", 3, false},
    {ConfirmCodePage, "ConfirmCodePage", 3, false},
    {InfoPage, "InfoPage", Unchecked, true},
    {LoadDefaultsConfirmPage, "LoadDefaultsConfirmPage", Unchecked, false},
    {GForceSetupPage, "GForceSetupPage", 6, true},
    {CalWarningPage, "CalWarningPage", Unchecked, false},
    {CalAxisPage, "CalAxisPage", 7, true},
    {CalStepPage, "CalStepPage", 6, false},
    {VoltsSetupPage, "VoltsSetupPage", 8, true},
    {CurrentSetupPage, "CurrentSetupPage", 8, true},
    {ZeroCurrentPage, "ZeroCurrentPage", Unchecked, false},
    {OatSetupPage, "OatSetupPage", 8, true},
    {SlipSetupPage, "SlipSetupPage", 2, true},
    {ZeroSlipPage, "ZeroSlipPage", Unchecked, false},
};

std::string Broken(const char* what, long value) {
  char text[120];
  std::snprintf(text, sizeof text, "%s out of range: %ld", what, value);
  return text;
}

#define CHECK_RANGE(expr, lo, hi) \
  if ((expr) < (lo) || (expr) > (hi)) return Broken(#expr, static_cast<long>(expr))
#define CHECK_SWITCH(expr) CHECK_RANGE(expr, 0, 1)

std::string CheckSettings() {
  const TSettings& s = Settings;
  CHECK_SWITCH(s.BacklightMode);
  CHECK_RANGE(s.BacklightLevel, 10, 100);
  CHECK_RANGE(s.BacklightThreshold, 100, 4000);
  CHECK_RANGE(s.BacklightDim, 10, 100);
  CHECK_RANGE(s.BacklightBright, 10, 100);
  CHECK_SWITCH(s.SecurityEnabled);
  CHECK_RANGE(s.SecurityCode, 0, 9999);
  CHECK_RANGE(s.HomeView, 0, 7);
  CHECK_SWITCH(s.FlightTimerDisplay);
  CHECK_SWITCH(s.FlightTimerMode);
  CHECK_RANGE(s.GNegAlarm, -300, -1);
  CHECK_RANGE(s.GPosAlarm, 5, 300);
  CHECK_SWITCH(s.GNegAlarmOn);
  CHECK_SWITCH(s.GPosAlarmOn);
  CHECK_RANGE(s.GNegCycle, -300, -1);
  CHECK_RANGE(s.GPosCycle, 5, 300);
  CHECK_RANGE(s.UtcOffset, -780, 780);
  if (s.UtcOffset % 30 != 0) return Broken("s.UtcOffset step", s.UtcOffset);
  CHECK_RANGE(s.CountdownPresetHours, 0, 23);
  CHECK_RANGE(s.CountdownPresetMinutes, 0, 59);
  CHECK_RANGE(s.CountdownPresetSeconds, 0, 59);
  CHECK_SWITCH(s.AlarmClockOn);
  CHECK_RANGE(s.AlarmClockHour, 0, 23);
  CHECK_RANGE(s.AlarmClockMinute, 0, 59);
  CHECK_RANGE(s.AlarmClockSecond, 0, 59);
  CHECK_SWITCH(s.UtcDisplay);
  CHECK_SWITCH(s.StopwatchDisplay);
  CHECK_SWITCH(s.AlarmClockDisplay);
  CHECK_SWITCH(s.CountdownDisplay);
  CHECK_RANGE(s.VoltsDisplayMax, 100, 300);
  CHECK_RANGE(s.VoltsDisplayMin, 0, 300);
  CHECK_RANGE(s.VoltsLowAlarm, 0, 300);
  CHECK_RANGE(s.VoltsHighAlarm, 100, 300);
  CHECK_SWITCH(s.VoltsLowAlarmOn);
  CHECK_SWITCH(s.VoltsHighAlarmOn);
  CHECK_RANGE(s.VoltsLowCaution, 0, 300);
  CHECK_RANGE(s.VoltsHighCaution, 100, 300);
  CHECK_SWITCH(s.CurrentDisplay);
  CHECK_RANGE(s.CurrentLowAlarm, -100, 100);
  CHECK_SWITCH(s.CurrentLowAlarmOn);
  CHECK_RANGE(s.CurrentHighAlarm, -100, 100);
  CHECK_RANGE(s.CurrentLowCaution, -100, 100);
  CHECK_RANGE(s.CurrentHighCaution, -100, 100);
  CHECK_SWITCH(s.CurrentHighAlarmOn);
  CHECK_RANGE(s.CurrentGain, 1, 1000);
  CHECK_SWITCH(s.OatDisplay);
  // Levels keep their number when the unit changes, so the union of the
  // Celsius and Fahrenheit ranges holds.
  CHECK_RANGE(s.OatLowAlarm, -58, 302);
  CHECK_RANGE(s.OatHighAlarm, -58, 302);
  CHECK_SWITCH(s.OatLowAlarmOn);
  CHECK_SWITCH(s.OatHighAlarmOn);
  CHECK_RANGE(s.OatLowCaution, -58, 302);
  CHECK_RANGE(s.OatHighCaution, -58, 302);
  CHECK_SWITCH(s.OatUnit);
  CHECK_SWITCH(s.SlipDisplay);
  CHECK_SWITCH(s.SlipSense);
  CHECK_RANGE(s.SlipZero, -150, 150);
  CHECK_RANGE(Calibration.VoltsCalPercent, 50, 150);
  CHECK_RANGE(Calibration.OatCalOffset, -20, 20);
  CHECK_RANGE(RtcTrim, 0, 127);
  return {};
}

}  // namespace

std::string CheckInvariants() {
  const TPageRange* page = nullptr;
  for (const TPageRange& candidate : Pages)
    if (candidate.Page == PageHandler) page = &candidate;
  if (!page) return "PageHandler is not a page of the instrument";
  if (KeySlot != 0) return std::string("a key was left pending by ") + page->Name;

  const TMenuState& m = MenuState;
  CHECK_SWITCH(m.EditMode);
  if (m.StepMultiplier != 1 && m.StepMultiplier != 10 && m.StepMultiplier != 100 &&
      m.StepMultiplier != 1000)
    return Broken("StepMultiplier", m.StepMultiplier);
  for (uint8_t digit : m.CodeDigits) CHECK_RANGE(digit, 0, 9);
  if (page->MaxSelection != Unchecked) {
    if (m.Selection > page->MaxSelection)
      return std::string(page->Name) + ": " + Broken("Selection", m.Selection);
    const int maxOffset = page->MaxSelection > 4 ? page->MaxSelection - 4 : 0;
    if (page->Lists && m.ScrollOffset > maxOffset)
      return std::string(page->Name) + ": " + Broken("ScrollOffset", m.ScrollOffset);
  }
  return CheckSettings();
}

}  // namespace test
