// PNG files in and out: every kind of PNG an ordinary tool writes reads back
// as the same RGB pixels; damaged and oversized ones are refused.
#include <gtest/gtest.h>
#include <spng.h>
#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/ConfinedFiles.h"
#include "pictures/Pictures.h"
#include "pictures/PngReader.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

// A PNG of the given kind made with libspng itself; samples as libspng takes
// them (16-bit in the host's byte order, sub-byte depths packed).
std::vector<uint8_t> MakePng(uint32_t width, uint32_t height, uint8_t colourType, uint8_t depth,
                             bool interlaced, const std::vector<uint8_t>& samples,
                             const std::vector<std::array<uint8_t, 3>>& palette = {}) {
  std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER),
                                                          spng_ctx_free);
  spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
  spng_ihdr header{width, height, depth, colourType, 0, 0, static_cast<uint8_t>(interlaced)};
  EXPECT_EQ(spng_set_ihdr(ctx.get(), &header), 0);
  if (!palette.empty()) {
    spng_plte plte{};
    plte.n_entries = static_cast<uint32_t>(palette.size());
    for (size_t i = 0; i < palette.size(); ++i)
      plte.entries[i] = {palette[i][0], palette[i][1], palette[i][2], 255};
    EXPECT_EQ(spng_set_plte(ctx.get(), &plte), 0);
  }
  EXPECT_EQ(spng_encode_image(ctx.get(), samples.data(), samples.size(), SPNG_FMT_PNG,
                              SPNG_ENCODE_FINALIZE),
            0);
  size_t length = 0;
  int error = 0;
  auto* buffer = static_cast<uint8_t*>(spng_get_png_buffer(ctx.get(), &length, &error));
  std::vector<uint8_t> png(buffer, buffer + length);
  std::free(buffer);
  return png;
}

struct TKind {
  const char* Name;
  uint8_t ColourType;
  uint8_t Depth;
  bool Interlaced;
};

// 13 x 7 pixels (odd, so every interlace pass is partial); pixel p's value v
// = p * 37 mod 256, written in the kind's own samples, and the RGB it means.
void Samples(const TKind& kind, std::vector<uint8_t>& samples, std::vector<uint8_t>& rgb,
             std::vector<std::array<uint8_t, 3>>& palette) {
  constexpr int W = 13, H = 7;
  samples.clear(), rgb.clear(), palette.clear();
  for (int i = 0; i < 256; ++i)
    palette.push_back(
        {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7)});
  const bool wide = kind.Depth == 16;
  const auto put = [&](uint8_t v) {
    if (wide) samples.push_back(static_cast<uint8_t>(v ^ 0x5A));  // low byte: dropped
    samples.push_back(v);
  };
  for (int p = 0; p < W * H; ++p) {
    const auto v = static_cast<uint8_t>(p * 37);
    switch (kind.ColourType) {
      case SPNG_COLOR_TYPE_GRAYSCALE:
        if (kind.Depth == 1) {
          // Packed 8 to a byte within each row.
          const int x = p % W;
          if (x % 8 == 0) samples.push_back(0);
          const bool on = (p / 3) % 2 == 1;
          samples.back() |= static_cast<uint8_t>(on << (7 - x % 8));
          rgb.insert(rgb.end(), 3, on ? 255 : 0);
        } else {
          put(v);
          rgb.insert(rgb.end(), 3, v);
        }
        break;
      case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA:
        put(v), put(static_cast<uint8_t>(255 - v));
        rgb.insert(rgb.end(), 3, v);
        break;
      case SPNG_COLOR_TYPE_TRUECOLOR:
      case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA:
        put(v), put(static_cast<uint8_t>(v + 85)), put(static_cast<uint8_t>(v + 170));
        if (kind.ColourType == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA) put(static_cast<uint8_t>(p));
        rgb.insert(rgb.end(), {v, static_cast<uint8_t>(v + 85), static_cast<uint8_t>(v + 170)});
        break;
      case SPNG_COLOR_TYPE_INDEXED:
        samples.push_back(v);
        rgb.insert(rgb.end(), palette[v].begin(), palette[v].end());
        break;
    }
  }
  if (kind.ColourType != SPNG_COLOR_TYPE_INDEXED) palette.clear();
}

const TKind Kinds[] = {
    {"grey 8-bit", SPNG_COLOR_TYPE_GRAYSCALE, 8, false},
    {"grey 1-bit", SPNG_COLOR_TYPE_GRAYSCALE, 1, false},
    {"grey 16-bit", SPNG_COLOR_TYPE_GRAYSCALE, 16, false},
    {"grey with alpha", SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 8, false},
    {"grey with alpha 16-bit", SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 16, false},
    {"palette", SPNG_COLOR_TYPE_INDEXED, 8, false},
    {"palette interlaced", SPNG_COLOR_TYPE_INDEXED, 8, true},
    {"RGB", SPNG_COLOR_TYPE_TRUECOLOR, 8, false},
    {"RGB 16-bit", SPNG_COLOR_TYPE_TRUECOLOR, 16, false},
    {"RGB interlaced", SPNG_COLOR_TYPE_TRUECOLOR, 8, true},
    {"RGBA", SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 8, false},
    {"RGBA 16-bit interlaced", SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16, true},
};

TEST(Png, EveryKindReadsAsItsRgbPixels) {
  for (const TKind& kind : Kinds) {
    std::vector<uint8_t> samples, rgb;
    std::vector<std::array<uint8_t, 3>> palette;
    Samples(kind, samples, rgb, palette);
    const std::vector<uint8_t> png =
        MakePng(13, 7, kind.ColourType, kind.Depth, kind.Interlaced, samples, palette);
    TPngImage image;
    std::string error;
    ASSERT_TRUE(DecodePng(png.data(), png.size(), image, error)) << kind.Name << ": " << error;
    EXPECT_EQ(image.Width, 13) << kind.Name;
    EXPECT_EQ(image.Height, 7) << kind.Name;
    EXPECT_EQ(image.Rgb, rgb) << kind.Name;
    int w = 0, h = 0;
    EXPECT_TRUE(PngSize(png.data(), png.size(), w, h, error) && w == 13 && h == 7) << kind.Name;
  }
}

TEST(Png, WrittenDisplayReadsBackExactlyAtEveryScale) {
  std::vector<uint8_t> frame(FrameBufferSize);
  for (size_t i = 0; i < frame.size(); ++i)
    frame[i] = static_cast<uint8_t>(i * 7 % ColourTableSize);
  const fs::path file = OwnTempPath("axim7-display.png");
  for (int scale : {1, 3, 8}) {
    std::string error;
    ASSERT_TRUE(WriteDisplayPng(file.string(), frame.data(), scale, error)) << error;
    TPngImage image;
    ASSERT_TRUE(ReadPng(file.string(), image, error)) << error;
    EXPECT_EQ(image.Width, 160 * scale);
    EXPECT_EQ(image.Height, 120 * scale);
    EXPECT_EQ(image.Rgb, DisplayRgb(frame.data(), scale)) << "scale " << scale;
  }
  EXPECT_FALSE(fs::exists(file.parent_path() / PartName(file.filename().string())));
  std::string error;
  EXPECT_FALSE(WriteDisplayPng(file.string(), frame.data(), 9, error));
  EXPECT_EQ(error, "Could not write " + file.string() + ": the scale must be 1 to 8.");
}

// A file the user chose is written through the confined writer: its folder
// must exist and no link under its name is followed.
TEST(Png, AChosenFileThatCannotBeWrittenIsNamed) {
  const fs::path dir = OwnTempPath("axim7-png-chosen");
  fs::remove_all(dir);
  fs::create_directories(dir / "folder.png");
  std::ofstream(dir / "victim") << "precious";
  fs::create_symlink(dir / "victim", dir / "link.png");
  const struct {
    std::string Path;
    std::string Reason;
  } cases[] = {
      {(dir / "none" / "a.png").string(),
       "the folder " + (dir / "none").string() + " does not exist"},
      {(dir / "link.png").string(), "it is a symbolic link, not a regular file"},
      {(dir / "folder.png").string(), "it is a folder, not a regular file"},
      {dir.string() + "/", "it is a folder, not a regular file"},
  };
  const std::vector<uint8_t> frame(FrameBufferSize, 0);
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(WriteDisplayPng(c.Path, frame.data(), 1, error));
    EXPECT_EQ(error, "Could not write " + c.Path + ": " + c.Reason + ".");
  }
  EXPECT_EQ(fs::file_size(dir / "victim"), 8u);
  fs::remove_all(dir);
}

TEST(Png, DamagedOrOversizedPicturesAreRefusedWithTheirReason) {
  const std::vector<uint8_t> good =
      MakePng(4, 2, SPNG_COLOR_TYPE_TRUECOLOR, 8, false, std::vector<uint8_t>(4 * 2 * 3, 200));
  std::vector<uint8_t> badCrc = good;
  badCrc[29] ^= 1;  // inside IHDR's checksum
  std::vector<uint8_t> badData = good;
  badData[good.size() - 20] ^= 0xFF;  // inside the compressed pixels
  const std::vector<uint8_t> huge =
      MakePng(4097, 1, SPNG_COLOR_TYPE_GRAYSCALE, 8, false, std::vector<uint8_t>(4097, 0));
  const struct {
    const char* Name;
    std::vector<uint8_t> Bytes;
    const char* Error;
  } cases[] = {
      {"empty", {}, "it is not a PNG file"},
      {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, "it is not a PNG file"},
      {"signature only", {good.begin(), good.begin() + 8}, "its header is not valid"},
      {"cut in the header", {good.begin(), good.begin() + 20}, "its header is not valid"},
      {"header checksum", badCrc, "its picture data is damaged: invalid chunk checksum"},
      {"pixels damaged", badData, "its picture data is damaged"},
      {"cut in the pixels", {good.begin(), good.end() - 16}, "its picture data is damaged"},
      {"wider than 4096", huge, "its header is not valid"},
  };
  for (const auto& c : cases) {
    TPngImage image;
    std::string error;
    EXPECT_FALSE(DecodePng(c.Bytes.data(), c.Bytes.size(), image, error)) << c.Name;
    EXPECT_EQ(error.rfind(c.Error, 0), 0u) << c.Name << ": " << error;
    EXPECT_TRUE(image.Rgb.empty()) << c.Name;
  }
}

TEST(Png, ReadsOnlyRegularFilesOfBoundedSize) {
  const fs::path dir = OwnTempPath("axim7-png-files");
  fs::remove_all(dir);
  fs::create_directories(dir / "folder");
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  std::ofstream(dir / "large").close();
  fs::resize_file(dir / "large", LargestPngFile + 1);
  const struct {
    std::string Path;
    const char* Reason;
  } cases[] = {
      {(dir / "folder").string(), "it is a folder, not a regular file"},
      {(dir / "fifo").string(), "it is a FIFO, not a regular file"},
      {"/dev/zero", "it is a device, not a regular file"},
      {(dir / "large").string(), "it is larger than 16 MiB"},
      {(dir / "none").string(), "No such file or directory"},
  };
  for (const auto& c : cases) {
    TPngImage image;
    std::string error;
    EXPECT_FALSE(ReadPng(c.Path, image, error));
    EXPECT_EQ(error, "Cannot read " + c.Path + ": " + c.Reason + ".");
  }
  fs::remove_all(dir);
}

}  // namespace
