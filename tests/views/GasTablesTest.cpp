// The open-circuit gas-consumption tables.
#include "views/core/GasTables.h"

#include <gtest/gtest.h>

#include "tests/views/TableTestSupport.h"

namespace {

using views::CGasConsumptionTablesHtml;
using views::DiveTableFacts;
using views::PlanTableFacts;

DiveTableFacts OpenCircuitDive() {
  DiveTableFacts dive;
  dive.segments = {Segment(24, 1500, kSegmentBottomDepth, 1500, 21, 0), Segment(0, 150, kSegmentAscentToSurface, 1650, 21, 0)};
  dive.gfLowPercent = 30;
  dive.gfHighPercent = 85;
  dive.sacLitresPerMin = 20;
  dive.lastStepTimeSec = 1650;
  dive.finalCns = 0.2;
  dive.finalOtu = 30;
  dive.gasUsed = true;
  dive.diveSacUsed = true;
  dive.gasUsage = {"Air~37.0~3.1"};
  return dive;
}

TEST(GasTables, APlanWithoutOpenCircuitGasGivesTheHeadAndFooterOnly) {
  DiveTableFacts closedCircuit = OpenCircuitDive();
  closedCircuit.gasUsed = false;
  PlanTableFacts plan;
  plan.dives = {closedCircuit, std::nullopt};
  CGasConsumptionTablesHtml writer;
  writer.SetClock(FixedMoment);
  views::BuildGasUsageTableHtml(plan, -1, Settings(UnitSystem::kMetric, false, false), writer);
  // This document has no parameters: no title, no author and no link.
  EXPECT_EQ(writer.GetHtml(), DocumentHead("", "") + DocumentFooter(""));
  // A single dive without gas usage rebuilds the document all the same.
  writer.SetClock([] {
    std::tm later = FixedMoment();
    later.tm_min = 8;
    return later;
  });
  views::BuildGasUsageTableHtml(plan, 0, Settings(UnitSystem::kMetric, false, false), writer);
  EXPECT_NE(writer.GetHtml().find("This file was created on 05.03.2026 14:08:09"), std::string::npos);
}

TEST(GasTables, ImperialHeadingsGiveTheWorkingPressureInWholePsiAndBailoutTitlesNameTheSacsUsed) {
  DiveTableFacts bailout = OpenCircuitDive();
  bailout.bailout = true;
  bailout.bailoutDepthMetres = 24;
  bailout.bailoutTimeSec = 1259;
  bailout.bailoutGfLowPercent = 100;
  bailout.bailoutGfHighPercent = 100;
  bailout.bailoutSacLitresPerMin = 28.31685;  // one cubic foot
  bailout.diveSacUsed = false;
  bailout.bailoutSacUsed = true;
  bailout.finalOtu = 301;
  PlanTableFacts plan;
  plan.dives = {OpenCircuitDive(), bailout};
  plan.gasReservePercent = 33;
  plan.cylinderWorkingPressureBar = 240;
  CGasConsumptionTablesHtml writer;
  writer.SetClock(FixedMoment);
  views::BuildGasUsageTableHtml(plan, -1, Settings(UnitSystem::kImperial, false, false), writer);
  const std::string html = writer.GetHtml();

  // 240 bar are 3480.9 psi.
  EXPECT_EQ(CountOf(html, "<tr>\n<th valign=\"middle\" align=\"center\">Gas Mix<br>(O2% / He%)</th>\n"
                          "<th valign=\"middle\" align=\"center\">Gas Volume Required (cu ft)<br>Reserve 33%</th>\n"
                          "<th valign=\"middle\" align=\"center\">Cylinder Size Required (cu ft)<br>Working Pressure "
                          "3481 PSI</th>\n</tr>\n<tr>\n<td valign=\"middle\" align=\"center\">Air</td>\n"),
            2u);
  // 24 m are 78.2 ft; 20 l/min are 0.7 cubic feet.
  EXPECT_NE(html.find("<h1>78ft</h1></td>\n<td valign=\"middle\" align=\"middle\"><h2>&nbsp;Gas Usage Table<br>"
                      "SAC 0.7 (cu ft/min)</h2></td>"),
            std::string::npos);
  EXPECT_NE(html.find("<h2>&nbsp;Gas Usage Table<br>Bailout @ 78ft @ 20 mins GF100/100<br>SAC 1.0 (cu ft/min)</h2>"),
            std::string::npos);
  // Every dive shows its final values only, the later one too, and no surface interval.
  EXPECT_NE(html.find("&nbsp;Dive 2 of 2, Duration (hh:mm) 0:28</td>"), std::string::npos);
  EXPECT_NE(html.find("&nbsp;CNS Final 20.0% - <font color = red>OTU Final 100.3%</font></td>"), std::string::npos);
  EXPECT_NE(html.find("&nbsp;CNS Final 20.0% - OTU Final 10.0%</td>"), std::string::npos);
  EXPECT_EQ(CountOf(html, "<div class=\"breakafter\"><br></div>\n<table"), 1u);
}

}  // namespace
