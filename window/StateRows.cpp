#include "window/StateRows.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/Core.h"
#include "graphics/ShownTexts.h"
#include "host/FrontPanel.h"
#include "host/RunLoop.h"
#include "menus/FieldTable.h"
#include "scenario/DisplayTexts.h"

namespace {

constexpr uint32_t EmptyFlightTime = 0xFFFFFFFFu;

// A field of a flight-log record whose slot holds no flight.
bool InEmptyRecord(const TField& field) {
  if (field.Group != GroupFlightLog || std::strncmp(field.Name, "FlightLog[", 10) != 0)
    return false;
  const int slot = field.Name[10] - '0';
  return slot >= 0 && slot < FlightLogSlots &&
         ReadFlightRecord(static_cast<uint8_t>(slot)).FlightTime == EmptyFlightTime;
}

}  // namespace

QString FloatText(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return QString::fromLatin1(text, end - text);
}

QString ShownText(const TField& field, double value) {
  char text[48];
  FormatFieldValue(field, value, text, sizeof text);
  return QString::fromUtf8(text);
}

QString ValueText(const TField& field) {
  if (field.Type == FieldPage) {
    if (*static_cast<TPageHandler*>(field.Address) == nullptr) return "none";
    const char* name = PageName(*static_cast<TPageHandler*>(field.Address));
    return name ? QString::fromUtf8(name) : QString("(unnamed)");
  }
  if (InEmptyRecord(field)) return "empty";
  const double value = ReadField(field);
  if (field.Type == FieldF32) return FloatText(static_cast<float>(value));
  return QString::number(static_cast<qlonglong>(value));
}

QString ShownValueText(const TField& field) {
  if (InEmptyRecord(field)) return field.Show == ShowNumber ? QString() : QString("EMPTY");
  return ShownText(field, ReadField(field));
}

namespace {

QString Shown(const TField& field, double value) { return ShownText(field, value); }
QString ShownNow(const TField& field) { return ShownValueText(field); }

// A number typed by the user, or one of the field's texts ("ON", "°F").
bool ParseValue(const TField& field, const QString& text, double& value) {
  bool ok = false;
  value = text.toDouble(&ok);
  if (ok) return std::isfinite(value);
  if (field.Show == ShowChoice)
    for (int i = 0; i < 2; ++i)
      if (text.compare(QString::fromUtf8(field.Texts[i]), Qt::CaseInsensitive) == 0) {
        value = i;
        return true;
      }
  return false;
}

// Writes what the user typed through the table's range check, as the front
// panel's change (the recorder and a playback hear of it); the reason for a
// refusal names the field, and nothing is written then.
QString WriteText(const TField& field, const QString& text) {
  const QString name = QString::fromUtf8(field.Name);
  double min = 0, max = 0;
  FieldRange(field, min, max);
  const QString range = field.Show == ShowNumber ? QString("%1..%2").arg(min).arg(max)
                                                 : QString("%1..%2 (%3 to %4)")
                                                       .arg(min)
                                                       .arg(max)
                                                       .arg(Shown(field, min), Shown(field, max));
  double value = 0;
  if (!ParseValue(field, text, value)) {
    const QString choices = field.Show == ShowChoice ? QString(" or %1/%2")
                                                           .arg(QString::fromUtf8(field.Texts[0]),
                                                                QString::fromUtf8(field.Texts[1]))
                                                     : QString();
    return QString("%1 takes a number in %2%3; \"%4\" is not one. Nothing written.")
        .arg(name, range, choices, text);
  }
  switch (PanelSetField(field, value)) {
    case FieldWritten:
      return {};
    case FieldReadOnly:
      return QString("%1 is read-only. Nothing written.").arg(name);
    case FieldOutOfRange:
      return QString("%1 takes %2; %3 is outside. Nothing written.").arg(name, range, text);
    case FieldNotWhole:
      return QString("%1 takes whole numbers in %2; %3 is not one. Nothing written.")
          .arg(name, range, text);
    case FieldOffStep:
      return QString("%1 takes steps of %2 from %3; %4 is between them. Nothing written.")
          .arg(name)
          .arg(field.Step)
          .arg(min)
          .arg(text);
  }
  return QString("%1 was not written.").arg(name);
}

TStateRow TableRow(const QString& group, const TField& field) {
  TStateRow row{group, QString::fromUtf8(field.Name), [&field] { return ValueText(field); }};
  if (field.Show != ShowNumber && field.Show != ShowPageName)
    row.Shown = [&field] { return ShownNow(field); };
  if (field.Settable) row.Write = [&field](const QString& text) { return WriteText(field, text); };
  return row;
}

QString DateTimeText(const TDateTime& t) {
  return QString::asprintf("%04u-%02u-%02u %02u:%02u:%02u", t.Year, t.Month, t.Day, t.Hour,
                           t.Minute, t.Second);
}

// Each alarm bit by name: clear, active (the lamp is red for it), or
// acknowledged (set, and the pilot has seen it); then the lamp.
void AddAlarmRows(std::vector<TStateRow>& rows) {
  const std::pair<const char*, uint32_t> bits[] = {{"AlarmVolts", AlarmVolts},
                                                   {"AlarmCurrent", AlarmCurrent},
                                                   {"AlarmOat", AlarmOat},
                                                   {"Alarm 0x08 (unassigned)", AlarmUnassigned},
                                                   {"AlarmCountdown", AlarmCountdown},
                                                   {"AlarmClock", AlarmClock}};
  for (const auto& [name, bit] : bits)
    rows.push_back({"Alarms", name, [bit] {
                      if ((AlarmFlags & bit) == 0) return QString("clear");
                      return QString((AlarmAcknowledged & bit) ? "acknowledged" : "active");
                    }});
  rows.push_back({"Alarms", "Lamp", [] { return QString(AlarmLampRed() ? "red" : "dark red"); }});
}

// The five records newest first, as the log viewer lists them.
void AddFlightLogRows(std::vector<TStateRow>& rows) {
  for (int p = 0; p < FlightLogSlots; ++p)
    rows.push_back({"Flight log", QString("Record %1 of 5").arg(p + 1), [p] {
                      const int slot = FlightLogHead >= p ? FlightLogHead - p
                                                          : FlightLogSlots - (p - FlightLogHead);
                      if (slot < 0 || slot >= FlightLogSlots) return QString("no slot");
                      const TFlightLogRecord r = ReadFlightRecord(static_cast<uint8_t>(slot));
                      const QString where = QString("slot %1: ").arg(slot);
                      if (r.FlightTime == 0xFFFFFFFFu) return where + "EMPTY";
                      const QString name = QString("FlightLog[%1].FlightTime").arg(slot);
                      return where + DateTimeText(SecondsToDate(r.StartSeconds)) + ", " +
                             ShownNow(*FindField(name.toUtf8().constData()));
                    }});
}

// The texts the last pass drew, read again only when the record changed.
const std::vector<TDisplayText>& TextsNow() {
  static TShownTexts seen{};
  static std::vector<TDisplayText> texts;
  if (std::memcmp(&seen, &ShownTexts, sizeof seen) != 0) {
    std::memcpy(&seen, &ShownTexts, sizeof seen);
    texts = DisplayTexts();
  }
  return texts;
}

// The texts in the order drawn: the text, and where its character cells
// begin (x, the top row y); slots not used are empty.
void AddDisplayRows(std::vector<TStateRow>& rows) {
  rows.push_back({"Display", "Texts drawn", [] {
                    QString count = QString::number(TextsNow().size());
                    if (ShownTexts.Dropped > 0)
                      count += QString(", %1 more not kept").arg(ShownTexts.Dropped);
                    return count;
                  }});
  for (int i = 0; i < ShownTextSlots; ++i) {
    const auto text = [i]() -> const TDisplayText* {
      const auto& texts = TextsNow();
      return i < static_cast<int>(texts.size()) ? &texts[i] : nullptr;
    };
    rows.push_back({"Display", QString("Text %1").arg(i + 1),
                    [text] {
                      const TDisplayText* t = text();
                      return t ? "\"" + QString::fromStdString(t->Text) + "\"" : QString();
                    },
                    [text] {
                      const TDisplayText* t = text();
                      return t ? QString("at (%1, %2)").arg(t->X).arg(t->Y) : QString();
                    }});
  }
}

}  // namespace

const std::vector<QString>& InspectorGroups() {
  // In the order of the table's groups.
  static const std::vector<QString> groups = {"Page",       "Inputs",   "Readings",    "Alarms",
                                              "Time",       "Settings", "Calibration", "MinMax",
                                              "Flight log", "Display"};
  return groups;
}

std::vector<TStateRow> InspectorRows() {
  std::vector<TStateRow> rows;
  for (uint16_t i = 0; i < FieldCount; ++i)
    rows.push_back(TableRow(InspectorGroups().at(Fields[i].Group), Fields[i]));
  // Fields that belong to two groups appear in both.
  const std::pair<const char*, const char*> alsoIn[] = {{"Page", "Settings.HomeView"},
                                                        {"Time", "Settings.UtcOffset"},
                                                        {"Flight log", "FlightTimeCount"}};
  for (const auto& [group, name] : alsoIn) rows.push_back(TableRow(group, *FindField(name)));
  AddAlarmRows(rows);
  rows.push_back({"Time", "UtcTime", [] { return DateTimeText(UtcTime); }});
  rows.push_back({"Time", "LocalTime", [] { return DateTimeText(LocalTime); }});
  AddFlightLogRows(rows);
  AddDisplayRows(rows);
  return rows;
}
