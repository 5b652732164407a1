#include "scenario/ScenarioRun.h"

#include <cmath>
#include <cstring>

#include "core/Core.h"
#include "graphics/ColourTable.h"
#include "graphics/Graphics.h"
#include "host/FrontPanel.h"
#include "host/RunLoop.h"
#include "menus/Menus.h"
#include "pages/Pages.h"
#include "pages/ProgramState.h"
#include "pictures/GifRecording.h"
#include "pictures/Pictures.h"
#include "scenario/DisplayTexts.h"
#include "scenario/ScenarioDriver.h"

void ResetToProgramStart() { PanelProgramStart(); }

namespace {

std::string Shown(const TField& field, double value) {
  char text[48];
  FormatFieldValue(field, value, text, sizeof text);
  return text;
}

std::string PageText(TPageHandler handler) {
  const char* name = PageName(handler);
  return name ? name : "a page without a name";
}

// A number as a failure or a print gives it: as stored, and as the
// instrument shows it when that differs ("155 (\"15.5 V\")").
std::string NumberNow(const TField& field, int decimals) {
  const double actual = ReadField(field);
  std::string found = Shown(field, actual);
  char number[48];
  if (field.Type == FieldF32)
    std::snprintf(number, sizeof number, "%.*f", decimals + 2, actual);
  else if (field.Show == ShowHex)
    std::snprintf(number, sizeof number, "0x%02lX", static_cast<unsigned long>(actual));
  else
    std::snprintf(number, sizeof number, "%.0f", actual);
  if (found != number) found = std::string(number) + " (\"" + found + "\")";
  return found;
}

TPageHandler PageNow(const TExpectation& e) {
  TPageHandler now = PageHandler;
  if (e.Field) std::memcpy(&now, e.Field->Address, sizeof now);
  return now;
}

bool Holds(const TExpectation& e, bool lampRed, std::string& failure) {
  switch (e.Kind) {
    case TExpectation::Lamp:
      if (e.LampRed == lampRed) return true;
      failure = std::string("expected the lamp ") + (e.LampRed ? "red" : "dark") + ", found it " +
                (lampRed ? "red" : "dark");
      return false;
    case TExpectation::Page: {
      const TPageHandler now = PageNow(e);
      if (now == e.Handler) return true;
      failure = "expected " + e.Name + " " + PageText(e.Handler) + ", found " + PageText(now);
      return false;
    }
    case TExpectation::ShownText: {
      char text[48];
      FormatField(*e.Field, text, sizeof text);
      if (e.Text == text) return true;
      failure = "expected " + e.Name + " shown as \"" + e.Text + "\", found \"" + text + "\"";
      return false;
    }
    case TExpectation::Shows:
      if (DisplayShows(e.Text, e.Row)) return true;
      failure = "expected the display to show \"" + e.Text + "\"" +
                (e.Row >= 0 ? " on row " + std::to_string(e.Row) : "") +
                ", found: " + DisplayTextList(400);
      return false;
    case TExpectation::Number:
      break;
  }
  const double actual = ReadField(*e.Field);
  const double scale = std::pow(10.0, e.Decimals);
  // A float matches when it rounds to the decimals written.
  const bool equal = e.Field->Type == FieldF32
                         ? std::round(actual * scale) == std::round(e.Value * scale)
                         : actual == e.Value;
  if (equal) return true;
  failure = "expected " + e.Name + " " + e.Text + ", found " + NumberNow(*e.Field, e.Decimals);
  return false;
}

}  // namespace

// Every expectation that does not hold, one after the other.
bool CheckExpectations(const TStep& step, bool lampRed, std::string& failure) {
  failure.clear();
  for (const TExpectation& e : step.Expectations) {
    std::string one;
    if (!Holds(e, lampRed, one)) failure += (failure.empty() ? "" : "; ") + one;
  }
  return failure.empty();
}

std::string ValueNow(const TExpectation& e, bool lampRed) {
  switch (e.Kind) {
    case TExpectation::Lamp:
      return lampRed ? "red" : "dark";
    case TExpectation::Page:
      return PageText(PageNow(e));
    case TExpectation::Shows:
      return DisplayTextList();
    case TExpectation::ShownText:
    case TExpectation::Number:
      break;
  }
  return NumberNow(*e.Field, e.Decimals);
}

bool ApplyAssignments(const TStep& step, std::string& failure) {
  // Written in order (a unit set first gives the range of the levels after
  // it); when one is refused, those already written get their values back.
  std::vector<double> saved;
  for (const TAssignment& a : step.Assignments) {
    saved.push_back(ReadField(*a.Field));
    if (WriteField(*a.Field, a.Value) == FieldWritten) continue;
    double min, max;
    FieldRange(*a.Field, min, max);
    char text[160];
    std::snprintf(text, sizeof text, "%s %g is outside %g..%g while Settings.OatUnit is %s",
                  a.Field->Name, a.Value, min, max, Settings.OatUnit == 1 ? "°F" : "°C");
    failure = text;
    for (size_t i = saved.size() - 1; i-- > 0;) WriteField(*step.Assignments[i].Field, saved[i]);
    return false;
  }
  return true;
}

namespace {

// The display pixel of a reference picture's pixel, scale k.
struct TDifference {
  int Count = 0;
  int FirstX = -1;
  int FirstY = -1;
  std::vector<uint8_t> Diff;  // reference-sized: matching pixels dimmed, differing ones red
};

TDifference Compare(const TPngImage& reference, const uint8_t* frame) {
  TDifference d;
  const int k = reference.Width / ScreenWidth;
  const std::vector<uint8_t> actual = DisplayRgb(frame, k);
  d.Diff.resize(actual.size());
  std::vector<uint8_t> differs(FrameBufferSize, 0);
  for (int y = 0; y < reference.Height; ++y)
    for (int x = 0; x < reference.Width; ++x) {
      const size_t i = (static_cast<size_t>(y) * reference.Width + x) * 3;
      if (std::memcmp(&actual[i], &reference.Rgb[i], 3) != 0)
        differs[(y / k) * ScreenWidth + x / k] = 1;
    }
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (differs[y * ScreenWidth + x]) {
        if (d.Count++ == 0) d.FirstX = x, d.FirstY = y;
      }
  for (size_t p = 0; p < actual.size() / 3; ++p) {
    const int x = static_cast<int>(p % reference.Width) / k;
    const int y = static_cast<int>(p / reference.Width) / k;
    uint8_t* out = &d.Diff[p * 3];
    if (differs[y * ScreenWidth + x]) {
      out[0] = 255, out[1] = 0, out[2] = 0;
    } else {
      for (int c = 0; c < 3; ++c) out[c] = static_cast<uint8_t>(actual[p * 3 + c] / 4);
    }
  }
  return d;
}

}  // namespace

namespace {

// The display (or a picture) as a PNG inside its folder; false with the
// sentence naming the file.
bool WritePicture(const TConfinedPath& path, int width, int height, const std::vector<uint8_t>& rgb,
                  TScreenshotOutcome& outcome) {
  std::vector<uint8_t> png;
  std::string reason;
  if (!EncodePng(width, height, rgb, png, reason) ||
      !WriteConfinedFile(path, png.data(), png.size(), reason)) {
    outcome.Broken = true;
    outcome.Matches = false;
    outcome.Message = WriteFailure(Printable(path.Full()), reason);
    return false;
  }
  outcome.Written.push_back(Printable(path.Full()));
  return true;
}

bool WriteDisplay(const TConfinedPath& path, const uint8_t* frame, int scale,
                  TScreenshotOutcome& outcome) {
  return WritePicture(path, ScreenWidth * scale, ScreenHeight * scale, DisplayRgb(frame, scale),
                      outcome);
}

}  // namespace

TScreenshotOutcome TakeScreenshot(const TStep& step, const uint8_t* frame,
                                  const TScenarioOptions& options) {
  TScreenshotOutcome outcome;
  if (!step.SaveTo.empty() && !WriteDisplay(step.Output, frame, step.Scale, outcome))
    return outcome;
  if (step.CompareWith.empty()) return outcome;
  const std::string reference = Printable(step.CompareWith);
  if (step.ReferenceMissing) {
    if (!WriteDisplay(step.ReferencePath, frame, step.Scale, outcome)) return outcome;
    outcome.Notes.push_back("wrote the new reference " + reference);
    return outcome;
  }
  const TDifference d = Compare(step.Reference, frame);
  if (d.Count == 0) return outcome;
  const int k = step.Reference.Width / ScreenWidth;
  if (options.Update) {
    if (!WriteDisplay(step.ReferencePath, frame, k, outcome)) return outcome;
    outcome.Notes.push_back("updated " + reference + " (" + std::to_string(d.Count) +
                            " pixels differed)");
    return outcome;
  }
  // The verdict stands when its pictures cannot be written (a full disk):
  // the message says which were written and why the others were not.
  const bool written =
      WriteDisplay(step.Actual, frame, k, outcome) &&
      WritePicture(step.Diff, step.Reference.Width, step.Reference.Height, d.Diff, outcome);
  const std::string lost = outcome.Message;
  outcome.Broken = false;
  outcome.Matches = false;
  outcome.Message = "expected the screen " + step.ReferenceLabel + ", found " +
                    std::to_string(d.Count) + " display pixels different, the first at (" +
                    std::to_string(d.FirstX) + ", " + std::to_string(d.FirstY) + "); ";
  if (written) {
    outcome.Message +=
        "see " + Printable(step.Actual.Full()) + " and " + Printable(step.Diff.Full());
  } else {
    std::string left;
    for (const std::string& file : outcome.Written) left += (left.empty() ? "" : ", ") + file;
    outcome.Message +=
        lost + (left.empty() ? " Nothing else was written." : " Written: " + left + ".");
  }
  return outcome;
}

TScenarioResult RunScenario(const TScenario& scenario, const TScenarioOptions& options) {
  TScenarioDriver driver;
  driver.Play(scenario, options);
  return driver.Result();
}
