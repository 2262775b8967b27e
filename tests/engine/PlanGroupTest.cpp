// The plan group: its dives in order, the messages it posts, when it calculates which dive and
// the state each dive starts from.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"
#include "tests/engine/PlanGroupTestSupport.h"

namespace {

using Messages = std::vector<PostedMessage>;

// Published ZH-L16 half-times (min) of compartments 1 to 16.
constexpr std::array<double, 16> kNitrogenHalfTimes = {4,   8,   12.5, 18.5, 27,  38.3, 54.3, 77,
                                                       109, 146, 187,  239,  305, 390,  498,  635};
constexpr std::array<double, 16> kHeliumHalfTimes = {1.51,  3.02,  4.72,  6.99,  10.21,  14.48,  20.53,  29.11,
                                                     41.2,  55.19, 70.69, 90.34, 115.29, 147.42, 188.24, 240.03};
// Air breathed at the model surface of 1000 - 30 mbar: (970 - 56.7) x 0.79.
constexpr double kSurfaceNitrogenMbar = 721.507;

// A tension after seconds of breathing the inspired pressure: one exponential.
double OffGassed(double tensionMbar, double inspiredMbar, int seconds, double halfTimeMin) {
  return inspiredMbar + (tensionMbar - inspiredMbar) * std::pow(2.0, -seconds / 60.0 / halfTimeMin);
}

// The later dive starts from the earlier one's last step, off-gassed on air over the interval:
// tensions by the Buhlmann equation, CNS halving in 90 minutes, OTU 300 a day less.
void ExpectStartsAfter(const CDivePlan& before, const CDivePlan& after, int intervalSec) {
  const int last = before.GetStepCount() - 1;
  ASSERT_GE(last, 0);
  for (int c = 0; c < 16; ++c) {
    SCOPED_TRACE(c);
    ExpectClose(after.GetStepTissueNitrogen(0, c),
                OffGassed(before.GetStepTissueNitrogen(last, c), kSurfaceNitrogenMbar, intervalSec,
                          kNitrogenHalfTimes[c]));
    EXPECT_NEAR(after.GetStepTissueHelium(0, c),
                OffGassed(before.GetStepTissueHelium(last, c), 0, intervalSec, kHeliumHalfTimes[c]), 1e-9);
  }
  ExpectClose(after.GetInitialCns(), before.GetFinalCns() * std::pow(2.0, -intervalSec / 5400.0));
  EXPECT_NEAR(after.GetInitialOtu(), std::max(before.GetFinalOtu() - intervalSec * 300.0 / 86400, 0.0), 1e-9);
}

bool LogHas(const std::string& log, const std::string& line) { return log.find(line + "\n") != std::string::npos; }

// Surface pressure, GF low and high, descent and ascent rate, last stop.
std::array<double, 6> Values(const CPlanGroup::DiveSummary& summary) {
  return {summary.surfacePressureMbar,     summary.gfLowPercent,           summary.gfHighPercent,
          summary.descentRateMetresPerMin, summary.ascentRateMetresPerMin, summary.lastStopMetres};
}

std::vector<std::string> Names(const CPlanGroup& plan) {
  std::vector<std::string> names;
  for (int i = 0; i < plan.GetDiveCount(); ++i) names.push_back(plan.GetDiveName(i));
  return names;
}


// Every number setting of the program: its key below "Settings" and its value names.
const std::vector<std::pair<std::string, std::vector<std::string>>> kNumberSettings = {
    {"", {"Language ID", "Debug Level", "Deco Surface Offset"}},
    {"General", {"Chart Grid Enable", "Auto Recalc", "Units", "Printing Direction", "Time Units", "First Ascent Option"}},
    {"Dive Plan",
     {"Surface Interval Algorithm", "Algorithm", "Default CC", "Default PPO2", "Default No Clear Surface",
      "Default Cylinder Working Pressure", "Default Gas Reserve"}},
    {"Dive",
     {"Surface Pressure", "GF Low", "GF High", "SAC Rate", "Max PPO2", "Max EAD", "Surface Interval", "Descent Rate",
      "Ascent Rate", "Last Deco Stop"}},
    {"Bailout",
     {"No Of Gas Switches", "GF Low", "GF High", "SAC Rate", "Max PPO2", "Max EAD", "Max CNS", "Descent Rate",
      "Ascent Rate", "Last Deco Stop", "Use Bailout Gas List", "Ignore CNS", "Ignore ICD"}},
    {"Table Generation",
     {"Depth Start", "Depth Finish", "Depth Step Size", "Duration Start", "Duration Finish", "Duration Step Size",
      "Surface Pressure", "Gradient Factor Low", "Gradient Factor High", "Descent Rate", "Ascent Rate",
      "Last Deco Stop", "Max PPO2", "Max EAD", "Table Grouping"}},
};

std::string SettingsKey(const std::string& group) {
  const std::string settings = "Software\\Velmar\\VelmarTessaline\\Settings";
  return group.empty() ? settings : settings + "\\" + group;
}

// A new plan as the main window makes one, from what the store holds now, its one dive given
// 30 m on air for 20 minutes and calculated; true when the calculation succeeded.
bool CalculatesANewPlan(CPlanGroup& plan) {
  LoadRegistrySettings();
  plan.ClearPlanGroup();
  plan.CreateDefaultPlan();
  plan.LoadSettings();
  plan.m_autoRecalc = true;
  AddUserPoint(*plan.GetDivePlan(0), 30, 1200);
  plan.CalculateDivePlan(0, true);
  return plan.GetDivePlan(0)->IsCalculationCompleted();
}

}  // namespace

TEST_F(PlanGroupTest, ANewGroupHoldsOneDefaultDiveAndPostsNothing) {
  CPlanGroup fresh;
  ASSERT_EQ(fresh.GetDiveCount(), 1);
  EXPECT_EQ(fresh.GetDivePlan(0)->GetDiveIndex(), 0);
  EXPECT_EQ(fresh.GetDivePlan(0)->GetPlanGroup(), &fresh);
  EXPECT_EQ(fresh.GetDivePlan(1), nullptr);
  EXPECT_FALSE(fresh.m_modified);
  EXPECT_FALSE(fresh.m_autoRecalc);
  EXPECT_FALSE(fresh.m_updateInProgress);
  EXPECT_FALSE(fresh.m_loadInProgress);
  EXPECT_FALSE(fresh.m_calcPending);
  EXPECT_EQ(fresh.GetSurfaceIntervalMethod(), 0);
  EXPECT_EQ(fresh.GetAlgorithm(), 1);
  EXPECT_EQ(fresh.GetCylinderWorkingPressure(), 0);
  EXPECT_EQ(fresh.GetGasReserve(), 0);
  EXPECT_EQ(fresh.GetFileName(), "");
  EXPECT_TRUE(Posted().empty());
}

TEST_F(PlanGroupTest, LoadSettingsReadsTheGroupSettingsAndEveryDivesDefaults) {
  CAppSettings& settings = AppSettings();
  settings.divePlan.surfaceIntervalAlgorithm.Set(1);
  settings.divePlan.algorithm.Set(2);
  settings.divePlan.defaultCylinderWorkingPressureBar.Set(232);
  settings.divePlan.defaultGasReservePercent.Set(50);
  settings.dive.gfLowPercent.Set(35);
  ASSERT_TRUE(plan.AddDivePlan());
  EXPECT_EQ(Dive(1).GetGfLow(), 35);  // a new dive takes the defaults at once
  EXPECT_EQ(Dive(0).GetGfLow(), 20);
  settings.dive.gfHighPercent.Set(90);
  plan.LoadSettings();
  EXPECT_EQ(plan.GetSurfaceIntervalMethod(), 1);
  EXPECT_EQ(plan.GetAlgorithm(), 2);
  EXPECT_EQ(plan.GetCylinderWorkingPressure(), 232);
  EXPECT_EQ(plan.GetGasReserve(), 50);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Dive(i).GetGfLow(), 35);
    EXPECT_EQ(Dive(i).GetGfHigh(), 90);
  }
}

// A store edited by hand or damaged may hold any number: a new plan takes each at the nearer end
// of what the settings pages allow, says so in the log, and can be calculated.
TEST_F(PlanGroupTest, StoredPlanSettingsOutsideTheirRangesReachANewPlanAtTheNearerEnd) {
  struct Case {
    const char* group;
    const char* name;
    std::uint32_t stored;
    double (*read)(const CPlanGroup&);
    double expected;
    const char* logged;  // the stored and the used value as the log writes them
  };
  const auto modelSurface = [](const CPlanGroup& plan) { return plan.GetDivePlan(0)->GetModelSurfacePressure(); };
  const auto reserve = [](const CPlanGroup& plan) { return plan.GetGasReserve(); };
  const auto pressure = [](const CPlanGroup& plan) { return plan.GetCylinderWorkingPressure(); };
  const auto method = [](const CPlanGroup& plan) { return double(plan.GetSurfaceIntervalMethod()); };
  const auto algorithm = [](const CPlanGroup& plan) { return double(plan.GetAlgorithm()); };
  const Case cases[] = {
      // The model's surface lies at most 100 mbar below the dive's 1000 mbar.
      {"", "Deco Surface Offset", 0xffffffff, modelSurface, 900, "4.29497e+09 out of range - 100"},
      {"", "Deco Surface Offset", 1000, modelSurface, 900, "1000 out of range - 100"},
      {"Dive Plan", "Default Gas Reserve", 0xffffffff, reserve, 50, "4.29497e+09 out of range - 50"},
      {"Dive Plan", "Default Gas Reserve", 0, reserve, 10, "0 out of range - 10"},
      // Stored in millibar; the imperial page reaches 3675 psi, 253.38 bar.
      {"Dive Plan", "Default Cylinder Working Pressure", 0xffffffff, pressure, 253.38, "4.29497e+06 out of range - 253.382"},
      {"Dive Plan", "Default Cylinder Working Pressure", 100000, pressure, 150, "100 out of range - 150"},
      {"Dive Plan", "Surface Interval Algorithm", 7, method, 1, "7 out of range - 1"},
      {"Dive Plan", "Algorithm", 9, algorithm, 2, "9 out of range - 2"},
      {"Dive Plan", "Algorithm", 0xffffffff, algorithm, 2, "4.29497e+09 out of range - 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.stored));
    TempFolders store;
    ASSERT_TRUE(platform::Registry().WriteDword(SettingsKey(c.group), c.name, c.stored));
    CPlanGroup fresh;
    EXPECT_TRUE(CalculatesANewPlan(fresh));
    EXPECT_NEAR(c.read(fresh), c.expected, 0.005);
    EXPECT_TRUE(userInterface.questions.empty());
    EXPECT_NE(LogText().find("Setting " + SettingsKey(c.group) + "\\" + c.name + " value " + c.logged + " used"),
              std::string::npos);
  }
  // Sound values are taken as they are, unlogged: the lowest offset, the ends of the ranges.
  TempFolders store;
  const std::string plan = SettingsKey("Dive Plan");
  ASSERT_TRUE(platform::Registry().WriteDword(SettingsKey(""), "Deco Surface Offset", 0));
  ASSERT_TRUE(platform::Registry().WriteDword(plan, "Default Gas Reserve", 10));
  ASSERT_TRUE(platform::Registry().WriteDword(plan, "Default Cylinder Working Pressure", 250000));
  ASSERT_TRUE(platform::Registry().WriteDword(plan, "Algorithm", 2));
  const std::size_t logged = LogText().size();
  CPlanGroup fresh;
  EXPECT_TRUE(CalculatesANewPlan(fresh));
  EXPECT_EQ(modelSurface(fresh), 1000);
  EXPECT_EQ(fresh.GetGasReserve(), 10);
  EXPECT_EQ(fresh.GetCylinderWorkingPressure(), 250);
  EXPECT_EQ(fresh.GetAlgorithm(), 2);
  EXPECT_EQ(LogText().find("out of range", logged), std::string::npos);
}

TEST_F(PlanGroupTest, AStoreOfFfffffffEverywhereStillGivesAPlanThatCalculatesAndSavesStably) {
  for (const auto& [group, names] : kNumberSettings) {
    for (const std::string& name : names) ASSERT_TRUE(platform::Registry().WriteDword(SettingsKey(group), name, 0xffffffff));
  }
  CPlanGroup fresh;
  EXPECT_TRUE(CalculatesANewPlan(fresh));
  TheDebugLog().SetDebugLevel(0);
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_EQ(fresh.GetSurfaceIntervalMethod(), 1);
  EXPECT_EQ(fresh.GetAlgorithm(), 2);
  EXPECT_NEAR(fresh.GetCylinderWorkingPressure(), 253.38, 0.005);  // 3675 psi
  EXPECT_EQ(fresh.GetGasReserve(), 50);
  // The tops of the settings pages' ranges, the imperial ones converted where they reach
  // further, at 3.2568 ft to the metre: 230 ft are 70.6215 m, 164 ft/min 50.3562 m/min,
  // 82 ft/min 25.1781 m/min and 20 ft 6.1410 m.
  const CDivePlan& dive = *fresh.GetDivePlan(0);
  EXPECT_EQ(dive.GetSurfacePressure(), 1080);
  EXPECT_EQ(dive.GetModelSurfacePressure(), 980);
  EXPECT_EQ(dive.GetGfLow(), 100);
  EXPECT_EQ(dive.GetGfHigh(), 100);
  EXPECT_EQ(dive.GetSacRate(), 80);
  EXPECT_DOUBLE_EQ(dive.GetMaxPpo2(), 1.8);
  EXPECT_NEAR(dive.GetMaxEad(), 70.6215, 1e-4);
  EXPECT_NEAR(dive.GetDescentRate(), 50.3562, 1e-4);
  EXPECT_NEAR(dive.GetAscentRate(), 25.1781, 1e-4);
  EXPECT_NEAR(dive.GetLastStopDepth(), 6.1410, 1e-4);
  EXPECT_EQ(dive.GetSurfaceInterval(), 71 * 3600 + 59 * 60);
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 12);
  EXPECT_EQ(dive.GetBailoutMaxCns(), 250);
  EXPECT_FALSE(dive.IsUseBailoutGasList());  // a flag is on only at 1
  ASSERT_TRUE(fresh.GetDivePlan(0)->SetSurfacePressure(1013));
  EXPECT_EQ(dive.GetModelSurfacePressure(), 913);

  // What the new plan saves is what it reads back and saves again.
  const std::string first = (folders.Root() / "first.ccp").string();
  const std::string second = (folders.Root() / "second.ccp").string();
  ASSERT_TRUE(fresh.SavePlanGroup(first));
  EXPECT_EQ(ReadFileText(first).rfind("Dive Plan\r\n001~1\r\n002~2\r\n003~253.38\r\n004~50.00\r\nDive\r\n", 0), 0u);
  CPlanGroup loaded;
  ASSERT_TRUE(loaded.LoadPlanGroup(first));
  ASSERT_TRUE(loaded.SavePlanGroup(second));
  EXPECT_EQ(ReadFileText(second), ReadFileText(first));
}

TEST_F(PlanGroupTest, ThirtyDivesAtMostWithTheirIndicesEqualToTheirPositions) {
  TheDebugLog().SetDebugLevel(4);
  while (plan.GetDiveCount() < 30) ASSERT_TRUE(plan.AddDivePlan());
  EXPECT_FALSE(plan.AddDivePlan());
  EXPECT_EQ(plan.GetDiveCount(), 30);
  EXPECT_FALSE(plan.m_updateInProgress);
  for (int i = 0; i < 30; ++i) {
    EXPECT_EQ(Dive(i).GetDiveIndex(), i);
    EXPECT_EQ(Dive(i).GetPlanGroup(), &plan);
  }
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
  const std::string log = LogText();
  EXPECT_TRUE(LogHas(log, "CPlanGroup::AddDivePlan() Initial - m_updateInProgress set True\n"
                          "CPlanGroup::AddDivePlan() Finished - m_updateInProgress set False"));
  EXPECT_TRUE(LogHas(log, "CPlanGroup::AddDivePlan() Initial - m_updateInProgress set True\n"
                          "CPlanGroup::AddDivePlan() Max plan limit reached - m_updateInProgress set False"));
}

TEST_F(PlanGroupTest, RenamingMarksThePlanModifiedOnceAndClearingClearsEveryDive) {
  EXPECT_TRUE(plan.RenameDive(0, "Wreck"));
  EXPECT_TRUE(plan.RenameDive(0, "Reef"));
  EXPECT_FALSE(plan.RenameDive(1, "None"));
  EXPECT_EQ(plan.GetDiveName(0), "Reef");
  EXPECT_EQ(plan.GetDiveName(1), "");
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));

  ASSERT_TRUE(Dive(0).SetGfLow(30));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0)}));  // the plan was modified already
  plan.ClearModified();
  EXPECT_FALSE(plan.m_modified);
  EXPECT_FALSE(Dive(0).IsModified());
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
  plan.SetModified(false);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(PlanGroupTest, ALoadPostsNoModifiedMessageButCalculates) {
  plan.m_loadInProgress = true;
  ASSERT_TRUE(plan.AddDivePlan());
  AddUserPoint(Dive(1), 20, 600);
  ASSERT_TRUE(Dive(1).SetGfLow(30));
  ASSERT_TRUE(plan.RenameDive(1, "Loaded"));
  plan.SetModified(true);
  plan.m_loadInProgress = false;
  EXPECT_FALSE(plan.m_modified);
  // The first dive had not been calculated: it is calculated before the dive that follows it.
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
}

TEST_F(PlanGroupTest, ANewPlanIsOneDefaultDiveThatIsNotModified) {
  MakeDives(3);
  EXPECT_TRUE(plan.m_modified);
  TakePosted();
  EXPECT_TRUE(plan.ClearPlanGroup());
  EXPECT_EQ(plan.GetDiveCount(), 0);
  EXPECT_EQ(plan.GetDivePlan(0), nullptr);
  EXPECT_TRUE(plan.IsBailoutDive(0));
  EXPECT_EQ(plan.GetDiveDepthText(0), "");
  EXPECT_FALSE(plan.CalculateDivePlan(0, true));
  EXPECT_FALSE(plan.RecalculateDive(0));
  EXPECT_TRUE(Posted().empty());

  EXPECT_TRUE(plan.CreateDefaultPlan());
  ASSERT_EQ(plan.GetDiveCount(), 1);
  EXPECT_EQ(Dive(0).GetUserPlanPointCount(), 0);
  EXPECT_EQ(Dive(0).GetPlanGroup(), &plan);
  EXPECT_FALSE(plan.m_modified);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
}

TEST_F(PlanGroupTest, AChangeToTheSecondOfThreeDivesRecalculatesItAndTheThirdOnly) {
  plan.SetSurfaceIntervalMethod(1);
  MakeDives(3, 30, 1500);
  // The second dive: 40 m for 20 min on 30/30 with stops, so that its gradient factors matter.
  Dive(1).ClearUserPlanPoints();
  AddUserPoint(Dive(1), 40, 1200, 30, 30);
  ASSERT_TRUE(Dive(1).SetSurfaceInterval(3600));
  ASSERT_TRUE(Dive(2).SetSurfaceInterval(5400));
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  EXPECT_TRUE(userInterface.questions.empty());
  const double thirdStartHelium = Dive(2).GetStepTissueHelium(0, 5);
  TakePosted();

  TheDebugLog().SetDebugLevel(4);
  ASSERT_TRUE(Dive(1).SetGfLow(50));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  // Both calculations fall within the same second, yet the third dive is older than the second.
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(2)}));
  const std::string log = LogText();
  EXPECT_TRUE(LogHas(log, "Recalculation - Calculate dive plans - Checking All "));
  EXPECT_TRUE(LogHas(log, "Recalculation - Calculate dive plans - Calculate not required in dive 1 due to timestamps"));
  EXPECT_TRUE(LogHas(log, "Recalculation - Calculate dive plans - Calculate required in dive 2"));
  EXPECT_FALSE(LogHas(log, "Recalculation - Calculate dive plans - Calculate required in dive 0"));
  EXPECT_FALSE(LogHas(log, "Recalculation - Calculate dive plans - Calculate required in dive 1"));

  ExpectStartsAfter(Dive(0), Dive(1), 3600);
  ExpectStartsAfter(Dive(1), Dive(2), 5400);
  EXPECT_NE(Dive(2).GetStepTissueHelium(0, 5), thirdStartHelium);
  EXPECT_GT(Dive(2).GetStepTissueHelium(0, 5), 0);

  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(userInterface.waitDepth, 0);
}

TEST_F(PlanGroupTest, ADiveIsCalculatedAfterItsPredecessorsAndNeverFromTheSurface) {
  plan.SetSurfaceIntervalMethod(1);
  MakeDives(3, 30, 1500);
  TakePosted();
  // Nothing is calculated yet; the third dive's change calculates the two before it first.
  ASSERT_TRUE(Dive(2).SetSurfaceInterval(1800));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1), Calculated(2)}));
  ExpectStartsAfter(Dive(0), Dive(1), 0);
  ExpectStartsAfter(Dive(1), Dive(2), 1800);
  EXPECT_GT(Dive(2).GetStepTissueNitrogen(0, 15), kSurfaceNitrogenMbar + 1);
}

TEST_F(PlanGroupTest, AFailureInTheThirdOfFiveDivesDiscardsItAndEveryLaterDive) {
  MakeDives(5);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  TakePosted();
  plan.m_autoRecalc = false;
  ASSERT_TRUE(Dive(2).SetDescentRate(0));
  EXPECT_TRUE(plan.m_calcPending);
  EXPECT_EQ(TakePosted(), (Messages{Calculated(2)}));

  // Pending: every dive from the first is calculated until the third fails.
  EXPECT_FALSE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1), Calculated(2), Calculated(3), Calculated(4)}));
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text,
            "Unable to calculate the plan.\n\nThe descent and ascent rates must be above 0.");
  EXPECT_GT(Dive(0).GetStepCount(), 0);
  EXPECT_GT(Dive(1).GetSegmentCount(), 0);
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(Dive(i).GetStepCount(), 0) << i;
    EXPECT_EQ(Dive(i).GetSegmentCount(), 0) << i;
    EXPECT_FALSE(Dive(i).IsCalculationCompleted()) << i;
  }
  EXPECT_TRUE(plan.m_calcPending);

  // Once the rate is sound again the dive is calculated, and the later ones on the next pass.
  plan.m_autoRecalc = true;
  ASSERT_TRUE(Dive(2).SetDescentRate(20));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(2)}));
  EXPECT_FALSE(plan.m_calcPending);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(3), Calculated(4)}));
}

TEST_F(PlanGroupTest, AFailedCalculationOfOneDiveIsReportedAndDiscardsTheLaterDives) {
  MakeDives(3);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  TakePosted();
  ASSERT_TRUE(Dive(1).SetAscentRate(-10));
  EXPECT_EQ(Dive(1).GetState(), kDiveIdle);
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1), Calculated(2)}));
  EXPECT_GT(Dive(0).GetStepCount(), 0);
  EXPECT_EQ(Dive(1).GetStepCount(), 0);
  EXPECT_EQ(Dive(2).GetStepCount(), 0);
  EXPECT_FALSE(plan.RecalculateDive(1));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  EXPECT_EQ(userInterface.questions.size(), 2u);
}

TEST_F(PlanGroupTest, WithAutoRecalcOffAChangeOnlyMarksTheCalculationPending) {
  MakeDives(3);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  TakePosted();
  plan.m_autoRecalc = false;
  const int steps = Dive(0).GetStepCount();
  const int waits = userInterface.waitCount;
  ASSERT_TRUE(Dive(0).SetAscentRate(5));
  EXPECT_TRUE(plan.m_calcPending);
  EXPECT_EQ(Dive(0).GetState(), kDiveCalculated);
  EXPECT_EQ(Dive(0).GetStepCount(), steps);
  EXPECT_EQ(userInterface.waitCount, waits);
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0)}));
  ASSERT_TRUE(Dive(2).SetAscentRate(5));
  TakePosted();

  // Every dive up to the one asked for is calculated, whatever the calculation order says; the
  // third dive still waits, so the calculation stays pending.
  TheDebugLog().SetDebugLevel(4);
  ASSERT_TRUE(plan.CaluclateDivePlans(false, 1, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
  // The first dive has no stops: 20 m up at 5 instead of 10 m/min takes 120 s more.
  EXPECT_EQ(Dive(0).GetStepCount(), steps + 120);
  EXPECT_TRUE(plan.m_calcPending);
  EXPECT_TRUE(LogHas(LogText(), "Recalculation - Calculate dive plans - Checking up to dive 1 "));
  EXPECT_TRUE(LogHas(LogText(), "Recalculation - Calculate dive plans - Calculate required in dive 0"));

  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1), Calculated(2)}));
  EXPECT_FALSE(plan.m_calcPending);

  // A bailout request waits likewise, and fails.
  EXPECT_FALSE(plan.BailoutPlan(0, false));
  EXPECT_TRUE(plan.m_calcPending);
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0)}));
}

TEST_F(PlanGroupTest, RecalculateForcesOneDive) {
  plan.m_autoRecalc = false;
  MakeDives(2);
  TakePosted();
  EXPECT_FALSE(plan.RecalculateDive(2));
  EXPECT_FALSE(plan.RecalculateDive(-1));
  EXPECT_TRUE(Posted().empty());
  EXPECT_TRUE(plan.RecalculateDive(1));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
  EXPECT_FALSE(plan.m_calcPending);
  EXPECT_GT(Dive(1).GetStepCount(), 0);
  // A dive that is not shown as its bailout plan has no bailout plan to calculate.
  EXPECT_FALSE(plan.IsBailoutDive(1));
  EXPECT_FALSE(plan.BailoutPlan(1, true));
  EXPECT_FALSE(plan.BailoutPlan(2, true));
  EXPECT_TRUE(Posted().empty());
  Dive(1).SetBailoutMode(true);
  EXPECT_TRUE(plan.IsBailoutDive(1));
}

TEST_F(PlanGroupTest, NoCalculationWhileTheDivesAreRearranged) {
  MakeDives(2);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  TakePosted();
  plan.m_updateInProgress = true;
  EXPECT_FALSE(plan.CalculateDivePlan(1, true));
  EXPECT_TRUE(Posted().empty());
  EXPECT_GT(Dive(1).GetStepCount(), 0);
  plan.m_updateInProgress = false;
  // The dive that was refused is calculated by the next pass.
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
}

TEST_F(PlanGroupTest, UpToANegativeIndexDiscardsEveryResult) {
  MakeDives(2);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  TakePosted();
  EXPECT_FALSE(plan.CaluclateDivePlans(false, 2, false));  // there is no third dive
  EXPECT_TRUE(Posted().empty());
  EXPECT_GT(Dive(1).GetStepCount(), 0);
  EXPECT_TRUE(plan.CalculateDivePlans(false, -1, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
  EXPECT_EQ(Dive(0).GetStepCount(), 0);
  EXPECT_EQ(Dive(1).GetStepCount(), 0);
  // With nothing to carry, a pass calculates both again.
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
}

TEST_F(PlanGroupTest, SortingKeepsTheSurfaceIntervalsWithThePositions) {
  MakeDives(3);
  const std::vector<std::string> names = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(plan.RenameDive(i, names[static_cast<std::size_t>(i)]));
  ASSERT_TRUE(Dive(1).SetSurfaceInterval(60));
  ASSERT_TRUE(Dive(2).SetSurfaceInterval(120));
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  plan.ClearModified();
  TakePosted();

  const std::array<int, 30> order{2, 0, 1};
  ASSERT_TRUE(plan.SortDivePlans(order));
  EXPECT_EQ(Names(plan), (std::vector<std::string>{"C", "A", "B"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Dive(i).GetDiveIndex(), i);
  EXPECT_EQ(Dive(0).GetSurfaceInterval(), 0);
  EXPECT_EQ(Dive(1).GetSurfaceInterval(), 60);
  EXPECT_EQ(Dive(2).GetSurfaceInterval(), 120);
  EXPECT_FALSE(plan.m_updateInProgress);
  EXPECT_TRUE(plan.m_modified);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
  // Every dive is calculated again in its new place.
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1), Calculated(2)}));
}

TEST_F(PlanGroupTest, AnOrderThatIsNoPermutationChangesNothing) {
  MakeDives(3);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(plan.RenameDive(i, std::string(1, static_cast<char>('A' + i))));
  plan.ClearModified();
  TakePosted();
  for (const std::vector<int>& order : std::vector<std::vector<int>>{{0, 0, 1}, {0, 1, 3}, {2, -1, 0}, {1, 0}}) {
    EXPECT_FALSE(plan.SortDivePlans(order));
  }
  EXPECT_EQ(Names(plan), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_FALSE(plan.m_updateInProgress);
  EXPECT_FALSE(plan.m_modified);
  EXPECT_TRUE(Posted().empty());
  EXPECT_TRUE(plan.CalculateDivePlan(0, true));
}

TEST_F(PlanGroupTest, DeletingADiveCalculatesTheOneThatMovedUpAfterItsNewPredecessor) {
  plan.SetSurfaceIntervalMethod(1);
  MakeDives(3, 30, 1500);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(plan.RenameDive(i, std::string(1, static_cast<char>('A' + i))));
  ASSERT_TRUE(Dive(2).SetSurfaceInterval(600));
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
  plan.ClearModified();
  TakePosted();
  plan.DeleteDivePlan(3);
  plan.DeleteDivePlan(-1);
  EXPECT_EQ(plan.GetDiveCount(), 3);
  EXPECT_TRUE(Posted().empty());

  plan.DeleteDivePlan(1);
  EXPECT_EQ(Names(plan), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(Dive(1).GetDiveIndex(), 1);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  ExpectStartsAfter(Dive(0), Dive(1), 600);
}

TEST_F(PlanGroupTest, AChangeOfAlgorithmCalculatesEveryDiveAgain) {
  MakeDives(2);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  TakePosted();
  plan.SetAlgorithm(1);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_TRUE(Posted().empty());
  plan.SetAlgorithm(0);
  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), Calculated(1)}));
}

TEST_F(PlanGroupTest, GasSwitchesFollowTheChangesOfGasAlongThePoints) {
  CPlanGroup::GasSwitchTable switches;
  const auto used = [&] {
    return std::count_if(switches.begin(), switches.end(), [](const CGasSwitch& s) { return s.IsGasSet(); });
  };
  EXPECT_FALSE(plan.GetGasSwitches(0, switches, false));  // no points
  EXPECT_FALSE(plan.GetGasSwitches(1, switches, false));

  plan.m_autoRecalc = false;
  AddUserPoint(Dive(0), 0, 0);
  AddUserPoint(Dive(0), 30, 1200);
  AddUserPoint(Dive(0), 20, 600);
  ASSERT_TRUE(plan.GetGasSwitches(0, switches, false));
  EXPECT_EQ(used(), 1);
  EXPECT_EQ(switches[0].ToString(), "0.00,21.00,0.00,0,0.70,1");

  ASSERT_TRUE(plan.AddDivePlan());
  CDivePlan& dive = Dive(1);
  AddUserPoint(dive, 40, 1200, 18, 45);
  AddUserPoint(dive, 40, 300, 18, 45);             // the same gas
  AddUserPoint(dive, 21, 60, 50, 0, false, 1.3);   // a new gas
  AddUserPoint(dive, 18, 60, 50, 0, false, 0.7);   // open circuit: the set-point does not count
  AddUserPoint(dive, 18, 60, 50, 0, true, 1.2);    // a new circuit
  AddUserPoint(dive, 6, 600, 50, 0, true, 1.3);    // closed circuit: a new set-point
  AddUserPoint(dive, 3, 600, 50, 0, true, 1.3);
  ASSERT_TRUE(plan.GetGasSwitches(1, switches, false));
  ASSERT_EQ(used(), 5);
  EXPECT_EQ(switches[0].ToString(), "0.00,18.00,45.00,0,0.70,1");
  EXPECT_EQ(switches[1].ToString(), "40.00,18.00,45.00,0,0.70,1");
  EXPECT_EQ(switches[2].ToString(), "21.00,50.00,0.00,0,1.30,1");
  EXPECT_EQ(switches[3].ToString(), "18.00,50.00,0.00,1,1.20,1");
  EXPECT_EQ(switches[4].ToString(), "6.00,50.00,0.00,1,1.30,1");

  // A list never holds more than 60 switches.
  ASSERT_TRUE(plan.AddDivePlan());
  for (int i = 0; i < 70; ++i) AddUserPoint(Dive(2), 20, 60, i % 2 == 0 ? 32 : 21);
  ASSERT_TRUE(plan.GetGasSwitches(2, switches, false));
  EXPECT_EQ(used(), 60);

  // With the bailout flag the calculated profile is the source.
  EXPECT_FALSE(plan.GetGasSwitches(0, switches, true));
  ASSERT_TRUE(plan.RecalculateDive(0));
  ASSERT_TRUE(plan.GetGasSwitches(0, switches, true));
  EXPECT_EQ(used(), 1);
}

TEST_F(PlanGroupTest, WhatTheTableGeneratorAndThePagesReadOfADive) {
  plan.m_autoRecalc = false;
  CDivePlan& dive = Dive(0);
  dive.SetBailoutGfLow(40);
  dive.SetBailoutAscentRate(9);
  dive.SetBailoutLastStopDepth(3);
  CPlanGroup::DiveSummary summary;
  EXPECT_FALSE(plan.GetDiveSummary(1, false, summary));
  ASSERT_TRUE(plan.GetDiveSummary(0, false, summary));
  EXPECT_EQ(Values(summary), (std::array<double, 6>{1000, 20, 80, 20, 10, 6}));
  ASSERT_TRUE(plan.GetDiveSummary(0, true, summary));
  EXPECT_EQ(Values(summary), (std::array<double, 6>{1000, 40, 100, 20, 9, 3}));

  AddUserPoint(dive, 30, 1500);
  AddUserPoint(dive, 40, 600);
  EXPECT_EQ(plan.GetDiveDepthText(0), "Max Depth 40.0 (m), Duration 10:00 (mm:ss)");
  TakePosted();
  plan.NotifyMainWindow(3, 7);
  EXPECT_EQ(TakePosted(), (Messages{{WMU_SELECT_LAST_PLAN_POINT, 3, 7}}));
}
