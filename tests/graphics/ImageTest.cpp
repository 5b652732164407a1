// DrawImage: run-length packed pictures, every pixel written, clipped at the
// edges without wrapping, and damaged data contained.
#include <vector>

#include "ScreenCheck.h"

namespace test {
namespace {

// A picture's expected colour at (column, row): bands that exercise runs of
// black, runs of colour and literals in every row.
uint8_t Expected(int column, int row) {
  if (column < 20) return 0;
  if (column < 30) return static_cast<uint8_t>(1 + (column + row) % 200);
  return row % 2 == 0 ? 9 : 15;
}

// Packs Expected() for a width x height picture: a run of black over columns
// 0..19, literals over 20..29, then runs of at most 127 pixels.
std::vector<uint8_t> PackBands(uint16_t width, uint16_t height) {
  std::vector<uint8_t> data = {static_cast<uint8_t>(width & 0xFF), static_cast<uint8_t>(width >> 8),
                               static_cast<uint8_t>(height & 0xFF),
                               static_cast<uint8_t>(height >> 8)};
  for (int row = 0; row < height; ++row) {
    data.insert(data.end(), {0x80 | 20, 0});
    data.push_back(10);
    for (int c = 20; c < 30; ++c) data.push_back(Expected(c, row));
    for (int left = width - 30; left > 0; left -= 127) {
      const int n = left < 127 ? left : 127;
      data.push_back(static_cast<uint8_t>(0x80 | n));
      data.push_back(Expected(30, row));
    }
  }
  return data;
}

class ImageTest : public ScreenTest {
 protected:
  // Black pictures must show on a lit background.
  void SetUp() override {
    ScreenTest::SetUp();
    FillScreen(7);
  }
  // Every pixel is the picture's where it covers the screen, else untouched.
  void ExpectPicture(int x, int y, int width, int height) {
    for (int py = 0; py < ScreenHeight; ++py)
      for (int px = 0; px < ScreenWidth; ++px) {
        const int column = px - x, row = py - y;
        const bool inside = column >= 0 && column < width && row >= 0 && row < height;
        ASSERT_EQ(PixelAt(px, py), inside ? Expected(column, row) : 7) << px << "," << py;
      }
  }
};

TEST_F(ImageTest, IconSizedPictureOverwritesItsWholeSquare) {
  const auto image = PackBands(50, 50);
  DrawImage(10, 45, image.data());
  ExpectPicture(10, 45, 50, 50);
  EXPECT_EQ(CountColour(10, 45, 29, 94, 0), 20 * 50);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 7), 19200 - 2500);
}

TEST_F(ImageTest, MessageIconCoversItsSquareBlackIncluded) {
  // A background colour no icon uses.
  FillScreen(200);
  DrawImage(10, 45, IconAttention);
  EXPECT_EQ(CountColour(10, 45, 59, 94, 200), 0);
  EXPECT_GT(CountColour(10, 45, 59, 94, 0), 0);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 200), 19200 - 2500);
  FillScreen(200);
  DrawImage(130, 45, IconQuestion);
  EXPECT_EQ(CountColour(130, 45, 159, 94, 200), 0);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 200), 19200 - 30 * 50);
}

TEST_F(ImageTest, ClipsAtTheRightEdgeWithoutWrapping) {
  const auto image = PackBands(50, 50);
  DrawImage(130, 45, image.data());
  ExpectPicture(130, 45, 50, 50);
}

TEST_F(ImageTest, ClipsAtTheLeftTopAndBottom) {
  const auto image = PackBands(50, 50);
  DrawImage(-25, -10, image.data());
  ExpectPicture(-25, -10, 50, 50);
  FillScreen(7);
  DrawImage(100, 100, image.data());
  ExpectPicture(100, 100, 50, 50);
  FillScreen(7);
  DrawImage(-32768, 32767, image.data());
  DrawImage(160, 0, image.data());
  EXPECT_EQ(CountColour(0, 0, 159, 119, 7), 19200);
}

TEST_F(ImageTest, FarRightPictureNeverComesBackOnTheLeft) {
  // 300 columns from x 32767: in 16 bits the columns would wrap to negative
  // and back to 0..159.
  const auto image = PackBands(300, 2);
  DrawImage(32767, 0, image.data());
  EXPECT_EQ(CountColour(0, 0, 159, 119, 7), 19200);
  DrawImage(-140, 0, image.data());
  ExpectPicture(-140, 0, 300, 2);
}

TEST_F(ImageTest, LiteralAndRunPacketsMix) {
  // 5 x 2: row 0 = literal 3, run of 2; row 1 = run of 1, literal 4.
  const uint8_t image[] = {5, 0, 2, 0, 3, 11, 12, 13, 0x82, 0, 0x81, 9, 4, 1, 2, 3, 4};
  DrawImage(0, 0, image);
  const uint8_t rows[2][6] = {{11, 12, 13, 0, 0, 7}, {9, 1, 2, 3, 4, 7}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(PixelAt(x, y), rows[y][x]) << x << "," << y;
  EXPECT_EQ(PixelAt(0, 2), 7);
}

TEST_F(ImageTest, PacketRunningPastTheWidthIsCutAtTheEdge) {
  // A run of 6 in a 4-wide row, then the next row's own packet.
  const uint8_t image[] = {4, 0, 2, 0, 0x86, 9, 2, 1, 2, 0x82, 3};
  DrawImage(10, 10, image);
  EXPECT_EQ(CountColour(10, 10, 13, 10, 9), 4);
  EXPECT_EQ(PixelAt(14, 10), 7);
  EXPECT_EQ(PixelAt(15, 10), 7);
  const uint8_t row1[] = {1, 2, 3, 3};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(10 + x, 11), row1[x]);
  EXPECT_EQ(PixelAt(14, 11), 7);
}

TEST_F(ImageTest, EmptyPacketEndsThePicture) {
  // A zero-length run or literal would never advance along the row.
  const uint8_t zeroRun[] = {4, 0, 3, 0, 0x84, 9, 0x80, 5, 0x84, 10};
  DrawImage(0, 0, zeroRun);
  EXPECT_EQ(CountColour(0, 0, 3, 0, 9), 4);
  EXPECT_EQ(CountColour(0, 1, 159, 119, 7), 160 * 119);
  const uint8_t zeroLiteral[] = {4, 0, 1, 0, 0};
  DrawImage(20, 20, zeroLiteral);
  EXPECT_EQ(CountColour(0, 1, 159, 119, 7), 160 * 119);
}

TEST_F(ImageTest, EmptyPicturesAndNullDrawNothing) {
  const uint8_t noWidth[] = {0, 0, 5, 0};
  const uint8_t noHeight[] = {5, 0, 0, 0};
  DrawImage(0, 0, noWidth);
  DrawImage(0, 0, noHeight);
  DrawImage(0, 0, nullptr);
  EXPECT_EQ(CountColour(0, 0, 159, 119, 7), 19200);
}

}  // namespace
}  // namespace test
