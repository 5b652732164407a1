// Runs scenario files in worker processes and hands their reports back in
// the order the files were given.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "FileReport.h"

struct TRunPlan {
  std::vector<std::string> Files;
  TScenarioOptions Options;
  int Jobs = 1;
  bool CheckOnly = false;  // read and check each file, run nothing
  bool Coverage = false;   // hear the pages, keys and rows each file reaches
};

// Reads and checks one file ("-" is standard input).
bool LoadScenarioFile(const std::string& file, const TScenarioOptions& options, TScenario& scenario,
                      std::string& error);

// Runs every file in up to Jobs processes; Print gets each report in file
// order as soon as those before it are in. Returns 0, or the signal that
// stopped the run (SIGTERM, SIGINT): the workers' part files are removed and
// the reports are those of the files that ended.
int RunFiles(const TRunPlan& plan, std::vector<TFileReport>& reports,
             const std::function<void(const TFileReport&)>& print);
