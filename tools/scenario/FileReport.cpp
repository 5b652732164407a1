#include "FileReport.h"

#include <algorithm>
#include <cstdlib>

void TCoverage::Merge(const TCoverage& other) {
  for (const auto& [page, count] : other.Pages) Pages[page] += count;
  for (const auto& [page, keys] : other.Keys)
    for (const auto& [key, count] : keys) Keys[page][key] += count;
  for (const auto& [row, count] : other.Rows) Rows[row] += count;
}

namespace {

// The line of "FILE:LINE: ..." or "FILE:LINE:COLUMN: ...".
int LineOf(const std::string& message, const std::string& file) {
  size_t at = message.rfind(file + ":", 0) == 0 ? file.size() : message.find(':');
  if (at == std::string::npos || at + 1 >= message.size()) return 0;
  const char* start = message.c_str() + at + 1;
  char* end = nullptr;
  const long line = std::strtol(start, &end, 10);
  return end != start && *end == ':' && line > 0 && line < 1 << 30 ? static_cast<int>(line) : 0;
}

bool Wrote(const TScenarioResult& result, const std::string& path) {
  const std::string shown = Printable(path);
  return std::find(result.Written.begin(), result.Written.end(), shown) != result.Written.end();
}

}  // namespace

TFileReport RefusedReport(const std::string& file, const std::string& error) {
  TFileReport report;
  report.Verdict = TFileReport::Error;
  report.File = Printable(file == "-" ? "stdin" : file);
  report.Name = report.File;
  report.Message = error;
  report.Line = LineOf(error, report.File);
  return report;
}

TFileReport RunReport(const std::string& file, const TScenario& scenario,
                      const TScenarioResult& result, double seconds) {
  TFileReport report;
  report.File = Printable(file == "-" ? "stdin" : file);
  report.Name = Printable(scenario.Name);
  report.Verdict = result.Outcome == TScenarioResult::Passed   ? TFileReport::Pass
                   : result.Outcome == TScenarioResult::Failed ? TFileReport::Fail
                                                               : TFileReport::Error;
  report.Message = result.Message;
  report.Line =
      report.Verdict == TFileReport::Pass ? 0 : LineOf(result.Message, Printable(scenario.File));
  report.Seconds = seconds;
  report.Notes = result.Notes;
  report.Written = result.Written;
  report.Printed = result.Printed;
  report.Said = result.Said;
  for (const TStep& step : scenario.Steps) {
    if (report.Line == 0 || step.Line < report.Line) ++report.Reached;
    TReportStep row{step.Line, Printable(step.Text), {}, {}, {}, {}};
    if (step.Kind == TStepKind::Screenshot && !step.CompareWith.empty()) {
      row.Reference = Printable(step.ReferenceMissing || Wrote(result, step.ReferencePath.Full())
                                    ? step.ReferencePath.Full()
                                    : step.CompareWith);
      if (Wrote(result, step.Actual.Full())) row.Actual = Printable(step.Actual.Full());
      if (Wrote(result, step.Diff.Full())) row.Diff = Printable(step.Diff.Full());
    }
    if ((step.Kind == TStepKind::RecordStart || step.Kind == TStepKind::Screenshot) &&
        !step.SaveTo.empty() && Wrote(result, step.SaveTo))
      row.Saved = Printable(step.SaveTo);
    report.Steps.push_back(row);
  }
  return report;
}

// The packed form: every value as its length, a colon and its bytes.
namespace {

struct TWriter {
  std::string Bytes;
  void Put(const std::string& value) { Bytes += std::to_string(value.size()) + ":" + value; }
  void Put(long value) { Put(std::to_string(value)); }
  void Put(const std::map<std::string, int>& map) {
    Put(static_cast<long>(map.size()));
    for (const auto& [key, count] : map) Put(key), Put(static_cast<long>(count));
  }
};

struct TReader {
  const std::string& Bytes;
  size_t At = 0;
  bool Good = true;
  std::string Get() {
    const size_t colon = Bytes.find(':', At);
    if (!Good || colon == std::string::npos || colon == At || colon - At > 9)
      return Good = false, "";
    const size_t size = std::strtoul(Bytes.substr(At, colon - At).c_str(), nullptr, 10);
    if (size > Bytes.size() - colon - 1) return Good = false, "";
    At = colon + 1 + size;
    return Bytes.substr(colon + 1, size);
  }
  long Number() { return std::strtol(Get().c_str(), nullptr, 10); }
  size_t Count() {
    const long n = Number();
    if (n < 0 || static_cast<size_t>(n) > Bytes.size()) Good = false;
    return Good ? static_cast<size_t>(n) : 0;
  }
  void Get(std::map<std::string, int>& map) {
    for (size_t n = Count(); n > 0 && Good; --n) {
      std::string key = Get();
      map[key] += static_cast<int>(Number());
    }
  }
  void Get(std::vector<std::string>& list) {
    for (size_t n = Count(); n > 0 && Good; --n) list.push_back(Get());
  }
};

}  // namespace

std::string Pack(const TFileReport& r) {
  TWriter w;
  w.Put(static_cast<long>(r.Verdict));
  w.Put(r.File), w.Put(r.Name), w.Put(r.Message), w.Put(static_cast<long>(r.Line));
  w.Put(static_cast<long>(r.Reached)), w.Put(std::to_string(r.Seconds));
  for (const auto* list : {&r.Notes, &r.Written, &r.Printed, &r.Said}) {
    w.Put(static_cast<long>(list->size()));
    for (const std::string& item : *list) w.Put(item);
  }
  w.Put(static_cast<long>(r.Steps.size()));
  for (const TReportStep& s : r.Steps) {
    w.Put(static_cast<long>(s.Line));
    for (const std::string* text : {&s.Text, &s.Reference, &s.Actual, &s.Diff, &s.Saved})
      w.Put(*text);
  }
  w.Put(r.Coverage.Pages), w.Put(r.Coverage.Rows);
  w.Put(static_cast<long>(r.Coverage.Keys.size()));
  for (const auto& [page, keys] : r.Coverage.Keys) w.Put(page), w.Put(keys);
  return w.Bytes;
}

bool Unpack(const std::string& bytes, TFileReport& r) {
  TReader in{bytes};
  r = TFileReport{};
  const long verdict = in.Number();
  if (verdict < 0 || verdict > 2) return false;
  r.Verdict = static_cast<TFileReport::TVerdict>(verdict);
  r.File = in.Get(), r.Name = in.Get(), r.Message = in.Get();
  r.Line = static_cast<int>(in.Number());
  r.Reached = static_cast<int>(in.Number());
  r.Seconds = std::strtod(in.Get().c_str(), nullptr);
  in.Get(r.Notes), in.Get(r.Written), in.Get(r.Printed), in.Get(r.Said);
  for (size_t n = in.Count(); n > 0 && in.Good; --n) {
    TReportStep s;
    s.Line = static_cast<int>(in.Number());
    for (std::string* text : {&s.Text, &s.Reference, &s.Actual, &s.Diff, &s.Saved})
      *text = in.Get();
    r.Steps.push_back(s);
  }
  in.Get(r.Coverage.Pages), in.Get(r.Coverage.Rows);
  for (size_t n = in.Count(); n > 0 && in.Good; --n) {
    std::string page = in.Get();
    in.Get(r.Coverage.Keys[page]);
  }
  return in.Good && in.At == bytes.size();
}
