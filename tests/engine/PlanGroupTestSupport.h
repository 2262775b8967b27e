#pragma once
// A plan group made as the main window makes it (settings read, Auto Recalc on), with the
// messages it posts recorded by the scripted user interface.
#include <vector>

#include "engine/PlanGroup.h"
#include "engine/PrivateMessages.h"
#include "tests/engine/DiveTestSupport.h"

inline PostedMessage Calculated(int index) { return {WMU_DIVE_CALCULATED, index, 0}; }
inline const PostedMessage kPlanModified{WMU_PLAN_MODIFIED, 0, 0};

class PlanGroupTest : public DiveTest {
 protected:
  void SetUp() override {
    DiveTest::SetUp();
    plan.LoadSettings();
    plan.m_autoRecalc = true;
  }

  CDivePlan& Dive(int index) { return *plan.GetDivePlan(index); }
  std::vector<PostedMessage>& Posted() { return userInterface.posted; }
  // The messages posted since the last call.
  std::vector<PostedMessage> TakePosted() {
    std::vector<PostedMessage> posted;
    posted.swap(userInterface.posted);
    return posted;
  }
  // Adds dives until the group holds count of them, each with one square point on air, without
  // calculating anything.
  void MakeDives(int count, double depthMetres = 20, int durationSec = 1200) {
    while (plan.GetDiveCount() < count) ASSERT_TRUE(plan.AddDivePlan());
    for (int i = 0; i < count; ++i) AddUserPoint(Dive(i), depthMetres, durationSec);
  }

  CPlanGroup plan;
};
