// The instrument's front panel as every host has it (the desktop window, the
// headless runner, the web page): the six sensor inputs and the "Calibrate"
// box, the five keys, "&On" and "&Off", the alarm lamp, the host's pass, the
// host clock and program start. Free of any toolkit: a host draws its
// controls from these tables and works the instrument only through these
// calls, so that every change, from any tool, is told to the listeners (the
// scenario recorder, the playback's hand-over rule) in one place.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/RunState.h"
#include "menus/FieldTable.h"

// The panel's inputs in the order of the window's scroll bars, then the box.
enum class TPanelInput : uint8_t { Volts, Current, Oat, X, Y, Z, Calibrate };
constexpr uint8_t PanelSensorCount = 6;  // the scroll bars
constexpr uint8_t PanelInputCount = 7;   // with the "Calibrate" box

struct TPanelInputRow {
  const char* Name;   // as scenario files write it: "volts", "x", "calibrate"
  const char* Label;  // the window's caption: "Volts:", "X- Axis:"
  const char* Title;  // in sentences and as the accessible name: "Volts", "X-axis"
  int16_t Bottom;     // the control's range, both ends included
  int16_t Top;
  int16_t Start;      // where the control stands at program start
  const char* Field;  // the firmware input it writes, by its name in the field table
};
extern const TPanelInputRow PanelInputs[PanelInputCount];

struct TPanelKeyRow {
  uint8_t Code;       // KeyLeft .. KeyKnobMinus
  const char* Name;   // as scenario files write it: "left", "knob"
  const char* Label;  // the control's accessible name: "F1", "Knob", "+"
};
constexpr uint8_t PanelKeyCount = 5;
extern const TPanelKeyRow PanelKeys[PanelKeyCount];
// The row of a key code, or nullptr.
const TPanelKeyRow* PanelKey(uint8_t code);
// The input of a name ("volts"); false when none has it.
bool FindPanelInput(const char* name, TPanelInput& input);

inline const TPanelInputRow& PanelRow(TPanelInput input) {
  return PanelInputs[static_cast<uint8_t>(input)];
}

// The host clock the firmware reads once per pass: the system's, held at one
// second (a demonstration, a test), or ticking from a start 100 ms with every
// tick (a scenario, a recording). The record carries all of it, so a
// playback saves it as a value and gives it back whole.
enum class TClockMode : uint8_t { System, Fixed, Ticking };
struct TPanelClock {
  TClockMode Mode = TClockMode::System;
  int64_t Start = 0;   // Fixed: the second; Ticking: the second at tick 0
  uint64_t Ticks = 0;  // Ticking: ticks since the start
};
extern TPanelClock PanelClock;
int64_t PanelClockNow();

// Who changed the panel: the user (a click, a key, a tool of the host) or a
// scenario playing. A playback ends when the user acts.
enum class TPanelActor : uint8_t { User, Scenario };

enum class TPanelEvent : uint8_t {
  Input,  // Which: the input; Value: the position
  Key,    // Which: the key code; Value: 1 taken, 0 dropped (the slot was full)
  Power,  // Value: 1 "&On", 0 "&Off"
  Field,  // Field and FieldValue: a settable field written by name (the inspector)
  Tick,   // the 100 ms tick has run
  Pass,   // a pass has run
};
struct TPanelChange {
  TPanelEvent Event;
  TPanelActor Actor;
  uint8_t Which;
  int32_t Value;
  const TField* Field;
  double FieldValue;
};
using TPanelListener = void (*)(const TPanelChange& change, void* context);
constexpr uint8_t PanelListenerCount = 8;

// The panel's own state, beside the firmware's.
struct TFrontPanel {
  int16_t Position[PanelInputCount];  // where each control stands (the box 0 or 1)
  uint8_t Running;                    // 1 from "&On" until a pass finds the stop request
  uint8_t Lamp;                       // the lamp's red as the last pass set it: 255 lit, 128 dark
  uint8_t PassDue;                    // a tick, a key, a page or power change asks for a pass
  uint8_t Acting;                     // above 0 while a scenario works the controls
  uint8_t Driven;   // 1 while a scenario plays: the host runs no ticks or passes of its own
  uint32_t Passes;  // passes run since program start
  TPanelListener Listeners[PanelListenerCount];
  void* Contexts[PanelListenerCount];
};
extern TFrontPanel FrontPanel;

// Program start: every firmware record as the program finds it, the home
// page current (the window's creation makes it so), the controls where they
// start (the current's bar in the middle, its input 0 until moved), the box
// ticked, the lamp dark, the instrument off. The clock keeps its mode; the
// listeners stay.
void PanelProgramStart();

// Moves a control and writes its firmware input (the box is sampled by the
// next pass). A position outside the control's range is refused: false.
bool PanelSetInput(TPanelInput input, int32_t position);
// What the instrument's input holds now: the count the firmware reads (the
// current's 0 before its bar is first moved), the box 0 or 1.
int32_t PanelInputValue(TPanelInput input);
// What a count of an input reads as, "1648 counts: 15.5 V", "0 counts:
// -20.4 A", "2260 counts: 0 °C", "300: 0.99 g": under the instrument's own
// records while it runs, under the defaults the next "&On" starts from while
// it is off. Empty for the box or a count outside the range.
void PanelReading(TPanelInput input, int32_t count, char* text, size_t size);

// A key as its control deposits it: true when the slot was empty and took it.
bool PanelPress(uint8_t key);
// "&On": the power-on sequence (again, when on); "&Off": the stop request.
void PanelOn();
void PanelOff();
// A settable field written by name, as the inspector does; told to the
// listeners when written.
TFieldWrite PanelSetField(const TField& field, double value);

// The host's pass: samples the box, sets the lamp, runs one firmware pass.
// Returns false, running nothing, while the instrument is off (a stop
// request found ends the running).
bool PanelPass();
// The 100 ms tick: the firmware's timers and the ticking clock.
void PanelTick();
// True from "&On" until a stop request (the instrument runs passes).
inline bool PanelRunning() { return FrontPanel.Running == 1 && StopRequested == 0; }
// True while the lamp is lit (bright red).
inline bool PanelLampLit() { return FrontPanel.Lamp == 255; }
// Whether a host that runs passes only when asked should run one now: after
// a tick, a key, an input, a change or "&On", and after a pass that took a
// key or changed the page (the screen shows its effect on the next); never
// while a scenario plays (the driver runs its own).
bool PanelWantsPass();
// The input a settable field belongs to (an axis has two registers); false
// for a field that is no input of the panel's.
bool PanelFieldInput(const TField& field, TPanelInput& input);

// Listeners hear every change after it was made; up to PanelListenerCount.
bool PanelListen(TPanelListener listener, void* context);
void PanelUnlisten(TPanelListener listener, void* context);
