// Scenario files written by someone else, run with the real axim7-scenario:
// each case's exit status, its message, and every change it made to a folder
// tree compared before and after (the scenario's folder run/, a folder
// outside/ holding a file to protect, and --out's folder o/).
#include <gtest/gtest.h>
#include <spng.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

const fs::path Base = OwnTempPath("axim7-hostile");

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry of the tree: kind, and size and content or link target.
std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(Base); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = it->path().lexically_relative(Base).string();
    if (it->is_symlink())
      tree[name] = "link " + fs::read_symlink(it->path()).string();
    else if (it->is_regular_file())
      tree[name] = "file " + std::to_string(std::hash<std::string>()(Slurp(it->path())));
    else
      tree[name] = it->is_directory() ? "dir" : "special";
  }
  return tree;
}

// "+added", "-removed", "~changed", in name order.
std::vector<std::string> Changes(const std::map<std::string, std::string>& before,
                                 const std::map<std::string, std::string>& after) {
  std::vector<std::string> changes;
  for (const auto& [name, what] : after) {
    const auto was = before.find(name);
    if (was == before.end())
      changes.push_back("+" + name);
    else if (was->second != what)
      changes.push_back("~" + name);
  }
  for (const auto& [name, what] : before)
    if (!after.count(name)) changes.push_back("-" + name);
  std::sort(changes.begin(), changes.end(),
            [](const std::string& a, const std::string& b) { return a.substr(1) < b.substr(1); });
  return changes;
}

// A black display (the instrument before it is switched on) as libspng
// writes a PNG of the given kind.
void BlackPng(const fs::path& path, uint32_t width, uint32_t height, uint8_t colourType,
              uint8_t depth) {
  std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> ctx(spng_ctx_new(SPNG_CTX_ENCODER),
                                                          spng_ctx_free);
  spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
  spng_ihdr header{width, height, depth, colourType, 0, 0, 0};
  spng_set_ihdr(ctx.get(), &header);
  if (colourType == SPNG_COLOR_TYPE_INDEXED) {
    spng_plte plte{};
    plte.n_entries = 1;
    spng_set_plte(ctx.get(), &plte);
  }
  const int channels = colourType == SPNG_COLOR_TYPE_TRUECOLOR ? 3 : 1;
  const std::vector<uint8_t> samples(size_t{width} * height * channels * (depth / 8), 0);
  spng_encode_image(ctx.get(), samples.data(), samples.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
  size_t length = 0;
  int error = 0;
  void* buffer = spng_get_png_buffer(ctx.get(), &length, &error);
  std::ofstream(path, std::ios::binary).write(static_cast<char*>(buffer), length);
  std::free(buffer);
}

struct TCase {
  const char* Name;
  std::string Steps;  // after "version: 1\nsteps:\n", so the first step is on line 3
  int Status;
  std::string Output;  // a part of what the runner prints; {base} is the tree
  std::vector<std::string> Changes;
  std::function<void()> Prepare = [] {};
  std::string Args = "";            // before the file; {base} is the tree
  std::string File = "run/s.yaml";  // the file given, from the tree
  std::string Shell = "";           // before the runner in the shell command
  std::string Header = "version: 1\nsteps:\n";
};

std::string Expand(std::string text) {
  for (size_t at; (at = text.find("{base}")) != std::string::npos;)
    text.replace(at, 6, Base.string());
  return text;
}

// A fresh tree for the case.
void Prepare(const TCase& c) {
  fs::remove_all(Base);
  fs::create_directories(Base / "run" / "refs");
  fs::create_directories(Base / "outside");
  std::ofstream(Base / "outside" / "victim") << "precious";
  std::ofstream(Base / "home.bashrc") << "alias ls='ls -F'";
  const std::vector<uint8_t> black(FrameBufferSize, 0);
  std::string error;
  WriteDisplayPng((Base / "run" / "refs" / "black.png").string(), black.data(), 1, error);
  std::ofstream(Base / "run" / "s.yaml") << Expand(c.Header) << Expand(c.Steps);
  c.Prepare();
}

// Runs the case: the exit status and what was printed.
int Execute(const TCase& c, std::string& output) {
  const fs::path out = OwnTempPath("axim7-hostile.out");
  std::string file;
  std::istringstream files(c.File);
  for (std::string one; files >> one;) file += " " + (one[0] == '/' ? one : (Base / one).string());
  const std::string command = "cd " + (Base / "run").string() + " && " + c.Shell +
                              " timeout 20 " AXIM_SCENARIO_RUNNER " " + Expand(c.Args) + " " +
                              file + " > " + out.string() + " 2>&1";
  const int status = std::system(command.c_str());
  output = Slurp(out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void MakeFifo(const char* name) { ASSERT_EQ(mkfifo((Base / name).c_str(), 0600), 0); }
void Link(const char* target, const char* name) { fs::create_symlink(Expand(target), Base / name); }

std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

const std::string Off = "  - take-screenshot: { compare-with: refs/black.png }\n";
const std::string On = "  - power: on\n  - delay: 1s\n";

const TCase Cases[] = {
    // Reads
    {"a folder as the reference",
     "  - take-screenshot: { compare-with: refs }\n",
     2,
     "run/s.yaml:3:38: cannot read the reference screen {base}/run/refs: it is a folder",
     {}},
    {"the scenario's folder as the reference",
     "  - take-screenshot: { compare-with: . }\n",
     2,
     "s.yaml:3:38: the path . names a folder, not a file",
     {}},
    {"/dev/zero as the scenario",
     "",
     2,
     "ERROR /dev/zero:1:1: cannot read the file: it is a device, not a regular file",
     {},
     [] {},
     "",
     "/dev/zero"},
    {"a FIFO as the scenario",
     "",
     2,
     "fifo.yaml:1:1: cannot read the file: it is a FIFO",
     {},
     [] { MakeFifo("run/fifo.yaml"); },
     "",
     "run/fifo.yaml"},
    {"a FIFO as the reference",
     "  - take-screenshot: { compare-with: refs/f.png }\n",
     2,
     "cannot read the reference screen {base}/run/refs/f.png: it is a FIFO",
     {},
     [] { MakeFifo("run/refs/f.png"); }},
    {"a link to /dev/zero as the reference",
     "  - take-screenshot: { compare-with: zero.png }\n",
     2,
     "zero.png: it is a symbolic link, not a regular file",
     {},
     [] { Link("/dev/zero", "run/zero.png"); }},
    {"a scenario over 1 MiB",
     std::string(1 << 20, '#'),
     2,
     "s.yaml:1:1: cannot read the file: it is larger than 1 MiB",
     {}},
    {"a reference above 8x",
     "  - take-screenshot: { compare-with: big.png }\n",
     2,
     "the reference screen {base}/run/big.png is 1440 x 1080, not the display at a whole scale "
     "of 1 to 8",
     {},
     [] { BlackPng(Base / "run" / "big.png", 1440, 1080, SPNG_COLOR_TYPE_GRAYSCALE, 8); }},
    {"a reference of no scale",
     "  - take-screenshot: { compare-with: odd.png }\n",
     2,
     "is 100 x 100, not the display",
     {},
     [] { BlackPng(Base / "run" / "odd.png", 100, 100, SPNG_COLOR_TYPE_GRAYSCALE, 8); }},
    {"a palette reference",
     "  - take-screenshot: { compare-with: p.png, scale: 2 }\n",
     0,
     "PASS {base}/run/s.yaml: s",
     {},
     [] { BlackPng(Base / "run" / "p.png", 320, 240, SPNG_COLOR_TYPE_INDEXED, 8); }},
    {"a 16-bit grey reference",
     "  - take-screenshot: { compare-with: g.png }\n",
     0,
     "PASS {base}/run/s.yaml: s",
     {},
     [] { BlackPng(Base / "run" / "g.png", 160, 120, SPNG_COLOR_TYPE_GRAYSCALE, 16); }},
    // Writes outside the folder
    {"a .. out of the folder",
     "  - take-screenshot: { save-to: ../../home.bashrc }\n",
     2,
     "s.yaml:3:33: the path ../../home.bashrc leaves the scenario's folder",
     {}},
    {"an absolute path",
     "  - take-screenshot: { save-to: {base}/elsewhere/deep/x.png }\n",
     2,
     "s.yaml:3:33: the path {base}/elsewhere/deep/x.png is absolute",
     {}},
    {"/dev/full", "  - record: { save-to: /dev/full }\n", 2, "the path /dev/full is absolute", {}},
    {"a linked folder",
     "  - take-screenshot: { save-to: out/x.png }\n",
     2,
     "cannot write {base}/run/out/x.png: {base}/run/out is a symbolic link, which is not "
     "followed",
     {},
     [] { Link("{base}/outside", "run/out"); }},
    {"a link as the target",
     "  - record: { save-to: x.gif }\n",
     2,
     "cannot write {base}/run/x.gif: it is a symbolic link",
     {},
     [] { Link("{base}/outside/victim", "run/x.gif"); }},
    // Each run writes under a part name of its own (NAME.PID.part): what
    // another run left under its name is neither used nor touched.
    {"a link under another run's part name",
     "  - take-screenshot: { save-to: x.png }\n",
     0,
     "PASS {base}/run/s.yaml: s",
     {"+run/x.png"},
     [] { Link("{base}/outside/victim", "run/x.png.part"); }},
    {"a folder under another run's part name",
     "  - take-screenshot: { save-to: x.png }\n",
     0,
     "PASS {base}/run/s.yaml: s",
     {"+run/x.png"},
     [] { fs::create_directory(Base / "run" / "x.png.1.part"); }},
    {"a folder as the target",
     "  - take-screenshot: { save-to: refs }\n",
     2,
     "cannot write {base}/run/refs: it is a folder",
     {}},
    {"a FIFO as the recording",
     "  - record: { save-to: rec.gif }\n",
     2,
     "cannot write {base}/run/rec.gif: it is a FIFO",
     {},
     [] { MakeFifo("run/rec.gif"); }},
    {"--out holds .. too",
     "  - take-screenshot: { save-to: ../x.png }\n",
     2,
     "the path ../x.png leaves the scenario's folder",
     {},
     [] {},
     "--out {base}/o"},
    {"--out holds everything",
     "  - take-screenshot: { save-to: a/x.png }\n" + On + Off,
     1,
     "FAIL {base}/run/s.yaml:6: expected the screen refs/black.png",
     {"+o", "+o/a", "+o/a/x.png", "+o/s.yaml-6.actual.png", "+o/s.yaml-6.diff.png"},
     [] {},
     "--out {base}/o"},
    // The scenario and its references
    {"the scenario itself",
     "  - take-screenshot: { save-to: s.yaml }\n",
     2,
     "cannot write {base}/run/s.yaml: it is the scenario file itself",
     {}},
    {"a hard link to the scenario",
     "  - take-screenshot: { save-to: h.png }\n",
     2,
     "cannot write {base}/run/h.png: it is the scenario file itself",
     {},
     [] { fs::create_hard_link(Base / "run" / "s.yaml", Base / "run" / "h.png"); }},
    {"the reference on a failing run",
     On + "  - take-screenshot: { save-to: refs/black.png, compare-with: refs/black.png }\n",
     2,
     "s.yaml:5:33: cannot write {base}/run/refs/black.png: it is a reference screen, which only "
     "--update rewrites",
     {}},
    {"the reference spelt otherwise, before it is compared",
     "  - take-screenshot: { save-to: refs/../refs/black.png }\n" + Off,
     2,
     "it is a reference screen, which only --update rewrites",
     {}},
    {"--update rewrites the reference",
     On + Off,
     0,
     "updated {base}/run/refs/black.png",
     {"~run/refs/black.png"},
     [] {},
     "--update"},
    // Checked whole before the first step
    {"a folder named on line 3, a fault on line 4",
     "  - take-screenshot: { save-to: new/deep/a.png }\n  - jump: 1\n",
     2,
     "s.yaml:4:5: unknown step 'jump'",
     {}},
    {"a file where a later output's folder would be",
     "  - take-screenshot: { save-to: x }\n  - take-screenshot: { save-to: x/y.png }\n",
     2,
     "s.yaml:4:33: cannot write {base}/run/x/y.png: line 3 writes a file where its folder would "
     "be",
     {}},
    {"a write failing during the run",
     "  - take-screenshot: { save-to: small.png }\n" + On +
         "  - take-screenshot: { save-to: big.png, scale: 8 }\n",
     2,
     "ERROR {base}/run/s.yaml:6: Could not write {base}/run/big.png: File too large. Written "
     "before it, and left: {base}/run/small.png.",
     {"+run/small.png"},
     [] {},
     "",
     "run/s.yaml",
     "trap '' XFSZ; ulimit -f 4;"},
    {"more values than a scenario holds",
     Repeat("  - delay: 100ms\n", 7000),
     2,
     "holds more than 20000 values",
     {}},
    {"a MiB of steps on one line",
     "  [" + Repeat("{press: plus}, ", 69000) + "]\n",
     2,
     "holds more than 20000 values",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "version: 1\nsteps:\n"},
    {"an alias repeating a long text",
     "  - expect: { UtcTime.Hour: &t \"" + std::string(400, 'x') + "\" }\n" +
         Repeat("  - expect: { UtcTime.Hour: *t }\n", 3),
     2,
     "s.yaml:4:29: an alias (*name) repeats a value",
     {}},
    {"an alias repeating steps",
     "  - &a { press: plus }\n  - *a\n",
     2,
     "s.yaml:4:5: an alias (*name) repeats a value; write each value out",
     {}},
    // Clocks
    {"seconds -1",
     "  - delay: 1s\n",
     2,
     "s.yaml:1:8: the clock must be a UTC time like 2026-12-08T10:20:30Z, found "
     "'2026-01-01T00:00:-1Z'",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2026-01-01T00:00:-1Z\nversion: 1\nsteps:\n"},
    {"hour -1",
     "  - delay: 1s\n",
     2,
     "found '2026-12-08T-1:20:30Z'",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2026-12-08T-1:20:30Z\nversion: 1\nsteps:\n"},
    {"month +1",
     "  - delay: 1s\n",
     2,
     "found '2026-+1-01T00:00:00Z'",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2026-+1-01T00:00:00Z\nversion: 1\nsteps:\n"},
    {"31 April",
     "  - delay: 1s\n",
     2,
     "the clock '2026-04-31T00:00:00Z' is not a real time from 2000-01-01 to 2099-12-31",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2026-04-31T00:00:00Z\nversion: 1\nsteps:\n"},
    {"1999",
     "  - delay: 1s\n",
     2,
     "is not a real time",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 1999-12-31T23:59:59Z\nversion: 1\nsteps:\n"},
    {"2100",
     "  - delay: 1s\n",
     2,
     "is not a real time",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2100-01-01T00:00:00Z\nversion: 1\nsteps:\n"},
    {"24:00",
     "  - delay: 1s\n",
     2,
     "is not a real time",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2026-01-01T24:00:00Z\nversion: 1\nsteps:\n"},
    {"a leap day",
     "  - expect: { UtcTime.Day: 29, UtcTime.Month: 2 }\n",
     0,
     "PASS",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2028-02-29T12:00:00Z\nversion: 1\nsteps:\n  - power: on\n"},
    {"the last second",
     "  - expect: { UtcTime.Year: 2099, UtcTime.Second: 59 }\n",
     0,
     "PASS",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "clock: 2099-12-31T23:59:59Z\nversion: 1\nsteps:\n  - power: on\n"},
    // Waits and expectations: a failure says everything that differs
    {"a wait-until that never holds",
     "  - power: on\n  - wait-until: { until: { AlarmFlags: 0x10, lamp: red }, within: 2s }\n",
     1,
     "FAIL {base}/run/s.yaml:4: after 2s: expected AlarmFlags 0x10, found 0x05\n",
     {}},
    {"every mismatch of an expect",
     "  - power: on\n  - expect: { Volts: 150, page: HomePage, lamp: red, shows: { text: UTC, "
     "row: 51 } }\n",
     1,
     "s.yaml:4: expected Volts 150, found 9 (\"0.9 V\"); expected the lamp red, found it dark; "
     "expected the display to show \"UTC\" on row 51, found: \"LCL\" at (0, 1), ",
     {}},
    // What is printed
    {"an empty file",
     "",
     2,
     "ERROR {base}/run/s.yaml:1:1: a scenario must be a map",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     ""},
    {"a name with line breaks",
     "  - delay: 1s\n",
     0,
     "PASS {base}/run/s.yaml: x\\nPASS y\\x1b[31m\n1 passed",
     {},
     [] {},
     "",
     "run/s.yaml",
     "",
     "name: \"x\\nPASS y\\e[31m\"\nversion: 1\nsteps:\n"},
    {"standard input",
     "  - delay: 1s\n",
     0,
     "PASS stdin: stdin\n1 passed, 0 failed, 0 files",
     {},
     [] {},
     "-",
     "",
     "cat s.yaml |"},
    {"--verbose names each file",
     "  - take-screenshot: { save-to: a.png }\n  - record: { save-to: b.gif }\n  - delay: 1s\n",
     0,
     "  wrote {base}/run/a.png\n  wrote {base}/run/b.gif\n1 passed, 0 failed, 2 files written",
     {"+run/a.png", "+run/b.gif"},
     [] {},
     "--verbose"},
    {"--version", "", 0, "axim7-scenario 1.0\n", {}, [] {}, "--version", ""},
    {"two files of one name under one --out",
     "  - delay: 1s\n",
     2,
     "run/s.yaml and {base}/run/d/s.yaml have the same name and would write the same pictures",
     {},
     [] {
       fs::create_directory(Base / "run" / "d");
       fs::copy_file(Base / "run" / "s.yaml", Base / "run" / "d" / "s.yaml");
     },
     "--out {base}/o",
     "run/s.yaml run/d/s.yaml"},
    {"two files comparing a/screen.png and b/screen.png",
     "",
     1,
     "FAIL {base}/run/b.yaml:5: expected the screen b/screen.png, found 19200 display pixels "
     "different, the first at (0, 0); see {base}/o/b.yaml-5.actual.png",
     {"+o", "+o/a.yaml-5.actual.png", "+o/a.yaml-5.diff.png", "+o/b.yaml-5.actual.png",
      "+o/b.yaml-5.diff.png"},
     [] {
       for (const char* name : {"a", "b"}) {
         fs::create_directory(Base / "run" / name);
         const std::vector<uint8_t> white(FrameBufferSize, 15);
         std::string error;
         WriteDisplayPng((Base / "run" / name / "screen.png").string(), white.data(), 1, error);
         std::ofstream(Base / "run" / (name + std::string(".yaml")))
             << "version: 1\nsteps:\n  - delay: 1s\n  - delay: 1s\n"
             << "  - take-screenshot: { compare-with: " << name << "/screen.png }\n";
       }
     },
     "--out {base}/o",
     "run/a.yaml run/b.yaml"},
};

TEST(HostileFiles, EachIsRefusedOrRunWithinItsFolder) {
  for (const TCase& c : Cases) {
    std::string output;
    Prepare(c);
    const auto before = Snapshot();
    const int status = Execute(c, output);
    EXPECT_EQ(status, c.Status) << c.Name << "\n" << output;
    EXPECT_NE(output.find(Expand(c.Output)), std::string::npos) << c.Name << ": expected\n"
                                                                << Expand(c.Output) << "\nin\n"
                                                                << output;
    EXPECT_EQ(Changes(before, Snapshot()), c.Changes) << c.Name << "\n" << output;
    EXPECT_EQ(Slurp(Base / "outside" / "victim"), "precious") << c.Name;
  }
  fs::remove_all(Base);
}

}  // namespace

namespace {

// Only a user the folder's permissions hold back sees this: root writes
// anyway, so as root the runner runs as nobody.
TEST(HostileFiles, AWritableFileInAReadOnlyFolderIsRefusedInTheCheck) {
  TCase c{"read-only folder",
          "  - take-screenshot: { save-to: ro/x.png }\n",
          2,
          "cannot write {base}/run/ro/x.png: its folder (or the nearest one that exists) "
          "is not writable",
          {},
          [] {
            fs::create_directory(Base / "run" / "ro");
            std::ofstream(Base / "run" / "ro" / "x.png") << "mine";
            fs::permissions(Base / "run" / "ro", fs::perms::owner_read | fs::perms::owner_exec |
                                                     fs::perms::others_read |
                                                     fs::perms::others_exec);
          }};
  if (geteuid() == 0) c.Shell = "setpriv --reuid=65534 --regid=65534 --clear-groups";
  Prepare(c);
  const auto before = Snapshot();
  std::string output;
  EXPECT_EQ(Execute(c, output), 2) << output;
  EXPECT_NE(output.find(Expand(c.Output)), std::string::npos) << output;
  EXPECT_EQ(Changes(before, Snapshot()), c.Changes);
  fs::permissions(Base / "run" / "ro", fs::perms::owner_all);
  fs::remove_all(Base);
}

}  // namespace
