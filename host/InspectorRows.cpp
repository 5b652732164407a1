#include "host/InspectorRows.h"

#include "core/Core.h"
#include "host/RunLoop.h"

namespace {

QString DateTimeText(const TDateTime& t) {
  return QString::asprintf("%04u-%02u-%02u %02u:%02u:%02u", t.Year, t.Month, t.Day, t.Hour,
                           t.Minute, t.Second);
}

// Each alarm bit by name: clear, active (the lamp is red for it), or
// acknowledged (set, but the pilot has seen it).
void AddAlarmRows(std::vector<TInspectorRow>& rows) {
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
  rows.push_back({"Alarms", "AlarmFlags",
                  [] { return QString::asprintf("0x%02X", static_cast<unsigned>(AlarmFlags)); }});
  rows.push_back({"Alarms", "AlarmAcknowledged", [] {
                    return QString::asprintf("0x%02X", static_cast<unsigned>(AlarmAcknowledged));
                  }});
  rows.push_back({"Alarms", "Lamp", [] { return QString(AlarmLampRed() ? "red" : "dark red"); }});
}

void AddClockRows(std::vector<TInspectorRow>& rows) {
  rows.push_back({"Time", "UtcTime", [] { return DateTimeText(UtcTime); }});
  rows.push_back({"Time", "LocalTime", [] { return DateTimeText(LocalTime); }});
}

// The five records of the log, newest first as the viewer lists them.
void AddFlightLogRows(std::vector<TInspectorRow>& rows) {
  for (int p = 0; p < FlightLogSlots; ++p)
    rows.push_back({"Flight log", QString("Record %1 of 5").arg(p + 1), [p] {
                      const int slot = FlightLogHead >= p ? FlightLogHead - p
                                                          : FlightLogSlots - (p - FlightLogHead);
                      if (slot < 0 || slot >= FlightLogSlots) return QString("no slot");
                      const TFlightLogRecord r = ReadFlightRecord(static_cast<uint8_t>(slot));
                      const QString where = QString("slot %1: ").arg(slot);
                      if (r.FlightTime == 0xFFFFFFFFu) return where + "EMPTY";
                      const TDateTime start = SecondsToDate(r.StartSeconds);
                      return where + DateTimeText(start) + ", " + TimerText(r.FlightTime);
                    }});
}

}  // namespace

QString TimerText(uint32_t count) {
  return QString::asprintf("%02u:%02u:%02u.%u", count / 36000, count % 36000 / 600,
                           count % 600 / 10, count % 10);
}

const std::vector<QString>& InspectorGroups() {
  static const std::vector<QString> groups = {"Page",        "Inputs", "Readings",
                                              "Alarms",      "Time",   "Settings",
                                              "Calibration", "MinMax", "Flight log"};
  return groups;
}

std::vector<TInspectorRow> InspectorRows() {
  std::vector<TInspectorRow> rows;
  AddAlarmRows(rows);
  AddClockRows(rows);
  AddFlightLogRows(rows);
  return rows;
}
