// The firmware's shared run state: the current page, the key slot and its
// codes, the stop request, the "Calibrate" switch, the timers and the tick
// counters. The run loop and the front panel write it; the pages read it.
#pragma once
#include <cstdint>

// Page handler: draws the whole screen, acts on at most one key.
using TPageHandler = void (*)();

// Key codes held in KeySlot.
constexpr uint8_t KeyNone = 0;
constexpr uint8_t KeyLeft = 1;
constexpr uint8_t KeyRight = 2;
constexpr uint8_t KeyKnobPress = 3;
constexpr uint8_t KeyKnobPlus = 4;
constexpr uint8_t KeyKnobMinus = 5;

extern uint8_t StopRequested;
extern uint8_t KeySlot;
// Returns the pending key code (0 for none) and empties the key slot.
uint8_t TakeKey();
extern TPageHandler PageHandler;
// The page power-on makes current; the message pages fall back to it when
// no page to return to was set.
extern TPageHandler StartPage;
extern uint8_t CalibrateSwitch;

extern uint8_t StopwatchRunning;
extern uint32_t StopwatchCount;
extern uint8_t CountdownRunning;
extern uint32_t CountdownCount;
extern uint8_t FlightTimerRunning;
extern uint32_t FlightTimeCount;

extern uint8_t BlinkCounter;
extern uint8_t BlinkPhase;
extern uint8_t TwoSecondCounter;
extern uint8_t TwoSecondFlag;

// Program start: no page, empty key slot, timers and tick counters at 0.
void ResetRunState();
