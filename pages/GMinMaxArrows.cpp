// The G-force memory: the lowest G under a down arrow, the highest beside an
// up arrow, and the counts of positive and negative G cycles.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"
#include "pages/GSlipGraphics.h"

namespace {

void DrawArrowRuns(int16_t top, int16_t firstRow, int16_t centre, const int8_t* halfWidths,
                   int count) {
  for (int i = 0; i < count; ++i) {
    const auto row = static_cast<int16_t>(top + firstRow + i);
    DrawLine(static_cast<int16_t>(centre - halfWidths[i]), row,
             static_cast<int16_t>(centre + halfWidths[i]), row, ColourMagenta);
  }
}

void DrawDownArrow(int16_t t) {
  static constexpr int8_t head[] = {6, 5, 4, 3, 2, 1};
  FillRect(46, static_cast<int16_t>(t + 2), 50, static_cast<int16_t>(t + 10), ColourMagenta);
  DrawArrowRuns(t, 11, 48, head, 6);
  PutPixel(48, static_cast<int16_t>(t + 17), ColourMagenta);
}

void DrawUpArrow(int16_t t) {
  static constexpr int8_t head[] = {1, 2, 3, 4, 5, 6};
  PutPixel(111, static_cast<int16_t>(t + 2), ColourMagenta);
  DrawArrowRuns(t, 3, 111, head, 6);
  FillRect(109, static_cast<int16_t>(t + 9), 113, static_cast<int16_t>(t + 17), ColourMagenta);
}

// A stored G value, blinking on a red box while it is past an alarm level.
void DrawGMemory(int16_t x, int16_t t, float g) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", g);
  DrawString(x, t, text, 10, AlignLeft, ColourWhite);
  const THighlightBox box = {0, -1, static_cast<int16_t>(t + 2), static_cast<int16_t>(t + 19)};
  HighlightReading(x, t, text, 10, AlignLeft, GAlarmState(g), box);
}

void DrawCount(int16_t y, uint16_t count) {
  char text[8];
  std::snprintf(text, sizeof text, "%d", count);
  DrawString(0, y, text, 9, AlignLeft, ColourWhite);
}

}  // namespace

void DrawGMinMaxArrows(int16_t top) {
  DrawDownArrow(top);
  DrawGMemory(58, top, MinMax.GMin);
  DrawUpArrow(top);
  DrawGMemory(120, top, MinMax.GMax);
  DrawCount(static_cast<int16_t>(top - 12), MinMax.GPosCycles);
  DrawCount(static_cast<int16_t>(top + 3), MinMax.GNegCycles);
}
