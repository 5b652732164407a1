// The main menu, the navigation operations and the misc and ADC pages.
#pragma once
#include <cstdint>

#include "core/RunState.h"

void GoHome();
void ResetMenuState(uint8_t index);
void MainMenuPage();
void MiscSetupPage();
void AdcValuesPage();

// Helpers shared by the menu pages.
// Returns the pending key code (0 for none) and empties the key slot.
uint8_t TakeKey();
// The next and previous of count items, wrapping at both ends.
uint8_t NextItem(uint8_t item, uint8_t count);
uint8_t PreviousItem(uint8_t item, uint8_t count);
// Moves Selection through count items for a plus or minus key.
void MoveSelection(uint8_t key, uint8_t count);
// ScrollOffset for the five visible rows of a scrolling list.
void UpdateScrollOffset();
// "OFF" or "ON" for a switch setting.
const char* SwitchText(uint8_t value);
// The question screen: the question icon, three centred lines, NO and YES.
// NO goes back with item selected; YES shows the message page that resumes
// back with item selected and returns true for the caller to do what it asked.
bool QuestionAnswered(const char* line1, const char* line2, const char* line3, TPageHandler back,
                      uint8_t item);
