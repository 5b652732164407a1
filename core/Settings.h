// Everything the pilot configures, the sensor calibration and the stored
// minima and maxima, with their defaults and persistence hooks.
#pragma once
#include <cstdint>

struct TSettings {
  uint8_t BacklightMode;  // 0 MANUAL, 1 AUTO
  uint8_t BacklightLevel;
  uint16_t BacklightThreshold;
  uint8_t BacklightDim;
  uint8_t BacklightBright;
  uint8_t SecurityEnabled;
  uint16_t SecurityCode;
  uint8_t HomeView;
  uint8_t FlightTimerDisplay;
  uint8_t FlightTimerMode;  // 0 MANUAL, 1 REMOTE
  int16_t GNegAlarm;        // tenths of g
  int16_t GPosAlarm;
  uint8_t GNegAlarmOn;
  uint8_t GPosAlarmOn;
  int16_t GNegCycle;
  int16_t GPosCycle;
  int16_t UtcOffset;  // minutes
  uint8_t CountdownPresetHours;
  uint8_t CountdownPresetMinutes;
  uint8_t CountdownPresetSeconds;
  uint8_t AlarmClockOn;
  uint8_t AlarmClockHour;
  uint8_t AlarmClockMinute;
  uint8_t AlarmClockSecond;
  uint8_t UtcDisplay;
  uint8_t StopwatchDisplay;
  uint8_t AlarmClockDisplay;
  uint8_t CountdownDisplay;
  uint16_t VoltsDisplayMax;  // tenths of a volt
  uint16_t VoltsDisplayMin;
  uint16_t VoltsLowAlarm;
  uint16_t VoltsHighAlarm;
  uint8_t VoltsLowAlarmOn;
  uint8_t VoltsHighAlarmOn;
  uint16_t VoltsLowCaution;
  uint16_t VoltsHighCaution;
  uint8_t CurrentDisplay;
  int16_t CurrentLowAlarm;  // amperes
  uint8_t CurrentLowAlarmOn;
  int16_t CurrentHighAlarm;
  int16_t CurrentLowCaution;
  int16_t CurrentHighCaution;
  uint8_t CurrentHighAlarmOn;
  int16_t CurrentGain;
  uint8_t OatDisplay;
  int16_t OatLowAlarm;  // degrees of OatUnit
  int16_t OatHighAlarm;
  uint8_t OatLowAlarmOn;
  uint8_t OatHighAlarmOn;
  int16_t OatLowCaution;
  int16_t OatHighCaution;
  uint8_t OatUnit;  // 0 Celsius, 1 Fahrenheit
  uint8_t SlipDisplay;
  uint8_t SlipSense;  // 0 LOW, 1 HIGH
  int16_t SlipZero;
};

struct TAxisCalibration {
  int16_t AxisZero;
  float AxisPosScale;
  float AxisNegScale;
};

struct TCalibration {
  uint8_t VoltsCalPercent;
  int8_t OatCalOffset;
  TAxisCalibration Axis[3];  // X, Y, Z
  uint16_t CurrentZero;      // sixteenths of a converter count
};

struct TMinMax {
  uint16_t VoltsMin;
  uint16_t VoltsMax;
  float GMin;
  float GMax;
  int16_t OatMin;
  int16_t OatMax;
  int16_t CurrentMin;
  int16_t CurrentMax;
  uint16_t GNegCycles;
  uint16_t GPosCycles;
};

extern TSettings Settings;
extern TCalibration Calibration;
extern TMinMax MinMax;

// Program start: the three records all zero, before any defaults are loaded.
void ResetRecords();
void LoadDefaultSettings();
void LoadDefaultCalibration();
// The records every power-on starts from.
const TSettings& GetDefaultSettings();
const TCalibration& GetDefaultCalibration();
void ResetAllMinMax();
void ResetGMinMax();

// Persistence hooks: where a unit with non-volatile memory stores its records.
void LoadStoredState();
void StoreSettings();
int StoreCalibration(int value);
void StoreMinMax();

// Zeroes the current sensor at the present input (CurrentRaw x 16, held to
// the 16-bit field), then stores the calibration.
void ZeroCurrentSensor();

extern const uint8_t CrcTableLow[256];
extern const uint8_t CrcTableHigh[256];
uint16_t Crc16(const uint8_t* data, uint16_t length);
