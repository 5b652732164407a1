// Calendar conversion and the UTC and local clocks.
#include <gtest/gtest.h>

#include "support/Instrument.h"

namespace {

TDateTime Date(uint16_t year, uint8_t month, uint8_t day, uint8_t hour = 0, uint8_t minute = 0,
               uint8_t second = 0) {
  TDateTime date{};
  date.Year = year;
  date.Month = month;
  date.Day = day;
  date.Hour = hour;
  date.Minute = minute;
  date.Second = second;
  return date;
}

void ExpectDate(const TDateTime& date, uint16_t year, uint8_t month, uint8_t day, uint8_t hour,
                uint8_t minute, uint8_t second) {
  EXPECT_EQ(date.Year, year);
  EXPECT_EQ(date.Month, month);
  EXPECT_EQ(date.Day, day);
  EXPECT_EQ(date.Hour, hour);
  EXPECT_EQ(date.Minute, minute);
  EXPECT_EQ(date.Second, second);
}

TEST(CalendarConversion, KnownDates) {
  const TDateTime epoch = SecondsToDate(0);
  ExpectDate(epoch, 1970, 1, 1, 0, 0, 0);
  EXPECT_EQ(epoch.Weekday, 4);  // Thursday
  EXPECT_EQ(epoch.DayOfYear, 0);

  const TDateTime leapDay = SecondsToDate(951782400);
  ExpectDate(leapDay, 2000, 2, 29, 0, 0, 0);
  EXPECT_EQ(leapDay.Weekday, 2);  // Tuesday
  EXPECT_EQ(leapDay.DayOfYear, 59);

  EXPECT_EQ(DateToSeconds(Date(2000, 3, 1)), 951868800u);
  EXPECT_EQ(DateToSeconds(Date(1970, 1, 1)), 0u);
  EXPECT_EQ(DateToSeconds(Date(2026, 3, 14, 10, 20, 30)), uint32_t(test::DefaultUtc));
  EXPECT_EQ(DateToSeconds(Date(2099, 12, 31, 23, 59, 59)), 4102444799u);

  const TDateTime last = SecondsToDate(4102444799u);
  ExpectDate(last, 2099, 12, 31, 23, 59, 59);
  EXPECT_EQ(last.DayOfYear, 364);
  EXPECT_EQ(last.Weekday, 4);  // a Thursday
  EXPECT_EQ(SecondsToDate(DateToSeconds(Date(1972, 12, 31))).DayOfYear, 365);
}

TEST(CalendarConversion, EveryDayFrom1970To2099RoundTrips) {
  uint32_t expectedDays = 0;
  uint8_t expectedWeekday = 4;
  for (uint16_t year = 1970; year <= 2099; ++year) {
    const bool leap = year % 4 == 0;
    const uint8_t lengths[12] = {31, uint8_t(leap ? 29 : 28), 31, 30, 31, 30, 31, 31, 30, 31, 30,
                                 31};
    uint16_t dayOfYear = 0;
    for (uint8_t month = 1; month <= 12; ++month) {
      for (uint8_t day = 1; day <= lengths[month - 1]; ++day) {
        const uint32_t seconds = DateToSeconds(Date(year, month, day, 12, 34, 56));
        ASSERT_EQ(seconds, expectedDays * 86400u + 45296u)
            << year << "-" << int(month) << "-" << int(day);
        const TDateTime back = SecondsToDate(seconds);
        ASSERT_EQ(back.Year, year);
        ASSERT_EQ(back.Month, month);
        ASSERT_EQ(back.Day, day);
        ASSERT_EQ(back.Hour, 12);
        ASSERT_EQ(back.Minute, 34);
        ASSERT_EQ(back.Second, 56);
        ASSERT_EQ(back.DayOfYear, dayOfYear) << year << "-" << int(month) << "-" << int(day);
        ASSERT_EQ(back.Weekday, expectedWeekday);
        ++expectedDays;
        ++dayOfYear;
        expectedWeekday = (expectedWeekday + 1) % 7;
      }
    }
  }
}

TEST(CalendarConversion, EverySecondAroundLeapDaysAndYearEnds) {
  const TDateTime around[] = {Date(1970, 1, 1), Date(1972, 2, 28),  Date(1972, 3, 1),
                              Date(1973, 1, 1), Date(1999, 12, 31), Date(2000, 2, 29),
                              Date(2000, 3, 1), Date(2001, 1, 1),   Date(2024, 2, 29),
                              Date(2025, 3, 1), Date(2038, 1, 19),  Date(2099, 12, 31)};
  for (const TDateTime& centre : around) {
    const int64_t middle = DateToSeconds(centre);
    const int64_t first = std::max<int64_t>(0, middle - 86400);
    const int64_t last = std::min<int64_t>(4102444799, middle + 86400);
    for (int64_t t = first; t <= last; ++t) {
      const uint32_t seconds = uint32_t(t);
      ASSERT_EQ(DateToSeconds(SecondsToDate(seconds)), seconds);
    }
  }
}

TEST(CalendarConversion, DatesOutsideTheCalendarStayInRange) {
  // Before 1970 the count would be negative: held at 0.
  EXPECT_EQ(DateToSeconds(Date(1969, 12, 31, 23, 59, 59)), 0u);
  EXPECT_EQ(DateToSeconds(Date(1970, 1, 0)), 0u);
  // A month of 0 reads no table entry before the first.
  EXPECT_EQ(DateToSeconds(Date(2000, 0, 1)), DateToSeconds(Date(2000, 1, 1)));
  EXPECT_EQ(DateToSeconds(Date(2000, 200, 1)), DateToSeconds(Date(2000, 12, 1)));
}

TEST(Clocks, UtcAndLocalFollowTheHostClock) {
  test::PowerOnAt();
  test::Pass();
  ExpectDate(UtcTime, 2026, 3, 14, 10, 20, 30);
  ExpectDate(LocalTime, 2026, 3, 14, 10, 20, 30);
  EXPECT_EQ(LocalSeconds, uint32_t(test::DefaultUtc));
  EXPECT_EQ(LocalTime.Weekday, 6);  // a Saturday
  EXPECT_EQ(LocalTime.DayOfYear, 72);

  test::SetClock(test::DefaultUtc + 3600 * 24 + 1);
  test::Pass();
  ExpectDate(UtcTime, 2026, 3, 15, 10, 20, 31);
  EXPECT_EQ(LocalTime.Weekday, 0);
}

TEST(Clocks, WestwardOffsetAcrossMidnight) {
  test::PowerOnAt(DateToSeconds(Date(2026, 3, 1, 1, 30, 0)));
  Settings.UtcOffset = -120;
  test::Pass();
  ExpectDate(UtcTime, 2026, 3, 1, 1, 30, 0);
  ExpectDate(LocalTime, 2026, 2, 28, 23, 30, 0);
  EXPECT_EQ(LocalTime.DayOfYear, 58);
  EXPECT_EQ(LocalTime.Weekday, 6);
}

TEST(Clocks, EastwardOffsetAcrossMidnightAndYearEnd) {
  test::PowerOnAt(DateToSeconds(Date(2026, 3, 14, 12, 0, 0)));
  Settings.UtcOffset = 780;
  test::Pass();
  ExpectDate(LocalTime, 2026, 3, 15, 1, 0, 0);

  test::SetClock(DateToSeconds(Date(2027, 12, 31, 12, 0, 0)));
  test::Pass();
  ExpectDate(UtcTime, 2027, 12, 31, 12, 0, 0);
  ExpectDate(LocalTime, 2028, 1, 1, 1, 0, 0);
  EXPECT_EQ(LocalTime.DayOfYear, 0);
}

TEST(Clocks, OffsetChangeTakesEffectOnTheNextPass) {
  test::PowerOnAt();
  test::Pass();
  Settings.UtcOffset = 330;
  EXPECT_EQ(LocalTime.Hour, 10);
  test::Pass();
  ExpectDate(LocalTime, 2026, 3, 14, 15, 50, 30);
  EXPECT_EQ(UtcTime.Hour, 10);
}

TEST(Clocks, WestwardOffsetNearTheStartOf1970HoldsAtTheStart) {
  // 00:30 UTC on the first day with 13 h west would be before the count
  // starts; the unsigned count would wrap to the year 2106.
  test::PowerOnAt(1800);
  Settings.UtcOffset = -780;
  test::Pass();
  EXPECT_EQ(LocalSeconds, 0u);
  ExpectDate(LocalTime, 1970, 1, 1, 0, 0, 0);
  Settings.UtcOffset = -30;
  test::Pass();
  EXPECT_EQ(LocalSeconds, 0u);
  Settings.UtcOffset = 30;
  test::Pass();
  EXPECT_EQ(LocalSeconds, 3600u);
}

TEST(Clocks, HostClockOutsideTheCalendarIsHeldAtItsEnds) {
  test::PowerOnAt(-1);  // one second before 1970
  test::Pass();
  ExpectDate(UtcTime, 1970, 1, 1, 0, 0, 0);
  ExpectDate(LocalTime, 1970, 1, 1, 0, 0, 0);

  test::SetClock(4102444800);  // 2100-01-01
  test::Pass();
  ExpectDate(UtcTime, 2099, 12, 31, 23, 59, 59);
  Settings.UtcOffset = 780;
  test::Pass();
  ExpectDate(LocalTime, 2100, 1, 1, 12, 59, 59);
}

}  // namespace
