// The text of a scenario file around its YAML: how many values it holds,
// its clock, and a step's own words for the status bar.
#pragma once
#include <yaml-cpp/mark.h>

#include <cstdint>
#include <string>

// Counts the keys, values, maps and lists of the text without loading it.
// False, with where and why, at the first beyond LargestScenarioNodes or at
// an alias. Text that is not YAML throws YAML::Exception, as loading does.
bool CountValues(const std::string& text, YAML::Mark& at, std::string& why);

enum class TClockText { Real, Misshapen, NotReal };
// "YYYY-MM-DDTHH:MM:SSZ", digits only, a real time from 2000-01-01 to
// 2099-12-31 counted by the firmware's own calendar: seconds since 1970.
TClockText ParseClock(const std::string& text, int64_t& seconds);

// The step starting at pos as the status bar shows it: its own text from
// the file, one line at most, without a comment, cut short when long.
std::string StepText(const std::string& text, int pos);
