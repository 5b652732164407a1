// OAT setup: display and unit switches, the alarm and caution levels in
// whole degrees of the selected unit, and the calibration offset in Celsius.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The levels are plain numbers of the unit selected when the key is pressed:
// the table holds the Celsius range.
void UnitLimits(int16_t& bottom, int16_t& top) {
  if (Settings.OatUnit != 1) return;
  bottom = -58;
  top = 302;
}

// The calibration is always in Celsius, whatever the unit shown.
void CalText(char* text, std::size_t size) {
  std::snprintf(text, size,
                "%+d %d\xB0"
                "C",
                Calibration.OatCalOffset, OatCelsius);
}

// clang-format off
const TMenuItem OatItems[] = {
 // Label              Shown as    Kind        Field                              Range     Step label  Knob
    {"OAT DISPLAY: ",  ShowOffOn,  ItemSwitch, Field(Settings.OatDisplay)},
    {"TEMP UNIT: ",    ShowUnit,   ItemSwitch, Field(Settings.OatUnit)},
    {"HIGH ALARM: ",   ShowOffOn,  ItemSwitch, Field(Settings.OatHighAlarmOn)},
    {"HIGH ALARM: ",   ShowWhole,  ItemWrap,   Field(Settings.OatHighAlarm),      -50, 150, StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"HIGH CAUTION: ", ShowWhole,  ItemWrap,   Field(Settings.OatHighCaution),    -50, 150, StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"LOW CAUTION: ",  ShowWhole,  ItemWrap,   Field(Settings.OatLowCaution),     -50, 150, StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.OatLowAlarmOn)},
    {"LOW ALARM: ",    ShowWhole,  ItemWrap,   Field(Settings.OatLowAlarm),       -50, 150, StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"OAT CAL: ",      ShowCustom, ItemStop,   Field(Calibration.OatCalOffset),   -20, 20,  StepsNone,  1, CalText},
};
// clang-format on

// clang-format off
const TMenuList OatList = {.Page = OatSetupPage, .Title = "OAT", .Subtitle = "SETUP",
                           .Items = OatItems, .Count = CountOf(OatItems), .Parent = MainMenuPage,
                           .HiddenFrom = 1, .ShownWhile = &Settings.OatDisplay, .Options = ListStoresCalibration};
// clang-format on

}  // namespace

void OatSetupPage() { RunMenuList(OatList); }
