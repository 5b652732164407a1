// icondraw: draws the instrument's icons and writes their readable sources
// (one character a pixel) and PNG renders.
//
//   icondraw SOURCE_DIR [RENDER_DIR]
//
// writes SOURCE_DIR/<Name>.icon for every icon and, with RENDER_DIR, an 8x
// PNG of each and a contact sheet of all of them.
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "Art.h"
#include "graphics/ColourTable.h"
#include "pictures/Pictures.h"

namespace {

using icondraw::TCanvas;
using icondraw::TIconArt;

// Characters of the sources, one per colour the icons use.
const std::map<uint8_t, char> Legend = {
    {0, '.'},  {3, 'o'},  {7, 'k'},  {8, 'l'},  {9, 'R'},  {10, 'G'},
    {11, 'Y'}, {12, 'B'}, {13, 'M'}, {14, 'C'}, {15, 'W'}, {229, 'g'},
};

bool WriteSource(const std::string& path, const TIconArt& art) {
  std::map<uint8_t, bool> used;
  for (auto& row : art.Canvas.Pixels)
    for (uint8_t p : row) used[p] = true;
  std::ofstream out(path);
  out << "# " << art.Name << ": " << art.Comment << ".\n";
  out << "# Drawn by tools/icondraw; packed into the firmware by tools/iconpack.\n";
  out << "icon " << art.Name << " " << TCanvas::Size << " " << TCanvas::Size << "\n";
  for (const auto& [index, symbol] : Legend)
    if (used.count(index)) out << "colour " << symbol << " " << int(index) << "\n";
  out << "pixels\n";
  for (auto& row : art.Canvas.Pixels) {
    for (uint8_t p : row) {
      if (!Legend.count(p)) {
        std::cerr << "icondraw: " << art.Name << " uses colour " << int(p)
                  << " with no character\n";
        return false;
      }
      out << Legend.at(p);
    }
    out << "\n";
  }
  return static_cast<bool>(out);
}

// Draws a canvas into an RGB picture at (left, top), each pixel scale x scale.
void Blit(std::vector<uint8_t>& rgb, int width, const TCanvas& canvas, int left, int top,
          int scale) {
  for (int y = 0; y < TCanvas::Size * scale; ++y)
    for (int x = 0; x < TCanvas::Size * scale; ++x) {
      const TRgb c = ColourOf(canvas.Pixels[y / scale][x / scale]);
      uint8_t* p = &rgb[(static_cast<size_t>(top + y) * width + left + x) * 3];
      p[0] = c.R, p[1] = c.G, p[2] = c.B;
    }
}

bool WriteRenders(const std::string& dir, const std::vector<TIconArt>& icons, std::string& error) {
  const int scale = 8, side = TCanvas::Size * scale;
  for (const TIconArt& art : icons) {
    std::vector<uint8_t> rgb(side * side * 3);
    Blit(rgb, side, art.Canvas, 0, 0, scale);
    const std::string file = art.File.substr(0, art.File.find('.')) + ".png";
    if (!WritePng(dir + "/" + file, side, side, rgb, error)) return false;
  }
  // Contact sheet: 4x, five a row, on a dark blue-grey ground that shows the
  // black square of each icon.
  const int sheetScale = 4, cell = TCanvas::Size * sheetScale, gap = 12, columns = 5;
  const int rows = (static_cast<int>(icons.size()) + columns - 1) / columns;
  const int width = columns * (cell + gap) + gap, height = rows * (cell + gap) + gap;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); i += 3) rgb[i] = 0x30, rgb[i + 1] = 0x38, rgb[i + 2] = 0x48;
  for (size_t i = 0; i < icons.size(); ++i)
    Blit(rgb, width, icons[i].Canvas, gap + static_cast<int>(i % columns) * (cell + gap),
         gap + static_cast<int>(i / columns) * (cell + gap), sheetScale);
  return WritePng(dir + "/ContactSheet.png", width, height, rgb, error);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: icondraw SOURCE_DIR [RENDER_DIR]\n";
    return 2;
  }
  const std::vector<TIconArt> icons = icondraw::DrawAllIcons();
  for (const TIconArt& art : icons)
    if (!WriteSource(std::string(argv[1]) + "/" + art.File, art)) return 1;
  std::string error;
  if (argc > 2 && !WriteRenders(argv[2], icons, error)) {
    std::cerr << "icondraw: " << error << "\n";
    return 1;
  }
  std::cout << "icondraw: " << icons.size() << " icons written\n";
  return 0;
}
