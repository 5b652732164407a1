#include "pictures/Pictures.h"

#include <spng.h>

#include <cstdlib>
#include <memory>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/ConfinedFiles.h"

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "Could not write " + path + ": " + reason + ".";
}

std::vector<uint8_t> DisplayRgb(const uint8_t* frame, int scale) {
  const int width = ScreenWidth * scale, height = ScreenHeight * scale;
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  FrameColours(frame, scale, 3, rgb.data());
  return rgb;
}

bool EncodePng(int width, int height, const std::vector<uint8_t>& rgb, std::vector<uint8_t>& png,
               std::string& reason) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) {
    reason = "the picture's size does not match its pixels";
    return false;
  }
  std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER),
                                                          spng_ctx_free);
  if (!ctx) {
    reason = spng_strerror(SPNG_EMEM);
    return false;
  }
  spng_ihdr header{};
  header.width = static_cast<uint32_t>(width);
  header.height = static_cast<uint32_t>(height);
  header.bit_depth = 8;
  header.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
  int code = spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
  if (code == 0) code = spng_set_ihdr(ctx.get(), &header);
  if (code == 0)
    code = spng_encode_image(ctx.get(), rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
  size_t length = 0;
  void* buffer = code == 0 ? spng_get_png_buffer(ctx.get(), &length, &code) : nullptr;
  if (buffer == nullptr) {
    reason = std::string("the picture could not be encoded: ") + spng_strerror(code);
    return false;
  }
  png.assign(static_cast<uint8_t*>(buffer), static_cast<uint8_t*>(buffer) + length);
  std::free(buffer);
  return true;
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error) {
  std::vector<uint8_t> png;
  std::string reason;
  if (!EncodePng(width, height, rgb, png, reason)) {
    error = WriteFailure(path, reason);
    return false;
  }
  // Written under its part name and renamed; the folder chosen must exist.
  if (WriteConfinedFile(ChosenPath(path), png.data(), png.size(), reason)) return true;
  error = WriteFailure(path, reason);
  return false;
}

bool WriteDisplayPng(const std::string& path, const uint8_t* frame, int scale, std::string& error) {
  if (!ValidPictureScale(scale)) {
    error = WriteFailure(path, "the scale must be 1 to 8");
    return false;
  }
  return WritePng(path, ScreenWidth * scale, ScreenHeight * scale, DisplayRgb(frame, scale), error);
}
