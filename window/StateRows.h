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

// The groups in the order the inspector shows them.
const std::vector<QString>& InspectorGroups();
// Every row of every group, in order.
std::vector<TStateRow> InspectorRows();
