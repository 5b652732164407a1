// One firmware pass on each menu page, against clearing the frame buffer.
#include <benchmark/benchmark.h>

#include <ctime>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

std::time_t FixedClock() { return 1773483630; }

void PowerOnFixed() {
  HostClock = FixedClock;
  PowerOn();
  VoltsInput = 2500;
  CurrentInput = 2048;
  OatInput = 1234;
}

void ClearBaseline(benchmark::State& state) {
  for (auto _ : state) {
    ClearFrameBuffer();
    benchmark::DoNotOptimize(FrameBuffer);
  }
}
BENCHMARK(ClearBaseline);

// A pass on a page held in place: no key arrives, so it stays current.
void PagePass(benchmark::State& state, TPageHandler page, uint8_t selection) {
  PowerOnFixed();
  Settings.BacklightMode = state.range(0) == 1 ? 1 : Settings.BacklightMode;
  PageHandler = page;
  MenuState.Selection = selection;
  for (auto _ : state) {
    RunFirmwarePass();
    benchmark::DoNotOptimize(FrameBuffer);
  }
  if (PageHandler != page) state.SkipWithError("the page did not stay current");
}

// Draws nothing: what the pass costs besides the page itself.
void EmptyPage() {}

}  // namespace

BENCHMARK_CAPTURE(PagePass, EmptyPage, EmptyPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, MainMenu, MainMenuPage, 4)->Arg(0);
BENCHMARK_CAPTURE(PagePass, MiscSetup, MiscSetupPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, AdcValues, AdcValuesPage, 7)->Arg(0);
BENCHMARK_CAPTURE(PagePass, FlightTimerSetup, FlightTimerSetupPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, FlightLogView, FlightLogViewPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, EraseLogConfirm, EraseLogConfirmPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, TimeSetup, TimeSetupPage, 6)->Arg(0);
BENCHMARK_CAPTURE(PagePass, SetUtcTime, SetUtcTimePage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, BacklightManual, BacklightPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, BacklightAuto, BacklightPage, 1)->Arg(1);
BENCHMARK_CAPTURE(PagePass, SecuritySetup, SecuritySetupPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, VerifyCode, VerifyCodePage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, NewCode, NewCodePage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, ConfirmCode, ConfirmCodePage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, Info, InfoPage, 0)->Arg(0);
BENCHMARK_CAPTURE(PagePass, LoadDefaultsConfirm, LoadDefaultsConfirmPage, 0)->Arg(0);
