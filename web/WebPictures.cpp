// Pictures of the display for the page, by the project's pictures library:
// a PNG at 1x to 8x, and a GIF recording with the desktop's rules (the colour
// table as palette, changed rectangles only, true delays, looping). The files
// are written to the module's file system in memory, where the page takes
// them as downloads or for the clipboard.
#include <emscripten/emscripten.h>

#include <string>

#include "graphics/ColourTable.h"
#include "pictures/GifRecording.h"
#include "pictures/Pictures.h"
#include "web/WebInstrument.h"

namespace {

// The files the page takes.
constexpr char PngPath[] = "/display.png";
constexpr char GifPath[] = "/recording.gif";

std::string Error;
TGifRecording Recording;

bool Remember(bool ok, const std::string& error) {
  Error = ok ? "" : error;
  return ok;
}

}  // namespace

extern "C" {

// Writes the shown display as /display.png, each pixel scale x scale.
EMSCRIPTEN_KEEPALIVE int axim_save_png(int scale) {
  std::string error;
  if (!ValidPictureScale(scale)) return Remember(false, "The scale must be 1 to 8.");
  return Remember(WriteDisplayPng(PngPath, ShownFrame(), scale, error), error);
}

// Starts a recording into /recording.gif; the shown frame is its first.
EMSCRIPTEN_KEEPALIVE int axim_record_start(int scale, double timeCs) {
  std::string error;
  if (Recording.Active()) Recording.Finish(static_cast<int64_t>(timeCs), error);
  if (!Recording.Start(GifPath, scale, error)) return Remember(false, error);
  return Remember(Recording.Offer(ShownFrame(), static_cast<int64_t>(timeCs), error), error);
}

// The shown frame at a moment of a monotonic clock in centiseconds; an
// unchanged frame only lengthens the last one.
EMSCRIPTEN_KEEPALIVE int axim_record_offer(double timeCs) {
  std::string error;
  if (!Recording.Active()) return 1;
  return Remember(Recording.Offer(ShownFrame(), static_cast<int64_t>(timeCs), error), error);
}

// Ends the recording; returns the number of frames written, 0 on failure.
EMSCRIPTEN_KEEPALIVE int axim_record_finish(double timeCs) {
  std::string error;
  if (!Recording.Active()) return Remember(false, "No recording is running."), 0;
  const bool ok = Recording.Finish(static_cast<int64_t>(timeCs), error);
  Remember(ok, error);
  return ok ? Recording.FramesWritten() : 0;
}

EMSCRIPTEN_KEEPALIVE int axim_recording() { return Recording.Active() ? 1 : 0; }

// The sentence of the last failure, empty after a success.
EMSCRIPTEN_KEEPALIVE const char* axim_picture_error() { return Error.c_str(); }

}  // extern "C"
