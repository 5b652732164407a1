// The common marking of readings outside their normal range.
#include "core/RunState.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"

uint8_t LevelStateStrict(int32_t value, int32_t lowAlarm, int32_t lowCaution, int32_t highCaution,
                         int32_t highAlarm) {
  if (value < lowAlarm || value > highAlarm) return ReadingAlarm;
  if (value < lowCaution || value > highCaution) return ReadingCaution;
  return ReadingNormal;
}

uint8_t LevelStateInclusive(int32_t value, int32_t lowAlarm, int32_t lowCaution,
                            int32_t highCaution, int32_t highAlarm) {
  if (value <= lowAlarm || value >= highAlarm) return ReadingAlarm;
  if (value <= lowCaution || value >= highCaution) return ReadingCaution;
  return ReadingNormal;
}

uint8_t GAlarmState(float g) {
  // The thresholds are tenths of g; the product is compared unrounded.
  const double tenths = static_cast<double>(g) * 10.0;
  if (Settings.GPosAlarmOn == 1 && tenths > Settings.GPosAlarm) return ReadingAlarm;
  if (Settings.GNegAlarmOn == 1 && tenths < Settings.GNegAlarm) return ReadingAlarm;
  return ReadingNormal;
}

void HighlightReading(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
                      uint8_t state, THighlightBox box) {
  const auto left = static_cast<int16_t>(TextStartX + box.Left);
  const auto right = static_cast<int16_t>(TextEndX + box.Right);
  if (state == ReadingAlarm) {
    if (BlinkPhase != 1) return;
    FillRect(left, box.Top, right, box.Bottom, ColourRed);
    DrawString(x, y, text, size, alignment, ColourWhite);
  } else if (state == ReadingCaution) {
    FillRect(left, box.Top, right, box.Bottom, ColourYellow);
    DrawString(x, y, text, size, alignment, ColourBlack);
  }
}
