// A recording of the display read back with giflib.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/GifRecording.h"

namespace {

namespace fs = std::filesystem;

int DelayOf(GifFileType* gif, int image) {
  GraphicsControlBlock control{};
  return DGifSavedExtensionToGCB(gif, image, &control) == GIF_OK ? control.DelayTime : -1;
}

using TRect = std::tuple<int, int, int, int>;
TRect RectOf(const SavedImage& image) {
  const GifImageDesc& d = image.ImageDesc;
  return {d.Left, d.Top, d.Width, d.Height};
}

}  // namespace

TEST(GifRecording, WritesChangedFramesWithTheirTimesAndOnlyTheChangedRectangle) {
  const fs::path file = fs::temp_directory_path() / "axim7-run.gif";
  std::vector<uint8_t> a(FrameBufferSize, 0), b;
  for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint8_t>(i % ColourTableSize);
  b = a;
  b[4 * ScreenWidth + 3] = 245;
  b[FrameBufferSize - 1] = 9;  // the bottom right corner

  TGifRecording recording;
  std::string error;
  ASSERT_TRUE(recording.Start(file.string(), 2, error)) << error;
  ASSERT_TRUE(recording.Offer(a.data(), 100, error));
  ASSERT_TRUE(recording.Offer(a.data(), 150, error));  // unchanged: no frame
  ASSERT_TRUE(recording.Offer(b.data(), 230, error));
  ASSERT_TRUE(recording.Offer(b.data(), 240, error));
  // Longer than one frame's delay field holds.
  ASSERT_TRUE(recording.Finish(230 + 70000, error)) << error;

  int code = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &code);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->ImageCount, 3);
  EXPECT_EQ(DelayOf(gif, 0), 130);
  EXPECT_EQ(DelayOf(gif, 1), 65535);
  EXPECT_EQ(DelayOf(gif, 2), 70000 - 65535);
  EXPECT_EQ(RectOf(gif->SavedImages[0]), TRect(0, 0, 320, 240));
  EXPECT_EQ(RectOf(gif->SavedImages[1]), TRect(6, 8, 320 - 6, 240 - 8));
  EXPECT_EQ(RectOf(gif->SavedImages[2]), TRect(0, 0, 2, 2));  // one display pixel held

  // The first two frames composed give b's colours at every screen pixel.
  std::vector<uint8_t> screen(320 * 240);
  for (int i = 0; i < 2; ++i) {
    const auto [left, top, width, height] = RectOf(gif->SavedImages[i]);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        screen[(top + y) * 320 + left + x] = gif->SavedImages[i].RasterBits[y * width + x];
  }
  int wrong = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const GifColorType got = gif->SColorMap->Colors[screen[y * 320 + x]];
      const TRgb want = ColourOf(b[(y / 2) * ScreenWidth + x / 2]);
      wrong += got.Red != want.R || got.Green != want.G || got.Blue != want.B;
    }
  EXPECT_EQ(wrong, 0);
  // It loops: giflib files the blocks before the first image with it.
  const ExtensionBlock& loop = gif->SavedImages[0].ExtensionBlocks[0];
  EXPECT_EQ(std::string(reinterpret_cast<char*>(loop.Bytes), loop.ByteCount), "NETSCAPE2.0");
  DGifCloseFile(gif, &code);
}
