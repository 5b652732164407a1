// The zone bar: red, yellow, green, yellow, red zones between the scale's
// ends, and a white pointer at the value.
#include <algorithm>
#include <limits>

#include "graphics/Graphics.h"
#include "pages/Bands.h"

TBarGraphParams BarGraphParams;

namespace {

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int16_t ScreenColumn(int32_t x) {
  return static_cast<int16_t>(std::clamp<int32_t>(x, -32768, 32767));
}

// Column offset of a level within the bar, truncated toward zero. The scale
// is stored in single precision but divided into in double precision, so a
// level on a scale that rounded up lands just short of its whole column
// (11.0 V of the default 8..20 V scale at 21.99..., not 22). A scale that
// does not rise (maximum not above minimum, or no width) puts every level at
// the left end, and a level beyond the scale stops at its end, so the zones
// never leave the bar whatever the settings hold.
int32_t ZoneColumn(int64_t level, int64_t minimum, float scale, uint16_t width) {
  if (!(scale > 0.0f)) return 0;
  const double offset = static_cast<double>(level - minimum) / static_cast<double>(scale);
  if (!(offset > 0.0)) return 0;
  if (offset >= width) return width;
  return static_cast<int32_t>(offset);
}

}  // namespace

void BarGraph() {
  TBarGraphParams& bar = BarGraphParams;
  int64_t maximum = bar.Maximum, minimum = bar.Minimum, value = bar.Value;
  int64_t lowAlarm = bar.LowAlarm, lowCaution = bar.LowCaution;
  int64_t highCaution = bar.HighCaution, highAlarm = bar.HighAlarm;

  // A scale starting below zero is moved up to start at zero.
  if (minimum < 0) {
    const int64_t shift = -minimum;
    maximum += shift;
    lowAlarm += shift;
    lowCaution += shift;
    highCaution += shift;
    highAlarm += shift;
    value += shift;
    minimum = 0;
  }

  highAlarm = std::min(highAlarm, maximum);
  highCaution = std::min(highCaution, maximum);
  highCaution = std::min(highCaution, highAlarm);
  highAlarm = std::max(highAlarm, minimum);
  highCaution = std::max(highCaution, minimum);
  lowAlarm = std::max(lowAlarm, minimum);
  lowCaution = std::max(lowCaution, minimum);
  lowCaution = std::max(lowCaution, lowAlarm);
  if (value > maximum) value = maximum;
  if (value < minimum) value = minimum;

  bar.Maximum = Saturate(maximum);
  bar.Minimum = Saturate(minimum);
  bar.Value = Saturate(value);
  bar.LowAlarm = Saturate(lowAlarm);
  bar.LowCaution = Saturate(lowCaution);
  bar.HighCaution = Saturate(highCaution);
  bar.HighAlarm = Saturate(highAlarm);

  // Divided in double precision, held in single precision.
  const float scale = bar.Width == 0
                          ? 0.0f
                          : static_cast<float>(static_cast<double>(maximum - minimum) / bar.Width);
  const int32_t x = bar.X;
  const int32_t lowAlarmX = x + ZoneColumn(lowAlarm, minimum, scale, bar.Width);
  const int32_t lowCautionX = x + ZoneColumn(lowCaution, minimum, scale, bar.Width);
  const int32_t highCautionX = x + ZoneColumn(highCaution, minimum, scale, bar.Width);
  const int32_t highAlarmX = x + ZoneColumn(highAlarm, minimum, scale, bar.Width);
  const int32_t endX = x + bar.Width;
  const int16_t top = bar.Y;
  const auto bottom = static_cast<int16_t>(bar.Y + bar.Height);

  // Neighbouring zones share an end column; the later zone draws over it.
  FillRect(ScreenColumn(x), top, ScreenColumn(lowAlarmX), bottom, ColourRed);
  FillRect(ScreenColumn(lowAlarmX), top, ScreenColumn(lowCautionX), bottom, ColourYellow);
  FillRect(ScreenColumn(lowCautionX), top, ScreenColumn(highCautionX), bottom, ColourGreen);
  FillRect(ScreenColumn(highCautionX), top, ScreenColumn(highAlarmX), bottom, ColourYellow);
  FillRect(ScreenColumn(highAlarmX), top, ScreenColumn(endX), bottom, ColourRed);

  const int32_t pointerX = x + ZoneColumn(value, minimum, scale, bar.Width);
  FillRect(ScreenColumn(pointerX - 3), static_cast<int16_t>(top - 3), ScreenColumn(pointerX + 3),
           static_cast<int16_t>(bottom + 3), ColourWhite);
}
