#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "menus/FieldTable.h"
#include "support/Instrument.h"

namespace {

// Marks every byte of a record's fields (not its padding), then unmarks the
// bytes of each table row inside it: a byte left marked belongs to a field
// the table misses; a row over an unmarked byte overlaps another row.
template <typename T>
void ExpectCovered(T& record, const char* prefix) {
  const T saved = record;
  std::memset(&record, 0xFF, sizeof record);
  __builtin_clear_padding(&record);
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  const size_t sizes[] = {1, 1, 2, 2, 4, 4, 4, sizeof(TPageHandler)};
  for (uint16_t i = 0; i < FieldCount; ++i) {
    const auto* at = static_cast<uint8_t*>(Fields[i].Address);
    if (at < bytes || at >= bytes + sizeof record) continue;
    EXPECT_EQ(std::strncmp(Fields[i].Name, prefix, std::strlen(prefix)), 0) << Fields[i].Name;
    for (size_t b = 0; b < sizes[Fields[i].Type]; ++b) {
      EXPECT_EQ(at[b], 0xFF) << Fields[i].Name << " overlaps another row";
      const_cast<uint8_t*>(at)[b] = 0;
    }
  }
  for (size_t b = 0; b < sizeof record; ++b) EXPECT_EQ(bytes[b], 0) << prefix << " byte " << b;
  record = saved;
}

TEST(FieldTable, CoversEveryFieldOfTheRecords) {
  ExpectCovered(Settings, "Settings.");
  ExpectCovered(Calibration, "Calibration.");
  ExpectCovered(MinMax, "MinMax.");
}

// The settable settings and their ranges as the settings table gives them
// (switches and two-way choices 0..1).
const struct {
  const char* Name;
  int Min, Max;
} SettingRanges[] = {
    {"BacklightMode", 0, 1},
    {"BacklightLevel", 10, 100},
    {"BacklightThreshold", 100, 4000},
    {"BacklightDim", 10, 100},
    {"BacklightBright", 10, 100},
    {"SecurityEnabled", 0, 1},
    {"SecurityCode", 0, 9999},
    {"HomeView", 0, 7},
    {"FlightTimerDisplay", 0, 1},
    {"FlightTimerMode", 0, 1},
    {"GNegAlarm", -300, -1},
    {"GPosAlarm", 5, 300},
    {"GNegAlarmOn", 0, 1},
    {"GPosAlarmOn", 0, 1},
    {"GNegCycle", -300, -1},
    {"GPosCycle", 5, 300},
    {"CountdownPresetHours", 0, 23},
    {"CountdownPresetMinutes", 0, 59},
    {"CountdownPresetSeconds", 0, 59},
    {"AlarmClockOn", 0, 1},
    {"AlarmClockHour", 0, 23},
    {"AlarmClockMinute", 0, 59},
    {"AlarmClockSecond", 0, 59},
    {"UtcDisplay", 0, 1},
    {"StopwatchDisplay", 0, 1},
    {"AlarmClockDisplay", 0, 1},
    {"CountdownDisplay", 0, 1},
    {"VoltsDisplayMax", 100, 300},
    {"VoltsDisplayMin", 0, 300},
    {"VoltsLowAlarm", 0, 300},
    {"VoltsHighAlarm", 100, 300},
    {"VoltsLowAlarmOn", 0, 1},
    {"VoltsHighAlarmOn", 0, 1},
    {"VoltsLowCaution", 0, 300},
    {"VoltsHighCaution", 100, 300},
    {"CurrentDisplay", 0, 1},
    {"CurrentLowAlarm", -100, 100},
    {"CurrentLowAlarmOn", 0, 1},
    {"CurrentHighAlarm", -100, 100},
    {"CurrentLowCaution", -100, 100},
    {"CurrentHighCaution", -100, 100},
    {"CurrentHighAlarmOn", 0, 1},
    {"CurrentGain", 1, 1000},
    {"OatDisplay", 0, 1},
    {"OatLowAlarmOn", 0, 1},
    {"OatHighAlarmOn", 0, 1},
    {"OatUnit", 0, 1},
    {"SlipDisplay", 0, 1},
    {"SlipSense", 0, 1},
};

TEST(FieldTable, SettingsTakeTheirRangeAndNothingBeyond) {
  test::PowerOnAt();
  for (const auto& range : SettingRanges) {
    const TField* field = FindField(("Settings." + std::string(range.Name)).c_str());
    ASSERT_NE(field, nullptr) << range.Name;
    EXPECT_EQ(WriteField(*field, range.Min - 1), FieldOutOfRange) << range.Name;
    EXPECT_EQ(WriteField(*field, range.Max + 1), FieldOutOfRange) << range.Name;
    EXPECT_EQ(WriteField(*field, range.Max), FieldWritten) << range.Name;
    EXPECT_EQ(WriteField(*field, range.Min), FieldWritten) << range.Name;
    EXPECT_EQ(ReadField(*field), range.Min) << range.Name;
  }
  // The offset moves in half hours; the OAT levels follow the unit.
  const TField& offset = *FindField("Settings.UtcOffset");
  EXPECT_EQ(WriteField(offset, -780), FieldWritten);
  EXPECT_EQ(WriteField(offset, 45), FieldOffStep);
  EXPECT_EQ(WriteField(offset, 810), FieldOutOfRange);
  const TField& oatHigh = *FindField("Settings.OatHighAlarm");
  Settings.OatUnit = 0;
  EXPECT_EQ(WriteField(oatHigh, 151), FieldOutOfRange);
  Settings.OatUnit = 1;
  EXPECT_EQ(WriteField(oatHigh, 302), FieldWritten);
  EXPECT_EQ(WriteField(oatHigh, 2.5), FieldNotWhole);
  EXPECT_EQ(WriteField(*FindField("Volts"), 100), FieldReadOnly);
}

TEST(FieldTable, ShowsValuesAsTheInstrumentDoes) {
  test::PowerOnAt();
  char text[32];
  const auto shown = [&](const char* name) {
    FormatField(*FindField(name), text, sizeof text);
    return std::string(text);
  };
  EXPECT_EQ(shown("Settings.VoltsHighAlarm"), "15.0 V");
  EXPECT_EQ(shown("Settings.GNegAlarm"), "-7.0 G");
  EXPECT_EQ(shown("Settings.OatUnit"), "°C");
  EXPECT_EQ(shown("Settings.VoltsHighAlarmOn"), "ON");
  EXPECT_EQ(shown("Settings.SecurityCode"), "6283");
  Settings.UtcOffset = -570;
  EXPECT_EQ(shown("Settings.UtcOffset"), "-09:30");
  StopwatchCount = 36005;
  EXPECT_EQ(shown("StopwatchCount"), "01:00:00.5");
  EXPECT_EQ(shown("PageHandler"), "HomePage");
  for (uint16_t i = 0; i < PageNameCount; ++i)
    EXPECT_EQ(FindPage(PageName(PageNames[i].Handler)), PageNames[i].Handler);
}

}  // namespace
