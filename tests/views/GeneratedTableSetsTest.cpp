// The tables of a generated set, from plans the engine calculated: grouped by bottom time with
// one table per stretch of depths that used as many gas switches, or by depth with a column per
// bottom time, and what a failed plan leaves out.
#include <gtest/gtest.h>

#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GeneratedTableSets.h"

namespace {

using GeneratedTableSetsTest = GeneratorTest;
using views::GeneratedTable;

// Air from the surface and EAN50 from 21 m on the way up: a dive to 15 m breathes air alone, a
// dive to 40 m also EAN50. EAN50 at 21 m holds 1.55 bar of oxygen, within the limit.
GeneratorPage AirPage(double depthStart, double depthFinish, double depthStep, int durationStart, int durationFinish,
                      int durationStep) {
  GeneratorPage page = MetricPage(depthStart, depthFinish, depthStep, durationStart, durationFinish, durationStep);
  page.SetShown(kMaxEad, 70);
  page.SetShown(kMaxPpo2, 1.6);
  AddSwitches(page.travel, {Switch(0, 21, 0)});
  AddSwitches(page.deco, {Switch(21, 50, 0)});
  return page;
}

class FailingCell : public GeneratedPlanCalculator {
 public:
  explicit FailingCell(int failingMin) : failingMin_(failingMin) {}
  bool Calculate(CDivePlan& dive, const GasSwitchList& travel, const GasSwitchList& deco) override {
    return dive.GetUserPlanPointDuration(0) != failingMin_ * 60 && engine_.Calculate(dive, travel, deco);
  }

 private:
  int failingMin_;
  EnginePlanCalculator engine_;
};

TableGenerationRun Generate(const GeneratorPage& page, int failingMin = -1) {
  FailingCell calculator(failingMin);
  TableGenerationRun run;
  EXPECT_TRUE(run.Run(page, nullptr, calculator, [](const std::string&) {}));
  return run;
}

// The cells of a data row after its gas, PPO2 and depth.
std::vector<std::string> Cells(const std::string& row, std::size_t leading = 3) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = row.find('~', start)) != std::string::npos; start = end + 1) {
    fields.push_back(row.substr(start, end - start));
  }
  fields.push_back(row.substr(start));
  return std::vector<std::string>(fields.begin() + static_cast<std::ptrdiff_t>(leading), fields.end());
}

TEST_F(GeneratedTableSetsTest, ByTimeADepthThatUsesAnotherNumberOfSwitchesStartsANewTable) {
  const TableGenerationRun run = Generate(AirPage(15, 40, 25, 10, 20, 10));
  ASSERT_EQ(run.Depths(), (std::vector<double>{15, 40}));
  EXPECT_EQ(run.PlanAt(0, 0).dive->GetGasSwitchesUsed(), 1);
  EXPECT_EQ(run.PlanAt(1, 0).dive->GetGasSwitchesUsed(), 2);
  EXPECT_EQ(views::RunsOfSameSwitchCount(run, 0), (std::vector<std::vector<std::size_t>>{{0}, {1}}));

  const std::vector<GeneratedTable> tables =
      views::BuildGeneratedTables(run, TableGrouping::kByTime, views::TableSettings{});
  ASSERT_EQ(tables.size(), 4u);
  EXPECT_EQ(tables[0].header, "10(mins)~Dive Table~GF<br>30/70~Depth 15m~~");
  EXPECT_EQ(tables[1].header, "10(mins)~Dive Table~GF<br>30/70~Depth 40m~~");
  EXPECT_EQ(tables[3].header, "20(mins)~Dive Table~GF<br>30/70~Depth 40m~~");
  EXPECT_EQ(tables[1].rows[0], "Gas~PPO2~Depths~40m");
  // The deeper table's rows: air down, the bottom, and EAN50 from 21 m up.
  const std::vector<std::string>& rows = tables[1].rows;
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                          [](const std::string& row) { return row.rfind("Air~OC~Bottom Depth~", 0) == 0; }));
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                          [](const std::string& row) { return row.rfind("50% Nitrox~OC~", 0) == 0; }));
  for (std::size_t r = 1; r < rows.size(); ++r) EXPECT_EQ(Cells(rows[r]).size(), 1u) << rows[r];

  // Depths of one run share a table, a column each.
  GeneratorPage together = AirPage(30, 40, 10, 20, 20, 10);
  const std::vector<GeneratedTable> shared =
      views::BuildGeneratedTables(Generate(together), TableGrouping::kByTime, views::TableSettings{});
  ASSERT_EQ(shared.size(), 1u);
  EXPECT_EQ(shared[0].header, "20(mins)~Dive Table~GF<br>30/70~Depths 30m - 40m~~");
  EXPECT_EQ(shared[0].rows[0], "Gas~PPO2~Depths~30m~40m");
}

TEST_F(GeneratedTableSetsTest, ByDepthAFailedBottomTimeAndTheLongerOnesItSkipsAreLeftOut) {
  const GeneratorPage page = AirPage(40, 40, 10, 10, 30, 10);
  const TableGenerationRun run = Generate(page, 20);
  ASSERT_EQ(run.PlanAt(0, 1).outcome, PlanOutcome::kUnableToComplete);

  views::TableSettings settings;
  settings.minutesAndSeconds = true;
  const std::vector<GeneratedTable> tables = views::BuildGeneratedTables(run, TableGrouping::kByDepth, settings);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].header, "40m~Dive Table~GF<br>30/70~Durations 10:00 - 30:00 Mins~~");
  EXPECT_EQ(tables[0].rows[0], "Gas~PPO2~Depths&nbsp\\&nbspTimes~10:00");
  const std::vector<std::string>& rows = tables[0].rows;
  ASSERT_GE(rows.size(), 3u);
  for (std::size_t r = 1; r < rows.size(); ++r) {
    ASSERT_EQ(Cells(rows[r]).size(), 1u) << rows[r];
    // Minutes and seconds of the segment, then of the run time.
    EXPECT_EQ(Cells(rows[r])[0].find('/'), Cells(rows[r])[0].find(':', 0) + 3) << rows[r];
  }
  EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                          [](const std::string& row) { return row.rfind("Air~OC~Bottom 40~", 0) == 0; }));

  // A plan that fails at its first bottom time leaves nothing: no table and no document.
  const TableGenerationRun none = Generate(page, 10);
  views::CDivePlanTablesHtml writer;
  EXPECT_FALSE(views::CreateTables(none, TableGrouping::kByDepth, settings, writer));
  EXPECT_TRUE(writer.GetHtml().empty());
  EXPECT_TRUE(views::CreateTables(run, TableGrouping::kByDepth, settings, writer));
  EXPECT_NE(writer.GetHtml().find("Durations 10:00 - 30:00 Mins"), std::string::npos);
}

TEST_F(GeneratedTableSetsTest, APlanWithoutASegmentOfARowShowsADashThere) {
  // Five minutes at 40 m need no stop at 9 m; forty minutes do.
  const TableGenerationRun run = Generate(AirPage(40, 40, 10, 5, 40, 35));
  const std::vector<GeneratedTable> tables =
      views::BuildGeneratedTables(run, TableGrouping::kByDepth, views::TableSettings{});
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].rows[0], "Gas~PPO2~Depths&nbsp\\&nbspTimes~5~40");
  const auto stopAt9 = std::find_if(tables[0].rows.begin(), tables[0].rows.end(),
                                    [](const std::string& row) { return row.rfind("50% Nitrox~OC~ 9~", 0) == 0; });
  ASSERT_NE(stopAt9, tables[0].rows.end());
  const std::vector<std::string> cells = Cells(*stopAt9);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0], "-");
  EXPECT_NE(cells[1], "-");
  // Whole minutes: the segment time, then the run time.
  EXPECT_NE(cells[1].find(" / "), std::string::npos);
}

}  // namespace
