#include "engine/Zhl16Coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/DivePlan.h"
#include "tests/engine/DiveTestSupport.h"

namespace {

void ExpectSame(const Zhl16Compartment& a, const Zhl16Compartment& b) {
  EXPECT_EQ(a.nitrogenHalfTimeMin, b.nitrogenHalfTimeMin);
  EXPECT_EQ(a.heliumHalfTimeMin, b.heliumHalfTimeMin);
  EXPECT_EQ(a.nitrogenAMbar, b.nitrogenAMbar);
  EXPECT_EQ(a.nitrogenB, b.nitrogenB);
  EXPECT_EQ(a.heliumAMbar, b.heliumAMbar);
  EXPECT_EQ(a.heliumB, b.heliumB);
}

}  // namespace

TEST(Zhl16CoefficientsTest, PublishedValuesInEachVariant) {
  const CZhl16Coefficients table;
  Zhl16Compartment values;
  ASSERT_TRUE(table.GetCompartment(kZhl16C, 0, values));
  EXPECT_EQ(values.nitrogenHalfTimeMin, 4.0);
  EXPECT_EQ(values.heliumHalfTimeMin, 1.51);
  EXPECT_EQ(values.nitrogenAMbar, 1259.9);
  EXPECT_EQ(values.nitrogenB, 0.505);
  EXPECT_EQ(values.heliumAMbar, 1742.4);
  EXPECT_EQ(values.heliumB, 0.4245);
  // The variants differ only in nitrogen a, from compartment 5 to 15.
  ASSERT_TRUE(table.GetCompartment(kZhl16A, 4, values));
  EXPECT_EQ(values.nitrogenAMbar, 666.7);
  ASSERT_TRUE(table.GetCompartment(kZhl16C, 4, values));
  EXPECT_EQ(values.nitrogenAMbar, 620.0);
  ASSERT_TRUE(table.GetCompartment(kZhl16Custom, 4, values));
  EXPECT_EQ(values.nitrogenAMbar, 620.0);
  ASSERT_TRUE(table.GetCompartment(kZhl16A, 15, values));
  EXPECT_EQ(values.nitrogenHalfTimeMin, 635.0);
  EXPECT_EQ(values.nitrogenAMbar, 232.7);
  EXPECT_EQ(values.heliumB, 0.9267);
}

TEST(Zhl16CoefficientsTest, LookupsOutsideTheTableWriteNothing) {
  const CZhl16Coefficients table;
  Zhl16Compartment values;
  values.nitrogenB = 42;
  EXPECT_FALSE(table.GetCompartment(3, 0, values));
  EXPECT_FALSE(table.GetCompartment(-1, 0, values));
  EXPECT_FALSE(table.GetCompartment(kZhl16C, 16, values));
  EXPECT_FALSE(table.GetCompartment(kZhl16C, -1, values));
  EXPECT_EQ(values.nitrogenB, 42);
}

TEST(Zhl16CoefficientsTest, SettingACustomRowChangesOnlyThatRow) {
  CZhl16Coefficients table;
  ASSERT_TRUE(table.SetCompartment(4, 30, 11, 600, 0.8, 900, 1.0));
  Zhl16Compartment custom;
  Zhl16Compartment c;
  for (int compartment = 0; compartment < 16; ++compartment) {
    ASSERT_TRUE(table.GetCompartment(kZhl16Custom, compartment, custom));
    ASSERT_TRUE(table.GetCompartment(kZhl16C, compartment, c));
    if (compartment != 4) ExpectSame(custom, c);
  }
  ASSERT_TRUE(table.GetCompartment(kZhl16Custom, 4, custom));
  EXPECT_EQ(custom.nitrogenHalfTimeMin, 30);
  EXPECT_EQ(custom.heliumB, 1.0);
  ASSERT_TRUE(table.GetCompartment(kZhl16C, 4, c));
  EXPECT_EQ(c.nitrogenHalfTimeMin, 27.0);
  ASSERT_TRUE(table.GetCompartment(kZhl16A, 4, c));
  EXPECT_EQ(c.nitrogenAMbar, 666.7);
}

TEST(Zhl16CoefficientsTest, ImpossibleCustomRowsAreRefused) {
  CZhl16Coefficients table;
  EXPECT_FALSE(table.SetCompartment(16, 30, 11, 600, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(-1, 30, 11, 600, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 0, 11, 600, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 30, -1, 600, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 30, 11, -0.1, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 30, 11, 600, 0, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 30, 11, 600, 0.8, 900, 1.01));
  EXPECT_FALSE(table.SetCompartment(0, NAN, 11, 600, 0.8, 900, 0.8));
  EXPECT_FALSE(table.SetCompartment(0, 30, 11, INFINITY, 0.8, 900, 0.8));
  Zhl16Compartment values;
  ASSERT_TRUE(table.GetCompartment(kZhl16Custom, 0, values));
  EXPECT_EQ(values.nitrogenHalfTimeMin, 4.0);
  EXPECT_TRUE(table.SetCompartment(0, 30, 11, 0, 0.8, 0, 1.0));  // a = 0 and b = 1 are possible
}

using EngineConstantsTest = DiveTest;

TEST_F(EngineConstantsTest, RateFactorsPerSecondAndPerMinute) {
  CDivePlan dive;
  dive.InitConstants();
  // 1 - 2^(-1/240) and 1 - 2^(-1/4) for the 4-minute compartment.
  EXPECT_NEAR(dive.GetNitrogenRatePerSecond()[0], 0.0028839467, 1e-9);
  EXPECT_NEAR(dive.GetNitrogenRatePerMinute()[0], 0.1591035847, 1e-9);
  // The 635-minute compartment halves in 635 minutes: (1 - k)^(635*60) = 1/2.
  EXPECT_NEAR(std::pow(1 - dive.GetNitrogenRatePerSecond()[15], 635 * 60), 0.5, 1e-10);
  EXPECT_NEAR(std::pow(1 - dive.GetHeliumRatePerMinute()[15], 240.03), 0.5, 1e-10);
  EXPECT_EQ(dive.GetHeliumHalfTimes()[8], 41.2);
}

TEST_F(EngineConstantsTest, TheGroupsAlgorithmChoosesTheCoefficients) {
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive;
  TestGroup zhl16a(0);
  dive.SetPlanGroup(&zhl16a);
  dive.InitConstants();
  const std::string log = LogText();
  EXPECT_NE(log.find("Dive plan Init Constants\nUsing ZH-L16A Algorithm\n"), std::string::npos);
  EXPECT_NE(log.find("ZHL16 Nitrogen [0..15] 4.00 8.00 12.50 18.50 27.00 "), std::string::npos);
  EXPECT_NE(log.find("m_AN [0..15] 1259.900000 1000.000000 861.800000 756.200000 666.700000 "), std::string::npos);
  EXPECT_NE(log.find("m_BH [0..15] 0.424500 "), std::string::npos);
}

TEST_F(EngineConstantsTest, AnUnknownAlgorithmFallsBackToZhl16c) {
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive;
  TestGroup unknown(3);
  dive.SetPlanGroup(&unknown);
  dive.InitConstants();
  const std::string log = LogText();
  EXPECT_NE(log.find("Using UNDEFINED Algorithm\n"), std::string::npos);
  EXPECT_NE(log.find("Algorithm 3 is not defined - using the ZH-L16C coefficients\n"), std::string::npos);
  EXPECT_NE(log.find("m_AN [0..15] 1259.900000 1000.000000 861.800000 756.200000 620.000000 "), std::string::npos);
  EXPECT_EQ(dive.GetNitrogenHalfTimes()[15], 635.0);
}
