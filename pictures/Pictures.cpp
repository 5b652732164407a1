#include "pictures/Pictures.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"

namespace {

void PutBE32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
  PutBE32(out, static_cast<uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutBE32(out, static_cast<uint32_t>(
                   crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

}  // namespace

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "Could not write " + path + ": " + reason + ".";
}

std::vector<uint8_t> DisplayRgb(const uint8_t* frame, int scale) {
  const int width = ScreenWidth * scale, height = ScreenHeight * scale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  uint8_t* out = rgb.data();
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = frame + (y / scale) * ScreenWidth;
    for (int x = 0; x < width; ++x) {
      const TRgb c = ColourOf(row[x / scale]);
      *out++ = c.R;
      *out++ = c.G;
      *out++ = c.B;
    }
  }
  return rgb;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) {
    error = WriteFailure(path, "the picture's size does not match its pixels");
    return false;
  }
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * (static_cast<size_t>(width) * 3 + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    const auto row = rgb.begin() + static_cast<long>(y) * width * 3;
    raw.insert(raw.end(), row, row + width * 3);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> z(packedSize);
  if (compress2(z.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
    error = WriteFailure(path, "the picture could not be compressed");
    return false;
  }
  z.resize(packedSize);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBE32(header, static_cast<uint32_t>(width));
  PutBE32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", z);
  PutChunk(png, "IEND", {});

  return WriteWholeFile(path, png.data(), png.size(), error);
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size, std::string& error) {
  std::error_code status;
  if (std::filesystem::exists(path, status) && !std::filesystem::is_regular_file(path, status)) {
    error = WriteFailure(path, "it is not a regular file");
    return false;
  }
  // Written beside the target and renamed over it only when complete.
  const std::string part = path + ".part";
  FILE* file = std::fopen(part.c_str(), "wb");
  if (file == nullptr) {
    error = WriteFailure(path, std::strerror(errno));
    return false;
  }
  errno = 0;
  bool ok = std::fwrite(data, 1, size, file) == size;
  ok = std::fflush(file) == 0 && ok;
  int reason = errno;
  if (std::fclose(file) != 0 && ok) ok = false, reason = errno;
  if (ok && std::rename(part.c_str(), path.c_str()) != 0) ok = false, reason = errno;
  if (!ok) {
    std::remove(part.c_str());
    error = WriteFailure(path, reason != 0 ? std::strerror(reason) : "the file was cut short");
  }
  return ok;
}

bool WriteDisplayPng(const std::string& path, const uint8_t* frame, int scale, std::string& error) {
  if (scale < 1 || scale > 8) {
    error = WriteFailure(path, "the scale must be 1 to 8");
    return false;
  }
  return WritePng(path, ScreenWidth * scale, ScreenHeight * scale, DisplayRgb(frame, scale), error);
}
