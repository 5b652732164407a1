// Placeholder definitions until the instrument core lands.
#include "core/Core.h"

TSettings Settings;
TCalibration Calibration;
TMinMax MinMax;
void LoadDefaultSettings() {}
void LoadDefaultCalibration() {}
void ResetAllMinMax() {}
void ResetGMinMax() {}
void LoadStoredState() {}
void StoreSettings() {}
int StoreCalibration(int value) { return value; }
void StoreMinMax() {}
void ZeroCurrentSensor() {}
const uint8_t CrcTableLow[256] = {};
const uint8_t CrcTableHigh[256] = {};
uint16_t Crc16(const uint8_t*, uint16_t) { return 0xFFFF; }

uint16_t VoltsInput, CurrentInput, OatInput, FtInput, LightSensorReading;
uint8_t AccelRegisters[6];
uint16_t VoltsRaw, OatRaw, CurrentRaw, Volts;
int16_t OatCelsius, Oat, CurrentTenths, Current, SlipCount;
int32_t AxisHistory[3][4];
int16_t AxisCount[3];
float AxisG[3];
float GForce;
uint8_t GNegCycleLatch, GPosCycleLatch;
uint32_t AlarmFlags, AlarmAcknowledged;
void ConvertVolts() {}
void ConvertOat() {}
void ConvertCurrent() {}
void ConvertAcceleration() {}
int16_t CelsiusToFahrenheit(int16_t c) { return c; }
int16_t SlipDeflection() { return 0; }

TDateTime UtcTime, LocalTime;
uint32_t LocalSeconds;
const uint16_t CumulativeDays[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
int32_t RtcTrim;
static std::time_t SystemClock() { return std::time(nullptr); }
std::time_t (*HostClock)() = SystemClock;
void UpdateClock() {}
uint32_t DateToSeconds(const TDateTime&) { return 0; }
TDateTime SecondsToDate(uint32_t) { return {}; }
uint8_t NonVolatileStore[NonVolatileStoreSize];
uint16_t FlightLogHead;
TFlightLogRecord ReadFlightRecord(uint8_t) { return {0, 0, 0xFFFFFFFFu, 0, 0}; }
void StartFlight() {}
void StopFlight() {}
void StoreFlightRecord() {}
void EraseFlightLog() {}
