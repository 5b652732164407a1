// Drives the simulated instrument as the window and a pilot would: power on,
// move the inputs, press keys, let the tick run, and run passes.
#pragma once
#include <cstdint>
#include <ctime>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"

namespace test {

// 2026-03-14 10:20:30 UTC: the fixed clock of the tests.
constexpr int64_t DefaultUtc = 1773483630;

// Program start (ResetProgramState) and the helper's own check box and
// lamp, so each test starts from a new program.
void ResetInstrument();
// Sets the fixed host clock the instrument reads.
void SetClock(int64_t utc);
// ResetInstrument, fixed clock, then the "&On" power-on sequence.
void PowerOnAt(int64_t utc = DefaultUtc);
// The "Calibrate" check box the next passes sample (ticked at start).
void SetCalibrate(bool ticked);
// Passes of the loop as the window runs them: sample the check box, set
// the lamp, run the firmware pass.
void Pass(int count = 1);
// Deposits a key as a front-panel control would, then runs one pass.
void Press(uint8_t key);
void PressTimes(uint8_t key, int times);
// The 100 ms tick, count times.
void Tick(int count = 1);
// The volts, current and OAT inputs; the three accelerometer axes.
void SetInputs(uint16_t volts, uint16_t current, uint16_t oat);
void SetAxes(int16_t x, int16_t y, int16_t z);
// Sets the axes and runs four passes so the four-sample averages settle.
void SettleAxes(int16_t x, int16_t y, int16_t z);
// Lamp colour after the last Pass: 255 red, 128 maroon.
uint8_t LampRed();

uint8_t PixelAt(int x, int y);
// Number of pixels of a colour within a rectangle (both ends included).
int CountColour(int x0, int y0, int x1, int y1, uint8_t colour);
// True when every set pixel of the text, drawn as given, shows that colour in
// the present frame buffer (the frame buffer is left as it was).
bool ShowsText(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
               uint8_t colour);

}  // namespace test
