// axim7-scenario: runs scenario files headless and says which pass.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

namespace {

const char Usage[] =
    "usage: axim7-scenario [--update] [--out DIR] [--verbose] FILE...\n"
    "Runs each scenario file from program start and prints PASS or FAIL for it;\n"
    "FILE - reads a scenario from standard input (its outputs go to the current folder).\n"
    "  --update   rewrite the reference screens that differ (and write missing ones)\n"
    "  --out DIR  write screenshots, recordings and differences under DIR\n"
    "  --verbose  name every file written\n"
    "  --version  show the version\n"
    "  --help     show this text\n"
    "Exit status: 0 all passed, 1 an expectation failed, 2 a file could not be used.\n";

// Standard input, at most the size of a scenario file.
bool ReadStandardInput(std::string& text, std::string& error) {
  text.clear();
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    text.append(buffer, got);
    if (text.size() > LargestScenarioFile) {
      error = "stdin:1:1: cannot read the file: it is larger than " +
              std::to_string(LargestScenarioFile >> 20) + " MiB";
      return false;
    }
  }
  if (std::ferror(stdin)) {
    error = std::string("stdin:1:1: cannot read the file: ") + std::strerror(errno);
    return false;
  }
  return true;
}

bool Load(const std::string& file, const TScenarioOptions& options, TScenario& scenario,
          std::string& error) {
  if (file != "-") return LoadScenario(file, options, scenario, error);
  std::string text;
  return ReadStandardInput(text, error) && ParseScenario(text, "stdin", options, scenario, error);
}

}  // namespace

int main(int argc, char** argv) {
  TScenarioOptions options;
  bool verbose = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    } else if (arg == "--version") {
      std::printf("axim7-scenario %s\n", AXIM_VERSION);
      return 0;
    } else if (arg == "--update") {
      options.Update = true;
    } else if (arg == "--verbose" || arg == "-v") {
      verbose = true;
    } else if (arg == "--out") {
      if (i + 1 == argc) {
        std::fprintf(stderr, "axim7-scenario: --out needs a folder\n%s", Usage);
        return 2;
      }
      options.OutDir = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "axim7-scenario: unknown option %s\n%s", Printable(arg).c_str(), Usage);
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "axim7-scenario: no scenario files given\n%s", Usage);
    return 2;
  }

  // Under one --out, the pictures of a differing screen are named after the
  // scenario file: two files of the same name would overwrite each other's.
  if (!options.OutDir.empty())
    for (size_t i = 0; i < files.size(); ++i)
      for (size_t j = i + 1; j < files.size(); ++j)
        if (std::filesystem::path(files[i]).filename() ==
            std::filesystem::path(files[j]).filename()) {
          std::fprintf(stderr,
                       "axim7-scenario: %s and %s have the same name and would write the same "
                       "pictures under --out; give each its own --out folder\n",
                       Printable(files[i]).c_str(), Printable(files[j]).c_str());
          return 2;
        }

  int passed = 0, failed = 0, written = 0, status = 0;
  for (const std::string& file : files) {
    TScenario scenario;
    std::string error;
    if (!Load(file, options, scenario, error)) {
      std::printf("ERROR %s\n", error.c_str());
      ++failed;
      status = 2;
      continue;
    }
    const TScenarioResult result = RunScenario(scenario, options);
    switch (result.Outcome) {
      case TScenarioResult::Passed:
        std::printf("PASS %s: %s\n", Printable(scenario.File).c_str(), scenario.Name.c_str());
        ++passed;
        break;
      case TScenarioResult::Failed:
        std::printf("FAIL %s\n", result.Message.c_str());
        ++failed;
        if (status == 0) status = 1;
        break;
      case TScenarioResult::Broken:
        std::printf("ERROR %s\n", result.Message.c_str());
        ++failed;
        status = 2;
        break;
    }
    for (const std::string& note : result.Notes) std::printf("  %s\n", note.c_str());
    if (verbose)
      for (const std::string& path : result.Written) std::printf("  wrote %s\n", path.c_str());
    written += static_cast<int>(result.Written.size());
  }
  std::printf("%d passed, %d failed, %d %s written\n", passed, failed, written,
              written == 1 ? "file" : "files");
  return status;
}
