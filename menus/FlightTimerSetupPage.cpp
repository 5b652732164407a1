// Flight timer setup: the log viewer, log erasure and the two timer settings.
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

void FlightTimerSetupPage() {
  // The FLIGHT: row exists only while the flight timer is offered.
  const uint8_t count = Settings.FlightTimerDisplay ? 4 : 3;
  if (MenuState.Selection >= count) {
    MenuState.Selection = count - 1;
    MenuState.EditMode = 0;
  }
  MenuState.ScrollOffset = 0;  // the four rows always fit
  const uint8_t selection = MenuState.Selection;

  DrawTitleBar("FLIGHT", "TIMER");
  DrawMenuRow(0, "VIEW FLIGHT LOG", selection == 0 ? ColourRed : ColourWhite);
  DrawMenuRow(1, "ERASE FLIGHT LOG", selection == 1 ? ColourRed : ColourWhite);
  DrawMenuItem(2, "FT DISPLAY: ", SwitchText(Settings.FlightTimerDisplay));
  if (Settings.FlightTimerDisplay)
    DrawMenuItem(3, "FLIGHT: ", Settings.FlightTimerMode ? "REMOTE" : "MANUAL");
  DrawScrollIndicator(selection, count);
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  switch (key) {
    case KeyLeft:
      PageHandler = MainMenuPage;
      ResetMenuState(0);
      break;
    case KeyKnobPress:
      if (selection == 0) {
        PageHandler = FlightLogViewPage;
        ResetMenuState(0);
      } else if (selection == 1) {
        PageHandler = EraseLogConfirmPage;
        ResetMenuState(0);
      } else {
        MenuState.EditMode = !MenuState.EditMode;
      }
      break;
    case KeyKnobPlus:
    case KeyKnobMinus:
      if (!MenuState.EditMode)
        MoveSelection(key, count);
      else if (selection == 2)
        Settings.FlightTimerDisplay = !Settings.FlightTimerDisplay;
      else if (selection == 3)
        Settings.FlightTimerMode = !Settings.FlightTimerMode;
      break;
    default:
      break;
  }
}
