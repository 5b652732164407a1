// The scenario steps that drive the inputs in the units of the world:
// set-input (at once, or a ramp over whole ticks) and play-log (a flight log
// drives the inputs while the following steps run). The step as checked, its
// reading from the file, and the player the step driver runs it with.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "scenario/FlightLog.h"

namespace YAML {
class Node;
}

// What a set-input or play-log step holds once checked.
struct TInputStep {
  std::vector<std::pair<TPanelInput, int32_t>> Counts;  // set-input: the counts to reach
  std::vector<std::string> Notes;  // values held at a converter's end, said when the step runs
  std::shared_ptr<const TFlightLog> Log;  // play-log; none for stop (or when files are not read)
  std::string LogLabel;                   // the file as written
  uint32_t FromMs = 0;
  uint32_t ToMs = 0;
  double Speed = 1;
};

// The fastest and slowest a log plays.
constexpr double SlowestLogSpeed = 0.25;
constexpr double FastestLogSpeed = 100;

// A step's fault at its place in the file (lines and columns from 1).
struct TInputStepError {
  int Line;
  int Column;
  std::string Message;
};
// set-input: { volts: 14.2 V, oat: -5 °C, z: 1.0 g, over: 30s }; a bare whole
// number is a count. ticks is set to the ramp's length (0: at once).
// Throws TInputStepError.
void ParseSetInput(const YAML::Node& value, TInputStep& step, uint32_t& ticks);
// play-log: { file: F, speed: 1, from: 60s, to: 300s, columns: {...} }, the
// file read (when readFiles) inside base; play-log: stop leaves Log empty and
// stop set. Throws TInputStepError.
void ParsePlayLog(const YAML::Node& value, const std::string& base, bool readFiles,
                  TInputStep& step, bool& stop);

// Plays the steps into the front panel: ramps tick by tick, a log at its
// position at every tick.
class TInputPlayer {
 public:
  void Reset();
  // A set-input starts (its counts at once, or its ramp over ticks); notes
  // get what the step says in the summary.
  void SetInputs(const TInputStep& step, uint32_t ticks, const std::string& where,
                 std::vector<std::string>& notes);
  // A play-log starts (inputs at its first position) or stops.
  void PlayLog(const TInputStep& step, std::vector<std::string>& notes);
  void StopLog() { Log.reset(); }
  // Before each tick: the ramp's next counts, then the log's.
  void BeforeTick();

  bool LogPlaying() const { return Log != nullptr; }
  uint32_t LogPositionMs() const { return PositionMs; }

 private:
  void ApplyLog();

  std::vector<std::pair<TPanelInput, int32_t>> RampFrom, RampTo;
  uint32_t RampTicks = 0, RampDone = 0;
  std::shared_ptr<const TFlightLog> Log;
  uint32_t FromMs = 0, ToMs = 0, PositionMs = 0;
  double Speed = 1;
  uint64_t LogTicks = 0;
  size_t Rows[PanelSensorCount] = {};
};
