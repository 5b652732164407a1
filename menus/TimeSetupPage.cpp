// Time setup: the UTC editor entry, the UTC offset, the clock-view switches
// and the RTC trim, as a scrolling list of seven items.
#include <cstdio>
#include <cstdlib>

#include "core/Clock.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The editor starts from the clock as it stands.
void LoadUtcEditor() {
  TimeEditFields.Hour = UtcTime.Hour;
  TimeEditFields.Minute = UtcTime.Minute;
  TimeEditFields.Second = UtcTime.Second;
  TimeEditFields.Day = UtcTime.Day;
  TimeEditFields.Month = UtcTime.Month;
  TimeEditFields.Year = UtcTime.Year;
}

void OffsetText(char* text, std::size_t size) {
  const int offset = std::abs(Settings.UtcOffset);
  std::snprintf(text, size, Settings.UtcOffset >= 0 ? "+%02d:%02d" : "-%02d:%02d", offset / 60,
                offset % 60);
}

// The offset moves by half hours only while it stays within thirteen hours;
// the trim turns round at its ends.
// clang-format off
const TMenuItem TimeItems[] = {
 // Label             Shown as     Kind        Field                               Range           Rule           Step label Turn Text
    {.Label = "SET UTC TIME", .Opens = SetUtcTimePage, .Press = LoadUtcEditor},
    {"UTC OFFSET:",   ShowCustom,  ItemNumber, Field(Settings.UtcOffset),          UtcOffsetRange, StepHold,      StepsNone, 1,   OffsetText},
    {"UTC DISPLAY: ", ShowOffOn,   ItemSwitch, Field(Settings.UtcDisplay)},
    {"SW DISPLAY: ",  ShowOffOn,   ItemSwitch, Field(Settings.StopwatchDisplay)},
    {"TMR DISPLAY: ", ShowOffOn,   ItemSwitch, Field(Settings.CountdownDisplay)},
    {"ALM DISPLAY: ", ShowOffOn,   ItemSwitch, Field(Settings.AlarmClockDisplay)},
    {"RTC TRIM: ",    ShowWhole,   ItemNumber, Field(RtcTrim),                     RtcTrimRange,   StepWrapAtEnd, StepsNone},
};
// clang-format on

}  // namespace

// clang-format off
const TMenuList TimeList = {.Page = TimeSetupPage, .Title = "TIME", .Subtitle = "SETUP",
                            .Items = TimeItems, .Count = CountOf(TimeItems), .Parent = MainMenuPage};
// clang-format on

void TimeSetupPage() { RunMenuList(TimeList); }
