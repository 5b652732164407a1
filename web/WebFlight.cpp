// The page's flight data panel: inputs typed in their units, the named
// states, and a flight log played from the page's tick, through the same
// conversion and player as the desktop window's.
#include <emscripten/emscripten.h>

#include <string>

#include "host/PanelUnits.h"
#include "scenario/LogPlayer.h"
#include "scenario/Scenario.h"

namespace {

TLogPlayer Player;
std::string Message;
std::string Text;
TLogHeader Header;   // of the log whose columns are being chosen
TLogColumns Chosen;  // what the visitor chose for it

bool OpenWith(const char* path, const TLogColumns& columns) {
  Message.clear();
  if (!Player.Open(path, columns, Message)) return false;
  const TFlightLog& log = *Player.Current();
  Message = std::to_string(log.Rows()) + " rows:";
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (log.Has[i]) Message += " " + log.Headers[i];
  return true;
}

// Slot 0 is the time, 1.. the inputs in the panel's order.
std::string* Slot(TLogColumns& columns, int slot) {
  if (slot == 0) return &columns.Time;
  if (slot < 1 || slot > PanelSensorCount) return nullptr;
  return &columns.Inputs[slot - 1];
}

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
// Open returns 0 with the reason ("FILE:LINE:COLUMN: what") in the message,
// 1 opened, or 2 when its columns are to be chosen by hand (the header's
// names and what was recognised below; the file is read again by
// axim_log_open_mapped).
EMSCRIPTEN_KEEPALIVE int axim_log_open(const char* path) {
  Message.clear();
  if (!LoadFlightLogHeader(ChosenPath(path), Header, Message)) return 0;
  if (Header.Mappable) {
    Chosen = Header.Found;
    Chosen.Only = true;
    return 2;
  }
  return OpenWith(path, TLogColumns{}) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int axim_log_column_count() { return static_cast<int>(Header.Names.size()); }
EMSCRIPTEN_KEEPALIVE const char* axim_log_column_name(int column) {
  if (column < 0 || column >= axim_log_column_count()) return "";
  Text = Printable(Header.Names[column]);
  return Text.c_str();
}
// The column chosen for a slot (0 the time, 1.. the inputs), -1 for none.
EMSCRIPTEN_KEEPALIVE int axim_log_column_of(int slot) {
  const std::string* name = Slot(Chosen, slot);
  for (size_t i = 0; name && !name->empty() && i < Header.Names.size(); ++i)
    if (Header.Names[i] == *name) return static_cast<int>(i);
  return -1;
}
EMSCRIPTEN_KEEPALIVE void axim_log_choose_column(int slot, int column) {
  std::string* name = Slot(Chosen, slot);
  if (name == nullptr) return;
  *name = column >= 0 && column < axim_log_column_count() ? Header.Names[column] : "";
}
EMSCRIPTEN_KEEPALIVE int axim_log_open_mapped(const char* path) {
  return OpenWith(path, Chosen) ? 1 : 0;
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
