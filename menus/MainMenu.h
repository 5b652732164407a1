// The main menu, the navigation operations and the misc and ADC pages.
#pragma once
#include <cstdint>

#include "core/RunState.h"
#include "pages/PageHandlers.h"

void GoHome();
void ResetMenuState(uint8_t index);

// Helpers shared by the menu pages.
// Moves Selection through count items for a plus or minus key, from the last
// item to the first and back.
void MoveSelection(uint8_t key, uint8_t count);
// The question screen of the current page: the question icon, three centred
// lines, NO and YES. NO returns to the parent on the entry that opened the
// question; YES shows the message page that resumes the parent there and
// returns true for the caller to do what it asked.
bool QuestionAnswered(const char* line1, const char* line2, const char* line3, TPageHandler parent);
