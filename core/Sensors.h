// Converter inputs, the readings made from them, and the alarm words.
#pragma once
#include <cstdint>

struct TAxisCalibration;
struct TCalibration;
struct TSettings;

// Converter inputs written by the simulator's controls.
extern uint16_t VoltsInput;
extern uint16_t CurrentInput;
extern uint16_t OatInput;
extern uint8_t AccelRegisters[6];  // X low, X high, Y low, Y high, Z low, Z high
// Inputs that no control feeds; they read 0.
extern uint16_t FtInput;
extern uint16_t LightSensorReading;

// Readings, rewritten on every pass.
extern uint16_t VoltsRaw;
extern uint16_t OatRaw;
extern uint16_t CurrentRaw;
extern uint16_t Volts;  // tenths of a volt
extern int16_t OatCelsius;
extern int16_t Oat;  // degrees of OatUnit
extern int16_t CurrentTenths;
extern int16_t Current;  // whole amperes
extern int32_t AxisHistory[3][4];
extern int16_t AxisCount[3];
extern float AxisG[3];
extern float GForce;  // g, carrying the sign of the X axis
extern int16_t SlipCount;
extern uint8_t GNegCycleLatch;
extern uint8_t GPosCycleLatch;

// Alarm words and their bits.
constexpr uint32_t AlarmVolts = 0x01;
constexpr uint32_t AlarmCurrent = 0x02;
constexpr uint32_t AlarmOat = 0x04;
constexpr uint32_t AlarmUnassigned = 0x08;
constexpr uint32_t AlarmCountdown = 0x10;
constexpr uint32_t AlarmClock = 0x20;
constexpr uint32_t AlarmAllBits = 0x3F;
extern uint32_t AlarmFlags;
extern uint32_t AlarmAcknowledged;

// Program start: inputs, readings, axis history and alarm words at 0.
void ResetSensors();
void ResetAcceleration();

void ConvertVolts();
void ConvertOat();
void ConvertCurrent();
void ConvertAcceleration();
int16_t CelsiusToFahrenheit(int16_t celsius);

// The conversions' arithmetic alone, under the given records: what a count
// reads as, leaving the readings, alarms, minima and maxima alone.
uint16_t CountToVolts(uint16_t count, const TCalibration& calibration);  // tenths of a volt
int16_t CountToOatCelsius(uint16_t count, const TCalibration& calibration);
int16_t CelsiusToOat(int16_t celsius, const TSettings& settings);  // degrees of OatUnit
int16_t CountToCurrentTenths(uint16_t count, const TCalibration& calibration,
                             const TSettings& settings);
float CountToAxisG(int16_t count, const TAxisCalibration& axis);  // g of an averaged count

// Slip deflection shown by the slip ball: SlipCount - SlipZero, doubled on
// HIGH sensitivity, limited to -50..50.
int16_t SlipDeflection();
