#include "scenario/ScenarioText.h"

#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "core/Clock.h"
#include "scenario/Scenario.h"

namespace {

struct TStop {
  YAML::Mark At;
  std::string Why;
};

// Counts what the parser meets, and stops at the first value beyond the
// limit: yaml-cpp's time and memory grow faster than the text, so a file
// with too many is refused before it is loaded.
class TValueCounter : public YAML::EventHandler {
 public:
  void OnDocumentStart(const YAML::Mark&) override {}
  void OnDocumentEnd() override {}
  void OnNull(const YAML::Mark& mark, YAML::anchor_t) override { Count(mark); }
  // An alias repeats a value without its text: one line could hold the
  // same megabyte many times over, so scenario files write each value out.
  void OnAlias(const YAML::Mark& mark, YAML::anchor_t) override {
    throw TStop{mark, "an alias (*name) repeats a value; write each value out"};
  }
  void OnScalar(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                const std::string&) override {
    Count(mark);
  }
  void OnSequenceStart(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                       YAML::EmitterStyle::value) override {
    Count(mark);
  }
  void OnSequenceEnd() override {}
  void OnMapStart(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                  YAML::EmitterStyle::value) override {
    Count(mark);
  }
  void OnMapEnd() override {}

 private:
  void Count(const YAML::Mark& mark) {
    if (++Values > LargestScenarioNodes)
      throw TStop{mark, "the scenario holds more than " + std::to_string(LargestScenarioNodes) +
                            " values (keys, values, maps and lists; about " +
                            std::to_string(LargestScenarioNodes / 4) + " steps)"};
  }
  int Values = 0;
};

}  // namespace

bool CountValues(const std::string& text, YAML::Mark& at, std::string& why) {
  std::istringstream in(text);
  YAML::Parser parser(in);
  TValueCounter counter;
  try {
    while (parser.HandleNextDocument(counter)) {
    }
  } catch (const TStop& stop) {
    at = stop.At;
    why = stop.Why;
    return false;
  }
  return true;
}

TClockText ParseClock(const std::string& text, int64_t& seconds) {
  static const char Shape[] = "dddd-dd-ddTdd:dd:ddZ";
  bool shaped = text.size() == sizeof Shape - 1;
  for (size_t i = 0; shaped && i < text.size(); ++i)
    shaped = Shape[i] == 'd' ? text[i] >= '0' && text[i] <= '9' : text[i] == Shape[i];
  if (!shaped) return TClockText::Misshapen;
  const auto digits = [&](size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
  const int hour = digits(11, 2), minute = digits(14, 2), second = digits(17, 2);
  if (year < 2000 || year > 2099 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
      minute > 59 || second > 59)
    return TClockText::NotReal;
  TDateTime date{};
  date.Year = static_cast<uint16_t>(year);
  date.Month = static_cast<uint8_t>(month);
  date.Day = static_cast<uint8_t>(day);
  date.Hour = static_cast<uint8_t>(hour);
  date.Minute = static_cast<uint8_t>(minute);
  date.Second = static_cast<uint8_t>(second);
  const uint32_t counted = DateToSeconds(date);
  // A day the month does not have comes back as another date.
  const TDateTime back = SecondsToDate(counted);
  if (back.Year != date.Year || back.Month != date.Month || back.Day != date.Day)
    return TClockText::NotReal;
  seconds = static_cast<int64_t>(counted);
  return TClockText::Real;
}

std::string StepText(const std::string& text, int pos) {
  constexpr size_t LongestText = 100;
  if (pos < 0 || static_cast<size_t>(pos) >= text.size()) return "";
  std::string step = text.substr(pos, 2 * LongestText);
  step.resize(std::min(step.find_first_of("\r\n"), step.size()));
  if (!step.empty() && step[0] == '{') {
    // A step written in braces ends at its closing brace.
    int depth = 0;
    for (size_t i = 0; i < step.size(); ++i) {
      depth += step[i] == '{' ? 1 : step[i] == '}' ? -1 : 0;
      if (depth == 0) {
        step.resize(i + 1);
        break;
      }
    }
  }
  const size_t comment = step.find(" #");
  if (comment != std::string::npos) step.resize(comment);
  while (!step.empty() && (step.back() == ' ' || step.back() == '\t')) step.pop_back();
  if (step.size() > LongestText) step = step.substr(0, LongestText - 3) + "...";
  return Printable(step);
}

namespace {

// The UTF-8 format characters that reorder or hide what follows them: the
// marks and embeddings of bidirectional text (U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069, U+061C), the invisible joiners and the byte-order mark.
// Returns the code point of one at text[i], else 0.
uint32_t FormatCharacter(const std::string& text, size_t i) {
  const auto at = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  if (i + 1 < text.size() && at(i) == 0xD8 && at(i + 1) == 0x9C) return 0x061C;
  if (i + 2 >= text.size() || (at(i) != 0xE2 && at(i) != 0xEF)) return 0;
  const uint32_t point = ((at(i) & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F);
  if ((at(i + 1) & 0xC0) != 0x80 || (at(i + 2) & 0xC0) != 0x80) return 0;
  const bool format = (point >= 0x200B && point <= 0x200F) ||
                      (point >= 0x202A && point <= 0x202E) ||
                      (point >= 0x2060 && point <= 0x2069) || point == 0xFEFF;
  return format ? point : 0;
}

}  // namespace

std::string Printable(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (const uint32_t point = FormatCharacter(text, i)) {
      char escape[12];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(point));
      shown += escape;
      i += point == 0x061C ? 1 : 2;
      continue;
    }
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
      continue;
    }
    const char* named = c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\r' ? "\\r" : nullptr;
    if (named != nullptr) {
      shown += named;
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02x", byte);
    shown += escape;
  }
  return shown;
}
