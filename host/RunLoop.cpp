#include "host/RunLoop.h"

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Pages.h"

void PowerOn() {
  StopRequested = 0;
  LoadStoredState();
  LoadDefaultSettings();
  LoadDefaultCalibration();
  StartPage = HomePage;
  PageHandler = StartPage;
  BuildTrigTables();
  MenuState.StepMultiplier = 1;
  KeySlot = 0;
  Volts = 0;
  Oat = 0;
  Current = 0;
  GForce = 0.0f;
  LoadDefaultCalibration();
  ResetAllMinMax();
}

// Sets the bit while the condition holds; clears it in both words (re-arming
// it) when the condition has gone.
static void EvaluateTimeAlarm(uint32_t bit, bool condition) {
  if (condition) {
    AlarmFlags |= bit;
  } else {
    AlarmFlags &= ~bit;
    AlarmAcknowledged &= ~bit;
  }
}

static void EvaluateTimeAlarms() {
  EvaluateTimeAlarm(AlarmCountdown, CountdownRunning == 1 && CountdownCount == 0);
  // Hour, minute and second are each compared on their own.
  EvaluateTimeAlarm(AlarmClock, Settings.AlarmClockOn == 1 &&
                                    LocalTime.Hour >= Settings.AlarmClockHour &&
                                    LocalTime.Minute >= Settings.AlarmClockMinute &&
                                    LocalTime.Second >= Settings.AlarmClockSecond);
}

void RunFirmwarePass() {
  ConvertVolts();
  ConvertOat();
  ConvertCurrent();
  ConvertAcceleration();
  UpdateClock();
  if (TwoSecondFlag == 1) {
    TwoSecondFlag = 0;
    EvaluateTimeAlarms();
  }
  ClearFrameBuffer();
  PageHandler();
}

void AdvanceTick() {
  if (StopwatchRunning == 1) ++StopwatchCount;
  if (CountdownRunning == 1 && CountdownCount > 0) --CountdownCount;
  if (FlightTimerRunning == 1) ++FlightTimeCount;

  // The phase flips every 11 ticks.
  const uint8_t blink = BlinkCounter++;
  if (blink > 9) {
    BlinkCounter = 0;
    BlinkPhase ^= 1;
  }

  const uint8_t twoSeconds = TwoSecondCounter++;
  if (twoSeconds < 19) return;
  TwoSecondCounter = 0;
  TwoSecondFlag = 1;
}

bool AlarmLampRed() { return (AlarmFlags & ~AlarmAcknowledged & AlarmAllBits) != 0; }

void DepositKey(uint8_t code) {
  if (KeySlot == 0) KeySlot = code;
}

void WriteAxisInput(uint8_t axis, int16_t position) {
  if (axis > 2) return;
  const uint16_t bits = static_cast<uint16_t>(position);
  AccelRegisters[axis * 2] = static_cast<uint8_t>(bits & 0xFF);
  AccelRegisters[axis * 2 + 1] = static_cast<uint8_t>(bits >> 8);
}

void RequestStop() { StopRequested = 1; }
