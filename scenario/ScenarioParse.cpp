// Reading and checking a scenario file: everything that can be found wrong
// without running it is found here, with the file, line and column.
#include <yaml-cpp/yaml.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "graphics/FrameBuffer.h"
#include "scenario/NameHints.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioText.h"

namespace fs = std::filesystem;

namespace {

struct TCheckError {
  int Line;
  int Column;
  std::string Message;
};

// Lines and columns count from 1; a node without a place (an empty file's
// root) is at 1:1.
[[noreturn]] void FailAt(const YAML::Mark& mark, const std::string& message) {
  throw TCheckError{std::max(mark.line, 0) + 1, std::max(mark.column, 0) + 1, message};
}

[[noreturn]] void Fail(const YAML::Node& at, const std::string& message) {
  FailAt(at.Mark(), message);
}

// A value from the file in a message, cut short when long.
std::string Quoted(const std::string& text) {
  constexpr size_t Longest = 80;
  return "'" + Printable(text.size() > Longest ? text.substr(0, Longest - 3) + "..." : text) + "'";
}

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

// The front panel's inputs and keys by the names the files give them.
TControl Control(const YAML::Node& node) {
  const std::string text = Scalar(node, "control");
  TPanelInput input;
  if (FindPanelInput(text.c_str(), input)) return input;
  std::string list;
  for (const TPanelInputRow& row : PanelInputs)
    list += (list.empty() ? "" : ", ") + std::string(row.Name);
  Fail(node, "unknown control " + Quoted(text) + " (known: " + list + ")");
}

uint8_t Key(const YAML::Node& node) {
  const std::string text = Scalar(node, "key");
  std::string list;
  for (const TPanelKeyRow& row : PanelKeys) {
    if (text == row.Name) return row.Code;
    list += (list.empty() ? "" : ", ") + std::string(row.Name);
  }
  Fail(node, "unknown key " + Quoted(text) + " (known: " + list + ")");
}

// A key's value, or nothing when the key is not written.
using TMaybe = std::optional<YAML::Node>;

class TChecker {
 public:
  TChecker(const std::string& file, const TScenarioOptions& options, TScenario& scenario)
      : Options(options), Scenario(scenario) {
    Base = fs::path(file).parent_path().string();
    if (options.CheckFiles) Identity = IdentityOf(file);
  }

  void Check(const YAML::Node& root, const std::string& text) {
    if (!root.IsMap())
      Fail(root, "a scenario must be a map with 'version' and 'steps', found " + Found(root));
    TMaybe steps, version;
    for (const auto& [key, value] :
         Entries(root, "the scenario", {"name", "version", "clock", "steps", "lesson"})) {
      const std::string name = key.Scalar();
      if (name == "lesson") Lesson(value);
      if (name == "name") Scenario.Name = Printable(Scalar(value, "the name"));
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
      if (Options.SkipScreens && node.IsMap() && node.size() == 1 &&
          node.begin()->first.IsScalar() && node.begin()->first.Scalar() == "take-screenshot")
        continue;
      Scenario.Steps.push_back(TextedStep(node, text));
    }
    if (Scenario.Title.empty()) Scenario.Title = Scenario.Name;
    CheckCollisions();
  }

 private:
  // An output, where it is written in the file, and what it met there.
  struct TOutput {
    TConfinedPath Path;
    YAML::Mark Mark;
    TFileIdentity Existing;
  };

  static int64_t Clock(const YAML::Node& node) {
    const std::string text = Scalar(node, "the clock");
    int64_t seconds = 0;
    switch (ParseClock(text, seconds)) {
      case TClockText::Misshapen:
        Fail(node, "the clock must be a UTC time like 2026-12-08T10:20:30Z, found " + Quoted(text));
      case TClockText::NotReal:
        Fail(node,
             "the clock " + Quoted(text) + " is not a real time from 2000-01-01 to 2099-12-31");
      case TClockText::Real:
        break;
    }
    return seconds;
  }

  TStep TextedStep(const YAML::Node& node, const std::string& text) {
    Source = &text;
    TStep step = Step(node);
    step.Text = StepText(text, node.Mark().pos);
    return step;
  }

#include "scenario/LessonParse.inc"

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
    } else if (kind == "say") {
      step.Kind = TStepKind::Say;
      step.Words = Words(value, "say");
    } else if (kind == "do") {
      Do(value, step);
    } else if (kind == "wait-until") {
      WaitUntil(value, step);
    } else if (kind == "print") {
      Print(value, step);
    } else if (kind == "set-input" || kind == "play-log") {
      InputStep(kind, value, step);
    } else {
      Fail(key, "unknown step " + Quoted(kind) +
                    " (known: set-control, power, press, delay, set, expect, take-screenshot, "
                    "record, say, do, wait-until, print, set-input, play-log)");
    }
    return step;
  }

  // set-input and play-log (scenario/ScenarioInputs.cpp).
  void InputStep(const std::string& kind, const YAML::Node& value, TStep& step) {
    try {
      bool stop = false;
      if (kind == "set-input") {
        step.Kind = TStepKind::SetInput;
        ParseSetInput(value, step.Inputs, step.Ticks);
        return;
      }
      ParsePlayLog(value, Base, Options.CheckFiles, step.Inputs, stop);
      step.Kind = stop ? TStepKind::PlayLogStop : TStepKind::PlayLog;
    } catch (const TInputStepError& e) {
      throw TCheckError{e.Line, e.Column, e.Message};
    }
  }

  void SetControl(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::SetControl;
    TMaybe control, position;
    for (const auto& [key, v] : Entries(value, "set-control", {"control", "value"}))
      (key.Scalar() == "control" ? control : position) = v;
    if (!control || !position) Fail(value, "set-control needs both 'control' and 'value'");
    step.Control = Control(*control);
    const TPanelInputRow& row = PanelRow(step.Control);
    step.Value = WholeNumber(*position, "the value", row.Bottom, row.Top);
  }

  void Press(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::Press;
    if (value.IsScalar()) {
      step.Key = Key(value);
      return;
    }
    TMaybe key, times;
    for (const auto& [k, v] : Entries(value, "press", {"key", "times"}))
      (k.Scalar() == "key" ? key : times) = v;
    if (!key) Fail(value, "press needs a 'key'");
    step.Key = Key(*key);
    if (times) step.Times = WholeNumber(*times, "times", 1, 1000);
  }

  // A duration in whole ticks of 100 ms, at most a day; what names it in
  // messages ("the delay", "within").
  static uint32_t Delay(const YAML::Node& node, const std::string& what = "the delay") {
    const std::string text = Scalar(node, what);
    const bool ms = text.size() > 2 && text.compare(text.size() - 2, 2, "ms") == 0;
    const bool s = !ms && text.size() > 1 && text.back() == 's';
    double value;
    int decimals;
    if ((!ms && !s) || !ParseNumber(text.substr(0, text.size() - (ms ? 2 : 1)), value, decimals) ||
        text[0] == '-' || text[0] == '+' || text.find('x') != std::string::npos)
      Fail(node, (what == "the delay" ? "a delay" : what) +
                     " is a duration like 2500ms or 2.5s, found " + Quoted(text));
    const double milliseconds = ms ? value : value * 1000;
    const double ticks = milliseconds / 100;
    if (std::fabs(ticks - std::round(ticks)) > 1e-9 || ticks < 1)
      Fail(node, what + " " + text + " is not a whole number of 100 ms ticks");
    if (ticks > LongestDelayTicks) Fail(node, what + " " + text + " is longer than a day");
    return static_cast<uint32_t>(std::round(ticks));
  }

  static const TField& Field(const YAML::Node& name) {
    const TField* field = FindField(name.Scalar().c_str());
    if (!field)
      Fail(name, "unknown field " + Quoted(name.Scalar()) + NearestFieldNames(name.Scalar()));
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

  void WaitUntil(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::WaitUntil;
    TMaybe until, within;
    for (const auto& [key, v] : Entries(value, "wait-until", {"until", "within"}))
      (key.Scalar() == "until" ? until : within) = v;
    if (!until || !within) Fail(value, "wait-until needs both 'until' and 'within'");
    for (const auto& [name, v] : Entries(*until, "until"))
      step.Expectations.push_back(Expect(name, v));
    if (step.Expectations.empty()) Fail(*until, "until names nothing");
    step.Ticks = Delay(*within, "within");
  }

  // print: NAME or [NAME, ...]: fields, page, lamp, shows.
  static void Print(const YAML::Node& value, TStep& step) {
    step.Kind = TStepKind::Print;
    std::vector<YAML::Node> names;
    if (value.IsSequence())
      for (const auto& node : value) names.push_back(node);
    else
      names.push_back(value);
    for (const YAML::Node& node : names) {
      TExpectation e;
      e.Name = Scalar(node, "a name to print");
      if (e.Name == "lamp") {
        e.Kind = TExpectation::Lamp;
      } else if (e.Name == "shows") {
        e.Kind = TExpectation::Shows;
      } else if (e.Name != "page") {
        e.Field = &Field(node);
        if (e.Field->Type == FieldPage) e.Kind = TExpectation::Page;
      } else {
        e.Kind = TExpectation::Page;
      }
      step.Expectations.push_back(e);
    }
    if (step.Expectations.empty()) Fail(value, "print names nothing");
  }

  // shows: TEXT or { text: TEXT, row: ROW }.
  static TExpectation Shows(const YAML::Node& value) {
    TExpectation e;
    e.Kind = TExpectation::Shows;
    e.Name = "shows";
    TMaybe text = value, row;
    if (value.IsMap()) {
      text.reset();
      for (const auto& [key, v] : Entries(value, "shows", {"text", "row"}))
        (key.Scalar() == "text" ? text : row) = v;
      if (!text) Fail(value, "shows needs a 'text'");
      if (row) e.Row = WholeNumber(*row, "the row", 0, ScreenHeight - 1);
    }
    e.Text = Scalar(*text, "shows");
    const size_t first = e.Text.find_first_not_of(' ');
    if (first == std::string::npos) Fail(*text, "shows needs a text that is not empty");
    e.Text = e.Text.substr(first, e.Text.find_last_not_of(' ') - first + 1);
    return e;
  }

  static TExpectation Expect(const YAML::Node& name, const YAML::Node& value) {
    if (name.Scalar() == "shows") return Shows(value);
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

  // The folder outputs go to: --out when given, else the scenario's own.
  std::string OutRoot() const { return Options.OutDir.empty() ? Base : Options.OutDir; }

  // A path for writing, inside OutRoot; checked for writing without
  // touching anything.
  TConfinedPath OutputPath(const YAML::Node& node) {
    std::string relative, reason;
    if (!ConfinePath(Scalar(node, "a path"), relative, reason)) Fail(node, Printable(reason));
    return Output({OutRoot(), relative}, node.Mark());
  }

  TConfinedPath Output(const TConfinedPath& path, const YAML::Mark& mark) {
    TOutput output{path, mark, {}};
    if (Options.CheckFiles) CheckWritable(mark, path, output.Existing);
    Outputs.push_back(output);
    return path;
  }

  static void CheckWritable(const YAML::Mark& mark, const TConfinedPath& path,
                            TFileIdentity& existing) {
    const std::string reason = CheckConfinedWrite(path, existing);
    if (!reason.empty()) FailAt(mark, "cannot write " + Printable(path.Full()) + ": " + reason);
  }

  static std::string Normal(const std::string& path) {
    std::error_code ignored;
    return fs::absolute(path, ignored).lexically_normal().string();
  }

  // Nothing a run writes lands on the scenario file or on a reference screen
  // (only --update rewrites those).
  void CheckCollisions() {
    const std::string self = Normal(Scenario.File);
    std::map<std::string, YAML::Mark> files;
    for (const TOutput& out : Outputs) files.emplace(Normal(out.Path.Full()), out.Mark);
    for (const TOutput& out : Outputs) {
      // One output's name as another's folder.
      for (fs::path up = fs::path(out.Path.Relative).parent_path(); !up.empty();
           up = up.parent_path()) {
        const auto file = files.find(Normal((fs::path(out.Path.Root) / up).string()));
        if (file != files.end())
          FailAt(out.Mark, "cannot write " + Printable(out.Path.Full()) + ": line " +
                               std::to_string(file->second.line + 1) +
                               " writes a file where its folder would be");
      }
      const std::string full = Normal(out.Path.Full());
      if (out.Existing == Identity || full == self)
        FailAt(out.Mark,
               "cannot write " + Printable(out.Path.Full()) + ": it is the scenario file itself");
      for (const auto& [reference, identity] : References)
        if (out.Existing == identity || full == Normal(reference.Full()))
          FailAt(out.Mark, "cannot write " + Printable(out.Path.Full()) +
                               ": it is a reference screen, which only --update rewrites");
    }
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
    if (save) {
      step.Output = OutputPath(*save);
      step.SaveTo = step.Output.Full();
    }
    if (!compare) return;
    Reference(*compare, step);
  }

  void Reference(const YAML::Node& compare, TStep& step) {
    const std::string written = Scalar(compare, "a path");
    std::string relative, reason;
    if (!ConfinePath(written, relative, reason)) Fail(compare, Printable(reason));
    step.ReferenceLabel = Printable(written);
    step.ReferencePath = {Base, relative};
    step.CompareWith = step.ReferencePath.Full();
    const std::string shown = Printable(step.CompareWith);
    if (!Options.Update) {
      // A differing screen's pictures, named after the scenario and the line.
      std::string stem = fs::path(Scenario.File).filename().string() + "-" +
                         std::to_string(compare.Mark().line + 1);
      if (!PictureLines.insert(compare.Mark().line).second)
        stem += "-" + std::to_string(compare.Mark().column + 1);
      step.Actual = Output({OutRoot(), stem + ".actual.png"}, compare.Mark());
      step.Diff = Output({OutRoot(), stem + ".diff.png"}, compare.Mark());
    }
    TFileIdentity identity;
    if (Options.CheckFiles) {
      std::vector<uint8_t> bytes;
      if (!ReadConfinedFile(step.ReferencePath, LargestReferenceFile, bytes, reason)) {
        if (reason != std::strerror(ENOENT))
          Fail(compare, "cannot read the reference screen " + shown + ": " + reason);
        if (!Options.Update)
          Fail(compare,
               "the reference screen " + shown + " does not exist (run with --update to write it)");
        step.ReferenceMissing = true;
        CheckWritable(compare.Mark(), step.ReferencePath, identity);
      } else {
        int w = 0, h = 0;
        if (!PngSize(bytes.data(), bytes.size(), w, h, reason))
          Fail(compare, "cannot read the reference screen " + shown + ": " + reason);
        if (w % ScreenWidth != 0 || h * ScreenWidth != w * ScreenHeight ||
            w / ScreenWidth > LargestScale)
          Fail(compare, "the reference screen " + shown + " is " + std::to_string(w) + " x " +
                            std::to_string(h) +
                            ", not the display at a whole scale of 1 to 8 (160 x 120, 320 x 240, "
                            "... 1280 x 960)");
        if (!DecodePng(bytes.data(), bytes.size(), step.Reference, reason))
          Fail(compare, "cannot read the reference screen " + shown + ": " + reason);
        if (Options.Update) CheckWritable(compare.Mark(), step.ReferencePath, identity);
        if (!identity.Exists) identity = IdentityOf(step.CompareWith);
      }
    }
    References.emplace_back(step.ReferencePath, identity);
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
    step.Output = OutputPath(*save);
    step.SaveTo = step.Output.Full();
    RecordingLine = value.Mark().line + 1;
  }

  const TScenarioOptions& Options;
  TScenario& Scenario;
  std::string Base;        // the scenario's folder ("" for the current one)
  TFileIdentity Identity;  // the scenario file's
  int RecordingLine = 0;
  const std::string* Source = nullptr;  // the file's text
  bool InSolution = false;
  std::set<int> PictureLines;
  std::vector<TOutput> Outputs;
  std::vector<std::pair<TConfinedPath, TFileIdentity>> References;
};

}  // namespace

const char* ControlName(TControl control) { return PanelRow(control).Name; }

const char* KeyName(uint8_t key) {
  const TPanelKeyRow* row = PanelKey(key);
  return row ? row->Name : "none";
}

bool ParseScenario(const std::string& text, const std::string& file,
                   const TScenarioOptions& options, TScenario& scenario, std::string& error) {
  scenario = TScenario{};
  scenario.File = file;
  scenario.Name = Printable(fs::path(file).stem().string());
  scenario.Clock = DefaultScenarioClock;
  try {
    YAML::Mark at;
    std::string why;
    if (!CountValues(text, at, why)) FailAt(at, why);
    const YAML::Node root = YAML::Load(text);
    TChecker(file, options, scenario).Check(root, text);
    return true;
  } catch (const TCheckError& e) {
    error = Printable(file) + ":" + std::to_string(e.Line) + ":" + std::to_string(e.Column) + ": " +
            e.Message;
  } catch (const YAML::Exception& e) {
    error = Printable(file) + ":" + std::to_string(std::max(e.mark.line, 0) + 1) + ":" +
            std::to_string(std::max(e.mark.column, 0) + 1) + ": not valid YAML: " + e.msg +
            FlowMapHint(text, std::max(e.mark.line, 0) + 1);
  }
  scenario.Steps.clear();
  return false;
}

bool LoadScenario(const std::string& path, const TScenarioOptions& options, TScenario& scenario,
                  std::string& error) {
  std::vector<uint8_t> bytes;
  std::string reason;
  if (!ReadRegularFile(path, LargestScenarioFile, bytes, reason)) {
    error = Printable(path) + ":1:1: cannot read the file: " + reason;
    return false;
  }
  return ParseScenario(std::string(bytes.begin(), bytes.end()), path, options, scenario, error);
}
