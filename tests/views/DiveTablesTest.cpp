// The dive tables of a plan, byte for byte, and the rules that decide which dives, columns and
// rows they print.
#include "views/core/DiveTables.h"
#include "views/core/GasTables.h"

#include <gtest/gtest.h>

#include "engine/AppSettings.h"
#include "engine/PlanGroup.h"
#include "engine/PredictionPoint.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TempFolders.h"
#include "tests/views/TableTestSupport.h"

namespace {

using views::CDivePlanTablesHtml;
using views::DiveTableFacts;
using views::PlanTableFacts;

constexpr const char* kLink = "https://velmar.example/tessaline";
constexpr const char* kLinkParagraph = "<p><a href=\"https://velmar.example/tessaline\">Velmar Home Page</a></p>";

void GiveMainWindowParameters(CDivePlanTablesHtml& writer) {
  writer.SetClock(FixedMoment);
  writer.SetParameters("Velmar Tessaline", "Oskerby Ltd.", "Dive Table", kLink, "Velmar Home Page", "#C0C0C0",
                       "#000000", "#ff6666", "#ffffcc");
}

// One dive table as its template frames it, with the header texts already filled.
std::string DiveTable(const std::string& depth, const std::string& title, const std::string& gradientFactors,
                      const std::string& number, const std::string& cnsAndOtu, const std::string& body) {
  return "<table border=\"1\" cellpadding=\"5\" align=\"center\" width=\"90%\">\n"
         "<THEAD style=\"display: table-header-group\">\n"
         "<tr>\n"
         "<td>\n"
         "<table border=\"1\" cellpadding=\"1\" width=\"100%\">\n"
         "<tr>\n"
         "<td rowspan=\"3\" valign=\"middle\" align=\"middle\" width=\"10%\"><h1>" + depth + "</h1></td>\n"
         "<td valign=\"middle\" align=\"middle\"><h2>&nbsp;" + title + "</h2></td>\n"
         "<td rowspan=\"3\" valign=\"middle\" align=\"middle\" width=\"10%\"><h1>" + gradientFactors + "</h1></td>\n"
         "</tr>\n"
         "<tr>\n"
         "<td valign=\"middle\" align=\"left\">&nbsp;" + number + "</td>\n"
         "</tr>\n"
         "<tr>\n"
         "<td valign=\"middle\" align=\"left\">&nbsp;" + cnsAndOtu + "</td>\n"
         "</tr>\n"
         "</table>\n"
         "</td>\n"
         "</tr>\n"
         "</THEAD>\n"
         "<TBODY>\n"
         "<tr>\n<td>\n<table border=\"1\" cellpadding=\"5\" width=\"100%\">\n" + body + "</td>\n</tr>\n"
         "</TBODY>\n"
         "<TFOOT style=\"display: table-footer-group\">\n"
         "<tr>\n"
         "<td valign=\"middle\" align=\"center\">" + kTableFooterText + "</td>\n"
         "</tr>\n"
         "</TFOOT>\n"
         "</table>\n";
}

std::string Headings(const std::vector<std::string>& headings) {
  std::string row = "<tr>\n";
  for (const std::string& heading : headings) row += "<th valign=\"middle\" align=\"center\">" + heading + "</th>\n";
  return row + "</tr>\n";
}

std::string Row(const std::string& opening, const std::vector<std::string>& cells) {
  std::string row = opening + ">\n";
  for (const std::string& cell : cells) row += "<td valign=\"middle\" align=\"center\">" + cell + "</td>\n";
  return row + "</tr>\n";
}

const std::string kWhite = "<tr";
const std::string kGrey = "<tr style=\"background-color:gainsboro\"";
const std::string kGreyRed = "<tr style=\"background-color:gainsboro;color:red\"";
const std::string kPageBreak = "<div class=\"breakafter\"><br></div>\n";

// 30 m on air for 20 minutes from leaving the surface, then stops at 6 and 3 m on EAN50.
DiveTableFacts MetricDive() {
  DiveTableFacts dive;
  dive.segments = {Segment(30, 120, kSegmentTravel, 120, 21, 0),
                   Segment(30, 1080, kSegmentBottomDepth, 1200, 21, 0),
                   Segment(9, 130, kSegmentFirstAscent, 1330, 21, 0),
                   Segment(6, 95, kSegmentDecoStop, 1425, 50, 0),
                   Segment(3, 300, kSegmentDecoStop, 1725, 50, 0),
                   Segment(0, 18, kSegmentAscentToSurface, 1743, 50, 0)};
  dive.gfLowPercent = 30;
  dive.gfHighPercent = 70;
  dive.lastStepTimeSec = 1743;
  dive.finalCns = 0.125;
  dive.finalOtu = 45;
  return dive;
}

TEST(DiveTables, OneMetricDiveInMinutesAndSeconds) {
  CDivePlanTablesHtml writer;
  GiveMainWindowParameters(writer);
  PlanTableFacts plan;
  plan.dives = {MetricDive()};
  ASSERT_TRUE(views::BuildDiveTableHtml(plan, 0, Settings(UnitSystem::kMetric, true, false), writer));

  const std::string body = Headings({"Gas", "PPO2", "Depth (m)", "Segment Time", "Run Time"}) +
                           Row(kWhite, {"Air", "OC", "30", "2:00", "2:00"}) +
                           Row(kGrey, {"Air", "OC", "Bottom Depth", "18:00", "20:00"}) +
                           Row(kWhite, {"Air", "OC", "Ascent to 1st Stop", "2:10", "22:10"}) +
                           Row(kGrey, {"50% Nitrox", "OC", " 6", "1:35", "23:45"}) +
                           Row(kWhite, {"50% Nitrox", "OC", " 3", "5:00", "28:45"}) +
                           Row(kGrey, {"50% Nitrox", "OC", "Ascent to Surface", "0:18", "29:03"}) + "</table>\n";
  // 1743 s are 29 minutes and 3 seconds: 0:29.
  EXPECT_EQ(writer.GetHtml(), DocumentHead("Velmar Tessaline", "Oskerby Ltd.") +
                                  DiveTable("30m", "Dive Plan", "GF<br>30/70", "Dive 1 of 1, Duration (hh:mm) 0:29",
                                            "CNS Final 12.5% - OTU Final 15.0%", body) +
                                  DocumentFooter(kLinkParagraph));
}

TEST(DiveTables, ThreeImperialDivesLastSegmentFirstInWholeMinutes) {
  PlanTableFacts plan;
  DiveTableFacts first;  // 18 m on EAN32 with a stop at 3 m
  first.segments = {Segment(18, 54, kSegmentTravel, 54, 32, 0), Segment(18, 1746, kSegmentBottomDepth, 1800, 32, 0),
                    Segment(3, 90, kSegmentFirstAscent, 1890, 32, 0), Segment(3, 181, kSegmentDecoStop, 2071, 32, 0),
                    Segment(0, 20, kSegmentAscentToSurface, 2091, 32, 0)};
  first.gfLowPercent = 40;
  first.gfHighPercent = 85;
  first.lastStepTimeSec = 2091;
  first.finalCns = 0.25;
  first.finalOtu = 60;
  DiveTableFacts second;  // closed circuit on 18/45, warning at the bottom, No Clear Surface
  second.segments = {
      Segment(40, 120, kSegmentTravel, 120, 18, 45, 1.3),
      Segment(40, 1080, kSegmentBottomDepth, 1200, 18, 45, 1.3, kWarningCounterDiffusion | kWarningEad, true),
      Segment(0, 245, kSegmentAscentToSurface, 1445, 18, 45, 1.3)};
  second.gfLowPercent = 40;
  second.gfHighPercent = 85;
  second.surfaceIntervalSec = 5400;
  second.lastStepTimeSec = 1445;
  second.initialCns = 0.2;
  second.finalCns = 1.1;
  second.initialOtu = 50;
  second.finalOtu = 150;
  second.gasWarnings = {"18/45~Isobaric counter diffusion risk~EAD 38 m"};
  DiveTableFacts third;  // a bailout from 30 m after 25 minutes
  third.segments = {Segment(30, 100, kSegmentTravel, 100, 10, 50, 1.2),
                    Segment(30, 1400, kSegmentBottomDepth, 1500, 10, 50, 1.2),
                    Segment(0, 200, kSegmentAscentToSurface, 1700, 50, 0)};
  third.gfLowPercent = 20;
  third.gfHighPercent = 80;
  third.bailout = true;
  third.bailoutDepthMetres = 30;
  third.bailoutTimeSec = 1500;
  third.bailoutGfLowPercent = 50;
  third.bailoutGfHighPercent = 90;
  third.bailoutSacLitresPerMin = 20;
  third.surfaceIntervalSec = 600;
  third.lastStepTimeSec = 1700;
  third.initialCns = 0.3;
  third.finalCns = 0.5;
  third.initialOtu = 100;
  third.finalOtu = 320;
  plan.dives = {first, second, third};

  CDivePlanTablesHtml writer;
  GiveMainWindowParameters(writer);
  ASSERT_TRUE(views::BuildDiveTableHtml(plan, -1, Settings(UnitSystem::kImperial, false, true), writer));

  // Run times rounded up to whole minutes: 54 s is 1, 1800 s 30, 1890 s 32, 2071 s and 2091 s 35;
  // each segment time is the difference, so that they add up to 35. 18 m is 58.6 ft, 3 m 9.8 ft.
  const std::string firstBody = Headings({"Gas", "PPO2", "Depth (ft)", "Segment Time", "Run Time"}) +
                                Row(kWhite, {"32% Nitrox", "OC", "Ascent to Surface", "0", "35"}) +
                                Row(kGrey, {"32% Nitrox", "OC", "10", "3", "35"}) +
                                Row(kWhite, {"32% Nitrox", "OC", "Ascent to 1st Stop", "2", "32"}) +
                                Row(kGrey, {"32% Nitrox", "OC", "Bottom Depth", "29", "30"}) +
                                Row(kWhite, {"32% Nitrox", "OC", "59", "1", "1"}) + "</table>\n";
  // 40 m is 130.3 ft; 120 s, 1200 s and 1445 s round up to 2, 20 and 25 minutes.
  const std::string secondBody =
      Headings({"Gas", "PPO2", "Warnings", "Depth (ft)", "NCS", "Segment Time", "Run Time"}) +
      Row(kWhite, {"18/45", "1.30", "&nbsp", "Ascent to Surface", "&nbsp", "5", "25"}) +
      Row(kGreyRed, {"18/45", "1.30", "ICD Risk, EAD", "Bottom Depth", "NCS", "18", "20"}) +
      Row(kWhite, {"18/45", "1.30", "&nbsp", "130", "&nbsp", "2", "2"}) + "</table>\n" +
      "<br><br>\n<table border=\"1\" cellpadding=\"5\" width=\"50%\">\n<tr>\n"
      "<th valign=\"top\" align=\"left\">Gas</th>\n<th valign=\"top\" align=\"left\">Warnings</th>\n</tr>\n"
      "<tr style=\"color:red\">\n<td valign=\"top\" align=\"left\">18/45</td>\n"
      "<td valign=\"top\" align=\"left\">Isobaric counter diffusion risk<br>EAD 38 m</td>\n</tr>\n"
      "</table>\n<br>\n";
  // 30 m is 97.7 ft; 100 s, 1500 s and 1700 s round up to 2, 25 and 29 minutes.
  const std::string thirdBody = Headings({"Gas", "PPO2", "Depth (ft)", "Segment Time", "Run Time"}) +
                                Row(kWhite, {"50% Nitrox", "OC", "Ascent to Surface", "4", "29"}) +
                                Row(kGrey, {"10/50", "1.20", "Bottom Depth", "23", "25"}) +
                                Row(kWhite, {"10/50", "1.20", "98", "2", "2"}) + "</table>\n";
  EXPECT_EQ(writer.GetHtml(),
            DocumentHead("Velmar Tessaline", "Oskerby Ltd.") +
                DiveTable("59ft", "Dive Plan", "GF<br>40/85", "Dive 1 of 3, Duration (hh:mm) 0:35",
                          "CNS Final 25.0% - OTU Final 20.0%", firstBody) +
                kPageBreak +
                DiveTable("130ft", "Dive Plan", "GF<br>40/85",
                          "Dive 2 of 3, Duration (hh:mm) 0:24, Surface Interval (hh:mm) 1:30",
                          "<font color = red>CNS Initial 20.0% Final 110.0%</font> - OTU Initial 16.7% Final 50.0%",
                          secondBody) +
                kPageBreak +
                DiveTable("98ft", "Dive Plan<br>Bailout @ 98ft @ 25 mins GF50/90 SAC 0.7 (cu ft/min)", "GF<br>20/80",
                          "Dive 3 of 3, Duration (hh:mm) 0:28, Surface Interval (hh:mm) 0:10",
                          "CNS Initial 30.0% Final 50.0% - <font color = red>OTU Initial 33.3% Final 106.7%</font>",
                          thirdBody) +
                DocumentFooter(kLinkParagraph));
}

TEST(DiveTables, OnlyDivesThatCanBePrintedGetATableAndTheNumberingCountsEveryDive) {
  DiveTableFacts noSegments = MetricDive();
  noSegments.segments.clear();
  PlanTableFacts plan;
  plan.dives = {std::nullopt, MetricDive(), noSegments};
  const views::TableSettings settings = Settings(UnitSystem::kMetric, true, false);
  CDivePlanTablesHtml writer;
  GiveMainWindowParameters(writer);

  ASSERT_TRUE(views::BuildDiveTableHtml(plan, -1, settings, writer));
  const std::string all = writer.GetHtml();
  EXPECT_EQ(CountOf(all, "<THEAD"), 1u);
  EXPECT_EQ(CountOf(all, "breakafter\"><br></div>"), 0u);
  EXPECT_NE(all.find("&nbsp;Dive 2 of 3, Duration (hh:mm) 0:29, Surface Interval (hh:mm) 0:00</td>"),
            std::string::npos);
  // The single dives that cannot be printed, and an index the plan has no dive for, leave the
  // document as it was.
  for (int index : {0, 2, 3, -2}) {
    EXPECT_FALSE(views::BuildDiveTableHtml(plan, index, settings, writer)) << index;
    EXPECT_EQ(writer.GetHtml(), all) << index;
  }
  plan.dives = {std::nullopt, noSegments};
  EXPECT_FALSE(views::BuildDiveTableHtml(plan, -1, settings, writer));
  EXPECT_EQ(writer.GetHtml(), all);
}

TEST(DiveTables, TheWarningsColumnFollowsTheGasWarningsNotTheSegments) {
  DiveTableFacts warnedGas = MetricDive();
  warnedGas.gasWarnings = {"50% Nitrox~High PPO2"};
  DiveTableFacts warnedSegments = MetricDive();
  warnedSegments.segments[1].warningBits = kWarningHighPpo2 | kWarningLowPpo2;
  PlanTableFacts plan;
  plan.dives = {warnedGas, warnedSegments};
  CDivePlanTablesHtml writer;
  GiveMainWindowParameters(writer);
  const views::TableSettings settings = Settings(UnitSystem::kMetric, true, false);

  ASSERT_TRUE(views::BuildDiveTableHtml(plan, 0, settings, writer));
  std::string html = writer.GetHtml();
  EXPECT_NE(html.find("<th valign=\"middle\" align=\"center\">Warnings</th>"), std::string::npos);
  EXPECT_EQ(CountOf(html, "<td valign=\"middle\" align=\"center\">&nbsp</td>"), 6u);
  EXPECT_EQ(CountOf(html, "color:red"), 1u);  // the warning table's row only
  EXPECT_NE(html.find("<td valign=\"top\" align=\"left\">High PPO2</td>"), std::string::npos);

  ASSERT_TRUE(views::BuildDiveTableHtml(plan, 1, settings, writer));
  html = writer.GetHtml();
  EXPECT_EQ(html.find("Warnings"), std::string::npos);
  EXPECT_EQ(html.find("High O2"), std::string::npos);
  EXPECT_EQ(html.find("color:red"), std::string::npos);
}

TEST(DiveTables, TheDurationRoundsItsMinutesBeforeTheHoursAreTaken) {
  EXPECT_EQ(views::DiveNumberText(0, 1, 3599), "Dive 1 of 1, Duration (hh:mm) 1:00");
  EXPECT_EQ(views::DiveNumberText(1, 2, 3570), "Dive 2 of 2, Duration (hh:mm) 1:00");  // 59.5 minutes: halves up
  EXPECT_EQ(views::DiveNumberText(0, 1, 3569), "Dive 1 of 1, Duration (hh:mm) 0:59");
  EXPECT_EQ(views::DiveNumberText(0, 1, 7290), "Dive 1 of 1, Duration (hh:mm) 2:02");  // 121.5 minutes
}

// A dive calculated by the plan group: 2 minutes down to 30 m on air and 20 minutes there.
class PlanDiveTables : public testing::Test {
 protected:
  void SetUp() override {
    LoadRegistrySettings();
    plan.m_autoRecalc = true;
    CDivePlan& dive = *plan.GetDivePlan(0);
    ASSERT_EQ(dive.AddUserPlanPoint(99, 120, 3000, false, 21, 0, 1.3, false), 0);
    ASSERT_EQ(dive.AddUserPlanPoint(99, 1200, 3000, false, 21, 0, 1.3, false), 1);
    ASSERT_TRUE(plan.IsDiveCalculated(0));
    GiveMainWindowParameters(writer);
  }

  TempFolders folders;
  ScriptedUserInterface userInterface;
  CPlanGroup plan;
  CDivePlanTablesHtml writer;
};

TEST_F(PlanDiveTables, ADiveChangedSinceItsCalculationIsNeverPrintedWithItsOldSegments) {
  const views::TableSettings settings = Settings(UnitSystem::kMetric, false, false);
  ASSERT_TRUE(views::BuildDiveTableHtml(views::ReadPlanTableFacts(plan, UnitSystem::kMetric), 0, settings, writer));
  // The bottom ends 22 minutes after leaving the surface.
  EXPECT_NE(writer.GetHtml().find("<td valign=\"middle\" align=\"center\">Bottom Depth</td>\n"
                                  "<td valign=\"middle\" align=\"center\">20</td>\n"
                                  "<td valign=\"middle\" align=\"center\">22</td>"),
            std::string::npos);
  const std::string printed = writer.GetHtml();

  plan.m_autoRecalc = false;
  ASSERT_TRUE(plan.GetDivePlan(0)->SetGfLow(35));  // waits for a calculation, its segments still there
  ASSERT_GT(plan.GetDivePlan(0)->GetSegmentCount(), 0);
  EXPECT_FALSE(plan.IsDiveCalculated(0));
  EXPECT_FALSE(views::BuildDiveTableHtml(views::ReadPlanTableFacts(plan, UnitSystem::kMetric), 0, settings, writer));
  EXPECT_EQ(writer.GetHtml(), printed);

  ASSERT_TRUE(plan.CaluclateDivePlans(true, 0, false));
  ASSERT_TRUE(views::BuildDiveTableHtml(views::ReadPlanTableFacts(plan, UnitSystem::kMetric), 0, settings, writer));
  EXPECT_NE(writer.GetHtml().find("<h1>GF<br>35/80</h1>"), std::string::npos);
}

TEST(BailoutTables, TheTitlesGiveTheGradientFactorsTheBailoutWasCalculatedWith) {
  LoadRegistrySettings();
  TempFolders folders;
  ScriptedUserInterface userInterface;
  CPlanGroup plan;
  plan.m_autoRecalc = true;
  // 40 m on 10/50 at set-point 1.3 for 20 minutes, GF 20/80; the bailout set to GF 60/60.
  CDivePlan& dive = *plan.GetDivePlan(0);
  ASSERT_EQ(dive.AddUserPlanPoint(99, 1200, 4000, true, 10, 50, 1.3, false), 0);
  ASSERT_TRUE(dive.SetBailoutGfLow(60));
  ASSERT_TRUE(dive.SetBailoutGfHigh(60));
  ASSERT_TRUE(dive.BailoutFromCursor(600, true));
  ASSERT_TRUE(dive.IsBailoutPlanPresent());
  ASSERT_TRUE(plan.IsDiveCalculated(0));

  // Each the larger of the dive's and the bailout's: low 60 from the bailout, high 80 from the
  // dive. The dive's own gradient factors stay beside the title; the settings stay as entered.
  const views::PlanTableFacts facts = views::ReadPlanTableFacts(plan, UnitSystem::kMetric);
  const views::TableSettings settings = Settings(UnitSystem::kMetric, false, false);
  CDivePlanTablesHtml diveTables;
  GiveMainWindowParameters(diveTables);
  ASSERT_TRUE(views::BuildDiveTableHtml(facts, 0, settings, diveTables));
  EXPECT_NE(diveTables.GetHtml().find(" GF60/80 SAC "), std::string::npos);
  EXPECT_NE(diveTables.GetHtml().find("<h1>GF<br>20/80</h1>"), std::string::npos);
  views::CGasConsumptionTablesHtml gasTables;
  gasTables.SetClock(FixedMoment);
  views::BuildGasUsageTableHtml(facts, 0, settings, gasTables);
  EXPECT_NE(gasTables.GetHtml().find(" GF60/80<br>"), std::string::npos);
  for (const std::string& html : {diveTables.GetHtml(), gasTables.GetHtml()}) {
    EXPECT_EQ(html.find("GF60/60"), std::string::npos);
  }
  EXPECT_EQ(dive.GetBailoutGfHigh(), 60);
}

}  // namespace
