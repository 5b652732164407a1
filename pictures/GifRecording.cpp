#include "pictures/GifRecording.h"

#include <gif_lib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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
  return StartIn(ChosenPath(path), path, scale, error);
}

bool TGifRecording::Start(const TConfinedPath& path, int scale, std::string& error) {
  return StartIn(path, path.Full(), scale, error);
}

bool TGifRecording::StartIn(const TConfinedPath& path, const std::string& shown, int scale,
                            std::string& error) {
  if (Active()) {
    error = "A recording to " + FilePath + " is already running.";
    return false;
  }
  std::string reason;
  if (!ValidPictureScale(scale)) reason = "the scale must be 1 to 8";
  if (!reason.empty() || !Part.Create(path, reason)) {
    error = WriteFailure(shown, reason);
    return false;
  }
  File = Part.File();
  FilePath = shown;
  return Open(scale, error);
}

bool TGifRecording::Open(int scale, std::string& error) {
  Scale = scale;
  Frames = 0;
  WriteErrno = 0;
  HasPending = HasReady = false;
  LastTime = 0;
  Written.assign(FrameBufferSize, 0);
  Pending.assign(FrameBufferSize, 0);
  Line.resize(static_cast<size_t>(ScreenWidth) * scale);
  int code = 0;
  Gif = EGifOpen(this, &TGifRecording::Output, &code);
  if (Gif == nullptr) {
    Part.Discard();
    File = nullptr;
    error = WriteFailure(FilePath, GifErrorString(code));
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
  // A frame shown for less than the shortest delay is never written: the
  // next one takes its place from the time it appeared.
  if (timeCs - PendingSince >= ShortestDelay) {
    if (!Emit(Pending, timeCs - PendingSince)) return Fail(error);
    PendingSince = timeCs;
  }
  Pending.assign(frame, frame + FrameBufferSize);
  return true;
}

bool TGifRecording::Finish(int64_t timeCs, std::string& error) {
  if (!Active()) return true;
  const int64_t shown = HasPending ? std::max<int64_t>(0, timeCs - PendingSince) : 0;
  bool ok = true;
  if (shown >= ShortestDelay || !HasReady) {
    // An empty recording, or one shorter than the shortest delay, still
    // holds one frame of that delay.
    ok = Emit(Pending, std::max(shown, ShortestDelay));
  } else if (Pending == Ready) {
    ReadyDelay += shown;
  } else if (ReadyDelay + shown >= 2 * ShortestDelay) {
    // The last picture is kept for the shortest delay, taken from the one before.
    ReadyDelay -= ShortestDelay - shown;
    ok = Emit(Pending, ShortestDelay);
  } else {
    // Too short to share: the last picture takes the whole time.
    Ready = Pending;
    ReadyDelay += shown;
  }
  if (!ok || !WriteReady()) return Fail(error);
  int code = 0;
  const bool closed = EGifCloseFile(Gif, &code) == GIF_OK;
  Gif = nullptr;
  ok = Flush() && closed;
  std::string reason;
  if (ok && WriteErrno == 0 && !Part.Commit(reason) && WriteErrno == 0) WriteErrno = EIO;
  Part.Discard();
  ok = ok && WriteErrno == 0;
  const int failure = WriteErrno;
  File = nullptr;
  HasPending = HasReady = false;
  if (ok) return true;
  if (reason.empty()) reason = failure != 0 ? std::strerror(failure) : GifErrorString(code);
  error = WriteFailure(FilePath, reason) + " The unfinished recording was removed.";
  return false;
}

// A picture shown for delayCs: held back until the next one, so that a
// short last frame can still take from its delay.
bool TGifRecording::Emit(const std::vector<uint8_t>& picture, int64_t delayCs) {
  if (HasReady && picture == Ready) {
    ReadyDelay += delayCs;
    return true;
  }
  if (!WriteReady()) return false;
  Ready = picture;
  ReadyDelay = delayCs;
  HasReady = true;
  return true;
}

bool TGifRecording::WriteReady() {
  if (!HasReady) return true;
  HasReady = false;
  TRect rect = ChangedRect(Written, Ready);
  if (Frames == 0) rect = {0, 0, ScreenWidth, ScreenHeight};
  // Nothing changed: one pixel as it was.
  if (rect.Width == 0) rect = {0, 0, 1, 1};
  Written = Ready;
  // Longer than a delay field holds: unchanged one-pixel frames carry the
  // rest, none of them shorter than the shortest delay.
  int64_t left = ReadyDelay;
  bool ok = true;
  for (bool first = true; ok && left > 0; first = false) {
    const int64_t delay = left > LongestDelay ? std::min(LongestDelay, left - ShortestDelay) : left;
    ok = first ? WriteImage(rect.Left, rect.Top, rect.Width, rect.Height, static_cast<int>(delay))
               : WriteImage(0, 0, 1, 1, static_cast<int>(delay));
    left -= delay;
  }
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
  Part.Discard();
  File = nullptr;
  HasPending = HasReady = false;
  error = WriteFailure(FilePath, reason) + " The unfinished recording was removed.";
  return false;
}
