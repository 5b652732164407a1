// The flight log viewer: one of the last five flights, newest first.
#include <cstdio>

#include "core/Clock.h"
#include "graphics/Furniture.h"
#include "graphics/Graphics.h"
#include "menus/MenuList.h"
#include "menus/Menus.h"

namespace {

// The record at list position `position` (0 = newest), counting back from
// the head. A head beyond the five slots points outside the store: those
// positions read as empty rather than from bytes that are not the log.
TFlightLogRecord LogEntry(uint8_t position) {
  int slot = FlightLogHead - position;
  if (slot < 0) slot += FlightLogSlots;
  if (slot >= FlightLogSlots) return {0, 0, 0xFFFFFFFFu, 0, 0};
  return ReadFlightRecord(static_cast<uint8_t>(slot));
}

void DrawLogEntry(const TFlightLogRecord& record) {
  char text[24];
  const TDateTime start = SecondsToDate(record.StartSeconds);
  DrawString(0, 32, "DATE:", 8, AlignLeft, ColourGrey);
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", start.Day, start.Month, start.Year);
  DrawString(52, 32, text, 9, AlignLeft, ColourWhite);
  DrawString(0, 51, "TIME:", 8, AlignLeft, ColourGrey);
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", start.Hour, start.Minute, start.Second);
  DrawString(52, 51, text, 9, AlignLeft, ColourWhite);

  const uint32_t tenths = record.FlightTime;
  const uint8_t hours = static_cast<uint8_t>(tenths / 36000);  // the hour count is 8-bit
  const unsigned minutes = tenths % 36000 / 600;
  const unsigned seconds = tenths % 600 / 10;
  DrawString(0, 77, "FT:", 8, AlignLeft, ColourGrey);
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", hours, minutes, seconds);
  DrawString(52, 77, text, 9, AlignLeft, ColourWhite);
}

}  // namespace

void FlightLogViewPage() {
  if (MenuState.Selection >= FlightLogSlots) MenuState.Selection = 0;
  const uint8_t selection = MenuState.Selection;

  DrawTitleBar("FLIGHT LOG", "VIEW");
  char counter[8];
  std::snprintf(counter, sizeof counter, "%d/%d", selection + 1, FlightLogSlots);
  DrawString(134, 104, counter, 8, AlignCentre, ColourWhite);
  const TFlightLogRecord record = LogEntry(selection);
  if (record.FlightTime == 0xFFFFFFFFu)
    DrawString(80, 54, "EMPTY", 12, AlignCentre, ColourWhite);
  else
    DrawLogEntry(record);
  DrawScrollIndicator(selection, FlightLogSlots);
  DrawSoftKeys(SoftKeysBack);

  const uint8_t key = TakeKey();
  if (key == KeyLeft)
    ReturnToParent(FlightTimerSetupPage, FlightLogViewPage);
  else
    MoveSelection(key, FlightLogSlots);
}
