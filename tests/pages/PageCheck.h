// What the page tests share: a powered instrument with ordinary readings,
// input counts for chosen readings, and checks of the screen.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "core/Core.h"
#include "graphics/Graphics.h"
#include "host/RunLoop.h"
#include "pages/Pages.h"
#include "support/Instrument.h"
#include "support/Pilot.h"

namespace test {

// Converter counts of chosen readings (defaults of the calibration).
constexpr uint16_t Volts13_7 = 1445;  // 13.7 V
constexpr uint16_t Volts14_5 = 1535;  // 14.5 V, above the high caution
constexpr uint16_t Volts15_0 = 1592;  // 15.0 V, exactly the high alarm level
constexpr uint16_t Volts15_5 = 1648;  // 15.5 V, above the high alarm level
constexpr uint16_t Amps5_2 = 2568;    // 5.2 A
constexpr uint16_t AmpsZero = 2048;   // 0.0 A
constexpr uint16_t Oat20 = 2426;      // 20 C
constexpr uint16_t Oat55 = 2716;      // 55 C, above the high caution
constexpr uint16_t Oat60 = 2757;      // 60 C, exactly the high alarm level
constexpr uint16_t Oat70 = 2840;      // 70 C, above the high alarm level

// Ticks until the blink phase is the one wanted (it flips every 11 ticks).
inline void BlinkTo(uint8_t phase) {
  for (int i = 0; i < 30 && BlinkPhase != phase; ++i) Tick();
}

// Powered on at the fixed clock with 13.7 V, 5.2 A, 20 C and 1 g, then one
// pass so the screen shows the first view.
class PageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PowerOnAt();
    SetInputs(Volts13_7, Amps5_2, Oat20);
    SettleAxes(0, 0, 300);
    ResetAllMinMax();
    Pass();
  }

  // Shows a home view as the pilot would find it after stepping there.
  void ShowView(uint8_t view) {
    Settings.HomeView = view;
    Pass();
  }
};

}  // namespace test
