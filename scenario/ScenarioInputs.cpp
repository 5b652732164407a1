#include "scenario/ScenarioInputs.h"

#include <yaml-cpp/yaml.h>

#include <cmath>
#include <set>

#include "host/PanelUnits.h"
#include "scenario/Scenario.h"

namespace {

[[noreturn]] void Fail(const YAML::Node& at, const std::string& message) {
  throw TInputStepError{std::max(at.Mark().line, 0) + 1, std::max(at.Mark().column, 0) + 1,
                        message};
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  quoted += Printable(text);
  quoted += '\'';
  return quoted;
}

std::string Scalar(const YAML::Node& node, const std::string& what) {
  if (!node.IsScalar()) Fail(node, what + " must be a single value");
  return node.Scalar();
}

// The entries of a map, each key once.
std::vector<std::pair<YAML::Node, YAML::Node>> Entries(const YAML::Node& map,
                                                       const std::string& what) {
  if (!map.IsMap()) Fail(map, what + " must be a map");
  std::vector<std::pair<YAML::Node, YAML::Node>> entries;
  std::set<std::string> seen;
  for (const auto& entry : map) {
    const std::string key = Scalar(entry.first, "a key");
    if (!seen.insert(key).second) Fail(entry.first, Quoted(key) + " is given twice in " + what);
    entries.emplace_back(entry.first, entry.second);
  }
  return entries;
}

// A decimal number at the start of text; the rest, trimmed, is its unit.
bool NumberAndUnit(const std::string& text, double& value, std::string& unit) {
  size_t used = 0;
  if (!ReadDecimal(text, value, used)) return false;
  const size_t start = text.find_first_not_of(' ', used);
  unit = start == std::string::npos ? "" : text.substr(start);
  return true;
}

// "30s", "2500ms", "1.5s" in milliseconds.
uint32_t Duration(const YAML::Node& node, const std::string& what, uint32_t longest) {
  const std::string text = Scalar(node, what);
  double value;
  std::string unit;
  if (text.empty() || !NumberAndUnit(text, value, unit) || value < 0 ||
      (unit != "s" && unit != "ms"))
    Fail(node, what + " is a duration like 30s or 2500ms, found " + Quoted(text));
  const double ms = unit == "s" ? value * 1000 : value;
  if (ms > longest) Fail(node, what + " " + text + " is too long");
  return static_cast<uint32_t>(std::llround(ms));
}

TPanelInput Sensor(const YAML::Node& key) {
  TPanelInput input;
  if (!FindPanelInput(key.Scalar().c_str(), input) || input == TPanelInput::Calibrate) {
    std::string list;
    for (uint8_t i = 0; i < PanelSensorCount; ++i)
      list += (list.empty() ? "" : ", ") + std::string(PanelInputs[i].Name);
    Fail(key, "unknown input " + Quoted(key.Scalar()) + " (known: " + list + ")");
  }
  return input;
}

}  // namespace

void ParseSetInput(const YAML::Node& value, TInputStep& step, uint32_t& ticks) {
  ticks = 0;
  for (const auto& [key, v] : Entries(value, "set-input")) {
    if (key.Scalar() == "over") {
      const uint32_t ms = Duration(v, "the ramp", LongestDelayTicks * 100);
      if (ms % 100 != 0 || ms == 0)
        Fail(v, "the ramp " + v.Scalar() + " is not a whole number of 100 ms ticks");
      ticks = ms / 100;
      continue;
    }
    const TPanelInput input = Sensor(key);
    const std::string text = Scalar(v, key.Scalar());
    // A bare number is a count.
    TPanelUnitCount count;
    char message[160];
    if (!PanelParseValue(input, text.c_str(), TPanelUnit::Counts, count, message, sizeof message))
      Fail(v, key.Scalar() + ": " + message + ", found " + Quoted(text));
    if (message[0] != '\0')
      step.Notes.push_back(std::string(PanelRow(input).Title) + ": " + message);
    step.Counts.emplace_back(input, count.Count);
  }
  if (step.Counts.empty()) Fail(value, "set-input names no input");
}

void ParsePlayLog(const YAML::Node& value, const std::string& base, bool readFiles,
                  TInputStep& step, bool& stop) {
  stop = false;
  if (value.IsScalar()) {
    if (value.Scalar() != "stop")
      Fail(value, "play-log is a map with 'file', or stop, found " + Quoted(value.Scalar()));
    stop = true;
    return;
  }
  const YAML::Node* file = nullptr;
  const YAML::Node* from = nullptr;
  const YAML::Node* to = nullptr;
  TLogColumns columns;
  const auto entries = Entries(value, "play-log");
  for (const auto& [key, v] : entries) {
    const std::string name = key.Scalar();
    if (name == "file") {
      file = &v;
    } else if (name == "from") {
      from = &v;
    } else if (name == "to") {
      to = &v;
    } else if (name == "speed") {
      double speed;
      std::string unit;
      const std::string text = Scalar(v, "the speed");
      if (text.empty() || !NumberAndUnit(text, speed, unit) || (unit != "" && unit != "x") ||
          speed < SlowestLogSpeed || speed > FastestLogSpeed)
        Fail(v, "the speed is a number from 0.25 to 100 (1 is real time), found " + Quoted(text));
      step.Speed = speed;
    } else if (name == "columns") {
      for (const auto& [input, header] : Entries(v, "columns")) {
        const std::string written = Scalar(header, "a column");
        if (input.Scalar() == "time")
          columns.Time = written;
        else
          columns.Inputs[static_cast<uint8_t>(Sensor(input))] = written;
      }
    } else {
      Fail(key,
           "unknown key " + Quoted(name) + " in play-log (known: file, speed, from, to, columns)");
    }
  }
  if (!file) Fail(value, "play-log needs a 'file'");
  std::string relative, reason;
  step.LogLabel = Printable(Scalar(*file, "a path"));
  if (!ConfinePath(file->Scalar(), relative, reason)) Fail(*file, Printable(reason));
  step.FromMs = from ? Duration(*from, "from", LongestLogMs) : 0;
  step.ToMs = to ? Duration(*to, "to", LongestLogMs) : LongestLogMs;
  if (to && step.ToMs <= step.FromMs) Fail(*to, "'to' must come after 'from'");
  if (!readFiles) return;
  auto log = std::make_shared<TFlightLog>();
  std::string error;
  if (!LoadFlightLog({base, relative, false}, columns, *log, error)) Fail(*file, error);
  if (step.FromMs >= log->LengthMs() && step.FromMs > 0)
    Fail(*from, "from " + LogTimeText(step.FromMs) + " is not before the log's end (" +
                    LogTimeText(log->LengthMs()) + ")");
  step.ToMs = std::min(step.ToMs, log->LengthMs());
  step.Log = std::move(log);
}

void TInputPlayer::Reset() { *this = TInputPlayer{}; }

void TInputPlayer::SetInputs(const TInputStep& step, uint32_t ticks, const std::string& where,
                             std::vector<std::string>& notes) {
  for (const std::string& note : step.Notes) notes.push_back(where + ": " + note);
  RampTicks = ticks;
  RampDone = 0;
  RampFrom.clear();
  RampTo = step.Counts;
  if (ticks == 0) {
    for (const auto& [input, count] : step.Counts) PanelSetInput(input, count);
    return;
  }
  for (const auto& [input, count] : step.Counts)
    RampFrom.emplace_back(input, PanelInputValue(input));
}

void TInputPlayer::PlayLog(const TInputStep& step, std::vector<std::string>& notes) {
  Log = step.Log;
  if (!Log) return;
  FromMs = step.FromMs;
  ToMs = step.ToMs;
  Speed = step.Speed;
  LogTicks = 0;
  for (size_t& row : Rows) row = 0;
  char speed[32];
  std::snprintf(speed, sizeof speed, "%gx", Speed);
  std::string note = "played " + step.LogLabel + ": " + std::to_string(Log->Rows()) + " rows, " +
                     LogTimeText(Log->LengthMs()) + " long, from " + LogTimeText(FromMs) + " to " +
                     LogTimeText(ToMs) + " at " + speed + ", driving";
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (Log->Has[i]) note += std::string(" ") + PanelInputs[i].Title + " (" + Log->Headers[i] + ")";
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (Log->Beyond[i] > 0)
      note += "; " + std::to_string(Log->Beyond[i]) + " " + PanelInputs[i].Title +
              " rows beyond the converter, held at its end";
  notes.push_back(note);
  PositionMs = FromMs;
  ApplyLog();
}

void TInputPlayer::BeforeTick() {
  if (RampDone < RampTicks) {
    ++RampDone;
    for (size_t i = 0; i < RampTo.size(); ++i) {
      const int64_t from = RampFrom[i].second, to = RampTo[i].second;
      const double step = static_cast<double>(to - from) * RampDone / RampTicks;
      PanelSetInput(RampTo[i].first, static_cast<int32_t>(from + std::llround(step)));
    }
  }
  if (!Log) return;
  ++LogTicks;
  const double position = FromMs + static_cast<double>(LogTicks) * 100.0 * Speed;
  PositionMs = static_cast<uint32_t>(std::min<double>(ToMs, std::floor(position)));
  ApplyLog();
}

void TInputPlayer::ApplyLog() {
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (Log->Has[i]) {
      const int32_t count = FlightLogCount(*Log, i, PositionMs, Rows[i]);
      if (count != PanelInputValue(static_cast<TPanelInput>(i)))
        PanelSetInput(static_cast<TPanelInput>(i), count);
    }
}
