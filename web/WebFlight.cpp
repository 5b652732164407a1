// The page's flight data panel: inputs typed in their units, the named
// states, and a flight log played from the page's tick, through the same
// conversion and player as the desktop window's.
#include <emscripten/emscripten.h>

#include <string>

#include "host/PanelUnits.h"
#include "scenario/LogPlayer.h"

namespace {

TLogPlayer Player;
std::string Message;
std::string Text;

}  // namespace

extern "C" {

// Sets an input from what its field holds ("14.2 V", "23 F", "1648 counts",
// or a bare number in the input's unit): 0 refused, 1 set, 2 set and held
// at the converter's end; the reason or the notice in axim_flight_message.
EMSCRIPTEN_KEEPALIVE int axim_flight_set(int input, const char* text) {
  Message.clear();
  if (input < 0 || input >= PanelSensorCount) return 0;
  const auto which = static_cast<TPanelInput>(input);
  TPanelUnitCount count;
  char message[160] = "";
  if (!PanelParseValue(which, text, PanelInputUnit(which), count, message, sizeof message)) {
    Message = message;
    return 0;
  }
  Message = message;
  PanelSetInput(which, count.Count);
  return count.Beyond != 0 ? 2 : 1;
}
EMSCRIPTEN_KEEPALIVE const char* axim_flight_message() { return Message.c_str(); }
// The unit an input's field takes without one: "V", "A", "°C", "g".
EMSCRIPTEN_KEEPALIVE const char* axim_flight_unit(int input) {
  if (input < 0 || input >= PanelSensorCount) return "";
  return PanelUnitSymbol(PanelInputUnit(static_cast<TPanelInput>(input)));
}

EMSCRIPTEN_KEEPALIVE int axim_flight_state_count() { return PanelStateCount; }
EMSCRIPTEN_KEEPALIVE const char* axim_flight_state_name(int state) {
  return state >= 0 && state < PanelStateCount ? PanelStates[state].Name : "";
}
EMSCRIPTEN_KEEPALIVE void axim_flight_apply_state(int state) {
  if (state >= 0 && state < PanelStateCount) PanelApplyState(PanelStates[state]);
}

// The player: a log written into the page's file system, then its controls.
// Open returns 0 with the reason ("FILE:LINE:COLUMN: what") in the message.
EMSCRIPTEN_KEEPALIVE int axim_log_open(const char* path) {
  Message.clear();
  if (!Player.Open(path, TLogColumns{}, Message)) return 0;
  const TFlightLog& log = *Player.Current();
  Message = std::to_string(log.Rows()) + " rows:";
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (log.Has[i]) Message += " " + log.Headers[i];
  return 1;
}
EMSCRIPTEN_KEEPALIVE int axim_log_open_now() { return Player.IsOpen() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void axim_log_play() { Player.Play(); }
EMSCRIPTEN_KEEPALIVE void axim_log_pause() { Player.Pause(); }
EMSCRIPTEN_KEEPALIVE int axim_log_playing() { return Player.Playing() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void axim_log_step(int rows) { Player.Step(rows); }
EMSCRIPTEN_KEEPALIVE void axim_log_seek(double ms) {
  Player.Seek(ms <= 0 ? 0 : ms >= LongestLogMs ? LongestLogMs : static_cast<uint32_t>(ms));
}
EMSCRIPTEN_KEEPALIVE double axim_log_position() { return Player.Position(); }
EMSCRIPTEN_KEEPALIVE double axim_log_length() { return Player.Length(); }
EMSCRIPTEN_KEEPALIVE void axim_log_speed(double speed) { Player.SetSpeed(speed); }
EMSCRIPTEN_KEEPALIVE void axim_log_loop(int on) { Player.Loop = on != 0; }
// The page's 100 ms tick; a scenario playing drives the inputs instead.
EMSCRIPTEN_KEEPALIVE void axim_log_tick() {
  if (FrontPanel.Driven == 0) Player.Tick();
}
EMSCRIPTEN_KEEPALIVE const char* axim_log_position_text() {
  Text = Player.PositionText();
  return Text.c_str();
}

}  // extern "C"
