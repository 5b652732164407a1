// The settings, calibration and minimum/maximum records and their defaults.
#include "core/Settings.h"

#include "core/Sensors.h"

TSettings Settings;
TCalibration Calibration;
TMinMax MinMax;

namespace {

constexpr TSettings DefaultSettings = {
    .BacklightMode = 0,
    .BacklightLevel = 100,
    .BacklightThreshold = 300,
    .BacklightDim = 10,
    .BacklightBright = 100,
    .SecurityEnabled = 0,
    .SecurityCode = 6283,
    .HomeView = 0,
    .FlightTimerDisplay = 1,
    .FlightTimerMode = 0,
    .GNegAlarm = -70,
    .GPosAlarm = 70,
    .GNegAlarmOn = 1,
    .GPosAlarmOn = 1,
    .GNegCycle = -50,
    .GPosCycle = 50,
    // UtcOffset through AlarmClockSecond start cleared.
    .UtcOffset = 0,
    .CountdownPresetHours = 0,
    .CountdownPresetMinutes = 0,
    .CountdownPresetSeconds = 0,
    .AlarmClockOn = 0,
    .AlarmClockHour = 0,
    .AlarmClockMinute = 0,
    .AlarmClockSecond = 0,
    .UtcDisplay = 1,
    .StopwatchDisplay = 1,
    .AlarmClockDisplay = 1,
    .CountdownDisplay = 1,
    .VoltsDisplayMax = 200,
    .VoltsDisplayMin = 80,
    .VoltsLowAlarm = 100,
    .VoltsHighAlarm = 150,
    .VoltsLowAlarmOn = 1,
    .VoltsHighAlarmOn = 1,
    .VoltsLowCaution = 110,
    .VoltsHighCaution = 140,
    .CurrentDisplay = 1,
    .CurrentLowAlarm = -40,
    .CurrentLowAlarmOn = 1,
    .CurrentHighAlarm = 40,
    .CurrentLowCaution = -30,
    .CurrentHighCaution = 30,
    .CurrentHighAlarmOn = 1,
    .CurrentGain = 100,
    .OatDisplay = 1,
    .OatLowAlarm = 0,
    .OatHighAlarm = 60,
    .OatLowAlarmOn = 1,
    .OatHighAlarmOn = 1,
    .OatLowCaution = 10,
    .OatHighCaution = 50,
    .OatUnit = 0,
    .SlipDisplay = 1,
    .SlipSense = 0,
    .SlipZero = 0,
};

// 0.0033 g per count, rounded to single precision (bits 0x3B5844D0 and
// 0xBB5844D0), written as exact hexadecimal literals.
constexpr float DefaultPosScale = 0x1.B089Ap-9f;
constexpr float DefaultNegScale = -0x1.B089Ap-9f;
constexpr TAxisCalibration DefaultAxis = {0, DefaultPosScale, DefaultNegScale};

constexpr TCalibration DefaultCalibration = {
    .VoltsCalPercent = 100,
    .OatCalOffset = 0,
    .Axis = {DefaultAxis, DefaultAxis, DefaultAxis},
    .CurrentZero = 0x8000,  // count 2048, the middle of the range
};

}  // namespace

void LoadDefaultSettings() {
  Settings = DefaultSettings;
  StoreSettings();
}

void LoadDefaultCalibration() { Calibration = DefaultCalibration; }

const TSettings& GetDefaultSettings() { return DefaultSettings; }
const TCalibration& GetDefaultCalibration() { return DefaultCalibration; }

void ResetAllMinMax() {
  MinMax.VoltsMin = MinMax.VoltsMax = Volts;
  MinMax.OatMin = MinMax.OatMax = Oat;
  MinMax.CurrentMin = MinMax.CurrentMax = Current;
  MinMax.GMin = MinMax.GMax = GForce;
  MinMax.GNegCycles = MinMax.GPosCycles = 0;
  StoreMinMax();
}

void ResetGMinMax() {
  MinMax.GMin = MinMax.GMax = GForce;
  MinMax.GNegCycles = MinMax.GPosCycles = 0;
  StoreMinMax();
}

void ResetRecords() {
  Settings = TSettings{};
  Calibration = TCalibration{};
  MinMax = TMinMax{};
}
