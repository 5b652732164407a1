// The instrument switched on in a live state for timing its passes: 13.7 V,
// 5.2 A, 20 C, about 1 g with a little slip, timers running, no key pending.
// Shared by the pass benchmark and the native-against-wasm pass timing.
#pragma once
#include <cstdint>

#include "core/Core.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"

inline int64_t FixedClock() { return 1773483630; }

inline void PowerOnLive() {
  ResetProgramState();
  HostClock = FixedClock;
  PowerOn();
  CalibrateSwitch = 1;
  VoltsInput = 1445;
  CurrentInput = 2568;
  OatInput = 2426;
  WriteAxisInput(0, 30);
  WriteAxisInput(1, 40);
  WriteAxisInput(2, 300);
  for (int i = 0; i < 4; ++i) RunFirmwarePass();
  StopwatchRunning = 1;
  StopwatchCount = 12345;
  CountdownCount = 54150;
  FlightTimeCount = 6000;
  MinMax.GPosCycles = 2;
  MinMax.GNegCycles = 1;
  KeySlot = KeyNone;
}
