// A recording of the display read back with giflib.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/GifRecording.h"
#include "support/TempPath.h"

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

// A display filled with one colour index: the pictures of the table below.
std::vector<uint8_t> Filled(int id) { return std::vector<uint8_t>(FrameBufferSize, id * 10); }

struct TShown {
  int Id;     // the picture on screen after the frame (its fill / 10)
  int Delay;  // centiseconds
  bool operator==(const TShown&) const = default;
};

// The frames of a recording read back with giflib, each composed onto the
// screen so far.
std::vector<TShown> ReadBack(const std::string& path) {
  int code = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return {{-1, -1}};
  std::vector<uint8_t> screen(static_cast<size_t>(gif->SWidth) * gif->SHeight, 255);
  std::vector<TShown> shown;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const auto [left, top, width, height] = RectOf(gif->SavedImages[i]);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        screen[(top + y) * gif->SWidth + left + x] = gif->SavedImages[i].RasterBits[y * width + x];
    const bool uniform =
        std::all_of(screen.begin(), screen.end(), [&](uint8_t c) { return c == screen[0]; });
    shown.push_back({uniform ? screen[0] / 10 : -1, DelayOf(gif, i)});
  }
  DGifCloseFile(gif, &code);
  return shown;
}

}  // namespace

TEST(GifRecording, NoDelayUnderTwoCentisecondsAndTheSumIsTheTimeRecorded) {
  const struct {
    const char* Name;
    std::vector<std::pair<int64_t, int>> Offers;  // time, picture
    int64_t End;
    std::vector<TShown> Frames;
  } cases[] = {
      {"steady", {{0, 1}, {100, 2}}, 250, {{1, 100}, {2, 150}}},
      {"a frame of 1 cs goes into the next",
       {{0, 1}, {100, 2}, {101, 3}},
       300,
       {{1, 100}, {3, 200}}},
      {"the clock's second and the tenth 1 cs apart",
       {{0, 1}, {100, 2}, {101, 3}, {200, 4}, {201, 5}},
       300,
       {{1, 100}, {3, 100}, {5, 100}}},
      {"frames folded until one has lasted 2 cs",
       {{0, 1}, {50, 2}, {51, 3}, {51, 4}, {52, 5}},
       60,
       {{1, 50}, {4, 2}, {5, 8}}},
      {"the last frame shown 0 cs takes 2 from the one before",
       {{0, 1}, {100, 2}},
       100,
       {{1, 98}, {2, 2}}},
      {"the last frame shown 1 cs", {{0, 1}, {100, 2}}, 101, {{1, 99}, {2, 2}}},
      {"too short to share: the last picture takes it all", {{0, 1}, {2, 2}}, 3, {{2, 3}}},
      {"back to the picture before: one frame", {{0, 1}, {100, 2}, {101, 1}}, 200, {{1, 200}}},
      {"starting late counts from the first frame", {{500, 1}, {530, 2}}, 600, {{1, 30}, {2, 70}}},
      {"a delay too long for one field leaves no short tail",
       {{0, 1}, {65536, 2}},
       65546,
       {{1, 65534}, {1, 2}, {2, 10}}},
      {"nothing offered: one black frame", {}, 50, {{0, 2}}},
      {"shorter than 2 cs in all: 2 cs", {{10, 1}}, 11, {{1, 2}}},
  };
  const fs::path file = OwnTempPath("axim7-delays.gif");
  for (const auto& c : cases) {
    TGifRecording recording;
    std::string error;
    ASSERT_TRUE(recording.Start(file.string(), 1, error)) << error;
    for (const auto& [time, id] : c.Offers)
      ASSERT_TRUE(recording.Offer(Filled(id).data(), time, error)) << c.Name;
    ASSERT_TRUE(recording.Finish(c.End, error)) << c.Name << ": " << error;
    const std::vector<TShown> frames = ReadBack(file.string());
    EXPECT_EQ(frames, c.Frames) << c.Name;
    int64_t sum = 0;
    for (const TShown& frame : frames) {
      EXPECT_GE(frame.Delay, 2) << c.Name;
      sum += frame.Delay;
    }
    const int64_t start = c.Offers.empty() ? c.End : c.Offers.front().first;
    if (c.End - start >= 2) {
      EXPECT_EQ(sum, c.End - start) << c.Name;
    }
    EXPECT_EQ(recording.FramesWritten(), static_cast<int>(frames.size())) << c.Name;
  }
}

TEST(GifRecording, InsideAFolderItAppearsOnlyWhenFinished) {
  const fs::path dir = OwnTempPath("axim7-gif-folder");
  fs::remove_all(dir);
  TGifRecording recording;
  std::string error;
  ASSERT_TRUE(recording.Start(TConfinedPath{dir.string(), "out/run.gif"}, 2, error)) << error;
  ASSERT_TRUE(recording.Offer(Filled(1).data(), 0, error));
  EXPECT_TRUE(fs::exists(dir / "out" / PartName("run.gif")));
  EXPECT_FALSE(fs::exists(dir / "out" / "run.gif"));
  ASSERT_TRUE(recording.Finish(40, error)) << error;
  EXPECT_FALSE(fs::exists(dir / "out" / PartName("run.gif")));
  EXPECT_EQ(ReadBack((dir / "out" / "run.gif").string()), (std::vector<TShown>{{1, 40}}));
  fs::remove_all(dir);
}

// A file the user chose: the earlier file stays whole until Finish, so that
// a crash never leaves a GIF without its end.
TEST(GifRecording, AChosenFileIsReplacedOnlyWhenFinished) {
  const fs::path file = OwnTempPath("axim7-chosen.gif");
  std::ofstream(file) << "old";
  TGifRecording recording;
  std::string error;
  ASSERT_TRUE(recording.Start(file.string(), 1, error)) << error;
  ASSERT_TRUE(recording.Offer(Filled(1).data(), 0, error));
  EXPECT_EQ(fs::file_size(file), 3u);
  EXPECT_GT(fs::file_size(file.parent_path() / PartName(file.filename())), 0u);
  ASSERT_TRUE(recording.Finish(40, error)) << error;
  EXPECT_EQ(ReadBack(file.string()), (std::vector<TShown>{{1, 40}}));
}

TEST(GifRecording, WritesChangedFramesWithTheirTimesAndOnlyTheChangedRectangle) {
  const fs::path file = OwnTempPath("axim7-run.gif");
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
