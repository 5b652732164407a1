// OAT setup: display and unit switches, the alarm and caution levels in
// whole degrees of the selected unit, and the calibration offset in Celsius.
#include <cstdio>

#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The levels are plain numbers of the unit selected when the key is pressed.
void UnitLimits(int16_t& bottom, int16_t& top) {
  bottom = Settings.OatUnit == 1 ? -58 : -50;
  top = Settings.OatUnit == 1 ? 302 : 150;
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
    {"HIGH ALARM: ",   ShowWhole,  ItemWrap,   Field(Settings.OatHighAlarm),      0, 0,     StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"HIGH CAUTION: ", ShowWhole,  ItemWrap,   Field(Settings.OatHighCaution),    0, 0,     StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"LOW CAUTION: ",  ShowWhole,  ItemWrap,   Field(Settings.OatLowCaution),     0, 0,     StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"LOW ALARM: ",    ShowOffOn,  ItemSwitch, Field(Settings.OatLowAlarmOn)},
    {"LOW ALARM: ",    ShowWhole,  ItemWrap,   Field(Settings.OatLowAlarm),       0, 0,     StepsWhole, 1, nullptr, nullptr, nullptr, UnitLimits},
    {"OAT CAL: ",      ShowCustom, ItemStop,   Field(Calibration.OatCalOffset),   -20, 20,  StepsNone,  1, CalText},
};
// clang-format on

const TMenuList OatList = {.Page = OatSetupPage,
                           .Title = "OAT",
                           .Subtitle = "SETUP",
                           .Items = OatItems,
                           .Count = 9,
                           .Parent = MainMenuPage,
                           .HiddenFrom = 1,
                           .ShownWhile = &Settings.OatDisplay,
                           .StoresCalibration = true};

}  // namespace

void OatSetupPage() { RunMenuList(OatList); }
