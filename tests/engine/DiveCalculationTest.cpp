// Walking a plan into legs, stops and steps: leg lengths worked out by hand, the time limits and
// their questions, input that cannot be calculated, and the gas used.
#include <algorithm>

#include <gtest/gtest.h>

#include "resources/ProgramResources.h"
#include "tests/engine/DiveTestSupport.h"

namespace {

using namespace platform;

class DiveCalculationTest : public DiveTest {
 protected:
  // Closed circuit 10/50 at 50 m for two hours: the ascent passes six hours of run time.
  CDivePlan LongDive() {
    CDivePlan dive = MadeDive(30, 70);
    AddUserPoint(dive, 50, 7200, 10, 50, true, 1.3);
    return dive;
  }
  // A gradient factor of 0 holds every tissue at its ambient pressure: the last stop never
  // clears, and only the time limits end the dive.
  CDivePlan EndlessDive() {
    CDivePlan dive = MadeDive(0, 0);
    AddUserPoint(dive, 30, 1200);
    return dive;
  }
};

const char* const kSixHourQuestion =
    "Unable to decompress Dive 1 within 6 hours.\n\nExtreme gas and multiple scrubber\xC2\xA0"  // no-break space
    "requirements beyond this time.\n\nDo you wish to plan for extended decompression up to 24 Hours?\n\n(If you select 'No' the current "
    "profile will be removed.)";
const char* const kDayLimitMessage =
    "Unable to complete the plan.\n\nExceeded the 24 Hour time limitation.\n\n(The current profile will be "
    "removed.)";

}  // namespace

TEST_F(DiveCalculationTest, ADiveWithoutStops) {
  // 12 m for 20 min: 36 s down at 20 m/min, 1164 s at the bottom, 72 s up at 10 m/min.
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 12, 1200);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Legs(dive), (std::vector<Leg>{{kPointDescent, 12, 1, 36},
                                          {kPointPlanned, 12, 37, 1164},
                                          {kPointDecoAscent, 0, 1201, 72}}));
  EXPECT_EQ(dive.GetLastStepTime(), 1272);
  EXPECT_TRUE(dive.IsCalculationCompleted());
  EXPECT_FALSE(dive.IsStopped());
  EXPECT_TRUE(dive.IsStepsComputed());
  EXPECT_GT(dive.GetCalculationTime(), 0);
  // The rows cover the whole dive; the ascent has no stop to fold into and is printed itself.
  EXPECT_EQ(Rows(dive), (std::vector<Row>{{kSegmentPrinted, 0, 36, 36},
                                          {kSegmentBottomDepth, 12, 1164, 1200},
                                          {kSegmentAscentToSurface, 12, 72, 1272}}));
  EXPECT_TRUE(dive.IsSegmentAscentToSurface(2));
}

TEST_F(DiveCalculationTest, GasUsedOnOpenCircuit) {
  // The same dive at 30 l/min below the dive's 1000 mbar surface (the model's 970 mbar is not
  // what the diver breathes against): the descent and the ascent average 6 m, so
  // (36 x 1.6 + 1164 x 2.2 + 72 x 1.6) x 30 / 60 = 1366.8 l in 1272 s.
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 12, 1200);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_TRUE(dive.IsGasUsed());
  EXPECT_TRUE(dive.IsDiveOpenCircuitUsed());
  EXPECT_FALSE(dive.IsBailoutOpenCircuitUsed());
  const GasUsageList& usage = dive.GetGasUsage();
  EXPECT_EQ(usage[0].gas.GetName(false), "Air");
  EXPECT_NEAR(usage[0].litres, 1366.8, 1e-6);
  EXPECT_EQ(usage[0].seconds, 1272);
  EXPECT_EQ(usage[1].seconds, 0);

  CDivePlan closed = MadeDive();
  AddUserPoint(closed, 12, 1200, 21, 0, true, 1.2);
  ASSERT_TRUE(Calculate(closed));
  EXPECT_FALSE(closed.IsGasUsed());
  EXPECT_FALSE(closed.IsDiveOpenCircuitUsed());
}

TEST_F(DiveCalculationTest, OpenCircuitLegsUseTheDivesSurfacePressureWhateverTheOffset) {
  // A closed-circuit dive with two open-circuit legs, so that only they count, at SAC 20:
  // air at 30 m for 20 min is 4 bar x 20 l/min x 20 min = 1600 l; oxygen at 6 m for 10 min is
  // 1.6 bar x 200 l = 320 l. The model surface moves with the offset; the gas does not.
  for (std::uint32_t offsetMbar : {30u, 0u}) {
    AppSettings().decoSurfaceOffsetMbar.Set(offsetMbar);
    CDivePlan dive = MadeDive();
    dive.SetSacRate(20);
    AddUserPoint(dive, 30, 300, 21, 0, true, 1.3);
    AddUserPoint(dive, 30, 1200, 21, 0);
    AddUserPoint(dive, 30, 60, 21, 0, true, 1.3);
    AddUserPoint(dive, 6, 600, 100, 0);
    AddUserPoint(dive, 6, 60, 21, 0, true, 1.3);
    ASSERT_TRUE(Calculate(dive));
    EXPECT_EQ(dive.GetModelSurfacePressure(), 1000.0 - offsetMbar);
    const GasUsageList& usage = dive.GetGasUsage();
    EXPECT_EQ(usage[0].gas.GetName(false), "Air");
    EXPECT_NEAR(usage[0].litres, 1600, 1e-6) << offsetMbar;
    EXPECT_EQ(usage[0].seconds, 1200);
    EXPECT_EQ(usage[1].gas.GetName(false), "Oxygen");
    EXPECT_NEAR(usage[1].litres, 320, 1e-6) << offsetMbar;
    EXPECT_EQ(usage[2].seconds, 0);
  }
}

TEST_F(DiveCalculationTest, AThirteenthGasIsNotCounted) {
  CDivePlan dive = MadeDive();
  dive.SetMaxPpo2(3);
  for (int oxygen = 21; oxygen <= 33; ++oxygen) AddUserPoint(dive, 10, 60, oxygen, 0);
  ASSERT_TRUE(Calculate(dive));
  const GasUsageList& usage = dive.GetGasUsage();
  for (int slot = 0; slot < 12; ++slot) {
    EXPECT_EQ(usage[static_cast<std::size_t>(slot)].gas.GetOxygen(), 21 + slot);
    EXPECT_GT(usage[static_cast<std::size_t>(slot)].litres, 0);
  }
}

TEST_F(DiveCalculationTest, DescentTimeCountsTowardsThePlannedTime) {
  // 30 m takes 90 s: a 60 s point leaves a planned leg of no length.
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 30, 60);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Legs(dive)[0], (Leg{kPointDescent, 30, 1, 90}));
  EXPECT_EQ(Legs(dive)[1], (Leg{kPointPlanned, 30, 91, 0}));

  // Descents without a planned time add up: 0 -> 20 m (60 s) and 20 -> 30 m (30 s) shorten the
  // next planned point's 600 s to 510 s.
  CDivePlan twoStages = MadeDive();
  AddUserPoint(twoStages, 20, 0);
  AddUserPoint(twoStages, 30, 600);
  ASSERT_TRUE(Calculate(twoStages));
  EXPECT_EQ(Legs(twoStages)[0], (Leg{kPointDescent, 20, 1, 60}));
  EXPECT_EQ(Legs(twoStages)[1], (Leg{kPointDescent, 30, 61, 30}));
  EXPECT_EQ(Legs(twoStages)[2], (Leg{kPointPlanned, 30, 91, 510}));
}

TEST_F(DiveCalculationTest, ANegativeDurationCountsAsNone) {
  CDivePlan dive = MadeDive();
  ASSERT_TRUE(dive.AddPointFromRecord("100~-600~3000.00~0~21.00~0.00~0.70~0~0"));
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(Legs(dive), (std::vector<Leg>{{kPointDescent, 30, 1, 90}, {kPointDecoAscent, 0, 91, 180}}));
  EXPECT_EQ(dive.GetLastStepTime(), 270);
}

TEST_F(DiveCalculationTest, EveryStopEndsOnAWholeMinute) {
  CDivePlan dive = MadeDive(30, 70);
  AddUserPoint(dive, 45, 1800, 21, 35);
  ASSERT_TRUE(Calculate(dive));
  const std::vector<Leg> stops = Stops(dive);
  ASSERT_GE(stops.size(), 4u);
  for (const Leg& stop : stops) EXPECT_EQ((stop.startSec + stop.durationSec) % 60, 0) << stop;
  // Stops come shallower one after another, each 3 m above the one before.
  for (std::size_t i = 1; i + 1 < stops.size(); ++i) EXPECT_EQ(stops[i - 1].depthMetres - stops[i].depthMetres, 3);
}

TEST_F(DiveCalculationTest, RatesThatCannotMoveTheDiverFailTheCalculation) {
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 30, 1200);
  dive.SetDescentRate(0);
  EXPECT_FALSE(Calculate(dive));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].caption, "Velmar Tessaline");
  EXPECT_EQ(userInterface.questions[0].text,
            "Unable to calculate the plan.\n\nThe descent and ascent rates must be above 0.");
  EXPECT_EQ(userInterface.questions[0].flags, mb::kOk | mb::kIconExclamation);
  EXPECT_TRUE(dive.IsStopped());
  EXPECT_FALSE(dive.IsCalculationCompleted());
  EXPECT_EQ(dive.GetStepCount(), 0);

  dive.SetDescentRate(20);
  dive.SetAscentRate(-10);
  EXPECT_FALSE(Calculate(dive));
  dive.SetAscentRate(10);
  dive.SetBailoutAscentRate(0);  // only a bailout plan uses it
  EXPECT_TRUE(Calculate(dive));
  EXPECT_EQ(userInterface.questions.size(), 2u);
}

TEST_F(DiveCalculationTest, InputThatCannotBeCalculatedIsRefused) {
  CDivePlan negative = MadeDive(-10, 80);
  AddUserPoint(negative, 30, 1200);
  EXPECT_FALSE(Calculate(negative));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text,
            "Unable to calculate the plan.\n\nThe gradient factors must not be below 0.");

  CDivePlan deep = MadeDive();
  ASSERT_TRUE(deep.AddPointFromRecord("100~600~1e300~0~21.00~0.00~0.70~0~0"));
  EXPECT_FALSE(Calculate(deep));
  ASSERT_EQ(userInterface.questions.size(), 2u);
  EXPECT_EQ(userInterface.questions[1].text,
            "Unable to calculate the plan.\n\nA depth, gas, set-point or pressure of the dive is not a usable "
            "number.");

  // A dive of the table generator fails without a message box.
  CDivePlan generated = MadeDive();
  generated.SetGeneratedTable(true);
  generated.SetDescentRate(0);
  AddUserPoint(generated, 30, 1200);
  EXPECT_FALSE(Calculate(generated));
  EXPECT_EQ(userInterface.questions.size(), 2u);
}

TEST_F(DiveCalculationTest, AHugeDurationStopsAtTheDayLimitWithoutFillingTheMemory) {
  CDivePlan dive = MadeDive();
  ASSERT_TRUE(dive.AddPointFromRecord("100~99999999999~1000.00~0~21.00~0.00~0.70~0~0"));
  userInterface.QueueAnswer(answer::kYes);
  EXPECT_FALSE(Calculate(dive));
  EXPECT_TRUE(dive.IsStopped());
  EXPECT_LE(dive.GetLastStepTime(), CDivePlan::kDayLimitSec + 1);
  ASSERT_EQ(userInterface.questions.size(), 2u);
  EXPECT_EQ(userInterface.questions[1].text, kDayLimitMessage);
}

TEST_F(DiveCalculationTest, DecliningTheSixHourQuestionStopsTheDive) {
  CDivePlan dive = LongDive();
  EXPECT_FALSE(Calculate(dive));  // the default answer is No
  ASSERT_EQ(userInterface.questions.size(), 1u);
  const AskedQuestion& question = userInterface.questions[0];
  EXPECT_EQ(question.caption, "Velmar Tessaline");
  EXPECT_EQ(question.text, kSixHourQuestion);
  EXPECT_EQ(question.flags, mb::kYesNo | mb::kIconQuestion | mb::kDefaultButton2);
  EXPECT_TRUE(dive.IsStopped());
  EXPECT_FALSE(dive.IsExtendedPlanningAccepted());
  bool remembered = true;
  EXPECT_FALSE(dive.GetRememberedSixHourAnswer(remembered));
  // A No is not remembered: the next calculation asks again, once.
  EXPECT_FALSE(Calculate(dive));
  EXPECT_EQ(userInterface.questions.size(), 2u);
}

TEST_F(DiveCalculationTest, AcceptingTheSixHourQuestionIsRemembered) {
  CDivePlan dive = LongDive();
  userInterface.QueueAnswer(answer::kYes);
  ASSERT_TRUE(dive.CalculatePlan(2, {}, true));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_NE(userInterface.questions[0].text.find("Unable to decompress Dive 3 within 6 hours."), std::string::npos);
  EXPECT_GT(dive.GetLastStepTime(), CDivePlan::kSixHoursSec);
  EXPECT_TRUE(dive.IsExtendedPlanningAccepted());
  EXPECT_TRUE(dive.IsCalculationCompleted());
  bool answer = false;
  EXPECT_TRUE(dive.GetRememberedSixHourAnswer(answer));
  EXPECT_TRUE(answer);
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(userInterface.questions.size(), 1u);
  EXPECT_TRUE(dive.IsExtendedPlanningAccepted());
}

TEST_F(DiveCalculationTest, TheDayLimitEndsAStopThatNeverClears) {
  CDivePlan dive = EndlessDive();
  userInterface.QueueAnswer(answer::kYes);
  EXPECT_FALSE(Calculate(dive));
  ASSERT_EQ(userInterface.questions.size(), 2u);
  EXPECT_EQ(userInterface.questions[0].text, kSixHourQuestion);
  EXPECT_EQ(userInterface.questions[1].text, kDayLimitMessage);
  EXPECT_EQ(userInterface.questions[1].flags, mb::kOk | mb::kIconExclamation);
  EXPECT_TRUE(dive.IsStopped());
  // The limit is checked inside the stop: it ends within a minute past the day.
  EXPECT_GT(dive.GetLastStepTime(), CDivePlan::kDayLimitSec - 60);
  EXPECT_LE(dive.GetLastStepTime(), CDivePlan::kDayLimitSec + 60);

  // Declined, it ends at six hours and says nothing more.
  CDivePlan declined = EndlessDive();
  EXPECT_FALSE(Calculate(declined));
  EXPECT_EQ(userInterface.questions.size(), 3u);
  EXPECT_LE(declined.GetLastStepTime(), CDivePlan::kSixHoursSec + 60);

  // GF low 0 with a GF high that clears the last stop ends normally.
  CDivePlan lowZero = MadeDive(0, 80);
  AddUserPoint(lowZero, 30, 1200);
  EXPECT_TRUE(Calculate(lowZero));
}

TEST_F(DiveCalculationTest, GeneratedTableDivesKeepTheirLastStepAndTheirAnswer) {
  CDivePlan reference = MadeDive(30, 85);
  AddUserPoint(reference, 30, 1500);
  ASSERT_TRUE(Calculate(reference));

  CDivePlan dive = MadeDive(30, 85);
  dive.SetGeneratedTable(true);
  AddUserPoint(dive, 30, 1500);
  ASSERT_TRUE(Calculate(dive));
  ASSERT_EQ(dive.GetStepCount(), 1);
  EXPECT_EQ(dive.GetLastStepTime(), reference.GetLastStepTime());
  EXPECT_EQ(dive.GetFinalCns(), reference.GetFinalCns());
  EXPECT_EQ(Rows(dive), Rows(reference));

  // A stopped dive of the table generator keeps its partial profile, and its answer, even No.
  CDivePlan endless = EndlessDive();
  endless.SetGeneratedTable(true);
  EXPECT_TRUE(Calculate(endless));
  EXPECT_TRUE(endless.IsStopped());
  EXPECT_EQ(endless.GetStepCount(), 1);
  bool answer = true;
  EXPECT_TRUE(endless.GetRememberedSixHourAnswer(answer));
  EXPECT_FALSE(answer);
  EXPECT_TRUE(Calculate(endless));
  EXPECT_EQ(userInterface.questions.size(), 1u);
}

TEST_F(DiveCalculationTest, StepsOfAReviewDive) {
  CDivePlan dive = MadeDive();
  dive.SetReviewDive(true);
  dive.SetReviewSteps(true);
  CompartmentValues nitrogen;
  CompartmentValues helium;
  nitrogen.fill(2000);
  helium.fill(500);
  ASSERT_TRUE(dive.SetPresetTensions(nitrogen, helium));
  dive.AddReviewPoint(0, 10, 1000, 21, 0, 0.7, false);
  dive.AddReviewPoint(10, 10, 1000, 21, 0, 0.7, true);  // takes the logged tensions
  dive.AddReviewPoint(30, 10, 1000, 21, 0, 0.7, false);  // nothing covers 20 to 29
  ASSERT_TRUE(Calculate(dive));
  ASSERT_EQ(dive.GetLastStepTime(), 39);
  EXPECT_EQ(dive.GetStepTissueNitrogen(10, 3), 2000);
  EXPECT_EQ(dive.GetStepTissueHelium(19, 3), 500);
  // Seconds that no logged point covers hold the diver's state instead of leaving it unset.
  for (int step = 20; step < 30; ++step) {
    EXPECT_EQ(dive.GetStepTime(step), step);
    EXPECT_EQ(dive.GetStepTissueNitrogen(step, 0), dive.GetStepTissueNitrogen(19, 0));
  }
  EXPECT_NE(dive.GetStepTissueNitrogen(35, 0), dive.GetStepTissueNitrogen(19, 0));
  // Without the request the review calculation computes nothing.
  dive.SetReviewSteps(false);
  dive.ClearSteps();
  ASSERT_TRUE(Calculate(dive));
  EXPECT_EQ(dive.GetStepCount(), 0);
}

TEST_F(DiveCalculationTest, TravelTimeAndWholeMinutes) {
  EXPECT_EQ(CDivePlan::GetTravelTime(0, 30, 20, 10), 90);
  EXPECT_EQ(CDivePlan::GetTravelTime(30, 0, 20, 10), 180);
  EXPECT_EQ(CDivePlan::GetTravelTime(9, 6, 20, 9), 20);
  EXPECT_EQ(CDivePlan::GetTravelTime(0, 10, 7, 10), 85);  // 85.7 s, truncated
  EXPECT_EQ(CDivePlan::GetNextWholeMinute(0), 60);
  EXPECT_EQ(CDivePlan::GetNextWholeMinute(59), 60);
  EXPECT_EQ(CDivePlan::GetNextWholeMinute(60), 120);
}

TEST_F(DiveCalculationTest, ThePlanLogWritesNumbersWithADecimalPoint) {
  TheDebugLog().SetDebugLevel(4);
  CDivePlan dive = MadeDive();
  AddUserPoint(dive, 12, 1200);
  ASSERT_TRUE(Calculate(dive));
  const std::string log = LogText();
  EXPECT_NE(log.find("Started in dive 0\nInitialsing Constants\nConstruct Plan Plus - Started\n"), std::string::npos);
  EXPECT_NE(log.find("Construct Plan Plus - Zero depth copy segment,               Depth   0.00, Duration     0, Gas "
                     "Air, PPO2 0.70\n"),
            std::string::npos);
  EXPECT_NE(log.find("Construct Profile - Adding Deco Travel Segment    , Depth   0.00, Start 20:01, Finish 21:12, "
                     "Duration    72, Gas Air, PPO2 0.70, Source 1.01\n"),
            std::string::npos);
  EXPECT_NE(log.find("Processing, Segmenting - Bottom Depth             , Segment   2, Depth  12.00, Duration  1164\n"),
            std::string::npos);
  const std::size_t completed = log.find("Completed in ");
  ASSERT_NE(completed, std::string::npos);
  const std::string line = log.substr(completed, log.find('\n', completed) - completed);
  EXPECT_NE(line.find('.'), std::string::npos) << line;
  EXPECT_EQ(line.find(','), std::string::npos) << line;
}

TEST_F(DiveCalculationTest, AScheduledDiveBreathesItsBottomGasUpToTheFirstSwitchShallowerThanTheBottom) {
  // Air from the surface to 21 m for 40 min; on the way up EAN50 from 21 m and oxygen from 6 m.
  // The EAN50 switch lies at the bottom itself and is never made: air is breathed up to 6 m.
  CDivePlan dive = MadeDive(30, 70);
  AddUserPoint(dive, 21, 2400, 10, 0, true, 1.3);
  GasSwitchList travel;
  GasSwitchList deco;
  travel[0].Set(0, 21, 0, false, 0, true);
  deco[0].Set(6, 100, 0, false, 0, true);
  deco[1].Set(21, 50, 0, false, 0, true);
  dive.SetGasRanges(travel, deco);
  ASSERT_TRUE(Calculate(dive));
  // The surface, the bottom and 6 m.
  EXPECT_EQ(dive.GetPlanPlusListCount(), 3);
  EXPECT_EQ(dive.GetGasSwitchesUsed(), 2);
  for (int step = 1; step < dive.GetStepCount(); ++step) {
    const double depth = dive.GetStepDepth(step);
    if (depth > 6.001) {
      EXPECT_EQ(dive.GetStepOxygen(step), 21) << step << " at " << depth;
    }
    EXPECT_FALSE(dive.IsStepClosedCircuit(step)) << step;
  }
  EXPECT_EQ(dive.GetStepOxygen(dive.GetStepCount() - 1), 100);
}

TEST_F(DiveCalculationTest, AScheduledSwitchAFewMillimetresFromTheBottomIsMadeThereWithoutALegOfItsOwn) {
  // 145 ft is 44.52225 m (44.5223 m in a plan file): a settings file keeps the switches at
  // 44.52 m. 21/35 is taken on arrival at the bottom, and EAN50 is never taken on the way up:
  // 21/35 is breathed up to the oxygen at 15 ft (4.61 m).
  CDivePlan dive = MadeDive(30, 70);
  dive.SetDescentRate(20);
  AddUserPoint(dive, 44.52225, 1200, 10, 0, true, 1.3);
  GasSwitchList travel;
  GasSwitchList deco;
  travel[0].Set(0, 21, 0, false, 0, true);
  travel[1].Set(44.52, 21, 35, false, 0, true);
  deco[0].Set(4.61, 100, 0, false, 0, true);
  deco[1].Set(44.52, 50, 0, false, 0, true);
  dive.SetGasRanges(travel, deco);
  ASSERT_TRUE(Calculate(dive));
  // The surface, the bottom and 4.61 m.
  EXPECT_EQ(dive.GetPlanPlusListCount(), 3);
  EXPECT_EQ(dive.GetGasSwitchesUsed(), 3);
  // The descent takes 44.5223 / (20 / 60) = 133 whole seconds, on air; the rest of the
  // 20 minutes, 1067 s, is spent at the bottom on 21/35 (give or take the step where the legs
  // meet).
  int bottomSeconds = 0;
  for (int step = 1; step < dive.GetStepCount(); ++step) {
    const double depth = dive.GetStepDepth(step);
    EXPECT_LE(depth, 44.5223 + 1e-9) << step;
    EXPECT_NE(dive.GetStepOxygen(step), 50) << step << " at " << depth;
    if (depth > 44.52 && dive.GetStepHelium(step) == 35) ++bottomSeconds;
  }
  EXPECT_NEAR(bottomSeconds, 1067, 1);
}
