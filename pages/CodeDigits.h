// The four code digits shared by the code entry and the code change pages.
#pragma once
#include <cstdint>

// Sets the four digits to 0 and selects the first.
void ClearCodeDigits();
// The code the four digits spell, thousands first.
uint16_t EnteredCode();
// Draws a code page: the title bar, two prompt lines, the digits with the
// selected one in red, and the soft keys of the given kind.
void DrawCodeDigits(const char* prompt1, const char* prompt2, uint8_t softKeys);
// Handles the knob on a code page: plus and minus step the selected digit
// round 0..9, a press moves on to the next digit. Returns true when the press
// confirms the fourth digit; a selection beyond the fourth acts on the fourth.
bool StepCodeDigits(uint8_t key);
