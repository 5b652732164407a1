#include "ScreenPng.h"

#include <vector>

#include "PngWriter.h"
#include "graphics/ColourTable.h"

bool WriteFrameBufferPng(const std::string& path, const uint8_t* frame, int scale) {
  const int width = 160 * scale, height = 120 * scale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const TRgb c = ColourOf(frame[(y / scale) * 160 + x / scale]);
      uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
      p[0] = c.R;
      p[1] = c.G;
      p[2] = c.B;
    }
  return WritePng(path, width, height, rgb);
}
