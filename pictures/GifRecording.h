// A recording of the display as a looping animated GIF, written as it goes.
// The palette is the display's colour table, so every frame is exact; a frame
// is written only when the display changed, holds only the rectangle that
// changed, and carries the time it was shown as its delay. No delay is under
// 2 cs (browsers show those as 10 cs): a frame shown for less is folded into
// its neighbour, so the delays still add up to the time recorded.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "pictures/ConfinedFiles.h"

struct GifFileType;

class TGifRecording {
 public:
  TGifRecording() = default;
  TGifRecording(const TGifRecording&) = delete;
  TGifRecording& operator=(const TGifRecording&) = delete;
  ~TGifRecording();  // finishes an active recording

  // Creates the file (each display pixel a scale x scale block, scale 1..8)
  // in a folder that exists. It is written under its part name (ConfinedFiles.h)
  // and renamed when finished: a crash leaves the final name as it was.
  bool Start(const std::string& path, int scale, std::string& error);
  // The same inside a folder, made when missing.
  bool Start(const TConfinedPath& path, int scale, std::string& error);
  // Offers the frame shown from timeCs (centiseconds on a monotonic clock); a
  // frame equal to the previous one only lengthens that one's delay. The
  // recording's time runs from the first frame offered.
  bool Offer(const uint8_t* frame, int64_t timeCs, std::string& error);
  // Writes the last frame, shown until timeCs, and closes the file.
  bool Finish(int64_t timeCs, std::string& error);
  bool Active() const { return Gif != nullptr; }
  const std::string& Path() const { return FilePath; }
  // Frames written to the file so far.
  int FramesWritten() const { return Frames; }

  // The shortest delay written, in centiseconds.
  static constexpr int64_t ShortestDelay = 2;

 private:
  bool StartIn(const TConfinedPath& path, const std::string& shown, int scale, std::string& error);
  bool Open(int scale, std::string& error);
  bool Emit(const std::vector<uint8_t>& picture, int64_t delayCs);
  bool WriteReady();
  bool WriteImage(int left, int top, int width, int height, int delayCs);
  bool Flush();
  bool Fail(std::string& error);
  static int Output(GifFileType* gif, const uint8_t* bytes, int length);

  GifFileType* Gif = nullptr;
  std::FILE* File = nullptr;
  TPartFile Part;
  int WriteErrno = 0;
  int Scale = 1;
  int Frames = 0;
  std::string FilePath;
  std::vector<uint8_t> Written;  // the picture the file shows so far
  std::vector<uint8_t> Ready;    // shown long enough, its delay still open to a fold
  int64_t ReadyDelay = 0;
  bool HasReady = false;
  std::vector<uint8_t> Pending;  // the frame on display, not yet written
  bool HasPending = false;
  int64_t PendingSince = 0;
  int64_t LastTime = 0;
  std::vector<uint8_t> Line;
};
