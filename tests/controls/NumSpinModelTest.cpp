#include "controls/core/NumSpinModel.h"

#include <gtest/gtest.h>

using controls::NumSpinModel;

TEST(NumSpinModel, ARangeOfMoreStepsThanTheArrowsHoldIsScaledIntoThem) {
  NumSpinModel spin;
  EXPECT_EQ(spin.RangeCount(), 100);
  spin.SetRangeAndDelta(0, 100000, 1);
  EXPECT_EQ(spin.RangeCount(), 0x7FFF);
  EXPECT_EQ(spin.PositionOf(50000), 16384);   // 0.5 × 32767 + 0.5 = 16384
  EXPECT_EQ(spin.PositionOf(100000), 32767);
  EXPECT_EQ(spin.PositionOf(250000), 32767);  // above the range: the top
  EXPECT_EQ(spin.PositionOf(-3), 0);

  spin.SetRangeAndDelta(0, 10, 0);  // a step of 0 stores the values but keeps the count
  EXPECT_EQ(spin.RangeCount(), 0x7FFF);
  spin.SetRangeAndDelta(0, 10, -0.5);
  EXPECT_EQ(spin.RangeCount(), 20);
  EXPECT_EQ(spin.PositionOf(2.6), 5);  // 2.6 / 10 × 20 + 0.5 = 5.7
  spin.SetRangeAndDelta(4, 4, 1);
  EXPECT_FALSE(spin.PositionOf(4).has_value());
}

TEST(NumSpinModel, WritesDecimalsWithoutTrailingZerosAndNeverAComma) {
  NumSpinModel spin;
  EXPECT_EQ(spin.TextOf(0.1 + 0.2), "0.3");  // "%g" while the decimals are unset
  spin.SetDecimalPlaces(2);
  EXPECT_EQ(spin.TextOf(1.5), "1.5");
  EXPECT_EQ(spin.TextOf(2.0), "2");
  EXPECT_EQ(spin.TextOf(120.0), "120");      // zeros before the point stay
  EXPECT_EQ(spin.TextOf(2.254), "2.25");
  EXPECT_EQ(spin.TextOf(0.001), "0");        // 0.00
  EXPECT_EQ(spin.TextOf(0.00001), "1e-05");  // exponent form: 1.00e-05
  EXPECT_EQ(spin.TextOf(1.5e-7), "1.5e-07");
  spin.SetDecimalPlaces(0);
  EXPECT_EQ(spin.TextOf(100.0), "100");
  spin.SetDecimalPlaces(2);
  spin.SetTrimTrailingZeros(false);
  EXPECT_EQ(spin.TextOf(1.5), "1.50");
  spin.SetFormatString("%05.1f");
  EXPECT_EQ(spin.TextOf(3.14159), "003.1");
  spin.SetFormatString("");
  EXPECT_EQ(spin.TextOf(3.14159), "3.14");
}

TEST(NumSpinModel, AClickStopsAtALimitOrWrapsToTheOtherOne) {
  NumSpinModel spin;
  spin.SetRangeAndDelta(0, 10, 1);
  EXPECT_DOUBLE_EQ(spin.Clicked(10, 1, false), 10);
  EXPECT_DOUBLE_EQ(spin.Clicked(10, 1, true), 0);
  EXPECT_DOUBLE_EQ(spin.Clicked(0, -1, false), 0);
  EXPECT_DOUBLE_EQ(spin.Clicked(0, -1, true), 10);
  EXPECT_DOUBLE_EQ(spin.Clicked(3.5, 1, false), 4.5);
  // Past the top by less than a billionth the value is kept, even on a wrapping field.
  spin.SetDecimalPlaces(9);
  EXPECT_EQ(spin.TextOf(spin.Clicked(9.000000001, 1, false)), "10.000000001");
  EXPECT_EQ(spin.TextOf(spin.Clicked(9.000000001, 1, true)), "10.000000001");

  spin.SetRangeAndDelta(0, 60, -1);  // depth-like fields: the up arrow lowers the value
  EXPECT_DOUBLE_EQ(spin.Clicked(20, 1, false), 19);
  EXPECT_DOUBLE_EQ(spin.Clicked(0, 1, false), 0);
  EXPECT_DOUBLE_EQ(spin.Clicked(60, -1, false), 60);
}

TEST(NumSpinModel, TextThatIsNoNumberReadsAsZeroAndValuesAreClampedIntoTheRange) {
  NumSpinModel spin;
  spin.SetRangeAndDelta(0, 10, 1);
  double value = NumSpinModel::ReadValue("deep");
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(spin.Clamp(value));
  EXPECT_EQ(NumSpinModel::ReadValue(" 12.5 m"), 12.5);
  EXPECT_EQ(NumSpinModel::ReadValue("1,5"), 1);  // a decimal comma ends the number
  value = 12.5;
  EXPECT_FALSE(spin.Clamp(value));
  EXPECT_EQ(value, 10);
  value = -0.5;
  EXPECT_FALSE(spin.Clamp(value));
  EXPECT_EQ(value, 0);
}
