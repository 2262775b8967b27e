#include "engine/GasSwitch.h"

#include <gtest/gtest.h>

namespace {

void ExpectSwitch(const CGasSwitch& gasSwitch, double depth, double oxygen, double helium, bool closedCircuit,
                  double setPoint, bool gasSet) {
  EXPECT_DOUBLE_EQ(gasSwitch.GetDepth(), depth);
  EXPECT_DOUBLE_EQ(gasSwitch.GetOxygen(), oxygen);
  EXPECT_DOUBLE_EQ(gasSwitch.GetHelium(), helium);
  EXPECT_EQ(gasSwitch.IsClosedCircuit(), closedCircuit);
  EXPECT_DOUBLE_EQ(gasSwitch.GetSetPoint(), setPoint);
  EXPECT_EQ(gasSwitch.IsGasSet(), gasSet);
}

}  // namespace

TEST(GasSwitch, NewAndResetSwitchesAreEmptySlots) {
  CGasSwitch gasSwitch;
  ExpectSwitch(gasSwitch, 0, 0, 0, true, 0, false);
  EXPECT_EQ(gasSwitch.GetCheckResult(), 0);
  EXPECT_EQ(gasSwitch.ToString(), "0.00,0.00,0.00,1,0.00,0");

  gasSwitch.Set(21, 50, 0, false, 1.3, true);
  gasSwitch.SetCheckResult(3);
  gasSwitch.Reset();
  ExpectSwitch(gasSwitch, 0, 0, 0, true, 0, false);
  EXPECT_EQ(gasSwitch.GetCheckResult(), 0);
}

TEST(GasSwitch, WritesItsSixFields) {
  CGasSwitch gasSwitch;
  EXPECT_TRUE(gasSwitch.Set(6, 100, 0, false, 1.3, true));
  EXPECT_EQ(gasSwitch.ToString(), "6.00,100.00,0.00,0,1.30,1");
  gasSwitch.Set(45.5, 18, 45, true, 0.7, true);
  gasSwitch.SetCheckResult(2);  // never written
  EXPECT_EQ(gasSwitch.ToString(), "45.50,18.00,45.00,1,0.70,1");
}

TEST(GasSwitch, ReadsItsTextBack) {
  CGasSwitch gasSwitch;
  EXPECT_TRUE(gasSwitch.FromString("6.00,100.00,0.00,0,1.30,1"));
  ExpectSwitch(gasSwitch, 6, 100, 0, false, 1.3, true);
  EXPECT_EQ(gasSwitch.GetGasName(), "Oxygen");

  // The stored defaults of the first travel and deco gas.
  EXPECT_TRUE(gasSwitch.FromString("0.00,21.00,0.00,1,0.70,1"));
  ExpectSwitch(gasSwitch, 0, 21, 0, true, 0.7, true);
  EXPECT_TRUE(gasSwitch.FromString("3.00,21.00,0.00,1,0.70,1"));
  ExpectSwitch(gasSwitch, 3, 21, 0, true, 0.7, true);

  for (const char* text : {"21.50,50.00,0.00,0,1.60,1", "0.00,0.00,0.00,0,0.00,0", "99.25,10.00,70.00,1,1.20,1"}) {
    CGasSwitch read;
    ASSERT_TRUE(read.FromString(text));
    EXPECT_EQ(read.ToString(), text);
  }
}

TEST(GasSwitch, AnyOtherFieldCountOnlyClearsTheGasSetFlag) {
  for (const char* text : {"21.00,35.00,0.00,1,1.30", "21.00,35.00,0.00,1,1.30,1,9", "", "garbage",
                           "1,2,3,4,5,6,", ",,,,,,,,,,"}) {
    CGasSwitch gasSwitch;
    gasSwitch.Set(9, 32, 0, false, 1.4, true);
    gasSwitch.SetCheckResult(1);
    EXPECT_FALSE(gasSwitch.FromString(text)) << text;
    ExpectSwitch(gasSwitch, 9, 32, 0, false, 1.4, false);
    EXPECT_EQ(gasSwitch.GetCheckResult(), 1);
  }
}

TEST(GasSwitch, FlagsAreOnOnlyWhenTheyReadAsOne) {
  CGasSwitch gasSwitch;
  ASSERT_TRUE(gasSwitch.FromString("0,21,0,2,0.7,-1"));
  EXPECT_FALSE(gasSwitch.IsClosedCircuit());
  EXPECT_FALSE(gasSwitch.IsGasSet());
  ASSERT_TRUE(gasSwitch.FromString("0,21,0, 1,0.7,1.9"));
  EXPECT_TRUE(gasSwitch.IsClosedCircuit());
  EXPECT_TRUE(gasSwitch.IsGasSet());
  ASSERT_TRUE(gasSwitch.FromString("0,21,0,yes,0.7,true"));
  EXPECT_FALSE(gasSwitch.IsClosedCircuit());
  EXPECT_FALSE(gasSwitch.IsGasSet());
}

TEST(GasSwitch, DamagedFieldsReadAsZeroWithoutHarm) {
  CGasSwitch gasSwitch;
  ASSERT_TRUE(gasSwitch.FromString("abc,\x01\xff,,1,x,1"));
  ExpectSwitch(gasSwitch, 0, 0, 0, true, 0, true);
  EXPECT_EQ(gasSwitch.GetGasName(), "Invalid");

  ASSERT_TRUE(gasSwitch.FromString("1e999,-1e999,1e308,1,99999999999999999999,1"));
  EXPECT_GT(gasSwitch.GetDepth(), 1e300);
  EXPECT_LT(gasSwitch.GetOxygen(), -1e300);
  EXPECT_EQ(gasSwitch.GetGasName(), "Invalid");
  EXPECT_FALSE(gasSwitch.ToString().empty());
}

TEST(GasSwitch, CopiesCarryTheCheckResult) {
  CGasSwitch gasSwitch;
  gasSwitch.Set(21, 50, 0, false, 1.6, true);
  gasSwitch.SetCheckResult(1);
  CGasSwitch copy(gasSwitch);
  EXPECT_EQ(copy.GetCheckResult(), 1);
  EXPECT_EQ(copy.ToString(), "21.00,50.00,0.00,0,1.60,1");
  CGasSwitch assigned;
  assigned = gasSwitch;
  EXPECT_EQ(assigned.GetCheckResult(), 1);
}

TEST(GasSwitch, GasNames) {
  CGasSwitch gasSwitch;
  EXPECT_EQ(gasSwitch.GetGasName(), "");
  gasSwitch.Set(60, 18, 45, true, 1.3, true);
  EXPECT_EQ(gasSwitch.GetGasName(), "18/45");
  gasSwitch.Set(0, 21, 0, true, 0.7, true);
  EXPECT_EQ(gasSwitch.GetGasName(), "Air");
  gasSwitch.Set(0, 21, 0, true, 0.7, false);
  EXPECT_EQ(gasSwitch.GetGasName(), "");
  gasSwitch.Set(0, 60, 41, true, 0.7, true);
  EXPECT_EQ(gasSwitch.GetGasName(), "Invalid");
}
