// The misc setup list: backlight, security, information and defaults.
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t MiscCount = 4;
const char* const MiscRows[MiscCount] = {"BACKLIGHT", "SECURITY SETUP", "INFORMATION",
                                         "DEFAULT SETTINGS"};
const TPageHandler MiscPages[MiscCount] = {BacklightPage, SecuritySetupPage, InfoPage,
                                           LoadDefaultsConfirmPage};

}  // namespace

void MiscSetupPage() {
  if (MenuState.Selection >= MiscCount) MenuState.Selection = 0;
  UpdateScrollOffset();
  DrawTitleBar("MISC", "SETUP");
  DrawScrollIndicator(MenuState.Selection, MiscCount);
  for (uint8_t item = 0; item < MiscCount; ++item)
    DrawMenuRow(item - MenuState.ScrollOffset, MiscRows[item],
                item == MenuState.Selection ? ColourRed : ColourWhite);
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = MainMenuPage;
    ResetMenuState(7);
  } else if (key == KeyKnobPress) {
    PageHandler = MiscPages[MenuState.Selection];
    ResetMenuState(0);
  } else {
    MoveSelection(key, MiscCount);
  }
}
