// The main menu: one entry at a time, its icon and its two lines.
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

struct TMainMenuEntry {
  const char* Line1;
  const char* Line2;
  const uint8_t* Icon;
  TPageHandler Page;
};

constexpr uint8_t MainMenuCount = 9;
constexpr uint8_t CurrentEntry = 4;

const TMainMenuEntry MainMenuEntries[MainMenuCount] = {
    {"FLIGHT", "TIMER", IconFlightTimer, FlightTimerSetupPage},
    {"G-FORCE", "SETUP", IconGForce, GForceSetupPage},
    {"TIME", "SETUP", IconTime, TimeSetupPage},
    {"VOLTS", "SETUP", IconVolts, VoltsSetupPage},
    {"CURRENT", "SETUP", IconCurrent, CurrentSetupPage},
    {"OAT", "SETUP", IconOat, OatSetupPage},
    {"SLIP", "SETUP", IconSlip, SlipSetupPage},
    {"MISC", "SETUP", IconMisc, MiscSetupPage},
    {"ADC", "VALUES", IconAdc, AdcValuesPage},
};

}  // namespace

void MainMenuPage() {
  // A selection beyond the table cannot be drawn or opened: start over.
  if (MenuState.Selection >= MainMenuCount) MenuState.Selection = 0;
  const uint8_t selection = MenuState.Selection;
  const TMainMenuEntry& entry = MainMenuEntries[selection];

  DrawTitleBar("MAIN MENU", "");
  DrawScrollIndicator(selection, MainMenuCount);
  // The wider CURRENT line sits a little further left, and its icon with it.
  const bool current = selection == CurrentEntry;
  DrawImage(current ? 7 : 10, 41, entry.Icon);
  DrawString(current ? 103 : 105, 46, entry.Line1, 10, AlignCentre, ColourWhite);
  DrawString(105, 64, entry.Line2, 10, AlignCentre, ColourWhite);
  DrawSoftKeys(1);

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    GoHome();
  } else if (key == KeyKnobPress) {
    PageHandler = entry.Page;
    ResetMenuState(0);
  } else {
    MoveSelection(key, MainMenuCount);
  }
}
