#include "host/PanelUnits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/Sensors.h"
#include "core/Settings.h"

namespace {

constexpr double StandardGravity = 9.80665;  // m/s² in one g

struct TUnitRow {
  TPanelUnit Unit;
  const char* Symbol;
  int Decimals;       // as shown
  double Resolution;  // a reading's step as shown
  bool Truncated;     // the instrument cuts the value to its step rather than rounding
};

// clang-format off
constexpr TUnitRow Units[] = {
  //  unit                          symbol      decimals resolution truncated
    {TPanelUnit::Counts,           "counts",   0,       1,         false},
    {TPanelUnit::Volts,            "V",        1,       0.1,       true},
    {TPanelUnit::Amperes,          "A",        1,       0.1,       true},
    {TPanelUnit::Celsius,          "\u00B0C",  0,       1,         true},
    {TPanelUnit::Fahrenheit,       "\u00B0F",  0,       1,         true},
    {TPanelUnit::G,                "g",        2,       0.01,      false},
    {TPanelUnit::MetresPerSecond2, "m/s\u00B2", 1,      0.1,       false},
};

// Other ways logs and files write the units.
constexpr struct { const char* Text; TPanelUnit Unit; } Spellings[] = {
    {"count", TPanelUnit::Counts}, {"C", TPanelUnit::Celsius}, {"@C", TPanelUnit::Celsius},
    {"degC", TPanelUnit::Celsius}, {"F", TPanelUnit::Fahrenheit}, {"@F", TPanelUnit::Fahrenheit},
    {"degF", TPanelUnit::Fahrenheit}, {"G", TPanelUnit::G}, {"m/s2", TPanelUnit::MetresPerSecond2},
    {"m/s^2", TPanelUnit::MetresPerSecond2},
};
// clang-format on

const TUnitRow& Row(TPanelUnit unit) { return Units[static_cast<uint8_t>(unit)]; }

int AxisIndex(TPanelInput input) {
  return static_cast<int>(input) - static_cast<int>(TPanelInput::X);
}

}  // namespace

bool FindPanelUnit(const char* text, TPanelUnit& unit) {
  for (const TUnitRow& row : Units)
    if (std::strcmp(row.Symbol, text) == 0) return unit = row.Unit, true;
  for (const auto& spelling : Spellings)
    if (std::strcmp(spelling.Text, text) == 0) return unit = spelling.Unit, true;
  return false;
}

const char* PanelUnitSymbol(TPanelUnit unit) { return Row(unit).Symbol; }

TPanelUnit PanelInputUnit(TPanelInput input) {
  switch (input) {
    case TPanelInput::Volts:
      return TPanelUnit::Volts;
    case TPanelInput::Current:
      return TPanelUnit::Amperes;
    case TPanelInput::Oat:
      return TPanelUnit::Celsius;
    case TPanelInput::X:
    case TPanelInput::Y:
    case TPanelInput::Z:
      return TPanelUnit::G;
    case TPanelInput::Calibrate:
      break;
  }
  return TPanelUnit::Counts;
}

bool PanelUnitFits(TPanelInput input, TPanelUnit unit) {
  if (unit == TPanelUnit::Counts) return true;
  const TPanelUnit own = PanelInputUnit(input);
  if (own == TPanelUnit::Celsius) return unit == TPanelUnit::Fahrenheit || unit == own;
  if (own == TPanelUnit::G) return unit == TPanelUnit::MetresPerSecond2 || unit == own;
  return unit == own && own != TPanelUnit::Counts;
}

double PanelCountToUnit(TPanelInput input, int32_t count, TPanelUnit unit) {
  const TCalibration& calibration = GetDefaultCalibration();
  const auto converter = static_cast<uint16_t>(count);
  switch (unit) {
    case TPanelUnit::Counts:
      return count;
    case TPanelUnit::Volts:
      return CountToVolts(converter, calibration) / 10.0;
    case TPanelUnit::Amperes:
      return CountToCurrentTenths(converter, calibration, GetDefaultSettings()) / 10.0;
    case TPanelUnit::Celsius:
      return CountToOatCelsius(converter, calibration);
    case TPanelUnit::Fahrenheit:
      return CelsiusToFahrenheit(CountToOatCelsius(converter, calibration));
    case TPanelUnit::G:
    case TPanelUnit::MetresPerSecond2: {
      // An averaged count: a steady input settles on it after four passes.
      const double g =
          CountToAxisG(static_cast<int16_t>(count), calibration.Axis[AxisIndex(input)]);
      return unit == TPanelUnit::G ? g : g * StandardGravity;
    }
  }
  return count;
}

TPanelUnitCount PanelUnitToCount(TPanelInput input, double value, TPanelUnit unit) {
  const TPanelInputRow& row = PanelRow(input);
  const double resolution = Row(unit).Resolution;
  const double low = PanelCountToUnit(input, row.Bottom, unit);
  const double high = PanelCountToUnit(input, row.Top, unit);
  // Truncated readings cover a whole step above (or, below zero, under)
  // their value; rounded ones half a step either side.
  const double margin = Row(unit).Truncated ? resolution : resolution / 2;
  if (!(value > low - margin + 1e-9)) return {row.Bottom, value < low ? int8_t{-1} : int8_t{0}};
  if (!(value < high + margin - 1e-9)) return {row.Top, value > high ? int8_t{1} : int8_t{0}};
  // The readings grow with the count: the first count reading at least the
  // value, or the one before it when that one is as near (halfway between
  // two readings, the lower, as a truncating reading shows it).
  int32_t bottom = row.Bottom, top = row.Top;
  while (bottom < top) {
    const int32_t middle = bottom + (top - bottom) / 2;
    if (PanelCountToUnit(input, middle, unit) >= value - 1e-9)
      top = middle;
    else
      bottom = middle + 1;
  }
  if (bottom > row.Bottom && std::fabs(PanelCountToUnit(input, bottom - 1, unit) - value) <=
                                 std::fabs(PanelCountToUnit(input, bottom, unit) - value) + 1e-9)
    --bottom;
  return {bottom, 0};
}

void PanelUnitText(double value, TPanelUnit unit, char* text, size_t size) {
  const TUnitRow& row = Row(unit);
  // A degree sign or "g" follows closely, as the instrument writes them.
  const double shown = std::fabs(value) < 0.5 * std::pow(10.0, -row.Decimals) ? 0.0 : value;
  std::snprintf(text, size, "%.*f %s", row.Decimals, shown, row.Symbol);
}

void PanelBeyondText(TPanelInput input, double value, TPanelUnit unit, const TPanelUnitCount& count,
                     char* text, size_t size) {
  if (size == 0) return;
  text[0] = '\0';
  if (count.Beyond == 0) return;
  char given[32], reading[32];
  std::snprintf(given, sizeof given, "%g %s", value, PanelUnitSymbol(unit));
  PanelUnitText(PanelCountToUnit(input, count.Count, unit), unit, reading, sizeof reading);
  std::snprintf(text, size, "%s is %s the converter: %d counts (%s)", given,
                count.Beyond > 0 ? "beyond" : "below", static_cast<int>(count.Count), reading);
}

// clang-format off
const TPanelState PanelStates[PanelStateCount] = {
  //  name                      V     A     °C    X     Y     Z (g, down)
    {"Parked, engine off",    {12.4, -1.5, 15.0, 0.00, 0.00, -1.0}},
    {"Engine running",        {14.2,  8.0, 15.0, 0.00, 0.00, -1.0}},
    {"Cruise",                {14.2,  3.0,  5.0, 0.00, 0.00, -1.0}},
    {"Steep turn 60\u00B0",  {14.2,  3.0,  5.0, 0.00, 0.00, -2.0}},
};
// clang-format on

void PanelApplyState(const TPanelState& state) {
  for (uint8_t i = 0; i < PanelSensorCount; ++i) {
    const auto input = static_cast<TPanelInput>(i);
    PanelSetInput(input, PanelUnitToCount(input, state.Value[i], PanelInputUnit(input)).Count);
  }
}

bool ReadDecimal(std::string_view text, double& value, size_t& used) {
  const auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  // Up to 18 significant digits; the rest only move the point.
  uint64_t mantissa = 0;
  int significant = 0, exponent = 0;
  bool any = false;
  const auto add = [&](char c, bool fraction) {
    any = true;
    if (significant < 18) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      if (mantissa != 0) ++significant;
      if (fraction) --exponent;
    } else if (!fraction) {
      ++exponent;
    }
  };
  for (; digit(i); ++i) add(text[i], false);
  if (i < text.size() && text[i] == '.')
    for (++i; digit(i); ++i) add(text[i], true);
  if (!any) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    const bool down = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    int power = 0;
    if (digit(j)) {
      for (; digit(j); ++j) power = std::min(power * 10 + (text[j] - '0'), 100000);
      exponent += down ? -power : power;
      i = j;
    }
  }
  const double scale = std::pow(10.0, std::abs(exponent));
  value =
      exponent < 0 ? static_cast<double>(mantissa) / scale : static_cast<double>(mantissa) * scale;
  if (negative) value = -value;
  if (!std::isfinite(value)) return false;
  used = i;
  return true;
}

bool PanelParseValue(TPanelInput input, const char* text, TPanelUnit fieldUnit,
                     TPanelUnitCount& count, char* message, size_t size) {
  if (size > 0) message[0] = '\0';
  const std::string_view written(text);
  const size_t start = written.find_first_not_of(' ');
  double value = 0;
  size_t used = 0;
  if (start == std::string_view::npos || !ReadDecimal(written.substr(start), value, used)) {
    std::snprintf(message, size, "a number with its unit, like 14.2 V");
    return false;
  }
  std::string_view rest = written.substr(start + used);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  TPanelUnit unit = fieldUnit;
  char name[24] = "";
  if (!rest.empty()) {
    const size_t length = std::min(rest.size(), sizeof name - 1);
    std::memcpy(name, rest.data(), length);
    name[length] = '\0';
    if (rest.size() >= sizeof name || !FindPanelUnit(name, unit) || !PanelUnitFits(input, unit)) {
      std::snprintf(message, size, "'%s' is no unit of the %s input", name, PanelRow(input).Title);
      return false;
    }
  }
  const TPanelInputRow& row = PanelRow(input);
  if (unit == TPanelUnit::Counts) {
    if (value != std::floor(value) || value < row.Bottom || value > row.Top) {
      std::snprintf(message, size, "a count of the %s input is a whole number in %d..%d", row.Title,
                    static_cast<int>(row.Bottom), static_cast<int>(row.Top));
      return false;
    }
    count = {static_cast<int32_t>(value), 0};
    return true;
  }
  count = PanelUnitToCount(input, value, unit);
  PanelBeyondText(input, value, unit, count, message, size);
  return true;
}
