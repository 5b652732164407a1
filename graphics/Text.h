// Proportional bitmap fonts and the text routine.
#pragma once
#include <cstdint>

constexpr uint8_t AlignCentre = 0;
constexpr uint8_t AlignLeft = 1;
constexpr uint8_t AlignRight = 2;

// Font tables (assets/fonts), one contiguous block per size.
extern const uint8_t Font8[];
extern const uint8_t Font9[];
extern const uint8_t Font10[];
extern const uint8_t Font12[];
extern const uint8_t Font16[];
extern const uint8_t Font20[];
extern const uint8_t Font24[];
extern const uint8_t Font30[];
extern const uint8_t Font34[];

// Where the last DrawString began and where a following text continues.
extern int16_t TextStartX;
extern int16_t TextEndX;
// Program start: both text marks at 0.
void ResetTextMarks();

// The font of a size number; any unknown size gives the size-8 font.
const uint8_t* SelectFont(uint8_t size);
// Draws text with its cells' top row at y; returns the end x.
int16_t DrawString(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
                   uint8_t colour);
// The same in a given font block (DrawString selects it by size).
int16_t DrawStringInFont(int16_t x, int16_t y, const char* text, const uint8_t* font,
                         uint8_t alignment, uint8_t colour);
