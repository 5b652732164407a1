#include "menus/FieldText.h"

#include <strings.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Core.h"

namespace {

constexpr uint32_t EmptyFlightTime = 0xFFFFFFFFu;

// A field of a flight-log record whose slot holds no flight.
bool InEmptyRecord(const TField& field) {
  if (field.Group != GroupFlightLog || std::strncmp(field.Name, "FlightLog[", 10) != 0)
    return false;
  const int slot = field.Name[10] - '0';
  return slot >= 0 && slot < FlightLogSlots &&
         ReadFlightRecord(static_cast<uint8_t>(slot)).FlightTime == EmptyFlightTime;
}

// "100..300", or with what the ends show as: "100..300 (10.0 V to 30.0 V)".
void RangeText(const TField& field, double min, double max, char* text, uint16_t size) {
  if (field.Show == ShowNumber) {
    std::snprintf(text, size, "%g..%g", min, max);
    return;
  }
  char low[48], high[48];
  FormatFieldValue(field, min, low, sizeof low);
  FormatFieldValue(field, max, high, sizeof high);
  std::snprintf(text, size, "%g..%g (%s to %s)", min, max, low, high);
}

}  // namespace

void FieldFloatText(float value, char* text, uint16_t size) {
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(text, size, "%.*g", digits, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) return;
  }
}

const char* FieldGroupName(TFieldGroup group) {
  static const char* const Names[] = {"Page",     "Inputs",      "Readings", "Alarms",    "Time",
                                      "Settings", "Calibration", "MinMax",   "Flight log"};
  return group < sizeof Names / sizeof Names[0] ? Names[group] : "";
}

void FieldValueText(const TField& field, char* text, uint16_t size) {
  if (field.Type == FieldPage) {
    const TPageHandler handler = *static_cast<TPageHandler*>(field.Address);
    const char* name = PageName(handler);
    std::snprintf(text, size, "%s", handler == nullptr ? "none" : name ? name : "(unnamed)");
  } else if (InEmptyRecord(field)) {
    std::snprintf(text, size, "empty");
  } else if (field.Type == FieldF32) {
    FieldFloatText(static_cast<float>(ReadField(field)), text, size);
  } else {
    std::snprintf(text, size, "%lld", static_cast<long long>(ReadField(field)));
  }
}

bool FieldHasShown(const TField& field) {
  return field.Show != ShowNumber && field.Show != ShowPageName;
}

void FieldShownText(const TField& field, char* text, uint16_t size) {
  if (InEmptyRecord(field))
    std::snprintf(text, size, "%s", field.Show == ShowNumber ? "" : "EMPTY");
  else
    FormatField(field, text, size);
}

bool ParseFieldText(const TField& field, const char* text, double& value) {
  char* end = nullptr;
  // No hexadecimal, no leading spaces: a plain decimal number.
  const bool hex = std::strchr(text, 'x') != nullptr || std::strchr(text, 'X') != nullptr;
  if (*text != '\0' && *text != ' ' && !hex) {
    value = std::strtod(text, &end);
    if (*end == '\0') return std::isfinite(value);
  }
  if (field.Show == ShowChoice)
    for (int i = 0; i < 2; ++i)
      if (strcasecmp(text, field.Texts[i]) == 0) {
        value = i;
        return true;
      }
  return false;
}

bool EditField(const TField& field, const char* typed, TFieldWriter write, char* message,
               uint16_t size) {
  char text[64];
  while (*typed == ' ' || *typed == '\t') ++typed;
  std::snprintf(text, sizeof text, "%s", typed);
  for (size_t n = std::strlen(text); n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t'); --n)
    text[n - 1] = '\0';
  double min = 0, max = 0;
  FieldRange(field, min, max);
  char range[128];
  RangeText(field, min, max, range, sizeof range);
  double value = 0;
  if (!ParseFieldText(field, text, value)) {
    char choices[64] = "";
    if (field.Show == ShowChoice)
      std::snprintf(choices, sizeof choices, " or %s/%s", field.Texts[0], field.Texts[1]);
    std::snprintf(message, size, "%s takes a number in %s%s; \"%s\" is not one. Nothing written.",
                  field.Name, range, choices, text);
    return false;
  }
  switch (write(field, value)) {
    case FieldWritten:
      if (size > 0) message[0] = '\0';
      return true;
    case FieldReadOnly:
      std::snprintf(message, size, "%s is read-only. Nothing written.", field.Name);
      break;
    case FieldOutOfRange:
      std::snprintf(message, size, "%s takes %s; %s is outside. Nothing written.", field.Name,
                    range, text);
      break;
    case FieldNotWhole:
      std::snprintf(message, size, "%s takes whole numbers in %s; %s is not one. Nothing written.",
                    field.Name, range, text);
      break;
    case FieldOffStep:
      std::snprintf(message, size,
                    "%s takes steps of %u from %g; %s is between them. Nothing written.",
                    field.Name, static_cast<unsigned>(field.Step), min, text);
      break;
  }
  return false;
}
