// Security setup: the security switch and, while it is on, the code change.
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"
#include "pages/CodeDigits.h"

namespace {

// The code change starts on the first digit of 0000.
void StartCodeChange() {
  ClearCodeDigits();
  MenuState.ReturnPage = SecuritySetupPage;
}

// clang-format off
const TMenuItem SecurityItems[] = {
 // Label           Shown as     Kind        Field
    {"SECURITY: ",  ShowOffOn,   ItemSwitch, Field(Settings.SecurityEnabled)},
    {.Label = "CHANGE CODE", .Opens = VerifyCodePage, .Press = StartCodeChange},
};
// clang-format on

}  // namespace

// CHANGE CODE exists only while security is on.
// clang-format off
const TMenuList SecurityList = {.Page = SecuritySetupPage, .Title = "SECURITY", .Subtitle = "SETUP",
                                .Items = SecurityItems, .Count = CountOf(SecurityItems), .Parent = MiscSetupPage,
                                .HiddenFrom = 1, .ShownWhile = &Settings.SecurityEnabled, .Options = ListNoScrollBar};
// clang-format on

void SecuritySetupPage() { RunMenuList(SecurityList); }
