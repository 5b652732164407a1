#include "scenario/StepWords.h"

#include <cstdio>

namespace {

std::string Press(uint8_t key) {
  switch (key) {
    case KeyKnobPress:
      return "Pressing the knob";
    case KeyKnobPlus:
      return "Turning the knob clockwise";
    case KeyKnobMinus:
      return "Turning the knob counter-clockwise";
    default: {
      const TPanelKeyRow* row = PanelKey(key);
      return std::string("Pressing ") + (row ? row->Label : "a key");
    }
  }
}

std::string Duration(uint32_t ticks) {
  char text[32];
  if (ticks < 10)
    std::snprintf(text, sizeof text, "%u ms", static_cast<unsigned>(ticks * 100));
  else
    std::snprintf(text, sizeof text, "%g s", ticks / 10.0);
  return text;
}

}  // namespace

std::string StepSentence(const TStep& step) {
  switch (step.Kind) {
    case TStepKind::SetControl:
      if (step.Control == TPanelInput::Calibrate)
        return step.Value ? "Ticking Calibrate" : "Clearing Calibrate";
      return std::string("Moving the ") + PanelRow(step.Control).Title + " input to " +
             std::to_string(step.Value);
    case TStepKind::Power:
      return step.Value ? "Switching on" : "Switching off";
    case TStepKind::Press: {
      std::string words = Press(step.Key);
      if (step.Times > 1) words.append(" ").append(std::to_string(step.Times)).append(" times");
      return words;
    }
    case TStepKind::Delay:
      return "Waiting " + Duration(step.Ticks);
    case TStepKind::Set:
      if (step.Assignments.size() == 1)
        return std::string("Setting ") + step.Assignments[0].Field->Name;
      return "Setting " + std::to_string(step.Assignments.size()) + " values";
    case TStepKind::Expect:
      return "Checking the screen";
    case TStepKind::Screenshot:
      return "Taking a picture of the display";
    case TStepKind::RecordStart:
      return "Recording the display";
    case TStepKind::RecordStop:
      return "Ending the recording";
    case TStepKind::Say:
    case TStepKind::Do:
      return step.Words;
    case TStepKind::WaitUntil:
      return "Waiting for the instrument, at most " + Duration(step.Ticks);
    case TStepKind::Print:
      return "Noting values";
    case TStepKind::SetInput: {
      std::string words =
          step.Inputs.Counts.size() == 1
              ? std::string("Setting the ") + PanelRow(step.Inputs.Counts[0].first).Title + " input"
              : "Setting " + std::to_string(step.Inputs.Counts.size()) + " inputs";
      if (step.Ticks > 0) words += " over " + Duration(step.Ticks);
      return words;
    }
    case TStepKind::PlayLog:
      return "Playing the flight log " + step.Inputs.LogLabel;
    case TStepKind::PlayLogStop:
      return "Stopping the flight log";
    default:
      break;
  }
  return step.Text;
}
