// Consolidating several plans into one dive table, row by row.
#include "views/core/DivePlanTable.h"

#include <gtest/gtest.h>

#include "engine/DiveSegment.h"

namespace {

using views::CDivePlanTable;

// One segment of a plan: depth, type, segment time and run time in seconds.
struct PlanSegment {
  double depth;
  int type;
  int segmentTime;
  int runTime;
  int warnings = 0;
};
using Plan = std::vector<PlanSegment>;

// 30 m, first ascent to 9 m and stops at 9, 6 and 3 m.
const Plan kThirtyMetres = {{30, kSegmentTravel, 90, 90},        {30, kSegmentBottomDepth, 510, 600},
                            {9, kSegmentFirstAscent, 126, 726},  {9, kSegmentDecoStop, 60, 786},
                            {6, kSegmentDecoStop, 120, 906},     {3, kSegmentDecoStop, 240, 1146},
                            {0, kSegmentAscentToSurface, 18, 1164}};

void AddPlan(CDivePlanTable& table, const Plan& plan, int column, double key, bool newTable) {
  for (const PlanSegment& s : plan) {
    ASSERT_TRUE(table.AddSegment(newTable, s.depth, false, "Air", false, 0, s.warnings, s.type, column, key,
                                 s.segmentTime, s.runTime));
  }
}

std::vector<double> Depths(const CDivePlanTable& table) {
  std::vector<double> depths;
  for (int r = 0; r < table.GetRowCount(); ++r) depths.push_back(table.GetDepth(r));
  return depths;
}

std::vector<std::string> RowTexts(const CDivePlanTable& table) {
  std::vector<std::string> texts;
  for (int r = 0; r < table.GetRowCount(); ++r) texts.push_back(table.GetRowText(r));
  return texts;
}

TEST(DivePlanTable, TwoIdenticalPlansShareEveryRow) {
  CDivePlanTable table(0);
  AddPlan(table, kThirtyMetres, 0, 10, true);
  AddPlan(table, kThirtyMetres, 1, 20, false);
  ASSERT_EQ(table.GetRowCount(), 7);
  EXPECT_EQ(table.GetColumnCount(), 2);
  for (int r = 0; r < 7; ++r) {
    EXPECT_EQ(table.GetRunTime(r, 0), table.GetRunTime(r, 1)) << r;
    EXPECT_EQ(table.GetSegmentTime(r, 1), kThirtyMetres[static_cast<std::size_t>(r)].segmentTime) << r;
  }
  EXPECT_TRUE(table.IsFirstAscent(2));
  EXPECT_TRUE(table.IsBottom(1));
  EXPECT_EQ(table.GetRowText(2), "Air,0.00,0,4,9,2:06,12:06,2:06,12:06,");
  // Rows and columns that do not exist read as nothing.
  EXPECT_EQ(table.GetDepth(7), 0);
  EXPECT_EQ(table.GetGasName(-1), "");
  EXPECT_FALSE(table.IsBottom(99));
  EXPECT_EQ(table.GetRunTime(0, 2), 0);
  EXPECT_EQ(table.GetRowText(7), "");
}

TEST(DivePlanTable, NewDepthsGoWhereADiverMeetsThem) {
  CDivePlanTable table(0);
  AddPlan(table, kThirtyMetres, 0, 10, true);
  // Deeper and longer, with a stop on the way down at 15 m and a deeper first stop at 12 m, and a
  // third segment at 9 m where the table has two.
  AddPlan(table,
          {{15, kSegmentTravel, 45, 45},
           {33, kSegmentTravel, 54, 99},
           {33, kSegmentBottomDepth, 1101, 1200},
           {12, kSegmentFirstAscent, 126, 1326},
           {12, kSegmentDecoStop, 60, 1386},
           {9, kSegmentDecoStop, 60, 1446},
           {9, kSegmentGasSwitch, 30, 1476},
           {9, kSegmentDecoStop, 60, 1536},
           {6, kSegmentDecoStop, 120, 1656},
           {3, kSegmentDecoStop, 300, 1956},
           {0, kSegmentAscentToSurface, 18, 1974}},
          1, 20, false);
  EXPECT_EQ(Depths(table), (std::vector<double>{15, 30, 33, 30, 12, 12, 9, 9, 9, 6, 3, 0}));
  // The deeper bottom joined the bottom row, which keeps the first plan's depth.
  EXPECT_TRUE(table.IsBottom(3));
  EXPECT_EQ(table.GetRunTime(3, 0), 600);
  EXPECT_EQ(table.GetRunTime(3, 1), 1200);
  // The new rows have the second plan's column only; the first plan's cells there are empty.
  EXPECT_EQ(table.GetRunTime(0, 0), 0);
  EXPECT_EQ(table.GetRunTime(0, 1), 45);
  EXPECT_EQ(table.GetRunTime(6, 1), 1446);  // the first-ascent row at 9 m took the first 9 m segment
  EXPECT_EQ(table.GetRunTime(8, 1), 1536);  // the third 9 m segment found no row without its key
  EXPECT_EQ(table.GetRunTime(8, 0), 0);
}

TEST(DivePlanTable, WarningsAccumulateAndFirstAscentsJoinTheirOwnRow) {
  Plan warned = kThirtyMetres;
  warned[3].warnings = 0x20;
  Plan deeperStop = kThirtyMetres;
  deeperStop[2].depth = 12;  // with the option set, first ascents share a row whatever their depth
  deeperStop[3].warnings = 0x01;
  CDivePlanTable table(1);
  AddPlan(table, warned, 0, 10, true);
  AddPlan(table, deeperStop, 1, 20, false);
  EXPECT_EQ(table.GetRowCount(), 7);
  EXPECT_EQ(table.GetWarnings(3), 0x21);
  EXPECT_EQ(table.GetDepth(2), 9);
  EXPECT_EQ(table.GetRunTime(2, 1), 726);
}

TEST(DivePlanTable, EachTableConsolidatesOnItsOwn) {
  const Plan longer = {{30, kSegmentTravel, 90, 90},       {30, kSegmentBottomDepth, 1110, 1200},
                       {12, kSegmentFirstAscent, 108, 1308}, {12, kSegmentDecoStop, 60, 1368},
                       {9, kSegmentDecoStop, 120, 1488},     {6, kSegmentDecoStop, 180, 1668},
                       {3, kSegmentDecoStop, 420, 2088},     {0, kSegmentAscentToSurface, 18, 2106}};
  CDivePlanTable alone(0);
  AddPlan(alone, kThirtyMetres, 0, 10, true);
  AddPlan(alone, longer, 1, 20, false);

  // Two tables filled in turn, segment by segment, as a table set is built.
  CDivePlanTable first(0);
  CDivePlanTable second(0);
  AddPlan(first, kThirtyMetres, 0, 10, true);
  AddPlan(second, kThirtyMetres, 0, 10, true);
  for (const PlanSegment& s : longer) {
    for (CDivePlanTable* table : {&first, &second}) {
      ASSERT_TRUE(table->AddSegment(false, s.depth, false, "Air", false, 0, 0, s.type, 1, 20, s.segmentTime,
                                    s.runTime));
    }
  }
  EXPECT_EQ(RowTexts(first), RowTexts(alone));
  EXPECT_EQ(RowTexts(second), RowTexts(alone));
  EXPECT_EQ(Depths(alone), (std::vector<double>{30, 30, 12, 12, 9, 9, 6, 3, 0}));
}

TEST(DivePlanTable, RunTimesRoundUpToWholeMinutes) {
  for (const auto& [seconds, rounded] : {std::pair{0, 0}, {1, 60}, {60, 60}, {61, 120}, {119, 120}, {3599, 3600}}) {
    int value = seconds;
    views::RoundUpToMinute(value);
    EXPECT_EQ(value, rounded) << seconds;
  }
}

}  // namespace
