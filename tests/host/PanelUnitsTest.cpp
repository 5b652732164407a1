// Inputs in units: the count a value becomes reads back as that value on the
// running instrument (its own conversion, its own passes) across each input's
// whole range, and values beyond a converter are held at its end and named.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Core.h"
#include "host/PanelUnits.h"

namespace {

// What the running instrument reads an input as, in a unit.
double Instrument(TPanelInput input, TPanelUnit unit) {
  const int axis = static_cast<int>(input) - static_cast<int>(TPanelInput::X);
  switch (unit) {
    case TPanelUnit::Volts:
      return Volts / 10.0;
    case TPanelUnit::Amperes:
      return CurrentTenths / 10.0;
    case TPanelUnit::Celsius:
    case TPanelUnit::Fahrenheit:
      return Oat;
    case TPanelUnit::G:
      return AxisG[axis];
    default:
      return AxisG[axis] * 9.80665;
  }
}

void Settle(TPanelInput input, int32_t count) {
  ASSERT_TRUE(PanelSetInput(input, count));
  for (int i = 0; i < 4; ++i) PanelPass();  // the axes average four samples
}

TEST(PanelUnits, ValuesReadBackAcrossEachRange) {
  const struct {
    TPanelInput Input;
    TPanelUnit Unit;
    double Tolerance;  // the instrument's step as it shows the value
  } cases[] = {
      {TPanelInput::Volts, TPanelUnit::Volts, 0.1},
      {TPanelInput::Current, TPanelUnit::Amperes, 0.1},
      {TPanelInput::Oat, TPanelUnit::Celsius, 1},
      {TPanelInput::Oat, TPanelUnit::Fahrenheit, 2},
      {TPanelInput::X, TPanelUnit::G, 0.0017},
      {TPanelInput::Z, TPanelUnit::MetresPerSecond2, 0.017},
  };
  for (const auto& c : cases) {
    PanelProgramStart();
    PanelOn();
    PanelPass();
    Settings.OatUnit = c.Unit == TPanelUnit::Fahrenheit ? 1 : 0;
    const TPanelInputRow& row = PanelRow(c.Input);
    const double low = PanelCountToUnit(c.Input, row.Bottom, c.Unit);
    const double high = PanelCountToUnit(c.Input, row.Top, c.Unit);
    for (int i = 0; i <= 200; ++i) {
      const double value = low + (high - low) * i / 200;
      SCOPED_TRACE(std::string(row.Name) + " " + std::to_string(value) + " " +
                   PanelUnitSymbol(c.Unit));
      const TPanelUnitCount count = PanelUnitToCount(c.Input, value, c.Unit);
      EXPECT_EQ(count.Beyond, 0);
      Settle(c.Input, count.Count);
      EXPECT_NEAR(Instrument(c.Input, c.Unit), value, c.Tolerance);
      EXPECT_NEAR(PanelCountToUnit(c.Input, count.Count, c.Unit), Instrument(c.Input, c.Unit),
                  1e-6);
    }
    // Past either end: held there, and said.
    for (const double past : {high + 5 * c.Tolerance + 1, low - 5 * c.Tolerance - 1}) {
      const TPanelUnitCount count = PanelUnitToCount(c.Input, past, c.Unit);
      EXPECT_EQ(count.Count, past > high ? row.Top : row.Bottom);
      EXPECT_EQ(count.Beyond, past > high ? 1 : -1);
    }
  }
}

TEST(PanelUnits, TheCalibrationShowsOnTheReading) {
  PanelProgramStart();
  PanelOn();
  Calibration.VoltsCalPercent = 110;
  Settle(TPanelInput::Volts, PanelUnitToCount(TPanelInput::Volts, 14.2, TPanelUnit::Volts).Count);
  EXPECT_NEAR(Volts / 10.0, 14.2 * 1.1, 0.15);
}

TEST(PanelUnits, UnitsAndWhatBeyondSays) {
  const struct {
    TPanelInput Input;
    const char* Unit;
    double Value;
    const char* Says;
  } cases[] = {
      {TPanelInput::Volts, "V", 40, "40 V is beyond the converter: 4096 counts (37.1 V)"},
      {TPanelInput::Oat, "@C", -300,
       "-300 \u00B0C is below the converter: 0 counts (-273 \u00B0C)"},
      {TPanelInput::Z, "g", 2, "2 g is beyond the converter: 300 counts (0.99 g)"},
      {TPanelInput::Current, "A", 20.4, ""},
      {TPanelInput::Y, "m/s2", -9.7, ""},
  };
  for (const auto& c : cases) {
    TPanelUnit unit;
    ASSERT_TRUE(FindPanelUnit(c.Unit, unit)) << c.Unit;
    ASSERT_TRUE(PanelUnitFits(c.Input, unit));
    char text[128];
    PanelBeyondText(c.Input, c.Value, unit, PanelUnitToCount(c.Input, c.Value, unit), text,
                    sizeof text);
    EXPECT_STREQ(text, c.Says);
  }
  TPanelUnit unit;
  EXPECT_FALSE(FindPanelUnit("furlongs", unit));
  EXPECT_FALSE(PanelUnitFits(TPanelInput::Volts, TPanelUnit::G));
  EXPECT_FALSE(PanelUnitFits(TPanelInput::Calibrate, TPanelUnit::Volts));
}

TEST(PanelUnits, WhatAUnitFieldTakes) {
  const struct {
    TPanelInput Input;
    const char* Typed;
    TPanelUnit Field;
    bool Taken;
    double Reads;  // in the unit typed (the field's when none)
    const char* Says;
  } cases[] = {
      {TPanelInput::Volts, " 14.2 V ", TPanelUnit::Volts, true, 14.2, ""},
      {TPanelInput::Volts, "14.2", TPanelUnit::Volts, true, 14.2, ""},
      {TPanelInput::Volts, "1648 counts", TPanelUnit::Volts, true, 1648, ""},
      {TPanelInput::Oat, "23 F", TPanelUnit::Celsius, true, 23, ""},
      {TPanelInput::Y, "-0.5g", TPanelUnit::G, true, -0.5, ""},
      {TPanelInput::Volts, "40 V", TPanelUnit::Volts, true, 37.1,
       "40 V is beyond the converter: 4096 counts (37.1 V)"},
      {TPanelInput::Volts, "12 g", TPanelUnit::Volts, false, 0,
       "'g' is no unit of the Volts input"},
      {TPanelInput::Volts, "4097", TPanelUnit::Counts, false, 0,
       "a count of the Volts input is a whole number in 0..4096"},
      {TPanelInput::Current, "nan A", TPanelUnit::Amperes, false, 0,
       "a number with its unit, like 14.2 V"},
      {TPanelInput::Current, "1e999 A", TPanelUnit::Amperes, false, 0,
       "a number with its unit, like 14.2 V"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed);
    TPanelUnitCount count;
    char says[128];
    EXPECT_EQ(PanelParseValue(c.Input, c.Typed, c.Field, count, says, sizeof says), c.Taken);
    EXPECT_STREQ(says, c.Says);
    if (!c.Taken) continue;
    const std::string typed = c.Typed;
    TPanelUnit unit = c.Field;
    for (const char* name : {"counts", "F", "g"})
      if (typed.find(name) != std::string::npos) FindPanelUnit(name, unit);
    EXPECT_NEAR(PanelCountToUnit(c.Input, count.Count, unit), c.Reads, 0.01);
  }
}

}  // namespace
