// PNG and GIF files of the display: read back with giflib, and the write
// failures that must leave nothing half-written.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <vector>

#include "graphics/FrameBuffer.h"
#include "host/ColourTable.h"
#include "host/GifRecording.h"
#include "host/Pictures.h"

namespace {

namespace fs = std::filesystem;

fs::path TempDir(const char* name) {
  const fs::path dir = fs::temp_directory_path() / (std::string("axim7-") + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

int DelayOf(const SavedImage& image) {
  GraphicsControlBlock control{};
  control.DelayTime = -1;
  for (int i = 0; i < image.ExtensionBlockCount; ++i)
    if (image.ExtensionBlocks[i].Function == GRAPHICS_EXT_FUNC_CODE)
      DGifExtensionToGCB(image.ExtensionBlocks[i].ByteCount, image.ExtensionBlocks[i].Bytes,
                         &control);
  return control.DelayTime;
}

// Caps the size of files this process writes, as a full disk would.
struct TFileSizeLimit {
  rlimit Saved{};
  explicit TFileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &Saved);
    rlimit limit = Saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &Saved); }
};

}  // namespace

TEST(GifRecording, WritesChangedFramesWithTheirTimesAndOnlyTheChangedRectangle) {
  const fs::path file = TempDir("gif") / "run.gif";
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
  EXPECT_FALSE(recording.Active());

  int code = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &code);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->SWidth, 320);
  EXPECT_EQ(gif->SHeight, 240);
  ASSERT_EQ(gif->ImageCount, 3);
  EXPECT_EQ(DelayOf(gif->SavedImages[0]), 130);
  EXPECT_EQ(DelayOf(gif->SavedImages[1]), 65535);
  EXPECT_EQ(DelayOf(gif->SavedImages[2]), 70000 - 65535);
  const GifImageDesc& changed = gif->SavedImages[1].ImageDesc;
  EXPECT_EQ(changed.Left, 6);
  EXPECT_EQ(changed.Top, 8);
  EXPECT_EQ(changed.Width, 320 - 6);
  EXPECT_EQ(changed.Height, 240 - 8);
  const GifImageDesc& held = gif->SavedImages[2].ImageDesc;
  EXPECT_EQ(held.Width * held.Height, 2 * 2);  // one display pixel

  // The first two frames composed give b's colours at every screen pixel.
  std::vector<uint8_t> screen(320 * 240);
  for (int i = 0; i < 2; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int y = 0; y < image.ImageDesc.Height; ++y)
      for (int x = 0; x < image.ImageDesc.Width; ++x)
        screen[(image.ImageDesc.Top + y) * 320 + image.ImageDesc.Left + x] =
            image.RasterBits[y * image.ImageDesc.Width + x];
  }
  const GifColorType* palette = gif->SColorMap->Colors;
  int wrong = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const GifColorType got = palette[screen[y * 320 + x]];
      const TRgb want = ColourOf(b[(y / 2) * ScreenWidth + x / 2]);
      wrong += got.Red != want.R || got.Green != want.G || got.Blue != want.B;
    }
  EXPECT_EQ(wrong, 0);
  bool loops = false;
  const SavedImage& first = gif->SavedImages[0];  // giflib files leading blocks here
  for (int i = 0; i < first.ExtensionBlockCount; ++i)
    loops |=
        first.ExtensionBlocks[i].ByteCount == 11 &&
        std::string(reinterpret_cast<char*>(first.ExtensionBlocks[i].Bytes), 11) == "NETSCAPE2.0";
  EXPECT_TRUE(loops);
  DGifCloseFile(gif, &code);
}

TEST(Pictures, FailedWritesNameTheFileAndLeaveNothingHalfWritten) {
  const fs::path dir = TempDir("full");
  std::vector<uint8_t> frame(FrameBufferSize, 15);
  std::string error;

  const fs::path missing = dir / "no-such-dir" / "shot.png";
  EXPECT_FALSE(WriteDisplayPng(missing.string(), frame.data(), 4, error));
  EXPECT_EQ(error, "Could not write " + missing.string() + ": No such file or directory.");

  const fs::path png = dir / "shot.png";
  std::ofstream(png) << "earlier picture";
  TGifRecording recording;
  const fs::path gif = dir / "run.gif";
  {
    TFileSizeLimit full(2000);
    std::vector<uint8_t> noise(FrameBufferSize);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7919 % 246);
    EXPECT_FALSE(WriteDisplayPng(png.string(), noise.data(), 8, error));
    EXPECT_EQ(error, "Could not write " + png.string() + ": File too large.");

    ASSERT_TRUE(recording.Start(gif.string(), 4, error)) << error;
    bool ok = recording.Offer(noise.data(), 0, error) && recording.Offer(frame.data(), 10, error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "Could not write " + gif.string() +
                         ": File too large. The unfinished recording was removed.");
  }
  EXPECT_FALSE(recording.Active());
  EXPECT_FALSE(fs::exists(gif));
  std::string kept;
  std::getline(std::ifstream(png), kept);
  EXPECT_EQ(kept, "earlier picture");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}
