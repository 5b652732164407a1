// The size of a one-minute GIF recording of the running stopwatch view, at
// 1x and 4x: the "bytes" counter. Each frame holds only the changed
// rectangle, so the size follows what changes, not the picture's area.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "pictures/GifRecording.h"
#include "host/RunLoop.h"
#include "support/Instrument.h"

namespace {

// Home, stopwatch view, started, with ordinary readings (no alarm waits for a key).
void ShowRunningStopwatch() {
  test::PowerOnAt();
  test::SetInputs(1445, 2568, 2426);
  test::Pass(4);
  while (Settings.HomeView != 2) test::Press(KeyKnobPlus);
  test::Press(KeyLeft);
}

void BM_OneMinuteOfStopwatch(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  const std::string path =
      (std::filesystem::temp_directory_path() / "axim7-bench-stopwatch.gif").string();
  uintmax_t bytes = 0;
  for (auto _ : state) {
    ShowRunningStopwatch();
    TGifRecording recording;
    std::string error;
    if (!recording.Start(path, scale, error)) state.SkipWithError(error.c_str());
    // Six passes to a 100 ms tick, as the window runs them at 60 frames a second.
    for (int tick = 0; tick < 600; ++tick) {
      if (tick % 10 == 0) test::SetClock(test::DefaultUtc + tick / 10);
      test::Tick();
      for (int pass = 0; pass < 6; ++pass) {
        test::Pass();
        recording.Offer(FrameBuffer, tick * 10 + pass * 10 / 6, error);
      }
    }
    if (!recording.Finish(6000, error)) state.SkipWithError(error.c_str());
    bytes = std::filesystem::file_size(path);
  }
  std::remove(path.c_str());
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OneMinuteOfStopwatch)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
