// What the dive page answers its profile graph (the steps' warnings, where a bailout can start,
// the texts of the cursor read-out) and what it gives it of a long logged dive.
#include <gtest/gtest.h>

#include <cmath>

#include "app/core/ProfileReadout.h"
#include "views/core/ProfileGraphFeed.h"
#include "tests/engine/DiveTestSupport.h"

namespace {

using app::CProfileReadout;

class ProfileReadoutTest : public DiveTest {
 protected:
  // A logged closed-circuit dive at set-point 1.3 whose points are (start s, duration s, metres).
  CDivePlan LoggedDive(std::initializer_list<std::array<double, 3>> points) {
    CDivePlan dive = MadeDive(65, 65);
    dive.SetReviewDive(true);
    dive.SetReviewSteps(true);
    int index = 0;
    for (const auto& [start, duration, metres] : points) {
      dive.AddReviewPoint(static_cast<int>(start), static_cast<int>(duration), metres * 100, 21, 0, 1.3, false);
      dive.SetReviewPointLoggedGradientFactor(index, 70);
      dive.SetReviewPointLoggedCeiling(index++, 3);
    }
    return dive;
  }
};

}  // namespace

TEST_F(ProfileReadoutTest, DepthPpo2AndTheBailoutDepthAlongALoggedProfile) {
  // p1 descends from the surface to 30 m, p2 lasts no time, p3 rises to 20 m and ends long before
  // p4 starts, p5 stays at 2.9 m, p6 sinks to 3.1 m and p7 comes up to 2 m.
  CDivePlan dive = LoggedDive({{0, 0, 0},
                               {1, 60, 30},
                               {61, 0, 30},
                               {62, 60, 20},
                               {200, 60, 2.9},
                               {260, 60, 2.9},
                               {320, 60, 3.1},
                               {400, 60, 2},
                               {480, 10, 0}});
  ASSERT_EQ(dive.GetSurfacePressure(), 1000);
  const CProfileReadout metric(&dive, UnitSystem::kMetric);

  EXPECT_EQ(metric.FormatLoggedReadoutItem(0, 0), "Depth 0.0 m");
  // Down the first leg, from 0 m at its start (1 s) to 30 m at its end (60 s): (30 - 1) / 59 x 30.
  EXPECT_EQ(metric.FormatLoggedReadoutItem(30, 0), "Depth 14.7 m");
  // A point that lasts no time stands at its own depth instead of dividing by its duration.
  EXPECT_EQ(metric.FormatLoggedReadoutItem(61, 0), "Depth 30.0 m");
  EXPECT_TRUE(metric.IsLoggedClosedCircuitAt(61));
  // Inside p3: 30 - (91 - 62) / (121 - 62) x 10 = 25.08 m; past its end (121 s) it stays at 20 m.
  EXPECT_EQ(metric.FormatLoggedReadoutItem(91, 0), "Depth 25.1 m");
  EXPECT_EQ(metric.FormatLoggedReadoutItem(150, 0), "Depth 20.0 m");
  EXPECT_EQ(CProfileReadout(&dive, UnitSystem::kImperial).FormatLoggedReadoutItem(61, 0), "Depth 97.7 ft");

  // A bailout needs closed circuit deeper than 3.0 m.
  EXPECT_FALSE(metric.IsLoggedClosedCircuitAt(280));
  EXPECT_TRUE(metric.IsLoggedClosedCircuitAt(390));

  EXPECT_EQ(metric.FormatLoggedReadoutItem(470, 1), "CC");
  EXPECT_EQ(metric.FormatLoggedReadoutItem(470, 2), "Dil - Air");
  // Set-point 1.3 at 2 m under 1000 mbar: no more than the ambient 1.2 bar.
  EXPECT_EQ(metric.FormatLoggedReadoutItem(470, 3), "PPO2 1.20");
  EXPECT_EQ(metric.FormatLoggedReadoutItem(150, 3), "PPO2 1.30");
  EXPECT_EQ(metric.FormatLoggedReadoutItem(470, 7), "Invalid");

  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(metric.FormatLoggedReadoutItem(470, 4), "End Time 8:09");  // the last step, at 489 s
  // GF low and high 65 % give 65 % everywhere; the log said 70 %.
  EXPECT_EQ(metric.FormatStepReadoutItem(100, 1), "GF 65 (Log 70)");
  EXPECT_EQ(metric.FormatStepReadoutItem(100000, 1), metric.FormatStepReadoutItem(489, 1));
}

TEST_F(ProfileReadoutTest, WithoutADiveOrABailoutPlanNothingIsRead) {
  const CProfileReadout none(nullptr, UnitSystem::kMetric);
  EXPECT_EQ(none.GetStepCount(), -1);
  EXPECT_EQ(none.GetStepWarningFlags(0), -1);
  EXPECT_FALSE(none.IsStepWarningFree(0));
  EXPECT_FALSE(none.IsLoggedClosedCircuitAt(100));
  EXPECT_EQ(none.FormatLoggedReadoutItem(100, 0), "");
  EXPECT_EQ(none.FormatStepReadoutItem(100, 0), "");

  CDivePlan dive = LoggedDive({{0, 0, 0}, {1, 60, 30}, {61, 60, 0}});
  ASSERT_TRUE(Calculate(dive));
  const CProfileReadout readout(&dive, UnitSystem::kMetric);
  EXPECT_EQ(readout.GetStepWarningFlags(dive.GetStepCount()), 0);
  EXPECT_EQ(readout.GetStepWarningText(dive.GetStepCount()), "");
  dive.SetBailoutMode(true);
  EXPECT_EQ(readout.FormatLoggedReadoutItem(30, 0), "");
  EXPECT_EQ(readout.FormatStepReadoutItem(30, 0), "");
}

TEST_F(ProfileReadoutTest, ALoggedDiveOf2500StepsGivesEverySecondStepOfItsCeilingAndNoWarningBar) {
  CDivePlan dive = LoggedDive({{0, 0, 0}, {1, 1200, 20}, {1201, 1299, 0}});
  ASSERT_TRUE(Calculate(dive));
  ASSERT_EQ(dive.GetStepCount(), 2500);
  views::GraphModel graph(views::kLineGraph);
  views::FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  const std::vector<views::CGraphDataSet>& sets = graph.DataSets();
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0].GetName(), "Ceiling");
  EXPECT_EQ(sets[0].GetPointCount(), 1250);
  EXPECT_EQ(sets[0].GetX(1), 2);
  EXPECT_EQ(sets[1].GetName(), "Logged Ceiling");
  EXPECT_EQ(sets[1].GetX(1), 1200);
  EXPECT_EQ(sets[1].GetY(1), 3);
  EXPECT_EQ(sets[2].GetName(), "Depth");
}
