// Drawing costs: one ClearFrameBuffer is the baseline every page is compared
// with; then a few primitives and a screen full of text.
#include <benchmark/benchmark.h>

#include "graphics/Graphics.h"

namespace {

void BM_ClearFrameBuffer(benchmark::State& state) {
  for (auto _ : state) {
    ClearFrameBuffer();
    benchmark::DoNotOptimize(FrameBuffer);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearFrameBuffer);

void BM_FillRectFullScreen(benchmark::State& state) {
  for (auto _ : state) {
    FillRect(0, 0, 159, 119, ColourYellow);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillRectFullScreen);

void BM_DrawLineDiagonal(benchmark::State& state) {
  for (auto _ : state) {
    DrawLine(0, 0, 159, 119, ColourWhite);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawLineDiagonal);

void BM_DrawThickLineDiagonal(benchmark::State& state) {
  for (auto _ : state) {
    DrawThickLine(0, 119, 159, 0, ColourMagenta);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawThickLineDiagonal);

void BM_DrawCircleRadius55(benchmark::State& state) {
  for (auto _ : state) {
    DrawCircle(80, 60, 55, ColourGrey);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawCircleRadius55);

void BM_DrawArcHalfTurn(benchmark::State& state) {
  BuildTrigTables();
  for (auto _ : state) {
    DrawArc(80, 60, 50, 180, 360, ColourWhite);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawArcHalfTurn);

void BM_DrawKnobIcon(benchmark::State& state) {
  BuildTrigTables();
  for (auto _ : state) {
    DrawKnobIcon();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawKnobIcon);

// Seven rows of size-8 text across the whole width, as a busy list page.
void BM_DrawStringFullScreen(benchmark::State& state) {
  const char* line = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (auto _ : state) {
    for (int16_t y = 0; y < ScreenHeight; y += 16) DrawString(0, y, line, 8, AlignLeft, 15);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawStringFullScreen);

void BM_DrawStringLargeDigits(benchmark::State& state) {
  for (auto _ : state) {
    DrawString(80, 30, "12.8", 30, AlignCentre, ColourWhite);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawStringLargeDigits);

void BM_DrawImageIcon(benchmark::State& state) {
  for (auto _ : state) {
    DrawImage(10, 45, IconAttention);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawImageIcon);

void BM_FurnitureScreen(benchmark::State& state) {
  BuildTrigTables();
  for (auto _ : state) {
    ClearFrameBuffer();
    DrawTitleBar("SETUP", "VOLTS");
    for (int8_t row = 0; row < 5; ++row) DrawMenuItem(row, "HIGH ALARM ", "15.0");
    DrawScrollIndicator(2, 8);
    DrawSoftKeys(2);
    DrawDecimalStepLabel(0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FurnitureScreen);

}  // namespace
