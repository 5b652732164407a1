// The question screen that asks before a setting or record is changed.
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

bool QuestionAnswered(const char* line1, const char* line2, const char* line3,
                      TPageHandler parent) {
  DrawTitleBar("MESSAGE", "");
  DrawImage(5, 40, IconQuestion);
  DrawString(110, 35, line1, 9, AlignCentre, ColourWhite);
  DrawString(110, 56, line2, 9, AlignCentre, ColourWhite);
  DrawString(110, 77, line3, 9, AlignCentre, ColourWhite);
  DrawNoYesKeys();

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    ReturnToParent(parent, PageHandler);
  } else if (key == KeyRight) {
    MenuState.Selection = EntryOf(parent, PageHandler);
    MenuState.ReturnPage = parent;
    PageHandler = MessagePage;
    return true;
  }
  return false;
}
