// G-force thresholds and the seven-step accelerometer calibration.
#pragma once
#include <cstdint>

// The single calibration step being run (0..6), or 7 for all steps.
extern uint8_t CalTargetStep;

void GForceSetupPage();
void EditGForceItem(uint8_t kind, uint8_t index);
void CalWarningPage();
void CalAxisPage();
void CalStepPage();
