// The instrument as the web page drives it: the page's calls are the front
// panel's (host/FrontPanel.h), as the desktop window's handlers are. The page
// owns the timing: a tick per 100 ms of wall time, and a pass whenever the
// panel asks for one (after each tick at least, so that a page in the
// background still runs the passes its ticks ask for); while a scenario
// plays, the driver runs both and the page's own do nothing.
#include "web/WebInstrument.h"

#include <emscripten/emscripten.h>

#include <cstring>
#include <string>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "host/FrontPanel.h"
#include "host/RunLoop.h"
#include "scenario/DisplayTexts.h"

namespace {

uint8_t Rgba[FrameBufferSize * 4];
double PassSecond = 0;
uint8_t Presented[FrameBufferSize];
bool PresentedAny = false;
char Text[64];

// The page's sliders, box and power state follow the panel, whoever moved it:
// the input moved, or -1 for "&On" and "&Off".
EM_JS(void, PageHearsPanel, (int input), {
  if (Module.onPanel) Module.onPanel(input);
});

void Heard(const TPanelChange& change, void*) {
  if (change.Event == TPanelEvent::Input) PageHearsPanel(change.Which);
  if (change.Event == TPanelEvent::Power) PageHearsPanel(-1);
  // An input written by name (the inspector) moves its slider too.
  TPanelInput input;
  if (change.Event == TPanelEvent::Field && PanelFieldInput(*change.Field, input))
    PageHearsPanel(static_cast<int>(input));
}

bool ValidInput(int input) { return input >= 0 && input < PanelInputCount; }

}  // namespace

const uint8_t* ShownFrame() { return Presented; }

extern "C" {

// Program start, as the desktop program starts: off, every record as the
// program finds it, the controls where they start.
EMSCRIPTEN_KEEPALIVE void axim_start() {
  static const bool Listening = PanelListen(Heard, nullptr);
  (void)Listening;
  PanelProgramStart();
  PresentedAny = false;
  std::memset(Presented, 0, sizeof Presented);
}

EMSCRIPTEN_KEEPALIVE void axim_on() { PanelOn(); }
EMSCRIPTEN_KEEPALIVE void axim_off() { PanelOff(); }
EMSCRIPTEN_KEEPALIVE int axim_running() { return PanelRunning() ? 1 : 0; }

// The page's own tick and pass; nothing while a scenario plays them. The
// pass returns 0 (and runs nothing) while the instrument is off.
EMSCRIPTEN_KEEPALIVE void axim_tick() {
  if (FrontPanel.Driven == 0) PanelTick();
}
// The system clock is read once, before the pass, and held through it, so
// that the page can hand the same passes, at the same seconds, to the module
// that takes over from this one (axim_pass_second).
EMSCRIPTEN_KEEPALIVE int axim_pass() {
  if (FrontPanel.Driven != 0) return 0;
  const TPanelClock clock = PanelClock;
  PassSecond = static_cast<double>(PanelClockNow());
  if (clock.Mode == TClockMode::System)
    PanelClock = TPanelClock{TClockMode::Fixed, static_cast<int64_t>(PassSecond), clock.Ticks};
  const bool ran = PanelPass();
  if (clock.Mode == TClockMode::System) PanelClock = clock;
  return ran ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE double axim_pass_second() { return PassSecond; }
EMSCRIPTEN_KEEPALIVE int axim_wants_pass() { return PanelWantsPass() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int axim_passes() { return static_cast<int>(FrontPanel.Passes); }

// A key as its control deposits it: 1 taken, 0 dropped (the slot was full).
EMSCRIPTEN_KEEPALIVE int axim_key(int code) {
  return code > 0 && code < 256 && PanelPress(static_cast<uint8_t>(code)) ? 1 : 0;
}
// The key waiting in the slot, 0 when none (a further key now would be lost).
EMSCRIPTEN_KEEPALIVE int axim_key_slot() { return KeySlot; }

// A control moved, in the order of the panel's table (the box last): 0 when
// the position is outside its range and nothing moved.
EMSCRIPTEN_KEEPALIVE int axim_set_input(int input, int position) {
  return ValidInput(input) && PanelSetInput(static_cast<TPanelInput>(input), position) ? 1 : 0;
}
// Where the control stands, and what the instrument's input holds (the
// current's 0 until its bar is first moved).
EMSCRIPTEN_KEEPALIVE int axim_position(int input) {
  return ValidInput(input) ? FrontPanel.Position[input] : 0;
}
EMSCRIPTEN_KEEPALIVE int axim_input_value(int input) {
  return ValidInput(input) ? PanelInputValue(static_cast<TPanelInput>(input)) : 0;
}

// What a count of an input reads as: "1648 counts: 15.5 V".
EMSCRIPTEN_KEEPALIVE const char* axim_reading(int input, int count) {
  Text[0] = '\0';
  if (ValidInput(input)) PanelReading(static_cast<TPanelInput>(input), count, Text, sizeof Text);
  return Text;
}

// The lamp's red as the last pass set it: 255 lit, 128 dark (maroon).
EMSCRIPTEN_KEEPALIVE int axim_lamp() { return FrontPanel.Lamp; }

// The display through the colour table, 160 x 120 RGBA; returns 1 when the
// frame differs from the one returned last (0: the canvas can stay).
EMSCRIPTEN_KEEPALIVE int axim_present() {
  if (PresentedAny && std::memcmp(Presented, FrameBuffer, FrameBufferSize) == 0) return 0;
  std::memcpy(Presented, FrameBuffer, FrameBufferSize);
  PresentedAny = true;
  FrameColours(Presented, 1, 4, Rgba);
  return 1;
}

// The texts the last pass drew, in the order drawn, one space between: what the
// page gives screen readers as the display's description.
EMSCRIPTEN_KEEPALIVE const char* axim_display_texts() {
  static std::string said;
  said.clear();
  for (const TDisplayText& t : DisplayTexts()) said += (said.empty() ? "" : " ") + t.Text;
  return said.c_str();
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
// A scenario played afterwards gives the clock back as it found it.
EMSCRIPTEN_KEEPALIVE void axim_fix_clock(double utc) {
  PanelClock = utc < 0
                   ? TPanelClock{TClockMode::System, 0, PanelClock.Ticks}
                   : TPanelClock{TClockMode::Fixed, static_cast<int64_t>(utc), PanelClock.Ticks};
}
// The second the firmware's clock reads now.
EMSCRIPTEN_KEEPALIVE double axim_clock() { return static_cast<double>(PanelClockNow()); }

}  // extern "C"
