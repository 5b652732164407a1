// Volts, OAT and current: converter counts to readings, alarm bits, minima
// and maxima.
#include "core/Sensors.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "core/Settings.h"

uint16_t VoltsInput;
uint16_t CurrentInput;
uint16_t OatInput;
uint8_t AccelRegisters[6];
uint16_t FtInput;
uint16_t LightSensorReading;

uint16_t VoltsRaw;
uint16_t OatRaw;
uint16_t CurrentRaw;
uint16_t Volts;
int16_t OatCelsius;
int16_t Oat;
int16_t CurrentTenths;
int16_t Current;

uint32_t AlarmFlags;
uint32_t AlarmAcknowledged;

void ResetSensors() {
  VoltsInput = CurrentInput = OatInput = FtInput = LightSensorReading = 0;
  std::fill(std::begin(AccelRegisters), std::end(AccelRegisters), 0);
  VoltsRaw = OatRaw = CurrentRaw = Volts = 0;
  OatCelsius = Oat = CurrentTenths = Current = 0;
  AlarmFlags = AlarmAcknowledged = 0;
  ResetAcceleration();
}

namespace {

// Sets the bit while the condition holds; clears it in both words when the
// condition has gone, so that the next excursion alarms again.
void EvaluateAlarm(uint32_t bit, bool condition) {
  if (condition) {
    AlarmFlags |= bit;
  } else {
    AlarmFlags &= ~bit;
    AlarmAcknowledged &= ~bit;
  }
}

int16_t ClampToInt16(int64_t value) {
  return static_cast<int16_t>(std::clamp<int64_t>(value, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

template <typename T>
void WidenMinMax(T value, T& minimum, T& maximum) {
  if (value < minimum) {
    minimum = value;
    StoreMinMax();
  }
  if (value > maximum) {
    maximum = value;
    StoreMinMax();
  }
}

}  // namespace

uint16_t CountToVolts(uint16_t count, const TCalibration& calibration) {
  // 64 bits: a full-scale count at a high calibration overflows 16 bits many
  // times over, and any count with any percentage stays far inside 64.
  const uint64_t product = uint64_t{count} * 886u * calibration.VoltsCalPercent;
  return static_cast<uint16_t>(product / 1000000u + 9u);
}

void ConvertVolts() {
  VoltsRaw = VoltsInput;
  Volts = CountToVolts(VoltsInput, Calibration);
  EvaluateAlarm(AlarmVolts, (Volts > Settings.VoltsHighAlarm && Settings.VoltsHighAlarmOn == 1) ||
                                (Volts < Settings.VoltsLowAlarm && Settings.VoltsLowAlarmOn == 1));
  WidenMinMax(Volts, MinMax.VoltsMin, MinMax.VoltsMax);
}

int16_t CelsiusToFahrenheit(int16_t celsius) {
  return ClampToInt16(int32_t{celsius} * 18 / 10 + 32);
}

int16_t CountToOatCelsius(uint16_t count, const TCalibration& calibration) {
  return ClampToInt16(int32_t{count} * 1208 / 10000 - 273 + calibration.OatCalOffset);
}

int16_t CelsiusToOat(int16_t celsius, const TSettings& settings) {
  return settings.OatUnit == 1 ? CelsiusToFahrenheit(celsius) : celsius;
}

void ConvertOat() {
  OatRaw = OatInput;
  OatCelsius = CountToOatCelsius(OatInput, Calibration);
  Oat = CelsiusToOat(OatCelsius, Settings);
  EvaluateAlarm(AlarmOat, (Oat < Settings.OatLowAlarm && Settings.OatLowAlarmOn == 1) ||
                              (Oat > Settings.OatHighAlarm && Settings.OatHighAlarmOn == 1));
  WidenMinMax(Oat, MinMax.OatMin, MinMax.OatMax);
}

int16_t CountToCurrentTenths(uint16_t count, const TCalibration& calibration,
                             const TSettings& settings) {
  // Sixteenths of a count from the zero, then whole counts toward zero.
  const int32_t counts = (int32_t{count} * 16 - int32_t{calibration.CurrentZero}) / 16;
  return ClampToInt16(int64_t{counts} * settings.CurrentGain / 1000);
}

void ConvertCurrent() {
  CurrentRaw = CurrentInput;
  CurrentTenths = CountToCurrentTenths(CurrentInput, Calibration, Settings);
  Current = static_cast<int16_t>(CurrentTenths / 10);
  EvaluateAlarm(AlarmCurrent,
                (Current < Settings.CurrentLowAlarm && Settings.CurrentLowAlarmOn == 1) ||
                    (Current > Settings.CurrentHighAlarm && Settings.CurrentHighAlarmOn == 1));
  WidenMinMax(Current, MinMax.CurrentMin, MinMax.CurrentMax);
}

void ZeroCurrentSensor() {
  // The top count times 16 is 65536, one more than the field holds; 65535
  // still reads as 0 A there because the difference is truncated in counts.
  const uint32_t zero = uint32_t{CurrentRaw} * 16u;
  Calibration.CurrentZero = static_cast<uint16_t>(std::min<uint32_t>(zero, 0xFFFF));
  StoreCalibration(Calibration.CurrentZero);
}
