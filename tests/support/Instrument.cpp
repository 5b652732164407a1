#include "support/Instrument.h"

#include <cstring>

namespace test {
namespace {

int64_t FixedUtc = DefaultUtc;
bool CalibrateTicked = true;
uint8_t Lamp = 128;

int64_t FixedClock() { return FixedUtc; }

}  // namespace

void ResetInstrument() {
  ResetProgramState();
  CalibrateTicked = true;
  Lamp = 128;
}

void SetClock(int64_t utc) {
  FixedUtc = utc;
  HostClock = FixedClock;
}

void PowerOnAt(int64_t utc) {
  ResetInstrument();
  SetClock(utc);
  PowerOn();
}

void SetCalibrate(bool ticked) { CalibrateTicked = ticked; }

void Pass(int count) {
  for (int i = 0; i < count; ++i) {
    CalibrateSwitch = CalibrateTicked ? 1 : 0;
    Lamp = AlarmLampRed() ? 255 : 128;
    RunFirmwarePass();
  }
}

void Press(uint8_t key) {
  DepositKey(key);
  Pass();
}

void PressTimes(uint8_t key, int times) {
  for (int i = 0; i < times; ++i) Press(key);
}

void Tick(int count) {
  for (int i = 0; i < count; ++i) AdvanceTick();
}

void SetInputs(uint16_t volts, uint16_t current, uint16_t oat) {
  VoltsInput = volts;
  CurrentInput = current;
  OatInput = oat;
}

void SetAxes(int16_t x, int16_t y, int16_t z) {
  WriteAxisInput(0, x);
  WriteAxisInput(1, y);
  WriteAxisInput(2, z);
}

void SettleAxes(int16_t x, int16_t y, int16_t z) {
  SetAxes(x, y, z);
  Pass(4);
}

uint8_t LampRed() { return Lamp; }

uint8_t PixelAt(int x, int y) { return FrameBuffer[y * ScreenWidth + x]; }

int CountColour(int x0, int y0, int x1, int y1, uint8_t colour) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (x >= 0 && x < ScreenWidth && y >= 0 && y < ScreenHeight && PixelAt(x, y) == colour) ++n;
  return n;
}

bool ShowsText(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
               uint8_t colour) {
  static uint8_t saved[FrameBufferSize];
  std::memcpy(saved, FrameBuffer, sizeof saved);
  const int16_t startX = TextStartX, endX = TextEndX;
  std::memset(FrameBuffer, 0, sizeof saved);
  // Mark the text's pixels with a colour the screens never use.
  DrawString(x, y, text, size, alignment, 255);
  bool any = false, all = true;
  for (uint16_t i = 0; i < FrameBufferSize; ++i)
    if (FrameBuffer[i] == 255) {
      any = true;
      if (saved[i] != colour) all = false;
    }
  std::memcpy(FrameBuffer, saved, sizeof saved);
  TextStartX = startX;
  TextEndX = endX;
  return any && all;
}

}  // namespace test
