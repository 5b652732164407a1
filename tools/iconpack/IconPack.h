// Icon sources and the run-length packed picture format.
//
// A source is a text file:
//
//   # comment lines
//   icon IconName 50 50        (array name, width, height)
//   colour W 15                (one line per character: the colour index it stands for)
//   pixels
//   ....WWWW....               (height rows of exactly width characters, top row first)
//
// A packed picture is u16 width, u16 height (little-endian), then every row
// from the top as packets: a control byte with bit 7 set is a run of
// (control & 127) copies of the next byte; with bit 7 clear, value n, it is
// followed by n literal bytes. Packets never cross a row's end and never have
// a count of 0.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace iconpack {

struct TIconSource {
  std::string Name;
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;  // Width * Height colour indices, row-major
};

constexpr int MaxPacket = 127;

// Reads a source; on failure returns false and sets error to a message that
// starts with label (the file) and names the row at fault.
inline bool ParseIconSource(const std::string& label, std::istream& in, TIconSource& icon,
                            std::string& error) {
  auto fail = [&](int lineNo, const std::string& what) {
    error = label + ":" + std::to_string(lineNo) + ": " + what;
    return false;
  };
  icon = TIconSource{};
  std::map<char, int> palette;
  std::string line;
  int lineNo = 0;
  bool inPixels = false;
  int row = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!inPixels) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream words(line);
      std::string keyword;
      words >> keyword;
      if (keyword == "icon") {
        if (!(words >> icon.Name >> icon.Width >> icon.Height) || icon.Width < 1 ||
            icon.Height < 1 || icon.Width > 4096 || icon.Height > 4096)
          return fail(lineNo, "expected 'icon NAME WIDTH HEIGHT'");
      } else if (keyword == "colour") {
        std::string symbol;
        int index = -1;
        if (!(words >> symbol >> index) || symbol.size() != 1 || index < 0 || index > 255)
          return fail(lineNo, "expected 'colour CHARACTER INDEX' with an index 0..255");
        if (palette.count(symbol[0]))
          return fail(lineNo, "character '" + symbol + "' is given two colours");
        palette[symbol[0]] = index;
      } else if (keyword == "pixels") {
        if (icon.Name.empty()) return fail(lineNo, "'pixels' before the 'icon' line");
        inPixels = true;
      } else {
        return fail(lineNo, "unknown keyword '" + keyword + "'");
      }
      continue;
    }
    ++row;
    const std::string rowLabel = icon.Name + " row " + std::to_string(row);
    if (row > icon.Height)
      return fail(lineNo, rowLabel + ": more than " + std::to_string(icon.Height) + " rows");
    if (static_cast<int>(line.size()) != icon.Width)
      return fail(lineNo, rowLabel + ": " + std::to_string(line.size()) + " pixels, expected " +
                              std::to_string(icon.Width));
    for (size_t column = 0; column < line.size(); ++column) {
      const auto found = palette.find(line[column]);
      if (found == palette.end())
        return fail(lineNo, rowLabel + ", column " + std::to_string(column + 1) +
                                ": unknown character '" + std::string(1, line[column]) + "'");
      icon.Pixels.push_back(static_cast<uint8_t>(found->second));
    }
  }
  if (!inPixels) return fail(lineNo, "no 'pixels' section");
  if (row < icon.Height)
    return fail(lineNo, icon.Name + " row " + std::to_string(row + 1) + ": missing (" +
                            std::to_string(row) + " rows, expected " + std::to_string(icon.Height) +
                            ")");
  return true;
}

// Packs one row as compactly as the format allows: cost[i] is the fewest
// bytes for the first i pixels, ending in either a run or a literal packet.
inline void PackRow(const uint8_t* pixels, int width, std::vector<uint8_t>& out) {
  std::vector<int> cost(width + 1, 0), length(width + 1, 0);
  std::vector<bool> isRun(width + 1, false);
  for (int i = 1; i <= width; ++i) {
    cost[i] = 1 << 30;
    for (int n = 1; n <= MaxPacket && n <= i; ++n) {
      const int literal = cost[i - n] + 1 + n;
      if (literal < cost[i]) cost[i] = literal, length[i] = n, isRun[i] = false;
    }
    for (int n = 1; n <= MaxPacket && n <= i && pixels[i - n] == pixels[i - 1]; ++n) {
      const int run = cost[i - n] + 2;
      if (run < cost[i]) cost[i] = run, length[i] = n, isRun[i] = true;
    }
  }
  std::vector<uint8_t> packets;
  for (int i = width; i > 0; i -= length[i]) {
    const int start = i - length[i];
    std::vector<uint8_t> packet;
    if (isRun[i]) {
      packet = {static_cast<uint8_t>(0x80 | length[i]), pixels[start]};
    } else {
      packet.push_back(static_cast<uint8_t>(length[i]));
      packet.insert(packet.end(), pixels + start, pixels + i);
    }
    packets.insert(packets.begin(), packet.begin(), packet.end());
  }
  out.insert(out.end(), packets.begin(), packets.end());
}

inline std::vector<uint8_t> PackIcon(const TIconSource& icon) {
  std::vector<uint8_t> out = {
      static_cast<uint8_t>(icon.Width & 0xFF), static_cast<uint8_t>(icon.Width >> 8),
      static_cast<uint8_t>(icon.Height & 0xFF), static_cast<uint8_t>(icon.Height >> 8)};
  for (int y = 0; y < icon.Height; ++y) PackRow(&icon.Pixels[y * icon.Width], icon.Width, out);
  return out;
}

// Decodes a packed picture strictly; returns false (with a reason) when a
// packet is empty, crosses a row's end or the data ends early. size is the
// number of bytes available, and on success the number of bytes used.
inline bool UnpackIcon(const uint8_t* data, size_t& size, int& width, int& height,
                       std::vector<uint8_t>& pixels, std::string& error) {
  if (size < 4) return error = "no header", false;
  width = data[0] | data[1] << 8;
  height = data[2] | data[3] << 8;
  pixels.clear();
  size_t at = 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width;) {
      if (at >= size) return error = "data ends in row " + std::to_string(y), false;
      const uint8_t control = data[at++];
      const int count = control & 0x7F;
      if (count == 0) return error = "empty packet in row " + std::to_string(y), false;
      if (x + count > width)
        return error = "packet crosses the end of row " + std::to_string(y), false;
      const bool run = control & 0x80;
      if (at + (run ? 1 : count) > size)
        return error = "data ends in row " + std::to_string(y), false;
      for (int n = 0; n < count; ++n) pixels.push_back(run ? data[at] : data[at + n]);
      at += run ? 1 : count;
      x += count;
    }
  }
  size = at;
  return true;
}

}  // namespace iconpack
