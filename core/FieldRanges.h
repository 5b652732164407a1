// The range of every number the pilot sets, one line per field: the lowest
// and the highest value and the step between values (what one turn of the
// knob changes, before the edit step of pages that offer one). The setup
// pages, the timer pages and the table of fields by name all read them here;
// and the texts of the two-state settings.
#pragma once
#include <cstdint>

struct TRange {
  int32_t Bottom;
  int32_t Top;
  int32_t Step;
};

// clang-format off
//  X(name,                   field,                            bottom, top,  step)
#define FIELD_RANGES(X)                                                          \
  X(BacklightLevel,         Settings.BacklightLevel,              10,   100,   10) \
  X(BacklightThreshold,     Settings.BacklightThreshold,         100,  4000,  100) \
  X(BacklightDim,           Settings.BacklightDim,                10,   100,   10) \
  X(BacklightBright,        Settings.BacklightBright,             10,   100,   10) \
  X(SecurityCode,           Settings.SecurityCode,                 0,  9999,    1) \
  X(HomeView,               Settings.HomeView,                     0,     7,    1) \
  X(GNegAlarm,              Settings.GNegAlarm,                 -300,    -1,    1) \
  X(GPosAlarm,              Settings.GPosAlarm,                    5,   300,    1) \
  X(GNegCycle,              Settings.GNegCycle,                 -300,    -1,    1) \
  X(GPosCycle,              Settings.GPosCycle,                    5,   300,    1) \
  X(UtcOffset,              Settings.UtcOffset,                 -780,   780,   30) \
  X(CountdownPresetHours,   Settings.CountdownPresetHours,         0,    23,    1) \
  X(CountdownPresetMinutes, Settings.CountdownPresetMinutes,       0,    59,    1) \
  X(CountdownPresetSeconds, Settings.CountdownPresetSeconds,       0,    59,    1) \
  X(AlarmClockHour,         Settings.AlarmClockHour,               0,    23,    1) \
  X(AlarmClockMinute,       Settings.AlarmClockMinute,             0,    59,    1) \
  X(AlarmClockSecond,       Settings.AlarmClockSecond,             0,    59,    1) \
  X(VoltsDisplayMax,        Settings.VoltsDisplayMax,            100,   300,    1) \
  X(VoltsDisplayMin,        Settings.VoltsDisplayMin,              0,   300,    1) \
  X(VoltsLowAlarm,          Settings.VoltsLowAlarm,                0,   300,    1) \
  X(VoltsHighAlarm,         Settings.VoltsHighAlarm,             100,   300,    1) \
  X(VoltsLowCaution,        Settings.VoltsLowCaution,              0,   300,    1) \
  X(VoltsHighCaution,       Settings.VoltsHighCaution,           100,   300,    1) \
  X(CurrentLowAlarm,        Settings.CurrentLowAlarm,           -100,   100,    1) \
  X(CurrentHighAlarm,       Settings.CurrentHighAlarm,          -100,   100,    1) \
  X(CurrentLowCaution,      Settings.CurrentLowCaution,         -100,   100,    1) \
  X(CurrentHighCaution,     Settings.CurrentHighCaution,        -100,   100,    1) \
  X(CurrentGain,            Settings.CurrentGain,                  1,  1000,    1) \
  X(OatLowAlarm,            Settings.OatLowAlarm,                -50,   150,    1) \
  X(OatHighAlarm,           Settings.OatHighAlarm,               -50,   150,    1) \
  X(OatLowCaution,          Settings.OatLowCaution,              -50,   150,    1) \
  X(OatHighCaution,         Settings.OatHighCaution,             -50,   150,    1) \
  X(SlipZero,               Settings.SlipZero,                  -150,   150,    1) \
  X(VoltsCalPercent,        Calibration.VoltsCalPercent,          50,   150,    1) \
  X(OatCalOffset,           Calibration.OatCalOffset,            -20,    20,    1) \
  X(CurrentZero,            Calibration.CurrentZero,               0, 65535,    1) \
  X(RtcTrim,                RtcTrim,                               0,   127,    1)
// clang-format on

// SlipZero is what zeroing stores: SlipCount, half the Y average of
// -300..300.

// One constant per line: VoltsDisplayMaxRange and so on.
#define FIELD_RANGE_CONSTANT(name, field, bottom, top, step) \
  constexpr TRange name##Range{bottom, top, step};
FIELD_RANGES(FIELD_RANGE_CONSTANT)
#undef FIELD_RANGE_CONSTANT

// The counts the sensor inputs deliver: the volts, current and OAT converters
// 0..4096; each accelerometer axis -300..300, as a 16-bit two's-complement
// number in its low and high registers.
constexpr TRange ConverterRange{0, 4096, 1};
constexpr TRange AxisCountRange{-300, 300, 1};

// The OAT levels above are in degrees Celsius; while OatUnit selects
// Fahrenheit they range over these degrees instead.
constexpr TRange OatLevelFahrenheitRange{-58, 302, 1};
// The range of an OAT level in the unit a value of OatUnit selects.
constexpr TRange OatLevelRange(uint8_t oatUnit) {
  return oatUnit == 1 ? OatLevelFahrenheitRange : OatHighAlarmRange;
}

// The texts of the two-state settings for 0 and 1, in UTF-8 (the degree sign
// is two bytes here; DrawString's fonts hold it as the one byte 0xB0).
extern const char* const OffOnTexts[2];
extern const char* const ManualAutoTexts[2];
extern const char* const ManualRemoteTexts[2];
extern const char* const LowHighTexts[2];
extern const char* const OatUnitTexts[2];
