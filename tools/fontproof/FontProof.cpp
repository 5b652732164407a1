// axim7-fontproof OUTDIR: draws every glyph of each font with DrawString into
// display-sized pages, then stacks the pages of a font into one PNG
// (OUTDIR/fontN.png, each pixel 4 x 4, white on black as on the display),
// two pages abreast.
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "graphics/Text.h"
#include "pictures/Pictures.h"

namespace {

constexpr int Scale = 4;

// Display pages of one font, laid out two abreast in the PNG.
struct TSheet {
  std::vector<std::vector<uint8_t>> Pages;

  void AddPage() {
    Pages.emplace_back(FrameBuffer, FrameBuffer + FrameBufferSize);
    ClearFrameBuffer();
  }

  bool Write(const std::string& path, std::string& error) const {
    constexpr int Columns = 2, Gap = 1;
    const int rows = (static_cast<int>(Pages.size()) + Columns - 1) / Columns;
    const int width = (Columns * (ScreenWidth + Gap) - Gap) * Scale;
    const int height = (rows * (ScreenHeight + Gap) - Gap) * Scale;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 96);  // grey gaps
    for (size_t p = 0; p < Pages.size(); ++p) {
      const int left = static_cast<int>(p % Columns) * (ScreenWidth + Gap) * Scale;
      const int top = static_cast<int>(p / Columns) * (ScreenHeight + Gap) * Scale;
      for (int y = 0; y < ScreenHeight * Scale; ++y)
        for (int x = 0; x < ScreenWidth * Scale; ++x) {
          const TRgb c = ColourOf(Pages[p][(y / Scale) * ScreenWidth + x / Scale]);
          uint8_t* out = &rgb[(static_cast<size_t>(top + y) * width + left + x) * 3];
          out[0] = c.R, out[1] = c.G, out[2] = c.B;
        }
    }
    return WritePng(path, width, height, rgb, error);
  }
};

// Sample texts as the screens show them, then the glyphs in code order.
void DrawFont(TSheet& sheet, uint8_t size) {
  const uint8_t* font = SelectFont(size);
  const int first = font[2] | font[3] << 8, last = font[4] | font[5] << 8, height = font[7];
  const bool numeric = last < 'A';
  const char* samples[] = {
      numeric ? "12:34" : "12:34:56 +5.0%",
      numeric ? "-10.5"
              : "OAT -12\xB0"
                "C 14.2V",
      numeric ? "0123456789" : "0123456789",
      numeric ? "+45%" : "MENU Setup Exit",
      numeric ? "1.0/2" : "AaBbGgJjPpQqYy 100%",
  };
  ClearFrameBuffer();
  int y = 1;
  for (const char* s : samples) {
    if (y + height > ScreenHeight) sheet.AddPage(), y = 1;
    DrawString(2, static_cast<int16_t>(y), s, size, AlignLeft, ColourWhite);
    y += height;
  }
  sheet.AddPage();
  int x = 2;
  y = 1;
  for (int code = std::max(first, 32); code <= last; ++code) {
    const char text[2] = {static_cast<char>(code), 0};
    const int width = font[8 + 4 * (code - first) + 1];
    if (x + width > ScreenWidth - 2) x = 2, y += height + 1;
    if (y + height > ScreenHeight) sheet.AddPage(), y = 1;
    // A grey strip under each cell shows its width.
    DrawHLine(static_cast<int16_t>(x), static_cast<int16_t>(x + width - 1),
              static_cast<int16_t>(y + height), ColourGrey);
    x = DrawStringInFont(static_cast<int16_t>(x), static_cast<int16_t>(y), text, font, AlignLeft,
                         ColourWhite) +
        1;
  }
  sheet.AddPage();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  int failed = 0;
  for (uint8_t size : {8, 9, 10, 12, 16, 20, 24, 30, 34}) {
    TSheet sheet;
    DrawFont(sheet, size);
    const std::string path = std::string(argv[1]) + "/font" + std::to_string(size) + ".png";
    std::string error;
    if (sheet.Write(path, error)) {
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "%s\n", error.c_str());
      ++failed;
    }
  }
  return failed ? 1 : 0;
}
