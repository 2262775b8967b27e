// The axes of a table set and a generation run on the engine: the grid in depth-major order, the
// plans a failed plan makes skip, and what a run keeps of each plan.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GenerationAxes.h"
#include "views/core/TableGenerationRun.h"

namespace {

using TableGenerationRunTest = GeneratorTest;

// The engine, except that one cell cannot be completed; records every cell it was asked for.
class FailingCell : public GeneratedPlanCalculator {
 public:
  FailingCell(double depthMetres, int durationMin) : failing_(depthMetres, durationMin) {}
  bool Calculate(CDivePlan& dive, const GasSwitchList& travel, const GasSwitchList& deco) override {
    const std::pair<double, int> cell(dive.GetUserPlanPointDepth(0) / 100, dive.GetUserPlanPointDuration(0) / 60);
    calculated.push_back(cell);
    return cell != failing_ && engine_.Calculate(dive, travel, deco);
  }
  std::vector<std::pair<double, int>> calculated;

 private:
  std::pair<double, int> failing_;
  EnginePlanCalculator engine_;
};

// Trimix 18/45 from the surface, EAN50 from 21 m and oxygen from 6 m on the way up, within a
// PPO2 of 1.6 (oxygen at 6 m: 1.6 bar).
GeneratorPage TrimixPage(double depthStart, double depthFinish, double depthStep, int durationStart,
                         int durationFinish, int durationStep) {
  GeneratorPage page = MetricPage(depthStart, depthFinish, depthStep, durationStart, durationFinish, durationStep);
  page.SetShown(kMaxPpo2, 1.6);
  AddSwitches(page.travel, {Switch(0, 18, 45)});
  AddSwitches(page.deco, {Switch(6, 100, 0), Switch(21, 50, 0)});
  return page;
}

TEST(GenerationAxes, ValuesAreStartPlusStepsAndTheFinishOnlyWhenTheStepsFallShort) {
  EXPECT_EQ(BuildDepthAxis(10, 25, 10, 100), (std::vector<double>{10, 20, 25}));
  EXPECT_EQ(BuildDepthAxis(10, 30, 10, 100), (std::vector<double>{10, 20, 30}));
  EXPECT_EQ(BuildDepthAxis(20, 20, 10, 100), (std::vector<double>{20}));
  EXPECT_EQ(BuildDurationAxis(10, 25, 10, 100), (std::vector<int>{10, 20, 25}));
  EXPECT_EQ(BuildDurationAxis(10, 30, 10, 100), (std::vector<int>{10, 20, 30}));

  // 30 to 100 ft in steps of 10 ft: 9.2115 m plus seven steps of 3.0705 m meets 30.705 m only
  // approximately, and the finish must not come twice.
  const std::vector<double> feet = BuildDepthAxis(30 * kMetresPerFoot, 100 * kMetresPerFoot, 10 * kMetresPerFoot, 100);
  ASSERT_EQ(feet.size(), 8u);
  EXPECT_DOUBLE_EQ(feet[7], 30.705);
  EXPECT_NEAR(feet[6] * kFeetPerMetre, 90, 0.01);

  // Nothing that would not end, or end only after exhausting the memory.
  EXPECT_TRUE(BuildDepthAxis(10, 30, 0, 100).empty());
  EXPECT_TRUE(BuildDepthAxis(10, 30, -10, 100).empty());
  EXPECT_TRUE(BuildDepthAxis(10, 30, 1e-300, 100).empty());
  EXPECT_TRUE(BuildDepthAxis(10, 30, NAN, 100).empty());
  EXPECT_TRUE(BuildDepthAxis(40, 30, 10, 100).empty());
  EXPECT_TRUE(BuildDurationAxis(10, 30, 0, 100).empty());
  EXPECT_TRUE(BuildDurationAxis(0, 2000000000, 1, 100).empty());
  EXPECT_EQ(BuildDurationAxis(1, 100, 1, 100).size(), 100u);
}

TEST_F(TableGenerationRunTest, TwelvePlansAreMadeDepthByDepthAndAFailureSkipsLongerAndDeeperPlans) {
  const GeneratorPage page = TrimixPage(10, 40, 10, 10, 30, 10);
  FailingCell calculator(30, 20);
  std::vector<std::string> messages;
  TableGenerationRun run;
  ASSERT_TRUE(run.Run(page, nullptr, calculator, [&](const std::string& line) { messages.push_back(line); }));

  EXPECT_EQ(run.Depths(), (std::vector<double>{10, 20, 30, 40}));
  EXPECT_EQ(run.Durations(), (std::vector<int>{10, 20, 30}));
  ASSERT_EQ(run.Plans().size(), 12u);
  for (std::size_t k = 0; k < 12; ++k) {
    const CDivePlan& dive = *run.Plans()[k].dive;
    EXPECT_EQ(dive.GetUserPlanPointDepth(0), 1000.0 * (k / 3 + 1)) << k;
    EXPECT_EQ(dive.GetUserPlanPointDuration(0), 600 * static_cast<int>(k % 3 + 1)) << k;
    EXPECT_TRUE(dive.IsGeneratedTable());
    EXPECT_EQ(dive.GetGfLow(), 30);
    EXPECT_EQ(dive.GetMaxPpo2(), 1.6);
  }
  // (30, 30), (40, 20) and (40, 30) are never calculated; (40, 10) is.
  EXPECT_EQ(calculator.calculated, (std::vector<std::pair<double, int>>{
                                       {10, 10}, {10, 20}, {10, 30}, {20, 10}, {20, 20}, {20, 30}, {30, 10}, {30, 20},
                                       {40, 10}}));
  const auto outcome = [&](std::size_t i, std::size_t j) { return run.PlanAt(i, j).outcome; };
  EXPECT_EQ(outcome(2, 1), PlanOutcome::kUnableToComplete);
  EXPECT_EQ(outcome(2, 2), PlanOutcome::kSkipped);
  EXPECT_EQ(outcome(3, 1), PlanOutcome::kSkipped);
  EXPECT_EQ(outcome(3, 2), PlanOutcome::kSkipped);
  EXPECT_EQ(outcome(3, 0), PlanOutcome::kCompleted);
  // A calculated plan keeps its segments, and of its steps only the last one; the step memory
  // it had from the plans before it changes nothing: the same dive calculated on its own keeps
  // every step and gives the same segments and the same end.
  const CDivePlan& deepest = *run.PlanAt(3, 0).dive;
  EXPECT_EQ(deepest.GetStepCount(), 1);
  CDivePlan alone;
  alone.SetSurfacePressure(1000);
  alone.SetGfLow(30);
  alone.SetGfHigh(70);
  alone.SetSkipValidation(true);
  alone.AddUserPlanPoint(0, 600, 4000, true, 0, 0, 0, false);
  alone.SetGasRanges(page.travel.Rows(), page.deco.Rows());
  ASSERT_TRUE(alone.CalculatePlan(0, {}, true));
  EXPECT_EQ(alone.GetStepCount(), alone.GetLastStepTime() + 1);
  EXPECT_EQ(deepest.GetLastStepTime(), alone.GetLastStepTime());
  ASSERT_EQ(deepest.GetSegmentCount(), alone.GetSegmentCount());
  ASSERT_GT(deepest.GetSegmentCount(), 3);
  for (int s = 0; s < deepest.GetSegmentCount(); ++s) {
    EXPECT_EQ(deepest.GetSegmentRunTime(s), alone.GetSegmentRunTime(s)) << s;
    EXPECT_EQ(deepest.GetSegmentDepth(s), alone.GetSegmentDepth(s)) << s;
  }

  ASSERT_EQ(messages.size(), 22u);
  EXPECT_EQ(std::vector<std::string>(messages.begin(), messages.begin() + 6),
            (std::vector<std::string>{"Started", "Depths 10 to 40 in steps of 10 m",
                                      "Durations 10 to 30 in steps of 10 Mins",
                                      "Surface Pressure 1000 mbar, GF High 70, GF Low 30, Descent Rate 20 m/min, "
                                      "Ascent Rate 10 m/min, Last Deco Stop 6 m",
                                      "Creating 12 dive plans", "Created a Dive Plan for 10 m - duration 10 Mins"}));
  EXPECT_EQ(messages[16], "Created a Dive Plan for 40 m - duration 30 Mins");
  EXPECT_EQ(std::vector<std::string>(messages.begin() + 17, messages.end()),
            (std::vector<std::string>{"Starting Calculations",
                                      "Warning - Dive Plan for 30 (m) - duration 20 Mins, Unable to complete",
                                      "Warning - Dive Plan for 30 (m) - duration 30 Mins, Skipped",
                                      "Warning - Dive Plan for 40 (m) - duration 20 Mins, Skipped",
                                      "Warning - Dive Plan for 40 (m) - duration 30 Mins, Skipped"}));
}

TEST_F(TableGenerationRunTest, APageTheChecksRefuseMakesNoPlanAndSaysWhy) {
  const auto refusal = [&](const GeneratorPage& page, const std::vector<std::string>& reasons) {
    FailingCell calculator(-1, -1);
    std::vector<std::string> messages;
    TableGenerationRun run;
    // A run before it leaves plans that the refused one must not keep.
    run.Run(TrimixPage(10, 10, 10, 10, 10, 10), nullptr, calculator, [](const std::string&) {});
    ASSERT_EQ(run.Plans().size(), 1u);
    calculator.calculated.clear();
    EXPECT_FALSE(run.Run(page, nullptr, calculator, [&](const std::string& line) { messages.push_back(line); }));
    EXPECT_TRUE(run.Plans().empty());
    EXPECT_TRUE(run.Depths().empty());
    EXPECT_TRUE(calculator.calculated.empty());
    // "Started" and the three lines of the settings, then why nothing follows.
    ASSERT_EQ(messages.size(), 4 + reasons.size() + 1);
    EXPECT_EQ(messages.front(), "Started");
    std::vector<std::string> expected = reasons;
    expected.push_back("Stopped - no tables were made");
    EXPECT_EQ(std::vector<std::string>(messages.begin() + 4, messages.end()), expected);
  };

  // No descent gas: every dive would start on a gas that is no gas at all.
  GeneratorPage noDescentGas = MetricPage(10, 20, 10, 10, 20, 10);
  AddSwitches(noDescentGas.deco, {Switch(6, 50, 0)});
  refusal(noDescentGas, {"There is no descent gas from the surface"});

  // Oxygen from 6 m holds 1.6 bar there, above the limit of 1.4 given.
  GeneratorPage hyperoxic = TrimixPage(10, 20, 10, 10, 20, 10);
  hyperoxic.SetShown(kMaxPpo2, 1.4);
  refusal(hyperoxic, {"Ascent Gas 6 m - PPO2 of 1.60 is Hyperoxic (1.40 limit) at 6 m (Fail)"});

  // 305 depths by 351 bottom times, on a heliox diluent that no check can fault.
  GeneratorPage huge = MetricPage(0, 305, 1, 10, 360, 1);
  huge.SetShown(kDescentRate, 50);
  AddSwitches(huge.travel, {Switch(0, 10, 90, true, 1.3)});
  refusal(huge, {"These ranges give 107406 dive plans; one run makes at most 2000"});
}

}  // namespace
