#include "engine/Gas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Mix {
  double oxygen;
  double helium;
};

void ExpectMix(const CGas& gas, double oxygen, double helium) {
  EXPECT_DOUBLE_EQ(gas.GetOxygen(), oxygen);
  EXPECT_DOUBLE_EQ(gas.GetHelium(), helium);
  EXPECT_DOUBLE_EQ(gas.GetNitrogen(), 100 - oxygen - helium);
}

}  // namespace

TEST(Gas, NewGasIsEmptyAndInvalid) {
  CGas gas;
  EXPECT_FALSE(gas.IsValid());
  EXPECT_EQ(gas.GetOxygen(), 0.0);
  EXPECT_EQ(gas.GetHelium(), 0.0);
  EXPECT_EQ(gas.GetNitrogen(), 0.0);
  EXPECT_EQ(gas.GetName(false), "Invalid");
  EXPECT_EQ(gas.GetName(true), "");
}

TEST(Gas, SetMixAcceptsEveryBreathableMixUpToTheLimits) {
  for (Mix mix : {Mix{5, 95}, Mix{100, 0}, Mix{50, 50}, Mix{21, 0}, Mix{10, 90}, Mix{5, 0}, Mix{20.6, 0}}) {
    CGas gas;
    EXPECT_TRUE(gas.SetMix(mix.oxygen, mix.helium)) << mix.oxygen << "/" << mix.helium;
    EXPECT_TRUE(gas.IsValid());
    ExpectMix(gas, mix.oxygen, mix.helium);
  }
}

TEST(Gas, SetMixRejectsImpossibleMixesAndKeepsThePreviousOne) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (Mix mix : {Mix{4.9, 0}, Mix{60, 41}, Mix{105, -5}, Mix{30, -1}, Mix{0, 0}, Mix{101, 0}, Mix{nan, 0},
                  Mix{21, nan}, Mix{inf, 0}, Mix{21, -inf}}) {
    CGas gas;
    ASSERT_TRUE(gas.SetMix(32, 10));
    EXPECT_FALSE(gas.SetMix(mix.oxygen, mix.helium)) << mix.oxygen << "/" << mix.helium;
    EXPECT_FALSE(gas.IsValid());
    ExpectMix(gas, 32, 10);
  }
}

TEST(Gas, UncheckedSettersKeepNitrogenInStep) {
  CGas gas;
  gas.SetAir();
  ExpectMix(gas, 21, 0);
  EXPECT_TRUE(gas.IsValid());
  EXPECT_TRUE(gas.SetHelium(35));
  ExpectMix(gas, 21, 35);
  EXPECT_TRUE(gas.SetOxygen(3));  // not checked: the engine knows what it does
  EXPECT_TRUE(gas.IsValid());
  ExpectMix(gas, 3, 35);
  CGas copy = gas;
  ExpectMix(copy, 3, 35);
  EXPECT_TRUE(copy.IsValid());
}

TEST(Gas, ParsesNamesAndTheTypedForms) {
  struct Case {
    const char* text;
    double oxygen;
    double helium;
  };
  const Case cases[] = {
      {"Air", 21, 0},       {"AIR", 21, 0},          {"air", 21, 0},          {"Oxygen", 100, 0},
      {"OXYGEN", 100, 0},   {"oxygen", 100, 0},      {"32%", 32, 0},          {"32% Nitrox", 32, 0},
      {"32% NITROX", 32, 0}, {"100%", 100, 0},       {"5%", 5, 0},            {" 32%", 32, 0},
      {"20.6%", 21, 0},     {"21/35", 21, 35},       {"32/0", 32, 0},         {"50/50", 50, 50},
      {"18/45", 18, 45},    {"21/0.4", 21, 0},       {"10/90", 10, 90},       {"5/95", 5, 95},
      {"21/35/10", 21, 35}, {"12.5/50", 13, 50},
  };
  for (const Case& c : cases) {
    CGas gas;
    EXPECT_TRUE(gas.Parse(c.text)) << c.text;
    EXPECT_TRUE(gas.IsValid()) << c.text;
    ExpectMix(gas, c.oxygen, c.helium);
  }
}

TEST(Gas, RejectsEveryOtherTextAndKeepsThePercentages) {
  const char* const texts[] = {"",       " air",    "air ",    "Helium",  "Invalid", "Nitrox", "21",
                               "4%",     "101%",    "%",       "% Nitrox", "-32%",   "1e9%",   "50/51",
                               "21/-5",  "4/0",     "/35",     "21/",     "/",       "abc/def", "101/0",
                               "21/100", "\x01\xff%", "\xff/\x01", "99999999999/0"};
  for (const char* text : texts) {
    CGas gas;
    ASSERT_TRUE(gas.SetMix(32, 0));
    EXPECT_FALSE(gas.Parse(text)) << text;
    EXPECT_FALSE(gas.IsValid()) << text;
    ExpectMix(gas, 32, 0);
  }
}

TEST(Gas, NamesTruncatePercentagesButAirAndOxygenMustBeExact) {
  struct Case {
    double oxygen;
    double helium;
    const char* longName;
    const char* shortName;
  };
  const Case cases[] = {
      {21, 0, "Air", "21/0"},           {100, 0, "Oxygen", "100/0"},       {32, 0, "32% Nitrox", "32/0"},
      {18, 45, "18/45", "18/45"},       {20.6, 0, "20% Nitrox", "20/0"},   {21, 0.4, "Air", "21/0"},
      {21.5, 0, "21% Nitrox", "21/0"},  {99.9, 0, "99% Nitrox", "99/0"},   {50, 50, "50/50", "50/50"},
      {10.9, 1.9, "10/1", "10/1"},      {5, 95, "5/95", "5/95"},
  };
  for (const Case& c : cases) {
    CGas gas;
    ASSERT_TRUE(gas.SetMix(c.oxygen, c.helium));
    EXPECT_EQ(gas.GetName(false), c.longName) << c.oxygen << "/" << c.helium;
    EXPECT_EQ(gas.GetName(true), c.shortName) << c.oxygen << "/" << c.helium;
  }
  CGas helium;
  helium.SetHelium(100);
  EXPECT_EQ(helium.GetName(false), "Helium");
}

TEST(Gas, EveryWholeNumberMixReadsBackFromBothItsNames) {
  for (int oxygen = 5; oxygen <= 100; ++oxygen) {
    for (int helium = 0; helium <= 100 - oxygen; ++helium) {
      CGas gas;
      ASSERT_TRUE(gas.SetMix(oxygen, helium));
      for (bool shortForm : {false, true}) {
        CGas read;
        ASSERT_TRUE(read.Parse(gas.GetName(shortForm))) << gas.GetName(shortForm);
        EXPECT_EQ(read.GetOxygen(), oxygen);
        EXPECT_EQ(read.GetHelium(), helium);
      }
    }
  }
}

TEST(Gas, PartialPressuresAtDepth) {
  EXPECT_NEAR(CalcPartialPressureO2(21, 30), 0.84, 1e-12);      // 4 bar x 0.21
  EXPECT_NEAR(CalcPartialPressureO2(100, 6), 1.6, 1e-12);       // 1.6 bar x 1.00
  EXPECT_NEAR(CalcPartialPressureN2(18, 45, 40, 0, false), 1.85, 1e-12);  // 5 bar x 0.37
  // Closed circuit: 44 parts of 79 inert share what the set-point leaves of 5 bar.
  EXPECT_NEAR(CalcPartialPressureN2(21, 35, 40, 1.3, true), 44.0 / 79.0 * 3.7, 1e-12);
  // A pure-oxygen diluent has no inert gas at all.
  EXPECT_EQ(CalcPartialPressureN2(100, 0, 6, 1.3, true), 0.0);
}

TEST(Gas, EquivalentAirDepth) {
  EXPECT_NEAR(CalcEquivalentAirDepth(21, 0, 0, 0, false), 0.0, 1e-12);
  EXPECT_NEAR(CalcEquivalentAirDepth(21, 0, 30, 0, false), 30.0, 1e-12);
  EXPECT_NEAR(CalcEquivalentAirDepth(32, 0, 30, 0, false), (2.72 / 0.79 - 1) * 10, 1e-12);  // 24.43 m
  // A set-point above the ambient pressure leaves less nitrogen than the surface has.
  EXPECT_NEAR(CalcEquivalentAirDepth(21, 0, 0, 1.3, true), (-0.3 / 0.79 - 1) * 10, 1e-12);
  // Oxygen as diluent: no nitrogen, a finite answer.
  EXPECT_NEAR(CalcEquivalentAirDepth(100, 0, 6, 1.3, true), -10.0, 1e-12);
}
