// Flight timer start and stop, and the five-slot flight log in the
// non-volatile store.
#include "core/Clock.h"
#include "core/RunState.h"
#include "core/Settings.h"

uint8_t NonVolatileStore[NonVolatileStoreSize];
uint16_t FlightLogHead;

namespace {

constexpr uint8_t RecordSize = 16;

uint8_t* SlotBytes(uint8_t slot) { return NonVolatileStore + FlightLogBase + RecordSize * slot; }

uint32_t Get32(const uint8_t* at) {
  return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

// Twelve erased bytes, their CRC, and the unused pair left erased.
void WriteBlankRecord(uint8_t* at) {
  for (uint8_t i = 0; i < RecordSize; ++i) at[i] = 0xFF;
  const uint16_t crc = Crc16(at, 12);
  at[12] = static_cast<uint8_t>(crc);
  at[13] = static_cast<uint8_t>(crc >> 8);
}

void WriteBlankLog() {
  for (uint8_t slot = 0; slot < FlightLogSlots; ++slot) WriteBlankRecord(SlotBytes(slot));
}

}  // namespace

TFlightLogRecord ReadFlightRecord(uint8_t slot) {
  uint8_t blank[RecordSize];
  const uint8_t* at = blank;
  if (slot < FlightLogSlots) {
    at = SlotBytes(slot);
  } else {
    WriteBlankRecord(blank);  // no such slot: reads as empty
  }
  TFlightLogRecord record;
  record.Reserved = Get32(at);
  record.StartSeconds = Get32(at + 4);
  record.FlightTime = Get32(at + 8);
  record.Crc = static_cast<uint16_t>(at[12] | at[13] << 8);
  record.Unused = static_cast<uint16_t>(at[14] | at[15] << 8);
  return record;
}

void StartFlight() { FlightTimerRunning = 1; }

void StopFlight() {
  StoreFlightRecord();
  FlightTimerRunning = 0;
}

void EraseFlightLog() {
  WriteBlankLog();
  FlightTimeCount = 0;
  FlightLogHead = 0;
}

void ResetFlightLog() {
  for (uint8_t& byte : NonVolatileStore) byte = 0;
  WriteBlankLog();
  FlightLogHead = 0;
}
