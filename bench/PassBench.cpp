// One firmware pass (conversions, clock, clear, page) on every page of the
// instrument, in a live state: inputs set, some alarms and marks on, lists
// selected in the middle. A guard that shows a page grown slow, with the
// clear every pass starts with as the yardstick.
#include <benchmark/benchmark.h>

#include "bench/LiveInstrument.h"
#include "core/Core.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"
#include "menus/Menus.h"
#include "pages/Pages.h"

namespace {

// Volts above the high alarm, OAT in caution, blink phase on.
void MarkAlarms() {
  VoltsInput = 1648;
  OatInput = 2716;
  RunFirmwarePass();
  BlinkPhase = 1;
}

void BM_ClearFrameBuffer(benchmark::State& state) {
  for (auto _ : state) {
    ClearFrameBuffer();
    benchmark::DoNotOptimize(FrameBuffer);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearFrameBuffer);

// A pass on a page held in place: no key arrives, so it stays current.
void Pass(benchmark::State& state, void (*setup)(), TPageHandler page) {
  PowerOnLive();
  setup();
  PageHandler = page;
  KeySlot = KeyNone;
  for (auto _ : state) {
    RunFirmwarePass();
    benchmark::DoNotOptimize(FrameBuffer);
    benchmark::ClobberMemory();
  }
  if (PageHandler != page) state.SkipWithError("the page did not stay current");
}

void NoSetup() {}
// Draws nothing: what the pass costs besides the page itself.
void EmptyPage() {}

// Home views: plain and with every marking drawn.
template <uint8_t View, bool Marked>
void Home() {
  Settings.HomeView = View;
  Settings.AlarmClockHour = 6;
  Settings.AlarmClockMinute = 45;
  if (Marked) MarkAlarms();
}
void HomeSlipOff0() {
  Home<0, false>();
  Settings.SlipDisplay = 0;
}
void HomeSlipOff2() {
  Home<2, false>();
  Settings.SlipDisplay = 0;
}
void HomeVoltsOnly5() {
  Home<5, true>();
  Settings.CurrentDisplay = 0;
}
void HomeRemoteTimer1() {
  Home<1, false>();
  Settings.FlightTimerMode = 1;
}

void Timer() {
  Settings.CountdownPresetHours = 1;
  Settings.CountdownPresetMinutes = 30;
  Settings.CountdownPresetSeconds = 15;
  ResetMenuState(1);
}
void Alarm() { Timer(); }
void Code() {
  Settings.SecurityEnabled = 1;
  OpenCodeEntry(0);
  MenuState.CodeDigits[0] = 6;
  MenuState.CodeDigits[1] = 2;
  MenuState.Selection = 2;
}
void CodeChanged() { MenuState.PendingCode = 1; }

// A menu page with the given row selected.
template <uint8_t Selected>
void Row() {
  ResetMenuState(Selected);
  MarkAlarms();
}
void AutoBacklight() {
  Settings.BacklightMode = 1;
  ResetMenuState(1);
}

#define HOME(view)                                                    \
  BENCHMARK_CAPTURE(Pass, Home##view, (Home<view, false>), HomePage); \
  BENCHMARK_CAPTURE(Pass, Home##view##Marked, (Home<view, true>), HomePage)

BENCHMARK_CAPTURE(Pass, EmptyPage, NoSetup, EmptyPage);
HOME(0);
HOME(1);
HOME(2);
HOME(3);
HOME(4);
HOME(5);
HOME(6);
HOME(7);
BENCHMARK_CAPTURE(Pass, Home0SlipOff, HomeSlipOff0, HomePage);
BENCHMARK_CAPTURE(Pass, Home2SlipOff, HomeSlipOff2, HomePage);
BENCHMARK_CAPTURE(Pass, Home5VoltsOnly, HomeVoltsOnly5, HomePage);
BENCHMARK_CAPTURE(Pass, Home1RemoteTimer, HomeRemoteTimer1, HomePage);
BENCHMARK_CAPTURE(Pass, CodeEntry, Code, CodeEntryPage);
BENCHMARK_CAPTURE(Pass, SetTimer, Timer, SetTimerPage);
BENCHMARK_CAPTURE(Pass, SetAlarm, Alarm, SetAlarmPage);
BENCHMARK_CAPTURE(Pass, Message, NoSetup, MessagePage);
BENCHMARK_CAPTURE(Pass, CodeMessage, CodeChanged, CodeMessagePage);
BENCHMARK_CAPTURE(Pass, MainMenu, Row<4>, MainMenuPage);
BENCHMARK_CAPTURE(Pass, FlightTimerSetup, Row<2>, FlightTimerSetupPage);
BENCHMARK_CAPTURE(Pass, FlightLogView, Row<0>, FlightLogViewPage);
BENCHMARK_CAPTURE(Pass, EraseLogConfirm, Row<0>, EraseLogConfirmPage);
BENCHMARK_CAPTURE(Pass, TimeSetup, Row<6>, TimeSetupPage);
BENCHMARK_CAPTURE(Pass, SetUtcTime, Row<2>, SetUtcTimePage);
BENCHMARK_CAPTURE(Pass, BacklightManual, Row<1>, BacklightPage);
BENCHMARK_CAPTURE(Pass, BacklightAuto, AutoBacklight, BacklightPage);
BENCHMARK_CAPTURE(Pass, SecuritySetup, Row<1>, SecuritySetupPage);
BENCHMARK_CAPTURE(Pass, VerifyCode, Row<1>, VerifyCodePage);
BENCHMARK_CAPTURE(Pass, NewCode, Row<1>, NewCodePage);
BENCHMARK_CAPTURE(Pass, ConfirmCode, Row<1>, ConfirmCodePage);
BENCHMARK_CAPTURE(Pass, Info, Row<0>, InfoPage);
BENCHMARK_CAPTURE(Pass, LoadDefaultsConfirm, Row<0>, LoadDefaultsConfirmPage);
BENCHMARK_CAPTURE(Pass, MiscSetup, Row<2>, MiscSetupPage);
BENCHMARK_CAPTURE(Pass, AdcValues, Row<7>, AdcValuesPage);
BENCHMARK_CAPTURE(Pass, GForceSetup, Row<6>, GForceSetupPage);
BENCHMARK_CAPTURE(Pass, CalWarning, Row<0>, CalWarningPage);
BENCHMARK_CAPTURE(Pass, CalAxis, Row<7>, CalAxisPage);
BENCHMARK_CAPTURE(Pass, CalStep, Row<0>, CalStepPage);
BENCHMARK_CAPTURE(Pass, VoltsSetup, Row<8>, VoltsSetupPage);
BENCHMARK_CAPTURE(Pass, CurrentSetup, Row<8>, CurrentSetupPage);
BENCHMARK_CAPTURE(Pass, ZeroCurrent, Row<0>, ZeroCurrentPage);
BENCHMARK_CAPTURE(Pass, OatSetup, Row<8>, OatSetupPage);
BENCHMARK_CAPTURE(Pass, SlipSetup, Row<2>, SlipSetupPage);
BENCHMARK_CAPTURE(Pass, ZeroSlip, Row<0>, ZeroSlipPage);

}  // namespace
