#include "scenario/ScenarioRecorder.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "pictures/Pictures.h"

namespace {

// Reference screens are written at four times the display's size: big
// enough to look at, and the runner compares any whole-number scale.
constexpr int ScreenScale = 4;
// Column of the wall-clock comments.
constexpr std::size_t CommentColumn = 52;

// A YAML scalar as yaml-cpp writes it: plain when that reads back the
// same, also inside a flow map ("a[1]" is quoted there), else quoted; never
// more than one line.
std::string Scalar(const std::string& text) {
  YAML::Emitter out;
  out.SetStringFormat(text.find_first_of(",[]{}") != std::string::npos ? YAML::DoubleQuoted
                                                                       : YAML::Auto);
  out << YAML::Flow << text;
  return out.c_str();
}

std::string Utc(int64_t seconds, const char* format) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm parts{};
  gmtime_r(&t, &parts);
  char text[40];
  std::strftime(text, sizeof text, format, &parts);
  return text;
}

// "14:31:06.5"
std::string WallTime(int64_t wallMs) {
  return Utc(static_cast<int64_t>(wallMs / 1000), "%H:%M:%S") + "." +
         std::to_string(wallMs % 1000 / 100);
}

// "3s" or "2500ms": whole ticks of 100 ms.
std::string Duration(int ticks) {
  return ticks % 10 == 0 ? std::to_string(ticks / 10) + "s" : std::to_string(ticks * 100) + "ms";
}

void Line(std::string& text, const std::string& step, const std::string& comment = {}) {
  std::string line = "  - " + step;
  if (!comment.empty()) {
    line.resize(std::max(line.size() + 2, CommentColumn), ' ');
    line += "# " + comment;
  }
  text += line + "\n";
}

// A value as the field table holds it: whole numbers without decimals,
// floats with the fewest digits that read back as the same float (never an
// exponent, which the reader does not take, nor more than 15 digits).
std::string FieldNumber(const TField& field, double value) {
  char text[64];
  if (field.Type != FieldF32) {
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(std::llround(value)));
    return text;
  }
  const float wanted = static_cast<float>(value);
  std::snprintf(text, sizeof text, "%.0f", std::fabs(value));
  const int wholeDigits = static_cast<int>(std::strlen(text));
  for (int decimals = 0; decimals <= std::max(0, 15 - wholeDigits); ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (static_cast<float>(std::strtod(text, nullptr)) == wanted) break;
  }
  std::string number = text;
  if (number.find('.') != std::string::npos) {
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') number.pop_back();
  }
  return number == "-0" ? "0" : number;
}

// A reference screen beside the scenario: "dir/demo.yaml", 2 -> "dir/demo-2.png".
std::string ScreenPath(const std::string& scenario, int screen) {
  return (std::filesystem::path(scenario).parent_path() /
          (ScenarioStem(scenario) + "-" + std::to_string(screen) + ".png"))
      .string();
}

}  // namespace

std::string ScenarioStem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

bool TScenarioRecorder::Start(const std::string& path, int64_t clock, const std::string& name,
                              std::string& error) {
  if (Recording) {
    error = "A scenario is already being recorded to " + Path + ".";
    return false;
  }
  Path = path;
  Clock = clock;
  Name = name;
  LastTick = 0;
  Steps.clear();
  Screens.clear();
  Flushed = 0;
  Failure.clear();
  PartBroken = false;
  std::string reason;
  if (!Part.Create(ChosenPath(path), reason)) {
    error = WriteFailure(path, reason);
    return false;
  }
  const std::string head = Head();
  if (std::fwrite(head.data(), 1, head.size(), Part.File()) != head.size() || !Part.Flush(reason)) {
    Part.Discard();
    error = WriteFailure(path, reason.empty() ? "the file was cut short" : reason);
    return false;
  }
  Part.Keep();
  Recording = Started = true;
  return true;
}

void TScenarioRecorder::Failed(const std::string& path, const std::string& reason) {
  if (Failure.empty()) Failure = WriteFailure(path, reason);
}

void TScenarioRecorder::WriteFinal(bool last) {
  size_t end = Steps.size();
  // The step in hand may still take the next one into it.
  if (!last && end > 0 && Steps.back().Kind != StepPower && Steps.back().Kind != StepExpect) --end;
  if (end <= Flushed) return;
  std::string text;
  for (; Flushed < end; ++Flushed) text += Lines(Steps[Flushed], ScenarioStem(Path));
  if (PartBroken || Part.File() == nullptr) return;
  std::string reason = "the file was cut short";
  if (std::fwrite(text.data(), 1, text.size(), Part.File()) != text.size() || !Part.Flush(reason)) {
    // Nothing more goes into a part that misses a step; the steps are kept
    // for SaveAs.
    PartBroken = true;
    Failed(Path, reason);
  }
}

void TScenarioRecorder::Add(uint32_t tick, const TStep& step) {
  if (!Recording) return;
  if (tick > LastTick) {
    Steps.push_back({StepDelay, step.WallMs, {}, static_cast<int>(tick - LastTick), 0});
    LastTick = tick;
  }
  // The same control again on the same tick: its last value.
  if (step.Kind == StepControl && !Steps.empty() && Steps.back().Kind == StepControl &&
      Steps.back().Text == step.Text) {
    Steps.back() = step;
    return;
  }
  // The same field again on the same tick: its last value.
  if (step.Kind == StepSet && !Steps.empty() && Steps.back().Kind == StepSet &&
      Steps.back().Text == step.Text) {
    Steps.back() = step;
    return;
  }
  // The same key again on the same tick: one step with its count.
  if (step.Kind == StepPress && !Steps.empty() && Steps.back().Kind == StepPress &&
      Steps.back().Value == step.Value) {
    ++Steps.back().Times;
    WriteFinal(false);
    return;
  }
  Steps.push_back(step);
  WriteFinal(false);
}

void TScenarioRecorder::SetControl(uint32_t tick, int64_t wallMs, TControl control, int value) {
  Add(tick, {StepControl, wallMs, ControlName(control), value, 0});
}

void TScenarioRecorder::Power(uint32_t tick, int64_t wallMs, bool on) {
  Add(tick, {StepPower, wallMs, {}, on ? 1 : 0, 0});
}

void TScenarioRecorder::Press(uint32_t tick, int64_t wallMs, uint8_t key) {
  Add(tick, {StepPress, wallMs, {}, key, 1});
}

void TScenarioRecorder::Set(uint32_t tick, int64_t wallMs, const TField& field, double value) {
  Add(tick, {StepSet, wallMs, field.Name, 0, 0, value});
}

void TScenarioRecorder::Expect(uint32_t tick, int64_t wallMs, const char* page, int homeView,
                               bool lampRed, const uint8_t* frame) {
  if (!Recording) return;
  Screens.emplace_back(frame, frame + FrameBufferSize);
  const int screen = ExpectationCount();
  // The reference first, so that the step never names a missing picture.
  const std::string picture = ScreenPath(Path, screen);
  std::string error;
  if (!WriteDisplayPng(picture, frame, ScreenScale, error) && Failure.empty()) Failure = error;
  Add(tick,
      {StepExpect, wallMs, page != nullptr ? page : "", homeView, lampRed ? 1 : 0, 0, screen});
}

bool TScenarioRecorder::Finish(uint32_t tick, std::string& error) {
  if (!Recording) {
    error = "No scenario is being recorded.";
    return false;
  }
  Recording = false;
  if (tick > LastTick) Steps.push_back({StepDelay, 0, {}, static_cast<int>(tick - LastTick), 0});
  LastTick = std::max(LastTick, tick);
  WriteFinal(true);
  std::string reason;
  if (Failure.empty() && !Part.Commit(reason)) Failed(Path, reason);
  error = Failure;
  return Failure.empty();
}

bool TScenarioRecorder::SaveAs(const std::string& path, std::string& error) {
  if (Recording || !Started) {
    error = Recording ? "The scenario is still being recorded." : "No scenario was recorded.";
    return false;
  }
  std::string reason;
  for (size_t i = 0; i < Screens.size(); ++i) {
    const std::string picture = ScreenPath(path, static_cast<int>(i + 1));
    if (!WriteDisplayPng(picture, Screens[i].data(), ScreenScale, error)) return false;
  }
  const std::string text = Text(ScenarioStem(path));
  if (!WriteConfinedFile(ChosenPath(path), text.data(), text.size(), reason)) {
    error = WriteFailure(path, reason);
    return false;
  }
  Part.Discard();
  return true;
}

std::string TScenarioRecorder::Head() const {
  return "# Recorded in " + Place + " on " + Utc(Clock, "%Y-%m-%d at %H:%M") +
         " UTC.\n# Delays are whole ticks of 100 ms; the comments give the wall-clock time (UTC) "
         "of each step.\nname: " +
         Scalar(Name) + "\nversion: 1\nclock: " + Utc(Clock, "%Y-%m-%dT%H:%M:%SZ") + "\nsteps:\n";
}

std::string TScenarioRecorder::Text(const std::string& pictureStem) const {
  std::string text = Head();
  for (const TStep& step : Steps) text += Lines(step, pictureStem);
  return text;
}

std::string TScenarioRecorder::Lines(const TStep& step, const std::string& pictureStem) {
  std::string text;
  const std::string when = WallTime(step.WallMs);
  switch (step.Kind) {
    case StepDelay:
      Line(text, "delay: " + Duration(step.Value));
      break;
    case StepControl:
      Line(text,
           "set-control: { control: " + step.Text + ", value: " + std::to_string(step.Value) + " }",
           when);
      break;
    case StepPower:
      Line(text, step.Value != 0 ? "power: on" : "power: off", when);
      break;
    case StepPress:
      Line(text,
           step.Times == 1 ? std::string("press: ") + KeyName(step.Value)
                           : std::string("press: { key: ") + KeyName(step.Value) +
                                 ", times: " + std::to_string(step.Times) + " }",
           when);
      break;
    case StepSet: {
      const TField* field = FindField(step.Text.c_str());
      Line(text,
           "set: { " + Scalar(step.Text) + ": " +
               (field != nullptr ? FieldNumber(*field, step.Number) : std::to_string(step.Number)) +
               " }",
           when);
      break;
    }
    case StepExpect: {
      std::string expect = "expect: { ";
      if (!step.Text.empty()) expect += "page: " + step.Text + ", ";
      expect += "Settings.HomeView: " + std::to_string(step.Value) +
                ", lamp: " + (step.Times != 0 ? "red" : "dark") + " }";
      Line(text, expect, when);
      Line(text, "take-screenshot: { compare-with: " +
                     Scalar(pictureStem + "-" + std::to_string(step.Screen) + ".png") + " }");
      break;
    }
  }
  return text;
}
