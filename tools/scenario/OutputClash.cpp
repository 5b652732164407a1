#include "OutputClash.h"

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// Every file a checked scenario may write, as an absolute normal path.
std::vector<std::string> Outputs(const TScenario& scenario, const TScenarioOptions& options) {
  std::vector<std::string> outputs;
  const auto add = [&](const TConfinedPath& path) {
    if (path.Root.empty() && path.Relative.empty()) return;
    std::error_code ignored;
    outputs.push_back(fs::absolute(path.Full(), ignored).lexically_normal().string());
  };
  for (const TStep& step : scenario.Steps) {
    if (!step.SaveTo.empty()) add(step.Output);
    if (step.CompareWith.empty()) continue;
    if (options.Update || step.ReferenceMissing) add(step.ReferencePath);
    add(step.Actual);
    add(step.Diff);
  }
  return outputs;
}

}  // namespace

std::string OutputClash(const std::vector<std::string>& files, const TScenarioOptions& options) {
  // Under one --out, the pictures of a differing screen are named after the
  // scenario file: two files of the same name would overwrite each other's.
  if (!options.OutDir.empty())
    for (size_t i = 0; i < files.size(); ++i)
      for (size_t j = i + 1; j < files.size(); ++j)
        if (fs::path(files[i]).filename() == fs::path(files[j]).filename())
          return Printable(files[i]) + " and " + Printable(files[j]) +
                 " have the same name and would write the same pictures under --out; give each "
                 "its own --out folder";
  // The check without the file system resolves every path and reads nothing
  // but the file; a file it refuses is reported when it runs.
  TScenarioOptions quiet = options;
  quiet.CheckFiles = false;
  std::map<std::string, size_t> writer;
  for (size_t i = 0; i < files.size(); ++i) {
    if (files[i] == "-") continue;
    TScenario scenario;
    std::string error;
    if (!LoadScenario(files[i], quiet, scenario, error)) continue;
    for (const std::string& output : Outputs(scenario, options)) {
      const auto [at, added] = writer.emplace(output, i);
      if (!added && at->second != i)
        return Printable(files[at->second]) + " and " + Printable(files[i]) + " would both write " +
               Printable(output) + "; give each its own --out folder";
    }
  }
  return "";
}
