// Volts setup: the scale, the alarm and caution levels and the calibration
// percentage, in tenths of a volt.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The calibration shows the live voltage it gives beside the percentage.
void VoltsCalText(char* text, std::size_t size) {
  std::snprintf(text, size, "%d%% %.1fV", Calibration.VoltsCalPercent, Volts / 10.0);
}

// clang-format off
const TMenuItem VoltsItems[] = {
 // Label              Shown as    Kind        Field                                Range                  Rule      Step label
    {"DISPLAY MAX: ",  ShowTenths, ItemNumber, Field(Settings.VoltsDisplayMax),     VoltsDisplayMaxRange,  StepWrap, StepsTenths},
    {"DISPLAY MIN: ",  ShowTenths, ItemNumber, Field(Settings.VoltsDisplayMin),     VoltsDisplayMinRange,  StepWrap, StepsTenths},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.VoltsHighAlarmOn)},
    {"HIGH ALARM: ",   ShowTenths, ItemNumber, Field(Settings.VoltsHighAlarm),      VoltsHighAlarmRange,   StepWrap, StepsTenths},
    {"HIGH CAUTION: ", ShowTenths, ItemNumber, Field(Settings.VoltsHighCaution),    VoltsHighCautionRange, StepWrap, StepsTenths},
    {"LOW CAUTION: ",  ShowTenths, ItemNumber, Field(Settings.VoltsLowCaution),     VoltsLowCautionRange,  StepWrap, StepsTenths},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.VoltsLowAlarmOn)},
    {"LOW ALARM: ",    ShowTenths, ItemNumber, Field(Settings.VoltsLowAlarm),       VoltsLowAlarmRange,    StepWrap, StepsTenths},
    // Adds 1 while below the top and subtracts 1 while above the bottom.
    {"CAL: ",          ShowCustom, ItemNumber, Field(Calibration.VoltsCalPercent),  VoltsCalPercentRange,  StepHold, StepsNone, 1, VoltsCalText},
};
// clang-format on

// clang-format off
const TMenuList VoltsList = {.Page = VoltsSetupPage, .Title = "VOLTS", .Subtitle = "SETUP",
                             .Items = VoltsItems, .Count = CountOf(VoltsItems), .Parent = MainMenuPage,
                             .Options = ListStoresCalibration};
// clang-format on

}  // namespace

void VoltsSetupPage() { RunMenuList(VoltsList); }
