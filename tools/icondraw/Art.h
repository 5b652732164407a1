// The instrument's icons, drawn on 50 x 50 canvases.
#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace icondraw {

struct TIconArt {
  std::string Name;     // array name in the firmware
  std::string File;     // source file name in assets/icons
  std::string Comment;  // what the picture shows
  TCanvas Canvas;
};

// All icons: the message icons, the calibration marks, then the main-menu
// entries in menu order.
std::vector<TIconArt> DrawAllIcons();

}  // namespace icondraw
