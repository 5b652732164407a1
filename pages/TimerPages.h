// The "SET TIMER" and "SET ALARM" pages and the "MIN / MAX" view.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

void DrawMinMaxView();

// One knob step of a field 0..limit, wrapping at both ends.
void StepField(uint8_t& field, uint8_t limit, bool up);
