// axim7-scenario: runs scenario files headless and says which pass.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

namespace {

const char Usage[] =
    "usage: axim7-scenario [--update] [--out DIR] FILE...\n"
    "Runs each scenario file from program start and prints PASS or FAIL for it.\n"
    "  --update   rewrite the reference screens that differ (and write missing ones)\n"
    "  --out DIR  write screenshots, recordings and differences under DIR\n"
    "  --help     show this text\n"
    "Exit status: 0 all passed, 1 an expectation failed, 2 a file could not be used.\n";

}  // namespace

int main(int argc, char** argv) {
  TScenarioOptions options;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    } else if (arg == "--update") {
      options.Update = true;
    } else if (arg == "--out") {
      if (i + 1 == argc) {
        std::fprintf(stderr, "axim7-scenario: --out needs a folder\n%s", Usage);
        return 2;
      }
      options.OutDir = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "axim7-scenario: unknown option %s\n%s", arg.c_str(), Usage);
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "axim7-scenario: no scenario files given\n%s", Usage);
    return 2;
  }

  int passed = 0, failed = 0, status = 0;
  for (const std::string& file : files) {
    TScenario scenario;
    std::string error;
    if (!LoadScenario(file, options, scenario, error)) {
      std::printf("ERROR %s\n", error.c_str());
      ++failed;
      status = 2;
      continue;
    }
    const TScenarioResult result = RunScenario(scenario, options);
    switch (result.Outcome) {
      case TScenarioResult::Passed:
        std::printf("PASS %s\n", scenario.Name.c_str());
        ++passed;
        break;
      case TScenarioResult::Failed:
        std::printf("FAIL %s\n", result.Message.c_str());
        ++failed;
        if (status == 0) status = 1;
        break;
      case TScenarioResult::Broken:
        std::printf("ERROR %s: %s\n", file.c_str(), result.Message.c_str());
        ++failed;
        status = 2;
        break;
    }
    for (const std::string& note : result.Notes) std::printf("  %s\n", note.c_str());
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return status;
}
