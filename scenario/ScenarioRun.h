// Running checked scenarios without any toolkit, and the step actions the
// window's playback shares with the headless runner.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scenario/Scenario.h"

struct TScenarioResult {
  enum TOutcome : uint8_t { Passed, Failed, Broken } Outcome = Passed;
  // Failed: "FILE:LINE: what was expected, what was found"; Broken: why a
  // file could not be written.
  std::string Message;
  std::vector<std::string> Notes;    // reference screens rewritten, pictures written
  std::vector<std::string> Written;  // every file written, in order
  // What the print steps printed, in order: "FILE:LINE: Volts = 155 (\"15.5 V\")".
  std::vector<std::string> Printed;
  std::vector<std::string> Said;  // the captions of the say steps, in order
};

// Runs a checked scenario from program start, headless.
TScenarioResult RunScenario(const TScenario& scenario, const TScenarioOptions& options);

// Everything the firmware holds, as the program finds it at start.
void ResetToProgramStart();

// Step actions shared with the window. Each returns false with the failure
// sentence (without file and line) when the step does not hold.
// Every expectation that does not hold is in the failure, "; " between.
bool CheckExpectations(const TStep& step, bool lampRed, std::string& failure);
// The value of an expectation's name now, as a print step gives it: a
// field as stored and as shown, the page's name, the lamp, the texts shown.
std::string ValueNow(const TExpectation& expectation, bool lampRed);
// Writes the step's fields; an OAT level outside the range of the unit then
// selected fails and writes nothing.
bool ApplyAssignments(const TStep& step, std::string& failure);

struct TScreenshotOutcome {
  bool Matches = true;  // false when the display differs from the reference
  bool Broken = false;  // a file could not be written
  std::string Message;
  std::vector<std::string> Notes;
  std::vector<std::string> Written;  // the files written, in order
};
// Saves and compares the display as the step says, writing only inside the
// folders the check confined the step to; a difference writes the step's
// Actual and Diff pictures (SCENARIO.yaml-LINE.actual.png, .diff.png).
TScreenshotOutcome TakeScreenshot(const TStep& step, const uint8_t* frame,
                                  const TScenarioOptions& options);
