// Run-length packed pictures (icons) and the icons of the instrument.
#pragma once
#include <cstdint>

// Draws a packed picture with its top-left corner at (x, y), clipped.
void DrawImage(int16_t x, int16_t y, const uint8_t* image);

// Message and confirmation pages.
extern const uint8_t IconAttention[];
extern const uint8_t IconQuestion[];
// Calibration step readiness.
extern const uint8_t IconTick[];
extern const uint8_t IconCross[];
// Main-menu entries 0..8.
extern const uint8_t IconFlightTimer[];
extern const uint8_t IconGForce[];
extern const uint8_t IconTime[];
extern const uint8_t IconVolts[];
extern const uint8_t IconCurrent[];
extern const uint8_t IconOat[];
extern const uint8_t IconSlip[];
extern const uint8_t IconMisc[];
extern const uint8_t IconAdc[];
