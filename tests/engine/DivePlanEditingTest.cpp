// Editing a dive of a plan group: points added, changed, deleted, copied and pasted, every
// setting, and the requests they make of the group.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "tests/engine/PlanGroupTestSupport.h"

namespace {

using Messages = std::vector<PostedMessage>;

class DivePlanEditingTest : public PlanGroupTest {};

const char* const kHyperoxicAt168 =
    "Hyperoxic - PPO2 of 1.68 is above the 1.60 limit\n\nUnable to add or update the item";

// One setter: storing the value it holds, storing a new one, and the request a change makes.
struct SetterCase {
  std::string name;
  std::function<bool(CDivePlan&)> storeCurrent;
  std::function<bool(CDivePlan&)> storeNew;
  std::function<bool(const CDivePlan&)> holdsNew;
  int requested;
};

template <typename Value, typename Stored>
SetterCase Case(std::string name, bool (CDivePlan::*set)(Value), Stored (CDivePlan::*get)() const,
                std::decay_t<Value> value, int requested) {
  return {std::move(name), [=](CDivePlan& dive) { return (dive.*set)((dive.*get)()); },
          [=](CDivePlan& dive) { return (dive.*set)(value); },
          [=](const CDivePlan& dive) { return (dive.*get)() == value; }, requested};
}

std::vector<SetterCase> EverySetter() {
  constexpr int kDive = kDiveCalculationRequested;
  constexpr int kBailout = kDiveBailoutRequested;
  using D = CDivePlan;
  return {
      Case("surface pressure", &D::SetSurfacePressure, &D::GetSurfacePressure, 1013.0, kDive),
      Case("GF low", &D::SetGfLow, &D::GetGfLow, 30.0, kDive),
      Case("GF high", &D::SetGfHigh, &D::GetGfHigh, 85.0, kDive),
      Case("SAC", &D::SetSacRate, &D::GetSacRate, 20.0, kDive),
      Case("max PPO2", &D::SetMaxPpo2, &D::GetMaxPpo2, 1.4, kDive),
      Case("max EAD", &D::SetMaxEad, &D::GetMaxEad, 30.0, kDive),
      Case("surface interval", &D::SetSurfaceInterval, &D::GetSurfaceInterval, 3600, kDive),
      Case("descent rate", &D::SetDescentRate, &D::GetDescentRate, 18.0, kDive),
      Case("ascent rate", &D::SetAscentRate, &D::GetAscentRate, 9.0, kDive),
      Case("last stop", &D::SetLastStopDepth, &D::GetLastStopDepth, 3.0, kDive),
      Case("bell excursion", &D::SetBellExcursion, &D::IsBellExcursion, true, kDive),
      Case("bell depth", &D::SetBellDepth, &D::GetBellDepth, 10.0, kDive),
      {"bell gas", [](D& dive) { return dive.SetBellGas(dive.GetBellGas().GetOxygen(), dive.GetBellGas().GetHelium()); },
       [](D& dive) { return dive.SetBellGas(32, 0); },
       [](const D& dive) { return dive.GetBellGas().GetName(false) == "32% Nitrox"; }, kDive},
      Case("bailout gas switches", &D::SetBailoutGasSwitchCount, &D::GetBailoutGasSwitchCount, 3, kBailout),
      Case("bailout GF low", &D::SetBailoutGfLow, &D::GetBailoutGfLow, 50.0, kBailout),
      Case("bailout GF high", &D::SetBailoutGfHigh, &D::GetBailoutGfHigh, 70.0, kBailout),
      Case("bailout SAC", &D::SetBailoutSacRate, &D::GetBailoutSacRate, 25.0, kBailout),
      Case("bailout max PPO2", &D::SetBailoutMaxPpo2, &D::GetBailoutMaxPpo2, 1.5, kBailout),
      Case("bailout max EAD", &D::SetBailoutMaxEad, &D::GetBailoutMaxEad, 30.0, kBailout),
      Case("bailout max CNS down to 0", &D::SetBailoutMaxCns, &D::GetBailoutMaxCns, 0.0, kBailout),
      Case("bailout descent rate", &D::SetBailoutDescentRate, &D::GetBailoutDescentRate, 15.0, kBailout),
      Case("bailout ascent rate", &D::SetBailoutAscentRate, &D::GetBailoutAscentRate, 8.0, kBailout),
      Case("bailout last stop", &D::SetBailoutLastStopDepth, &D::GetBailoutLastStopDepth, 3.0, kBailout),
      Case("use bailout gas list", &D::SetUseBailoutGasList, &D::IsUseBailoutGasList, true, kBailout),
      Case("ignore ICD", &D::SetIgnoreIcd, &D::IsIgnoreIcd, true, kBailout),
      Case("ignore CNS", &D::SetIgnoreCns, &D::IsIgnoreCns, true, kBailout),
      Case("bailout gas list", &D::SetBailoutGasList, &D::GetBailoutGasList, std::string_view("21/35,50/0"),
           kBailout),
  };
}

}  // namespace

TEST_F(DivePlanEditingTest, AddPastTheEndAppendsAndInsertShiftsTheOthers) {
  CDivePlan& dive = Dive(0);
  AddUserPoint(dive, 10, 60);
  AddUserPoint(dive, 20, 600);
  AddUserPoint(dive, 10, 120);
  EXPECT_EQ(dive.AddUserPlanPoint(5, 300, 1500, false, 32, 0, 1.3, false), 3);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 4);
  EXPECT_EQ(dive.GetUserPlanPointDepth(3), 1500);
  EXPECT_EQ(dive.GetUserPlanPointOxygen(3), 32);
  EXPECT_FALSE(dive.IsUserPlanPointClosedCircuit(3));
  EXPECT_FALSE(dive.GetUserPlanPoint(3)->bailout);

  EXPECT_EQ(dive.AddUserPlanPoint(0, 0, 0, true, 21, 0, 0.7, false), 0);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 5);
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 0);
  EXPECT_EQ(dive.GetUserPlanPointDepth(1), 1000);  // the former first point
  EXPECT_EQ(dive.AddUserPlanPoint(-1, 60, 1000, false, 21, 0, 1.3, false), -1);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 5);

  // Each point marked the dive, and once the plan, modified and had the dive calculated.
  EXPECT_TRUE(dive.IsModified());
  EXPECT_TRUE(plan.m_modified);
  EXPECT_EQ(dive.GetState(), kDiveCalculated);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0), Calculated(0)}));
  EXPECT_EQ(userInterface.waitDepth, 0);
}

TEST_F(DivePlanEditingTest, ARefusedPointChangesNothing) {
  CDivePlan& dive = Dive(0);
  AddUserPoint(dive, 30, 1200);
  // Air at 70 m: 0.21 x 8 = 1.68 bar of oxygen, above the 1.6 bar limit.
  EXPECT_EQ(dive.AddUserPlanPoint(1, 600, 7000, false, 21, 0, 1.3, false), -1);
  EXPECT_FALSE(dive.UpdateUserPlanPoint(0, 600, 7000, false, 21, 0, 1.3, false));
  ASSERT_EQ(userInterface.questions.size(), 2u);
  EXPECT_EQ(userInterface.questions[0].text, kHyperoxicAt168);
  EXPECT_EQ(userInterface.questions[1].text, kHyperoxicAt168);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 1);
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 3000);
  EXPECT_FALSE(dive.IsModified());
  EXPECT_FALSE(plan.m_modified);
  EXPECT_EQ(dive.GetState(), kDiveIdle);
  EXPECT_TRUE(Posted().empty());

  // No point to update: nothing is asked or changed.
  EXPECT_FALSE(dive.UpdateUserPlanPoint(1, 600, 2000, false, 21, 0, 1.3, false));
  EXPECT_FALSE(dive.UpdateUserPlanPoint(-1, 600, 2000, false, 21, 0, 1.3, false));
  EXPECT_EQ(userInterface.questions.size(), 2u);
  EXPECT_TRUE(Posted().empty());

  // With validation skipped the same point is added as it stands; an update still validates.
  plan.m_autoRecalc = false;
  dive.SetSkipValidation(true);
  EXPECT_EQ(dive.AddUserPlanPoint(1, 60, 7000, false, 21, 0, 1.3, false), 1);
  EXPECT_EQ(userInterface.questions.size(), 2u);
  EXPECT_FALSE(dive.UpdateUserPlanPoint(0, 600, 7000, false, 21, 0, 1.3, false));
  EXPECT_EQ(userInterface.questions.size(), 3u);
}

TEST_F(DivePlanEditingTest, AnUpdateOverwritesEveryValueOfThePoint) {
  CDivePlan& dive = Dive(0);
  AddUserPoint(dive, 30, 1200);
  ASSERT_TRUE(dive.UpdateUserPlanPoint(0, 900, 2500, true, 10, 50, 1.2, true));
  const CPlanPoint& point = *dive.GetUserPlanPoint(0);
  EXPECT_EQ(point.durationSec, 900);
  EXPECT_EQ(point.depthMbar, 2500);
  EXPECT_TRUE(point.closedCircuit);
  EXPECT_EQ(point.oxygenPercent, 10);
  EXPECT_EQ(point.heliumPercent, 50);
  EXPECT_EQ(point.setPointBar, 1.2);
  EXPECT_TRUE(point.noClearSurface);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0)}));
}

TEST_F(DivePlanEditingTest, DeletingOutsideTheListDeletesNothingButStillRecalculates) {
  CDivePlan& dive = Dive(0);
  AddUserPoint(dive, 10, 60);
  AddUserPoint(dive, 20, 600);
  EXPECT_FALSE(dive.DeleteUserPlanPoint(-1));
  EXPECT_FALSE(dive.DeleteUserPlanPoint(2));
  EXPECT_EQ(dive.GetUserPlanPointCount(), 2);
  EXPECT_TRUE(dive.DeleteUserPlanPoint(0));
  ASSERT_EQ(dive.GetUserPlanPointCount(), 1);
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 2000);
  // A calculated dive is in state 3, so every new request differs from it and runs.
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0), Calculated(0), Calculated(0)}));
}

TEST_F(DivePlanEditingTest, PastingNeedsACopiedPoint) {
  CDivePlan& dive = Dive(0);
  AddUserPoint(dive, 10, 60);
  AddUserPoint(dive, 20, 600, 32);
  EXPECT_EQ(dive.PastePlanPoint(0), -1);
  EXPECT_FALSE(dive.IsPointSelected());
  EXPECT_FALSE(dive.IsModified());
  EXPECT_TRUE(Posted().empty());

  EXPECT_FALSE(dive.CopyPlanPoint(2));
  EXPECT_FALSE(dive.CopyPlanPoint(-1));
  EXPECT_TRUE(Posted().empty());
  ASSERT_TRUE(dive.CopyPoint(1));
  EXPECT_TRUE(dive.IsPointSelected());
  EXPECT_EQ(dive.PastePoint(7), 2);
  EXPECT_EQ(dive.PastePlanPoint(0), 0);
  EXPECT_EQ(dive.PastePlanPoint(-1), -1);
  ASSERT_EQ(dive.GetUserPlanPointCount(), 4);
  EXPECT_EQ(dive.GetUserPlanPointOxygen(0), 32);
  EXPECT_EQ(dive.GetUserPlanPointDepth(1), 1000);
  EXPECT_EQ(dive.GetUserPlanPointOxygen(3), 32);
  EXPECT_EQ(dive.GetUserPlanPointDuration(3), 600);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0), Calculated(0)}));
}

TEST_F(DivePlanEditingTest, InBailoutModeThePointsAreTheBailoutPlanAndItsLimitsApplyAfterTheBailoutPoint) {
  CDivePlan dive;  // being built: no group
  dive.LoadDefaults();
  dive.SetBailoutMaxPpo2(1.2);
  ASSERT_TRUE(dive.AddPointFromRecord("110~600~4000.00~1~21.00~0.00~1.30~0~0"));
  ASSERT_TRUE(dive.AddPointFromRecord("110~0~4000.00~0~0.00~0.00~1.30~0~1"));
  dive.SetBailoutMode(true);
  // 50 % oxygen at 20 m: 1.5 bar, within the dive's 1.6 bar but above the bailout's 1.2 bar.
  EXPECT_EQ(dive.AddUserPlanPoint(2, 300, 2000, false, 50, 0, 0, false), -1);
  ASSERT_EQ(userInterface.questions.size(), 1u);
  EXPECT_EQ(userInterface.questions[0].text,
            "Hyperoxic - PPO2 of 1.50 is above the 1.20 limit\n\nUnable to add or update the item");
  // Before the bailout point the dive's limits apply; the bailout point moves to index 2.
  EXPECT_EQ(dive.AddUserPlanPoint(1, 300, 2000, false, 50, 0, 0, false), 1);
  EXPECT_TRUE(dive.IsProfilePointBailout(2));
  // Replacing the bailout point itself takes the bailout limits, the point before it the dive's.
  EXPECT_FALSE(dive.UpdateUserPlanPoint(2, 0, 2000, false, 50, 0, 0, false));
  EXPECT_TRUE(dive.UpdateUserPlanPoint(1, 120, 2000, false, 50, 0, 0, false));
  EXPECT_EQ(dive.GetProfilePointDuration(1), 120);
  EXPECT_EQ(dive.GetProfilePointCount(), 3);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 0);

  // The bailout point pasted among the user points is an ordinary point there.
  ASSERT_TRUE(dive.CopyPlanPoint(2));
  dive.SetBailoutMode(false);
  EXPECT_EQ(dive.PastePlanPoint(0), 0);
  EXPECT_FALSE(dive.GetUserPlanPoint(0)->bailout);
  EXPECT_FALSE(dive.IsModified());
  EXPECT_EQ(dive.GetState(), kDiveIdle);
}

TEST_F(DivePlanEditingTest, EverySetterRequestsItsCalculationOnlyWhenTheValueChanges) {
  CDivePlan& dive = Dive(0);
  for (const SetterCase& setter : EverySetter()) {
    SCOPED_TRACE(setter.name);
    plan.ClearModified();
    TakePosted();
    const int state = dive.GetState();
    EXPECT_FALSE(setter.storeCurrent(dive));
    EXPECT_FALSE(dive.IsModified());
    EXPECT_EQ(dive.GetState(), state);
    EXPECT_TRUE(Posted().empty());

    EXPECT_TRUE(setter.storeNew(dive));
    EXPECT_TRUE(setter.holdsNew(dive));
    EXPECT_TRUE(dive.IsModified());
    EXPECT_TRUE(plan.m_modified);
    if (setter.requested == kDiveCalculationRequested) {
      EXPECT_EQ(dive.GetState(), kDiveCalculated);
      EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0)}));
    } else {
      // Outside bailout mode the group has no bailout plan to calculate.
      EXPECT_EQ(dive.GetState(), kDiveIdle);
      EXPECT_EQ(TakePosted(), (Messages{kPlanModified}));
    }
    EXPECT_FALSE(setter.storeNew(dive));
  }
  // The model surface follows the surface pressure; gases with the same long name are the same.
  EXPECT_EQ(dive.GetModelSurfacePressure(), 1013 - 30);
  EXPECT_FALSE(dive.SetBellGas(32.4, 0));
}

TEST_F(DivePlanEditingTest, TheSurfacePressureRecalculatesTheBailoutPlanWhileItIsShown) {
  TheDebugLog().SetDebugLevel(4);
  CDivePlan& dive = Dive(0);
  dive.SetBailoutMode(true);
  EXPECT_TRUE(dive.SetSurfacePressure(950));
  EXPECT_EQ(dive.GetModelSurfacePressure(), 920);
  dive.SetBailoutMode(false);
  EXPECT_TRUE(dive.SetGfLow(25));
  const std::string log = LogText();
  const std::string trigger = "Recalculation - CDivePlan::SetState() Triggering m_pPlanGroup->";
  const auto first = log.find(trigger);
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(log.substr(first + trigger.size(), 15), "BailoutPlan(0)\n");
  const auto second = log.find(trigger, first + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(log.substr(second + trigger.size(), 21), "CalculateDivePlan(0)\n");
}

TEST_F(DivePlanEditingTest, ADiveWithoutAGroupTakesEverySetterWithoutCalculating) {
  CDivePlan dive;
  for (const SetterCase& setter : EverySetter()) {
    SCOPED_TRACE(setter.name);
    EXPECT_TRUE(setter.storeNew(dive));
    EXPECT_TRUE(setter.holdsNew(dive));
  }
  EXPECT_EQ(dive.AddUserPlanPoint(0, 600, 2000, false, 21, 0, 1.3, false), 0);
  EXPECT_EQ(dive.GetState(), kDiveIdle);
  EXPECT_FALSE(dive.IsModified());
  EXPECT_EQ(dive.GetStepCount(), 0);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(DivePlanEditingTest, ADiveOfTheTableGeneratorOnlyStoresItsRequests) {
  CDivePlan& dive = Dive(0);
  dive.SetGeneratedTable(true);
  EXPECT_TRUE(dive.SetGfLow(40));
  EXPECT_EQ(dive.GetState(), kDiveCalculationRequested);
  EXPECT_TRUE(dive.IsModified());
  EXPECT_FALSE(plan.m_modified);
  EXPECT_EQ(dive.GetStepCount(), 0);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(DivePlanEditingTest, AChangedDiveReachesAGroupWhoseFlagWasClearedBehindIt) {
  CDivePlan& dive = Dive(0);
  EXPECT_TRUE(dive.SetGfLow(40));
  // The review command clears the plan's flag without clearing the dives'.
  plan.m_modified = false;
  TakePosted();
  EXPECT_TRUE(dive.SetGfHigh(70));
  EXPECT_TRUE(plan.m_modified);
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0)}));
}
