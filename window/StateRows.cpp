#include "window/StateRows.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/Core.h"
#include "graphics/ShownTexts.h"
#include "host/FrontPanel.h"
#include "host/RunLoop.h"
#include "menus/FieldTable.h"
#include "menus/FieldText.h"
#include "scenario/DisplayTexts.h"

QString FloatText(float value) {
  char text[32];
  FieldFloatText(value, text, sizeof text);
  return QString::fromLatin1(text);
}

QString ShownText(const TField& field, double value) {
  char text[48];
  FormatFieldValue(field, value, text, sizeof text);
  return QString::fromUtf8(text);
}

QString ValueText(const TField& field) {
  char text[48];
  FieldValueText(field, text, sizeof text);
  return QString::fromUtf8(text);
}

QString ShownValueText(const TField& field) {
  char text[48];
  FieldShownText(field, text, sizeof text);
  return QString::fromUtf8(text);
}

namespace {

QString ShownNow(const TField& field) { return ShownValueText(field); }

// Writes what the user typed through the table's range check, as the front
// panel's change (the recorder and a playback hear of it); the reason for a
// refusal names the field, and nothing is written then.
QString WriteText(const TField& field, const QString& text) {
  char message[512];
  if (EditField(field, text.toUtf8().constData(), PanelSetField, message, sizeof message))
    return {};
  return QString::fromUtf8(message);
}

TStateRow TableRow(const QString& group, const TField& field) {
  TStateRow row{group, QString::fromUtf8(field.Name), [&field] { return ValueText(field); }};
  if (FieldHasShown(field)) row.Shown = [&field] { return ShownNow(field); };
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
  static const std::vector<QString> groups = [] {
    std::vector<QString> names;
    for (int g = GroupPage; g <= GroupFlightLog; ++g)
      names.push_back(FieldGroupName(static_cast<TFieldGroup>(g)));
    names.push_back("Display");
    return names;
  }();
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
