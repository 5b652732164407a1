// The same passes timed natively and in WebAssembly (node): the eight home
// views and the main menu in a live state, each pass converting, drawing and
// running the page as the window's loop does. Prints nanoseconds per pass.
// Plain timing without a benchmark library, so that one source builds for
// both; the figures script compares the two. Each pass's frame is read
// back (a byte of it, a different one each pass, summed and printed): a
// closed program that never reads the frame would have its drawing removed
// by link-time optimisation and time nothing.
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "bench/LiveInstrument.h"
#include "core/Core.h"
#include "graphics/FrameBuffer.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"
#include "menus/Menus.h"
#include "pages/Pages.h"

namespace {

uint32_t Seen = 0;  // what the passes drew, printed at the end

double NanosecondsPerPass(int passes) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < passes; ++i) {
    RunFirmwarePass();
    Seen += FrameBuffer[(static_cast<uint32_t>(i) * 7919u) % FrameBufferSize];
  }
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::nano>(end - start).count() / passes;
}

}  // namespace

int main() {
  constexpr int Passes = 3000;
  double total = 0;
  int screens = 0;
  for (uint8_t view = 0; view < 8; ++view) {
    PowerOnLive();
    Settings.HomeView = view;
    NanosecondsPerPass(200);  // warm
    const double ns = NanosecondsPerPass(Passes);
    std::printf("home view %d: %.0f ns\n", view, ns);
    total += ns;
    ++screens;
  }
  PowerOnLive();
  PageHandler = MainMenuPage;
  ResetMenuState(0);
  NanosecondsPerPass(200);
  const double menu = NanosecondsPerPass(Passes);
  std::printf("main menu: %.0f ns\n", menu);
  total += menu;
  ++screens;
  std::printf("mean: %.0f ns per pass\n", total / screens);
  std::printf("frames read: %u\n", static_cast<unsigned>(Seen));
  return 0;
}
