// The code change chain: the current code, the new code, its confirmation,
// then the CODE CHANGED or CODE ERROR message.
#include <cstdio>

#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/HomePage.h"

namespace {

constexpr uint8_t LastDigit = 3;

uint16_t EnteredCode() {
  const uint8_t* d = MenuState.CodeDigits;
  return static_cast<uint16_t>(d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3]);
}

void ClearDigits() {
  for (uint8_t& digit : MenuState.CodeDigits) digit = 0;
  MenuState.Selection = 0;
}

void ShowCodeMessage(uint16_t result) {
  MenuState.Selection = 1;
  MenuState.PendingCode = result;
  PageHandler = CodeMessagePage;
  MenuState.ReturnPage = SecuritySetupPage;
}

// Draws a code page and handles its digit keys; returns true when the
// fourth digit has been confirmed with a knob press.
bool CodePageCompleted(const char* prompt1, const char* prompt2) {
  if (MenuState.Selection > LastDigit) MenuState.Selection = 0;
  DrawTitleBar("SECURITY", "CODE");
  DrawString(80, 30, prompt1, 8, AlignCentre, ColourWhite);
  DrawString(80, 45, prompt2, 8, AlignCentre, ColourWhite);
  char text[4];
  for (uint8_t i = 0; i <= LastDigit; ++i) {
    std::snprintf(text, sizeof text, "%d", MenuState.CodeDigits[i] % 10);
    DrawString(50 + 20 * i, 61, text, 20, AlignCentre,
               i == MenuState.Selection ? ColourRed : ColourWhite);
  }
  DrawSoftKeys(2);

  uint8_t& digit = MenuState.CodeDigits[MenuState.Selection];
  switch (TakeKey()) {
    case KeyKnobPlus:
      digit = digit >= 9 ? 0 : digit + 1;
      break;
    case KeyKnobMinus:
      digit = digit == 0 || digit > 9 ? 9 : digit - 1;
      break;
    case KeyKnobPress:
      if (MenuState.Selection < LastDigit) {
        ++MenuState.Selection;
        break;
      }
      return true;
    case KeyLeft:
      PageHandler = SecuritySetupPage;
      ResetMenuState(1);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace

void VerifyCodePage() {
  if (!CodePageCompleted("ENTER SECURITY", "CODE")) return;
  const uint16_t code = EnteredCode();
  if (code == Settings.SecurityCode || code == MasterCode) {
    ClearDigits();
    PageHandler = NewCodePage;
  } else {
    ShowCodeMessage(0);
  }
}

void NewCodePage() {
  if (!CodePageCompleted("ENTER NEW", "CODE")) return;
  MenuState.PendingCode = EnteredCode();
  ClearDigits();
  PageHandler = ConfirmCodePage;
}

void ConfirmCodePage() {
  if (!CodePageCompleted("CONFIRM NEW", "CODE")) return;
  if (EnteredCode() == MenuState.PendingCode) {
    Settings.SecurityCode = MenuState.PendingCode;
    ShowCodeMessage(1);
  } else {
    ShowCodeMessage(0);
  }
}
