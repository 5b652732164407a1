// The display's colour table: firmware colour index to RGB.
#pragma once
#include <array>
#include <cstdint>

struct TRgb {
  uint8_t R;
  uint8_t G;
  uint8_t B;
};

constexpr uint16_t ColourTableSize = 246;
extern const std::array<TRgb, ColourTableSize> ColourTable;

// Colour of any byte; indices past the table show black like the background.
TRgb ColourOf(uint8_t index);
