// The instrument's run loop, tick, key slot and alarm lamp, free of any
// windowing toolkit so that tests can drive the whole instrument directly.
#pragma once
#include <cstdint>

#include "core/RunState.h"
#include "pages/ProgramState.h"

// The power-on sequence of the "&On" button (everything before the loop).
void PowerOn();
// One pass of the loop from the sensor conversions to the page call:
// conversions, clock, two-second alarms, clear, page. The host samples the
// "Calibrate" box and sets the lamp before it, and presents the frame after.
void RunFirmwarePass();
// The 100 ms tick: timers, blink phase, two-second flag.
void AdvanceTick();
// True while any alarm bit is set and not acknowledged (the lamp is red).
bool AlarmLampRed();
// Front-panel handlers: store the key code only while the slot is empty.
void DepositKey(uint8_t code);
// Accelerometer scroll bars: axis 0 X, 1 Y, 2 Z; position -300..300 stored
// as the chip's two's-complement low and high bytes.
void WriteAxisInput(uint8_t axis, int16_t position);
// "&Off", File > Exit and closing the window.
void RequestStop();
