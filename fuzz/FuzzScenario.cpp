// libFuzzer target: scenario text read and checked, once without touching
// files and once against a throw-away folder tree of links, FIFOs, folders
// and pictures (the check must leave the tree exactly as it was); when short,
// run headless without its screenshots and recordings.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioRun.h"

namespace {

namespace fs = std::filesystem;

// The tree: run/ holds the scenario and what it may meet; outside/ is what
// links point to.
fs::path MakeTree() {
  char name[] = "/tmp/axim7-fuzz-XXXXXX";
  const fs::path root = mkdtemp(name);
  const fs::path run = root / "run";
  fs::create_directories(run / "refs");
  fs::create_directories(run / "dir.png");
  fs::create_directories(root / "outside");
  std::ofstream(root / "outside" / "victim") << "precious";
  std::ofstream(run / "fuzz.yaml") << "version: 1\nsteps: [{delay: 1s}]\n";
  std::ofstream(run / "file") << "a file where a folder is wanted";
  std::ofstream(run / "refs" / "text.png") << "not a picture";
  const std::vector<uint8_t> black(FrameBufferSize, 0);
  std::string error;
  WriteDisplayPng((run / "refs" / "black.png").string(), black.data(), 1, error);
  WriteDisplayPng((run / "refs" / "black2.png").string(), black.data(), 2, error);
  fs::create_directory_symlink(root / "outside", run / "out");
  fs::create_symlink(root / "outside" / "victim", run / "victim.png");
  fs::create_symlink(root / "outside" / "victim", run / "x.png.part");
  fs::create_symlink("/dev/zero", run / "zero.png");
  fs::create_hard_link(run / "fuzz.yaml", run / "hard.png");
  mkfifo((run / "fifo.png").c_str(), 0600);
  mkfifo((run / "fifo.gif").c_str(), 0600);
  return root;
}

const fs::path Tree = MakeTree();
struct TCleanUp {
  ~TCleanUp() {
    std::error_code ignored;
    fs::remove_all(Tree, ignored);
  }
} CleanUp;

std::string Snapshot() {
  std::string listing;
  for (const auto& entry : fs::recursive_directory_iterator(Tree)) {
    struct stat status {};
    lstat(entry.path().c_str(), &status);
    listing += entry.path().string() + " " + std::to_string(status.st_mode) + " " +
               std::to_string(status.st_size) + " " + std::to_string(status.st_mtim.tv_nsec) + "\n";
  }
  return listing;
}

const std::string Pristine = Snapshot();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TScenario scenario;
  std::string error;

  // With the file system: nothing may change, whatever the text says.
  TScenarioOptions files;
  files.Update = size > 0 && data[0] % 3 == 0;
  if (size > 0 && data[0] % 2 == 0) files.OutDir = (Tree / "o").string();
  ParseScenario(text, (Tree / "run" / "fuzz.yaml").string(), files, scenario, error);
  if (Snapshot() != Pristine) {
    std::fprintf(stderr, "the check changed the tree %s\n", Tree.c_str());
    std::abort();
  }

  TScenarioOptions options;
  options.CheckFiles = false;
  if (!ParseScenario(text, "fuzz.yaml", options, scenario, error)) return 0;
  std::erase_if(scenario.Steps, [](const TStep& step) {
    return step.Kind == TStepKind::Screenshot || step.Kind == TStepKind::RecordStart ||
           step.Kind == TStepKind::RecordStop;
  });
  uint64_t passes = 0;
  for (const TStep& step : scenario.Steps) passes += step.Ticks + 2 * step.Times;
  if (passes <= 2000) RunScenario(scenario, options);
  return 0;
}
