// The metrics every generated font must meet, one record per size.
#pragma once
#include <cstdint>
#include <string>

struct TFontSize {
  int Size;
  int First, Last;        // code range
  int Spare;              // header byte 6, ignored by the text routine
  int Height;             // cell height in rows
  int InkTop, InkBottom;  // first and last cell row of the digits' ink
  int Space, Digit, One, Dot, Colon, Minus, Percent, Plus;
  int CapMin, CapMax;   // capitals' width range (0 = no capitals)
  int Control, Degree;  // codes 0..31 and 176 (0 = not in the font)
  const char* Face;     // outline font file name
  int Embolden;         // outline emboldening in 1/64 pixel
};

// Widths are without the one-pixel gap the text routine adds.
inline const TFontSize FontSizes[] = {
    {8, 0, 255, 0, 16, 3, 12, 4, 8, 7, 4, 4, 4, 10, 8, 4, 13, 10, 5, "DejaVuSansCondensed.ttf", 0},
    {9, 32, 127, 62, 19, 3, 14, 4, 9, 9, 4, 6, 5, 16, 9, 4, 15, 0, 0, "DejaVuSans.ttf", 0},
    {10, 0, 255, 67, 21, 4, 17, 5, 11, 11, 5, 7, 6, 17, 11, 5, 17, 14, 8, "DejaVuSans.ttf", 0},
    {12, 32, 127, 64, 24, 4, 18, 6, 12, 12, 6, 7, 7, 17, 12, 5, 21, 0, 0, "DejaVuSans.ttf", 0},
    {16, 32, 127, 115, 33, 6, 25, 8, 16, 16,
     8,  10, 9,   25,  16, 8, 27, 0, 0,  "DejaVuSansCondensed.ttf",
     0},
    {20, 32, 57, 127, 41, 7, 31, 10, 19, 19, 10, 0, 12, 31, 20, 0, 0, 0, 0, "DejaVuSans.ttf", 64},
    {24, 32, 57, 96, 51, 9, 39, 12, 24, 24, 12, 0, 14, 39, 25, 0, 0, 0, 0, "DejaVuSans.ttf", 80},
    {30, 32, 57, 96, 62, 11, 48, 15, 29, 29, 15, 0, 18, 47, 31, 0, 0, 0, 0, "DejaVuSans.ttf", 112},
    {34, 32, 57, 96, 70, 13, 56, 17, 33, 33, 17, 0, 20, 51, 35, 0, 0, 0, 0, "DejaVuSans.ttf", 128},
};
