// The misc setup list: backlight, security, information and defaults.
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// clang-format off
const TMenuItem MiscItems[] = {
    {.Label = "BACKLIGHT", .Opens = BacklightPage},
    {.Label = "SECURITY SETUP", .Opens = SecuritySetupPage},
    {.Label = "INFORMATION", .Opens = InfoPage},
    {.Label = "DEFAULT SETTINGS", .Opens = LoadDefaultsConfirmPage},
};
// clang-format on

}  // namespace

// clang-format off
const TMenuList MiscList = {.Page = MiscSetupPage, .Title = "MISC", .Subtitle = "SETUP",
                            .Items = MiscItems, .Count = CountOf(MiscItems), .Parent = MainMenuPage};
// clang-format on

void MiscSetupPage() { RunMenuList(MiscList); }
