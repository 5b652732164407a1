// Leaving the menu tree, resetting the shared menu state between pages, and
// the small helpers every menu page uses for keys and rows.
#include "core/RunState.h"
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "menus/MainMenu.h"
#include "pages/PageHandlers.h"

void GoHome() {
  PageHandler = HomePage;
  MenuState.EditMode = 0;
  MenuState.Selection = 0;
  MenuState.ScrollOffset = 0;
  MenuState.StepMultiplier = 1;
  StoreSettings();
}

void ResetMenuState(uint8_t index) {
  MenuState.PendingCode = 0;
  MenuState.EditMode = 0;
  MenuState.Selection = index;
  MenuState.ScrollOffset = 0;
  MenuState.StepMultiplier = 1;
}

uint8_t TakeKey() {
  const uint8_t key = KeySlot;
  KeySlot = KeyNone;
  return key;
}

uint8_t NextItem(uint8_t item, uint8_t count) { return item + 1 >= count ? 0 : item + 1; }

uint8_t PreviousItem(uint8_t item, uint8_t count) {
  // An item beyond the list (left over from a longer layout) steps onto the last one.
  return item == 0 || item > count ? count - 1 : item - 1;
}

void MoveSelection(uint8_t key, uint8_t count) {
  if (key == KeyKnobPlus) MenuState.Selection = NextItem(MenuState.Selection, count);
  if (key == KeyKnobMinus) MenuState.Selection = PreviousItem(MenuState.Selection, count);
}

void UpdateScrollOffset() {
  MenuState.ScrollOffset = MenuState.Selection >= 5 ? MenuState.Selection - 4 : 0;
}

const char* SwitchText(uint8_t value) { return value ? "ON" : "OFF"; }
