// The one table of the firmware's fields by the names they have in code:
// where each lives, its type, whether it may be set and within what range,
// and how the instrument shows it. Tools that show or change the firmware's
// state by name (scenario files, the inspector) read this table only.
#pragma once
#include <cstdint>

#include "core/RunState.h"

enum TFieldType : uint8_t {
  FieldU8,
  FieldI8,
  FieldU16,
  FieldI16,
  FieldU32,
  FieldI32,
  FieldF32,
  FieldPage,  // a page handler variable
};

// How the instrument shows a value.
enum TFieldShow : uint8_t {
  ShowNumber,        // 42, 0.0033
  ShowVolts,         // tenths of a volt: 150 -> "15.0 V"
  ShowTenthsG,       // tenths of g: -70 -> "-7.0 g"
  ShowG,             // g as a float, one decimal: "-1.2 g"
  ShowAxisG,         // an axis in g, two decimals as the information page: "0.99 g"
  ShowAmperes,       // whole amperes: "40 A"
  ShowTenthsAmps,    // tenths of an ampere: -204 -> "-20.4 A"
  ShowPercent,       // "100%"
  ShowOatDegrees,    // degrees of the selected unit: "60 °C" or "60 °F"
  ShowCelsius,       // "-5 °C"
  ShowChoice,        // one of the row's texts by value: "OFF"/"ON", "MANUAL"/"AUTO"
  ShowCode,          // four digits: "0042"
  ShowOffset,        // minutes: 90 -> "+01:30"
  ShowTenthsSecond,  // timer counts: 36005 -> "01:00:00.5"
  ShowHex,           // "0x05"
  ShowPageName,      // "HomePage"
};

// Where a field belongs (the inspector's groups).
enum TFieldGroup : uint8_t {
  GroupPage,
  GroupInputs,
  GroupReadings,
  GroupAlarms,
  GroupTime,
  GroupSettings,
  GroupCalibration,
  GroupMinMax,
  GroupFlightLog,
};

struct TField {
  const char* Name;  // as written in code: "Settings.VoltsHighAlarm", "AxisCount[1]"
  void* Address;
  TFieldType Type;
  TFieldGroup Group;
  uint8_t Settable;  // 1 for settings, calibration and inputs
  double Min;        // range of a settable field, both ends included
  double Max;
  uint16_t Step;  // a settable whole value must be Min plus a multiple of Step
  TFieldShow Show;
  const char* const* Texts;  // for ShowChoice: the text of value 0, 1, ...
};

extern const TField Fields[];
extern const uint16_t FieldCount;

// The row of a name, or nullptr.
const TField* FindField(const char* name);
// The value as a number (a page handler reads as its index in PageNames, -1
// when it has no name).
double ReadField(const TField& field);

enum TFieldWrite : uint8_t {
  FieldWritten,
  FieldReadOnly,
  FieldOutOfRange,
  FieldNotWhole,  // a fraction for a whole-number field
  FieldOffStep,   // between the steps of the field (UtcOffset: 30 minutes)
};
// Writes a settable field when the value is within its range; otherwise
// writes nothing and says why.
TFieldWrite WriteField(const TField& field, double value);
// The range a settable field accepts now (the OAT levels follow OatUnit).
void FieldRange(const TField& field, double& min, double& max);

// The value as the instrument shows it, e.g. "15.0 V", "ON", "°F".
void FormatField(const TField& field, char* text, uint16_t size);
void FormatFieldValue(const TField& field, double value, char* text, uint16_t size);

// Page handlers by name.
struct TPageName {
  const char* Name;
  TPageHandler Handler;
};
extern const TPageName PageNames[];
extern const uint16_t PageNameCount;
// "HomePage" for HomePage; nullptr for a handler without a name.
const char* PageName(TPageHandler handler);
// The handler of a name, or nullptr.
TPageHandler FindPage(const char* name);
