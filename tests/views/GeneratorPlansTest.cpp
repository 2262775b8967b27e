// The table generator's checks against the plans its runs make: the gases the checks follow are
// the gases the calculated dives breathe, in feet as in metres, for switches on, beside and away
// from the table depths, and a page reloaded from its settings file plans the same dives.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

#include "engine/PredictionPoint.h"
#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GeneratorChecks.h"
#include "views/core/TableGenerationFile.h"
#include "views/core/TableGenerationRun.h"

namespace {

using GeneratorPlansTest = GeneratorTest;

constexpr int kOxygenWarnings = kWarningHighPpo2 | kWarningLowPpo2;

struct Mix {
  double oxygen;
  double helium;
  bool closedCircuit;
  double setPoint;  // 0 on open circuit
  bool operator==(const Mix&) const = default;
};

void PrintTo(const Mix& mix, std::ostream* out) {
  *out << (mix.closedCircuit ? "CC " : "OC ") << mix.oxygen << "/" << mix.helium;
  if (mix.closedCircuit) *out << " at " << mix.setPoint;
}

const Mix kAir{21, 0, false, 0};
const Mix kTrimix2135{21, 35, false, 0};
const Mix kTrimix1070{10, 70, false, 0};
const Mix kNitrox50{50, 0, false, 0};
const Mix kOxygen{100, 0, false, 0};

Mix MixOf(const CGasSwitch& row) {
  return {row.GetOxygen(), row.GetHelium(), row.IsClosedCircuit(), row.IsClosedCircuit() ? row.GetSetPoint() : 0};
}

CGasSwitch SwitchOf(double depthMetres, const Mix& mix) {
  return Switch(depthMetres, mix.oxygen, mix.helium, mix.closedCircuit, mix.setPoint);
}

// A switch as the gas-switch editor makes it from a depth in whole feet.
CGasSwitch SwitchAtFeet(int feet, const Mix& mix) { return SwitchOf(ToMetres(feet, UnitSystem::kImperial), mix); }

void AppendChange(std::vector<Mix>& mixes, const Mix& mix) {
  if (mixes.empty() || !(mixes.back() == mix)) mixes.push_back(mix);
}

// The mixes the checks follow for the dive to an axis depth, each change once.
std::vector<Mix> MixesChecked(const GeneratorPage& page, double axisDepthMetres) {
  std::vector<Mix> mixes;
  for (const BreathedGas& gas : GeneratedDiveGases(page, axisDepthMetres)) {
    const GeneratorGasList& list = gas.phase == BreathingPhase::kAscent ? page.deco : page.travel;
    AppendChange(mixes, MixOf(list.Row(gas.slot)));
  }
  return mixes;
}

// The mixes of a calculated dive's segments, each change once.
std::vector<Mix> MixesBreathed(const CDivePlan& dive) {
  std::vector<Mix> mixes;
  for (int s = 0; s < dive.GetSegmentCount(); ++s) {
    const bool closedCircuit = dive.IsSegmentClosedCircuit(s);
    AppendChange(mixes, {dive.GetSegmentOxygen(s), dive.GetSegmentHelium(s), closedCircuit,
                         closedCircuit ? dive.GetSegmentPpo2(s) : 0});
  }
  return mixes;
}

// The same segments at the same depths and times on the same gases.
void ExpectSamePlan(const CDivePlan& actual, const CDivePlan& expected) {
  EXPECT_EQ(MixesBreathed(actual), MixesBreathed(expected));
  ASSERT_EQ(actual.GetSegmentCount(), expected.GetSegmentCount());
  for (int s = 0; s < expected.GetSegmentCount(); ++s) {
    EXPECT_EQ(actual.GetSegmentDepth(s), expected.GetSegmentDepth(s)) << s;
    EXPECT_EQ(actual.GetSegmentRunTime(s), expected.GetSegmentRunTime(s)) << s;
    EXPECT_EQ(actual.GetSegmentWarningFlags(s), expected.GetSegmentWarningFlags(s)) << s;
  }
}

int OxygenWarnings(const CDivePlan& dive) {
  int bits = 0;
  for (int s = 0; s < dive.GetSegmentCount(); ++s) bits |= dive.GetSegmentWarningFlags(s) & kOxygenWarnings;
  return bits;
}

// A page in feet: one bottom time, descents at 60 ft/min, ascents at 30 ft/min, the last stop at
// 10 ft, within a PPO2 of 1.6.
GeneratorPage FeetPage(int depthStartFeet, int depthFinishFeet, int depthStepFeet, int durationMin) {
  GeneratorPage page(UnitSystem::kImperial);
  const std::pair<GeneratorField, double> values[] = {
      {kDepthStart, depthStartFeet}, {kDepthFinish, depthFinishFeet}, {kDepthStep, depthStepFeet},
      {kDurationStart, durationMin}, {kDurationFinish, durationMin},  {kDurationStep, 1},
      {kSurfacePressure, 1000},      {kGfLow, 30},                    {kGfHigh, 70},
      {kDescentRate, 60},            {kAscentRate, 30},               {kLastDecoStop, 10},
      {kMaxPpo2, 1.6},               {kMaxEad, 230}};
  for (const auto& [field, value] : values) page.SetShown(field, value);
  return page;
}

struct RunResult {
  GeneratorCheckResult checks;
  TableGenerationRun run;
  bool generated = false;
};

std::unique_ptr<RunResult> CheckAndRun(const GeneratorPage& page) {
  auto result = std::make_unique<RunResult>();
  GeneratorPage checked = page;
  result->checks = CheckGeneratorPage(checked);
  EnginePlanCalculator engine;
  result->generated = result->run.Run(page, nullptr, engine, [](const std::string&) {});
  return result;
}

GeneratorPage Reloaded(const GeneratorPage& page, const std::string& path) {
  EXPECT_TRUE(WriteTableGenerationFile(path, page));
  GeneratorPage read(page.Units());
  EXPECT_TRUE(ReadTableGenerationFile(path, read));
  return read;
}

// The one plan of a page that the checks pass without a finding: it breathes the mixes in that
// order with no oxygen warning, and the page reloaded from its settings file plans the same dive.
void ExpectCleanPlanAlsoAfterReload(const GeneratorPage& page, const std::string& path, const std::vector<Mix>& mixes) {
  const auto typed = CheckAndRun(page);
  EXPECT_TRUE(typed->checks.messages.empty()) << testing::PrintToString(typed->checks.messages);
  ASSERT_TRUE(typed->generated);
  const CDivePlan& dive = *typed->run.PlanAt(0, 0).dive;
  EXPECT_EQ(MixesBreathed(dive), mixes);
  EXPECT_EQ(OxygenWarnings(dive), 0);
  const auto read = CheckAndRun(Reloaded(page, path));
  EXPECT_TRUE(read->checks.messages.empty()) << testing::PrintToString(read->checks.messages);
  ASSERT_TRUE(read->generated);
  ExpectSamePlan(*read->run.PlanAt(0, 0).dive, dive);
}

TEST_F(GeneratorPlansTest, At145FeetAnAscentSwitchAtTheBottomIsNeverMadeAndOneBelowTheBottomIsRefused) {
  // 21/35 holds 0.21 x 5.45 = 1.14 bar at 145 ft (44.52 m) and 0.31 bar at 15 ft (4.61 m);
  // oxygen 1.46 bar there. EAN50 at 145 ft would hold 0.5 x 5.45 = 2.73 bar, but a dive to
  // 145 ft never switches on its way up at its own bottom, so it is never breathed.
  GeneratorPage page = FeetPage(145, 145, 5, 20);
  AddSwitches(page.travel, {SwitchAtFeet(0, kTrimix2135)});
  AddSwitches(page.deco, {SwitchAtFeet(15, kOxygen), SwitchAtFeet(145, kNitrox50)});
  const std::string path = (folders.Root() / "145.cct").string();
  ExpectCleanPlanAlsoAfterReload(page, path, {kTrimix2135, kOxygen});
  // 145 ft is 44.52225 m; the file keeps 44.52 m, which is read back as the 145 ft typed.
  EXPECT_NE(ReadFileText(path).find("030~Deco~44.52~50.00~"), std::string::npos);
  EXPECT_EQ(Reloaded(page, path).deco.Row(1).GetDepth(), 145 * kMetresPerFoot);

  // With 150 ft on the axis too, the dive to 150 ft switches to EAN50 at 145 ft.
  page.SetShown(kDepthFinish, 150);
  const auto deeper = CheckAndRun(page);
  EXPECT_EQ(deeper->checks.messages,
            (std::vector<std::string>{"Ascent Gas 145 ft - PPO2 of 2.73 is Hyperoxic (1.60 limit) at 145 ft (Fail)"}));
  EXPECT_FALSE(deeper->generated);
}

TEST_F(GeneratorPlansTest, At70FeetADescentSwitchAtTheBottomIsMadeOnArrivalAndOneBeyondItIsNot) {
  // Air from the surface, 10/70 from 40 ft (0.22 bar there), 21/35 at 70 ft; oxygen from 10 ft
  // (3.07 m) on the way up: 1.31 bar. 21/35 holds 0.27 bar at 10 ft.
  GeneratorPage page = FeetPage(70, 70, 5, 20);
  AddSwitches(page.travel, {SwitchAtFeet(0, kAir), SwitchAtFeet(40, kTrimix1070), SwitchAtFeet(70, kTrimix2135)});
  AddSwitches(page.deco, {SwitchAtFeet(10, kOxygen)});
  ExpectCleanPlanAlsoAfterReload(page, (folders.Root() / "70.cct").string(),
                                 {kAir, kTrimix1070, kTrimix2135, kOxygen});

  // A dive to 69 ft stays on 10/70 up to 10 ft: 0.1 x 1.307 = 0.13 bar.
  page.SetShown(kDepthStart, 69);
  const auto shallower = CheckAndRun(page);
  EXPECT_EQ(shallower->checks.messages,
            (std::vector<std::string>{"Descent Gas 40 ft - PPO2 of 0.13 is Hypoxic (0.16 limit) at 10 ft (Fail)"}));
  EXPECT_FALSE(shallower->generated);
}

TEST_F(GeneratorPlansTest, EveryWholeFootTableDepthWithSwitchesOnItBreathesWhatTheChecksFollow) {
  // Diluents on closed circuit, which no PPO2 check refuses at any depth. On the way down the
  // switch at the bottom is made on arrival; on the way up the one at the bottom is never made,
  // and the one at half the depth is.
  const Mix surfaceDiluent{21, 0, true, 0.7};
  const Mix bottomDiluent{10, 50, true, 1.2};
  const Mix bottomAscent{50, 0, true, 1.4};
  const Mix halfwayAscent{21, 35, true, 1.3};
  for (int feet = 1; feet <= 1000; ++feet) {
    SCOPED_TRACE(testing::Message() << feet << " ft");
    // The shortest bottom time that reaches the depth at 50 ft/min, which takes a second for
    // the first foot.
    GeneratorPage page = FeetPage(feet, feet, 1, (feet + 49) / 50);
    page.SetShown(kDescentRate, 50);
    page.SetShown(kGfLow, 100);
    page.SetShown(kGfHigh, 100);
    AddSwitches(page.travel, {SwitchAtFeet(0, surfaceDiluent), SwitchAtFeet(feet, bottomDiluent)});
    AddSwitches(page.deco, {SwitchAtFeet(feet, bottomAscent)});
    std::vector<Mix> expected{surfaceDiluent, bottomDiluent};
    if (feet >= 2) {
      AddSwitches(page.deco, {SwitchAtFeet(feet / 2, halfwayAscent)});
      expected.push_back(halfwayAscent);
    }
    // The deepest dives decompress for more than six hours: planned up to a day.
    userInterface.answers.assign(1, platform::answer::kYes);
    const auto result = CheckAndRun(page);
    ASSERT_TRUE(result->generated) << testing::PrintToString(result->checks.messages);
    ASSERT_EQ(result->run.Depths().size(), 1u);
    EXPECT_EQ(MixesChecked(page, result->run.Depths()[0]), expected);
    ASSERT_EQ(result->run.PlanAt(0, 0).outcome, PlanOutcome::kCompleted);
    EXPECT_EQ(MixesBreathed(*result->run.PlanAt(0, 0).dive), expected);
  }
}

// Random pages in metres or feet: depth axes of up to five depths, and switches on a table
// depth, a metre or foot beside one, or anywhere in between.
class RandomPages {
 public:
  explicit RandomPages(unsigned seed) : random_(seed) {}

  GeneratorPage Next() {
    const bool feet = Pick(2) == 1;
    const UnitSystem units = feet ? UnitSystem::kImperial : UnitSystem::kMetric;
    const int scale = feet ? 3 : 1;  // about three feet to the metre
    const int start = (6 + Pick(45)) * scale;
    const int step = (1 + Pick(10)) * scale;
    const int finish = start + Pick(4) * step + (Pick(3) == 0 ? Pick(step) : 0);
    GeneratorPage page(units);
    const std::pair<GeneratorField, double> values[] = {
        {kDepthStart, start},
        {kDepthFinish, finish},
        {kDepthStep, step},
        {kDurationStart, 12 + Pick(11)},
        {kDurationFinish, 25},
        {kDurationStep, 15},
        {kSurfacePressure, kSurfacePressures[Pick(std::size(kSurfacePressures))]},
        {kGfLow, 30},
        {kGfHigh, 80},
        // Two seconds or more from one whole metre or foot to the next, so that no leg between
        // switches is too short to be a segment of its own.
        {kDescentRate, feet ? 30 : 20},
        {kAscentRate, feet ? 30 : 10},
        {kLastDecoStop, 3 * scale},
        {kMaxPpo2, 1.4 + 0.1 * Pick(3)},
        {kMaxEad, 70 * scale}};
    for (const auto& [field, value] : values) page.SetShown(field, value);
    std::vector<int> tableDepths;
    for (int depth = start; depth <= finish; depth += step) tableDepths.push_back(depth);
    tableDepths.push_back(finish);

    std::vector<DroppedSwitch> dropped;
    page.travel.Add(SwitchOf(0, kSurfaceMixes[Pick(std::size(kSurfaceMixes))]), dropped);
    for (int n = Pick(4); n > 0; --n) page.travel.Add(RandomSwitch(tableDepths, units, 1), dropped);
    for (int n = Pick(4); n > 0; --n) page.deco.Add(RandomSwitch(tableDepths, units, 0), dropped);
    return page;
  }

 private:
  static constexpr double kSurfacePressures[] = {1000, 1013, 900, 750};
  static constexpr Mix kSurfaceMixes[] = {{21, 0, false, 0}, {32, 0, false, 0}, {18, 45, false, 0}};
  static constexpr Mix kMixes[] = {{10, 70, false, 0},  {15, 55, false, 0}, {18, 45, false, 0}, {21, 35, false, 0},
                                   {32, 0, false, 0},   {50, 0, false, 0},  {80, 0, false, 0},  {100, 0, false, 0},
                                   {10, 50, true, 1.2}, {21, 0, true, 1.3}};

  int Pick(std::size_t count) {
    return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, count - 1)(random_));
  }

  // On a table depth, beside one, or anywhere from the shallowest whole unit to the deepest.
  CGasSwitch RandomSwitch(const std::vector<int>& tableDepths, UnitSystem units, int shallowest) {
    const int table = tableDepths[static_cast<std::size_t>(Pick(tableDepths.size()))];
    int depth = table;
    switch (Pick(3)) {
      case 0:
        break;
      case 1:
        depth = std::max(table + (Pick(2) == 0 ? -1 : 1), shallowest);
        break;
      default:
        depth = shallowest + Pick(static_cast<std::size_t>(tableDepths.back() + 2 - shallowest));
        break;
    }
    return SwitchOf(ToMetres(depth, units), kMixes[Pick(std::size(kMixes))]);
  }

  std::mt19937 random_;
};

TEST_F(GeneratorPlansTest, NoPlanOfAnApprovedRandomPageWarnsOfItsOxygenAndItsSettingsFilePlansTheSame) {
  RandomPages pages(20261211);
  int approved = 0;
  constexpr int kPages = 400;
  for (int n = 0; n < kPages; ++n) {
    const GeneratorPage page = pages.Next();
    const GeneratorPage reloaded = Reloaded(page, (folders.Root() / "random.cct").string());
    const auto typed = CheckAndRun(page);
    const auto read = CheckAndRun(reloaded);
    SCOPED_TRACE(testing::Message() << "page " << n << ", " << LengthUnitText(page.Units()) << ": "
                                    << testing::PrintToString(typed->checks.messages));
    ASSERT_EQ(read->generated, typed->generated);
    EXPECT_EQ(read->checks.combined, typed->checks.combined);
    if (!typed->generated) continue;
    ++approved;
    ASSERT_EQ(read->run.Plans().size(), typed->run.Plans().size());
    for (std::size_t k = 0; k < typed->run.Plans().size(); ++k) {
      const GeneratedPlan& plan = typed->run.Plans()[k];
      if (!plan.TakesPart()) continue;
      const double depth = typed->run.Depths()[k / typed->run.Durations().size()];
      SCOPED_TRACE(testing::Message() << "plan at " << ToShownLength(depth, page.Units()));
      EXPECT_EQ(OxygenWarnings(*plan.dive), 0);
      EXPECT_EQ(MixesBreathed(*plan.dive), MixesChecked(page, depth));
      ExpectSamePlan(*read->run.Plans()[k].dive, *plan.dive);
    }
  }
  // Enough pages pass for the property to say something.
  EXPECT_GT(approved, kPages / 5);
}

}  // namespace
