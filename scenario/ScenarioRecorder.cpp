#include "scenario/ScenarioRecorder.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <filesystem>

#include "pictures/Pictures.h"

namespace {

// Reference screens are written at four times the display's size: big
// enough to look at, and the runner compares any whole-number scale.
constexpr int ScreenScale = 4;
// Column of the wall-clock comments.
constexpr std::size_t CommentColumn = 52;

// A YAML scalar as yaml-cpp writes it: plain when that reads back the
// same, else quoted; never more than one line.
std::string Scalar(const std::string& text) {
  YAML::Emitter out;
  out.SetStringFormat(YAML::Auto);
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

}  // namespace

std::string ScenarioStem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

void TScenarioRecorder::Start(int64_t clock, const std::string& name) {
  Clock = clock;
  Name = name;
  LastTick = 0;
  Steps.clear();
  Screens.clear();
}

void TScenarioRecorder::Add(uint32_t tick, const TStep& step) {
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
  // The same key again on the same tick: one step with its count.
  if (step.Kind == StepPress && !Steps.empty() && Steps.back().Kind == StepPress &&
      Steps.back().Value == step.Value) {
    ++Steps.back().Times;
    return;
  }
  Steps.push_back(step);
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

void TScenarioRecorder::Expect(uint32_t tick, int64_t wallMs, const char* page, int homeView,
                               bool lampRed, const uint8_t* frame) {
  Add(tick, {StepExpect, wallMs, page != nullptr ? page : "", homeView, lampRed ? 1 : 0});
  Screens.emplace_back(frame, frame + FrameBufferSize);
}

void TScenarioRecorder::Finish(uint32_t tick) {
  if (tick > LastTick) Steps.push_back({StepDelay, 0, {}, static_cast<int>(tick - LastTick), 0});
  LastTick = std::max(LastTick, tick);
}

std::string TScenarioRecorder::Text(const std::string& pictureStem) const {
  std::string text = "# Recorded in the simulator window on " + Utc(Clock, "%Y-%m-%d at %H:%M") +
                     " UTC.\n# Delays are whole ticks of 100 ms; the comments give the "
                     "wall-clock time (UTC) of each step.\n";
  text += "name: " + Scalar(Name) + "\nversion: 1\nclock: " + Utc(Clock, "%Y-%m-%dT%H:%M:%SZ") +
          "\nsteps:\n";
  int screen = 0;
  for (const TStep& step : Steps) {
    const std::string when = WallTime(step.WallMs);
    switch (step.Kind) {
      case StepDelay:
        Line(text, "delay: " + Duration(step.Value));
        break;
      case StepControl:
        Line(text,
             "set-control: { control: " + step.Text + ", value: " + std::to_string(step.Value) +
                 " }",
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
      case StepExpect: {
        std::string expect = "expect: { ";
        if (!step.Text.empty()) expect += "page: " + step.Text + ", ";
        expect += "Settings.HomeView: " + std::to_string(step.Value) +
                  ", lamp: " + (step.Times != 0 ? "red" : "dark") + " }";
        Line(text, expect, when);
        ++screen;
        Line(text, "take-screenshot: { compare-with: " +
                       Scalar(pictureStem + "-" + std::to_string(screen) + ".png") + " }");
        break;
      }
    }
  }
  return text;
}

bool TScenarioRecorder::Write(const std::string& path, std::string& error) const {
  namespace fs = std::filesystem;
  const std::string stem = ScenarioStem(path);
  for (std::size_t i = 0; i < Screens.size(); ++i) {
    const fs::path picture =
        fs::path(path).parent_path() / (stem + "-" + std::to_string(i + 1) + ".png");
    if (!WriteDisplayPng(picture.string(), Screens[i].data(), ScreenScale, error)) return false;
  }
  const std::string text = Text(stem);
  return WriteWholeFile(path, text.data(), text.size(), error);
}
