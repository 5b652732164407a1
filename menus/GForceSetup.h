// G-force thresholds and the seven-step accelerometer calibration.
#pragma once
#include <cstdint>

#include "pages/PageHandlers.h"

// The single calibration step being run (0..6), or 7 for all steps.
extern uint8_t CalTargetStep;

// Whether the calibration step shown (0..6) sees the unit in its attitude.
bool CalStepReady(uint8_t step);
