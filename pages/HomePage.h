// The home page with its eight views, and the security code entry.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

// What a correct code unlocks: 0 the main menu, 1 ResetGMinMax, 2 ResetAllMinMax.
extern uint8_t CodeEntryPurpose;
// Accepted wherever the current security code is asked for.
constexpr uint16_t MasterCode = 7318;

// Moves HomeView to the next shown view up or down; no wrap-around.
void StepHomeViewUp();
void StepHomeViewDown();
// Prepares the code entry for a purpose and makes it the current page.
void OpenCodeEntry(uint8_t purpose);
