// UTC and local clocks, timers and the flight log.
#pragma once
#include <cstdint>

struct TDateTime {
  uint16_t DayOfYear;  // 0 for 1 January
  uint8_t Second;
  uint8_t Minute;
  uint8_t Hour;
  uint8_t Day;      // 1..31
  uint8_t Weekday;  // 0 Sunday .. 6 Saturday
  uint8_t Month;    // 1..12
  uint16_t Year;
};

extern TDateTime UtcTime;
extern TDateTime LocalTime;
extern uint32_t LocalSeconds;
extern const uint16_t CumulativeDays[13];
// Trim of the real-time clock, shown and edited on the time setup page only.
extern int32_t RtcTrim;

// The host's calendar clock in seconds since 1970 UTC, 64 bits wide on every
// host (a 32-bit time_t would end in 2038); replaceable for tests.
extern int64_t (*HostClock)();
// The system's calendar clock, the host clock at program start.
int64_t SystemClock();

// Program start: both clocks cleared, no trim, the host's system clock.
void ResetClocks();
void UpdateClock();
uint32_t DateToSeconds(const TDateTime& date);
TDateTime SecondsToDate(uint32_t seconds);

// Flight log: five 16-byte records in the non-volatile store.
struct TFlightLogRecord {
  uint32_t Reserved;
  uint32_t StartSeconds;
  uint32_t FlightTime;  // tenths of a second; 0xFFFFFFFF marks an empty record
  uint16_t Crc;
  uint16_t Unused;
};
static_assert(sizeof(TFlightLogRecord) == 16);
constexpr uint16_t FlightLogBase = 1200;
constexpr uint8_t FlightLogSlots = 5;
constexpr uint16_t NonVolatileStoreSize = FlightLogBase + 16 * FlightLogSlots;
extern uint8_t NonVolatileStore[NonVolatileStoreSize];
extern uint16_t FlightLogHead;

TFlightLogRecord ReadFlightRecord(uint8_t slot);
void StartFlight();
void StopFlight();
void StoreFlightRecord();
void EraseFlightLog();
// Program start: the store as it leaves the factory, every log slot blank
// and the newest slot 0.
void ResetFlightLog();
