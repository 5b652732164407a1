// UTC and local clocks from the host clock, and the conversion between
// calendar dates and seconds since 1970-01-01 00:00:00.
#include "core/Clock.h"

#include <algorithm>
#include <chrono>

#include "core/Settings.h"

TDateTime UtcTime;
TDateTime LocalTime;
uint32_t LocalSeconds;
const uint16_t CumulativeDays[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
int32_t RtcTrim;

int64_t SystemClock() {
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

namespace {

// The calendar holds from 1970 to 2099 (every fourth year a leap year).
constexpr int64_t LastClockSecond = 4102444799;  // 2099-12-31 23:59:59

bool IsLeapYear(uint32_t year) { return year % 4 == 0; }

}  // namespace

int64_t (*HostClock)() = SystemClock;

void ResetClocks() {
  UtcTime = LocalTime = TDateTime{};
  LocalSeconds = 0;
  RtcTrim = 0;
  HostClock = SystemClock;
}

void UpdateClock() {
  // A host clock before 1970 or past 2099 is held at the ends of the calendar.
  const int64_t now = std::clamp<int64_t>(HostClock(), 0, LastClockSecond);
  // Broken down by the calendar below, which holds over the whole range,
  // without the C library's time_t.
  const TDateTime parts = SecondsToDate(static_cast<uint32_t>(now));
  UtcTime = TDateTime{};
  UtcTime.Second = parts.Second;
  UtcTime.Minute = parts.Minute;
  UtcTime.Hour = parts.Hour;
  UtcTime.Day = parts.Day;
  UtcTime.Month = parts.Month;
  UtcTime.Year = parts.Year;

  // A westward offset in the first hours of 1970 would reach before the
  // start of the count; the local clock then stays at 1970-01-01 00:00:00.
  const int64_t local = int64_t{DateToSeconds(UtcTime)} + int64_t{Settings.UtcOffset} * 60;
  LocalSeconds = static_cast<uint32_t>(std::clamp<int64_t>(local, 0, UINT32_MAX));
  LocalTime = SecondsToDate(LocalSeconds);
}

uint32_t DateToSeconds(const TDateTime& date) {
  const int64_t year = date.Year;
  // A month outside 1..12 would index outside the table.
  const uint8_t month = std::clamp<uint8_t>(date.Month, 1, 12);
  int64_t days = (year - 1970) * 365 + (year - 1969) / 4 + CumulativeDays[month - 1] + date.Day - 1;
  if (month > 2 && IsLeapYear(static_cast<uint32_t>(year))) ++days;
  const int64_t seconds = (days * 24 + date.Hour) * 3600 + date.Minute * 60 + date.Second;
  // Dates before 1970 give 0; nothing in 1970..2099 reaches the top.
  return static_cast<uint32_t>(std::clamp<int64_t>(seconds, 0, UINT32_MAX));
}

TDateTime SecondsToDate(uint32_t seconds) {
  TDateTime date{};
  uint32_t t = seconds;
  date.Second = static_cast<uint8_t>(t % 60);
  t /= 60;
  date.Minute = static_cast<uint8_t>(t % 60);
  t /= 60;
  date.Hour = static_cast<uint8_t>(t % 24);
  const uint32_t days = t / 24;

  const uint32_t epoch = days + 731;  // days since 1968-01-01
  uint32_t leapDays = epoch / 1461;   // 29 Februaries before the date
  const uint32_t inCycle = epoch % 1461;
  if (inCycle >= 60) ++leapDays;
  const uint32_t years = (epoch - leapDays) / 365;
  uint32_t dayOfYear = (epoch - leapDays) - years * 365;
  if (inCycle >= 60 && inCycle <= 365) ++dayOfYear;
  const uint32_t year = 1968 + years;

  uint8_t month = 0;
  uint32_t monthStart = 0;
  for (uint8_t i = 0; i <= 12; ++i) {
    const uint32_t start = CumulativeDays[i] + (i >= 2 && IsLeapYear(year) ? 1 : 0);
    if (start > dayOfYear) break;
    month = i;
    monthStart = start;
  }
  date.DayOfYear = static_cast<uint16_t>(dayOfYear);
  date.Month = static_cast<uint8_t>(month + 1);
  date.Day = static_cast<uint8_t>(dayOfYear - monthStart + 1);
  date.Year = static_cast<uint16_t>(year);
  date.Weekday = static_cast<uint8_t>((days + 4) % 7);  // 1970-01-01 was a Thursday
  return date;
}
