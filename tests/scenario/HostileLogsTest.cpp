// Flight logs written by someone else, played by the real axim7-scenario:
// each is refused while the scenario is checked (no step runs, nothing is
// written), with the log's file, line and column.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/TempPath.h"

namespace {

namespace fs = std::filesystem;

const fs::path Base = OwnTempPath("axim7-hostile-logs");

std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

struct TCase {
  const char* Name;
  std::string Log;     // the file's text
  std::string Output;  // a part of what the runner prints; {log} is the log's path
  std::function<void(const fs::path&)> Prepare = [](const fs::path&) {};
};

const TCase Cases[] = {
    {"a FIFO", "", "{log}:1:1: cannot read the flight log: it is a FIFO",
     [](const fs::path& log) {
       fs::remove(log);
       ASSERT_EQ(mkfifo(log.c_str(), 0600), 0);
     }},
    {"a huge file", "", "{log}:1:1: cannot read the flight log: it is larger than 64 MiB",
     [](const fs::path& log) { fs::resize_file(log, (size_t{64} << 20) + 1); }},
    {"a row of 10 000 columns", "time(s),volts(V)" + Repeat(",x", 9998) + "\n",
     "{log}:1:1038: the row has more than 512 columns"},
    {"NaN", "time(s),volts(V)\n0,12\n0.1,nan\n",
     "{log}:3:5: the Volts value must be a finite number, found 'nan'"},
    {"infinity", "time(s),volts(V)\n0,inf\n", "{log}:2:3: the Volts value must be a finite number"},
    {"time running backwards", "time(s),volts(V)\n0,12\n1,12\n0.5,12\n",
     "{log}:4:1: the time 0.5 does not come after the row before's"},
    {"the same time twice",
     "Date,Time,volts(V)\n2026-07-10,16:39:41.300,12\n"
     "2026-07-10,16:39:41.3,12\n",
     "{log}:3:12: the time 16:39:41.3 does not come after"},
    {"a log longer than 30 days", "time(s),volts(V)\n0,12\n2600000,12\n",
     "{log}:3:1: the log runs longer than 30 days"},
    {"a unit that does not exist", "time(s),oat(furlongs)\n0,1\n",
     "{log}:1:9: unknown unit 'furlongs' in 'oat(furlongs)'"},
    {"a unit of another input", "time(s),current(V)\n0,1\n",
     "{log}:1:9: the Current input cannot be given in V"},
    {"a quote never closed", "time(s),volts(V)\n0,\"12\n",
     "{log}:2:3: the quoted field is never closed"},
    {"a short row", "time(s),volts(V),x\n0,12\n", "{log}:2:3: the row has 2 fields, the header 3"},
    {"no time column", "volts(V)\n12\n", "{log}:1:1: the header has no time column"},
    {"a date that is not one", "Date,Time,volts(V)\n2026-02-30,16:39:41,12\n",
     "{log}:2:1: the date must be like 2026-07-10, found '2026-02-30'"},
};

class HostileLogs : public testing::TestWithParam<TCase> {};

TEST_P(HostileLogs, AreRefusedWithTheirPlace) {
  const TCase& c = GetParam();
  fs::remove_all(Base);
  fs::create_directories(Base);
  const fs::path log = Base / "log.csv";
  std::ofstream(log) << c.Log;
  std::ofstream(Base / "s.yaml") << "version: 1\nsteps:\n  - play-log: { file: log.csv }\n"
                                    "  - take-screenshot: { save-to: shot.png }\n";
  c.Prepare(log);
  const fs::path out = Base / "out.txt";
  const std::string command = "timeout 20 " AXIM_SCENARIO_RUNNER " " + (Base / "s.yaml").string() +
                              " > " + out.string() + " 2>&1";
  const int status = std::system(command.c_str());
  std::ifstream in(out);
  const std::string output((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string expected = c.Output;
  expected.replace(expected.find("{log}"), 5, log.string());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2) << output;
  EXPECT_NE(output.find("s.yaml:3:23: " + expected), std::string::npos) << output;
  EXPECT_FALSE(fs::exists(Base / "shot.png"));
}

INSTANTIATE_TEST_SUITE_P(Table, HostileLogs, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<TCase>& info) {
                           std::string name;
                           for (const char* p = info.param.Name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

}  // namespace
