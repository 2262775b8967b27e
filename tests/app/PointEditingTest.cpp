// How the dive page turns its entry fields into points of the dive, and how it lists them.
#include <gtest/gtest.h>

#include "app/core/PointEditing.h"
#include "app/core/PointList.h"
#include "tests/engine/DiveTestSupport.h"

namespace {

using app::CPointEditor;
using app::PointEntry;

constexpr UnitSystem kMetric = UnitSystem::kMetric;

PointEntry Entry(double depth, int minutes, bool closedCircuit = false, double oxygen = 21, double helium = 0,
                 double setPoint = 1.3) {
  return PointEntry{depth, minutes, closedCircuit, oxygen, helium, setPoint, false};
}

class PointEditingTest : public DiveTest {
 protected:
  CPointEditor editor{1.3};
};

}  // namespace

TEST_F(PointEditingTest, ANewDiveStartsAtTheSurfaceOrAtTheBell) {
  CDivePlan dive = MadeDive();
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(30, 20), kMetric), 1);
  ASSERT_EQ(dive.GetUserPlanPointCount(), 2);
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 0);
  EXPECT_EQ(dive.GetUserPlanPointDuration(0), 0);
  EXPECT_FALSE(dive.IsUserPlanPointClosedCircuit(0));
  EXPECT_EQ(dive.GetUserPlanPointOxygen(0), 21);
  EXPECT_EQ(dive.GetUserPlanPointDepth(1), 3000);
  EXPECT_EQ(dive.GetUserPlanPointDuration(1), 1200);

  CDivePlan bell = MadeDive();
  bell.SetBellExcursion(true);
  bell.SetBellDepth(10);
  EXPECT_EQ(editor.Add(bell, -1, false, Entry(30, 20), kMetric), 1);
  EXPECT_EQ(bell.GetUserPlanPointDepth(0), 1000);

  CDivePlan surface = MadeDive();
  EXPECT_EQ(editor.Add(surface, -1, false, Entry(0, 5), kMetric), 0);
  EXPECT_EQ(surface.GetUserPlanPointCount(), 1);

  // 100 ft is 30.705 m.
  CDivePlan imperial = MadeDive();
  editor.Add(imperial, -1, false, Entry(100, 20), UnitSystem::kImperial);
  EXPECT_NEAR(imperial.GetUserPlanPointDepth(1), 3070.5, 1e-9);
}

TEST_F(PointEditingTest, AddGoesAfterTheRowInsertBeforeItAndOpenCircuitKeepsTheLastSetPoint) {
  CDivePlan dive = MadeDive();
  editor.Add(dive, -1, false, Entry(30, 20, true, 21, 0, 1.2), kMetric);  // the start point and 30 m
  EXPECT_EQ(editor.Add(dive, 0, true, Entry(5, 1, true), kMetric), 0);    // before the start point
  EXPECT_EQ(dive.GetUserPlanPointDepth(0), 500);
  EXPECT_EQ(editor.Add(dive, 0, false, Entry(6, 1, false), kMetric), 1);  // after the first row
  EXPECT_EQ(dive.GetUserPlanPointDepth(1), 600);
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(9, 1, false), kMetric), 4);  // appended
  // The open-circuit points carry the set-point of the closed-circuit point added last.
  EXPECT_EQ(dive.GetUserPlanPointSetPoint(1), 1.3);
  EXPECT_EQ(dive.GetUserPlanPointSetPoint(4), 1.3);
  EXPECT_EQ(editor.LastClosedCircuitSetPoint(), 1.3);

  // Update stores an open-circuit point with 0.7, a closed-circuit one with the field's value.
  ASSERT_TRUE(CPointEditor::Update(dive, 4, Entry(12, 3, false), kMetric));
  EXPECT_EQ(dive.GetUserPlanPointSetPoint(4), 0.7);
  EXPECT_EQ(dive.GetUserPlanPointDepth(4), 1200);
  EXPECT_EQ(dive.GetUserPlanPointDuration(4), 180);
  ASSERT_TRUE(CPointEditor::Update(dive, 4, Entry(12, 3, true, 21, 0, 1.1), kMetric));
  EXPECT_EQ(dive.GetUserPlanPointSetPoint(4), 1.1);
  EXPECT_FALSE(CPointEditor::Update(dive, -1, Entry(12, 3), kMetric));

  // Cut and Paste move a point; Paste without a selected row appends.
  ASSERT_TRUE(CPointEditor::Cut(dive, 0));
  EXPECT_EQ(dive.GetUserPlanPointCount(), 4);
  EXPECT_EQ(CPointEditor::Paste(dive, 2), 3);
  EXPECT_EQ(dive.GetUserPlanPointDepth(3), 500);
  EXPECT_EQ(CPointEditor::Paste(dive, -1), 5);
  EXPECT_FALSE(CPointEditor::Cut(dive, 9));
}

TEST_F(PointEditingTest, ARefusedPointIsExplainedAndChangesNothing) {
  CDivePlan dive = MadeDive();
  // A hypoxic start point stops the whole Add.
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(30, 20, false, 10, 50), kMetric), -1);
  EXPECT_EQ(dive.GetUserPlanPointCount(), 0);
  editor.Add(dive, -1, false, Entry(30, 20), kMetric);
  userInterface.questions.clear();

  EXPECT_EQ(editor.Add(dive, -1, false, Entry(3, 1, false, 10, 50), kMetric), -1);   // 1.3 bar x 10 %
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(10, 1, false, 100, 0), kMetric), -1);  // 2 bar x 100 %
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(50, 1), kMetric), -1);                 // air at 50 m
  EXPECT_EQ(editor.Add(dive, -1, false, Entry(10, 1, false, 3, 0), kMetric), -1);
  EXPECT_FALSE(CPointEditor::Update(dive, 1, Entry(50, 1), kMetric));
  EXPECT_EQ(dive.GetUserPlanPointCount(), 2);
  EXPECT_EQ(dive.GetUserPlanPointDepth(1), 3000);

  ASSERT_EQ(userInterface.questions.size(), 5u);
  const char* const kRefused = "\n\nUnable to add or update the item";
  EXPECT_EQ(userInterface.questions[0].text, std::string("Hypoxic - PPO2 of 0.13 is below the 0.16 limit") + kRefused);
  EXPECT_EQ(userInterface.questions[1].text, std::string("Hyperoxic - PPO2 of 2.00 is above the 1.60 limit") + kRefused);
  EXPECT_EQ(userInterface.questions[2].text,
            std::string("EAD of 50 m for this gas exceeds the 35 m Max EAD limit") + kRefused);
  EXPECT_EQ(userInterface.questions[2].flags & platform::mb::kIconMask, platform::mb::kIconQuestion);
  EXPECT_EQ(userInterface.questions[3].text, std::string("The gas is invalid") + kRefused);
  EXPECT_EQ(userInterface.questions[0].caption, "Velmar Tessaline");
}

TEST_F(PointEditingTest, TheListShowsDepthDurationAndPpo2InTheUnitsOfThePoints) {
  CDivePlan dive = MadeDive();
  dive.SetSurfacePressure(1013);
  AddUserPoint(dive, 0, 0);
  AddUserPoint(dive, 30, 1200);
  app::PointListTable table = app::BuildPointList(dive, kMetric);
  std::vector<std::string> headers;
  for (const app::PointListColumn& column : table.columns) headers.push_back(column.header);
  EXPECT_EQ(headers, (std::vector<std::string>{"Segment", "Depth (m)", "Duration (mins)", "CC OC", "Gas Mix", "PPO2"}));
  ASSERT_EQ(table.rows.size(), 2u);
  // Air at 30 m under 1013 mbar: 4.013 bar x 21 % = 0.843 bar.
  EXPECT_EQ(table.rows[1].cells, (std::vector<std::string>{"02", "30     ", "20        ", "OC", "Gas - Air  ", " 0.84"}));
  EXPECT_EQ(table.rows[1].itemData, app::kOrdinaryRow);
  // 30 m is 97.7 ft, listed as 98.
  EXPECT_EQ(app::BuildPointList(dive, UnitSystem::kImperial).rows[1].cells[1], "98     ");

  // A point of 90 s and a closed-circuit no-clear-surface point.
  AddUserPoint(dive, 20, 90, 18, 45, true, 1.3, true);
  table = app::BuildPointList(dive, kMetric);
  EXPECT_EQ(table.columns[2].header, "NCS");
  EXPECT_EQ(table.columns[3].header, "Duration (mm:ss)");
  EXPECT_EQ(table.rows[2].cells,
            (std::vector<std::string>{"03", "20     ", "NCS", "1:30        ", "CC", "Dil - 18/45  ", " 1.30"}));
  EXPECT_EQ(table.rows[1].cells[3], "20:00        ");
}
