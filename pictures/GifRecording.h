// A recording of the display as a looping animated GIF, written as it goes.
// The palette is the display's colour table, so every frame is exact; a frame
// is written only when the display changed, holds only the rectangle that
// changed, and carries the time it was shown as its delay.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct GifFileType;

class TGifRecording {
 public:
  TGifRecording() = default;
  TGifRecording(const TGifRecording&) = delete;
  TGifRecording& operator=(const TGifRecording&) = delete;
  ~TGifRecording();  // finishes an active recording

  // Creates the file (each display pixel a scale x scale block, scale 1..8).
  bool Start(const std::string& path, int scale, std::string& error);
  // Offers the frame shown from timeCs (centiseconds on a monotonic clock); a
  // frame equal to the previous one only lengthens that one's delay.
  bool Offer(const uint8_t* frame, int64_t timeCs, std::string& error);
  // Writes the last frame, shown until timeCs, and closes the file.
  bool Finish(int64_t timeCs, std::string& error);
  bool Active() const { return Gif != nullptr; }
  const std::string& Path() const { return FilePath; }
  // Frames written to the file so far.
  int FramesWritten() const { return Frames; }

 private:
  bool WriteFrame(int64_t delayCs);
  bool WriteImage(int left, int top, int width, int height, int delayCs);
  bool Flush();
  bool Fail(std::string& error);
  void RemoveUnfinished();
  static int Output(GifFileType* gif, const uint8_t* bytes, int length);

  GifFileType* Gif = nullptr;
  std::FILE* File = nullptr;
  int WriteErrno = 0;
  int Scale = 1;
  int Frames = 0;
  std::string FilePath;
  std::vector<uint8_t> Written;  // the picture the file shows so far
  std::vector<uint8_t> Pending;  // the frame on display, not yet written
  bool HasPending = false;
  int64_t PendingSince = 0;
  int64_t LastTime = 0;
  std::vector<uint8_t> Line;
};
