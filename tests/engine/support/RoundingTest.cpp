#include "engine/support/Rounding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

TEST(Rounding, RoundToStepGoesToTheNearestMultiple) {
  EXPECT_DOUBLE_EQ(RoundToStep(4.5, 3), 6);
  EXPECT_DOUBLE_EQ(RoundToStep(4.4, 3), 3);
  EXPECT_DOUBLE_EQ(RoundToStep(7.5, 3), 9);
  EXPECT_DOUBLE_EQ(RoundToStep(0.2, 0.5), 0);
  EXPECT_DOUBLE_EQ(RoundToStep(0.25, 0.5), 0.5);
  EXPECT_DOUBLE_EQ(RoundToStep(5.999999999999998, 3), 6);
}

TEST(Rounding, RoundDownToStepIgnoresFloatingPointNoise) {
  EXPECT_DOUBLE_EQ(RoundDownToStep(8.9, 3), 6);
  EXPECT_DOUBLE_EQ(RoundDownToStep(9, 3), 9);
  EXPECT_DOUBLE_EQ(RoundDownToStep(2.9, 3), 0);
  EXPECT_DOUBLE_EQ(RoundDownToStep(5.999999999999998, 3), 6);
  // A maximum operating depth worked out from pressures: (1.4 bar / 1.0 − 0.8 bar) × 10 = 6 m,
  // which double arithmetic gives as 5.999999999999998.
  double depth = (1.4 / 1.0 - 0.8) * 10.0;
  EXPECT_LT(depth, 6.0);
  EXPECT_DOUBLE_EQ(RoundDownToStep(depth, 3), 6);
  EXPECT_DOUBLE_EQ(RoundDownToStep(5.99, 3), 3);  // a real shortfall still rounds down
}

TEST(Rounding, IsDefinitelyLessUsesARelativeTolerance) {
  EXPECT_TRUE(IsDefinitelyLess(1.0, 1.01, 0.001));
  EXPECT_FALSE(IsDefinitelyLess(1.0, 1.0009, 0.001));
  EXPECT_FALSE(IsDefinitelyLess(1000.0, 1000.9, 0.001));
  EXPECT_TRUE(IsDefinitelyLess(1000.0, 1001.1, 0.001));
  EXPECT_FALSE(IsDefinitelyLess(2.0, 1.0, 0.001));
}

TEST(Rounding, StringToIntRoundedReadsTheLeadingNumber) {
  bool ok = false;
  EXPECT_EQ(StringToIntRounded("32.5%", ok), 33);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StringToIntRounded("x", ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StringToIntRounded("", ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StringToIntRounded("  +1.2e1 m", ok), 12);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StringToIntRounded("-2.5", ok), -2);  // half up
  EXPECT_EQ(StringToIntRounded(".5", ok), 1);
  EXPECT_EQ(StringToIntRounded("inf", ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StringToIntRounded("1e999", ok), std::numeric_limits<int>::max());
  EXPECT_TRUE(ok);
  EXPECT_EQ(StringToIntRounded("-", ok), 0);
  EXPECT_FALSE(ok);
}

TEST(Rounding, NumbersAreReadTheSameInEveryLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  std::size_t consumed = 0;
  EXPECT_DOUBLE_EQ(ReadLeadingDouble("1.25", &consumed), 1.25);
  EXPECT_EQ(consumed, 4u);
  EXPECT_DOUBLE_EQ(ReadLeadingDouble("1,25", &consumed), 1.0);
  EXPECT_DOUBLE_EQ(ReadLeadingDouble("1e-999", &consumed), 0.0);
  std::setlocale(LC_NUMERIC, saved.c_str());
}
