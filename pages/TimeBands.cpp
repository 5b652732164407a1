// The local-time band, the status letters and the five large time bands.
#include <cstdio>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/BandParts.h"
#include "pages/Bands.h"

namespace {

constexpr int16_t TimeRow = 22;

void DrawBandLabel(const char* label) { DrawString(0, 35, label, 8, AlignLeft, ColourGrey); }

void DrawLargeTime(int16_t centreX, const char* text) {
  DrawString(centreX, TimeRow, text, 16, AlignCentre, ColourWhite);
}

const char* StartStopLabel(uint8_t running) { return running == 1 ? "STOP" : "START"; }

}  // namespace

void FormatClockTime(char* text, uint8_t hour, uint8_t minute, uint8_t second) {
  std::snprintf(text, TimeTextSize, "%02d:%02d:%02d", hour, minute, second);
}

void FormatCountTime(char* text, uint32_t count) {
  const auto hours = static_cast<uint8_t>(count / 36000);
  const auto minutes = static_cast<uint8_t>((count % 36000) / 600);
  const auto seconds = static_cast<uint8_t>((count % 600) / 10);
  FormatClockTime(text, hours, minutes, seconds);
}

void DrawLeftKeyCell(int16_t rightEdge, int16_t labelX, const char* label) {
  DrawHLine(0, rightEdge, 102, ColourWhite);
  DrawVLine(102, 119, rightEdge, ColourWhite);
  DrawString(labelX, 104, label, 8, AlignCentre, ColourWhite);
}

void DrawRightKeyCell(const char* label) {
  DrawHLine(106, 159, 102, ColourWhite);
  DrawVLine(102, 119, 106, ColourWhite);
  DrawString(134, 104, label, 8, AlignCentre, ColourWhite);
}

void DrawLocalTimeBand() {
  char text[TimeTextSize];
  DrawString(0, 1, "LCL", 8, AlignLeft, ColourGrey);
  FormatClockTime(text, LocalTime.Hour, LocalTime.Minute, LocalTime.Second);
  // The top rows of the digits' cells fall above the screen.
  DrawString(97, -3, text, 16, AlignCentre, ColourWhite);
}

void DrawStatusLetters() {
  if (Settings.StopwatchDisplay == 1 && StopwatchRunning == 1)
    DrawString(0, 14, "S", 8, AlignLeft, ColourCyan);
  // An expired countdown or a ringing alarm clock blinks its letter, even
  // after the alarm has been acknowledged.
  if (Settings.CountdownDisplay == 1 && CountdownRunning == 1 &&
      ((AlarmFlags & AlarmCountdown) == 0 || BlinkPhase == 1))
    DrawString(10, 14, "T", 8, AlignLeft, ColourCyan);
  if (Settings.AlarmClockDisplay == 1 && Settings.AlarmClockOn == 1 &&
      ((AlarmFlags & AlarmClock) == 0 || BlinkPhase == 1))
    DrawString(20, 14, "A", 8, AlignLeft, ColourCyan);
}

void DrawUtcBand() {
  char text[TimeTextSize];
  DrawBandLabel("UTC");
  FormatClockTime(text, UtcTime.Hour, UtcTime.Minute, UtcTime.Second);
  DrawLargeTime(97, text);
}

void DrawFlightTimeBand() {
  char text[TimeTextSize];
  DrawBandLabel("FT");
  FormatCountTime(text, FlightTimeCount);
  DrawLargeTime(97, text);
  if (Settings.FlightTimerMode == 0) DrawLeftKeyCell(53, 26, StartStopLabel(FlightTimerRunning));
}

void DrawStopwatchBand() {
  char text[TimeTextSize];
  DrawBandLabel("SW");
  FormatCountTime(text, StopwatchCount);
  DrawLargeTime(87, text);
  std::snprintf(text, sizeof text, "%1d", static_cast<int>(StopwatchCount % 10));
  DrawString(150, 24, text, 10, AlignLeft, ColourWhite);
  DrawLeftKeyCell(53, 26, StartStopLabel(StopwatchRunning));
  DrawRightKeyCell("ZERO");
}

void DrawCountdownBand() {
  char text[TimeTextSize];
  DrawBandLabel("TMR");
  FormatCountTime(text, CountdownCount);
  DrawLargeTime(97, text);
  DrawLeftKeyCell(53, 26, StartStopLabel(CountdownRunning));
  DrawRightKeyCell("LOAD");
}

void DrawAlarmClockBand() {
  char text[TimeTextSize];
  DrawBandLabel("ALM");
  const bool ringing = Settings.AlarmClockOn == 1 && (AlarmFlags & AlarmClock) != 0;
  if (!ringing || BlinkPhase == 1) {
    FormatClockTime(text, Settings.AlarmClockHour, Settings.AlarmClockMinute,
                    Settings.AlarmClockSecond);
    DrawLargeTime(97, text);
  }
  // The left label names what the key will do.
  DrawLeftKeyCell(76, 40, Settings.AlarmClockOn == 1 ? "ALM OFF" : "ALM ON");
  DrawRightKeyCell("SET");
}
