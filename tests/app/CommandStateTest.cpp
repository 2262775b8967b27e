// Which commands the plan allows.
#include "app/core/CommandState.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

using app::CommandAllowedByPlan;
using app::PlanFacts;

TEST(CommandState, SaveFollowsTheUnsavedChangesAndCalculateThePendingCalculation) {
  PlanFacts facts;
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_SAVE, facts), false);
  EXPECT_EQ(CommandAllowedByPlan(ID_TOOLS_CALCULATE, facts), false);
  facts.modified = true;
  facts.calculationPending = true;
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_SAVE, facts), true);
  EXPECT_EQ(CommandAllowedByPlan(ID_TOOLS_CALCULATE, facts), true);
}

TEST(CommandState, AddNeedsRoomAndDeleteAndSortNeedTwoDivesInMenuAndTabMenu) {
  PlanFacts one;
  PlanFacts full;
  full.diveCount = 30;
  for (int add : {ID_DIVE_ADD, ID_DIVES_ADD}) {
    EXPECT_EQ(CommandAllowedByPlan(add, one), true);
    EXPECT_EQ(CommandAllowedByPlan(add, full), false);
  }
  for (int command : {ID_DIVE_DELETE, ID_DIVES_DELETE, ID_DIVE_SORT, ID_DIVES_SORT}) {
    EXPECT_EQ(CommandAllowedByPlan(command, one), false);
    EXPECT_EQ(CommandAllowedByPlan(command, full), true);
  }
}

TEST(CommandState, TablesNeedResultsAndTheAllTablesNeedSeveralTabs) {
  PlanFacts facts;
  facts.activeDiveHasTable = true;
  facts.anyDiveHasTable = true;
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_DIVE_TABLE, facts), true);
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_GAS_TABLE, facts), false);
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_ALL_DIVE_TABLES, facts), false);  // one tab only
  facts.tabCount = 2;
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_ALL_DIVE_TABLES, facts), true);
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_ALL_GAS_TABLES, facts), false);
  facts.anyDiveHasGasTable = true;
  EXPECT_EQ(CommandAllowedByPlan(ID_VIEW_ALL_GAS_TABLES, facts), true);
}

TEST(CommandState, TheOtherCommandsAreLeftAsTheyAre) {
  for (int command : {ID_FILE_NEW_PLAN, ID_FILE_OPEN, ID_FILE_SAVE_AS, ID_FILE_EXIT, ID_DIVE_RENAME, ID_DIVE_IMPORT,
                      ID_DIVE_EXPORT, ID_VIEW_DETAILS, ID_HELP_ABOUT}) {
    EXPECT_EQ(CommandAllowedByPlan(command, PlanFacts{}), std::nullopt) << command;
  }
}

TEST(CommandState, ARecentFileEntryNeedsAFileInItsPlace) {
  PlanFacts facts;
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_MRU_FILE1, facts), false);  // the greyed place holder
  facts.recentFileCount = 2;
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_MRU_FILE1, facts), true);
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_MRU_FILE1 + 1, facts), true);
  EXPECT_EQ(CommandAllowedByPlan(ID_FILE_MRU_FILE1 + 2, facts), false);
}
