// The generated font tables, read back byte by byte: layout, the fixed widths
// the screens are laid out with, the rows the digits and capitals stand on,
// and glyph shapes that stay inside their cells in one piece.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets/fonts/FontBlocks.h"
#include "graphics/Text.h"

namespace {

struct TExpected {
  const uint8_t* Font;
  uint32_t Bytes;
  int Size, First, Last, Height;
  int Space, Digit, One, Dot, Colon, Minus, Percent, Plus;
  int InkTop, InkBottom;
  int CapMin, CapMax;  // 0: the font has no capitals
};

const TExpected Fonts[] = {
    {Font8, Font8Bytes, 8, 0, 255, 16, 4, 8, 7, 4, 4, 4, 10, 8, 3, 12, 4, 13},
    {Font9, Font9Bytes, 9, 32, 127, 19, 4, 9, 9, 4, 6, 5, 16, 9, 3, 14, 4, 15},
    {Font10, Font10Bytes, 10, 0, 255, 21, 5, 11, 11, 5, 7, 6, 17, 11, 4, 17, 5, 17},
    {Font12, Font12Bytes, 12, 32, 127, 24, 6, 12, 12, 6, 7, 7, 17, 12, 4, 18, 5, 21},
    {Font16, Font16Bytes, 16, 32, 127, 33, 8, 16, 16, 8, 10, 9, 25, 16, 6, 25, 8, 27},
    {Font20, Font20Bytes, 20, 32, 57, 41, 10, 19, 19, 10, -1, 12, 31, 20, 7, 31, 0, 0},
    {Font24, Font24Bytes, 24, 32, 57, 51, 12, 24, 24, 12, -1, 14, 39, 25, 9, 39, 0, 0},
    {Font30, Font30Bytes, 30, 32, 57, 62, 15, 29, 29, 15, -1, 18, 47, 31, 11, 48, 0, 0},
    {Font34, Font34Bytes, 34, 32, 57, 70, 17, 33, 33, 17, -1, 20, 51, 35, 13, 56, 0, 0},
};

// One glyph decoded from its table entry.
struct TGlyph {
  int Width = 0;
  uint32_t Offset = 0;
  const uint8_t* Bits = nullptr;
  int Height = 0;
  int RowBytes() const { return (Width + 7) / 8; }
  // Pixel at column x (may lie beyond the width, inside the last byte).
  bool At(int x, int r) const { return Bits[r * RowBytes() + x / 8] & (0x80 >> (x % 8)); }
  int FirstInkRow() const {
    for (int r = 0; r < Height; ++r)
      for (int x = 0; x < Width; ++x)
        if (At(x, r)) return r;
    return -1;
  }
  int LastInkRow() const {
    for (int r = Height - 1; r >= 0; --r)
      for (int x = 0; x < Width; ++x)
        if (At(x, r)) return r;
    return -1;
  }
  int InkColumns(int* left, int* right) const {
    *left = Width, *right = -1;
    for (int r = 0; r < Height; ++r)
      for (int x = 0; x < Width; ++x)
        if (At(x, r)) *left = std::min(*left, x), *right = std::max(*right, x);
    return *right - *left + 1;
  }
};

int Code16(const uint8_t* p) { return p[0] | p[1] << 8; }

TGlyph GlyphOf(const TExpected& f, int code) {
  const uint8_t* entry = f.Font + 8 + 4 * (code - Code16(f.Font + 2));
  TGlyph g;
  g.Width = entry[1];
  g.Offset = static_cast<uint32_t>(entry[0]) << 16 | Code16(entry + 2);
  g.Bits = f.Font + g.Offset;
  g.Height = f.Font[7];
  return g;
}

// 8-connected pieces of ink: a broken stroke shows as a second piece.
int InkPieces(const TGlyph& g) {
  std::vector<int> seen(static_cast<size_t>(g.Width) * g.Height, 0);
  int pieces = 0;
  for (int r = 0; r < g.Height; ++r)
    for (int x = 0; x < g.Width; ++x) {
      if (!g.At(x, r) || seen[r * g.Width + x]) continue;
      ++pieces;
      std::vector<std::pair<int, int>> stack = {{x, r}};
      seen[r * g.Width + x] = 1;
      while (!stack.empty()) {
        auto [cx, cr] = stack.back();
        stack.pop_back();
        for (int dr = -1; dr <= 1; ++dr)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = cx + dx, nr = cr + dr;
            if (nx < 0 || nr < 0 || nx >= g.Width || nr >= g.Height) continue;
            if (!g.At(nx, nr) || seen[nr * g.Width + nx]) continue;
            seen[nr * g.Width + nx] = 1;
            stack.push_back({nx, nr});
          }
      }
    }
  return pieces;
}

std::string Name(const TExpected& f, int code) {
  return "size " + std::to_string(f.Size) + " code " + std::to_string(code);
}

TEST(FontMetricsTest, HeadersHoldRangesAndCellHeights) {
  for (const TExpected& f : Fonts) {
    SCOPED_TRACE("size " + std::to_string(f.Size));
    EXPECT_EQ(Code16(f.Font), 0);
    EXPECT_EQ(Code16(f.Font + 2), f.First);
    EXPECT_EQ(Code16(f.Font + 4), f.Last);
    EXPECT_EQ(f.Font[7], f.Height);
  }
}

TEST(FontMetricsTest, BitmapsFollowTheEntriesInCodeOrderAndFillTheBlock) {
  for (const TExpected& f : Fonts) {
    uint32_t expected = 8 + 4 * (f.Last - f.First + 1);
    for (int code = f.First; code <= f.Last; ++code) {
      const TGlyph g = GlyphOf(f, code);
      ASSERT_EQ(g.Offset, expected) << Name(f, code);
      ASSERT_GT(g.Width, 0) << Name(f, code);
      expected += static_cast<uint32_t>(g.RowBytes() * f.Height);
      ASSERT_LE(expected, f.Bytes) << Name(f, code);
    }
    EXPECT_EQ(expected, f.Bytes) << "size " << f.Size << ": bytes behind the last bitmap";
  }
}

TEST(FontMetricsTest, NoInkBeyondTheGlyphWidth) {
  for (const TExpected& f : Fonts)
    for (int code = f.First; code <= f.Last; ++code) {
      const TGlyph g = GlyphOf(f, code);
      for (int r = 0; r < f.Height; ++r)
        for (int x = g.Width; x < 8 * g.RowBytes(); ++x)
          ASSERT_FALSE(g.At(x, r)) << Name(f, code) << " row " << r << " column " << x;
    }
}

TEST(FontMetricsTest, FixedWidthsOfSpaceDigitsAndSigns) {
  for (const TExpected& f : Fonts) {
    auto width = [&](int code) { return GlyphOf(f, code).Width; };
    SCOPED_TRACE("size " + std::to_string(f.Size));
    EXPECT_EQ(width(' '), f.Space);
    for (int d = '0'; d <= '9'; ++d) EXPECT_EQ(width(d), d == '1' ? f.One : f.Digit) << char(d);
    EXPECT_EQ(width('.'), f.Dot);
    if (f.Colon > 0) {
      EXPECT_EQ(width(':'), f.Colon);
    }
    EXPECT_EQ(width('-'), f.Minus);
    EXPECT_EQ(width('%'), f.Percent);
    EXPECT_EQ(width('+'), f.Plus);
  }
}

TEST(FontMetricsTest, CapitalsSpanTheirWholeWidthRangeOnTheDigitsTopRow) {
  for (const TExpected& f : Fonts) {
    if (f.CapMax == 0) continue;
    int narrowest = 255, widest = 0;
    for (int code = 'A'; code <= 'Z'; ++code) {
      const TGlyph g = GlyphOf(f, code);
      narrowest = std::min(narrowest, g.Width);
      widest = std::max(widest, g.Width);
      EXPECT_EQ(g.FirstInkRow(), f.InkTop) << Name(f, code);
    }
    EXPECT_EQ(narrowest, f.CapMin) << "size " << f.Size;
    EXPECT_EQ(widest, f.CapMax) << "size " << f.Size;
    EXPECT_EQ(GlyphOf(f, 'W').Width, f.CapMax) << "size " << f.Size;
  }
}

TEST(FontMetricsTest, DigitsInkSpansExactlyTheirRowsAndSitsCentred) {
  for (const TExpected& f : Fonts) {
    int top = f.Height, bottom = -1;
    for (int code = '0'; code <= '9'; ++code) {
      const TGlyph g = GlyphOf(f, code);
      ASSERT_GE(g.FirstInkRow(), 0) << Name(f, code);
      top = std::min(top, g.FirstInkRow());
      bottom = std::max(bottom, g.LastInkRow());
      int left, right;
      g.InkColumns(&left, &right);
      EXPECT_LE(std::abs(left - (g.Width - 1 - right)), 1) << Name(f, code) << " off centre";
    }
    EXPECT_EQ(top, f.InkTop) << "size " << f.Size;
    EXPECT_EQ(bottom, f.InkBottom) << "size " << f.Size;
  }
}

TEST(FontMetricsTest, ControlCodesBlankAndDegreeSignWidths) {
  for (const TExpected& f : {Fonts[0], Fonts[2]}) {
    const int blank = f.Size == 8 ? 10 : 14;
    for (int code = 0; code < 32; ++code) {
      const TGlyph g = GlyphOf(f, code);
      EXPECT_EQ(g.Width, blank) << Name(f, code);
      EXPECT_EQ(g.FirstInkRow(), -1) << Name(f, code);
    }
    const TGlyph degree = GlyphOf(f, 176);
    EXPECT_EQ(degree.Width, f.Size == 8 ? 5 : 8);
    // A ring above the middle of the digits, as in "°C".
    EXPECT_EQ(InkPieces(degree), 1);
    EXPECT_LT(degree.LastInkRow(), (f.InkTop + f.InkBottom) / 2);
  }
}

TEST(FontMetricsTest, DigitsCapitalsAndSignsAreUnbrokenAndInked) {
  for (const TExpected& f : Fonts) {
    std::string codes = "0123456789+-./";
    if (f.CapMax > 0) codes += "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghklmnopqrstuvwxyz";
    for (char c : codes) EXPECT_EQ(InkPieces(GlyphOf(f, c)), 1) << Name(f, c);
    for (int code = '!'; code <= std::min(f.Last, 126); ++code)
      EXPECT_GE(GlyphOf(f, code).FirstInkRow(), 0) << Name(f, code) << " has no ink";
    EXPECT_EQ(InkPieces(GlyphOf(f, '%')), 3) << "size " << f.Size;
    EXPECT_EQ(GlyphOf(f, ' ').FirstInkRow(), -1);
  }
}

}  // namespace
