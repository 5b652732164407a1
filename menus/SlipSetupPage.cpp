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

const TMenuList SlipList = {.Page = SlipSetupPage,
                            .Title = "SLIP",
                            .Subtitle = "SETUP",
                            .Items = SlipItems,
                            .Count = 3,
                            .Parent = MainMenuPage,
                            .HiddenFrom = 1,
                            .ShownWhile = &Settings.SlipDisplay};

void SlipSetupPage() { RunMenuList(SlipList); }

void ZeroSlipPage() {
  if (QuestionAnswered("ZERO", "SLIP", "SENSOR?", SlipSetupPage)) Settings.SlipZero = SlipCount;
}
