// The sensor inputs of the page: their ranges and what a position reads as,
// by the firmware's own conversions.
#pragma once
#include <cstddef>

struct TCalibration;
struct TSettings;

// Inputs in the order of the window's scroll bars.
enum TWebInput { InputVolts, InputCurrent, InputOat, InputAxisX, InputAxisY, InputAxisZ };
constexpr int WebInputCount = 6;

// 0..4096 for volts, current and OAT; -300..300 for each axis.
bool ValidInputPosition(int input, int position);

// "1648 counts: 15.5 V", "2048 counts: 0.0 A", "2260 counts: 0 °C",
// "300: 0.99 g"; empty for an input or position out of range.
void ReadingText(int input, int position, const TCalibration& calibration,
                 const TSettings& settings, char* text, std::size_t size);
