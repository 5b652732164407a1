// The volts band with its zone bar, shown when the current readout is off.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"

void DrawVoltsBarBand() {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", Volts * 0.1);
  DrawString(143, 32, text, 12, AlignRight, ColourWhite);
  // Here a reading on a limit already counts as beyond it.
  const uint8_t state = LevelStateInclusive(Volts, Settings.VoltsLowAlarm, Settings.VoltsLowCaution,
                                            Settings.VoltsHighCaution, Settings.VoltsHighAlarm);
  HighlightReading(143, 32, text, 12, AlignRight, state, THighlightBox{-2, 0, 33, 54});
  DrawString(160, 32, "V", 12, AlignRight, ColourGrey);

  BarGraphParams.X = 4;
  BarGraphParams.Y = 37;
  BarGraphParams.Width = 88;
  BarGraphParams.Height = 13;
  BarGraphParams.Value = Volts;
  BarGraphParams.Maximum = Settings.VoltsDisplayMax;
  BarGraphParams.Minimum = Settings.VoltsDisplayMin;
  BarGraphParams.LowAlarm = Settings.VoltsLowAlarm;
  BarGraphParams.LowCaution = Settings.VoltsLowCaution;
  BarGraphParams.HighCaution = Settings.VoltsHighCaution;
  BarGraphParams.HighAlarm = Settings.VoltsHighAlarm;
  BarGraph();
}
