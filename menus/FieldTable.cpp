#include "menus/FieldTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/Core.h"
#include "core/FieldRanges.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"
#include "pages/Pages.h"

namespace {

constexpr TFieldType TypeOf(const uint8_t*) { return FieldU8; }
constexpr TFieldType TypeOf(const int8_t*) { return FieldI8; }
constexpr TFieldType TypeOf(const uint16_t*) { return FieldU16; }
constexpr TFieldType TypeOf(const int16_t*) { return FieldI16; }
constexpr TFieldType TypeOf(const uint32_t*) { return FieldU32; }
constexpr TFieldType TypeOf(const int32_t*) { return FieldI32; }
constexpr TFieldType TypeOf(const float*) { return FieldF32; }
constexpr TFieldType TypeOf(const TPageHandler*) { return FieldPage; }

// Both units' levels: the unit selected when a value is written narrows it.
constexpr TRange OatLevelsEitherUnit{
    std::min(OatHighAlarmRange.Bottom, OatLevelFahrenheitRange.Bottom),
    std::max(OatHighAlarmRange.Top, OatLevelFahrenheitRange.Top), 1};

}  // namespace

// A field that is only read, one that may be set within lo..hi, one set
// within the range of its line in FIELD_RANGES, a switch or two-way choice,
// and a setting (the group Settings).
#define READ(expr, group, show) \
  { #expr, &(expr), TypeOf(&(expr)), group, 0, 0, 0, 1, show, nullptr }
#define SET(expr, group, lo, hi, show) \
  { #expr, &(expr), TypeOf(&(expr)), group, 1, lo, hi, 1, show, nullptr }
#define RANGED(expr, range, group, show) \
  { #expr, &(expr), TypeOf(&(expr)), group, 1, range.Bottom, range.Top, range.Step, show, nullptr }
#define CHOICE(expr, group, texts) \
  { #expr, &(expr), TypeOf(&(expr)), group, 1, 0, 1, 1, ShowChoice, texts }
#define SETTING(field, show) RANGED(Settings.field, field##Range, GroupSettings, show)
#define SWITCH(field) CHOICE(Settings.field, GroupSettings, OffOnTexts)
#define AXIS_CAL(i)                                                              \
  SET(Calibration.Axis[i].AxisZero, GroupCalibration, -300, 300, ShowNumber),    \
      SET(Calibration.Axis[i].AxisPosScale, GroupCalibration, 0, 1, ShowNumber), \
      SET(Calibration.Axis[i].AxisNegScale, GroupCalibration, -1, 0, ShowNumber)
#define AXIS_READINGS(i)                                  \
  READ(AxisHistory[i][0], GroupReadings, ShowNumber),     \
      READ(AxisHistory[i][1], GroupReadings, ShowNumber), \
      READ(AxisHistory[i][2], GroupReadings, ShowNumber), \
      READ(AxisHistory[i][3], GroupReadings, ShowNumber), \
      READ(AxisCount[i], GroupReadings, ShowNumber), READ(AxisG[i], GroupReadings, ShowAxisG)
#define DATE_TIME(clock)                                                                    \
  READ(clock.Year, GroupTime, ShowNumber), READ(clock.Month, GroupTime, ShowNumber),        \
      READ(clock.Day, GroupTime, ShowNumber), READ(clock.Hour, GroupTime, ShowNumber),      \
      READ(clock.Minute, GroupTime, ShowNumber), READ(clock.Second, GroupTime, ShowNumber), \
      READ(clock.DayOfYear, GroupTime, ShowNumber), READ(clock.Weekday, GroupTime, ShowNumber)
// The flight log records live in the non-volatile store.
#define LOG_FIELD(i, name, offset, show)                                                         \
  {                                                                                              \
    "FlightLog[" #i "]." name, NonVolatileStore + FlightLogBase + 16 * (i) + (offset), FieldU32, \
        GroupFlightLog, 0, 0, 0, 1, show, nullptr                                                \
  }
#define LOG_RECORD(i) \
  LOG_FIELD(i, "StartSeconds", 4, ShowNumber), LOG_FIELD(i, "FlightTime", 8, ShowTenthsSecond)

const TField Fields[] = {
    // The page and its state.
    READ(PageHandler, GroupPage, ShowPageName),
    READ(KeySlot, GroupPage, ShowNumber),
    READ(StopRequested, GroupPage, ShowNumber),
    READ(CodeEntryPurpose, GroupPage, ShowNumber),
    READ(CalTargetStep, GroupPage, ShowNumber),
    READ(MenuState.Selection, GroupPage, ShowNumber),
    READ(MenuState.ScrollOffset, GroupPage, ShowNumber),
    READ(MenuState.EditMode, GroupPage, ShowNumber),
    READ(MenuState.StepMultiplier, GroupPage, ShowNumber),
    READ(MenuState.CodeDigits[0], GroupPage, ShowNumber),
    READ(MenuState.CodeDigits[1], GroupPage, ShowNumber),
    READ(MenuState.CodeDigits[2], GroupPage, ShowNumber),
    READ(MenuState.CodeDigits[3], GroupPage, ShowNumber),
    READ(MenuState.PendingCode, GroupPage, ShowNumber),
    READ(MenuState.ReturnPage, GroupPage, ShowPageName),

    // Inputs as the converters and the accelerometer present them.
    RANGED(VoltsInput, ConverterRange, GroupInputs, ShowNumber),
    RANGED(CurrentInput, ConverterRange, GroupInputs, ShowNumber),
    RANGED(OatInput, ConverterRange, GroupInputs, ShowNumber),
    RANGED(FtInput, ConverterRange, GroupInputs, ShowNumber),
    RANGED(LightSensorReading, ConverterRange, GroupInputs, ShowNumber),
    SET(AccelRegisters[0], GroupInputs, 0, 255, ShowNumber),
    SET(AccelRegisters[1], GroupInputs, 0, 255, ShowNumber),
    SET(AccelRegisters[2], GroupInputs, 0, 255, ShowNumber),
    SET(AccelRegisters[3], GroupInputs, 0, 255, ShowNumber),
    SET(AccelRegisters[4], GroupInputs, 0, 255, ShowNumber),
    SET(AccelRegisters[5], GroupInputs, 0, 255, ShowNumber),
    // Sampled from the "Calibrate" check box at the start of every pass.
    READ(CalibrateSwitch, GroupInputs, ShowNumber),

    // Readings.
    READ(VoltsRaw, GroupReadings, ShowNumber),
    READ(OatRaw, GroupReadings, ShowNumber),
    READ(CurrentRaw, GroupReadings, ShowNumber),
    READ(Volts, GroupReadings, ShowVolts),
    READ(OatCelsius, GroupReadings, ShowCelsius),
    READ(Oat, GroupReadings, ShowOatDegrees),
    READ(CurrentTenths, GroupReadings, ShowTenthsAmps),
    READ(Current, GroupReadings, ShowAmperes),
    AXIS_READINGS(0),
    AXIS_READINGS(1),
    AXIS_READINGS(2),
    READ(GForce, GroupReadings, ShowG),
    READ(SlipCount, GroupReadings, ShowNumber),
    READ(GNegCycleLatch, GroupReadings, ShowNumber),
    READ(GPosCycleLatch, GroupReadings, ShowNumber),

    // Alarms.
    READ(AlarmFlags, GroupAlarms, ShowHex),
    READ(AlarmAcknowledged, GroupAlarms, ShowHex),

    // Timers, tick and clocks.
    READ(StopwatchRunning, GroupTime, ShowNumber),
    READ(StopwatchCount, GroupTime, ShowTenthsSecond),
    READ(CountdownRunning, GroupTime, ShowNumber),
    READ(CountdownCount, GroupTime, ShowTenthsSecond),
    READ(FlightTimerRunning, GroupTime, ShowNumber),
    READ(FlightTimeCount, GroupTime, ShowTenthsSecond),
    READ(BlinkCounter, GroupTime, ShowNumber),
    READ(BlinkPhase, GroupTime, ShowNumber),
    READ(TwoSecondCounter, GroupTime, ShowNumber),
    READ(TwoSecondFlag, GroupTime, ShowNumber),
    DATE_TIME(UtcTime),
    DATE_TIME(LocalTime),
    READ(LocalSeconds, GroupTime, ShowNumber),
    RANGED(RtcTrim, RtcTrimRange, GroupTime, ShowNumber),

    // Settings, in the record's order.
    CHOICE(Settings.BacklightMode, GroupSettings, ManualAutoTexts),
    SETTING(BacklightLevel, ShowPercent),
    SETTING(BacklightThreshold, ShowNumber),
    SETTING(BacklightDim, ShowPercent),
    SETTING(BacklightBright, ShowPercent),
    SWITCH(SecurityEnabled),
    SETTING(SecurityCode, ShowCode),
    SETTING(HomeView, ShowNumber),
    SWITCH(FlightTimerDisplay),
    CHOICE(Settings.FlightTimerMode, GroupSettings, ManualRemoteTexts),
    SETTING(GNegAlarm, ShowTenthsG),
    SETTING(GPosAlarm, ShowTenthsG),
    SWITCH(GNegAlarmOn),
    SWITCH(GPosAlarmOn),
    SETTING(GNegCycle, ShowTenthsG),
    SETTING(GPosCycle, ShowTenthsG),
    SETTING(UtcOffset, ShowOffset),
    SETTING(CountdownPresetHours, ShowNumber),
    SETTING(CountdownPresetMinutes, ShowNumber),
    SETTING(CountdownPresetSeconds, ShowNumber),
    SWITCH(AlarmClockOn),
    SETTING(AlarmClockHour, ShowNumber),
    SETTING(AlarmClockMinute, ShowNumber),
    SETTING(AlarmClockSecond, ShowNumber),
    SWITCH(UtcDisplay),
    SWITCH(StopwatchDisplay),
    SWITCH(AlarmClockDisplay),
    SWITCH(CountdownDisplay),
    SETTING(VoltsDisplayMax, ShowVolts),
    SETTING(VoltsDisplayMin, ShowVolts),
    SETTING(VoltsLowAlarm, ShowVolts),
    SETTING(VoltsHighAlarm, ShowVolts),
    SWITCH(VoltsLowAlarmOn),
    SWITCH(VoltsHighAlarmOn),
    SETTING(VoltsLowCaution, ShowVolts),
    SETTING(VoltsHighCaution, ShowVolts),
    SWITCH(CurrentDisplay),
    SETTING(CurrentLowAlarm, ShowAmperes),
    SWITCH(CurrentLowAlarmOn),
    SETTING(CurrentHighAlarm, ShowAmperes),
    SETTING(CurrentLowCaution, ShowAmperes),
    SETTING(CurrentHighCaution, ShowAmperes),
    SWITCH(CurrentHighAlarmOn),
    SETTING(CurrentGain, ShowNumber),
    SWITCH(OatDisplay),
    // The OAT levels' range follows OatUnit (see FieldRange).
    RANGED(Settings.OatLowAlarm, OatLevelsEitherUnit, GroupSettings, ShowOatDegrees),
    RANGED(Settings.OatHighAlarm, OatLevelsEitherUnit, GroupSettings, ShowOatDegrees),
    SWITCH(OatLowAlarmOn),
    SWITCH(OatHighAlarmOn),
    RANGED(Settings.OatLowCaution, OatLevelsEitherUnit, GroupSettings, ShowOatDegrees),
    RANGED(Settings.OatHighCaution, OatLevelsEitherUnit, GroupSettings, ShowOatDegrees),
    CHOICE(Settings.OatUnit, GroupSettings, OatUnitTexts),
    SWITCH(SlipDisplay),
    CHOICE(Settings.SlipSense, GroupSettings, LowHighTexts),
    SETTING(SlipZero, ShowNumber),

    // Calibration.
    RANGED(Calibration.VoltsCalPercent, VoltsCalPercentRange, GroupCalibration, ShowPercent),
    RANGED(Calibration.OatCalOffset, OatCalOffsetRange, GroupCalibration, ShowCelsius),
    AXIS_CAL(0),
    AXIS_CAL(1),
    AXIS_CAL(2),
    RANGED(Calibration.CurrentZero, CurrentZeroRange, GroupCalibration, ShowNumber),

    // Stored minima and maxima: only the conversions change them.
    READ(MinMax.VoltsMin, GroupMinMax, ShowVolts),
    READ(MinMax.VoltsMax, GroupMinMax, ShowVolts),
    READ(MinMax.GMin, GroupMinMax, ShowG),
    READ(MinMax.GMax, GroupMinMax, ShowG),
    READ(MinMax.OatMin, GroupMinMax, ShowOatDegrees),
    READ(MinMax.OatMax, GroupMinMax, ShowOatDegrees),
    READ(MinMax.CurrentMin, GroupMinMax, ShowAmperes),
    READ(MinMax.CurrentMax, GroupMinMax, ShowAmperes),
    READ(MinMax.GNegCycles, GroupMinMax, ShowNumber),
    READ(MinMax.GPosCycles, GroupMinMax, ShowNumber),

    // The flight log.
    READ(FlightLogHead, GroupFlightLog, ShowNumber),
    LOG_RECORD(0),
    LOG_RECORD(1),
    LOG_RECORD(2),
    LOG_RECORD(3),
    LOG_RECORD(4),
};
const uint16_t FieldCount = sizeof Fields / sizeof Fields[0];

#undef READ
#undef SET
#undef RANGED
#undef CHOICE
#undef SETTING
#undef SWITCH
#undef AXIS_CAL
#undef AXIS_READINGS
#undef DATE_TIME
#undef LOG_FIELD
#undef LOG_RECORD

#define PAGE(handler) \
  { #handler, handler }
const TPageName PageNames[] = {
    PAGE(HomePage),
    PAGE(CodeEntryPage),
    PAGE(SetTimerPage),
    PAGE(SetAlarmPage),
    PAGE(MessagePage),
    PAGE(CodeMessagePage),
    PAGE(MainMenuPage),
    PAGE(FlightTimerSetupPage),
    PAGE(FlightLogViewPage),
    PAGE(EraseLogConfirmPage),
    PAGE(TimeSetupPage),
    PAGE(SetUtcTimePage),
    PAGE(BacklightPage),
    PAGE(SecuritySetupPage),
    PAGE(VerifyCodePage),
    PAGE(NewCodePage),
    PAGE(ConfirmCodePage),
    PAGE(InfoPage),
    PAGE(LoadDefaultsConfirmPage),
    PAGE(GForceSetupPage),
    PAGE(CalWarningPage),
    PAGE(CalAxisPage),
    PAGE(CalStepPage),
    PAGE(VoltsSetupPage),
    PAGE(CurrentSetupPage),
    PAGE(ZeroCurrentPage),
    PAGE(OatSetupPage),
    PAGE(SlipSetupPage),
    PAGE(ZeroSlipPage),
    PAGE(MiscSetupPage),
    PAGE(AdcValuesPage),
};
#undef PAGE
const uint16_t PageNameCount = sizeof PageNames / sizeof PageNames[0];

const TField* FindField(const char* name) {
  for (uint16_t i = 0; i < FieldCount; ++i)
    if (std::strcmp(Fields[i].Name, name) == 0) return &Fields[i];
  return nullptr;
}

const char* PageName(TPageHandler handler) {
  for (uint16_t i = 0; i < PageNameCount; ++i)
    if (PageNames[i].Handler == handler) return PageNames[i].Name;
  return nullptr;
}

TPageHandler FindPage(const char* name) {
  for (uint16_t i = 0; i < PageNameCount; ++i)
    if (std::strcmp(PageNames[i].Name, name) == 0) return PageNames[i].Handler;
  return nullptr;
}

namespace {

template <typename T>
T Load(const void* address) {
  T value;
  std::memcpy(&value, address, sizeof value);
  return value;
}

template <typename T>
void Store(void* address, double value) {
  const T stored = static_cast<T>(value);
  std::memcpy(address, &stored, sizeof stored);
}

}  // namespace

double ReadField(const TField& field) {
  switch (field.Type) {
    case FieldU8:
      return Load<uint8_t>(field.Address);
    case FieldI8:
      return Load<int8_t>(field.Address);
    case FieldU16:
      return Load<uint16_t>(field.Address);
    case FieldI16:
      return Load<int16_t>(field.Address);
    case FieldU32:
      return Load<uint32_t>(field.Address);
    case FieldI32:
      return Load<int32_t>(field.Address);
    case FieldF32:
      return Load<float>(field.Address);
    case FieldPage: {
      const TPageHandler handler = Load<TPageHandler>(field.Address);
      for (uint16_t i = 0; i < PageNameCount; ++i)
        if (PageNames[i].Handler == handler) return i;
      return -1;
    }
  }
  return 0;
}

void FieldRange(const TField& field, double& min, double& max) {
  min = field.Min;
  max = field.Max;
  if (field.Show == ShowOatDegrees && field.Settable) {
    const TRange range = OatLevelRange(Settings.OatUnit);
    min = range.Bottom;
    max = range.Top;
  }
}

TFieldWrite WriteField(const TField& field, double value) {
  if (!field.Settable) return FieldReadOnly;
  double min, max;
  FieldRange(field, min, max);
  if (!(value >= min && value <= max)) return FieldOutOfRange;
  if (field.Type != FieldF32) {
    if (value != std::floor(value)) return FieldNotWhole;
    if (std::fmod(value - min, field.Step) != 0) return FieldOffStep;
  }
  switch (field.Type) {
    case FieldU8:
      Store<uint8_t>(field.Address, value);
      break;
    case FieldI8:
      Store<int8_t>(field.Address, value);
      break;
    case FieldU16:
      Store<uint16_t>(field.Address, value);
      break;
    case FieldI16:
      Store<int16_t>(field.Address, value);
      break;
    case FieldU32:
      Store<uint32_t>(field.Address, value);
      break;
    case FieldI32:
      Store<int32_t>(field.Address, value);
      break;
    case FieldF32:
      Store<float>(field.Address, value);
      break;
    case FieldPage:
      return FieldReadOnly;
  }
  return FieldWritten;
}

void FormatFieldValue(const TField& field, double value, char* text, uint16_t size) {
  const long whole = std::lround(value);
  switch (field.Show) {
    case ShowNumber:
      if (field.Type == FieldF32)
        std::snprintf(text, size, "%.6g", value);
      else
        std::snprintf(text, size, "%ld", whole);
      return;
    case ShowVolts:
      std::snprintf(text, size, "%.1f V", value / 10);
      return;
    case ShowTenthsG:
      std::snprintf(text, size, "%.1f g", value / 10);
      return;
    case ShowG:
      std::snprintf(text, size, "%.1f g", value);
      return;
    case ShowAxisG:
      std::snprintf(text, size, "%.2f g", value);
      return;
    case ShowAmperes:
      std::snprintf(text, size, "%ld A", whole);
      return;
    case ShowTenthsAmps:
      std::snprintf(text, size, "%.1f A", value / 10);
      return;
    case ShowPercent:
      std::snprintf(text, size, "%ld%%", whole);
      return;
    case ShowOatDegrees:
      std::snprintf(text, size, "%ld %s", whole, OatUnitTexts[Settings.OatUnit == 1 ? 1 : 0]);
      return;
    case ShowCelsius:
      std::snprintf(text, size, "%ld %s", whole, OatUnitTexts[0]);
      return;
    case ShowChoice:
      // Every choice row has two texts.
      if (whole == 0 || whole == 1)
        std::snprintf(text, size, "%s", field.Texts[whole]);
      else
        std::snprintf(text, size, "%ld", whole);
      return;
    case ShowCode:
      std::snprintf(text, size, "%04ld", whole);
      return;
    case ShowOffset: {
      const long minutes = whole < 0 ? -whole : whole;
      std::snprintf(text, size, "%c%02ld:%02ld", whole < 0 ? '-' : '+', minutes / 60, minutes % 60);
      return;
    }
    case ShowTenthsSecond: {
      const unsigned long count = static_cast<unsigned long>(value);
      std::snprintf(text, size, "%02lu:%02lu:%02lu.%lu", count / 36000, count / 600 % 60,
                    count / 10 % 60, count % 10);
      return;
    }
    case ShowHex:
      std::snprintf(text, size, "0x%02lX", static_cast<unsigned long>(value));
      return;
    case ShowPageName: {
      const long index = whole;
      std::snprintf(text, size, "%s",
                    index >= 0 && index < PageNameCount ? PageNames[index].Name : "(unnamed)");
      return;
    }
  }
  if (size > 0) text[0] = '\0';
}

void FormatField(const TField& field, char* text, uint16_t size) {
  FormatFieldValue(field, ReadField(field), text, size);
}
