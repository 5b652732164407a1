// The security code entry: four digits set with the knob, checked against
// the security code and the master code.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "menus/MainMenu.h"
#include "pages/HomePage.h"

uint8_t CodeEntryPurpose;

namespace {

constexpr int16_t DigitX[4] = {50, 70, 90, 110};

void DrawCodeEntry() {
  DrawTitleBar("SECURITY", "CODE");
  DrawString(80, 30, "ENTER SECURITY", 8, AlignCentre, ColourWhite);
  DrawString(80, 45, "CODE", 8, AlignCentre, ColourWhite);
  char text[4];
  for (uint8_t i = 0; i < 4; ++i) {
    std::snprintf(text, sizeof text, "%d", MenuState.CodeDigits[i] % 10);
    const uint8_t colour = MenuState.Selection == i ? ColourRed : ColourWhite;
    DrawString(DigitX[i], 61, text, 20, AlignCentre, colour);
  }
  DrawSoftKeys(1);
}

uint16_t EnteredCode() {
  const uint8_t* d = MenuState.CodeDigits;
  return static_cast<uint16_t>(d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]);
}

void CheckCode() {
  const uint16_t code = EnteredCode();
  if (code != Settings.SecurityCode && code != MasterCode) {
    MenuState.PendingCode = 0;  // the message reads "ERROR"
    MenuState.ReturnPage = HomePage;
    PageHandler = CodeMessagePage;
    return;
  }
  for (uint8_t& digit : MenuState.CodeDigits) digit = 0;
  MenuState.Selection = 0;
  switch (CodeEntryPurpose) {
    case 0:
      PageHandler = MainMenuPage;
      return;
    case 1:
      ResetGMinMax();
      break;
    case 2:
      ResetAllMinMax();
      break;
    default:
      break;
  }
  PageHandler = HomePage;
}

void HandleCodeKey(uint8_t key) {
  const uint8_t index = MenuState.Selection < 3 ? MenuState.Selection : 3;
  uint8_t& digit = MenuState.CodeDigits[index];
  switch (key) {
    case KeyLeft:
      PageHandler = HomePage;
      break;
    case KeyKnobPress:
      if (MenuState.Selection < 3)
        ++MenuState.Selection;
      else
        CheckCode();
      break;
    case KeyKnobPlus:
      digit = digit >= 9 ? 0 : static_cast<uint8_t>(digit + 1);
      break;
    case KeyKnobMinus:
      digit = digit == 0 || digit > 9 ? 9 : static_cast<uint8_t>(digit - 1);
      break;
    default:
      break;
  }
}

}  // namespace

void OpenCodeEntry(uint8_t purpose) {
  for (uint8_t& digit : MenuState.CodeDigits) digit = 0;
  MenuState.Selection = 0;
  CodeEntryPurpose = purpose;
  PageHandler = CodeEntryPage;
}

void CodeEntryPage() {
  DrawCodeEntry();
  const uint8_t key = KeySlot;
  if (key == KeyNone) return;
  HandleCodeKey(key);
  KeySlot = KeyNone;
}
