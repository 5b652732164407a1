// The 160 x 120 frame buffer of the display and its drawing primitives.
#pragma once
#include <cstdint>

constexpr int16_t ScreenWidth = 160;
constexpr int16_t ScreenHeight = 120;
constexpr uint16_t FrameBufferSize = 160 * 120;

// Colour indices used by the screens.
constexpr uint8_t ColourBlack = 0;
constexpr uint8_t ColourRed = 9;
constexpr uint8_t ColourGreen = 10;
constexpr uint8_t ColourYellow = 11;
constexpr uint8_t ColourMagenta = 13;
constexpr uint8_t ColourCyan = 14;
constexpr uint8_t ColourWhite = 15;
constexpr uint8_t ColourGrey = 229;

// Row-major, byte y * 160 + x, one colour index per pixel.
extern uint8_t FrameBuffer[FrameBufferSize];

void ClearFrameBuffer();
// One pixel, clipped at the four edges: negative coordinates become very
// large ones as unsigned values, so one test per axis clips both of its ends.
inline void PutPixel(int16_t x, int16_t y, uint8_t colour) {
  if (static_cast<uint16_t>(x) < ScreenWidth && static_cast<uint16_t>(y) < ScreenHeight)
    FrameBuffer[y * ScreenWidth + x] = colour;
}
void DrawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void DrawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void DrawHLine(int16_t x0, int16_t x1, int16_t y, uint8_t colour);
void DrawVLine(int16_t y0, int16_t y1, int16_t x, uint8_t colour);
void DrawFrame(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void FillRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void DrawCircle(int16_t cx, int16_t cy, int16_t r, uint8_t colour);
void DrawArc(int16_t cx, int16_t cy, int16_t r, int16_t start, int16_t end, uint8_t colour);

void BuildTrigTables();
// Program start: the tables empty until power-on builds them.
void ClearTrigTables();
float SinDeg(int16_t angle);
float CosDeg(int16_t angle);
