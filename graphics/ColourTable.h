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

// Pictures of the display (files, recordings, the window's display, the
// page's canvas) are 1 to 8 times its size.
constexpr int LargestPictureScale = 8;
constexpr bool ValidPictureScale(int scale) { return scale >= 1 && scale <= LargestPictureScale; }

// The frame buffer through the colour table, each display pixel a scale x
// scale block (scale 1..8), rows top to bottom, channels 3 (RGB) or 4 (RGBA,
// opaque) bytes a pixel: out holds 160 * 120 * scale * scale * channels bytes.
void FrameColours(const uint8_t* frame, int scale, int channels, uint8_t* out);
