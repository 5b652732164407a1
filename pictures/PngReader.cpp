#include "pictures/PngReader.h"

#include <zlib.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// Pictures larger than this are not display screens at any scale we write.
constexpr uint32_t LargestSide = 4096;

uint32_t BE32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = p > a ? p - a : a - p, pb = p > b ? p - b : b - p, pc = p > c ? p - c : c - p;
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Undoes the per-row filters in place; rows are 1 filter byte + stride bytes.
bool Unfilter(std::vector<uint8_t>& raw, uint32_t height, size_t stride, int bpp,
              std::string& error) {
  std::vector<uint8_t> previous(stride, 0);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = raw.data() + y * (stride + 1);
    const uint8_t filter = row[0];
    uint8_t* px = row + 1;
    for (size_t i = 0; i < stride; ++i) {
      const int a = i >= static_cast<size_t>(bpp) ? px[i - bpp] : 0;
      const int b = previous[i];
      const int c = i >= static_cast<size_t>(bpp) ? previous[i - bpp] : 0;
      int add = 0;
      switch (filter) {
        case 0:
          break;
        case 1:
          add = a;
          break;
        case 2:
          add = b;
          break;
        case 3:
          add = (a + b) / 2;
          break;
        case 4:
          add = Paeth(a, b, c);
          break;
        default:
          error = "row " + std::to_string(y) + " has an unknown filter " + std::to_string(filter);
          return false;
      }
      px[i] = static_cast<uint8_t>(px[i] + add);
    }
    std::memcpy(previous.data(), px, stride);
  }
  return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, TPngImage& image, std::string& error) {
  static const uint8_t Signature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  if (size < 8 || std::memcmp(data, Signature, 8) != 0) {
    error = "it is not a PNG file";
    return false;
  }
  uint32_t width = 0, height = 0;
  int channels = 0;
  bool header = false, end = false;
  std::vector<uint8_t> compressed;
  size_t at = 8;
  while (!end) {
    if (size - at < 12) {
      error = "the file ends inside a chunk";
      return false;
    }
    const uint32_t length = BE32(data + at);
    const uint8_t* type = data + at + 4;
    if (length > size - at - 12) {
      error = "the file ends inside a chunk";
      return false;
    }
    const uint8_t* body = data + at + 8;
    if (BE32(body + length) != crc32(0, type, length + 4)) {
      error = "a chunk's checksum is wrong";
      return false;
    }
    if (std::memcmp(type, "IHDR", 4) == 0 && length == 13) {
      width = BE32(body);
      height = BE32(body + 4);
      const uint8_t depth = body[8], colour = body[9], interlace = body[12];
      if (depth != 8 || (colour != 2 && colour != 6) || interlace != 0) {
        error = "only 8-bit RGB and RGBA pictures without interlacing are read";
        return false;
      }
      if (width == 0 || height == 0 || width > LargestSide || height > LargestSide) {
        error = "its size " + std::to_string(width) + " x " + std::to_string(height) +
                " is not that of a screen";
        return false;
      }
      channels = colour == 2 ? 3 : 4;
      header = true;
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      compressed.insert(compressed.end(), body, body + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      end = true;
    }
    at += 12 + length;
  }
  if (!header) {
    error = "it has no IHDR header";
    return false;
  }
  const size_t stride = size_t{width} * channels;
  std::vector<uint8_t> raw(height * (stride + 1));
  uLongf rawSize = raw.size();
  if (uncompress(raw.data(), &rawSize, compressed.data(), compressed.size()) != Z_OK ||
      rawSize != raw.size()) {
    error = "its picture data is damaged";
    return false;
  }
  if (!Unfilter(raw, height, stride, channels, error)) return false;
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.Rgb.resize(size_t{width} * height * 3);
  uint8_t* out = image.Rgb.data();
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* px = raw.data() + y * (stride + 1) + 1;
    for (uint32_t x = 0; x < width; ++x, px += channels) {
      *out++ = px[0];
      *out++ = px[1];
      *out++ = px[2];
    }
  }
  return true;
}

bool ReadPng(const std::string& path, TPngImage& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "Cannot read " + path + ": no such file or no permission.";
    return false;
  }
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  std::string reason;
  if (!DecodePng(bytes.data(), bytes.size(), image, reason)) {
    error = "Cannot read " + path + ": " + reason + ".";
    return false;
  }
  return true;
}
