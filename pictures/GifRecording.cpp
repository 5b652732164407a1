#include "pictures/GifRecording.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "graphics/ColourTable.h"
#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"

namespace {

constexpr int PaletteSize = 256;          // the colour table, padded with black
constexpr int64_t LongestDelay = 0xFFFF;  // a frame's delay field holds 16 bits

struct TRect {
  int Left, Top, Width, Height;
};

// The smallest rectangle holding every pixel that differs; empty when none does.
TRect ChangedRect(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
  int left = ScreenWidth, right = -1, top = ScreenHeight, bottom = -1;
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (before[y * ScreenWidth + x] != after[y * ScreenWidth + x]) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return {0, 0, 0, 0};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

TGifRecording::~TGifRecording() {
  std::string ignored;
  if (Active()) Finish(LastTime, ignored);
}

int TGifRecording::Output(GifFileType* gif, const uint8_t* bytes, int length) {
  auto* self = static_cast<TGifRecording*>(gif->UserData);
  if (self->WriteErrno != 0) return 0;  // nothing more after a failed write
  errno = 0;
  const size_t written = std::fwrite(bytes, 1, static_cast<size_t>(length), self->File);
  if (written != static_cast<size_t>(length) && self->WriteErrno == 0)
    self->WriteErrno = errno != 0 ? errno : EIO;
  return static_cast<int>(written);
}

bool TGifRecording::Start(const std::string& path, int scale, std::string& error) {
  if (Active()) {
    error = "A recording to " + FilePath + " is already running.";
    return false;
  }
  if (scale < 1 || scale > 8) {
    error = WriteFailure(path, "the scale must be 1 to 8");
    return false;
  }
  File = std::fopen(path.c_str(), "wb");
  if (File == nullptr) {
    error = WriteFailure(path, std::strerror(errno));
    return false;
  }
  FilePath = path;
  Scale = scale;
  Frames = 0;
  WriteErrno = 0;
  HasPending = false;
  LastTime = 0;
  Written.assign(FrameBufferSize, 0);
  Pending.assign(FrameBufferSize, 0);
  Line.resize(static_cast<size_t>(ScreenWidth) * scale);
  int code = 0;
  Gif = EGifOpen(this, &TGifRecording::Output, &code);
  if (Gif == nullptr) {
    std::fclose(File);
    File = nullptr;
    RemoveUnfinished();
    error = WriteFailure(path, GifErrorString(code));
    return false;
  }
  EGifSetGifVersion(Gif, true);

  GifColorType colours[PaletteSize] = {};
  for (int i = 0; i < ColourTableSize; ++i)
    colours[i] = {ColourTable[i].R, ColourTable[i].G, ColourTable[i].B};
  ColorMapObject* palette = GifMakeMapObject(PaletteSize, colours);
  bool ok = palette != nullptr && EGifPutScreenDesc(Gif, ScreenWidth * scale, ScreenHeight * scale,
                                                    8, 0, palette) == GIF_OK;
  GifFreeMapObject(palette);
  // Loops for ever.
  static const GifByteType loop[3] = {1, 0, 0};
  ok = ok && EGifPutExtensionLeader(Gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
       EGifPutExtensionBlock(Gif, 11, "NETSCAPE2.0") == GIF_OK &&
       EGifPutExtensionBlock(Gif, 3, loop) == GIF_OK && EGifPutExtensionTrailer(Gif) == GIF_OK;
  return (ok && Flush()) || Fail(error);
}

bool TGifRecording::Offer(const uint8_t* frame, int64_t timeCs, std::string& error) {
  if (!Active()) {
    error = "No recording is running.";
    return false;
  }
  LastTime = std::max(LastTime, timeCs);
  if (!HasPending) {
    Pending.assign(frame, frame + FrameBufferSize);
    PendingSince = timeCs;
    HasPending = true;
    return true;
  }
  if (std::equal(Pending.begin(), Pending.end(), frame)) return true;
  // A frame replaced within the same centisecond was never really seen.
  if (timeCs > PendingSince && !WriteFrame(timeCs - PendingSince)) return Fail(error);
  Pending.assign(frame, frame + FrameBufferSize);
  PendingSince = std::max(PendingSince, timeCs);
  return true;
}

bool TGifRecording::Finish(int64_t timeCs, std::string& error) {
  if (!Active()) return true;
  // An empty recording still holds one (black) frame.
  if (!WriteFrame(HasPending ? std::max<int64_t>(1, timeCs - PendingSince) : 1)) return Fail(error);
  int code = 0;
  const bool closed = EGifCloseFile(Gif, &code) == GIF_OK;
  Gif = nullptr;
  bool ok = Flush() && closed;
  errno = 0;
  if (std::fclose(File) != 0 && WriteErrno == 0) WriteErrno = errno != 0 ? errno : EIO;
  ok = ok && WriteErrno == 0;
  const int reason = WriteErrno;
  File = nullptr;
  HasPending = false;
  if (ok) return true;
  RemoveUnfinished();
  error = WriteFailure(FilePath, reason != 0 ? std::strerror(reason) : GifErrorString(code)) +
          " The unfinished recording was removed.";
  return false;
}

bool TGifRecording::WriteFrame(int64_t delayCs) {
  TRect rect = ChangedRect(Written, Pending);
  if (Frames == 0) rect = {0, 0, ScreenWidth, ScreenHeight};
  // Nothing changed (a frame came back within a centisecond): one pixel as it was.
  if (rect.Width == 0) rect = {0, 0, 1, 1};
  Written = Pending;
  int64_t left = delayCs;
  bool ok = WriteImage(rect.Left, rect.Top, rect.Width, rect.Height,
                       static_cast<int>(std::min(left, LongestDelay)));
  // Longer than a delay field holds: unchanged one-pixel frames carry the rest.
  for (left -= LongestDelay; ok && left > 0; left -= LongestDelay)
    ok = WriteImage(0, 0, 1, 1, static_cast<int>(std::min(left, LongestDelay)));
  return ok && Flush();
}

bool TGifRecording::Flush() {
  errno = 0;
  if (std::fflush(File) != 0 && WriteErrno == 0) WriteErrno = errno != 0 ? errno : EIO;
  return WriteErrno == 0;
}

bool TGifRecording::WriteImage(int left, int top, int width, int height, int delayCs) {
  GraphicsControlBlock control{DISPOSE_DO_NOT, false, delayCs, NO_TRANSPARENT_COLOR};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(Gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK) return false;
  if (EGifPutImageDesc(Gif, left * Scale, top * Scale, width * Scale, height * Scale, false,
                       nullptr) != GIF_OK)
    return false;
  for (int y = top * Scale; y < (top + height) * Scale; ++y) {
    const uint8_t* row = &Written[(y / Scale) * ScreenWidth];
    for (int x = 0; x < width * Scale; ++x) Line[x] = row[left + x / Scale];
    if (EGifPutLine(Gif, Line.data(), width * Scale) != GIF_OK) return false;
  }
  ++Frames;
  return true;
}

// Only a file this recording made goes, never a device or pipe written to.
void TGifRecording::RemoveUnfinished() {
  std::error_code ignored;
  if (std::filesystem::is_regular_file(FilePath, ignored))
    std::filesystem::remove(FilePath, ignored);
}

bool TGifRecording::Fail(std::string& error) {
  const std::string reason = WriteErrno != 0 ? std::strerror(WriteErrno)
                                             : (Gif != nullptr ? GifErrorString(Gif->Error)
                                                               : "the file could not be written");
  if (Gif != nullptr) {
    int ignored = 0;
    if (WriteErrno == 0) WriteErrno = EIO;  // no more bytes after a failure
    EGifCloseFile(Gif, &ignored);
    Gif = nullptr;
  }
  if (File != nullptr) std::fclose(File);
  File = nullptr;
  HasPending = false;
  RemoveUnfinished();
  error = WriteFailure(FilePath, reason) + " The unfinished recording was removed.";
  return false;
}
