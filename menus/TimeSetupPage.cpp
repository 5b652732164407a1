// Time setup: the UTC editor entry, the UTC offset, the clock-view switches
// and the RTC trim, as a scrolling list of seven items.
#include <cstdio>
#include <cstdlib>

#include "core/Clock.h"
#include "core/Settings.h"
#include "graphics/Graphics.h"
#include "menus/Menus.h"

namespace {

constexpr uint8_t TimeItemCount = 7;
constexpr int16_t UtcOffsetLimit = 780;
constexpr int16_t UtcOffsetStep = 30;
constexpr int32_t RtcTrimMax = 127;

uint8_t* ClockSwitch(uint8_t item) {
  switch (item) {
    case 2:
      return &Settings.UtcDisplay;
    case 3:
      return &Settings.StopwatchDisplay;
    case 4:
      return &Settings.CountdownDisplay;
    default:
      return &Settings.AlarmClockDisplay;
  }
}

void OpenUtcEditor() {
  PageHandler = SetUtcTimePage;
  TimeEditFields.Hour = UtcTime.Hour;
  TimeEditFields.Minute = UtcTime.Minute;
  TimeEditFields.Second = UtcTime.Second;
  TimeEditFields.Day = UtcTime.Day;
  TimeEditFields.Month = UtcTime.Month;
  TimeEditFields.Year = UtcTime.Year;
  ResetMenuState(0);
}

void EditTimeItem(uint8_t item, bool up) {
  if (item == 1) {
    const int offset = Settings.UtcOffset + (up ? UtcOffsetStep : -UtcOffsetStep);
    if (offset >= -UtcOffsetLimit && offset <= UtcOffsetLimit)
      Settings.UtcOffset = static_cast<int16_t>(offset);
  } else if (item >= 2 && item <= 5) {
    uint8_t* value = ClockSwitch(item);
    *value = !*value;
  } else if (item == 6) {
    if (up)
      RtcTrim = RtcTrim >= RtcTrimMax ? 0 : RtcTrim + 1;
    else
      RtcTrim = RtcTrim <= 0 ? RtcTrimMax : RtcTrim - 1;
  }
}

}  // namespace

void TimeSetupPage() {
  if (MenuState.Selection >= TimeItemCount) MenuState.Selection = 0;
  UpdateScrollOffset();
  const uint8_t selection = MenuState.Selection;
  const int8_t top = static_cast<int8_t>(MenuState.ScrollOffset);

  DrawTitleBar("TIME", "SETUP");
  DrawMenuRow(0 - top, "SET UTC TIME", selection == 0 ? ColourRed : ColourWhite);
  char text[16];
  const int offset = std::abs(Settings.UtcOffset);
  std::snprintf(text, sizeof text, Settings.UtcOffset >= 0 ? "+%02d:%02d" : "-%02d:%02d",
                offset / 60, offset % 60);
  DrawMenuItem(1 - top, "UTC OFFSET:", text);
  DrawMenuItem(2 - top, "UTC DISPLAY: ", SwitchText(Settings.UtcDisplay));
  DrawMenuItem(3 - top, "SW DISPLAY: ", SwitchText(Settings.StopwatchDisplay));
  DrawMenuItem(4 - top, "TMR DISPLAY: ", SwitchText(Settings.CountdownDisplay));
  DrawMenuItem(5 - top, "ALM DISPLAY: ", SwitchText(Settings.AlarmClockDisplay));
  std::snprintf(text, sizeof text, "%d", static_cast<int>(RtcTrim));
  DrawMenuItem(6 - top, "RTC TRIM: ", text);
  DrawScrollIndicator(selection, TimeItemCount);
  DrawSoftKeys(2);

  const uint8_t key = TakeKey();
  switch (key) {
    case KeyLeft:
      PageHandler = MainMenuPage;
      ResetMenuState(2);
      break;
    case KeyKnobPress:
      if (selection == 0)
        OpenUtcEditor();
      else
        MenuState.EditMode = !MenuState.EditMode;
      break;
    case KeyKnobPlus:
    case KeyKnobMinus:
      if (MenuState.EditMode)
        EditTimeItem(selection, key == KeyKnobPlus);
      else
        MoveSelection(key, TimeItemCount);
      break;
    default:
      break;
  }
}
