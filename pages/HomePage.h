// The home page with its eight views, and the security code entry.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

// The eight views of the home page, the values of Settings.HomeView.
enum THomeView : uint8_t {
  ViewUtc = 0,
  ViewFlightTimer = 1,
  ViewStopwatch = 2,
  ViewCountdown = 3,
  ViewAlarmClock = 4,
  ViewElectrical = 5,
  ViewGForce = 6,
  ViewMinMax = 7,
};

// What a correct code unlocks, the values of CodeEntryPurpose.
enum TCodePurpose : uint8_t {
  CodeForMenu = 0,      // the main menu
  CodeForGReset = 1,    // ResetGMinMax
  CodeForAllReset = 2,  // ResetAllMinMax
};
extern uint8_t CodeEntryPurpose;
// Accepted wherever the current security code is asked for.
constexpr uint16_t MasterCode = 7318;

// Moves HomeView to the next shown view up or down; no wrap-around.
void StepHomeViewUp();
void StepHomeViewDown();
// Prepares the code entry for a purpose and makes it the current page.
void OpenCodeEntry(uint8_t purpose);
