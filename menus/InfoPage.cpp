// The information page: model and firmware version.
#include <cstdio>

#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

void InfoPage() {
  DrawTitleBar("INFO", "");
  DrawMenuRow(0, "MODEL: AXIM-7", ColourWhite);
  char text[24];
  std::snprintf(text, sizeof text, "FIRMWARE: V%.2f", FirmwareVersion * 0.01);
  DrawMenuRow(1, text, ColourWhite);
  DrawSoftKeys(SoftKeysBack);

  if (TakeKey() == KeyLeft) ReturnToParent(MiscSetupPage, InfoPage);
}
