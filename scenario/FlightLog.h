// Flight logs: CSV files of sensor samples, one row per sample, that drive
// the instrument's inputs. The header names each column and its unit
// ("time(s)", "volts(V)", "oat(°F)", "accel_z(g)"); the time is a column of
// seconds, ISO 8601 UTC stamps, or a "Date" and a "Time" column
// (2026-07-10,16:39:41.300). A log is read and checked whole: any row refused
// refuses the file, named FILE:LINE:COLUMN.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/FrontPanel.h"
#include "pictures/ConfinedFiles.h"

// The largest log read: a 10-hour flight at 10 rows a second with many
// columns fits several times over.
constexpr size_t LargestFlightLog = size_t{64} << 20;
// The most columns a row has, and the longest field.
constexpr int LargestLogColumns = 512;
constexpr size_t LongestLogField = 256;
// The longest a log runs (its time is kept in milliseconds): 30 days.
constexpr uint32_t LongestLogMs = 30u * 24 * 3600 * 1000;

// Which header gives an input (or the time): empty for the usual names
// ("volts", "current", "oat", "accel_x" ... with the unit in parentheses).
struct TLogColumns {
  std::string Time;
  std::string Inputs[PanelSensorCount];
  // Only the headers named: an empty one is no column, not the usual name.
  bool Only = false;
};

struct TFlightLog {
  std::string File;                               // as shown in messages
  std::vector<uint32_t> Ms;                       // each row's time from the first, in milliseconds
  bool Has[PanelSensorCount] = {};                // the inputs the log gives
  std::vector<int16_t> Counts[PanelSensorCount];  // per row, converter counts
  uint32_t Beyond[PanelSensorCount] = {};         // rows held at a converter's end
  std::string Headers[PanelSensorCount];          // the header each input came from
  size_t Rows() const { return Ms.size(); }
  uint32_t LengthMs() const { return Ms.empty() ? 0 : Ms.back(); }
};

// Reads and checks the text of a log. On failure error is
// "FILE:LINE:COLUMN: what" and the log is left empty.
bool ParseFlightLog(const std::string& text, const std::string& file, const TLogColumns& columns,
                    TFlightLog& log, std::string& error);
// The same for a file inside a folder (regular files up to LargestFlightLog).
bool LoadFlightLog(const TConfinedPath& path, const TLogColumns& columns, TFlightLog& log,
                   std::string& error);

// The header row of a log, for mapping its columns by hand: each distinct
// header as written, and those the reader takes by their usual names.
struct TLogHeader {
  std::vector<std::string> Names;
  TLogColumns Found;  // empty where none is recognised
  // The reader could be told more: it finds no time column, or a column it
  // does not know while an input has none.
  bool Mappable = false;
};
// Reads the header row of a log's text; false with "FILE:LINE:COLUMN: what".
bool ParseFlightLogHeader(const std::string& text, const std::string& file, TLogHeader& header,
                          std::string& error);
bool LoadFlightLogHeader(const TConfinedPath& path, TLogHeader& header, std::string& error);

// The count of an input at a time of the log: linear between rows, the
// first row before it, the last after it. row is a hint (the row found last)
// that makes playing forward cheap.
int32_t FlightLogCount(const TFlightLog& log, uint8_t input, uint32_t ms, size_t& row);

// "12:00.0", "10:00:00.0": a time of a log for summaries and position bars.
std::string LogTimeText(uint32_t ms);
