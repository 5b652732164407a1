// What the inspector's rows say, without the window: values as stored,
// values as the instrument shows them, and empty flight-log slots.
#include <gtest/gtest.h>

#include <QStringList>
#include <cstring>

#include "core/Core.h"
#include "menus/FieldTable.h"
#include "support/Instrument.h"
#include "window/StateRows.h"

namespace {

const TField& Field(const char* name) {
  const TField* field = FindField(name);
  EXPECT_NE(field, nullptr) << name;
  return field ? *field : Fields[0];
}

TEST(StateRows, FloatsKeepOnlyTheDigitsTheyHave) {
  const struct {
    float value;
    const char* text;
  } cases[] = {{0.0033f, "0.0033"},
               {-0.0033f, "-0.0033"},
               {0.99f, "0.99"},
               {1.0f, "1"},
               {0.0f, "0"},
               {-1.7146428f, "-1.7146428"},
               {0.1f + 0.2f, "0.3"},
               {1e-7f, "1e-07"},
               {3.4028235e38f, "3.4028235e+38"},
               {0.30000001f, "0.3"},
               {0.30000004f, "0.30000004"}};
  for (const auto& c : cases) EXPECT_EQ(FloatText(c.value).toStdString(), c.text) << c.value;
}

TEST(StateRows, ValuesShowAsOnTheDisplay) {
  test::ResetInstrument();
  const struct {
    const char* name;
    double value;
    const char* shown;
  } cases[] = {
      {"Settings.GNegAlarm", -70, "-7.0 g"},
      {"Settings.GPosAlarm", 5, "0.5 g"},
      {"Settings.GPosCycle", 300, "30.0 g"},
      {"GForce", 0.99, "1.0 g"},
      {"GForce", -1.71, "-1.7 g"},
      {"MinMax.GMin", -0.04, "-0.0 g"},
      {"AxisG[0]", 0.99, "0.99 g"},
      {"AxisG[2]", -0.9899999, "-0.99 g"},
      {"Settings.VoltsHighAlarm", 150, "15.0 V"},
      {"StopwatchCount", 36005, "01:00:00.5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShownText(Field(c.name), c.value).toStdString(), c.shown) << c.name;
}

TEST(StateRows, CalibrationScalesShowTheirDefaultAsWritten) {
  test::ResetInstrument();
  LoadDefaultCalibration();
  EXPECT_EQ(ValueText(Field("Calibration.Axis[0].AxisPosScale")).toStdString(), "0.0033");
  EXPECT_EQ(ValueText(Field("Calibration.Axis[2].AxisNegScale")).toStdString(), "-0.0033");
}

void WriteRecord(uint8_t slot, uint32_t start, uint32_t time) {
  uint8_t* record = NonVolatileStore + FlightLogBase + 16 * slot;
  std::memcpy(record + 4, &start, 4);
  std::memcpy(record + 8, &time, 4);
}

TEST(StateRows, EmptyFlightLogSlotsShowEmptyAndFilledOnesTheirFlight) {
  test::ResetInstrument();
  WriteRecord(2, 1'800'000'000u, 36005);  // 2027-01-15 08:00:00, an hour and half a second
  WriteRecord(3, 0, 0);                   // a flight of nothing at the epoch is not empty
  const struct {
    const char* name;
    const char* value;
    const char* shown;
  } cases[] = {
      {"FlightLog[0].FlightTime", "empty", "EMPTY"},
      {"FlightLog[0].StartSeconds", "empty", ""},
      {"FlightLog[4].FlightTime", "empty", "EMPTY"},
      {"FlightLog[2].FlightTime", "36005", "01:00:00.5"},
      {"FlightLog[2].StartSeconds", "1800000000", "1800000000"},
      {"FlightLog[3].FlightTime", "0", "00:00:00.0"},
      {"FlightLog[3].StartSeconds", "0", "0"},
  };
  for (const auto& c : cases) {
    const TField& field = Field(c.name);
    EXPECT_EQ(ValueText(field).toStdString(), c.value) << c.name;
    if (field.Show != ShowNumber) {
      EXPECT_EQ(ShownValueText(field).toStdString(), c.shown) << c.name;
    }
  }
}

// The Display group lists the texts the last pass drew, in the order drawn,
// and leaves the slots not used empty.
TEST(StateRows, TheDisplayGroupListsTheTextsOfTheLastPass) {
  test::ResetInstrument();
  test::PowerOnAt();
  test::Pass();
  QStringList listed;
  for (const TStateRow& row : InspectorRows())
    if (row.Group == "Display" && !row.Value().isEmpty())
      listed << row.Name + " " + row.Value() + " " + (row.Shown ? row.Shown() : "");
  ASSERT_GE(listed.size(), 3);
  EXPECT_EQ(listed[0], QString("Texts drawn %1 ").arg(listed.size() - 1));
  EXPECT_EQ(listed[1], "Text 1 \"LCL\" at (0, 1)");
}

// Every row of a fresh instrument: no raw marks of empty records, no float
// noise, no capital G.
TEST(StateRows, NoRowShowsStorageNoise) {
  test::ResetInstrument();
  test::PowerOnAt();
  for (const TStateRow& row : InspectorRows()) {
    const QString value = row.Value();
    const QString shown = row.Shown ? row.Shown() : QString();
    SCOPED_TRACE(row.Name.toStdString() + " = " + value.toStdString() + " / " +
                 shown.toStdString());
    for (const char* noise : {"4294967295", "119304", "9999999"}) {
      EXPECT_FALSE(value.contains(noise));
      EXPECT_FALSE(shown.contains(noise));
    }
    EXPECT_FALSE(shown.endsWith(" G"));
  }
}

}  // namespace
