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

const TMenuList MiscList = {.Page = MiscSetupPage,
                            .Title = "MISC",
                            .Subtitle = "SETUP",
                            .Items = MiscItems,
                            .Count = 4,
                            .Parent = MainMenuPage};

void MiscSetupPage() { RunMenuList(MiscList); }
