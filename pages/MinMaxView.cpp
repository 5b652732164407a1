// The "MIN / MAX" view of the home page: stored lowest and highest readings.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"
#include "pages/TimerPages.h"

namespace {

struct TMinMaxTexts {
  char Minimum[48];
  char Maximum[48];
};

void DrawStoredValue(int16_t x, int16_t y, const char* text, uint8_t state) {
  DrawString(x, y, text, 8, AlignRight, ColourWhite);
  const THighlightBox box = {-1, -1, static_cast<int16_t>(y + 1), static_cast<int16_t>(y + 15)};
  HighlightReading(x, y, text, 8, AlignRight, state, box);
}

void DrawRow(int16_t y, const char* label, const TMinMaxTexts& texts, uint8_t minimumState,
             uint8_t maximumState, const char* unit, int16_t unitX) {
  DrawString(0, y, label, 8, AlignLeft, ColourGrey);
  DrawStoredValue(100, y, texts.Minimum, minimumState);
  DrawString(102, y, "/", 8, AlignLeft, ColourWhite);
  DrawStoredValue(140, y, texts.Maximum, maximumState);
  DrawString(unitX, y, unit, 8, AlignRight, ColourGrey);
}

uint8_t VoltsState(uint16_t volts) {
  return LevelStateStrict(volts, Settings.VoltsLowAlarm, Settings.VoltsLowCaution,
                          Settings.VoltsHighCaution, Settings.VoltsHighAlarm);
}

uint8_t OatState(int16_t oat) {
  return LevelStateStrict(oat, Settings.OatLowAlarm, Settings.OatLowCaution,
                          Settings.OatHighCaution, Settings.OatHighAlarm);
}

uint8_t CurrentState(int16_t current) {
  return LevelStateStrict(current, Settings.CurrentLowAlarm, Settings.CurrentLowCaution,
                          Settings.CurrentHighCaution, Settings.CurrentHighAlarm);
}

void DrawVoltsRow() {
  TMinMaxTexts texts;
  std::snprintf(texts.Minimum, sizeof texts.Minimum, "%.1f", MinMax.VoltsMin * 0.1);
  std::snprintf(texts.Maximum, sizeof texts.Maximum, "%.1f", MinMax.VoltsMax * 0.1);
  DrawRow(30, "VOLTS:", texts, VoltsState(MinMax.VoltsMin), VoltsState(MinMax.VoltsMax), "V", 159);
}

void DrawGRow() {
  TMinMaxTexts texts;
  std::snprintf(texts.Minimum, sizeof texts.Minimum, "%.1f", MinMax.GMin);
  std::snprintf(texts.Maximum, sizeof texts.Maximum, "%.1f", MinMax.GMax);
  DrawRow(48, "GF:", texts, GAlarmState(MinMax.GMin), GAlarmState(MinMax.GMax), "g", 159);
}

void DrawOatRow() {
  TMinMaxTexts texts;
  std::snprintf(texts.Minimum, sizeof texts.Minimum, "%d", MinMax.OatMin);
  std::snprintf(texts.Maximum, sizeof texts.Maximum, "%d", MinMax.OatMax);
  const char* unit = Settings.OatUnit == 1 ? "\xB0"
                                             "F"
                                           : "\xB0"
                                             "C";
  DrawRow(66, "OAT:", texts, OatState(MinMax.OatMin), OatState(MinMax.OatMax), unit, 160);
}

void DrawCurrentRow(int16_t y) {
  TMinMaxTexts texts;
  std::snprintf(texts.Minimum, sizeof texts.Minimum, "%d", MinMax.CurrentMin);
  std::snprintf(texts.Maximum, sizeof texts.Maximum, "%d", MinMax.CurrentMax);
  DrawRow(y, "AMPS:", texts, CurrentState(MinMax.CurrentMin), CurrentState(MinMax.CurrentMax), "A",
          159);
}

}  // namespace

void DrawMinMaxView() {
  DrawString(80, 5, "MIN / MAX", 9, AlignCentre, ColourWhite);
  DrawHLine(0, 159, 25, ColourWhite);
  DrawVoltsRow();
  DrawGRow();
  if (Settings.OatDisplay == 1) DrawOatRow();
  if (Settings.CurrentDisplay == 1) DrawCurrentRow(Settings.OatDisplay == 1 ? 84 : 66);
  // The soft-key frame has no knob symbol here.
  DrawHLine(0, 159, 102, ColourWhite);
  DrawVLine(102, 119, 53, ColourWhite);
  DrawVLine(102, 119, 106, ColourWhite);
  DrawString(26, 104, "RESET", 8, AlignCentre, ColourWhite);
}
