#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/FieldRanges.h"
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

// Every line of the ranges list, under the name the field table gives it.
const struct {
  const char* Name;
  TRange Range;
} ListedRanges[] = {
#define LISTED(name, field, bottom, top, step) {#field, {bottom, top, step}},
    FIELD_RANGES(LISTED)
#undef LISTED
};

TEST(FieldTable, ListedFieldsTakeTheirRangeAndStepsAndNothingElse) {
  test::PowerOnAt();
  Settings.OatUnit = 0;  // the OAT levels are listed in Celsius
  for (const auto& listed : ListedRanges) {
    const TField* field = FindField(listed.Name);
    ASSERT_NE(field, nullptr) << listed.Name;
    const TRange& range = listed.Range;
    EXPECT_EQ(WriteField(*field, range.Bottom - 1), FieldOutOfRange) << listed.Name;
    EXPECT_EQ(WriteField(*field, range.Top + 1), FieldOutOfRange) << listed.Name;
    EXPECT_EQ(WriteField(*field, range.Top), FieldWritten) << listed.Name;
    EXPECT_EQ(ReadField(*field), range.Top) << listed.Name;
    if (range.Step > 1) {
      EXPECT_EQ(WriteField(*field, range.Bottom + range.Step / 2), FieldOffStep) << listed.Name;
      EXPECT_EQ(WriteField(*field, range.Bottom + range.Step), FieldWritten) << listed.Name;
    }
    EXPECT_EQ(WriteField(*field, range.Bottom), FieldWritten) << listed.Name;
    EXPECT_EQ(ReadField(*field), range.Bottom) << listed.Name;
  }
}

TEST(FieldTable, ChoicesTakeTheirTwoStatesByNumberOnly) {
  test::PowerOnAt();
  int choices = 0;
  for (uint16_t i = 0; i < FieldCount; ++i) {
    const TField& field = Fields[i];
    if (field.Show != ShowChoice) continue;
    ++choices;
    EXPECT_TRUE(field.Settable) << field.Name;
    EXPECT_EQ(WriteField(field, 2), FieldOutOfRange) << field.Name;
    EXPECT_EQ(WriteField(field, 1), FieldWritten) << field.Name;
    EXPECT_EQ(WriteField(field, 0), FieldWritten) << field.Name;
  }
  // 18 switches and four two-way choices.
  EXPECT_EQ(choices, 22);
}

TEST(FieldTable, OatLevelsFollowTheUnit) {
  test::PowerOnAt();
  const TField& oatHigh = *FindField("Settings.OatHighAlarm");
  Settings.OatUnit = 0;
  EXPECT_EQ(WriteField(oatHigh, OatHighAlarmRange.Top + 1), FieldOutOfRange);
  EXPECT_EQ(WriteField(oatHigh, OatHighAlarmRange.Bottom - 1), FieldOutOfRange);
  Settings.OatUnit = 1;
  EXPECT_EQ(WriteField(oatHigh, OatLevelFahrenheitRange.Top), FieldWritten);
  EXPECT_EQ(WriteField(oatHigh, OatLevelFahrenheitRange.Bottom), FieldWritten);
  EXPECT_EQ(WriteField(oatHigh, OatLevelFahrenheitRange.Top + 1), FieldOutOfRange);
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
  EXPECT_EQ(shown("Settings.GNegAlarm"), "-7.0 g");
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
