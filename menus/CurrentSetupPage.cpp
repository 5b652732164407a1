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
 // Label              Shown as    Kind        Field                                Range       Step label       Knob
    {"CURRENT DISP: ", ShowOffOn,  ItemSwitch, Field(Settings.CurrentDisplay)},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.CurrentHighAlarmOn)},
    {"HIGH ALARM: ",   ShowWhole,  ItemWrap,   Field(Settings.CurrentHighAlarm),    -100, 100,  StepsWhole,      1},
    {"HIGH CAUTION: ", ShowWhole,  ItemWrap,   Field(Settings.CurrentHighCaution),  -100, 100,  StepsWhole,      1},
    {"LOW CAUTION: ",  ShowWhole,  ItemWrap,   Field(Settings.CurrentLowCaution),   -100, 100,  StepsWhole,      1},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.CurrentLowAlarmOn)},
    {"LOW ALARM: ",    ShowWhole,  ItemWrap,   Field(Settings.CurrentLowAlarm),     -100, 100,  StepsWhole,      1},
    {.Label = "ZERO SENSOR", .Opens = ZeroCurrentPage},
    {"GAIN: ",         ShowCustom, ItemWrap,   Field(Settings.CurrentGain),         1, 1000,    StepsWholeCycle, 1, GainText},
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
