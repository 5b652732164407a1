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
// The volts text right-aligned at rightX on the electrical row, marked for
// state, and its unit.
void DrawVoltsReading(int16_t rightX, uint8_t state);
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

// How a reading stands against its limits.
constexpr uint8_t ReadingNormal = 0;
constexpr uint8_t ReadingCaution = 1;
constexpr uint8_t ReadingAlarm = 2;

// Limits compared strictly: a reading on a limit is still normal.
uint8_t LevelStateStrict(int32_t value, int32_t lowAlarm, int32_t lowCaution, int32_t highCaution,
                         int32_t highAlarm);
// Limits compared inclusively: a reading on a limit is already marked.
uint8_t LevelStateInclusive(int32_t value, int32_t lowAlarm, int32_t lowCaution,
                            int32_t highCaution, int32_t highAlarm);
// A G value against the G alarm thresholds, strictly, each side only while
// its alarm switch is on; G readings have no caution.
uint8_t GAlarmState(float g);

// The box a marking covers: columns TextStartX + Left .. TextEndX + Right of
// the text just drawn, rows Top..Bottom.
struct THighlightBox {
  int8_t Left;
  int8_t Right;
  int16_t Top;
  int16_t Bottom;
};

// Marks a reading whose text has just been drawn in white with these same
// arguments: an alarm blinks on a red box (white text) while BlinkPhase is 1,
// a caution shows a steady yellow box with black text.
void HighlightReading(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
                      uint8_t state, THighlightBox box);
