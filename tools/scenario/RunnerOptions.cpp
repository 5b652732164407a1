#include "RunnerOptions.h"

#include <cstdlib>

const char RunnerUsage[] =
    "usage: axim7-scenario [--update] [--out DIR] [--verbose] [-j N] [--shard K/N]\n"
    "                      [--timeout SECONDS] [--check] [--junit FILE] [--report DIR]\n"
    "                      [--coverage FILE] FILE...\n"
    "       axim7-scenario --list-fields\n"
    "Runs each scenario file from program start and prints PASS or FAIL for it;\n"
    "FILE - reads a scenario from standard input (its outputs go to the current folder).\n"
    "  --update           rewrite the reference screens that differ (and write missing ones)\n"
    "  --out DIR          write screenshots, recordings and differences under DIR\n"
    "  --verbose          name every file written and say every caption\n"
    "  -j N               run the files in N processes at once (results in the order given)\n"
    "  --shard K/N        run only the K-th of N parts of the files (file i is in part i mod N)\n"
    "  --timeout SECONDS  end a file that runs longer as an ERROR naming the step it reached\n"
    "  --check            read and check the files, print OK or ERROR, run and write nothing\n"
    "  --junit FILE       write the results as JUnit XML\n"
    "  --report DIR       write an HTML report with the pictures to DIR/index.html\n"
    "  --coverage FILE    write the pages shown, keys taken and setup rows selected as JSON\n"
    "  --list-fields      list every field name with its type, range, step and unit\n"
    "  --version          show the version\n"
    "  --help             show this text\n"
    "Exit status: 0 all passed, 1 an expectation failed, 2 a file could not be used\n"
    "(or the run was stopped by SIGTERM or SIGINT).\n";

namespace {

bool Whole(const std::string& text, int& value, int low, int high) {
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || n < low || n > high) return false;
  value = static_cast<int>(n);
  return true;
}

}  // namespace

TCommand ParseRunnerOptions(int argc, char** argv, TRunnerOptions& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    const std::string value = hasValue ? argv[i + 1] : "";
    const auto need = [&](const char* what) {
      error = arg + " needs " + what;
      return TCommand::Refused;
    };
    if (arg == "--help" || arg == "-h") return TCommand::Help;
    if (arg == "--version") return TCommand::Version;
    if (arg == "--list-fields") return TCommand::ListFields;
    if (arg == "--update") {
      o.Scenario.Update = true;
    } else if (arg == "--verbose" || arg == "-v") {
      o.Verbose = true;
    } else if (arg == "--check") {
      o.CheckOnly = true;
    } else if (arg == "--out" || arg == "--junit" || arg == "--report" || arg == "--coverage") {
      if (!hasValue) return need(arg == "--junit" || arg == "--coverage" ? "a file" : "a folder");
      (arg == "--out"      ? o.Scenario.OutDir
       : arg == "--junit"  ? o.JUnit
       : arg == "--report" ? o.Report
                           : o.Coverage) = value;
      ++i;
    } else if (arg == "-j" || arg == "--jobs") {
      if (!hasValue || !Whole(value, o.Jobs, 1, 256))
        return need("a number of processes, 1 to 256");
      ++i;
    } else if (arg == "--shard") {
      const size_t slash = value.find('/');
      if (!hasValue || slash == std::string::npos ||
          !Whole(value.substr(slash + 1), o.Shards, 1, 1000000) ||
          !Whole(value.substr(0, slash), o.Shard, 1, o.Shards))
        return need("K/N, a part K from 1 to N");
      ++i;
    } else if (arg == "--timeout") {
      char* end = nullptr;
      const double seconds = hasValue ? std::strtod(value.c_str(), &end) : 0;
      if (!hasValue || *end != '\0' || !(seconds > 0 && seconds <= 1e6))
        return need("a number of seconds above 0");
      o.Scenario.Timeout = seconds;
      ++i;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + Printable(arg);
      return TCommand::Refused;
    } else {
      o.Files.push_back(arg);
    }
  }
  if (o.Files.empty()) {
    error = "no scenario files given";
    return TCommand::Refused;
  }
  return TCommand::Run;
}

std::vector<std::string> ShardFiles(const TRunnerOptions& o) {
  if (o.Shards == 0) return o.Files;
  std::vector<std::string> part;
  for (size_t i = 0; i < o.Files.size(); ++i)
    if (static_cast<int>(i % o.Shards) == o.Shard - 1) part.push_back(o.Files[i]);
  return part;
}
