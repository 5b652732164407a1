// Current setup: the display switch, the alarm and caution levels in whole
// amperes, the zeroing entry and the sensor gain; and the zeroing question.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// Small currents show their tenths beside the gain.
void GainText(char* text, std::size_t size) {
  if (Current > -10 && Current < 10)
    std::snprintf(text, size, "%d %.1fA", Settings.CurrentGain, CurrentTenths / 10.0);
  else
    std::snprintf(text, size, "%d %dA", Settings.CurrentGain, Current);
}

// clang-format off
const TMenuItem CurrentItems[] = {
 // Label              Shown as    Kind        Field                                Range                    Rule      Step label
    {"CURRENT DISP: ", ShowOffOn,  ItemSwitch, Field(Settings.CurrentDisplay)},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.CurrentHighAlarmOn)},
    {"HIGH ALARM: ",   ShowWhole,  ItemNumber, Field(Settings.CurrentHighAlarm),    CurrentHighAlarmRange,   StepWrap, StepsWhole},
    {"HIGH CAUTION: ", ShowWhole,  ItemNumber, Field(Settings.CurrentHighCaution),  CurrentHighCautionRange, StepWrap, StepsWhole},
    {"LOW CAUTION: ",  ShowWhole,  ItemNumber, Field(Settings.CurrentLowCaution),   CurrentLowCautionRange,  StepWrap, StepsWhole},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.CurrentLowAlarmOn)},
    {"LOW ALARM: ",    ShowWhole,  ItemNumber, Field(Settings.CurrentLowAlarm),     CurrentLowAlarmRange,    StepWrap, StepsWhole},
    {.Label = "ZERO SENSOR", .Opens = ZeroCurrentPage},
    {"GAIN: ",         ShowCustom, ItemNumber, Field(Settings.CurrentGain),         CurrentGainRange,        StepWrap, StepsWholeCycle, 1, GainText},
};
// clang-format on

}  // namespace

// clang-format off
const TMenuList CurrentList = {.Page = CurrentSetupPage, .Title = "CURRENT", .Subtitle = "SETUP",
                               .Items = CurrentItems, .Count = CountOf(CurrentItems), .Parent = MainMenuPage,
                               .HiddenFrom = 1, .ShownWhile = &Settings.CurrentDisplay};
// clang-format on

void CurrentSetupPage() { RunMenuList(CurrentList); }

void ZeroCurrentPage() {
  if (QuestionAnswered("ZERO", "CURRENT", "SENSOR?", CurrentSetupPage)) ZeroCurrentSensor();
}
