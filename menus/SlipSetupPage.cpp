// Slip setup: the display switch, the sensitivity and the zeroing entry; and
// the zeroing question.
#include "core/Sensors.h"
#include "core/Settings.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// clang-format off
const TMenuItem SlipItems[] = {
 // Label              Shown as     Kind        Field
    {"SLIP DISPLAY: ", ShowOffOn,   ItemSwitch, Field(Settings.SlipDisplay)},
    {"SLIP SENSE: ",   ShowLowHigh, ItemSwitch, Field(Settings.SlipSense)},
    {.Label = "SLIP ZERO", .Opens = ZeroSlipPage},
};
// clang-format on

}  // namespace

// clang-format off
const TMenuList SlipList = {.Page = SlipSetupPage, .Title = "SLIP", .Subtitle = "SETUP",
                            .Items = SlipItems, .Count = CountOf(SlipItems), .Parent = MainMenuPage,
                            .HiddenFrom = 1, .ShownWhile = &Settings.SlipDisplay};
// clang-format on

void SlipSetupPage() { RunMenuList(SlipList); }

void ZeroSlipPage() {
  if (QuestionAnswered("ZERO", "SLIP", "SENSOR?", SlipSetupPage)) Settings.SlipZero = SlipCount;
}
