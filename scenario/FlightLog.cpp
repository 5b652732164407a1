#include "scenario/FlightLog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "host/PanelUnits.h"
#include "scenario/Scenario.h"

namespace {

struct TLogError {
  int Line;
  int Column;
  std::string Message;
};

// One field of a row and where it starts.
struct TField {
  std::string Text;
  int Line;
  int Column;
};

// Reads the CSV text a row at a time: fields separated by commas, quoted
// ones with "" for a quote and line ends inside, rows ended by LF or CR LF.
class TCsv {
 public:
  explicit TCsv(std::string_view text) : Text(text) {}

  // The next row that is not blank; false at the end.
  bool Row(std::vector<TField>& fields) {
    while (Pos < Text.size()) {
      fields.clear();
      RowLine = Line;
      for (;;) {
        if (fields.size() >= static_cast<size_t>(LargestLogColumns))
          throw TLogError{
              Line, Column(),
              "the row has more than " + std::to_string(LargestLogColumns) + " columns"};
        fields.push_back(Field());
        if (Pos >= Text.size()) break;
        const char c = Text[Pos++];
        if (c == ',') continue;
        if (c == '\r' && Pos < Text.size() && Text[Pos] == '\n') ++Pos;
        NewLine();
        break;
      }
      if (fields.size() > 1 || !fields[0].Text.empty()) return true;
    }
    return false;
  }

  int Line = 1;
  int RowLine = 1;

 private:
  int Column() const { return static_cast<int>(Pos - LineStart) + 1; }
  void NewLine() {
    ++Line;
    LineStart = Pos;
  }

  TField Field() {
    TField field{{}, Line, Column()};
    if (Pos < Text.size() && Text[Pos] == '"') {
      ++Pos;
      for (;;) {
        if (Pos >= Text.size())
          throw TLogError{field.Line, field.Column, "the quoted field is never closed"};
        const char c = Text[Pos++];
        if (c == '"') {
          if (Pos < Text.size() && Text[Pos] == '"') {
            ++Pos;
          } else {
            break;
          }
        } else if (c == '\n') {
          NewLine();
        }
        Add(field, c);
      }
      if (Pos < Text.size() && Text[Pos] != ',' && Text[Pos] != '\r' && Text[Pos] != '\n')
        throw TLogError{Line, Column(), "a quoted field goes on after its closing quote"};
      return field;
    }
    while (Pos < Text.size() && Text[Pos] != ',' && Text[Pos] != '\n') {
      const char c = Text[Pos++];
      if (c == '\r' && Pos < Text.size() && Text[Pos] == '\n') {
        --Pos;
        break;
      }
      if (c == '"') throw TLogError{Line, Column() - 1, "a quote inside an unquoted field"};
      Add(field, c);
    }
    return field;
  }

  static void Add(TField& field, char c) {
    if (field.Text.size() >= LongestLogField)
      throw TLogError{
          field.Line, field.Column,
          "the field is longer than " + std::to_string(LongestLogField) + " characters"};
    field.Text += c;
  }

  std::string_view Text;
  size_t Pos = 0;
  size_t LineStart = 0;
};

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// "volts(V)" -> "volts" and "V"; "accel_z [g]" -> "accel_z" and "g".
void SplitHeader(const std::string& header, std::string& name, std::string& unit) {
  name = Trim(header);
  unit.clear();
  if (name.empty()) return;
  const char close = name.back();
  const char open = close == ')' ? '(' : close == ']' ? '[' : '\0';
  const size_t at = open ? name.rfind(open) : std::string::npos;
  if (at == std::string::npos) return;
  unit = Trim(name.substr(at + 1, name.size() - at - 2));
  name = Trim(name.substr(0, at));
}

// Whether a header's name is one of the usual names of an input.
bool UsualName(const std::string& name, uint8_t input) {
  static const char* const Others[PanelSensorCount][4] = {
      {"volt", "voltage", "bus", "vbat"},
      {"amps", "amperes", "curr", "ibat"},
      {"temp", "temperature", "air_temp", "outside_air_temp"},
      {"ax", "acc_x", "gx", "accx"},
      {"ay", "acc_y", "gy", "accy"},
      {"az", "acc_z", "gz", "accz"}};
  const std::string own = PanelInputs[input].Name;
  if (name == own || (input >= 3 && name == "accel_" + own)) return true;
  for (const char* other : Others[input])
    if (name == other) return true;
  return false;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  quoted += Printable(text);
  quoted += '\'';
  return quoted;
}

bool Number(const std::string& text, double& value) {
  size_t used = 0;
  return ReadDecimal(text, value, used) && used == text.size();
}

// Days from 1970-01-01 of a date in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

bool Digits(std::string_view text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// "2026-07-10": milliseconds of its midnight from 1970.
bool DateMs(std::string_view text, int64_t& ms) {
  int y, m, d;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, y) ||
      !Digits(text, 5, 2, m) || !Digits(text, 8, 2, d) || m < 1 || m > 12 || d < 1)
    return false;
  static const int Days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (d > Days[m - 1] || (m == 2 && d == 29 && !leap)) return false;
  ms = DaysFromCivil(y, m, d) * 86400000;
  return true;
}

// "16:39:41.300" (the fraction optional, up to milliseconds): from midnight.
bool ClockMs(std::string_view text, int64_t& ms) {
  int h, m, s, fraction = 0;
  if (text.size() < 8 || text[2] != ':' || text[5] != ':' || !Digits(text, 0, 2, h) ||
      !Digits(text, 3, 2, m) || !Digits(text, 6, 2, s) || h > 23 || m > 59 || s > 59)
    return false;
  if (text.size() > 8) {
    const size_t places = text.size() - 9;
    if (text[8] != '.' || places < 1 || places > 3 || !Digits(text, 9, places, fraction))
      return false;
    for (size_t i = places; i < 3; ++i) fraction *= 10;
  }
  ms = ((h * 60 + m) * 60 + s) * int64_t{1000} + fraction;
  return true;
}

// "2026-07-10T16:39:41.300Z" (or a blank for the T; the Z may be left out).
bool StampMs(std::string_view text, int64_t& ms) {
  if (!text.empty() && text.back() == 'Z') text.remove_suffix(1);
  int64_t date, clock;
  if (text.size() < 19 || (text[10] != 'T' && text[10] != ' ')) return false;
  if (!DateMs(text.substr(0, 10), date) || !ClockMs(text.substr(11), clock)) return false;
  ms = date + clock;
  return true;
}

std::string HeaderNames(const std::vector<TField>& header) {
  std::string names;
  for (const TField& field : header) names += (names.empty() ? "" : ", ") + Quoted(field.Text);
  return names;
}

// The columns of the time, of a date and of each input: those named in
// columns as written, then (unless only those) the usual names; -1 for none.
void Recognise(const std::vector<TField>& header, const TLogColumns& columns, int& time, int& date,
               int (&column)[PanelSensorCount]) {
  auto find = [&](const std::string& wanted) -> int {
    for (size_t i = 0; i < header.size(); ++i)
      if (Trim(header[i].Text) == Trim(wanted)) return static_cast<int>(i);
    throw TLogError{
        1, 1,
        "the header has no column " + Quoted(wanted) + " (it has " + HeaderNames(header) + ")"};
  };
  for (uint8_t input = 0; input < PanelSensorCount; ++input)
    if (!columns.Inputs[input].empty()) column[input] = find(columns.Inputs[input]);
  if (!columns.Time.empty()) time = find(columns.Time);
  for (size_t i = 0; i < header.size(); ++i) {
    std::string name, unit;
    SplitHeader(header[i].Text, name, unit);
    name = Lower(name);
    const int at = static_cast<int>(i);
    if (name == "date" && unit.empty()) date = at;
    if (columns.Only) continue;
    if (columns.Time.empty() && time < 0 && (name == "time" || name == "timestamp")) time = at;
    for (uint8_t input = 0; input < PanelSensorCount; ++input)
      if (columns.Inputs[input].empty() && column[input] < 0 && UsualName(name, input))
        column[input] = at;
  }
}

enum class TTimeKind : uint8_t { Seconds, Milliseconds, Stamp, DateAndClock };

class TReader {
 public:
  TReader(const std::string& file, const TLogColumns& columns, TFlightLog& log)
      : Columns(columns), Log(log) {
    Log.File = Printable(file);
  }

  void Read(const std::string& text) {
    TCsv csv(text);
    std::vector<TField> row;
    if (!csv.Row(row)) throw TLogError{1, 1, "the log is empty (it needs a header row)"};
    Header(row);
    while (csv.Row(row)) Sample(row, csv.RowLine);
    if (Log.Ms.empty()) throw TLogError{csv.Line, 1, "the log has a header but no rows"};
  }

 private:
  void Header(const std::vector<TField>& header) {
    HeaderCount = header.size();
    Recognise(header, Columns, TimeColumn, DateColumn, Column);
    const std::string names = HeaderNames(header);
    std::string name, unit;
    if (TimeColumn < 0)
      throw TLogError{1, 1,
                      "the header has no time column ('time(s)', ISO 8601 stamps in 'time', "
                      "or 'Date' and 'Time'; it has " +
                          names + ")"};
    SplitHeader(header[TimeColumn].Text, name, unit);
    const TField& time = header[TimeColumn];
    if (unit == "s" || unit == "sec")
      TimeKind = TTimeKind::Seconds;
    else if (unit == "ms")
      TimeKind = TTimeKind::Milliseconds;
    else if (!unit.empty())
      throw TLogError{time.Line, time.Column,
                      "unknown time unit " + Quoted(unit) + " (known: s, ms, or none for stamps)"};
    else
      TimeKind = DateColumn >= 0 ? TTimeKind::DateAndClock : TTimeKind::Stamp;
    bool any = false;
    for (uint8_t input = 0; input < PanelSensorCount; ++input) {
      if (Column[input] < 0) continue;
      const TField& field = header[Column[input]];
      if (Column[input] == TimeColumn || Column[input] == DateColumn)
        throw TLogError{field.Line, field.Column, "the time column cannot also be an input"};
      SplitHeader(field.Text, name, unit);
      Unit[input] = TPanelUnit::Counts;
      if (!unit.empty() && !FindPanelUnit(unit.c_str(), Unit[input]))
        throw TLogError{field.Line, field.Column,
                        "unknown unit " + Quoted(unit) + " in " + Quoted(field.Text) +
                            " (known: V, A, °C, C, @C, °F, F, g, m/s², m/s2, counts)"};
      const TPanelInput panel = static_cast<TPanelInput>(input);
      if (!PanelUnitFits(panel, Unit[input]))
        throw TLogError{field.Line, field.Column,
                        "the " + std::string(PanelInputs[input].Title) +
                            " input cannot be given in " + PanelUnitSymbol(Unit[input])};
      Log.Has[input] = true;
      Log.Headers[input] = Printable(Trim(field.Text));
      any = true;
    }
    if (!any)
      throw TLogError{1, 1,
                      "the header names no input (volts(V), current(A), oat(C), accel_x(g), "
                      "...; it has " +
                          names + ")"};
  }

  void Sample(const std::vector<TField>& row, int line) {
    if (row.size() != HeaderCount)
      throw TLogError{line, row.back().Column,
                      "the row has " + std::to_string(row.size()) + " fields, the header " +
                          std::to_string(HeaderCount)};
    const TField& time = row[TimeColumn];
    int64_t ms = 0;
    double seconds;
    bool good = false;
    switch (TimeKind) {
      case TTimeKind::Seconds:
      case TTimeKind::Milliseconds:
        good = Number(Trim(time.Text), seconds) && std::fabs(seconds) < 1e12;
        if (good) ms = std::llround(TimeKind == TTimeKind::Seconds ? seconds * 1000 : seconds);
        break;
      case TTimeKind::Stamp:
        good = StampMs(Trim(time.Text), ms);
        break;
      case TTimeKind::DateAndClock: {
        int64_t date, clock;
        const TField& day = row[DateColumn];
        if (!DateMs(Trim(day.Text), date))
          throw TLogError{day.Line, day.Column,
                          "the date must be like 2026-07-10, found " + Quoted(day.Text)};
        good = ClockMs(Trim(time.Text), clock);
        ms = date + clock;
        break;
      }
    }
    if (!good)
      throw TLogError{time.Line, time.Column,
                      TimeKind == TTimeKind::Seconds
                          ? "the time must be a number of seconds, found " + Quoted(time.Text)
                      : TimeKind == TTimeKind::Milliseconds
                          ? "the time must be a number of milliseconds, found " + Quoted(time.Text)
                      : TimeKind == TTimeKind::Stamp
                          ? "the time must be a UTC stamp like 2026-07-10T16:39:41.300Z, found " +
                                Quoted(time.Text)
                          : "the time must be like 16:39:41.300, found " + Quoted(time.Text)};
    if (Log.Ms.empty()) First = ms;
    const int64_t since = ms - First;
    if (!Log.Ms.empty() && since <= int64_t{Log.Ms.back()})
      throw TLogError{time.Line, time.Column,
                      "the time " + Printable(Trim(time.Text)) +
                          " does not come after the row before's: a row's time must grow"};
    if (since > int64_t{LongestLogMs})
      throw TLogError{time.Line, time.Column, "the log runs longer than 30 days"};
    Log.Ms.push_back(static_cast<uint32_t>(since));
    for (uint8_t input = 0; input < PanelSensorCount; ++input) {
      if (Column[input] < 0) continue;
      const TField& field = row[Column[input]];
      double value;
      if (!Number(Trim(field.Text), value))
        throw TLogError{field.Line, field.Column,
                        "the " + std::string(PanelInputs[input].Title) +
                            " value must be a finite number, found " + Quoted(field.Text)};
      const TPanelUnitCount count =
          PanelUnitToCount(static_cast<TPanelInput>(input), value, Unit[input]);
      if (count.Beyond != 0) ++Log.Beyond[input];
      Log.Counts[input].push_back(static_cast<int16_t>(count.Count));
    }
  }

  const TLogColumns& Columns;
  TFlightLog& Log;
  size_t HeaderCount = 0;
  int TimeColumn = -1;
  int DateColumn = -1;
  int Column[PanelSensorCount] = {-1, -1, -1, -1, -1, -1};
  TPanelUnit Unit[PanelSensorCount] = {};
  TTimeKind TimeKind = TTimeKind::Seconds;
  int64_t First = 0;
};

// The header row's names, those recognised, and whether more could be.
void ReadHeader(const std::string& text, TLogHeader& header) {
  TCsv csv(text);
  std::vector<TField> row;
  if (!csv.Row(row)) throw TLogError{1, 1, "the log is empty (it needs a header row)"};
  int time = -1, date = -1, column[PanelSensorCount] = {-1, -1, -1, -1, -1, -1};
  Recognise(row, TLogColumns{}, time, date, column);
  std::vector<bool> known(row.size(), false);
  if (time >= 0) {
    header.Found.Time = Trim(row[time].Text);
    known[time] = true;
  }
  if (date >= 0) known[date] = true;
  bool missing = false;
  for (uint8_t input = 0; input < PanelSensorCount; ++input) {
    missing = missing || column[input] < 0;
    if (column[input] < 0) continue;
    header.Found.Inputs[input] = Trim(row[column[input]].Text);
    known[column[input]] = true;
  }
  bool unknown = false;
  for (size_t i = 0; i < row.size(); ++i) {
    const std::string name = Trim(row[i].Text);
    if (name.empty() ||
        std::find(header.Names.begin(), header.Names.end(), name) != header.Names.end())
      continue;
    header.Names.push_back(name);
    unknown = unknown || !known[i];
  }
  header.Mappable = time < 0 || (unknown && missing);
}

// "FILE:LINE:COLUMN: what".
std::string Placed(const std::string& file, const TLogError& e) {
  return Printable(file) + ":" + std::to_string(e.Line) + ":" + std::to_string(e.Column) + ": " +
         e.Message;
}

}  // namespace

bool ParseFlightLog(const std::string& text, const std::string& file, const TLogColumns& columns,
                    TFlightLog& log, std::string& error) {
  log = TFlightLog{};
  try {
    TReader(file, columns, log).Read(text);
    return true;
  } catch (const TLogError& e) {
    error = Placed(file, e);
  }
  log = TFlightLog{};
  return false;
}

bool ParseFlightLogHeader(const std::string& text, const std::string& file, TLogHeader& header,
                          std::string& error) {
  header = TLogHeader{};
  try {
    ReadHeader(text, header);
    return true;
  } catch (const TLogError& e) {
    error = Placed(file, e);
  }
  header = TLogHeader{};
  return false;
}

namespace {

// The log's text, read whole within its limit; false with the message.
bool ReadLogText(const TConfinedPath& path, std::string& text, std::string& error) {
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadConfinedFile(path, LargestFlightLog, bytes, reason)) {
    error = Printable(path.Full()) + ":1:1: cannot read the flight log: " + reason;
    return false;
  }
  text.assign(bytes.begin(), bytes.end());
  return true;
}

}  // namespace

bool LoadFlightLogHeader(const TConfinedPath& path, TLogHeader& header, std::string& error) {
  std::string text;
  if (ReadLogText(path, text, error)) return ParseFlightLogHeader(text, path.Full(), header, error);
  header = TLogHeader{};
  return false;
}

bool LoadFlightLog(const TConfinedPath& path, const TLogColumns& columns, TFlightLog& log,
                   std::string& error) {
  std::string text;
  if (ReadLogText(path, text, error)) return ParseFlightLog(text, path.Full(), columns, log, error);
  log = TFlightLog{};
  return false;
}

int32_t FlightLogCount(const TFlightLog& log, uint8_t input, uint32_t ms, size_t& row) {
  const std::vector<int16_t>& counts = log.Counts[input];
  if (counts.empty()) return 0;
  const size_t last = log.Ms.size() - 1;
  if (row > last || log.Ms[row] > ms) {
    row = static_cast<size_t>(std::upper_bound(log.Ms.begin(), log.Ms.end(), ms) - log.Ms.begin());
    if (row > 0) --row;
  }
  while (row < last && log.Ms[row + 1] <= ms) ++row;
  if (row == last || ms <= log.Ms[row]) return counts[row];
  const int64_t t0 = log.Ms[row], t1 = log.Ms[row + 1];
  const int64_t c0 = counts[row], c1 = counts[row + 1];
  const int64_t num = (c1 - c0) * (int64_t{ms} - t0);
  const int64_t span = t1 - t0;
  // Rounded to the nearest count, halves away from the row before's.
  const int64_t step = (num >= 0 ? num + span / 2 : num - span / 2) / span;
  return static_cast<int32_t>(c0 + step);
}

std::string LogTimeText(uint32_t ms) {
  const uint32_t tenths = ms / 100, seconds = tenths / 10;
  char text[32];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%u:%02u:%02u.%u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60, tenths % 10);
  else
    std::snprintf(text, sizeof text, "%u:%02u.%u", seconds / 60, seconds % 60, tenths % 10);
  return text;
}
