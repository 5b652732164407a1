// The security code entry: four digits set with the knob, checked against
// the security code and the master code.
#include "core/Core.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "pages/CodeDigits.h"
#include "pages/HomePage.h"
#include "pages/PageHandlers.h"

uint8_t CodeEntryPurpose;

namespace {

void CheckCode() {
  const uint16_t code = EnteredCode();
  if (code != Settings.SecurityCode && code != MasterCode) {
    MenuState.PendingCode = 0;  // the message reads "ERROR"
    MenuState.ReturnPage = HomePage;
    PageHandler = CodeMessagePage;
    return;
  }
  ClearCodeDigits();
  switch (CodeEntryPurpose) {
    case CodeForMenu:
      PageHandler = MainMenuPage;
      return;
    case CodeForGReset:
      ResetGMinMax();
      break;
    case CodeForAllReset:
      ResetAllMinMax();
      break;
    default:
      break;
  }
  PageHandler = HomePage;
}

}  // namespace

void OpenCodeEntry(uint8_t purpose) {
  ClearCodeDigits();
  CodeEntryPurpose = purpose;
  PageHandler = CodeEntryPage;
}

void CodeEntryPage() {
  DrawCodeDigits("ENTER SECURITY", "CODE", SoftKeysExit);
  const uint8_t key = TakeKey();
  if (key == KeyLeft)
    PageHandler = HomePage;
  else if (StepCodeDigits(key))
    CheckCode();
}
