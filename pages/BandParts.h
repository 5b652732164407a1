// Pieces shared by the readout bands: time texts and soft-key cells.
#pragma once
#include <cstdint>

// Room for "HHH:MM:SS" and its terminator.
constexpr uint8_t TimeTextSize = 12;

// HH:MM:SS of a time of day.
void FormatClockTime(char* text, uint8_t hour, uint8_t minute, uint8_t second);
// HH:MM:SS of a count in tenths of a second; the hours are kept in 8 bits.
void FormatCountTime(char* text, uint32_t count);

// Soft-key cells of the timer views; right edge 53 for the left cell unless
// widened, left edge 106 for the right cell.
void DrawLeftKeyCell(int16_t rightEdge, int16_t labelX, const char* label);
void DrawRightKeyCell(const char* label);
