// The bailout through the plan group, as the dive page starts it: the questions asked and the
// messages posted, in order, and the state each bailout starts from.
#include <gtest/gtest.h>

#include "tests/engine/PlanGroupTestSupport.h"

namespace {

using Messages = std::vector<PostedMessage>;
using namespace platform;

PostedMessage LastPointSelected(int index, int lastPoint) { return {WMU_SELECT_LAST_PLAN_POINT, index, lastPoint}; }

bool ProfileHasBailoutPoint(const CDivePlan& dive) {
  for (int i = 0; i < dive.GetPlanPlusPointCount(); ++i) {
    if (dive.GetPlanPlusPoint(i)->bailout) return true;
  }
  return false;
}

class BailoutGroupTest : public PlanGroupTest {
 protected:
  // Two closed-circuit dives on 10/50 at set-point 1.3: 40 m and, an hour later, 60 m, each for
  // 20 min; the second bails out on three switches (60, 27 and 9 m: five bailout plan points).
  void SetUp() override {
    PlanGroupTest::SetUp();
    ASSERT_TRUE(plan.AddDivePlan());
    AddCcPoint(Dive(0), 40);
    AddCcPoint(Dive(1), 60);
    Dive(1).SetSurfaceInterval(3600);
    Dive(1).SetBailoutGasSwitchCount(3);
    ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, true));
    plan.ClearModified();
    TakePosted();
  }

  static void AddCcPoint(CDivePlan& dive, double depthMetres) { AddUserPoint(dive, depthMetres, 1200, 10, 50, true, 1.3); }

  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const AskedQuestion& question : userInterface.questions) texts.push_back(question.text);
    return texts;
  }
};

}  // namespace

TEST_F(BailoutGroupTest, BailoutFromTheCursorReturnToTheDiveAndBack) {
  CDivePlan& dive = Dive(1);
  CompartmentValues nitrogen{};
  for (int c = 0; c < kCompartmentCount; ++c) nitrogen[c] = dive.GetStepTissueNitrogen(0, c);
  const double startCns = dive.GetInitialCns();
  const int ownLastStep = dive.GetLastStepTime();

  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, LastPointSelected(1, 4), Calculated(1)}));
  EXPECT_TRUE(userInterface.questions.empty());
  EXPECT_EQ(dive.GetState(), kDiveBailoutCalculated);
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  EXPECT_TRUE(plan.IsBailoutDive(1));
  EXPECT_TRUE(ProfileHasBailoutPoint(dive));
  EXPECT_EQ(dive.GetBailoutTime(), 1200);
  // The bailout plan starts where the group starts the dive: from the first dive's end,
  // off-gassed over the hour once.
  for (int c = 0; c < kCompartmentCount; ++c) EXPECT_EQ(dive.GetStepTissueNitrogen(0, c), nitrogen[c]) << c;
  EXPECT_EQ(dive.GetInitialCns(), startCns);
  const double bailoutCns = dive.GetFinalCns();
  const int bailoutLastStep = dive.GetLastStepTime();

  // Back to the dive: its own profile again; the bailout plan is kept.
  dive.ReturnToDive();
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  EXPECT_EQ(dive.GetState(), kDiveCalculated);
  EXPECT_FALSE(plan.IsBailoutDive(1));
  EXPECT_FALSE(ProfileHasBailoutPoint(dive));
  EXPECT_EQ(dive.GetLastStepTime(), ownLastStep);
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(dive.GetProfilePointCount(), 5);

  // Shown again, the kept plan is calculated from its initial points: the same plan.
  dive.TriggerBailout();
  EXPECT_EQ(TakePosted(), (Messages{LastPointSelected(1, 4), Calculated(1)}));
  EXPECT_EQ(dive.GetState(), kDiveBailoutCalculated);
  EXPECT_EQ(dive.GetFinalCns(), bailoutCns);
  EXPECT_EQ(dive.GetLastStepTime(), bailoutLastStep);

  // A bailout setting changed while the plan is shown calculates it again: two switches.
  ASSERT_TRUE(dive.SetBailoutGasSwitchCount(2));
  EXPECT_EQ(TakePosted(), (Messages{LastPointSelected(1, 3), Calculated(1)}));
  EXPECT_EQ(dive.GetProfilePointCount(), 4);

  // Ending the bailout discards the plan; the next trigger only shows the empty bailout view.
  dive.EndBailout();
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(dive.GetProfilePointCount(), 0);
  EXPECT_EQ(dive.GetInitialBailoutPointCount(), 0);
  dive.TriggerBailout();
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  EXPECT_TRUE(dive.IsBailoutMode());
  EXPECT_FALSE(ProfileHasBailoutPoint(dive));
  EXPECT_EQ(dive.GetState(), kDiveCalculated);
  EXPECT_TRUE(userInterface.questions.empty());
}

TEST_F(BailoutGroupTest, TheBailoutFollowsAChangedPreviousDive) {
  // The first dive becomes longer while auto recalculation is off: the bailout of the second
  // dive first brings the first dive up to date, and plans from its new end state.
  plan.m_autoRecalc = false;
  Dive(0).ClearUserPlanPoints();
  AddCcPoint(Dive(0), 45);
  ASSERT_TRUE(Dive(0).SetGfLow(30));  // marks the first dive for calculation
  TakePosted();
  ASSERT_TRUE(Dive(1).BailoutFromCursor(600, true));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0), LastPointSelected(1, 4), Calculated(1)}));
  // The moment is read again from the second dive as it follows from the new first dive.
  const double ceiling = Dive(1).GetBailoutCeiling();
  const CDivePlan::PreviousDiveState end = Dive(0).GetFinalState();
  CDivePlan direct;
  direct.LoadDefaults();
  TestGroup settingsOnly(1, 0);
  direct.SetPlanGroup(&settingsOnly);
  AddCcPoint(direct, 60);
  direct.SetSurfaceInterval(3600);
  direct.SetBailoutGasSwitchCount(3);
  ASSERT_TRUE(direct.CalculatePlan(1, end, false));
  EXPECT_EQ(ceiling, direct.GetStepCeiling(1200));
  for (int c = 0; c < kCompartmentCount; ++c) {
    EXPECT_EQ(Dive(1).GetStepTissueNitrogen(0, c), direct.GetStepTissueNitrogen(0, c)) << c;
    EXPECT_EQ(Dive(1).GetStepTissueHelium(0, c), direct.GetStepTissueHelium(0, c)) << c;
  }
  EXPECT_FALSE(plan.m_calcPending);
}

TEST_F(BailoutGroupTest, QuestionsAndWarningsOnTheWay) {
  // Settings changed outside bailout mode request a bailout that the group has none to make.
  CDivePlan& dive = Dive(0);
  dive.SetBailoutGasSwitchCount(10);
  dive.SetBailoutMaxCns(1);
  EXPECT_TRUE(userInterface.questions.empty());
  plan.ClearModified();
  TakePosted();
  const std::string tooMany = "Too many gases (10) for bailout.\n\nAllow the planner to reduce the number of gases?";
  // 40 m allows nine switches: declined, the bailout fails and the page is told.
  userInterface.QueueAnswer(answer::kNo);
  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  EXPECT_EQ(Questions(), (std::vector<std::string>{tooMany}));
  EXPECT_EQ(TakePosted(), (Messages{kPlanModified, Calculated(0)}));
  EXPECT_EQ(dive.GetState(), kDiveIdle);
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 10);
  dive.ReturnToDive();
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0)}));

  // Accepted, with a CNS limit that nothing meets: the question, then the shallow ppO2 runs
  // from 1.55 to 0.50 (22 plans after the first, each announcing its last point), then the
  // warning.
  userInterface.questions.clear();
  userInterface.QueueAnswer(answer::kYes);
  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  EXPECT_EQ(Questions(), (std::vector<std::string>{tooMany, "Warning - Cannot Meet Max CNS% limit with current settings"}));
  Messages expected(23, LastPointSelected(0, 10));
  expected.push_back(Calculated(0));
  EXPECT_EQ(TakePosted(), expected);
  EXPECT_EQ(dive.GetState(), kDiveIdle);
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(dive.GetBailoutGasSwitchCount(), 9);
  dive.ReturnToDive();

  // A gas list without a usable gas: the warning and the announcement, no plan.
  dive.SetUseBailoutGasList(true);
  dive.SetBailoutGasList("32");
  userInterface.questions.clear();
  TakePosted();
  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  EXPECT_EQ(Questions(), (std::vector<std::string>{"Warning - No gases in list"}));
  EXPECT_EQ(TakePosted(), (Messages{Calculated(0)}));
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
}

TEST_F(BailoutGroupTest, EditedUserPointsDropTheKeptBailoutPlan) {
  CDivePlan& dive = Dive(1);
  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  dive.ReturnToDive();
  ASSERT_TRUE(dive.IsBailoutPlanPresent());
  // Points of the bailout plan itself may be edited while it is shown; the plan stays.
  dive.TriggerBailout();
  ASSERT_TRUE(dive.DeleteUserPlanPoint(4));
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  dive.ReturnToDive();
  // A changed dive no longer matches the plan kept for it.
  EXPECT_FALSE(dive.DeleteUserPlanPoint(5));
  EXPECT_TRUE(dive.IsBailoutPlanPresent());
  ASSERT_EQ(dive.AddUserPlanPoint(1, 300, 2000, true, 10, 50, 1.3, false), 1);
  EXPECT_FALSE(dive.IsBailoutPlanPresent());
  EXPECT_EQ(dive.GetInitialBailoutPointCount(), 0);
  TakePosted();
  dive.TriggerBailout();
  EXPECT_EQ(TakePosted(), (Messages{Calculated(1)}));
  EXPECT_FALSE(ProfileHasBailoutPoint(dive));
}
