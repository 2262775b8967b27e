// Printed rows and gas warnings, worked out from the legs of hand-checked dives.
#include <gtest/gtest.h>

#include "tests/engine/DiveTestSupport.h"

namespace {

using SegmentsTest = DiveTest;

int TotalDuration(const CDivePlan& dive) {
  int total = 0;
  for (const Row& row : Rows(dive)) total += row.durationSec;
  return total;
}

}  // namespace

TEST_F(SegmentsTest, RowsCoverTheWholeDive) {
  for (double depth : {12.0, 30.0, 45.0, 60.0}) {
    SCOPED_TRACE(depth);
    CDivePlan dive = MadeDive(30, 85);
    AddUserPoint(dive, depth, 1500, 21, depth > 40 ? 35 : 0);
    AddUserPoint(dive, 6, 0, 100, 0);
    ASSERT_TRUE(Calculate(dive));
    const std::vector<Row> rows = Rows(dive);
    EXPECT_EQ(TotalDuration(dive), dive.GetLastStepTime());
    EXPECT_EQ(rows.back().runTimeSec, dive.GetLastStepTime());
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const Row& row) { return row.type == kSegmentBottomDepth; }),
              1);
  }
}

TEST_F(SegmentsTest, TheFirstAscentPrintedOnItsOwn) {
  // Air 30 m for 25 min at GF 30/85 has the legs descent 90 s, bottom 1410 s, ascent to 12 m
  // 108 s, 12 m stop 251 s, ascent to 6 m 36 s, 6 m stop 564 s, ascent 36 s. With the first
  // ascent printed, each stop row takes the ascent after it.
  AppSettings().general.firstAscentOption.Set(1);
  CDivePlan dive = MadeDive(30, 85);
  AddUserPoint(dive, 30, 1500);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Rows(dive), (std::vector<Row>{{kSegmentPrinted, 0, 90, 90},
                                          {kSegmentBottomDepth, 30, 1410, 1500},
                                          {kSegmentFirstAscent, 30, 108, 1608},
                                          {kSegmentPrinted, 12, 287, 1895},
                                          {kSegmentPrinted, 6, 600, 2495}}));
  EXPECT_TRUE(dive.IsSegmentFirstAscent(2));
  EXPECT_TRUE(dive.IsSegmentBottomDepth(1));
  EXPECT_FALSE(dive.IsSegmentBottomDepth(0));
}

TEST_F(SegmentsTest, AGasChangeOnTheFirstAscentIsPrinted) {
  // Air 30 m for 20 min, then up to 21 m on EAN50 for 10 min: the ascent to 21 m changes the
  // gas at its end and so makes its own row.
  CDivePlan dive = MadeDive(30, 85);
  AddUserPoint(dive, 30, 1200);
  AddUserPoint(dive, 21, 600, 50, 0);
  ASSERT_TRUE(Calculate(dive));
  const std::vector<Row> rows = Rows(dive);
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(rows[2].depthMetres, 30);
  EXPECT_EQ(dive.GetSegmentOxygen(2), 21);
  EXPECT_EQ(dive.GetSegmentOxygen(3), 50);
  EXPECT_EQ(TotalDuration(dive), dive.GetLastStepTime());
}

TEST_F(SegmentsTest, EadWarningOfAGasKeepsTheLaterText) {
  // Air to 40 m against a 35 m limit: the descent row first warns at 35.3 m, the bottom row at
  // 40 m; the gas keeps one entry with the later text.
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 40, 1200);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetSegmentWarningFlags(0), kWarningEad);
  EXPECT_EQ(dive.GetSegmentWarningFlags(1), kWarningEad);
  ASSERT_EQ(dive.GetGasWarningCount(), 1);
  EXPECT_EQ(dive.GetGasWarningText(0), "Air~EAD 35m @ 40m");
  EXPECT_FALSE(dive.IsWarningFree());
  EXPECT_EQ(dive.GetStepWarningText(500), "Max EAD 40.0m#");

  AppSettings().general.units.Set(1);  // 35 m = 114.0 ft, 40 m = 130.3 ft
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetGasWarningText(0), "Air~EAD 114ft @ 130ft");
}

TEST_F(SegmentsTest, OxygenWarningsOnOpenAndClosedCircuit) {
  // EAN40 at 32 m breathes 4.17 x 0.4 = 1.668 bar; the text names the depth below the dive's
  // 1000 mbar surface at which it reaches 1.60 bar: (4 - 1.0) x 10 = 30 m.
  CDivePlan open = MadeDive();
  AddUserPoint(open, 32, 600, 40, 0);
  ASSERT_TRUE(Calculate(open));
  EXPECT_EQ(open.GetSegmentWarningFlags(1), kWarningHighPpo2);
  EXPECT_EQ(open.GetGasWarningText(0), "40% Nitrox~High O2 1.60 @ > 30m");

  // EAN36: (1.6 / 0.36 - 1.0) x 10 = 34.4 m, which the model's 970 mbar surface would print as
  // 35 m; at a 900 mbar surface (1.6 / 0.36 - 0.9) x 10 = 35.4 m.
  CDivePlan nitrox = MadeDive();
  AddUserPoint(nitrox, 40, 600, 36, 0);
  ASSERT_TRUE(Calculate(nitrox));
  EXPECT_EQ(nitrox.GetGasWarningText(0), "36% Nitrox~High O2 1.60 @ > 34m");
  nitrox.SetSurfacePressure(900);
  ASSERT_TRUE(Calculate(nitrox));
  EXPECT_EQ(nitrox.GetGasWarningText(0), "36% Nitrox~High O2 1.60 @ > 35m");

  CDivePlan closed = MadeDive();
  AddUserPoint(closed, 30, 600, 21, 0, true, 1.7);
  ASSERT_TRUE(Calculate(closed));
  EXPECT_EQ(closed.GetGasWarningText(0), "Air~High O2 > 1.60 Max PPO2");

  // A hypoxic open-circuit gas at the surface: 10/50 gives 0.10 bar there and reaches 0.16 bar
  // at (1.6 - 1.0) x 10 = 6 m.
  CDivePlan hypoxic = MadeDive();
  AddUserPoint(hypoxic, 0, 60, 10, 50);
  AddUserPoint(hypoxic, 30, 600, 10, 50);
  ASSERT_TRUE(Calculate(hypoxic));
  EXPECT_EQ(hypoxic.GetGasWarningText(0), "10/50~Low O2 0.16 @ < 6m");
  EXPECT_NE(hypoxic.GetStepWarningFlags(1) & kWarningLowPpo2, 0);

  CDivePlan lowSetPoint = MadeDive();
  AddUserPoint(lowSetPoint, 10, 600, 21, 0, true, 0.1);
  ASSERT_TRUE(Calculate(lowSetPoint));
  EXPECT_EQ(lowSetPoint.GetGasWarningText(0), "Air~Low O2 < 0.16 Min PPO2");
}

TEST_F(SegmentsTest, GasWarningsMergePerGas) {
  CDivePlan dive;
  dive.AddGasWarning(21, 0, "", "EAD 35m @ 36m", "", "");
  dive.AddGasWarning(50, 0, "", "", "High O2 1.60 @ > 22m", "");
  dive.AddGasWarning(21, 0, "ICD Risk", "EAD 35m @ 40m", "", "");
  ASSERT_EQ(dive.GetGasWarningCount(), 2);
  EXPECT_EQ(dive.GetGasWarningText(0), "Air~ICD Risk~EAD 35m @ 40m");
  EXPECT_EQ(dive.GetGasWarningText(1), "50% Nitrox~High O2 1.60 @ > 22m");
  EXPECT_EQ(dive.GetGasWarningText(2), "Invalid");
}

TEST_F(SegmentsTest, NoProfileNoRows) {
  CDivePlan dive;
  EXPECT_FALSE(dive.SegmentProfile());
  EXPECT_EQ(dive.GetMaxProfileDepth(), -1);
  EXPECT_EQ(dive.GetSegmentCount(), 0);
  int bits = 0;
  std::string icd, ead, high, low;
  EXPECT_TRUE(dive.CollectSegmentWarnings(-5, 100, bits, icd, ead, high, low));  // no steps to read
  EXPECT_EQ(bits, 0);
}
