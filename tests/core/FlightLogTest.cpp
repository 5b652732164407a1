// Flight timer and the five-slot flight log.
#include <gtest/gtest.h>

#include <cstring>

#include "support/Instrument.h"

namespace {

uint16_t BlankCrc() {
  const uint8_t erased[12] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  return Crc16(erased, 12);
}

void ExpectBlank(const TFlightLogRecord& record) {
  EXPECT_EQ(record.Reserved, 0xFFFFFFFFu);
  EXPECT_EQ(record.StartSeconds, 0xFFFFFFFFu);
  EXPECT_EQ(record.FlightTime, 0xFFFFFFFFu);
  EXPECT_EQ(record.Crc, BlankCrc());
}

// Every position of the log viewer, newest first, reads as empty.
void ExpectEveryPositionEmpty() {
  for (int position = 0; position < FlightLogSlots; ++position) {
    int slot = FlightLogHead - position;
    if (slot < 0) slot += FlightLogSlots;
    SCOPED_TRACE(position);
    ExpectBlank(ReadFlightRecord(uint8_t(slot)));
  }
}

TEST(FlightLogStore, ErasedWhenTheProgramStarts) {
  // Whatever a previous run left behind is gone.
  std::memset(NonVolatileStore, 0x5A, sizeof NonVolatileStore);
  FlightLogHead = 3;
  ResetProgramState();
  EXPECT_EQ(FlightLogHead, 0);
  for (uint8_t slot = 0; slot < FlightLogSlots; ++slot) {
    const uint8_t* bytes = NonVolatileStore + FlightLogBase + 16 * slot;
    for (int i = 0; i < 12; ++i) ASSERT_EQ(bytes[i], 0xFF) << int(slot) << " " << i;
    EXPECT_EQ(Crc16(bytes, 12), BlankCrc());
    EXPECT_EQ(bytes[12] | bytes[13] << 8, BlankCrc());  // little-endian
    ExpectBlank(ReadFlightRecord(slot));
  }
  EXPECT_EQ(BlankCrc(), 0x3183);
}

TEST(FlightLogStore, FlightsLeaveEveryPositionEmpty) {
  test::PowerOnAt();
  for (int flight = 0; flight < 7; ++flight) {
    StartFlight();
    test::Tick(50);
    test::Pass();
    StopFlight();
    test::Pass();
  }
  EXPECT_EQ(FlightTimeCount, 350u);
  ExpectEveryPositionEmpty();
  EXPECT_EQ(FlightLogHead, 0);
}

TEST(FlightLogStore, EraseRestoresBlankRecordsAndClearsTheFlightTime) {
  test::PowerOnAt();
  StartFlight();
  test::Tick(1234);
  StopFlight();
  // Whatever the store held before, and the newest slot moved.
  for (uint8_t i = 0; i < 80; ++i) NonVolatileStore[FlightLogBase + i] = i;
  FlightLogHead = 3;
  EraseFlightLog();
  EXPECT_EQ(FlightTimeCount, 0u);
  EXPECT_EQ(FlightLogHead, 0);
  EXPECT_EQ(FlightTimerRunning, 0);
  for (uint8_t slot = 0; slot < FlightLogSlots; ++slot) ExpectBlank(ReadFlightRecord(slot));
  ExpectEveryPositionEmpty();
}

TEST(FlightLogStore, SlotsBeyondTheLogReadEmpty) {
  test::PowerOnAt();
  ExpectBlank(ReadFlightRecord(5));
  ExpectBlank(ReadFlightRecord(255));
}

TEST(FlightLogStore, RecordsAreReadLittleEndian) {
  test::PowerOnAt();
  uint8_t* bytes = NonVolatileStore + FlightLogBase + 16 * 4;
  const uint8_t record[16] = {1, 2, 3, 4, 0x80, 0x4E, 0xB5, 0x69, 0x70, 0x17, 0, 0, 0x34, 0x12};
  for (int i = 0; i < 16; ++i) bytes[i] = record[i];
  const TFlightLogRecord read = ReadFlightRecord(4);
  EXPECT_EQ(read.Reserved, 0x04030201u);
  EXPECT_EQ(read.StartSeconds, 0x69B54E80u);
  EXPECT_EQ(read.FlightTime, 6000u);
  EXPECT_EQ(read.Crc, 0x1234);
  EXPECT_EQ(read.Unused, 0);
  EraseFlightLog();
}

TEST(FlightTimer, ContinuesFromTheStoppedCount) {
  test::PowerOnAt();
  StartFlight();
  EXPECT_EQ(FlightTimerRunning, 1);
  test::Tick(6000);
  StopFlight();
  EXPECT_EQ(FlightTimerRunning, 0);
  EXPECT_EQ(FlightTimeCount, 6000u);  // 00:10:00
  test::Tick(100);
  EXPECT_EQ(FlightTimeCount, 6000u);
  StartFlight();
  test::Tick(5);
  EXPECT_EQ(FlightTimeCount, 6005u);
  StartFlight();  // starting twice changes nothing
  EXPECT_EQ(FlightTimeCount, 6005u);
}

}  // namespace
