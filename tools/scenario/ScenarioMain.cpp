// axim7-scenario: runs scenario files headless and says which pass.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Coverage.h"
#include "FieldList.h"
#include "HtmlReport.h"
#include "JUnitReport.h"
#include "OutputClash.h"
#include "ParallelRun.h"
#include "RunnerOptions.h"
#include "pictures/Pictures.h"

namespace {

// A GitHub Actions annotation: the message with % and line breaks escaped,
// the file also with : and ,.
std::string Escaped(const std::string& text, bool property) {
  std::string out;
  for (const char c : text) {
    if (c == '%')
      out += "%25";
    else if (c == '\r')
      out += "%0D";
    else if (c == '\n')
      out += "%0A";
    else if (property && c == ':')
      out += "%3A";
    else if (property && c == ',')
      out += "%2C";
    else
      out += c;
  }
  return out;
}

struct TTotals {
  int Passed = 0, Failed = 0, Written = 0, Status = 0;
};

void Print(const TFileReport& r, const TRunnerOptions& options, bool github, TTotals& totals) {
  // The print steps' lines, before the file's verdict.
  for (const std::string& line : r.Printed) std::printf("%s\n", line.c_str());
  switch (r.Verdict) {
    case TFileReport::Pass:
      std::printf("%s %s: %s\n", options.CheckOnly ? "OK" : "PASS", r.File.c_str(), r.Name.c_str());
      ++totals.Passed;
      break;
    case TFileReport::Fail:
      std::printf("FAIL %s\n", r.Message.c_str());
      ++totals.Failed;
      if (totals.Status == 0) totals.Status = 1;
      break;
    case TFileReport::Error:
      std::printf("ERROR %s\n", r.Message.c_str());
      ++totals.Failed;
      totals.Status = 2;
      break;
  }
  if (github && r.Verdict != TFileReport::Pass)
    std::printf("::error file=%s,line=%d::%s\n", Escaped(r.File, true).c_str(), std::max(r.Line, 1),
                Escaped(r.Message, false).c_str());
  for (const std::string& note : r.Notes) std::printf("  %s\n", note.c_str());
  if (options.Verbose) {
    for (const std::string& path : r.Written) std::printf("  wrote %s\n", path.c_str());
    for (const std::string& words : r.Said) std::printf("  said \"%s\"\n", words.c_str());
  }
  totals.Written += static_cast<int>(r.Written.size());
  std::fflush(stdout);
}

// The reports the options ask for, written whole; false when one could not be.
bool WriteReports(const TRunnerOptions& options, const std::vector<TFileReport>& reports) {
  bool ok = true;
  std::string reason;
  const auto write = [&](const std::string& path, const std::string& text) {
    if (!WriteConfinedFile(ChosenPath(path), text.data(), text.size(), reason)) {
      std::fprintf(stderr, "axim7-scenario: %s\n", WriteFailure(Printable(path), reason).c_str());
      ok = false;
    }
  };
  TCoverage coverage;
  for (const TFileReport& r : reports) coverage.Merge(r.Coverage);
  if (!options.JUnit.empty()) write(options.JUnit, JUnitXml(reports));
  if (!options.Coverage.empty())
    write(options.Coverage, CoverageJson(coverage, static_cast<int>(reports.size())));
  if (!options.Report.empty() &&
      !WriteHtmlReport(options.Report, reports, options.Coverage.empty() ? nullptr : &coverage,
                       reason)) {
    std::fprintf(stderr, "axim7-scenario: %s\n", reason.c_str());
    ok = false;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  TRunnerOptions options;
  std::string error;
  switch (ParseRunnerOptions(argc, argv, options, error)) {
    case TCommand::Help:
      std::fputs(RunnerUsage, stdout);
      return 0;
    case TCommand::Version:
      std::printf("axim7-scenario %s\n", AXIM_VERSION);
      return 0;
    case TCommand::ListFields:
      std::fputs(FieldListText().c_str(), stdout);
      return 0;
    case TCommand::Refused:
      std::fprintf(stderr, "axim7-scenario: %s\n%s", error.c_str(), RunnerUsage);
      return 2;
    case TCommand::Run:
      break;
  }
  const std::vector<std::string> files = ShardFiles(options);
  if (!options.CheckOnly) {
    const std::string clash = OutputClash(files, options.Scenario);
    if (!clash.empty()) {
      std::fprintf(stderr, "axim7-scenario: %s\n", clash.c_str());
      return 2;
    }
  }

  TRunPlan plan{files, options.Scenario, options.Jobs, options.CheckOnly,
                !options.Coverage.empty()};
  const char* actions = std::getenv("GITHUB_ACTIONS");
  const bool github = actions && std::strcmp(actions, "true") == 0;
  TTotals totals;
  std::vector<TFileReport> reports;
  const int signal =
      RunFiles(plan, reports, [&](const TFileReport& r) { Print(r, options, github, totals); });
  if (options.CheckOnly)
    std::printf("%d checked, %d could not be used\n", totals.Passed, totals.Failed);
  else
    std::printf("%d passed, %d failed, %d %s written\n", totals.Passed, totals.Failed,
                totals.Written, totals.Written == 1 ? "file" : "files");
  if (signal != 0) {
    std::printf("stopped by %s: %zu of %zu files ran\n", signal == SIGINT ? "SIGINT" : "SIGTERM",
                reports.size(), files.size());
    std::fflush(stdout);
    return 2;
  }
  if (!options.CheckOnly && !WriteReports(options, reports)) return 2;
  return totals.Status;
}
