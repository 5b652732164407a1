// The texts the display shows, as the last pass drew them, in UTF-8: what
// `shows` checks and `print` lists, and what the inspector and the page's
// screen readers are given.
#pragma once
#include <string>
#include <vector>

struct TDisplayText {
  std::string Text;  // without the spaces around it
  int X = 0;         // the left edge of its first character cell
  int Y = 0;         // the top row of its character cells
  int Height = 0;    // the cell height: it covers rows Y .. Y + Height - 1
  bool Cut = false;  // longer than the firmware keeps: only its start is here
};

// In the order drawn; texts of spaces only are left out.
std::vector<TDisplayText> DisplayTexts();
// Whether the display shows text: one drawn text, or texts drawn one after
// the other written with one space between them ("CODE ERROR"); with a
// row (>= 0), one of them covers that row.
bool DisplayShows(const std::string& text, int row);
// "\"CODE\" at (90, 45), ..." cut short near longest characters ("..., and
// 12 more"); "nothing" for an empty display; texts the firmware had no room
// for are counted.
std::string DisplayTextList(size_t longest = 2000);
