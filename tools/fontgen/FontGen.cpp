// axim7-fontgen FONTDIR OUTDIR: rasterises the sans-serif outline fonts in
// FONTDIR into the nine bitmap font tables (OUTDIR/FontN.cpp), fitting every
// glyph to the instrument's cell heights, widths and digit rows.
#include <ft2build.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include FT_MODULE_H
#include FT_DRIVER_H

#include "Glyph.h"
#include "HandDrawn.h"

namespace {

constexpr long Unit = 64;  // 26.6 fixed point

struct TFitter {
  const TFontSize& Size;
  TRaster Raster;
  long YSize = 0, DigitXSize = 0;
  int RefTop = 0;         // ink top of the digits above the baseline
  int WidestCapital = 0;  // the capitals' widest design width
  int Clipped = 0;

  TInk Render(uint32_t u, long x) const { return RenderInk(Raster, u, x, YSize); }

  // Largest horizontal size, at most the nominal one, whose ink is no wider than limit.
  TInk FitWidth(uint32_t u, int limit, long* xSize = nullptr) const {
    long x = YSize;
    TInk ink = Render(u, x);
    while (ink.Width > limit && x > YSize / 3) ink = Render(u, x -= 2);
    if (xSize) *xSize = x;
    return ink;
  }

  // Widest ink no wider than limit, from horizontal sizes at and above the nominal one.
  TInk StretchWidth(uint32_t u, int limit) const {
    TInk best = Render(u, YSize);
    for (long x = YSize + 2; x <= 2 * YSize; x += 2) {
      TInk ink = Render(u, x);
      if (ink.Width > limit) break;
      if (ink.Width > best.Width) best = std::move(ink);
    }
    return best;
  }

  // Width of a glyph's own design: its advance, or its ink if that reaches further.
  static int DesignWidth(const TInk& ink) {
    return std::max(ink.Advance - 1, std::max(ink.Left, 0) + ink.Width);
  }

  // Scores a vertical size: digits exactly InkTop..InkBottom, all the same
  // height, capitals starting on the digits' top row.
  long Score(long ySize, int* refTop) {
    YSize = ySize;
    int top = -1000, bottom = 1000, spread = 0;
    TInk digits[10];
    for (int d = 0; d < 10; ++d) {
      digits[d] = Render('0' + d, ySize);
      top = std::max(top, digits[d].Top);
      bottom = std::min(bottom, digits[d].Top - digits[d].Rows);
    }
    for (const TInk& ink : digits) spread += (top - ink.Top) + (ink.Top - ink.Rows - bottom);
    const int want = Size.InkBottom - Size.InkTop + 1;
    long score = 1000L * std::abs((top - bottom) - want) + 3 * spread;
    if (Size.CapMax > 0)
      for (char c = 'A'; c <= 'Z'; ++c) score += 100L * std::abs(Render(c, ySize).Top - top);
    *refTop = top;
    return score;
  }

  void ChooseSizes() {
    const int want = Size.InkBottom - Size.InkTop + 1;
    long best = -1, bestScore = 0;
    for (long y = want * Unit; y <= want * Unit * 8 / 5; y += 4) {
      int top = 0;
      // Whole pixel sizes hint best; take a fraction only when it fits better.
      const long s = Score(y, &top) + (y % Unit ? 1 : 0);
      if (best < 0 || s < bestScore) best = y, bestScore = s, RefTop = top;
    }
    YSize = best;

    // One horizontal size for all digits, so they keep one design.
    DigitXSize = YSize;
    for (;;) {
      int widest = 0;
      for (int d = 0; d < 10; ++d) widest = std::max(widest, Render('0' + d, DigitXSize).Width);
      if (widest <= Size.Digit - 1 || DigitXSize < YSize / 3) break;
      DigitXSize -= 2;
    }
    if (Size.CapMax > 0)
      for (char c = 'A'; c <= 'Z'; ++c)
        WidestCapital = std::max(WidestCapital, DesignWidth(Render(c, YSize)));
    std::printf("size %d: %.3f px high, digits %.3f px wide, score %ld\n", Size.Size, YSize / 64.0,
                DigitXSize / 64.0, bestScore);
  }

  // Places ink into a cell Width columns wide, at column left, rows from the digits' top.
  // Removes count ink rows from index from on.
  static void DropRows(TInk& ink, int from, int count) {
    from = std::clamp(from, 0, ink.Rows);
    count = std::min(count, ink.Rows - from);
    ink.Pixels.erase(ink.Pixels.begin() + from * ink.Width,
                     ink.Pixels.begin() + (from + count) * ink.Width);
    ink.Rows -= count;
  }

  // Fits ink that is too tall for the cell: a descender loses rows just
  // below the baseline, an accent the rows just above the capital height,
  // and ink wholly below the baseline (the underscore) moves up.
  void FitRows(TInk& ink) const {
    const int bottom = Size.InkTop + (RefTop - ink.Top) + ink.Rows - Size.Height;
    if (bottom > 0) {
      if (ink.Top <= 0)
        ink.Top += bottom;
      else
        DropRows(ink, ink.Top + 1, bottom);
    }
    const int top = -(Size.InkTop + (RefTop - ink.Top));
    if (top > 0) {
      const int capRow = ink.Top - RefTop;
      DropRows(ink, capRow - top, top);
      ink.Top -= top;
    }
  }

  TCellGlyph Place(TInk ink, int width, int left) {
    FitRows(ink);
    TCellGlyph g;
    g.Width = width;
    g.Pixels.assign(static_cast<size_t>(width) * Size.Height, 0);
    const int row0 = Size.InkTop + (RefTop - ink.Top);
    bool clipped = false;
    for (int r = 0; r < ink.Rows; ++r)
      for (int c = 0; c < ink.Width; ++c) {
        if (!ink.Pixels[r * ink.Width + c]) continue;
        const int y = row0 + r, x = left + c;
        if (y < 0 || y >= Size.Height || x < 0 || x >= width) {
          clipped = true;
          continue;
        }
        g.Pixels[y * width + x] = 1;
      }
    Clipped += clipped;
    return g;
  }

  TCellGlyph Centred(const TInk& ink, int width) {
    return Place(ink, width, (width - ink.Width) / 2);
  }

  TCellGlyph Hand(const THandGlyph& hand) {
    TCellGlyph g = Blank(static_cast<int>(std::string(hand.Rows[0]).size()));
    for (size_t r = 0; r < hand.Rows.size(); ++r)
      for (int c = 0; c < g.Width; ++c)
        if (hand.Rows[r][c] == '#') g.Pixels[(Size.InkTop + r) * g.Width + c] = 1;
    return g;
  }

  TCellGlyph Blank(int width) { return Place(TInk{}, width, 0); }

  // Width fixed by the metrics for this code, or 0 when the design decides.
  int FixedWidth(int code) const {
    if (code < 32) return Size.Control;
    if (code >= '0' && code <= '9') return code == '1' ? Size.One : Size.Digit;
    switch (code) {
      case ' ':
      case 160:
        return Size.Space;
      case '.':
        return Size.Dot;
      case ':':
        return Size.Colon;
      case '-':
        return Size.Minus;
      case '%':
        return Size.Percent;
      case '+':
        return Size.Plus;
      case 176:
        return Size.Degree;
    }
    return 0;
  }

  TCellGlyph Glyph(int code) {
    for (const THandGlyph& hand : HandGlyphs)
      if (hand.Size == Size.Size && hand.Code == code) return Hand(hand);
    const uint32_t u = Cp1252ToUnicode(code);
    const int fixed = FixedWidth(code);
    if (u == 0 || u == ' ' || u == 160) return Blank(fixed ? fixed : Size.Space);
    if (code >= '0' && code <= '9') {
      TInk ink = Render(u, DigitXSize);
      if (ink.Width > fixed) ink = FitWidth(u, fixed);
      return Centred(ink, fixed);
    }
    if (fixed) return Centred(FitWidth(u, fixed), fixed);
    TInk ink = Render(u, YSize);
    if (ink.Empty()) return Blank(std::max(1, ink.Advance - 1));
    int width = DesignWidth(ink);
    if (code >= 'A' && code <= 'Z' && Size.CapMax > 0) {
      // The widest capitals span the whole range: stretched sideways, same side bearings.
      if (width == WidestCapital && width < Size.CapMax) {
        const int left = std::max(ink.Left, 0), margins = width - ink.Width;
        return Place(StretchWidth(u, Size.CapMax - margins), Size.CapMax, left);
      }
      const int clamped = std::clamp(width, Size.CapMin, Size.CapMax);
      if (clamped != width) {
        if (ink.Width > clamped) ink = FitWidth(u, clamped);
        return Centred(ink, clamped);
      }
    }
    return Place(ink, width, std::max(ink.Left, 0));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s FONTDIR OUTDIR [--autohint]\n", argv[0]);
    return 2;
  }
  const std::string fontDir = argv[1], outDir = argv[2];
  const bool autoHint = argc > 3 && std::string(argv[3]) == "--autohint";
  std::string regenerate =
      "cmake -S . -B build-fontgen -G Ninja -DAXIM_FONT_GENERATOR=ON && ninja -C build-fontgen "
      "axim7-fontgen && build-fontgen/tools/fontgen/axim7-fontgen " +
      fontDir + " assets/fonts" + (autoHint ? " --autohint" : "");
  FT_Library library;
  if (FT_Init_FreeType(&library) != 0) return 1;
  // The classic full bytecode hinting snaps the stems in both directions,
  // which is what a monochrome raster needs.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
  FT_Property_Set(library, "truetype", "interpreter-version", &interpreter);
  int failures = 0;
  for (const TFontSize& size : FontSizes) {
    FT_Face face;
    const std::string path = fontDir + "/" + size.Face;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
      std::fprintf(stderr, "cannot open %s\n", path.c_str());
      return 1;
    }
    TFitter fitter{size, {face, autoHint, size.Embolden}};
    fitter.ChooseSizes();
    std::vector<TCellGlyph> glyphs;
    for (int code = size.First; code <= size.Last; ++code) glyphs.push_back(fitter.Glyph(code));
    if (fitter.Clipped) std::printf("  %d glyphs clipped to the cell\n", fitter.Clipped);
    const std::string out = outDir + "/Font" + std::to_string(size.Size) + ".cpp";
    if (!WriteFontSource(out, size, BuildFontBlock(size, glyphs), regenerate)) {
      std::fprintf(stderr, "cannot write %s\n", out.c_str());
      ++failures;
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return failures ? 1 : 0;
}
