// Glyphs drawn by hand where the rasteriser cannot meet a narrow width
// cleanly. Rows start on the digits' top ink row; '#' is ink.
#pragma once
#include <vector>

struct THandGlyph {
  int Size;
  int Code;
  std::vector<const char*> Rows;
};

inline const THandGlyph HandGlyphs[] = {
    // The outline's percent squeezed to 10 columns lets the rings touch the bar.
    {8,
     '%',
     {".##....#..", "#..#...#..", "#..#..#...", ".##...#...", ".....#....", "....#.....",
      "...#...##.", "...#..#..#", "..#...#..#", "..#....##."}},
};
