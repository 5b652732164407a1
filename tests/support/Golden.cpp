#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/FrameBuffer.h"

namespace test {
namespace {

const std::string Header = "P5\n160 120\n255\n";

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

void WritePgm(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(Header.data(), 1, Header.size(), file);
  std::fwrite(FrameBuffer, 1, FrameBufferSize, file);
  std::fclose(file);
}

}  // namespace

void ExpectGolden(const char* name) {
  const std::string base = std::string(AXIM_GOLDEN_DIR) + "/" + name;
  std::vector<uint8_t> reference(FrameBufferSize);
  if (!ReadPgm(base + ".pgm", reference)) {
    const char* update = std::getenv("AXIM_UPDATE_GOLDEN");
    if (update && update[0] == '1') {
      WritePgm(base + ".pgm");
      ADD_FAILURE() << "reference " << name << " was missing and has been written; check it";
    } else {
      ADD_FAILURE() << "missing golden reference " << base << ".pgm";
    }
    return;
  }
  int differing = 0, first = -1;
  for (uint16_t i = 0; i < FrameBufferSize; ++i)
    if (reference[i] != FrameBuffer[i]) {
      if (first < 0) first = i;
      ++differing;
    }
  if (differing) {
    WritePgm(base + ".actual.pgm");
    ADD_FAILURE() << name << ": " << differing << " pixels differ, first at (" << first % 160
                  << ", " << first / 160 << "); actual screen in " << base << ".actual.pgm";
  }
}

}  // namespace test
