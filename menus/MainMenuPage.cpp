// The main menu: one entry at a time, its icon and its two lines.
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// clang-format off
const TMenuItem MainMenuItems[] = {
    {.Label = "FLIGHT", .Opens = FlightTimerSetupPage},
    {.Label = "G-FORCE", .Opens = GForceSetupPage},
    {.Label = "TIME", .Opens = TimeSetupPage},
    {.Label = "VOLTS", .Opens = VoltsSetupPage},
    {.Label = "CURRENT", .Opens = CurrentSetupPage},
    {.Label = "OAT", .Opens = OatSetupPage},
    {.Label = "SLIP", .Opens = SlipSetupPage},
    {.Label = "MISC", .Opens = MiscSetupPage},
    {.Label = "ADC", .Opens = AdcValuesPage},
};
// clang-format on
constexpr uint8_t MainMenuCount = sizeof MainMenuItems / sizeof MainMenuItems[0];

// The second line and the icon of each entry.
struct TMainMenuFace {
  const char* Line2;
  const uint8_t* Icon;
};
const TMainMenuFace MainMenuFaces[MainMenuCount] = {
    {"TIMER", IconFlightTimer}, {"SETUP", IconGForce},  {"SETUP", IconTime},
    {"SETUP", IconVolts},       {"SETUP", IconCurrent}, {"SETUP", IconOat},
    {"SETUP", IconSlip},        {"SETUP", IconMisc},    {"VALUES", IconAdc},
};

constexpr uint8_t CurrentEntry = 4;

}  // namespace

// clang-format off
const TMenuList MainMenuList = {.Page = MainMenuPage, .Title = "MAIN MENU", .Subtitle = "",
                                .Items = MainMenuItems, .Count = CountOf(MainMenuItems), .Parent = nullptr};
// clang-format on

void MainMenuPage() {
  // A selection beyond the table cannot be drawn or opened: start over.
  if (MenuState.Selection >= MainMenuCount) MenuState.Selection = 0;
  const uint8_t selection = MenuState.Selection;
  const TMainMenuFace& face = MainMenuFaces[selection];

  DrawTitleBar("MAIN MENU", "");
  DrawScrollIndicator(selection, MainMenuCount);
  // The wider CURRENT line sits a little further left, and its icon with it.
  const bool current = selection == CurrentEntry;
  DrawImage(current ? 7 : 10, 41, face.Icon);
  DrawString(current ? 103 : 105, 46, MainMenuItems[selection].Label, 10, AlignCentre, ColourWhite);
  DrawString(105, 64, face.Line2, 10, AlignCentre, ColourWhite);
  DrawSoftKeys(SoftKeysExit);

  const uint8_t key = TakeKey();
  if (key == KeyLeft)
    GoHome();
  else if (key == KeyKnobPress)
    OpenChild(MainMenuItems[selection].Opens);
  else
    MoveSelection(key, MainMenuCount);
}
