// Moving through the menu tree: leaving it, opening a child, returning to
// the parent's entry, and the small helpers every menu page uses for keys.
#include "core/RunState.h"
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "menus/GForceSetup.h"
#include "menus/MainMenu.h"
#include "menus/MenuList.h"
#include "menus/TimeSetup.h"
#include "pages/HomePage.h"
#include "pages/PageHandlers.h"

namespace {

// Every page that other pages open, with the table its entries are in.
const TMenuList* const ParentLists[] = {
    &MainMenuList, &MiscList,   &FlightTimerList, &TimeList,
    &SecurityList, &GForceList, &CurrentList,     &SlipList,
};

uint8_t NextItem(uint8_t item, uint8_t count) { return item + 1 >= count ? 0 : item + 1; }

uint8_t PreviousItem(uint8_t item, uint8_t count) {
  // An item beyond the list (left over from a longer layout) steps onto the last one.
  return item == 0 || item > count ? count - 1 : item - 1;
}

}  // namespace

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

void ResetSetupPages() {
  CalTargetStep = 0;
  TimeEditFields = TTimeEditFields{};
}

void OpenChild(TPageHandler child) {
  PageHandler = child;
  ResetMenuState(0);
}

uint8_t EntryOf(TPageHandler parent, TPageHandler child) {
  for (const TMenuList* list : ParentLists) {
    if (list->Page != parent) continue;
    for (uint8_t entry = 0; entry < list->Count; ++entry)
      if (list->Items[entry].Opens == child) return entry;
  }
  return 0;
}

void ReturnToParent(TPageHandler parent, TPageHandler via) {
  const uint8_t entry = EntryOf(parent, via);
  PageHandler = parent;
  ResetMenuState(entry);
}

void MoveSelection(uint8_t key, uint8_t count) {
  if (key == KeyKnobPlus) MenuState.Selection = NextItem(MenuState.Selection, count);
  if (key == KeyKnobMinus) MenuState.Selection = PreviousItem(MenuState.Selection, count);
}
