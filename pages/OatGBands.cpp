// The OAT and G-force readouts.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"

namespace {

// The OAT number, or "---" above the sensor's useful range.
void FormatOat(char* text, int size) {
  const int16_t limit = Settings.OatUnit == 1 ? 300 : 150;
  if (Oat > limit)
    std::snprintf(text, size, "---");
  else
    std::snprintf(text, size, "%d", Oat);
}

const char* OatUnitText() {
  return Settings.OatUnit == 1 ? "\xB0"
                                 "F"
                               : "\xB0"
                                 "C";
}

uint8_t OatState() {
  return LevelStateInclusive(Oat, Settings.OatLowAlarm, Settings.OatLowCaution,
                             Settings.OatHighCaution, Settings.OatHighAlarm);
}

void DrawGReading(int16_t x, int16_t y, uint8_t size, THighlightBox box) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", GForce);
  DrawString(x, y, text, size, AlignRight, ColourWhite);
  HighlightReading(x, y, text, size, AlignRight, GAlarmState(GForce), box);
}

}  // namespace

void DrawOatSmall() {
  char text[8];
  FormatOat(text, sizeof text);
  DrawString(25, 57, text, 10, AlignCentre, ColourWhite);
  HighlightReading(25, 57, text, 10, AlignCentre, OatState(), THighlightBox{-1, 0, 58, 77});
  // The unit follows the number.
  DrawString(static_cast<int16_t>(TextEndX + 10), 63, OatUnitText(), 8, AlignCentre, ColourGrey);
}

void DrawOatLarge() {
  char text[8];
  FormatOat(text, sizeof text);
  DrawString(21, 60, text, 10, AlignCentre, ColourWhite);
  HighlightReading(21, 60, text, 10, AlignCentre, OatState(), THighlightBox{-1, 0, 60, 80});
  DrawString(21, 80, OatUnitText(), 8, AlignCentre, ColourGrey);
}

void DrawGLarge() {
  DrawGReading(140, 48, 30, THighlightBox{0, -1, 56, 99});
  DrawString(160, 65, "g", 16, AlignRight, ColourGrey);
}

void DrawGMedium() {
  DrawGReading(140, 47, 20, THighlightBox{-1, -1, 52, 80});
  DrawString(160, 55, "g", 12, AlignRight, ColourGrey);
}
