// One firmware pass on each G-force and sensor setup page, against clearing
// the frame buffer once: a pass should cost under 30 clears.
#include <benchmark/benchmark.h>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"
#include "menus/Menus.h"

namespace {

void Baseline(benchmark::State& state) {
  for (auto _ : state) {
    ClearFrameBuffer();
    benchmark::DoNotOptimize(FrameBuffer);
  }
}
BENCHMARK(Baseline);

// Powers on with live inputs and makes the page current with a selection.
void StartOn(TPageHandler page, uint8_t selection) {
  PowerOn();
  CalibrateSwitch = 1;
  VoltsInput = 1500;
  CurrentInput = 2100;
  OatInput = 2400;
  WriteAxisInput(0, 3);
  WriteAxisInput(1, -4);
  WriteAxisInput(2, -296);
  PageHandler = page;
  ResetMenuState(selection);
  KeySlot = KeyNone;
}

void Pass(benchmark::State& state, TPageHandler page, uint8_t selection) {
  StartOn(page, selection);
  for (auto _ : state) {
    RunFirmwarePass();
    benchmark::DoNotOptimize(FrameBuffer);
  }
}

// The rest of the pass (conversions, clock, clear) under a page that draws
// nothing.
void EmptyPage() { KeySlot = KeyNone; }
BENCHMARK_CAPTURE(Pass, EmptyPage, EmptyPage, 0);

// The furniture every setup page draws: title bar and soft keys.
void FurniturePage() {
  DrawTitleBar("G-FORCE", "SETUP");
  DrawSoftKeys(2);
  KeySlot = KeyNone;
}
BENCHMARK_CAPTURE(Pass, FurnitureOnly, FurniturePage, 0);
BENCHMARK_CAPTURE(Pass, GForceSetup, GForceSetupPage, 6);
BENCHMARK_CAPTURE(Pass, CalWarning, CalWarningPage, 0);
BENCHMARK_CAPTURE(Pass, CalAxis, CalAxisPage, 7);
BENCHMARK_CAPTURE(Pass, CalStep, CalStepPage, 0);
BENCHMARK_CAPTURE(Pass, VoltsSetup, VoltsSetupPage, 8);
BENCHMARK_CAPTURE(Pass, CurrentSetup, CurrentSetupPage, 8);
BENCHMARK_CAPTURE(Pass, ZeroCurrent, ZeroCurrentPage, 0);
BENCHMARK_CAPTURE(Pass, OatSetup, OatSetupPage, 8);
BENCHMARK_CAPTURE(Pass, SlipSetup, SlipSetupPage, 2);
BENCHMARK_CAPTURE(Pass, ZeroSlip, ZeroSlipPage, 0);

}  // namespace
