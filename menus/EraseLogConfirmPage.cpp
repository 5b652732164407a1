// The confirmation before the flight log is erased.
#include "core/Clock.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

void EraseLogConfirmPage() {
  DrawTitleBar("MESSAGE", "");
  DrawImage(5, 40, IconQuestion);
  DrawString(110, 35, "ERASE", 9, AlignCentre, ColourWhite);
  DrawString(110, 56, "FLIGHT", 9, AlignCentre, ColourWhite);
  DrawString(110, 77, "LOG?", 9, AlignCentre, ColourWhite);
  DrawNoYesKeys();

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = FlightTimerSetupPage;
    ResetMenuState(1);
  } else if (key == KeyRight) {
    EraseFlightLog();
    MenuState.ReturnPage = FlightTimerSetupPage;
    PageHandler = MessagePage;
    MenuState.Selection = 1;
  }
}
