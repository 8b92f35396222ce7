#include "startup/Instance.h"

#include <gtest/gtest.h>

#include "panels/Caption.h"

namespace mirvo {
namespace {

platform::LocalTime At(int year, int month, int day, int weekday, int hour, int minute) {
    return {year, month, day, weekday, hour, minute, 0};
}

TEST(DateTimeWords, WritesWeekdayDayMonthYearAndATwelveHourClock) {
    EXPECT_EQ(DateTimeWords(At(2006, 3, 5, 0, 15, 7)), "Sunday  5th Mar 06   3:07");
    EXPECT_EQ(DateTimeWords(At(2026, 12, 1, 2, 12, 0)), "Tuesday  1st Dec 26   12:00");
    EXPECT_EQ(DateTimeWords(At(2026, 1, 2, 5, 0, 5)), "Friday  2nd Jan 26   00:05");
    EXPECT_EQ(DateTimeWords(At(2026, 2, 3, 2, 11, 59)), "Tuesday  3rd Feb 26   11:59");
    // 21, 22, 23 and 31 take "th" too; 13..23 o'clock count from 1.
    EXPECT_EQ(DateTimeWords(At(2000, 10, 21, 6, 13, 10)), "Saturday  21th Oct 00   1:10");
    EXPECT_EQ(DateTimeWords(At(2031, 5, 31, 6, 23, 45)), "Saturday  31th May 31   11:45");
}

TEST(MainWindowTitle, StartsWithTheProgramAndEndsWithTheClock) {
    EXPECT_EQ(MainWindowTitle("Sunday  5th Mar 06   3:07"),
              " Mirvo v4          Sunday  5th Mar 06   3:07");
}

TEST(TitleOneMinuteEarlier, StepsBackOneMinuteAcrossTheHour) {
    const std::string start = MainWindowTitle("Sunday  5th Mar 06   ");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "3:07"), start + "3:06");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "3:10"), start + "3:09");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "11:59"), start + "11:58");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "10:00"), start + " 9:59");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "3:00"), start.substr(0, start.size() - 1) + " 2:59");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "12:00"), start + "11:59");
    EXPECT_EQ(TitleOneMinuteEarlier(start + "00:00"), start + "11:59");
    // The derivation works on the last five characters only, so it misses the real title
    // where the hour changes width, and gives "12:59" where the clock shows "00:59"; the
    // instance lock decides, this lookup only finds the window to bring forward.
    EXPECT_EQ(TitleOneMinuteEarlier(start + "1:00"), start.substr(0, start.size() - 1) + "12:59");
}

}  // namespace
}  // namespace mirvo
