// Pieces shared by the sensor setup lists.
#include "graphics/Graphics.h"
#include "menus/Menus.h"

int8_t ItemRow(uint8_t index) { return static_cast<int8_t>(index - MenuState.ScrollOffset); }

void DrawListFooter(uint8_t count) {
  const uint8_t shown = MenuState.Selection < count ? MenuState.Selection : count - 1;
  DrawScrollIndicator(shown, count);
  DrawSoftKeys(2);
}

uint8_t HandleListKeys(uint8_t entry, uint8_t count) {
  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = MainMenuPage;
    ResetMenuState(entry);
  } else if ((key == KeyKnobPlus || key == KeyKnobMinus) && MenuState.EditMode == 0) {
    MoveSelection(key, count);
    MenuState.StepMultiplier = 1;
  }
  return key;
}
