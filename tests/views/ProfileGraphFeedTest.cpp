// A real calculated trimix dive as its page gives it to the profile graph.
#include <gtest/gtest.h>

#include <algorithm>

#include "bench/BenchmarkDives.h"
#include "tests/engine/DiveTestSupport.h"
#include "views/core/GraphScene.h"
#include "views/core/ProfileGraphFeed.h"

namespace views {
namespace {

// A page whose dive is on closed circuit everywhere and reads "value" for every item.
class ClosedCircuitPage : public IGraphPage {
 public:
  int GetStepCount() const override { return 10000; }
  bool IsStepWarningFree(int) const override { return true; }
  int GetStepWarningFlags(int) const override { return 0; }
  std::string GetStepWarningText(int) const override { return {}; }
  bool IsLoggedClosedCircuitAt(int) const override { return true; }
  std::string FormatLoggedReadoutItem(int, int) const override { return "value"; }
  std::string FormatStepReadoutItem(int, int) const override { return "value"; }
  bool IsReviewDive() const override { return false; }
};

class ProfileGraphFeedTest : public DiveTest {
 protected:
  void SetUp() override {
    DiveTest::SetUp();
    dive = MadeDive();
    PlanOpenCircuitTrimix(dive);
    ASSERT_TRUE(Calculate(dive));
    SetUpProfileGraph(graph, UnitSystem::kMetric, true);
  }

  std::vector<std::string> SetNames() const {
    std::vector<std::string> names;
    for (const CGraphDataSet& set : graph.DataSets()) names.push_back(set.IsErrorBar() ? "(warnings)" : set.GetName());
    return names;
  }
  const CGraphDataSet& Set(const std::string& name) const {
    return *std::find_if(graph.DataSets().begin(), graph.DataSets().end(),
                         [&](const CGraphDataSet& set) { return set.GetName() == name && !set.IsErrorBar(); });
  }
  static double Deepest(const CGraphDataSet& set) {
    double deepest = 0;
    for (const CGraphData& point : set.Points()) deepest = std::max(deepest, point.y);
    return deepest;
  }

  CDivePlan dive;
  GraphModel graph{kLineGraph};
};

TEST_F(ProfileGraphFeedTest, ACalculatedDiveGivesItsCeilingWarningsSwitchesAndDepth) {
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  const std::vector<std::string> expected = {"Ceiling", "(warnings)", "Gas Switch", "Gas Switch", "Depth"};
  EXPECT_EQ(SetNames(), expected);

  // The ceiling takes every k-th step, k = steps / 1000; the warning bar every step but the first.
  const int steps = dive.GetStepCount();
  ASSERT_GT(steps, 2000);
  const int stride = steps / 1000;
  EXPECT_EQ(Set("Ceiling").GetPointCount(), (steps + stride - 1) / stride);
  EXPECT_EQ(graph.DataSets()[1].GetPointCount(), steps - 1);
  EXPECT_EQ(graph.DataSets()[1].colour, (Rgb{255, 0, 0}));

  // The two switches stand where the diver changes gas, as one point drawn twice.
  for (int k : {2, 3}) {
    const CGraphDataSet& change = graph.DataSets()[static_cast<std::size_t>(k)];
    ASSERT_EQ(change.GetPointCount(), 2);
    EXPECT_EQ(change.GetY(0), change.GetY(1));
    EXPECT_EQ(change.marker, kMarkerCross);
  }
  EXPECT_DOUBLE_EQ(graph.DataSets()[2].GetY(0), 21);
  EXPECT_DOUBLE_EQ(graph.DataSets()[3].GetY(0), 6);
  // The depth line starts at the surface at 0 s, reaches 60 m and ends at the surface.
  const CGraphDataSet& depth = Set("Depth");
  EXPECT_EQ(depth.GetX(0), 0);
  EXPECT_EQ(depth.GetY(0), 0);
  EXPECT_DOUBLE_EQ(Deepest(depth), 60);
  EXPECT_EQ(depth.GetY(depth.GetPointCount() - 1), 0);
  // Time from the axis in whole 150 s; the depth axis past 60 m.
  EXPECT_EQ(graph.XAxis().min, 0);
  EXPECT_EQ(std::fmod(graph.XAxis().max, 150), 0);
  EXPECT_GE(graph.XAxis().max, dive.GetLastStepTime());
  EXPECT_LT(graph.XAxis().max - 150, dive.GetLastStepTime());
  EXPECT_GT(graph.YAxis().max, 60);
  EXPECT_TRUE(graph.IsYInverted());

  // In feet every depth is 3.2568 times as deep.
  FeedProfileGraph(graph, &dive, true, UnitSystem::kImperial);
  EXPECT_DOUBLE_EQ(Deepest(Set("Depth")), 60 * 3.2568);
  EXPECT_TRUE(graph.recalculationRequired);
}

TEST_F(ProfileGraphFeedTest, BailoutModeWithoutABailoutPlanShowsNothingAndKeepsTheRanges) {
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  const double timeMax = graph.XAxis().max;
  dive.SetBailoutMode(true);
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  EXPECT_TRUE(graph.DataSets().empty());
  EXPECT_TRUE(graph.bailoutMode);
  EXPECT_EQ(graph.XAxis().max, timeMax);

  SetProfileGraphLabels(graph, UnitSystem::kImperial, false);
  EXPECT_EQ(graph.YAxis().label, "Depth (ft)");
  EXPECT_EQ(graph.XAxis().label, "Time (mm:ss)");
  EXPECT_FALSE(graph.IsDrawData());
}

TEST_F(ProfileGraphFeedTest, AFailedCalculationDrawsNeitherTheDepthNorTheSwitchesNorTheNoClearSurfaceLegs) {
  auto drawsPoints = [this] {
    const std::vector<std::string> names = SetNames();
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name == "Depth" || name == "Gas Switch" || name == "NCS"; });
  };
  // Two hours at 50 m on a rebreather, not to be left (No Clear Surface), then EAN50 from 21 m:
  // the ascent passes six hours, and the diver declines to plan on (the default answer).
  CDivePlan longDive = MadeDive(30, 70);
  AddUserPoint(longDive, 50, 7200, 10, 50, true, 1.3, true);
  AddUserPoint(longDive, 21, 0, 50, 0);
  ASSERT_FALSE(Calculate(longDive));
  ASSERT_GT(longDive.GetPlanPlusPointCount(), 2);
  FeedProfileGraph(graph, &longDive, false, UnitSystem::kMetric);
  EXPECT_FALSE(drawsPoints());
  // The plan group then drops the steps too: nothing is left to draw.
  longDive.DiscardResults();
  FeedProfileGraph(graph, &longDive, false, UnitSystem::kMetric);
  EXPECT_TRUE(SetNames().empty());

  // A dive whose results went with a failed dive before it keeps its built points, undrawn.
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  ASSERT_TRUE(drawsPoints());
  dive.DiscardResults();
  ASSERT_GT(dive.GetPlanPlusPointCount(), 0);
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  EXPECT_TRUE(SetNames().empty());
  EXPECT_FALSE(graph.warningBox);
}

TEST_F(ProfileGraphFeedTest, AFailedCalculationReadsNothingAtTheCursorAndOffersNoBailout) {
  const ClosedCircuitPage page;
  GraphLayout layout;
  layout.plotRect = {0, 0, 1000, 500};
  layout.plotWidth = 1000;
  layout.plotHeight = 500;
  layout.originY = 500;
  auto pointAtTheMiddle = [&] {
    graph.SetPlotLayout(layout);
    graph.OnMouseMove(false, {500, 250});
    ASSERT_TRUE(graph.IsCursorInPlot());
  };
  // Calculated: the time and the ten items of the page, and the bailout offered.
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  pointAtTheMiddle();
  EXPECT_FALSE(graph.calculationFailed);
  EXPECT_EQ(ReadoutItems(graph, &page).size(), 11u);
  EXPECT_TRUE(graph.IsBailoutEnabled(&page));

  // The six-hour ascent on the rebreather that the diver does not plan on.
  CDivePlan longDive = MadeDive(30, 70);
  AddUserPoint(longDive, 50, 7200, 10, 50, true, 1.3, true);
  AddUserPoint(longDive, 21, 0, 50, 0);
  ASSERT_FALSE(Calculate(longDive));
  for (bool discarded : {false, true}) {
    if (discarded) longDive.DiscardResults();
    FeedProfileGraph(graph, &longDive, false, UnitSystem::kMetric);
    pointAtTheMiddle();
    EXPECT_TRUE(graph.calculationFailed);
    EXPECT_TRUE(ReadoutItems(graph, &page).empty());
    EXPECT_FALSE(graph.IsBailoutEnabled(&page));
    // The zoom drag still shows the span being dragged.
    graph.OnLButtonDown({100, 100});
    graph.OnMouseMove(true, {100, 100});
    graph.OnMouseMove(true, {300, 200});
    EXPECT_EQ(ReadoutItems(graph, &page).size(), 1u);
    graph.OnLButtonUp({300, 200});
    graph.OnResetZoom();
  }

  // Calculated again, the dive reads and bails out once more.
  FeedProfileGraph(graph, &dive, false, UnitSystem::kMetric);
  pointAtTheMiddle();
  EXPECT_EQ(ReadoutItems(graph, &page).size(), 11u);
  EXPECT_TRUE(graph.IsBailoutEnabled(&page));

  // A review dive is the log itself, whether its steps were calculated or not.
  CDivePlan review = MadeDive();
  AddUserPoint(review, 30, 1200, 21, 0);
  review.SetReviewDive(true);
  FeedProfileGraph(graph, &review, false, UnitSystem::kMetric);
  EXPECT_FALSE(graph.calculationFailed);
}

}  // namespace
}  // namespace views
