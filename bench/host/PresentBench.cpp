// Presenting the display: a full frame of 19 200 lit pixels drawn as points
// into the panel, in frames per second. Needs an X display:
//   xvfb-run -a -s "-screen 0 1280x1024x24" bench/host/PresentBench
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "graphics/FrameBuffer.h"
#include "host/DisplayPanel.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"

namespace {

// Every pixel lit, in colours from all over the table.
void FillLitFrame() {
  for (int i = 0; i < FrameBufferSize; ++i) FrameBuffer[i] = static_cast<uint8_t>(1 + i % 245);
}

void BM_PresentFullFrame(benchmark::State& state) {
  FillLitFrame();
  for (auto _ : state) {
    frmMain->Display->DrawFrame();
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PresentFullFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PresentAndSwapFullFrame(benchmark::State& state) {
  FillLitFrame();
  for (auto _ : state) {
    frmMain->Display->DrawFrame();
    frmMain->Display->SwapBuffers();
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PresentAndSwapFullFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PresentBlackFrame(benchmark::State& state) {
  ClearFrameBuffer();
  for (auto _ : state) {
    frmMain->Display->DrawFrame();
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PresentBlackFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// An ordinary screen: the home page's first view just after power-on.
void BM_PresentHomeView(benchmark::State& state) {
  PowerOn();
  RunFirmwarePass();
  for (auto _ : state) {
    frmMain->Display->DrawFrame();
    glFinish();
  }
  state.counters["fps"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PresentHomeView)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "PresentBench needs an X display; run it under xvfb-run\n");
    return 0;
  }
  QApplication app(argc, argv);
  frmMain = new TfrmMain;
  frmMain->show();
  if (!QTest::qWaitForWindowExposed(frmMain)) return 1;
  QTest::qWait(100);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete frmMain;
  return 0;
}
