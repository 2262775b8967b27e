// Importing a dive's settings and gas changes into the generator's page, through a plan group.
#include <gtest/gtest.h>

#include "engine/NumberText.h"
#include "tests/views/GeneratorTestSupport.h"
#include "views/core/SettingsImport.h"

namespace {

using SettingsImportTest = GeneratorTest;

void AddPoint(CDivePlan& dive, double depthMetres, int durationSec, double oxygen, double helium) {
  ASSERT_TRUE(dive.AddPointFromRecord(
      FormatC("100~%d~%0.2f~0~%0.2f~%0.2f~0.00~0~0", durationSec, depthMetres * 100, oxygen, helium)));
}

CPlanGroup::GasSwitchTable Table(std::initializer_list<double> depths) {
  CPlanGroup::GasSwitchTable table;
  std::size_t i = 0;
  for (double depth : depths) table[i++].Set(depth, 21, 0, false, 0, true);
  return table;
}

std::vector<double> DepthsOf(const std::vector<CGasSwitch>& side) {
  std::vector<double> depths;
  for (const CGasSwitch& gas : side) depths.push_back(gas.GetDepth());
  return depths;
}

TEST_F(SettingsImportTest, EachDiveIsOfferedAndADiveInBailoutModeAlsoWithItsBailoutPlan) {
  CPlanGroup group;
  ASSERT_TRUE(group.AddDivePlan());
  ASSERT_TRUE(group.AddDivePlan());
  AddPoint(*group.GetDivePlan(0), 40, 600, 21, 0);
  group.GetDivePlan(1)->SetBailoutMode(true);
  group.RenameDive(2, "Wreck");
  const std::vector<ImportRow> rows = BuildImportRows(group);
  ASSERT_EQ(rows.size(), 4u);
  const std::string names[] = {"Dive 1", "Dive 2", "Dive 2", "Dive 3 - Wreck"};
  const std::string summaries[] = {"Max Depth 40.0 (m), Duration 10:00 (mm:ss)", "", "Bailout Mode", ""};
  const double keys[] = {0, 1, 1.5, 2};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].name, names[i]);
    EXPECT_EQ(rows[i].summary, summaries[i]);
    EXPECT_EQ(rows[i].key, keys[i]);
  }
  EXPECT_EQ(ChoiceOfKey(1.5).dive, 1);
  EXPECT_TRUE(ChoiceOfKey(1.5).bailout);
  EXPECT_FALSE(ChoiceOfKey(2).bailout);
}

TEST_F(SettingsImportTest, GasChangesAreSplitByTheDirectionOfTheDive) {
  SwitchSides sides = SplitByDirection(Table({0, 30, 21, 6}));
  EXPECT_EQ(DepthsOf(sides.descent), (std::vector<double>{0, 30}));
  EXPECT_EQ(DepthsOf(sides.ascent), (std::vector<double>{21, 6}));
  sides = SplitByDirection(Table({0, 30, 21, 40}));
  EXPECT_EQ(DepthsOf(sides.descent), (std::vector<double>{0, 30, 40}));
  EXPECT_EQ(DepthsOf(sides.ascent), (std::vector<double>{21}));
  // Only the entries' depths count: the bottom gas listed at 0 m, then 21 m, then 6 m.
  sides = SplitByDirection(Table({0, 21, 6}));
  EXPECT_EQ(DepthsOf(sides.descent), (std::vector<double>{0, 21}));
  EXPECT_EQ(DepthsOf(sides.ascent), (std::vector<double>{6}));
  EXPECT_TRUE(SplitByDirection(CPlanGroup::GasSwitchTable{}).descent.empty());
}

TEST_F(SettingsImportTest, ADivesSettingsAndGasChangesReplaceThePages) {
  CPlanGroup group;
  CDivePlan& dive = *group.GetDivePlan(0);
  dive.SetSurfacePressure(950);
  dive.SetBailoutGfLow(40);
  dive.SetBailoutGfHigh(85);
  dive.SetBailoutDescentRate(18);
  dive.SetBailoutAscentRate(9);
  dive.SetBailoutLastStopDepth(3);
  // 18/45 from the surface to 30 m, EAN50 at 21 m and oxygen at 6 m: the dive's gas changes
  // are 18/45 at 0 m and again at 30 m, EAN50 at 21 m, oxygen at 6 m.
  AddPoint(dive, 30, 1200, 18, 45);
  AddPoint(dive, 21, 0, 50, 0);
  AddPoint(dive, 6, 0, 100, 0);

  GeneratorPage page = MetricPage(10, 40, 10, 10, 30, 10);
  AddSwitches(page.deco, {Switch(3, 21, 0)});
  EXPECT_TRUE(ImportGasSwitches(&group, {0, false}, page));
  EXPECT_EQ(Depths(page.travel), (std::vector<double>{0}));
  EXPECT_EQ(page.travel.Row(0).GetHelium(), 45);
  EXPECT_EQ(Depths(page.deco), (std::vector<double>{6, 21}));
  EXPECT_EQ(Told(), (std::vector<std::string>{"Duplicate gas switches @ 30 m and 0 m\n\nRemoving 30 m gas switch"}));

  GeneratorPage feet(UnitSystem::kImperial);
  EXPECT_TRUE(ImportDiveSettings(&group, ChoiceOfKey(0.5), feet));
  EXPECT_EQ(feet.Shown(kSurfacePressure), 950);
  EXPECT_EQ(feet.Shown(kGfLow), 40);
  EXPECT_EQ(feet.Shown(kGfHigh), 85);
  EXPECT_EQ(feet.Shown(kDescentRate), 59);  // 58.6 ft/min
  EXPECT_EQ(feet.Shown(kAscentRate), 29);   // 29.3
  EXPECT_EQ(feet.Shown(kLastDecoStop), 10);  // 9.8 ft

  // Fourteen gases on the way down, a point every 3 m: the list holds the first gas at 0 m and
  // again at 3 m (a duplicate, dropped), then one entry per point from 6 m to 42 m. The twelve
  // shallowest, 0 and 6 to 36 m, are taken and the user is told of each of the other two.
  CPlanGroup many;
  for (int k = 0; k < 14; ++k) AddPoint(*many.GetDivePlan(0), 3.0 * (k + 1), 60, 21 + k, 0);
  userInterface.questions.clear();
  GeneratorPage deep = MetricPage(10, 40, 10, 10, 30, 10);
  EXPECT_TRUE(ImportGasSwitches(&many, {0, false}, deep));
  ASSERT_EQ(deep.travel.Count(), 12);
  EXPECT_EQ(deep.travel.Row(0).GetOxygen(), 21);
  EXPECT_EQ(deep.travel.Row(1).GetDepth(), 6);
  EXPECT_EQ(deep.travel.Row(11).GetDepth(), 36);
  EXPECT_EQ(deep.deco.Count(), 0);
  const std::string full = "Maximum limit of 12 Gas Switches.\n\nUnable to add additional items";
  EXPECT_EQ(Told(), (std::vector<std::string>{"Duplicate gas switches @ 3 m and 0 m\n\nRemoving 3 m gas switch", full,
                                              full}));

  // No group, no dive, a dive without points: nothing changes.
  EXPECT_FALSE(ImportDiveSettings(nullptr, {0, false}, feet));
  EXPECT_FALSE(ImportGasSwitches(&group, {3, false}, page));
  ASSERT_TRUE(group.AddDivePlan());
  EXPECT_FALSE(ImportGasSwitches(&group, {1, false}, page));
  EXPECT_EQ(Depths(page.deco), (std::vector<double>{6, 21}));
}

}  // namespace
