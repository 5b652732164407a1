// The code change chain: the current code, the new code, its confirmation,
// then the CODE CHANGED or CODE ERROR message.
#include "core/Settings.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"
#include "pages/CodeDigits.h"
#include "pages/HomePage.h"

namespace {

// The chain returns to the security entry that started it.
void ShowCodeMessage(uint16_t result) {
  MenuState.Selection = EntryOf(SecuritySetupPage, VerifyCodePage);
  MenuState.PendingCode = result;
  PageHandler = CodeMessagePage;
  MenuState.ReturnPage = SecuritySetupPage;
}

// Draws a code page and handles its keys; returns true when the fourth digit
// has been confirmed with a knob press.
bool CodePageCompleted(const char* prompt1, const char* prompt2) {
  if (MenuState.Selection > 3) MenuState.Selection = 0;
  DrawCodeDigits(prompt1, prompt2, SoftKeysBack);
  const uint8_t key = TakeKey();
  if (key != KeyLeft) return StepCodeDigits(key);
  ReturnToParent(SecuritySetupPage, VerifyCodePage);
  return false;
}

}  // namespace

void VerifyCodePage() {
  if (!CodePageCompleted("ENTER SECURITY", "CODE")) return;
  const uint16_t code = EnteredCode();
  if (code == Settings.SecurityCode || code == MasterCode) {
    ClearCodeDigits();
    PageHandler = NewCodePage;
  } else {
    ShowCodeMessage(0);
  }
}

void NewCodePage() {
  if (!CodePageCompleted("ENTER NEW", "CODE")) return;
  MenuState.PendingCode = EnteredCode();
  ClearCodeDigits();
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
