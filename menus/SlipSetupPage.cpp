// Slip setup: the display switch, the sensitivity and the zeroing entry; and
// the zeroing question.
#include "core/Sensors.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t SlipItemCount = 3;
constexpr uint8_t SlipEntry = 6;
constexpr uint8_t ZeroItem = 2;

void ToggleSlipItem(uint8_t item) {
  if (item == 0) Settings.SlipDisplay = Settings.SlipDisplay == 0 ? 1 : 0;
  if (item == 1) Settings.SlipSense = Settings.SlipSense == 0 ? 1 : 0;
}

void MoveSlipSelection(uint8_t key, bool shown) {
  uint8_t& selection = MenuState.Selection;
  if (key == KeyKnobPlus) {
    if (shown) selection = NextItem(selection, SlipItemCount);
  } else if (selection == 0 || selection >= SlipItemCount) {
    if (shown) selection = ZeroItem;
  } else {
    --selection;
  }
}

}  // namespace

void SlipSetupPage() {
  const bool shown = Settings.SlipDisplay == 1;
  const uint8_t selection = MenuState.Selection;
  MenuState.ScrollOffset = 0;

  DrawTitleBar("SLIP", "SETUP");
  DrawMenuItem(0, "SLIP DISPLAY: ", SwitchText(Settings.SlipDisplay));
  if (shown) {
    DrawMenuItem(1, "SLIP SENSE: ", Settings.SlipSense == 1 ? "HIGH" : "LOW");
    DrawMenuRow(2, "SLIP ZERO", selection == ZeroItem ? ColourRed : ColourWhite);
  }
  DrawListFooter(shown ? SlipItemCount : 1);

  const uint8_t key = TakeKey();
  switch (key) {
    case KeyLeft:
      PageHandler = MainMenuPage;
      ResetMenuState(SlipEntry);
      break;
    case KeyKnobPress:
      // The zeroing entry opens only while it is on the screen.
      if (selection == ZeroItem && shown) {
        PageHandler = ZeroSlipPage;
        ResetMenuState(0);
      } else if (selection != ZeroItem) {
        MenuState.EditMode = !MenuState.EditMode;
      }
      break;
    case KeyKnobPlus:
    case KeyKnobMinus:
      if (MenuState.EditMode)
        ToggleSlipItem(selection);
      else
        MoveSlipSelection(key, shown);
      break;
    default:
      break;
  }
}

void ZeroSlipPage() {
  if (QuestionAnswered("ZERO", "SLIP", "SENSOR?", SlipSetupPage, ZeroItem))
    Settings.SlipZero = SlipCount;
}
