#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"

namespace test {
namespace {

const std::string Header = "P5\n160 120\n255\n";
constexpr int PictureScale = 4;

bool ReadPgm(const std::string& path, std::vector<uint8_t>& pixels) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::vector<char> head(Header.size());
  const bool ok = std::fread(head.data(), 1, head.size(), file) == head.size() &&
                  std::string(head.begin(), head.end()) == Header &&
                  std::fread(pixels.data(), 1, pixels.size(), file) == pixels.size();
  std::fclose(file);
  return ok;
}

bool WritePgm(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(Header.data(), 1, Header.size(), file) == Header.size() &&
                  std::fwrite(FrameBuffer, 1, FrameBufferSize, file) == FrameBufferSize;
  return std::fclose(file) == 0 && ok;
}

// The reference dimmed to a third, every differing pixel magenta.
bool WriteDiffPng(const std::string& path, const std::vector<uint8_t>& reference) {
  const int width = ScreenWidth * PictureScale, height = ScreenHeight * PictureScale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int i = y / PictureScale * ScreenWidth + x / PictureScale;
      const TRgb c = ColourOf(reference[i]);
      const bool differs = reference[i] != FrameBuffer[i];
      uint8_t* out = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      out[0] = differs ? 255 : static_cast<uint8_t>(c.R / 3);
      out[1] = differs ? 0 : static_cast<uint8_t>(c.G / 3);
      out[2] = differs ? 255 : static_cast<uint8_t>(c.B / 3);
    }
  std::string error;
  return WritePng(path, width, height, rgb, error);
}

bool UpdateMode() {
  const char* update = std::getenv("AXIM_UPDATE_GOLDEN");
  return update != nullptr && update[0] == '1';
}

}  // namespace

void ExpectGolden(const char* name) {
  const std::string reference = std::string(AXIM_GOLDEN_DIR) + "/" + name + ".pgm";
  std::vector<uint8_t> expected(FrameBufferSize);
  if (!ReadPgm(reference, expected)) {
    if (UpdateMode() && WritePgm(reference))
      ADD_FAILURE() << "reference " << reference << " was missing and has been written; check it";
    else
      ADD_FAILURE() << "missing golden reference " << reference;
    return;
  }
  int differing = 0, first = -1;
  for (int i = 0; i < FrameBufferSize; ++i)
    if (expected[i] != FrameBuffer[i]) {
      if (first < 0) first = i;
      ++differing;
    }
  if (differing == 0) return;

  const std::filesystem::path outDir = AXIM_GOLDEN_OUT;
  std::error_code error;
  std::filesystem::create_directories(outDir, error);
  const std::string base = (outDir / name).string();
  std::string pictureError;
  const bool written =
      WritePgm(base + ".actual.pgm") &&
      WriteDisplayPng(base + ".actual.png", FrameBuffer, PictureScale, pictureError) &&
      WriteDiffPng(base + ".diff.png", expected);
  std::string note = written ? "; actual and diff in " + base + ".actual.png and .diff.png"
                             : "; could not write the pictures to " + outDir.string();
  if (UpdateMode())
    note += WritePgm(reference) ? "; reference rewritten, check it"
                                : "; could not rewrite " + reference;
  ADD_FAILURE() << name << ": " << differing << " pixels differ, first at (" << first % ScreenWidth
                << ", " << first / ScreenWidth << ")" << note;
}

}  // namespace test
