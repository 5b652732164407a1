// The two shared message pages: "DONE" after a finished action, and the
// outcome of a security-code entry or change.
#include "graphics/FrameBuffer.h"
#include "graphics/Furniture.h"
#include "graphics/Image.h"
#include "graphics/Text.h"

namespace {

// Any key resumes the page the caller chose; without one, the start page,
// so that a key never leaves the instrument without a page.
void ReturnOnAnyKey() {
  if (KeySlot == KeyNone) return;
  const TPageHandler next = MenuState.ReturnPage != nullptr ? MenuState.ReturnPage : StartPage;
  if (next != nullptr) PageHandler = next;
  KeySlot = KeyNone;
}

}  // namespace

void MessagePage() {
  DrawTitleBar("MESSAGE", "");
  DrawString(110, 55, "DONE", 16, AlignCentre, ColourWhite);
  DrawImage(10, 45, IconAttention);
  ReturnOnAnyKey();
}

void CodeMessagePage() {
  DrawTitleBar("MESSAGE", "");
  DrawImage(5, 40, IconAttention);
  DrawString(110, 45, "CODE", 10, AlignCentre, ColourWhite);
  DrawString(110, 63, MenuState.PendingCode == 1 ? "CHANGED" : "ERROR", 10, AlignCentre,
             ColourWhite);
  DrawSoftKeys(2);
  ReturnOnAnyKey();
}
