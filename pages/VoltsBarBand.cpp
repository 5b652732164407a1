// The volts band with its zone bar, shown when the current readout is off.
#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Bands.h"

void DrawVoltsBarBand() {
  // Here a reading on a limit already counts as beyond it.
  DrawVoltsReading(143, LevelStateInclusive(Volts, Settings.VoltsLowAlarm, Settings.VoltsLowCaution,
                                            Settings.VoltsHighCaution, Settings.VoltsHighAlarm));

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
