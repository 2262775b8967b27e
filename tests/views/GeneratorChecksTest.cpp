// The generator's checks, with PPO2 and EAD worked out by hand: ambient bar = (depth + offset) /
// 10 + 1 with offset = (surface mbar - 1000) / 100 m; EAD = (ppN2 / 0.79 - 1) x 10.
#include <gtest/gtest.h>

#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GeneratorChecks.h"

namespace {

using GeneratorChecksTest = GeneratorTest;

TEST_F(GeneratorChecksTest, RangesThatCannotBeGeneratedAreRefusedWithTheirReasons) {
  GeneratorPage reversed = MetricPage(40, 30, 10, 20, 10, 5);
  const GeneratorCheckResult both = CheckGeneratorPage(reversed);
  EXPECT_EQ(both.messages, (std::vector<std::string>{"The start depth 40 m is deeper than the finish depth 30 m",
                                                     "The start duration 20 is longer than the finish duration 10"}));
  EXPECT_EQ(both.depthRange, kCheckFailure);
  EXPECT_EQ(both.durationRange, kCheckFailure);
  EXPECT_FALSE(both.CanGenerate());

  // One minute at the slowest descent, 16 ft/min (4.9 m), does not reach 30 ft (9.2 m).
  GeneratorPage imperial(UnitSystem::kImperial);
  imperial.SetShown(kDepthStart, 30);
  imperial.SetShown(kDepthFinish, 30);
  imperial.SetShown(kDurationStart, 1);
  imperial.SetShown(kDurationFinish, 1);
  imperial.SetShown(kDescentRate, 10);
  const GeneratorCheckResult unreachable = CheckGeneratorPage(imperial);
  EXPECT_EQ(unreachable.messages,
            (std::vector<std::string>{
                "The start duration 1 (mins) and descent rate 16 (ft/min) prevent you from reaching depth 30 (ft)"}));
  EXPECT_FALSE(unreachable.CanGenerate());

  // Every bottom time from 10 to 360 minutes at every metre to 305 m: far more plans than a run
  // keeps in memory.
  GeneratorPage huge = MetricPage(0, 305, 1, 10, 360, 1);
  huge.SetShown(kDescentRate, 50);
  const GeneratorCheckResult tooMany = CheckGeneratorPage(huge);
  EXPECT_EQ(tooMany.messages,
            (std::vector<std::string>{"These ranges give 107406 dive plans; one run makes at most 2000"}));
  EXPECT_FALSE(tooMany.CanGenerate());

  GeneratorPage sound = MetricPage(10, 40, 10, 10, 30, 10);
  AddSwitches(sound.travel, {Switch(0, 18, 45)});
  const GeneratorCheckResult none = CheckGeneratorPage(sound);
  EXPECT_TRUE(none.messages.empty());
  EXPECT_EQ(none.combined, 0);
  EXPECT_TRUE(none.CanGenerate());
}

TEST_F(GeneratorChecksTest, TheBottomGasTurnsHyperoxicOnceAtTheFirstDepthPastTheLimitBelowTheSurfaceGiven) {
  // EAN32 at 30 m: 4.0 x 0.32 = 1.28 bar; at 35 m 1.44 > 1.40. Its EAD at 50 m, 41.6 m, stays
  // within 70 m.
  GeneratorPage page = MetricPage(30, 50, 5, 10, 10, 10);
  page.SetShown(kMaxEad, 70);
  AddSwitches(page.travel, {Switch(0, 32, 0)});
  const GeneratorCheckResult sea = CheckGeneratorPage(page);
  EXPECT_EQ(sea.messages,
            (std::vector<std::string>{"Descent Gas 0 m - PPO2 of 1.44 is Hyperoxic (1.40 limit) at 35 m (Fail)"}));
  EXPECT_EQ(page.travel.Row(0).GetCheckResult(), kCheckFailure);
  EXPECT_FALSE(sea.CanGenerate());

  // At 700 mbar every pressure is 0.3 bar lower: 35 m gives 4.2 x 0.32 = 1.344, 40 m 1.504.
  page.SetShown(kSurfacePressure, 700);
  const GeneratorCheckResult mountain = CheckGeneratorPage(page);
  EXPECT_EQ(mountain.messages,
            (std::vector<std::string>{"Descent Gas 0 m - PPO2 of 1.50 is Hyperoxic (1.40 limit) at 40 m (Fail)"}));
}

TEST_F(GeneratorChecksTest, EachGasIsCheckedOverTheDepthsWhereTheDivesBreatheIt) {
  GeneratorPage page = MetricPage(40, 50, 10, 10, 10, 10);
  page.SetShown(kMaxPpo2, 1.6);
  // Air diluent at set-point 1.3 to 40 m: no PPO2 check on closed circuit, but at 40 m the
  // nitrogen is 5.0 - 1.3 = 3.7 bar, an EAD of 36.8 m. The bottom gas 10/70 is breathed up to
  // the first ascent switch at 3 m, where it holds 1.3 x 0.10 = 0.13 bar. EAN80 at 60 m lies
  // below every depth of the set and is never checked.
  AddSwitches(page.travel, {Switch(0, 21, 0, true, 1.3), Switch(40, 10, 70)});
  AddSwitches(page.deco, {Switch(3, 100, 0), Switch(60, 80, 0)});
  const GeneratorCheckResult result = CheckGeneratorPage(page);
  EXPECT_EQ(result.messages,
            (std::vector<std::string>{
                "Descent Gas 0 m - EAD 37 m at depth 40 m for this gas exceeds the 35 m Max EAD limit (Warning)",
                "Descent Gas 40 m - PPO2 of 0.13 is Hypoxic (0.16 limit) at 3 m (Fail)"}));
  EXPECT_EQ(page.travel.Row(0).GetCheckResult(), kCheckWarning);
  EXPECT_EQ(page.travel.Row(1).GetCheckResult(), kCheckFailure);
  EXPECT_EQ(page.deco.Row(0).GetCheckResult(), 0);
  EXPECT_EQ(page.deco.Row(1).GetCheckResult(), 0);
  EXPECT_EQ(result.combined, kCheckWarning | kCheckFailure);

  // Every validation starts from scratch: with EAN50 from 21 m the bottom gas no longer reaches
  // 3 m, and only the EAD warning is left.
  AddSwitches(page.deco, {Switch(21, 50, 0)});
  const GeneratorCheckResult again = CheckGeneratorPage(page);
  EXPECT_EQ(again.messages.size(), 1u);
  EXPECT_EQ(page.travel.Row(1).GetCheckResult(), 0);
  EXPECT_EQ(again.combined, kCheckWarning);
  EXPECT_TRUE(again.CanGenerate());
}

}  // namespace
