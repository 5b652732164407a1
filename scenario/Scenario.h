// Scenario files: scripted runs of the instrument. A file is read and checked
// whole (names, ranges, durations, the files it reads and writes) before any
// step runs; TScenario holds what the check produced.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "graphics/ColourTable.h"
#include "host/FrontPanel.h"
#include "menus/FieldTable.h"
#include "pictures/ConfinedFiles.h"
#include "pictures/PngReader.h"
#include "scenario/ScenarioInputs.h"

// The front panel's inputs, by the names the files give them.
using TControl = TPanelInput;

enum class TStepKind : uint8_t {
  SetControl,
  Power,
  Press,
  Delay,
  Set,
  Expect,
  Screenshot,
  RecordStart,
  RecordStop,
  Say,          // a caption
  Do,           // a lesson's task: the learner acts until the expectations hold
  WaitUntil,    // ticks until the expectations hold, at most Ticks
  Print,        // the values of the expectations' names
  SetInput,     // inputs by unit or count, at once or ramped over Ticks
  PlayLog,      // a flight log drives the inputs while the following steps run
  PlayLogStop,  // the log stops; the inputs stay where it left them
};

// A field given a value by a set step.
struct TAssignment {
  const TField* Field = nullptr;
  double Value = 0;
};

// One name of an expect step and the value it must have.
struct TExpectation {
  // Shows: the display shows Text (on Row when it is not -1).
  enum TKind : uint8_t { Page, Lamp, Number, ShownText, Shows } Kind = Number;
  std::string Name;
  const TField* Field = nullptr;   // Number and ShownText
  double Value = 0;                // Number
  int Decimals = 0;                // decimals written: a float matches when it rounds to them
  std::string Text;                // as written
  TPageHandler Handler = nullptr;  // Page
  bool LampRed = false;            // Lamp
  int Row = -1;                    // Shows
};

struct TStep {
  TStepKind Kind = TStepKind::Delay;
  int Line = 0;
  int Column = 0;
  std::string Text;  // the step as the status bar shows it: "press: minus x 3"
  TControl Control = TControl::Volts;
  int Value = 0;       // set-control value; power: 1 on, 0 off
  uint8_t Key = 0;     // press
  int Times = 1;       // press
  uint32_t Ticks = 0;  // delay and wait-until's within, in 100 ms ticks
  std::vector<TAssignment> Assignments;
  std::vector<TExpectation> Expectations;
  // take-screenshot and record: paths resolved, empty when not given.
  std::string SaveTo;
  std::string CompareWith;
  std::string ReferenceLabel;  // compare-with as written
  int Scale = 1;
  bool ReferenceMissing = false;  // allowed with --update only
  TPngImage Reference;
  // The same inside their folders: save-to under --out or the scenario's
  // folder, the reference in the scenario's folder, and the pictures a
  // differing screen writes (SCENARIO.yaml-LINE.actual.png, .diff.png).
  TConfinedPath Output;
  TConfinedPath ReferencePath;
  TConfinedPath Actual;
  TConfinedPath Diff;
  // say: the caption; do: the instruction, its hint (shown HintMs after the
  // task began, never when 0), the steps that do the task ("Show me"), and
  // the hints for pages the task does not lead to. A do step's
  // expectations are its until.
  std::string Words;
  std::string Hint;
  int HintMs = 0;
  std::vector<TStep> Solution;
  std::vector<std::pair<TPageHandler, std::string>> WrongTurns;
  TInputStep Inputs;  // set-input and play-log
};

struct TScenario {
  std::string File;
  std::string Name;  // the file's name when it gives none
  int64_t Clock = 0;
  bool ClockGiven = false;  // the window plays with the real clock when none is given
  std::vector<TStep> Steps;
  // A lesson: the learner does its do steps (the hand-over rule is off).
  bool Lesson = false;
  std::string Title;  // the name when not given
  std::string Aim;
};

struct TScenarioOptions {
  std::string OutDir;   // where written files go instead of next to the scenario
  bool Update = false;  // rewrite reference screens that differ; a missing one is written
  // Whether to touch the file system while checking (off for the fuzzer):
  // references are read, output folders made and checked for writing.
  bool CheckFiles = true;
  // The take-screenshot steps left out (a scenario shared without its pictures).
  bool SkipScreens = false;
  // Headless runs: the wall time a file may take, in seconds (0: no limit).
  double Timeout = 0;
};

// The largest scenario file read, and the largest reference screen (whose
// picture is also at most LargestScale times the display).
constexpr size_t LargestScenarioFile = size_t{1} << 20;
constexpr size_t LargestReferenceFile = size_t{16} << 20;
// The most keys, values, maps and lists a scenario holds (yaml-cpp's time
// and memory grow faster than the file): about 5 000 steps.
constexpr int LargestScenarioNodes = 20000;

// 2026-01-01T00:00:00Z, the clock of a scenario that gives none.
constexpr int64_t DefaultScenarioClock = 1767225600;
// Screens and recordings are written at 1..8 times the display's size.
constexpr int LargestScale = LargestPictureScale;
// The longest single delay: one day of instrument time.
constexpr uint32_t LongestDelayTicks = 24 * 36000;

// Reads and checks a file. On failure sets error to "FILE:LINE:COLUMN: what".
// Reading and checking touch nothing: no folder is made, no file written.
bool LoadScenario(const std::string& path, const TScenarioOptions& options, TScenario& scenario,
                  std::string& error);
// The same for text already read; file names it in messages and locates the
// relative paths.
bool ParseScenario(const std::string& text, const std::string& file,
                   const TScenarioOptions& options, TScenario& scenario, std::string& error);

// The text with its control characters written as escapes (\n, \t, \x1b),
// so that a name cannot print lines of its own.
std::string Printable(const std::string& text);

// "volts", "plus", ... as written in the files.
const char* ControlName(TControl control);
const char* KeyName(uint8_t key);
