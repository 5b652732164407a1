// The instrument as the web page drives it: the same run loop, tick, key slot
// and inputs as the desktop window, called from the page's script. The page
// owns the timing (a tick per 100 ms of wall time, a pass per screen refresh);
// these calls only do what the window's handlers do.
#include "web/WebInstrument.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstring>

#include "core/Core.h"
#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"
#include "pages/ProgramState.h"
#include "web/WebReadings.h"

namespace {

bool Running = false;
bool CalibrateTicked = true;  // the "Calibrate" box starts ticked
uint8_t Lamp = 128;
uint8_t Rgba[FrameBufferSize * 4];
uint8_t Presented[FrameBufferSize];
bool PresentedAny = false;
char Text[64];
int64_t FixedUtc = 0;
int64_t (*SystemClock)() = nullptr;  // the clock program start installs

int64_t FixedClock() { return FixedUtc; }

}  // namespace

const uint8_t* ShownFrame() { return Presented; }

void ResetWebControls() {
  Running = false;
  CalibrateTicked = true;
  Lamp = 128;
}

extern "C" {

// Program start, as the desktop program starts: off, every record zero.
EMSCRIPTEN_KEEPALIVE void axim_start() {
  ResetProgramState();
  PageHandler = HomePage;  // as the window's creation makes it
  SystemClock = HostClock;
  ResetWebControls();
  PresentedAny = false;
  std::memset(Presented, 0, sizeof Presented);
}

// "On": the power-on sequence; pressed while on, it starts again.
EMSCRIPTEN_KEEPALIVE void axim_on() {
  PowerOn();
  Running = true;
}

// "Off": the stop request; the page runs no pass after it.
EMSCRIPTEN_KEEPALIVE void axim_off() { RequestStop(); }

EMSCRIPTEN_KEEPALIVE int axim_running() { return Running && StopRequested == 0; }

// One pass as the window runs it: the check box, the lamp, the firmware
// pass. Returns 0 (and runs nothing) while the instrument is off.
EMSCRIPTEN_KEEPALIVE int axim_pass() {
  if (!Running) return 0;
  if (StopRequested != 0) {
    Running = false;
    return 0;
  }
  CalibrateSwitch = CalibrateTicked ? 1 : 0;
  Lamp = AlarmLampRed() ? 255 : 128;
  RunFirmwarePass();
  return 1;
}

EMSCRIPTEN_KEEPALIVE void axim_tick() { AdvanceTick(); }

EMSCRIPTEN_KEEPALIVE void axim_key(int code) {
  if (code >= KeyLeft && code <= KeyKnobMinus) DepositKey(static_cast<uint8_t>(code));
}

// The key waiting in the slot, 0 when none (a further key now would be lost).
EMSCRIPTEN_KEEPALIVE int axim_key_slot() { return KeySlot; }

EMSCRIPTEN_KEEPALIVE void axim_set_calibrate(int ticked) { CalibrateTicked = ticked != 0; }

// The lamp's red as the last pass set it: 255 lit, 128 dark (maroon).
EMSCRIPTEN_KEEPALIVE int axim_lamp() { return Lamp; }

// A sensor input moved: 0 volts, 1 current, 2 OAT, 3..5 the X, Y, Z axes.
EMSCRIPTEN_KEEPALIVE void axim_set_input(int input, int position) {
  if (!ValidInputPosition(input, position)) return;
  switch (input) {
    case InputVolts:
      VoltsInput = static_cast<uint16_t>(position);
      break;
    case InputCurrent:
      CurrentInput = static_cast<uint16_t>(position);
      break;
    case InputOat:
      OatInput = static_cast<uint16_t>(position);
      break;
    default:
      WriteAxisInput(static_cast<uint8_t>(input - InputAxisX), static_cast<int16_t>(position));
  }
}

// What a position of an input reads as: "1648 counts: 15.5 V". While the
// instrument runs, under its own records; while off, under the defaults the
// next switch-on starts from.
EMSCRIPTEN_KEEPALIVE const char* axim_reading(int input, int position) {
  const bool running = axim_running() != 0;
  ReadingText(input, position, running ? Calibration : GetDefaultCalibration(),
              running ? Settings : GetDefaultSettings(), Text, sizeof Text);
  return Text;
}

// The display through the colour table, 160 x 120 RGBA; returns 1 when the
// frame differs from the one returned last (0: the canvas can stay).
EMSCRIPTEN_KEEPALIVE int axim_present() {
  if (PresentedAny && std::memcmp(Presented, FrameBuffer, FrameBufferSize) == 0) return 0;
  std::memcpy(Presented, FrameBuffer, FrameBufferSize);
  PresentedAny = true;
  for (int i = 0; i < FrameBufferSize; ++i) {
    const TRgb colour = ColourOf(FrameBuffer[i]);
    Rgba[i * 4] = colour.R;
    Rgba[i * 4 + 1] = colour.G;
    Rgba[i * 4 + 2] = colour.B;
    Rgba[i * 4 + 3] = 255;
  }
  return 1;
}

EMSCRIPTEN_KEEPALIVE uint8_t* axim_rgba() { return Rgba; }
EMSCRIPTEN_KEEPALIVE uint8_t* axim_frame() { return FrameBuffer; }

// A colour index through the colour table, as 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE int axim_colour(int index) {
  const TRgb colour = ColourOf(static_cast<uint8_t>(index));
  return colour.R << 16 | colour.G << 8 | colour.B;
}

// Holds the host clock at a second since 1970 (for demonstrations and tests
// whose screens show the time); a negative value gives the real clock back.
EMSCRIPTEN_KEEPALIVE void axim_fix_clock(double utc) {
  if (utc < 0) {
    if (SystemClock != nullptr) HostClock = SystemClock;
    return;
  }
  FixedUtc = static_cast<int64_t>(utc);
  HostClock = FixedClock;
}

}  // extern "C"
