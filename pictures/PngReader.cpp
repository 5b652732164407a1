#include "pictures/PngReader.h"

#include <spng.h>

#include <cstring>
#include <memory>

#include "pictures/ConfinedFiles.h"

namespace {

using TContext = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

// A decoder for the bytes with the project's limits on size and chunks.
TContext Decoder(const uint8_t* data, size_t size, std::string& error) {
  static const uint8_t Signature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  if (size < sizeof Signature || std::memcmp(data, Signature, sizeof Signature) != 0) {
    error = "it is not a PNG file";
    return TContext(nullptr, spng_ctx_free);
  }
  TContext ctx(spng_ctx_new(0), spng_ctx_free);
  int code = ctx ? 0 : SPNG_EMEM;
  if (code == 0) code = spng_set_image_limits(ctx.get(), LargestPngSide, LargestPngSide);
  if (code == 0) code = spng_set_chunk_limits(ctx.get(), LargestPngFile, LargestPngFile);
  if (code == 0) code = spng_set_png_buffer(ctx.get(), data, size);
  if (code != 0) {
    error = spng_strerror(code);
    return TContext(nullptr, spng_ctx_free);
  }
  return ctx;
}

bool Header(spng_ctx* ctx, spng_ihdr& header, std::string& error) {
  const int code = spng_get_ihdr(ctx, &header);
  if (code == 0) return true;
  error = code == SPNG_ESIGNATURE ? std::string("it is not a PNG file")
                                  : std::string("its header is not valid: ") + spng_strerror(code);
  return false;
}

}  // namespace

bool PngSize(const uint8_t* data, size_t size, int& width, int& height, std::string& error) {
  TContext ctx = Decoder(data, size, error);
  spng_ihdr header{};
  if (!ctx || !Header(ctx.get(), header, error)) return false;
  width = static_cast<int>(header.width);
  height = static_cast<int>(header.height);
  return true;
}

bool DecodePng(const uint8_t* data, size_t size, TPngImage& image, std::string& error) {
  TContext ctx = Decoder(data, size, error);
  spng_ihdr header{};
  if (!ctx || !Header(ctx.get(), header, error)) return false;
  size_t length = 0;
  int code = spng_decoded_image_size(ctx.get(), SPNG_FMT_RGB8, &length);
  std::vector<uint8_t> rgb;
  if (code == 0) {
    rgb.resize(length);
    code = spng_decode_image(ctx.get(), rgb.data(), rgb.size(), SPNG_FMT_RGB8, 0);
  }
  // The chunks after the picture, up to IEND: a file cut short is refused.
  if (code == 0) code = spng_decode_chunks(ctx.get());
  if (code != 0) {
    error = std::string("its picture data is damaged: ") + spng_strerror(code);
    return false;
  }
  image.Width = static_cast<int>(header.width);
  image.Height = static_cast<int>(header.height);
  image.Rgb = std::move(rgb);
  return true;
}

bool ReadPng(const std::string& path, TPngImage& image, std::string& error) {
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadRegularFile(path, LargestPngFile, bytes, reason) ||
      !DecodePng(bytes.data(), bytes.size(), image, reason)) {
    error = "Cannot read " + path + ": " + reason + ".";
    return false;
  }
  return true;
}
