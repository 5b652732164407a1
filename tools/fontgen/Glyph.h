// Rasterised glyphs and the bitmap font table built from them.
#pragma once
#include <ft2build.h>

#include <cstdint>
#include <string>
#include <vector>
#include FT_FREETYPE_H

#include "Sizes.h"

// A glyph as it lands in its cell: Width columns, Height rows, one byte a pixel.
struct TCellGlyph {
  int Width = 0;
  std::vector<uint8_t> Pixels;  // Height * Width, 1 = ink
};

// Ink of one rendered glyph relative to the baseline and the pen.
struct TInk {
  int Left = 0, Top = 0;  // columns right of the pen, rows above the baseline
  int Width = 0, Rows = 0;
  int Advance = 0;  // hinted advance in whole pixels
  std::vector<uint8_t> Pixels;
  bool Empty() const { return Width == 0 || Rows == 0; }
};

struct TRaster {
  FT_Face Face;
  bool AutoHint;
  int Embolden;  // 1/64 pixel
};

// Renders a Unicode character in monochrome at the given pixel sizes (26.6).
TInk RenderInk(const TRaster& raster, uint32_t unicode, long xSize, long ySize);
// Unicode of a Western Windows code page byte, or 0 when the code is unassigned.
uint32_t Cp1252ToUnicode(int code);

// Builds the font block of the table layout the text routine reads.
std::vector<uint8_t> BuildFontBlock(const TFontSize& size, const std::vector<TCellGlyph>& glyphs);
// Writes the block as a C++ source defining FontN.
bool WriteFontSource(const std::string& path, const TFontSize& size,
                     const std::vector<uint8_t>& block, const std::string& regenerate);
