// What the runner learnt of one scenario file: its verdict, its steps and the
// pictures it compared, and what it covered; passed whole from a worker
// process to the one that prints (Pack, Unpack).
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

// The pages shown, the keys each page took and the setup rows selected.
struct TCoverage {
  std::map<std::string, int> Pages;                        // page name: passes it was current
  std::map<std::string, std::map<std::string, int>> Keys;  // page: key: presses
  std::map<std::string, int> Rows;                         // "LIST / ROW": passes selected
  void Merge(const TCoverage& other);
};

struct TReportStep {
  int Line = 0;
  std::string Text;
  // Compared screens: the reference, and the actual and difference pictures
  // when it differed (empty otherwise); recordings: the GIF in Saved.
  std::string Reference, Actual, Diff, Saved;
};

struct TFileReport {
  enum TVerdict : uint8_t { Pass, Fail, Error } Verdict = Pass;
  std::string File;     // as given on the command line, printable
  std::string Name;     // the scenario's name
  std::string Message;  // FAIL and ERROR: "FILE:LINE: ..."
  int Line = 0;         // the line the message names, 0 when none
  int Reached = 0;      // steps before the one that failed (all when it passed)
  double Seconds = 0;
  std::vector<std::string> Notes, Written;
  std::vector<std::string> Printed, Said;  // the print steps' lines; the captions said
  std::vector<TReportStep> Steps;
  TCoverage Coverage;
};

// A report of a file that could not be used (it could not be read or checked).
TFileReport RefusedReport(const std::string& file, const std::string& error);
// The report of a file that ran.
TFileReport RunReport(const std::string& file, const TScenario& scenario,
                      const TScenarioResult& result, double seconds);

std::string Pack(const TFileReport& report);
// False when the bytes are not a whole report.
bool Unpack(const std::string& bytes, TFileReport& report);
