// Decoding of the font block format with small fonts built here, so that it
// is checked independently of the generated tables.
#include <string>
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

struct TGlyph {
  uint8_t Code;
  uint8_t Width;
  std::vector<std::string> Rows;  // 'X' set, anything else clear
};

// Builds a font block holding codes first..last; codes without a glyph get
// width 0. padding puts that many bytes between the entries and the bitmaps,
// to reach offsets beyond 16 bits.
std::vector<uint8_t> BuildFont(uint8_t first, uint8_t last, uint8_t height,
                               const std::vector<TGlyph>& glyphs, uint32_t padding = 0) {
  const uint32_t count = last - first + 1u;
  std::vector<uint8_t> font(8 + 4 * count + padding, 0);
  font[2] = first;
  font[4] = last;
  font[6] = 0x5A;  // unused by the text routine
  font[7] = height;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t code = static_cast<uint8_t>(first + i);
    uint8_t width = 0;
    const std::vector<std::string>* rows = nullptr;
    for (const auto& g : glyphs)
      if (g.Code == code) width = g.Width, rows = &g.Rows;
    const uint32_t offset = static_cast<uint32_t>(font.size());
    uint8_t* entry = &font[8 + 4 * i];
    entry[0] = static_cast<uint8_t>(offset >> 16);
    entry[1] = width;
    entry[2] = static_cast<uint8_t>(offset & 0xFF);
    entry[3] = static_cast<uint8_t>(offset >> 8 & 0xFF);
    const uint32_t bytesPerRow = (width + 7u) / 8;
    for (uint8_t r = 0; r < height; ++r) {
      std::vector<uint8_t> row(bytesPerRow, 0);
      if (rows != nullptr && r < rows->size())
        for (size_t c = 0; c < (*rows)[r].size() && c < width; ++c)
          if ((*rows)[r][c] == 'X') row[c / 8] |= static_cast<uint8_t>(0x80 >> (c % 8));
      font.insert(font.end(), row.begin(), row.end());
    }
  }
  // Bytes beyond the last bitmap: a wrong height would draw them.
  font.insert(font.end(), 64, 0xFF);
  return font;
}

const std::vector<TGlyph> Letters = {
    {'A', 3, {"X.X", ".X.", "XXX"}},
    {'B', 10, {"X........X", ".........X", "........X."}},
    {'C', 0, {}},
};

class TextFormatTest : public ScreenTest {
 protected:
  std::vector<uint8_t> Font = BuildFont('A', 'C', 3, Letters);
  int16_t Draw(int16_t x, int16_t y, const char* text, uint8_t alignment = AlignLeft) {
    return DrawStringInFont(x, y, text, Font.data(), alignment, 15);
  }
};

TEST_F(TextFormatTest, RowsAreMostSignificantBitFirst) {
  EXPECT_EQ(Draw(10, 20, "A"), 14);
  EXPECT_EQ(Ink().Count, 6);
  for (auto [x, y] : {std::pair{10, 20}, {12, 20}, {11, 21}, {10, 22}, {11, 22}, {12, 22}})
    EXPECT_EQ(PixelAt(x, y), 15) << x << "," << y;
}

TEST_F(TextFormatTest, WideGlyphRowsSpanTwoBytes) {
  EXPECT_EQ(Draw(0, 0, "B"), 11);
  EXPECT_EQ(PixelAt(0, 0), 15);
  EXPECT_EQ(PixelAt(9, 0), 15);
  EXPECT_EQ(PixelAt(9, 1), 15);
  EXPECT_EQ(PixelAt(8, 2), 15);
  // Only the cell's three rows: the bytes behind the last bitmap stay unread.
  EXPECT_EQ(Ink().Count, 4);
}

TEST_F(TextFormatTest, AdvanceIsWidthPlusOneGap) {
  EXPECT_EQ(Draw(10, 0, "AB"), 10 + 4 + 11);
  EXPECT_EQ(PixelAt(14, 0), 15);  // B starts behind A's one-pixel gap
  EXPECT_EQ(InkIn(13, 0, 13, 2).Count, 0);
  // A zero-width glyph draws nothing and advances by its gap.
  EXPECT_EQ(Draw(50, 50, "C"), 51);
  EXPECT_EQ(TextStartX, 50);
  EXPECT_EQ(TextEndX, 51);
}

TEST_F(TextFormatTest, OffsetHighByteComesFromTheFirstEntryByte) {
  Font = BuildFont('A', 'C', 3, Letters, 0x10000);
  ASSERT_EQ(Font[8], 1);  // 'A' lies beyond 64 KiB
  EXPECT_EQ(Draw(10, 20, "A"), 14);
  EXPECT_EQ(Ink().Count, 6);
  EXPECT_EQ(PixelAt(11, 21), 15);
}

TEST_F(TextFormatTest, CodesAreUnsignedBytes) {
  Font = BuildFont(200, 201, 1, {{200, 2, {"XX"}}, {201, 1, {"X"}}});
  EXPECT_EQ(Draw(0, 0, "\xC8\xC9"), 5);
  EXPECT_EQ(Ink().Count, 3);
}

TEST_F(TextFormatTest, CharactersOutsideTheFontDrawAndAdvanceNothing) {
  EXPECT_EQ(Draw(10, 0, "@D"), 10);
  EXPECT_EQ(Ink().Count, 0);
  EXPECT_EQ(Draw(10, 0,
                 "A\x01Z\xFF"
                 "A"),
            18);
  EXPECT_EQ(Ink().Count, 12);
  // They do not count towards the alignment either.
  EXPECT_EQ(Draw(100, 50, "AZ", AlignRight), 100);
  EXPECT_EQ(TextStartX, 96);
}

TEST_F(TextFormatTest, AlignmentPlacesTheStart) {
  EXPECT_EQ(Draw(100, 0, "AB", AlignRight), 100);
  EXPECT_EQ(TextStartX, 85);
  // Centred: the 15-pixel advance halves to 7.
  EXPECT_EQ(Draw(100, 10, "AB", AlignCentre), 108);
  EXPECT_EQ(TextStartX, 93);
  // Any value other than left and right centres.
  EXPECT_EQ(Draw(100, 20, "AB", 3), 108);
  EXPECT_EQ(TextStartX, 93);
  EXPECT_EQ(Draw(100, 30, "AB", 255), 108);
  // Centring a negative x still halves only the width.
  EXPECT_EQ(Draw(-10, 40, "AB", AlignCentre), -10 - 7 + 15);
  EXPECT_EQ(TextStartX, -17);
}

TEST_F(TextFormatTest, CentringHalvesTheWidthAsUnsigned16Bits) {
  Font = BuildFont('A', 'A', 1, {{'A', 99, {"X"}}});
  const std::string text(400, 'A');  // 40000 pixels: beyond signed 16 bits
  DrawStringInFont(0, 0, text.c_str(), Font.data(), AlignCentre, 15);
  EXPECT_EQ(TextStartX, -20000);
  EXPECT_EQ(TextEndX, 20000);
  // Glyphs 200 and 201 start at columns 0 and 100, the only ones on screen.
  EXPECT_EQ(Ink().Count, 2);
  EXPECT_EQ(PixelAt(0, 0), 15);
  EXPECT_EQ(PixelAt(100, 0), 15);
}

TEST_F(TextFormatTest, NullTextIsEmpty) {
  EXPECT_EQ(Draw(33, 0, nullptr, AlignCentre), 33);
  EXPECT_EQ(TextStartX, 33);
  EXPECT_EQ(Ink().Count, 0);
}

}  // namespace
}  // namespace test
