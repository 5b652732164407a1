// The span-writing text, image and rectangle routines against plain
// pixel-by-pixel versions of the drawing rules, at and around every edge of
// the display: cells touching the last column or row, one pixel over,
// negative starts, coordinates near the ends of the 16-bit range.
#include <cstdint>
#include <cstring>
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

using TScreen = std::vector<uint8_t>;

// A background with every byte different from its neighbours, so a pixel
// written or left alone by mistake shows.
const TScreen& Background() {
  static const TScreen screen = [] {
    TScreen s(FrameBufferSize);
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<uint8_t>(i * 7 + 1);
    return s;
  }();
  return screen;
}

void Pattern() { std::memcpy(FrameBuffer, Background().data(), FrameBufferSize); }

TScreen Snapshot() { return {FrameBuffer, FrameBuffer + FrameBufferSize}; }

// Every set bit of every glyph through PutPixel at 16-bit coordinates.
int16_t ReferenceString(int16_t x, int16_t y, const char* text, uint8_t size, uint8_t alignment,
                        uint8_t colour) {
  const uint8_t* font = SelectFont(size);
  const uint16_t first = static_cast<uint16_t>(font[2] | font[3] << 8);
  const uint16_t last = static_cast<uint16_t>(font[4] | font[5] << 8);
  const auto* codes = reinterpret_cast<const uint8_t*>(text);
  uint16_t advance = 0;
  for (const uint8_t* c = codes; *c != 0; ++c)
    if (*c >= first && *c <= last)
      advance = static_cast<uint16_t>(advance + font[9 + 4 * (*c - first)] + 1);
  int16_t pen = x;
  if (alignment == AlignRight)
    pen = static_cast<int16_t>(x - advance);
  else if (alignment != AlignLeft)
    pen = static_cast<int16_t>(x - advance / 2);
  for (const uint8_t* c = codes; *c != 0; ++c) {
    if (*c < first || *c > last) continue;
    const uint8_t* entry = font + 8 + 4 * (*c - first);
    const uint8_t width = entry[1];
    const uint8_t* bits = font + (entry[0] << 16 | entry[2] | entry[3] << 8);
    const int bytesPerRow = (width + 7) / 8;
    for (int r = 0; r < font[7]; ++r)
      for (int b = 0; b < bytesPerRow; ++b)
        for (int bit = 0; bit < 8; ++bit)
          if (bits[r * bytesPerRow + b] & (0x80 >> bit))
            PutPixel(static_cast<int16_t>(pen + 8 * b + bit), static_cast<int16_t>(y + r), colour);
    pen = static_cast<int16_t>(pen + width + 1);
  }
  return pen;
}

// Every pixel of the picture written on its own, on unwrapped coordinates.
void ReferenceImage(int16_t x, int16_t y, const uint8_t* image) {
  const int width = image[0] | image[1] << 8, height = image[2] | image[3] << 8;
  const uint8_t* packed = image + 4;
  for (int row = 0; row < height; ++row)
    for (int j = 0; j < width;) {
      const uint8_t control = *packed++;
      const int count = control & 0x7F;
      if (count == 0) return;
      const bool run = (control & 0x80) != 0;
      const uint8_t runColour = run ? *packed++ : 0;
      for (int n = 0; n < count; ++n, ++j) {
        const uint8_t colour = run ? runColour : *packed++;
        const int px = x + j, py = y + row;
        if (j < width && px >= 0 && px < ScreenWidth && py >= 0 && py < ScreenHeight)
          FrameBuffer[py * ScreenWidth + px] = colour;
      }
    }
}

// Every visible pixel inside the limits, both included; whole 16-bit
// ranges would take too long pixel by pixel, so the screen is scanned.
void ReferenceFill(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour) {
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (x >= x0 && x <= x1 && y >= y0 && y <= y1) FrameBuffer[y * ScreenWidth + x] = colour;
}

const int16_t EdgeXs[] = {-32768, -200, -31, -30, -9,  -8,  -7,  -1,  0,   1,   100, 120,   130,
                          140,    141,  145, 150, 151, 152, 153, 158, 159, 160, 161, 32700, 32767};
const int16_t EdgeYs[] = {-32768, -71, -70, -40, -16, -15, -1,  0,   1,   57,  59,
                          60,     80,  98,  99,  103, 104, 105, 118, 119, 120, 32767};

TEST(ClipReference, TextMatchesEveryPixelAroundTheEdges) {
  SKIP_WITHOUT_FONTS();
  struct TCase {
    const char* Text;
    uint8_t Size;
  };
  // Size 8 and 10 hold every code, so the degree sign and the low codes
  // (blank cells) go through too; 30 has cells wider than eight pixels.
  const TCase cases[] = {{"W8%", 8}, {"\xb0g|\x01M", 10}, {"Ag", 16}, {"%8", 30}, {"-4.", 34}};
  for (const TCase& c : cases)
    for (int16_t x : EdgeXs)
      for (int16_t y : EdgeYs)
        for (uint8_t alignment : {AlignLeft, AlignRight, AlignCentre}) {
          Pattern();
          const int16_t expectedEnd = ReferenceString(x, y, c.Text, c.Size, alignment, 15);
          const TScreen expected = Snapshot();
          Pattern();
          const int16_t end = DrawString(x, y, c.Text, c.Size, alignment, 15);
          ASSERT_EQ(end, expectedEnd) << c.Text << " at " << x << ", " << y;
          ASSERT_EQ(TextEndX, expectedEnd);
          ASSERT_TRUE(Snapshot() == expected) << c.Text << " size " << int{c.Size} << " at " << x
                                              << ", " << y << " alignment " << int{alignment};
        }
}

TEST(ClipReference, GlyphCellTouchingTheRightAndBottomEdges) {
  SKIP_WITHOUT_FONTS();
  // "8" in size 8 is 8 wide with a 16-row cell: its last column on 159 and
  // its last row on 119, then one pixel further each way.
  for (int16_t over : {0, 1}) {
    const auto x = static_cast<int16_t>(152 + over), y = static_cast<int16_t>(104 + over);
    Pattern();
    ReferenceString(x, y, "8", 8, AlignLeft, 9);
    const TScreen expected = Snapshot();
    Pattern();
    DrawString(x, y, "8", 8, AlignLeft, 9);
    EXPECT_TRUE(Snapshot() == expected) << "over by " << over;
  }
}

TEST(ClipReference, IconsMatchEveryPixelAroundTheEdges) {
  for (const uint8_t* icon : {IconAttention, IconTick, IconGForce})
    for (int16_t x : EdgeXs)
      for (int16_t y : EdgeYs) {
        Pattern();
        ReferenceImage(x, y, icon);
        const TScreen expected = Snapshot();
        Pattern();
        DrawImage(x, y, icon);
        ASSERT_TRUE(Snapshot() == expected) << x << ", " << y;
      }
}

TEST(ClipReference, PacketsCrossingTheEdgesAndTheRowEnd) {
  // 7 x 3: a run over columns 0..4 and a literal pair; a literal of four
  // reaching past the width (cut there, its bytes still consumed); a run of
  // nine cut at the width.
  const uint8_t image[] = {7, 0,  3,  0,  0x85, 3,    2, 21,   22, 0x83, 4,
                           4, 31, 32, 33, 34,   0x81, 5, 0x89, 6,  0x87, 8};
  for (int16_t x : {-6, -5, -1, 0, 150, 153, 154, 155, 159, 160})
    for (int16_t y : {-2, 0, 117, 118}) {
      Pattern();
      ReferenceImage(x, y, image);
      const TScreen expected = Snapshot();
      Pattern();
      DrawImage(x, y, image);
      ASSERT_TRUE(Snapshot() == expected) << x << ", " << y;
    }
}

TEST(ClipReference, RectanglesAndRunsOfAnyWidth) {
  const int16_t xs[] = {-32768, -1, 0, 1, 158, 159, 160, 32767};
  const int16_t ys[] = {-32768, -1, 0, 1, 118, 119, 120, 32767};
  for (int16_t x0 : xs)
    for (int16_t x1 : xs)
      for (int16_t y0 : {int16_t{-3}, int16_t{0}, int16_t{5}, int16_t{118}})
        for (int16_t y1 : ys) {
          // A rectangle one row high draws nothing at all.
          Pattern();
          if (y0 != y1) ReferenceFill(x0, y0, x1, y1, 11);
          const TScreen expected = Snapshot();
          Pattern();
          FillRect(x0, y0, x1, y1, 11);
          ASSERT_TRUE(Snapshot() == expected) << x0 << ".." << x1 << ", " << y0 << ".." << y1;
          Pattern();
          ReferenceFill(x0, y0, x1, y0, 12);
          const TScreen run = Snapshot();
          Pattern();
          DrawHLine(x0, x1, y0, 12);
          ASSERT_TRUE(Snapshot() == run) << x0 << ".." << x1 << " row " << y0;
        }
}

}  // namespace
}  // namespace test
