// The generator's checks, with PPO2 and EAD worked out by hand: ambient bar = (depth + offset) /
// 10 + 1 with offset = (surface mbar - 1000) / 100 m; EAD = (ppN2 / 0.79 - 1) x 10.
#include <gtest/gtest.h>

#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GeneratorChecks.h"

namespace {

using GeneratorChecksTest = GeneratorTest;

TEST_F(GeneratorChecksTest, RangesThatCannotBeGeneratedAreRefusedWithTheirReasons) {
  GeneratorPage reversed = MetricPage(40, 30, 10, 20, 10, 5);
  AddSwitches(reversed.travel, {Switch(0, 21, 0)});
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
  // At the lowest surface pressure, 600 mbar, EAN32 holds 0.19 bar at the surface.
  AddSwitches(imperial.travel, {Switch(0, 32, 0)});
  const GeneratorCheckResult unreachable = CheckGeneratorPage(imperial);
  EXPECT_EQ(unreachable.messages,
            (std::vector<std::string>{
                "The start duration 1 (mins) and descent rate 16 (ft/min) prevent you from reaching depth 30 (ft)"}));
  EXPECT_FALSE(unreachable.CanGenerate());

  // Every bottom time from 10 to 360 minutes at every metre to 305 m: far more plans than a run
  // keeps in memory.
  GeneratorPage huge = MetricPage(0, 305, 1, 10, 360, 1);
  huge.SetShown(kDescentRate, 50);
  // A heliox diluent: no PPO2 check on closed circuit and no nitrogen at any depth.
  AddSwitches(huge.travel, {Switch(0, 10, 90, true, 1.3)});
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

TEST_F(GeneratorChecksTest, AFinishReachedInExactlyTheShortestBottomTimeIsReachedInFeetAsInMetres) {
  // Five minutes at 50 ft/min reach 250 ft, at 10 m/min 50 m; a foot or a metre more is not
  // reached. A heliox diluent leaves nothing else to find.
  const auto check = [](UnitSystem units, double finish, double ratePerMin) {
    GeneratorPage page(units);
    page.SetShown(kDepthStart, finish);
    page.SetShown(kDepthFinish, finish);
    page.SetShown(kDurationStart, 5);
    page.SetShown(kDurationFinish, 5);
    page.SetShown(kDescentRate, ratePerMin);
    page.SetShown(kSurfacePressure, 1000);
    AddSwitches(page.travel, {Switch(0, 10, 90, true, 1.3)});
    return CheckGeneratorPage(page).messages;
  };
  EXPECT_TRUE(check(UnitSystem::kImperial, 250, 50).empty());
  EXPECT_EQ(check(UnitSystem::kImperial, 251, 50),
            (std::vector<std::string>{
                "The start duration 5 (mins) and descent rate 50 (ft/min) prevent you from reaching depth 251 (ft)"}));
  EXPECT_TRUE(check(UnitSystem::kMetric, 50, 10).empty());
  EXPECT_EQ(check(UnitSystem::kMetric, 51, 10),
            (std::vector<std::string>{
                "The start duration 5 (mins) and descent rate 10 (m/min) prevent you from reaching depth 51 (m)"}));
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

// Air from the surface and 10/70 from 18 m; EAN50 from 21 m and oxygen from 3 m on the way up,
// within a PPO2 of 1.6.
GeneratorPage HypoxicAscentPage(double depthStart, double depthFinish, double depthStep) {
  GeneratorPage page = MetricPage(depthStart, depthFinish, depthStep, 10, 10, 10);
  page.SetShown(kMaxPpo2, 1.6);
  AddSwitches(page.travel, {Switch(0, 21, 0), Switch(18, 10, 70)});
  AddSwitches(page.deco, {Switch(21, 50, 0), Switch(3, 100, 0)});
  return page;
}

TEST_F(GeneratorChecksTest, ASwitchAtTheBottomDepthIsNotBreathedSoTheBottomGasIsCheckedUpToTheNextOne) {
  // A dive to 21 m never switches to EAN50 at its own bottom: it breathes 10/70 up to 3 m,
  // where 1.3 bar x 0.10 is 0.13 bar.
  GeneratorPage page = HypoxicAscentPage(21, 21, 10);
  const GeneratorCheckResult at21 = CheckGeneratorPage(page);
  EXPECT_EQ(at21.messages,
            (std::vector<std::string>{"Descent Gas 18 m - PPO2 of 0.13 is Hypoxic (0.16 limit) at 3 m (Fail)"}));
  EXPECT_EQ(page.travel.Row(1).GetCheckResult(), kCheckFailure);
  EXPECT_EQ(page.deco.Row(0).GetCheckResult(), 0);
  EXPECT_EQ(page.deco.Row(1).GetCheckResult(), 0);
  EXPECT_FALSE(at21.CanGenerate());

  // At 22 m and at 30 m the dive switches to EAN50 at 21 m: 10/70 holds 0.31 bar there,
  // EAN50 1.55 at 21 m and 0.65 at 3 m, oxygen 1.30 at 3 m; air reaches an EAD of 18 m.
  for (double depth : {22.0, 30.0}) {
    GeneratorPage clean = HypoxicAscentPage(depth, depth, 10);
    const GeneratorCheckResult result = CheckGeneratorPage(clean);
    EXPECT_TRUE(result.messages.empty()) << depth << ": " << testing::PrintToString(result.messages);
    EXPECT_TRUE(result.CanGenerate()) << depth;
  }
}

TEST_F(GeneratorChecksTest, TheDepthStepDecidesWhichDepthsAreChecked) {
  // 12, 22 and 30 m pass; 12, 21 and 30 m meet the bottom at the EAN50 switch.
  GeneratorPage page = HypoxicAscentPage(12, 30, 10);
  EXPECT_TRUE(CheckGeneratorPage(page).CanGenerate());
  page.SetShown(kDepthStep, 9);
  const GeneratorCheckResult narrower = CheckGeneratorPage(page);
  EXPECT_EQ(narrower.messages,
            (std::vector<std::string>{"Descent Gas 18 m - PPO2 of 0.13 is Hypoxic (0.16 limit) at 3 m (Fail)"}));
  EXPECT_FALSE(narrower.CanGenerate());
  // Every field an axis is built from has the checks run again when it changes.
  for (GeneratorField field : {kDepthStart, kDepthFinish, kDepthStep, kDurationStart, kDurationFinish, kDurationStep}) {
    EXPECT_TRUE(FieldSpec(field).revalidates) << field;
  }
}

TEST_F(GeneratorChecksTest, ADescentListWithoutASurfaceGasIsRefused) {
  GeneratorPage empty = MetricPage(10, 20, 10, 10, 10, 10);
  AddSwitches(empty.deco, {Switch(6, 50, 0)});
  const GeneratorCheckResult none = CheckGeneratorPage(empty);
  EXPECT_EQ(none.messages, (std::vector<std::string>{"There is no descent gas from the surface"}));
  EXPECT_EQ(none.surfaceGas, kCheckFailure);
  EXPECT_FALSE(none.CanGenerate());

  // EAN32 from 5 m leaves the first 5 m of every dive without a gas; its own depths pass.
  GeneratorPage late = MetricPage(10, 20, 10, 10, 10, 10);
  AddSwitches(late.travel, {Switch(5, 32, 0)});
  const GeneratorCheckResult fromFive = CheckGeneratorPage(late);
  EXPECT_EQ(fromFive.messages, (std::vector<std::string>{"There is no descent gas from the surface"}));
  EXPECT_EQ(late.travel.Row(0).GetCheckResult(), 0);
  EXPECT_FALSE(fromFive.CanGenerate());
}

}  // namespace
