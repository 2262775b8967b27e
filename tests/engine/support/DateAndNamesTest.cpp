#include "engine/support/DateAndNames.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/LocalTime.h"

TEST(DateAndNames, DaysSince2000CountLocalCalendarDays) {
  EXPECT_EQ(GetDaysSince2000(LocalTime(2000, 1, 1, 0, 0)), 0);
  EXPECT_EQ(GetDaysSince2000(LocalTime(2000, 1, 1, 23, 59)), 0);
  EXPECT_EQ(GetDaysSince2000(LocalTime(2000, 1, 2, 0, 1)), 1);
  EXPECT_EQ(GetDaysSince2000(LocalTime(2001, 1, 1, 12, 0)), 366);  // 2000 was a leap year
  EXPECT_EQ(GetDaysSince2000(LocalTime(2026, 3, 8, 12, 0)), 9563);
  EXPECT_GE(GetDaysSince2000(), 9563);
}

TEST(DateAndNames, FileNameWithExtension) {
  EXPECT_EQ(GetFileNameWithExtension("C:\\Dives\\Wreck.ccp"), "Wreck.ccp");
  EXPECT_EQ(GetFileNameWithExtension("/home/diver/plans/deep.ccd"), "deep.ccd");
  EXPECT_EQ(GetFileNameWithExtension("C:plan.ccp"), "plan.ccp");
  EXPECT_EQ(GetFileNameWithExtension("plan"), "plan");
  EXPECT_EQ(GetFileNameWithExtension("/folder/"), "");
}

TEST(DateAndNames, SortStringArraySortsBytewiseAndAppends) {
  std::vector<std::string> source = {"b", "B", "a", "\xc3\xa9t\xc3\xa9", "A10", "A2"};
  std::vector<std::string> destination = {"kept"};
  SortStringArray(source, destination);
  std::vector<std::string> sorted = {"A10", "A2", "B", "a", "b", "\xc3\xa9t\xc3\xa9"};
  EXPECT_EQ(source, sorted);
  sorted.insert(sorted.begin(), "kept");
  EXPECT_EQ(destination, sorted);
}

TEST(DateAndNames, FormatTime) {
  std::time_t time = LocalTime(2026, 3, 8, 14, 2);
  EXPECT_EQ(FormatTime(time, "%Y_%m_%d"), "2026_03_08");
  EXPECT_EQ(FormatTime(time, "%H:%M"), "14:02");
  EXPECT_EQ(FormatTime(time, ""), "");
  EXPECT_EQ(FormatTime(time, nullptr), "");
  EXPECT_EQ(FormatTime(time, std::string(200, 'x').c_str()), "");  // longer than 128 characters
}
