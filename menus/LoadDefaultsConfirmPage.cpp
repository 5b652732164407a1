// The confirmation before every setting returns to its default.
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

void LoadDefaultsConfirmPage() {
  DrawTitleBar("MESSAGE", "");
  DrawImage(5, 40, IconQuestion);
  DrawString(110, 35, "LOAD", 9, AlignCentre, ColourWhite);
  DrawString(110, 56, "DEFAULT", 9, AlignCentre, ColourWhite);
  DrawString(110, 77, "SETTINGS?", 9, AlignCentre, ColourWhite);
  DrawNoYesKeys();

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = MiscSetupPage;
    ResetMenuState(3);
  } else if (key == KeyRight) {
    PageHandler = MessagePage;
    MenuState.ReturnPage = MiscSetupPage;
    ResetMenuState(3);
    LoadDefaultSettings();
  }
}
