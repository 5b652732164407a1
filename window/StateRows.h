// What the inspector lists: one row per firmware field or derived state, in
// its group, with how to read it, how the instrument shows it and, for the
// fields a user may set, how to write it.
#pragma once
#include <QString>
#include <functional>
#include <vector>

struct TStateRow {
  QString Group;
  QString Name;
  std::function<QString()> Value;
  // The value as the instrument shows it; empty where it shows none.
  std::function<QString()> Shown = {};
  // Writes the text typed by the user: an empty result when written, else
  // the reason it was refused (nothing is written then).
  std::function<QString(const QString&)> Write = {};
};

struct TField;

// A float with the fewest digits that still tell it from its neighbours:
// 0.0033f is "0.0033", not 0.00329999998.
QString FloatText(float value);
// A value of the field as the instrument shows it ("15.0 V", "-7.0 g").
QString ShownText(const TField& field, double value);
// The field's stored value: whole numbers in full, floats by FloatText,
// page handlers by name; a field of an empty flight-log record is "empty".
QString ValueText(const TField& field);
// The field's value now as the instrument shows it; empty where it shows
// none ("EMPTY" for the flight time of an empty record, as the log viewer).
QString ShownValueText(const TField& field);

// The groups in the order the inspector shows them.
const std::vector<QString>& InspectorGroups();
// Every row of every group, in order.
std::vector<TStateRow> InspectorRows();
