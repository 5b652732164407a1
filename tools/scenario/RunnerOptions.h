// The runner's command line.
#pragma once
#include <string>
#include <vector>

#include "scenario/Scenario.h"

struct TRunnerOptions {
  TScenarioOptions Scenario;
  std::vector<std::string> Files;
  bool Verbose = false;
  bool CheckOnly = false;
  int Jobs = 1;
  int Shard = 0, Shards = 0;  // --shard K/N: the K-th (1..N) part; 0 when not given
  std::string JUnit, Report, Coverage;
};

extern const char RunnerUsage[];

enum class TCommand { Run, Help, Version, ListFields, Refused };
// Reads the arguments; Refused with the sentence to print.
TCommand ParseRunnerOptions(int argc, char** argv, TRunnerOptions& options, std::string& error);

// The files of the shard (file i is in part i mod N), all when no shard is given.
std::vector<std::string> ShardFiles(const TRunnerOptions& options);
