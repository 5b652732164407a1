// Flight timer setup: the log viewer, log erasure and the two timer settings.
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// clang-format off
const TMenuItem FlightTimerItems[] = {
 // Label                 Shown as          Kind        Field
    {.Label = "VIEW FLIGHT LOG", .Opens = FlightLogViewPage},
    {.Label = "ERASE FLIGHT LOG", .Opens = EraseLogConfirmPage},
    {"FT DISPLAY: ",      ShowOffOn,        ItemSwitch, Field(Settings.FlightTimerDisplay)},
    {"FLIGHT: ",          ShowManualRemote, ItemSwitch, Field(Settings.FlightTimerMode)},
};
// clang-format on

}  // namespace

// The FLIGHT: row exists only while the flight timer is offered.
// clang-format off
const TMenuList FlightTimerList = {.Page = FlightTimerSetupPage, .Title = "FLIGHT", .Subtitle = "TIMER",
                                   .Items = FlightTimerItems, .Count = CountOf(FlightTimerItems), .Parent = MainMenuPage,
                                   .HiddenFrom = 3, .ShownWhile = &Settings.FlightTimerDisplay};
// clang-format on

void FlightTimerSetupPage() { RunMenuList(FlightTimerList); }
