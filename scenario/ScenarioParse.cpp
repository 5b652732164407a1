// Reading and checking a scenario file: everything that can be found wrong
// without running it is found here, with the file, line and column.
#include <unistd.h>
#include <yaml-cpp/yaml.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>

#include "graphics/FrameBuffer.h"
#include "scenario/Scenario.h"

namespace fs = std::filesystem;

namespace {

struct TCheckError {
  int Line;
  int Column;
  std::string Message;
};

[[noreturn]] void Fail(const YAML::Node& at, const std::string& message) {
  const YAML::Mark mark = at.Mark();
  throw TCheckError{mark.line + 1, mark.column + 1, message};
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// What a node holds, for messages.
std::string Found(const YAML::Node& node) {
  if (node.IsMap()) return "a map";
  if (node.IsSequence()) return "a list";
  if (node.IsNull()) return "nothing";
  return Quoted(node.Scalar());
}

std::string Scalar(const YAML::Node& node, const std::string& what) {
  if (!node.IsScalar()) Fail(node, what + " must be a single value, found " + Found(node));
  return node.Scalar();
}

// The entries of a map in file order, refusing repeated and unknown keys.
std::vector<std::pair<YAML::Node, YAML::Node>> Entries(const YAML::Node& map,
                                                       const std::string& what,
                                                       std::vector<std::string> known = {}) {
  if (!map.IsMap()) Fail(map, what + " must be a map, found " + Found(map));
  std::vector<std::pair<YAML::Node, YAML::Node>> entries;
  std::map<std::string, int> seen;
  for (const auto& entry : map) {
    const std::string key = Scalar(entry.first, "a key");
    if (seen.count(key))
      Fail(entry.first, Quoted(key) + " is given twice in " + what + " (first on line " +
                            std::to_string(seen[key]) + ")");
    seen[key] = entry.first.Mark().line + 1;
    if (!known.empty()) {
      bool ok = false;
      std::string list;
      for (const auto& name : known) {
        ok = ok || name == key;
        list += (list.empty() ? "" : ", ") + name;
      }
      if (!ok)
        Fail(entry.first, "unknown key " + Quoted(key) + " in " + what + " (known: " + list + ")");
    }
    entries.emplace_back(entry.first, entry.second);
  }
  return entries;
}

// A number as written: decimal (with an optional fraction) or 0x hexadecimal.
bool ParseNumber(const std::string& text, double& value, int& decimals) {
  size_t i = 0;
  const bool negative = !text.empty() && (text[0] == '-' || text[0] == '+');
  if (negative) i = 1;
  decimals = 0;
  if (text.size() > i + 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    if (text.size() - i - 2 > 8) return false;
    uint64_t v = 0;
    for (size_t k = i + 2; k < text.size(); ++k) {
      const char c = text[k];
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        return false;
      v = v * 16 + digit;
    }
    value = static_cast<double>(v);
  } else {
    size_t digits = 0, point = std::string::npos;
    for (size_t k = i; k < text.size(); ++k) {
      if (text[k] >= '0' && text[k] <= '9') {
        ++digits;
      } else if (text[k] == '.' && point == std::string::npos) {
        point = k;
      } else {
        return false;
      }
    }
    if (digits == 0 || digits > 15) return false;
    if (point != std::string::npos) decimals = static_cast<int>(text.size() - point - 1);
    value = std::strtod(text.c_str() + i, nullptr);
  }
  if (text[0] == '-') value = -value;
  return true;
}

double Number(const YAML::Node& node, const std::string& what, int* decimals = nullptr) {
  const std::string text = Scalar(node, what);
  double value;
  int places;
  if (!ParseNumber(text, value, places))
    Fail(node, what + " must be a number, found " + Quoted(text));
  if (decimals) *decimals = places;
  return value;
}

int WholeNumber(const YAML::Node& node, const std::string& what, int min, int max) {
  int places;
  const double value = Number(node, what, &places);
  if (places > 0 || value != std::floor(value))
    Fail(node, what + " must be a whole number, found " + Quoted(node.Scalar()));
  if (value < min || value > max)
    Fail(node, what + " " + node.Scalar() + " is outside " + std::to_string(min) + ".." +
                   std::to_string(max));
  return static_cast<int>(value);
}

// The smallest and largest value a field's type holds.
void TypeLimits(TFieldType type, double& min, double& max) {
  switch (type) {
    case FieldU8:
      min = 0, max = 255;
      return;
    case FieldI8:
      min = -128, max = 127;
      return;
    case FieldU16:
      min = 0, max = 65535;
      return;
    case FieldI16:
      min = -32768, max = 32767;
      return;
    case FieldU32:
      min = 0, max = 4294967295.0;
      return;
    case FieldI32:
      min = -2147483648.0, max = 2147483647;
      return;
    default:
      min = -std::numeric_limits<double>::max(), max = -min;
      return;
  }
}

std::string NumberText(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

struct TNamed {
  const char* Name;
  int Code;
};
const TNamed Controls[] = {{"volts", 0}, {"current", 1}, {"oat", 2},      {"x", 3},
                           {"y", 4},     {"z", 5},       {"calibrate", 6}};
const TNamed Keys[] = {{"left", KeyLeft},
                       {"right", KeyRight},
                       {"knob", KeyKnobPress},
                       {"plus", KeyKnobPlus},
                       {"minus", KeyKnobMinus}};

template <size_t N>
int Lookup(const YAML::Node& node, const TNamed (&names)[N], const std::string& what) {
  const std::string text = Scalar(node, what);
  std::string list;
  for (const auto& named : names) {
    if (text == named.Name) return named.Code;
    list += (list.empty() ? "" : ", ") + std::string(named.Name);
  }
  Fail(node, "unknown " + what + " " + Quoted(text) + " (known: " + list + ")");
}

// A key's value, or nothing when the key is not written.
using TMaybe = std::optional<YAML::Node>;

class TChecker {
 public:
  TChecker(const std::string& file, const TScenarioOptions& options, TScenario& scenario)
      : Options(options), Scenario(scenario) {
    const fs::path path(file);
    Base = path.parent_path();
  }

  void Check(const YAML::Node& root, const std::vector<std::string>& lines) {
    if (!root.IsMap())
      Fail(root, "a scenario must be a map with 'version' and 'steps', found " + Found(root));
    TMaybe steps, version;
    for (const auto& [key, value] :
         Entries(root, "the scenario", {"name", "version", "clock", "steps"})) {
      const std::string name = key.Scalar();
      if (name == "name") Scenario.Name = Scalar(value, "the name");
      if (name == "version") version = value;
      if (name == "clock") {
        Scenario.Clock = Clock(value);
        Scenario.ClockGiven = true;
      }
      if (name == "steps") steps = value;
    }
    if (!version) Fail(root, "the scenario has no 'version' (write version: 1)");
    WholeNumber(*version, "the version", 1, 1);
    if (!steps) Fail(root, "the scenario has no 'steps'");
    if (!steps->IsSequence()) Fail(*steps, "'steps' must be a list, found " + Found(*steps));
    if (steps->size() == 0) Fail(*steps, "'steps' is empty");
    for (const auto& node : *steps) {
      TStep step = Step(node);
      const int line = node.Mark().line;
      if (line >= 0 && line < static_cast<int>(lines.size())) step.Text = Tidy(lines[line]);
      Scenario.Steps.push_back(std::move(step));
    }
  }

 private:
  static std::string Tidy(std::string text) {
    const size_t start = text.find_first_not_of(" \t-");
    text = start == std::string::npos ? "" : text.substr(start);
    const size_t comment = text.find(" #");
    if (comment != std::string::npos) text.resize(comment);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.pop_back();
    return text;
  }

  static int64_t Clock(const YAML::Node& node) {
    const std::string text = Scalar(node, "the clock");
    int year, month, day, hour, minute, second, used = 0;
    if (text.size() != 20 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &year, &month, &day, &hour, &minute,
                    &second, &used) != 6 ||
        used != 20)
      Fail(node, "the clock must be a UTC time like 2026-12-08T10:20:30Z, found " + Quoted(text));
    static const int Days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    if (year < 2000 || year > 2099 || month < 1 || month > 12 || day < 1 || day > Days[month - 1] ||
        (month == 2 && day == 29 && !leap) || hour > 23 || minute > 59 || second > 59)
      Fail(node, "the clock " + Quoted(text) + " is not a time of the years 2000..2099");
    // Days since 1970 of a civil date.
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400, yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long days = era * 146097L + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
    return static_cast<int64_t>(((days * 24 + hour) * 60 + minute) * 60 + second);
  }

  TStep Step(const YAML::Node& node) {
    TStep step;
    step.Line = node.Mark().line + 1;
    step.Column = node.Mark().column + 1;
    const auto entries = Entries(node, "a step");
    if (entries.size() != 1)
      Fail(node, "a step must have exactly one kind (press, delay, set, ...), found " +
                     std::to_string(entries.size()));
    const YAML::Node& key = entries[0].first;
    const YAML::Node& value = entries[0].second;
    const std::string kind = key.Scalar();
    if (kind == "set-control") {
      SetControl(value, step);
    } else if (kind == "power") {
      step.Kind = TStepKind::Power;
      const std::string state = Scalar(value, "power");
      if (state != "on" && state != "off")
        Fail(value, "power must be on or off, found " + Quoted(state));
      step.Value = state == "on";
    } else if (kind == "press") {
      Press(value, step);
    } else if (kind == "delay") {
      step.Kind = TStepKind::Delay;
      step.Ticks = Delay(value);
    } else if (kind == "set") {
      step.Kind = TStepKind::Set;
      for (const auto& [name, v] : Entries(value, "set"))
        step.Assignments.push_back(Assign(name, v));
      if (step.Assignments.empty()) Fail(value, "set names no field");
    } else if (kind == "expect") {
      step.Kind = TStepKind::Expect;
      for (const auto& [name, v] : Entries(value, "expect"))
        step.Expectations.push_back(Expect(name, v));
      if (step.Expectations.empty()) Fail(value, "expect names nothing");
    } else if (kind == "take-screenshot") {
      Screenshot(value, step);
    } else if (kind == "record") {
      Record(value, step);
    } else {
      Fail(key,
           "unknown step " + Quoted(kind) +
               " (known: set-control, power, press, delay, set, expect, take-screenshot, record)");
    }
    return step;
  }

  void SetControl(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::SetControl;
    TMaybe control, position;
    for (const auto& [key, v] : Entries(value, "set-control", {"control", "value"}))
      (key.Scalar() == "control" ? control : position) = v;
    if (!control || !position) Fail(value, "set-control needs both 'control' and 'value'");
    step.Control = static_cast<TControl>(Lookup(*control, Controls, "control"));
    switch (step.Control) {
      case TControl::Volts:
      case TControl::Current:
      case TControl::Oat:
        step.Value = WholeNumber(*position, "the value", 0, 4096);
        break;
      case TControl::Calibrate:
        step.Value = WholeNumber(*position, "the value", 0, 1);
        break;
      default:
        step.Value = WholeNumber(*position, "the value", -300, 300);
    }
  }

  void Press(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::Press;
    if (value.IsScalar()) {
      step.Key = static_cast<uint8_t>(Lookup(value, Keys, "key"));
      return;
    }
    TMaybe key, times;
    for (const auto& [k, v] : Entries(value, "press", {"key", "times"}))
      (k.Scalar() == "key" ? key : times) = v;
    if (!key) Fail(value, "press needs a 'key'");
    step.Key = static_cast<uint8_t>(Lookup(*key, Keys, "key"));
    if (times) step.Times = WholeNumber(*times, "times", 1, 1000);
  }

  static uint32_t Delay(const YAML::Node& node) {
    const std::string text = Scalar(node, "the delay");
    const bool ms = text.size() > 2 && text.compare(text.size() - 2, 2, "ms") == 0;
    const bool s = !ms && text.size() > 1 && text.back() == 's';
    double value;
    int decimals;
    if ((!ms && !s) || !ParseNumber(text.substr(0, text.size() - (ms ? 2 : 1)), value, decimals) ||
        text[0] == '-' || text[0] == '+' || text.find('x') != std::string::npos)
      Fail(node, "a delay is a duration like 2500ms or 2.5s, found " + Quoted(text));
    const double milliseconds = ms ? value : value * 1000;
    const double ticks = milliseconds / 100;
    if (std::fabs(ticks - std::round(ticks)) > 1e-9 || ticks < 1)
      Fail(node, "the delay " + text + " is not a whole number of 100 ms ticks");
    if (ticks > LongestDelayTicks) Fail(node, "the delay " + text + " is longer than a day");
    return static_cast<uint32_t>(std::round(ticks));
  }

  static const TField& Field(const YAML::Node& name) {
    const TField* field = FindField(name.Scalar().c_str());
    if (!field) Fail(name, "unknown field " + Quoted(name.Scalar()));
    return *field;
  }

  static TAssignment Assign(const YAML::Node& name, const YAML::Node& value) {
    const TField& field = Field(name);
    if (!field.Settable)
      Fail(name,
           Quoted(name.Scalar()) + " cannot be set (only settings, calibration and inputs can)");
    TAssignment assignment{&field, 0};
    const std::string text = Scalar(value, name.Scalar());
    bool named = false;
    if (field.Show == ShowChoice)
      for (int i = 0; i < 2; ++i)
        if (text == field.Texts[i]) assignment.Value = i, named = true;
    if (!named) assignment.Value = Number(value, name.Scalar());
    // The OAT levels are checked here against both units' ranges together and
    // again, against the unit then selected, when the step runs.
    const double min = field.Min, max = field.Max;
    if (assignment.Value < min || assignment.Value > max)
      Fail(value,
           name.Scalar() + " " + text + " is outside " + NumberText(min) + ".." + NumberText(max));
    if (field.Type != FieldF32 && assignment.Value != std::floor(assignment.Value))
      Fail(value, name.Scalar() + " must be a whole number, found " + Quoted(text));
    if (field.Type != FieldF32 && std::fmod(assignment.Value - min, field.Step) != 0)
      Fail(value, name.Scalar() + " moves in steps of " + std::to_string(field.Step) + " from " +
                      NumberText(min) + ", found " + text);
    return assignment;
  }

  static TExpectation Expect(const YAML::Node& name, const YAML::Node& value) {
    TExpectation expectation;
    expectation.Name = name.Scalar();
    expectation.Text = Scalar(value, name.Scalar());
    const std::string& text = expectation.Text;
    if (expectation.Name == "page" || expectation.Name == "lamp") {
      if (expectation.Name == "lamp") {
        if (text != "red" && text != "dark")
          Fail(value, "lamp must be red or dark, found " + Quoted(text));
        expectation.Kind = TExpectation::Lamp;
        expectation.LampRed = text == "red";
        return expectation;
      }
      expectation.Kind = TExpectation::Page;
      expectation.Handler = Page(value);
      return expectation;
    }
    const TField& field = Field(name);
    expectation.Field = &field;
    if (field.Type == FieldPage) {
      expectation.Kind = TExpectation::Page;
      expectation.Handler = Page(value);
      return expectation;
    }
    if (field.Show == ShowChoice)
      for (int i = 0; i < 2; ++i)
        if (text == field.Texts[i]) {
          expectation.Value = i;
          return expectation;
        }
    // A quoted text is compared with the value as the instrument shows it.
    if (value.Tag() == "!") {
      expectation.Kind = TExpectation::ShownText;
      return expectation;
    }
    expectation.Value = Number(value, name.Scalar(), &expectation.Decimals);
    if (field.Type != FieldF32 && expectation.Decimals > 0)
      Fail(value, name.Scalar() + " holds whole numbers, found " + text);
    double min, max;
    TypeLimits(field.Type, min, max);
    if (expectation.Value < min || expectation.Value > max)
      Fail(value, name.Scalar() + " can never be " + text + " (it holds " + NumberText(min) + ".." +
                      NumberText(max) + ")");
    return expectation;
  }

  static TPageHandler Page(const YAML::Node& value) {
    const TPageHandler handler = FindPage(value.Scalar().c_str());
    if (!handler) Fail(value, "unknown page " + Quoted(value.Scalar()));
    return handler;
  }

  // A path for writing: under --out when given, else next to the scenario.
  std::string OutputPath(const YAML::Node& node) {
    const fs::path written(Scalar(node, "a path"));
    if (written.empty()) Fail(node, "the path is empty");
    const fs::path path = written.is_absolute()    ? written
                          : Options.OutDir.empty() ? Base / written
                                                   : fs::path(Options.OutDir) / written;
    if (Options.CheckFiles) CheckWritable(node, path);
    return path.string();
  }

  static void CheckWritable(const YAML::Node& node, const fs::path& path) {
    std::error_code failure;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::create_directories(folder, failure);
    if (failure) Fail(node, "cannot make the folder " + folder.string() + ": " + failure.message());
    if (fs::is_directory(path)) Fail(node, "cannot write " + path.string() + ": it is a folder");
    const fs::path probe = fs::exists(path) ? path : folder;
    if (access(probe.c_str(), W_OK) != 0)
      Fail(node, "cannot write " + path.string() + ": " + std::strerror(errno));
  }

  static int Scale(const TMaybe& node) {
    return node ? WholeNumber(*node, "the scale", 1, LargestScale) : 1;
  }

  void Screenshot(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::Screenshot;
    TMaybe save, compare, scale;
    for (const auto& [key, v] :
         Entries(value, "take-screenshot", {"save-to", "compare-with", "scale"}))
      (key.Scalar() == "save-to" ? save : key.Scalar() == "scale" ? scale : compare) = v;
    if (!save && !compare) Fail(value, "take-screenshot needs 'save-to' or 'compare-with'");
    step.Scale = Scale(scale);
    if (save) step.SaveTo = OutputPath(*save);
    if (!compare) return;
    Reference(*compare, step);
  }

  void Reference(const YAML::Node& compare, TStep& step) {
    step.ReferenceLabel = Scalar(compare, "a path");
    const fs::path written(step.ReferenceLabel);
    if (written.empty()) Fail(compare, "the path is empty");
    step.CompareWith = (written.is_absolute() ? written : Base / written).string();
    if (!Options.CheckFiles) return;
    if (!fs::exists(step.CompareWith)) {
      if (!Options.Update)
        Fail(compare, "the reference screen " + step.CompareWith +
                          " does not exist (run with --update to write it)");
      step.ReferenceMissing = true;
      CheckWritable(compare, step.CompareWith);
      return;
    }
    std::string error;
    if (!ReadPng(step.CompareWith, step.Reference, error)) Fail(compare, error);
    const int w = step.Reference.Width, h = step.Reference.Height;
    if (w % ScreenWidth != 0 || h * ScreenWidth != w * ScreenHeight)
      Fail(compare, "the reference screen " + step.CompareWith + " is " + std::to_string(w) +
                        " x " + std::to_string(h) +
                        ", not the display at a whole scale (160 x 120, 320 x 240, ...)");
    if (Options.Update) CheckWritable(compare, step.CompareWith);
  }

  void Record(const YAML::Node& value, TStep& step) {
    if (value.IsScalar()) {
      if (value.Scalar() != "stop")
        Fail(value, "record is a map with 'save-to' or stop, found " + Found(value));
      if (RecordingLine == 0) Fail(value, "record: stop without a recording running");
      step.Kind = TStepKind::RecordStop;
      RecordingLine = 0;
      return;
    }
    step.Kind = TStepKind::RecordStart;
    TMaybe save, scale;
    for (const auto& [key, v] : Entries(value, "record", {"save-to", "scale"}))
      (key.Scalar() == "save-to" ? save : scale) = v;
    if (!save) Fail(value, "record needs 'save-to'");
    if (RecordingLine != 0)
      Fail(value, "a recording is already running (started on line " +
                      std::to_string(RecordingLine) + ")");
    step.Scale = Scale(scale);
    step.SaveTo = OutputPath(*save);
    RecordingLine = value.Mark().line + 1;
  }

  const TScenarioOptions& Options;
  TScenario& Scenario;
  fs::path Base;
  int RecordingLine = 0;
};

}  // namespace

const char* ControlName(TControl control) { return Controls[static_cast<int>(control)].Name; }

const char* KeyName(uint8_t key) {
  for (const auto& named : Keys)
    if (named.Code == key) return named.Name;
  return "none";
}

bool ParseScenario(const std::string& text, const std::string& file,
                   const TScenarioOptions& options, TScenario& scenario, std::string& error) {
  scenario = TScenario{};
  scenario.File = file;
  scenario.Name = fs::path(file).stem().string();
  scenario.Clock = DefaultScenarioClock;
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  try {
    const YAML::Node root = YAML::Load(text);
    TChecker(file, options, scenario).Check(root, lines);
    return true;
  } catch (const TCheckError& e) {
    error = file + ":" + std::to_string(e.Line) + ":" + std::to_string(e.Column) + ": " + e.Message;
  } catch (const YAML::Exception& e) {
    error = file + ":" + std::to_string(e.mark.line + 1) + ":" + std::to_string(e.mark.column + 1) +
            ": not valid YAML: " + e.msg;
  }
  scenario.Steps.clear();
  return false;
}

bool LoadScenario(const std::string& path, const TScenarioOptions& options, TScenario& scenario,
                  std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in || fs::is_directory(path)) {
    error = path + ":1:1: cannot read the file: " +
            (fs::is_directory(path) ? "it is a folder" : std::strerror(errno));
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseScenario(text.str(), path, options, scenario, error);
}
