// The "SET TIMER" and "SET ALARM" pages: three fields, hours, minutes and
// seconds, edited in place with the knob.
#include "pages/TimerPages.h"

#include <cstdio>

#include "core/Core.h"
#include "core/FieldRanges.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "pages/Editing.h"
#include "pages/HomePage.h"
#include "pages/PageHandlers.h"

void StepField(uint8_t& field, uint8_t limit, bool up) {
  field = static_cast<uint8_t>(StepValue(StepWrap, field, up ? 1 : -1, 0, limit));
}

namespace {

struct TTimeFields {
  uint8_t* Field[3];  // hours, minutes, seconds
  TRange Range[3];
};

constexpr int16_t FieldX[3] = {30, 80, 130};

void DrawTimeFields(const TTimeFields& fields) {
  char text[8];
  for (uint8_t i = 0; i < 3; ++i) {
    std::snprintf(text, sizeof text, "%02d", *fields.Field[i]);
    const uint8_t colour = MenuState.Selection == i ? ColourRed : ColourWhite;
    DrawString(FieldX[i], 61, text, 20, AlignCentre, colour);
  }
  DrawString(54, 63, ":", 16, AlignCentre, ColourWhite);
  DrawString(104, 63, ":", 16, AlignCentre, ColourWhite);
}

// Draws the page, then acts on the key; true when the knob was pressed on
// the seconds field.
bool RunTimeSettingPage(const char* subtitle, const char* heading, const TTimeFields& fields) {
  DrawTitleBar("SET", subtitle);
  DrawString(80, 35, heading, 12, AlignCentre, ColourWhite);
  DrawTimeFields(fields);
  DrawSoftKeys(SoftKeysBack);

  const uint8_t key = TakeKey();
  if (key == KeyNone) return false;
  const uint8_t field = MenuState.Selection < 2 ? MenuState.Selection : 2;
  switch (key) {
    case KeyLeft:
      PageHandler = HomePage;
      break;
    case KeyKnobPress:
      if (MenuState.Selection < 2) {
        ++MenuState.Selection;
        break;
      }
      PageHandler = HomePage;
      return true;
    case KeyKnobPlus:
    case KeyKnobMinus:
      StepField(*fields.Field[field], static_cast<uint8_t>(fields.Range[field].Top),
                key == KeyKnobPlus);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace

void SetTimerPage() {
  const TTimeFields fields = {
      {&Settings.CountdownPresetHours, &Settings.CountdownPresetMinutes,
       &Settings.CountdownPresetSeconds},
      {CountdownPresetHoursRange, CountdownPresetMinutesRange, CountdownPresetSecondsRange}};
  if (RunTimeSettingPage("TIMER", "SET TIMER", fields))
    CountdownCount = Settings.CountdownPresetHours * 36000u +
                     Settings.CountdownPresetMinutes * 600u + Settings.CountdownPresetSeconds * 10u;
}

void SetAlarmPage() {
  const TTimeFields fields = {
      {&Settings.AlarmClockHour, &Settings.AlarmClockMinute, &Settings.AlarmClockSecond},
      {AlarmClockHourRange, AlarmClockMinuteRange, AlarmClockSecondRange}};
  RunTimeSettingPage("ALARM", "SET ALARM", fields);
}
