// OAT setup: display and unit switches, the alarm and caution levels in
// whole degrees of the selected unit, and the calibration offset in Celsius.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The levels are plain numbers of the unit selected when the key is pressed.
TRange UnitRange() { return OatLevelRange(Settings.OatUnit); }

// The calibration is always in Celsius, whatever the unit shown.
void OatCalText(char* text, std::size_t size) {
  std::snprintf(text, size,
                "%+d %d\xB0"
                "C",
                Calibration.OatCalOffset, OatCelsius);
}

// clang-format off
const TMenuItem OatItems[] = {
 // Label              Shown as    Kind        Field                              Range              Rule      Step label  Turn Text     Opens    Press    Range now
    {"OAT DISPLAY: ",  ShowOffOn,  ItemSwitch, Field(Settings.OatDisplay)},
    {"TEMP UNIT: ",    ShowUnit,   ItemSwitch, Field(Settings.OatUnit)},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.OatHighAlarmOn)},
    {"HIGH ALARM: ",   ShowWhole,  ItemNumber, Field(Settings.OatHighAlarm),      OatHighAlarmRange,   StepWrap, StepsWhole, 1, nullptr, nullptr, nullptr, UnitRange},
    {"HIGH CAUTION: ", ShowWhole,  ItemNumber, Field(Settings.OatHighCaution),    OatHighCautionRange, StepWrap, StepsWhole, 1, nullptr, nullptr, nullptr, UnitRange},
    {"LOW CAUTION: ",  ShowWhole,  ItemNumber, Field(Settings.OatLowCaution),     OatLowCautionRange,  StepWrap, StepsWhole, 1, nullptr, nullptr, nullptr, UnitRange},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.OatLowAlarmOn)},
    {"LOW ALARM: ",    ShowWhole,  ItemNumber, Field(Settings.OatLowAlarm),       OatLowAlarmRange,    StepWrap, StepsWhole, 1, nullptr, nullptr, nullptr, UnitRange},
    // Adds 1 while below the top and subtracts 1 while above the bottom.
    {"OAT CAL: ",      ShowCustom, ItemNumber, Field(Calibration.OatCalOffset),   OatCalOffsetRange,   StepHold, StepsNone,  1, OatCalText},
};
// clang-format on

// clang-format off
const TMenuList OatList = {.Page = OatSetupPage, .Title = "OAT", .Subtitle = "SETUP",
                           .Items = OatItems, .Count = CountOf(OatItems), .Parent = MainMenuPage,
                           .HiddenFrom = 1, .ShownWhile = &Settings.OatDisplay, .Options = ListStoresCalibration};
// clang-format on

}  // namespace

void OatSetupPage() { RunMenuList(OatList); }
