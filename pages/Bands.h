// Readout bands of the home views, their alarm and caution marking and the
// zone bar of the volts band.
#pragma once
#include <cstdint>

void DrawLocalTimeBand();
void DrawStatusLetters();
void DrawUtcBand();
void DrawFlightTimeBand();
void DrawStopwatchBand();
void DrawCountdownBand();
void DrawAlarmClockBand();
void DrawElectricalBand();
void DrawVoltsBarBand();
void DrawOatSmall();
void DrawOatLarge();
void DrawGLarge();
void DrawGMedium();

struct TBarGraphParams {
  int16_t X;
  int16_t Y;
  uint16_t Width;
  int16_t Height;
  int32_t Value;
  int32_t Maximum;
  int32_t Minimum;
  int32_t LowAlarm;
  int32_t LowCaution;
  int32_t HighCaution;
  int32_t HighAlarm;
};
extern TBarGraphParams BarGraphParams;
void BarGraph();
