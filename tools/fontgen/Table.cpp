// The font block layout and its C++ source form.
#include <cstdio>

#include "Glyph.h"

std::vector<uint8_t> BuildFontBlock(const TFontSize& size, const std::vector<TCellGlyph>& glyphs) {
  const int count = size.Last - size.First + 1;
  std::vector<uint8_t> block = {0,
                                0,
                                static_cast<uint8_t>(size.First),
                                static_cast<uint8_t>(size.First >> 8),
                                static_cast<uint8_t>(size.Last),
                                static_cast<uint8_t>(size.Last >> 8),
                                static_cast<uint8_t>(size.Spare),
                                static_cast<uint8_t>(size.Height)};
  block.resize(8 + 4 * count);
  for (int i = 0; i < count; ++i) {
    const TCellGlyph& g = glyphs[i];
    const size_t offset = block.size();
    uint8_t* entry = &block[8 + 4 * i];
    entry[0] = static_cast<uint8_t>(offset >> 16);
    entry[1] = static_cast<uint8_t>(g.Width);
    entry[2] = static_cast<uint8_t>(offset);
    entry[3] = static_cast<uint8_t>(offset >> 8);
    const int rowBytes = (g.Width + 7) / 8;
    for (int r = 0; r < size.Height; ++r)
      for (int b = 0; b < rowBytes; ++b) {
        uint8_t byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
          const int c = 8 * b + bit;
          if (c < g.Width && g.Pixels[r * g.Width + c]) byte |= 0x80 >> bit;
        }
        block.push_back(byte);
      }
  }
  return block;
}

bool WriteFontSource(const std::string& path, const TFontSize& size,
                     const std::vector<uint8_t>& block, const std::string& regenerate) {
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return false;
  std::fprintf(f, "// Generated: %s\n", regenerate.c_str());
  std::fprintf(f, "// Size-%d font, codes %d..%d, cells %d rows high; do not edit by hand.\n",
               size.Size, size.First, size.Last, size.Height);
  std::fprintf(f,
               "// clang-format off\n#include \"assets/fonts/FontBlocks.h\"\n#include "
               "\"graphics/Text.h\"\n\n");
  std::fprintf(f, "const uint8_t Font%d[%zu] = {\n", size.Size, block.size());
  for (size_t i = 0; i < block.size(); i += 16) {
    std::fprintf(f, " ");
    for (size_t j = i; j < block.size() && j < i + 16; ++j) std::fprintf(f, " 0x%02X,", block[j]);
    std::fprintf(f, "\n");
  }
  std::fprintf(f, "};\nconst uint32_t Font%dBytes = sizeof(Font%d);\n", size.Size, size.Size);
  return std::fclose(f) == 0;
}
