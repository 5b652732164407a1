// Security setup: the security switch and, while it is on, the code change.
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/CodeDigits.h"

void SecuritySetupPage() {
  // CHANGE CODE exists only while security is on.
  const uint8_t count = Settings.SecurityEnabled ? 2 : 1;
  if (MenuState.Selection >= count) {
    MenuState.Selection = 0;
    MenuState.EditMode = 0;
  }
  UpdateScrollOffset();
  const uint8_t selection = MenuState.Selection;

  DrawTitleBar("SECURITY", "SETUP");
  DrawMenuItem(0, "SECURITY: ", SwitchText(Settings.SecurityEnabled));
  if (Settings.SecurityEnabled)
    DrawMenuRow(1, "CHANGE CODE", selection == 1 ? ColourRed : ColourWhite);
  DrawSoftKeys(2);

  switch (TakeKey()) {
    case KeyLeft:
      PageHandler = MiscSetupPage;
      ResetMenuState(1);
      break;
    case KeyKnobPress:
      if (selection == 0) {
        MenuState.EditMode = !MenuState.EditMode;
      } else {
        ClearCodeDigits();
        PageHandler = VerifyCodePage;
        MenuState.ReturnPage = SecuritySetupPage;
      }
      break;
    case KeyKnobPlus:
    case KeyKnobMinus:
      if (MenuState.EditMode && selection == 0)
        Settings.SecurityEnabled = !Settings.SecurityEnabled;
      else if (!MenuState.EditMode && Settings.SecurityEnabled)
        MenuState.Selection = selection == 0 ? 1 : 0;
      break;
    default:
      break;
  }
}
