// G-force setup: the alarm and cycle thresholds with their switches, and the
// calibration entry offered while the "Calibrate" box is ticked.
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// Each threshold steps by the step shown; past the end it moves towards it
// becomes the other end exactly. Clockwise raises a positive threshold and
// moves a negative one away from zero, that is lowers it.
// clang-format off
const TMenuItem GForceItems[] = {
 // Label           Shown as     Kind        Field                        Range           Rule           Step label        Turn
    {"POS ALARM: ", ShowOffOn,   ItemSwitch, Field(Settings.GPosAlarmOn)},
    {"POS ALARM: ", ShowTenths,  ItemNumber, Field(Settings.GPosAlarm),   GPosAlarmRange, StepWrapAhead, StepsTenthsCycle, 1},
    {"NEG ALARM: ", ShowOffOn,   ItemSwitch, Field(Settings.GNegAlarmOn)},
    {"NEG ALARM: ", ShowTenths,  ItemNumber, Field(Settings.GNegAlarm),   GNegAlarmRange, StepWrapAhead, StepsTenthsCycle, -1},
    {"POS CYCLE: ", ShowTenths,  ItemNumber, Field(Settings.GPosCycle),   GPosCycleRange, StepWrapAhead, StepsTenthsCycle, 1},
    {"NEG CYCLE: ", ShowTenths,  ItemNumber, Field(Settings.GNegCycle),   GNegCycleRange, StepWrapAhead, StepsTenthsCycle, -1},
    {.Label = "CAL G-FORCE", .Opens = CalWarningPage},
};
// clang-format on

}  // namespace

uint8_t CalTargetStep;

// The box is sampled every pass: unticking it hides the calibration item at
// once, even while it is selected, and the selection waits there.
// clang-format off
const TMenuList GForceList = {.Page = GForceSetupPage, .Title = "G-FORCE", .Subtitle = "SETUP",
                              .Items = GForceItems, .Count = CountOf(GForceItems), .Parent = MainMenuPage,
                              .HiddenFrom = 6, .ShownWhile = &CalibrateSwitch, .Options = ListKeepsHiddenSelection};
// clang-format on

void GForceSetupPage() { RunMenuList(GForceList); }
