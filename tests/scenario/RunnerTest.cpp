// The runner as CI runs it, through the real axim7-scenario: parallel runs
// and shards, clashing outputs, signals, a full disk, time limits and the
// reports. Each case is a shell command run in a fresh folder; $R is the
// runner, $XSD the JUnit schema that Jenkins and GitLab read.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "graphics/FrameBuffer.h"
#include "pictures/Pictures.h"
#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

const fs::path Base = OwnTempPath("axim7-runner");

struct TRun {
  const char* Name;
  const char* Command;
  int Status;
  std::vector<std::string> Output;  // each printed somewhere
};

void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

void Prepare() {
  fs::remove_all(Base);
  fs::create_directories(Base / "refs");
  fs::create_directories(Base / "gen");
  const std::vector<uint8_t> black(FrameBufferSize, 0);
  std::string error;
  WriteDisplayPng((Base / "refs" / "black.png").string(), black.data(), 1, error);
  const std::string head = "version: 1\nsteps:\n  - power: on\n  - delay: 1s\n";
  Write(Base / "pass.yaml", head + "  - expect: { page: HomePage }\n");
  Write(Base / "fail.yaml", head + "  - take-screenshot: { compare-with: refs/black.png }\n");
  Write(Base / "bad.yaml", head + "  - jump: 1\n");
  Write(Base / "rec.yaml", head + "  - record: { save-to: big.gif, scale: 8 }\n  - delay: 20s\n");
  Write(Base / "long.yaml",
        head + "  - record: { save-to: long.gif, scale: 8 }\n  - delay: 86400s\n");
  for (int i = 0; i < 100; ++i) {
    std::string text = head;
    if (i % 10 == 3) {
      text += "  - expect: { Volts: 999 }\n";
    } else if (i % 10 == 7) {
      text += "  - jump: 1\n";
    } else {
      text += "  - record: { save-to: out/";
      text += std::to_string(i);
      text += ".gif }\n  - delay: 3s\n";
    }
    char name[16];
    std::snprintf(name, sizeof name, "g%d.yaml", 100 + i);
    Write(Base / "gen" / name, text);
  }
}

const TRun Runs[] = {
    {"-j 2 over 100 files prints what -j 1 prints",
     "$R -j 1 gen/*.yaml > one; a=$?; $R -j 2 --out o2 gen/*.yaml > two; b=$?; "
     "diff one two && echo same $a $b; tail -1 two",
     0,
     {"same 2 2", "80 passed, 20 failed, 80 files written"}},
    {"the shards' JUnit files hold every file once",
     "$R --shard 1/2 --junit a.xml gen/*.yaml > /dev/null; $R --shard 2/2 --junit b.xml gen/*.yaml "
     "> /dev/null; xmllint --noout --schema $XSD a.xml b.xml && cat a.xml b.xml | grep -o "
     "'file=\"[^\"]*\"' | sort -u | wc -l; cat a.xml b.xml | grep -c '<testcase'",
     0,
     {"a.xml validates\nb.xml validates\n100\n100\n"}},
    {"a JUnit file carries failures, errors and the pictures",
     "$R --junit j.xml pass.yaml fail.yaml bad.yaml; xmllint --noout --schema $XSD j.xml && cat "
     "j.xml",
     0,
     {"tests=\"3\" failures=\"1\" errors=\"1\"",
      "<failure message=\"fail.yaml:5: expected the screen",
      "<error message=\"bad.yaml:5:5: unknown step", "[[ATTACHMENT|fail.yaml-5.actual.png]]"}},
    {"four runs of one file at once under two --out",
     "for o in a b a b; do $R --out $o rec.yaml & done > all; wait; grep -c '^PASS rec.yaml' all; "
     "grep -c ERROR all; ls a b",
     0,
     {"4\n0\na:\nbig.gif\n\nb:\nbig.gif\n"}},
    {"one file twice writing the same outputs",
     "$R pass.yaml rec.yaml rec.yaml",
     2,
     {"rec.yaml and rec.yaml would both write " + Base.string() + "/big.gif"}},
    {"SIGTERM while recording",
     "$R -j 2 pass.yaml long.yaml & p=$!; sleep 1; kill -TERM $p; wait $p; echo rc=$?; "
     "find . -name '*.part' | wc -l",
     0,
     {"PASS pass.yaml",
      "1 passed, 0 failed, 0 files written\nstopped by SIGTERM: 1 of 2 files "
      "ran\nrc=2\n0\n"}},
    {"SIGINT in one process",
     "$R long.yaml & p=$!; sleep 1; kill -INT $p; wait $p; echo rc=$?; ls",
     0,
     {"stopped by SIGINT: 0 of 1 files ran\nrc=2\nbad.yaml"}},
    // A full tmpfs when one can be mounted (as root), else a file-size limit.
    {"a full disk keeps a FAIL",
     "mkdir o; if mount -t tmpfs -o size=4k tmpfs o 2>/dev/null; then head -c 4096 /dev/zero > "
     "o/fill; $R --out o fail.yaml; s=$?; umount o; else (trap '' XFSZ; ulimit -f 1; $R --out o "
     "fail.yaml); s=$?; fi; exit $s",
     1,
     {"FAIL fail.yaml:5: expected the screen refs/black.png, found", "; Could not write o/",
      "fail.yaml-5.actual.png: ", ". Nothing else was written."}},
    {"--timeout",
     "$R --timeout 1 long.yaml",
     2,
     {"ERROR long.yaml:6: did not end within --timeout 1 s; it had reached line 6, delay: "
      "86400s."}},
    {"--check writes nothing",
     "$R --check rec.yaml bad.yaml; echo rc=$?; ls | grep -c gif",
     1,
     {"OK rec.yaml: rec\nERROR bad.yaml:5:5", "1 checked, 1 could not be used\nrc=2\n0\n"}},
    {"GitHub Actions annotations",
     "GITHUB_ACTIONS=true $R fail.yaml pass.yaml",
     1,
     {"::error file=fail.yaml,line=5::fail.yaml:5: expected the screen"}},
    {"a bad -j", "$R -j 0 pass.yaml", 2, {"-j needs a number of processes, 1 to 256"}},
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Runner, EachRunAsCiRunsIt) {
  const fs::path script = OwnTempPath("axim7-runner.sh"), out = OwnTempPath("axim7-runner.out");
  for (const TRun& run : Runs) {
    Prepare();
    std::string text = "cd ";
    text += Base.string();
    text += "\nR=" AXIM_SCENARIO_RUNNER "\nXSD=";
    text += (fs::path(__FILE__).parent_path() / "junit.xsd").string();
    text += "\n";
    text += run.Command;
    Write(script, text + "\n");
    const int status = std::system(
        ("timeout 60 bash " + script.string() + " > " + out.string() + " 2>&1").c_str());
    const std::string output = Slurp(out);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, run.Status) << run.Name << "\n"
                                                                        << output;
    for (const std::string& part : run.Output)
      EXPECT_NE(output.find(part), std::string::npos) << run.Name << ": expected\n"
                                                      << part << "\nin\n"
                                                      << output;
  }
  fs::remove_all(Base);
  fs::remove(script);
  fs::remove(out);
}

}  // namespace
