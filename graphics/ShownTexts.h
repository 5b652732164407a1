// The texts the last pass drew and where: what the display says, in words,
// for the hosts (the scenario checks, the inspector, screen readers). The
// record is cleared with the frame buffer and filled by the text routine;
// it changes no pixel.
#pragma once
#include <cstdint>

constexpr uint8_t ShownTextSlots = 48;
// Bytes kept of each text, its terminating zero included: the widest line
// of the narrowest font holds fewer characters.
constexpr uint8_t ShownTextLength = 32;

struct TShownText {
  int16_t X;       // the left edge of the first character cell, after alignment
  int16_t Y;       // the top row of the character cells
  int16_t Width;   // the sum of the characters' advances
  uint8_t Size;    // the font's size number (0 for a font block of no size)
  uint8_t Height;  // the cell height: rows Y .. Y + Height - 1
  uint8_t Colour;
  uint8_t Cut;                 // 1 when the text was longer than Text holds
  char Text[ShownTextLength];  // as drawn: single bytes, the degree sign 0xB0
};

struct TShownTexts {
  uint8_t Count;     // slots filled, in the order drawn
  uint16_t Dropped;  // texts drawn after every slot was filled (at most 65535)
  TShownText Texts[ShownTextSlots];
};

extern TShownTexts ShownTexts;

void ClearShownTexts();
// Notes a drawn text; one with nothing to draw (empty, or no character
// the font holds) or wholly off the display is not noted.
void NoteShownText(int16_t x, int16_t y, const char* text, const uint8_t* font, uint16_t width,
                   uint8_t colour);
