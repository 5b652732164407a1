// A read-only list of the live converter counts and accelerations.
#include <cstdio>

#include "core/Sensors.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t AdcCount = 8;

void FormatAdcItem(uint8_t item, char* text, std::size_t size) {
  static const char* const axisNames[3] = {"X", "Y", "Z"};
  switch (item) {
    case 0:
      std::snprintf(text, size, "VOLTS: %d", VoltsRaw);
      break;
    case 1:
      std::snprintf(text, size, "CURRENT: %d", CurrentRaw);
      break;
    case 2:
      std::snprintf(text, size, "OAT: %d", OatRaw);
      break;
    case 3:
      std::snprintf(text, size, "FT: %d", FtInput);
      break;
    case 4:
    case 5:
    case 6:
      std::snprintf(text, size, "%s: %d %0.2fg", axisNames[item - 4], AxisCount[item - 4],
                    static_cast<double>(AxisG[item - 4]));
      break;
    default:
      std::snprintf(text, size, "GF: %.1fg", static_cast<double>(GForce));
      break;
  }
}

}  // namespace

void AdcValuesPage() {
  if (MenuState.Selection >= AdcCount) MenuState.Selection = 0;
  UpdateScrollOffset();
  DrawTitleBar("ADC", "VALUES");
  DrawScrollIndicator(MenuState.Selection, AdcCount);
  char text[32];
  for (uint8_t item = 0; item < AdcCount; ++item) {
    const int row = item - MenuState.ScrollOffset;
    if (row < 0 || row > 4) continue;
    FormatAdcItem(item, text, sizeof text);
    DrawMenuRow(row, text, item == MenuState.Selection ? ColourRed : ColourWhite);
  }
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  if (key == KeyLeft) {
    PageHandler = MainMenuPage;
    ResetMenuState(8);
  } else {
    MoveSelection(key, AdcCount);
  }
}
