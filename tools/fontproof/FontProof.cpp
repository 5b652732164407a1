// axim7-fontproof OUTDIR: draws every glyph of each font with DrawString into
// display-sized pages, then stacks the pages of a font into one PNG
// (OUTDIR/fontN.png, each pixel 4 x 4, white on black as on the display).
#include <cstdio>
#include <string>
#include <vector>

#include "PngWriter.h"
#include "graphics/FrameBuffer.h"
#include "graphics/Text.h"
#include "host/ColourTable.h"

namespace {

constexpr int Scale = 4;

struct TSheet {
  std::vector<uint8_t> Rgb;
  int Rows = 0;

  void AddPage() {
    const int width = ScreenWidth * Scale;
    for (int y = 0; y < ScreenHeight * Scale; ++y)
      for (int x = 0; x < width; ++x) {
        const TRgb c = ColourOf(FrameBuffer[(y / Scale) * ScreenWidth + x / Scale]);
        Rgb.insert(Rgb.end(), {c.R, c.G, c.B});
      }
    for (int y = 0; y < Scale; ++y)  // a grey line between pages
      for (int x = 0; x < width; ++x) Rgb.insert(Rgb.end(), {96, 96, 96});
    Rows += (ScreenHeight + 1) * Scale;
    ClearFrameBuffer();
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
    if (WritePng(path, ScreenWidth * Scale, sheet.Rows, sheet.Rgb))
      std::printf("%s\n", path.c_str());
    else
      ++failed;
  }
  return failed ? 1 : 0;
}
