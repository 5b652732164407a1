// Monochrome rasterisation of single characters with FreeType.
#include <ft2build.h>

#include <algorithm>
#include FT_OUTLINE_H

#include "Glyph.h"

TInk RenderInk(const TRaster& raster, uint32_t unicode, long xSize, long ySize) {
  TInk ink;
  FT_Set_Char_Size(raster.Face, xSize, ySize, 72, 72);
  const FT_UInt index = FT_Get_Char_Index(raster.Face, unicode);
  if (index == 0) return ink;
  FT_Int32 flags = FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP;
  if (raster.AutoHint) flags |= FT_LOAD_FORCE_AUTOHINT;
  if (FT_Load_Glyph(raster.Face, index, flags) != 0) return ink;
  FT_GlyphSlot slot = raster.Face->glyph;
  if (raster.Embolden > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    // Grow the strokes evenly and keep the glyph on the baseline: the outline
    // grows by half the strength on every side, so lift it by that much.
    FT_Outline_Embolden(&slot->outline, raster.Embolden);
    FT_Outline_Translate(&slot->outline, 0, raster.Embolden / 2);
    slot->advance.x += raster.Embolden;
  }
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return ink;
  const FT_Bitmap& bm = slot->bitmap;
  ink.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  ink.Left = slot->bitmap_left;
  ink.Top = slot->bitmap_top;
  ink.Width = static_cast<int>(bm.width);
  ink.Rows = static_cast<int>(bm.rows);
  ink.Pixels.assign(static_cast<size_t>(ink.Width) * ink.Rows, 0);
  for (int r = 0; r < ink.Rows; ++r)
    for (int c = 0; c < ink.Width; ++c)
      if (bm.buffer[r * bm.pitch + c / 8] & (0x80 >> (c % 8))) ink.Pixels[r * ink.Width + c] = 1;
  // A short run on the top or bottom ink row over a much wider stroke is a
  // rounding spur of the curve's extremum: drop it so round glyphs end flat.
  auto count = [&](int r) {
    int n = 0;
    for (int c = 0; c < ink.Width; ++c) n += ink.Pixels[r * ink.Width + c];
    return n;
  };
  auto clearSpur = [&](int r, int next) {
    if (next >= 0 && next < ink.Rows && count(r) <= 3 && 4 * count(r) <= count(next))
      std::fill_n(ink.Pixels.begin() + r * ink.Width, ink.Width, 0);
  };
  int first = 0, last = ink.Rows - 1;
  while (first < ink.Rows && count(first) == 0) ++first;
  while (last >= 0 && count(last) == 0) --last;
  if (first < last) {
    clearSpur(first, first + 1);
    clearSpur(last, last - 1);
  }
  // Trim empty border rows and columns so Left/Top/Width/Rows frame the ink.
  int top = 0, bottom = ink.Rows - 1, left = 0, right = ink.Width - 1;
  auto rowEmpty = [&](int r) {
    for (int c = 0; c < ink.Width; ++c)
      if (ink.Pixels[r * ink.Width + c]) return false;
    return true;
  };
  auto colEmpty = [&](int c) {
    for (int r = 0; r < ink.Rows; ++r)
      if (ink.Pixels[r * ink.Width + c]) return false;
    return true;
  };
  while (top <= bottom && rowEmpty(top)) ++top;
  while (bottom >= top && rowEmpty(bottom)) --bottom;
  while (left <= right && colEmpty(left)) ++left;
  while (right >= left && colEmpty(right)) --right;
  if (top > bottom || left > right) {
    const int advance = ink.Advance;
    ink = TInk{};
    ink.Advance = advance;
    return ink;
  }
  std::vector<uint8_t> trimmed;
  for (int r = top; r <= bottom; ++r)
    for (int c = left; c <= right; ++c) trimmed.push_back(ink.Pixels[r * ink.Width + c]);
  ink.Pixels = std::move(trimmed);
  ink.Left += left;
  ink.Top -= top;
  ink.Width = right - left + 1;
  ink.Rows = bottom - top + 1;
  return ink;
}

uint32_t Cp1252ToUnicode(int code) {
  static const uint16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (code < 32 || code == 127) return 0;
  if (code >= 0x80 && code < 0xA0) return high[code - 0x80];
  return static_cast<uint32_t>(code);
}
