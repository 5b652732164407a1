// The home page: draws the selected view from its bands, acknowledges
// alarms and acts on the keys.
#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pages/Editing.h"
#include "pages/PageHandlers.h"
#include "pages/Pages.h"

namespace {

// The slip ball when the slip display is on, otherwise the G-force memory.
void DrawBottomGraphic() {
  if (Settings.SlipDisplay == 1)
    DrawSlipBall(103);
  else
    DrawGMinMaxArrows(102);
}

void DrawGAndOat() {
  DrawGLarge();
  if (Settings.OatDisplay == 1) DrawOatLarge();
}

// Below a timer band whose soft keys take the bottom rows.
void DrawCompactLowerHalf() {
  if (Settings.SlipDisplay == 1) {
    if (Settings.OatDisplay == 1) DrawOatSmall();
    DrawGMedium();
    DrawSlipBall(83);
  } else {
    DrawGAndOat();
  }
}

void DrawTimerView(void (*band)()) {
  DrawLocalTimeBand();
  DrawStatusLetters();
  band();
  DrawCompactLowerHalf();
}

void DrawHomeView() {
  switch (Settings.HomeView) {
    case ViewUtc:
      DrawLocalTimeBand();
      DrawStatusLetters();
      DrawUtcBand();
      DrawGAndOat();
      DrawBottomGraphic();
      break;
    case ViewFlightTimer:
      DrawLocalTimeBand();
      DrawStatusLetters();
      DrawFlightTimeBand();
      if (Settings.FlightTimerMode == 1) {
        DrawGAndOat();
        DrawBottomGraphic();
      } else {
        DrawCompactLowerHalf();
      }
      break;
    case ViewStopwatch:
      DrawTimerView(DrawStopwatchBand);
      break;
    case ViewCountdown:
      DrawTimerView(DrawCountdownBand);
      break;
    case ViewAlarmClock:
      DrawTimerView(DrawAlarmClockBand);
      break;
    case ViewElectrical:
      DrawLocalTimeBand();
      // The battery symbol takes the status letters' corner.
      if (Settings.CurrentDisplay == 1) {
        DrawElectricalBand();
      } else {
        DrawStatusLetters();
        DrawVoltsBarBand();
      }
      DrawGAndOat();
      DrawBottomGraphic();
      break;
    case ViewGForce:
      if (Settings.SlipDisplay == 0) {
        // The G view went away with the slip display: one blank pass, then
        // the minimum/maximum view.
        Settings.HomeView = ViewMinMax;
        StoreSettings();
        break;
      }
      DrawLocalTimeBand();
      DrawGMinMaxArrows(32);
      DrawGAndOat();
      DrawSlipBall(103);
      break;
    case ViewMinMax:
      DrawMinMaxView();
      break;
    default:
      break;
  }
}

// Acknowledges the lowest active, unacknowledged alarm; true when there was one.
bool AcknowledgeAlarm() {
  for (uint32_t bit = AlarmVolts; bit <= AlarmClock; bit <<= 1) {
    if ((AlarmFlags & bit) != 0 && (AlarmAcknowledged & bit) == 0) {
      AlarmAcknowledged |= bit;
      return true;
    }
  }
  return false;
}

void ResetGWithCode() {
  if (Settings.SecurityEnabled != 0)
    OpenCodeEntry(CodeForGReset);
  else
    ResetGMinMax();
}

void HandleLeftKey() {
  switch (Settings.HomeView) {
    case ViewFlightTimer:
      if (Settings.FlightTimerMode != 0) break;
      if (FlightTimerRunning == 1)
        StopFlight();
      else
        StartFlight();
      break;
    case ViewStopwatch:
      StopwatchRunning = Flipped(StopwatchRunning);
      break;
    case ViewCountdown:
      CountdownRunning = Flipped(CountdownRunning);
      break;
    case ViewAlarmClock:
      Settings.AlarmClockOn = Flipped(Settings.AlarmClockOn);
      StoreSettings();
      break;
    case ViewElectrical:
      // With the slip display on, view 5 resets the G memory without a code.
      if (Settings.SlipDisplay == 0)
        ResetGWithCode();
      else
        ResetGMinMax();
      break;
    case ViewGForce:
      ResetGWithCode();
      break;
    case ViewMinMax:
      if (Settings.SecurityEnabled != 0)
        OpenCodeEntry(CodeForAllReset);
      else
        ResetAllMinMax();
      break;
    default:
      break;
  }
}

void HandleRightKey() {
  switch (Settings.HomeView) {
    case ViewStopwatch:
      StopwatchCount = 0;
      break;
    case ViewCountdown:
      MenuState.Selection = 0;
      PageHandler = SetTimerPage;
      break;
    case ViewAlarmClock:
      MenuState.Selection = 0;
      PageHandler = SetAlarmPage;
      break;
    default:
      break;
  }
}

void HandleHomeKey(uint8_t key) {
  // While an alarm waits for acknowledgement, a key does only that.
  if (AcknowledgeAlarm()) return;
  switch (key) {
    case KeyLeft:
      HandleLeftKey();
      break;
    case KeyRight:
      HandleRightKey();
      break;
    case KeyKnobPress:
      MenuState.Selection = 0;
      MenuState.EditMode = 0;
      if (Settings.SecurityEnabled != 0)
        OpenCodeEntry(CodeForMenu);
      else
        PageHandler = MainMenuPage;
      break;
    case KeyKnobPlus:
      StepHomeViewUp();
      StoreSettings();
      break;
    case KeyKnobMinus:
      StepHomeViewDown();
      StoreSettings();
      break;
    default:
      break;
  }
}

}  // namespace

void HomePage() {
  DrawHomeView();
  const uint8_t key = TakeKey();
  if (key != KeyNone) HandleHomeKey(key);
}
