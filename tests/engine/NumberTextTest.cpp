#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberText, FormatsWithAPointWhateverTheLocale) {
  EXPECT_EQ(FormatC("%0.2f,%d", 1.5, 7), "1.50,7");
  EXPECT_EQ(FormatC("%7.2f|%0.0f|%0.1f", 9999.9, 1330.0, 5.54), "9999.90|1330|5.5");
  EXPECT_EQ(FormatC("%s %d%%", "CNS", 100), "CNS 100%");
  EXPECT_EQ(FormatC("%s", ""), "");
  EXPECT_EQ(FormatC("%0.2f", 1e20).size(), 24u);  // 21 digits, the point and 2 decimals
}

TEST(NumberText, ReadsTheLeadingIntegerAsThePlainConversionDoes) {
  EXPECT_EQ(ReadLeadingInt("1"), 1);
  EXPECT_EQ(ReadLeadingInt(" 1"), 1);
  EXPECT_EQ(ReadLeadingInt("1.7"), 1);
  EXPECT_EQ(ReadLeadingInt("-1"), -1);
  EXPECT_EQ(ReadLeadingInt("-1.9"), -1);
  EXPECT_EQ(ReadLeadingInt("42/0"), 42);
  EXPECT_EQ(ReadLeadingInt("abc"), 0);
  EXPECT_EQ(ReadLeadingInt(""), 0);
  EXPECT_EQ(ReadLeadingInt("99999999999"), INT_MAX);
  EXPECT_EQ(ReadLeadingInt("-99999999999"), INT_MIN);
  EXPECT_EQ(ReadLeadingInt("\x01\xff"), 0);
}
