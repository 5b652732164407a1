// The electrical band: battery symbol with bolt or cross, current and volts.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"

namespace {

constexpr THighlightBox ElectricalBox = {-2, 0, 33, 54};

// One run of the charging bolt: rows first..last from column x0 to x1.
struct TBoltRun {
  uint8_t FirstRow;
  uint8_t LastRow;
  uint8_t X0;
  uint8_t X1;
};

constexpr TBoltRun BoltRuns[] = {
    {30, 31, 10, 15}, {32, 34, 9, 14},  {35, 36, 8, 13},  {37, 37, 7, 12}, {38, 39, 7, 15},
    {40, 41, 6, 14},  {42, 44, 10, 13}, {45, 46, 10, 12}, {47, 48, 9, 11}, {49, 50, 9, 10},
};

void DrawBattery() {
  DrawFrame(1, 26, 21, 54, ColourWhite);
  FillRect(8, 23, 14, 26, ColourWhite);
  if (Current > 0) {
    for (const TBoltRun& run : BoltRuns)
      for (int16_t row = run.FirstRow; row <= run.LastRow; ++row)
        DrawHLine(run.X0, run.X1, row, ColourYellow);
    PutPixel(9, 51, ColourYellow);
  } else {
    DrawThickLine(3, 28, 19, 52, ColourRed);
    DrawThickLine(19, 28, 3, 52, ColourRed);
  }
}

void DrawCurrent() {
  char text[16];
  // Tenths below 10 A either way, whole amperes from there on.
  if (CurrentTenths > -100 && CurrentTenths < 100)
    std::snprintf(text, sizeof text, "%.1f", CurrentTenths * 0.1);
  else
    std::snprintf(text, sizeof text, "%d", Current);
  DrawString(70, 32, text, 12, AlignRight, ColourWhite);
  const uint8_t state =
      LevelStateStrict(Current, Settings.CurrentLowAlarm, Settings.CurrentLowCaution,
                       Settings.CurrentHighCaution, Settings.CurrentHighAlarm);
  HighlightReading(70, 32, text, 12, AlignRight, state, ElectricalBox);
  DrawString(90, 32, "A", 12, AlignRight, ColourGrey);
}

}  // namespace

void DrawVoltsReading(int16_t rightX, uint8_t state) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", Volts * 0.1);
  DrawString(rightX, 32, text, 12, AlignRight, ColourWhite);
  HighlightReading(rightX, 32, text, 12, AlignRight, state, ElectricalBox);
  DrawString(160, 32, "V", 12, AlignRight, ColourGrey);
}

void DrawElectricalBand() {
  DrawBattery();
  DrawCurrent();
  DrawVoltsReading(144, LevelStateStrict(Volts, Settings.VoltsLowAlarm, Settings.VoltsLowCaution,
                                         Settings.VoltsHighCaution, Settings.VoltsHighAlarm));
}
