// Volts setup: the scale, the alarm and caution levels and the calibration
// percentage, in tenths of a volt.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The calibration shows the live voltage it gives beside the percentage.
void CalText(char* text, std::size_t size) {
  std::snprintf(text, size, "%d%% %.1fV", Calibration.VoltsCalPercent, Volts / 10.0);
}

// clang-format off
const TMenuItem VoltsItems[] = {
 // Label              Shown as    Kind        Field                                Range     Step label   Knob
    {"DISPLAY MAX: ",  ShowTenths, ItemWrap,   Field(Settings.VoltsDisplayMax),     100, 300, StepsTenths, 1},
    {"DISPLAY MIN: ",  ShowTenths, ItemWrap,   Field(Settings.VoltsDisplayMin),     0, 300,   StepsTenths, 1},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.VoltsHighAlarmOn)},
    {"HIGH ALARM: ",   ShowTenths, ItemWrap,   Field(Settings.VoltsHighAlarm),      100, 300, StepsTenths, 1},
    {"HIGH CAUTION: ", ShowTenths, ItemWrap,   Field(Settings.VoltsHighCaution),    100, 300, StepsTenths, 1},
    {"LOW CAUTION: ",  ShowTenths, ItemWrap,   Field(Settings.VoltsLowCaution),     0, 300,   StepsTenths, 1},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.VoltsLowAlarmOn)},
    {"LOW ALARM: ",    ShowTenths, ItemWrap,   Field(Settings.VoltsLowAlarm),       0, 300,   StepsTenths, 1},
    {"CAL: ",          ShowCustom, ItemStop,   Field(Calibration.VoltsCalPercent),  50, 150,  StepsNone,   1, CalText},
};
// clang-format on

// clang-format off
const TMenuList VoltsList = {.Page = VoltsSetupPage, .Title = "VOLTS", .Subtitle = "SETUP",
                             .Items = VoltsItems, .Count = CountOf(VoltsItems), .Parent = MainMenuPage,
                             .Options = ListStoresCalibration};
// clang-format on

}  // namespace

void VoltsSetupPage() { RunMenuList(VoltsList); }
