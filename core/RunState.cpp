#include "core/RunState.h"

uint8_t StopRequested;
uint8_t KeySlot;
TPageHandler PageHandler;
TPageHandler StartPage;
uint8_t CalibrateSwitch;

uint8_t StopwatchRunning;
uint32_t StopwatchCount;
uint8_t CountdownRunning;
uint32_t CountdownCount;
uint8_t FlightTimerRunning;
uint32_t FlightTimeCount;

uint8_t BlinkCounter;
uint8_t BlinkPhase;
uint8_t TwoSecondCounter;
uint8_t TwoSecondFlag;

uint8_t TakeKey() {
  const uint8_t key = KeySlot;
  KeySlot = KeyNone;
  return key;
}

void ResetRunState() {
  StopRequested = 0;
  KeySlot = KeyNone;
  PageHandler = nullptr;
  StartPage = nullptr;
  CalibrateSwitch = 0;
  StopwatchRunning = CountdownRunning = FlightTimerRunning = 0;
  StopwatchCount = CountdownCount = FlightTimeCount = 0;
  BlinkCounter = BlinkPhase = TwoSecondCounter = TwoSecondFlag = 0;
}
