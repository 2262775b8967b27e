// The generator's gas lists: depth order, the duplicate rules of each list, what a list refuses,
// deleting, and the rows taken from the settings store.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/views/GeneratorTestSupport.h"
#include "views/core/GasListMessages.h"

namespace {

using GeneratorGasListTest = GeneratorTest;
using AddResult = GeneratorGasList::AddResult;

TEST_F(GeneratorGasListTest, RowsStayInDepthOrderAndEachListDropsItsOwnDuplicate) {
  GeneratorGasList descent(GasListKind::kDescent);
  AddSwitches(descent, {Switch(0, 21, 0), Switch(40, 18, 45), Switch(20, 32, 0)});
  EXPECT_EQ(Depths(descent), (std::vector<double>{0, 20, 40}));
  EXPECT_EQ(descent.SelectedRow(), 1);

  // Air again at 10 m lands directly below the surface row: the deeper of the two goes, and the
  // user is told which depths met.
  EXPECT_TRUE(AddSwitchTellingUser(descent, Switch(10, 21, 0), UnitSystem::kMetric));
  EXPECT_EQ(Depths(descent), (std::vector<double>{0, 20, 40}));
  ASSERT_EQ(Told().size(), 1u);
  EXPECT_EQ(Told()[0], "Duplicate gas switches @ 10 m and 0 m\n\nRemoving 10 m gas switch");

  // The same open-circuit gas at 6 m and 9 m on the way up: the deeper switch stays. In feet the
  // depths are told in feet.
  GeneratorGasList ascent(GasListKind::kAscent);
  AddSwitches(ascent, {Switch(6, 100, 0)});
  EXPECT_TRUE(AddSwitchTellingUser(ascent, Switch(9, 100, 0), UnitSystem::kImperial));
  EXPECT_EQ(Depths(ascent), (std::vector<double>{9}));
  EXPECT_EQ(Told()[1], "Duplicate gas switches @ 20 ft and 29 ft\n\nRemoving 20 ft gas switch");

  // Closed circuit with another set-point is another gas; with the same set-point it is not.
  AddSwitches(ascent, {Switch(21, 100, 0, true, 1.3)});
  AddSwitches(ascent, {Switch(30, 100, 0, true, 1.2)});
  EXPECT_EQ(Depths(ascent), (std::vector<double>{9, 21, 30}));
  std::vector<DroppedSwitch> dropped;
  EXPECT_TRUE(ascent.Update(2, Switch(30, 100, 0, true, 1.3), dropped));
  EXPECT_EQ(Depths(ascent), (std::vector<double>{9, 30}));
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0].droppedMetres, 21);
  EXPECT_EQ(dropped[0].keptMetres, 30);

  // An update may move a row past others: the list is sorted again.
  EXPECT_TRUE(descent.Update(1, Switch(50, 32, 0), dropped));
  EXPECT_EQ(Depths(descent), (std::vector<double>{0, 40, 50}));
}

TEST_F(GeneratorGasListTest, AFullListAnEqualDepthAndAnUnusableRowAreRefused) {
  GeneratorGasList ascent(GasListKind::kAscent);
  for (int i = 0; i < NO_OF_GAS_MIXES; ++i) AddSwitches(ascent, {Switch(3.0 * (i + 1), i % 2 ? 50 : 100, 0)});
  ASSERT_EQ(ascent.Count(), 12);
  EXPECT_FALSE(AddSwitchTellingUser(ascent, Switch(60, 32, 0), UnitSystem::kMetric));
  EXPECT_EQ(Told(), (std::vector<std::string>{"Maximum limit of 12 Gas Switches.\n\nUnable to add additional items"}));

  GeneratorGasList descent(GasListKind::kDescent);
  AddSwitches(descent, {Switch(0, 21, 0), Switch(30, 18, 45)});
  EXPECT_FALSE(AddSwitchTellingUser(descent, Switch(30, 10, 70), UnitSystem::kMetric));
  EXPECT_EQ(Told().back(), "Depth already exists.\n\nUse Update to modify an item");
  EXPECT_EQ(descent.Row(1).GetHelium(), 45);

  // Rows read from files are never sorted while not a number, never a gas that cannot be
  // breathed, never below the deepest depth the editor offers.
  std::vector<DroppedSwitch> dropped;
  for (const CGasSwitch& bad : {Switch(NAN, 21, 0), Switch(10, 3, 0), Switch(10, 60, 50), Switch(-1, 21, 0),
                                Switch(400, 21, 0), Switch(10, 21, 0, true, NAN), Switch(10, 21, 0, true, 1.6)}) {
    EXPECT_EQ(descent.Add(bad, dropped), AddResult::kUnusable);
    EXPECT_FALSE(descent.Update(1, bad, dropped));
  }
  EXPECT_EQ(Depths(descent), (std::vector<double>{0, 30}));
  EXPECT_EQ(Told().size(), 2u);
}

TEST_F(GeneratorGasListTest, DeletingNeverTakesTheFirstDescentRow) {
  GeneratorGasList descent(GasListKind::kDescent);
  AddSwitches(descent, {Switch(0, 21, 0), Switch(20, 32, 0), Switch(40, 18, 45), Switch(60, 10, 70)});
  // The Delete key with rows 0 and 2 selected deletes only row 2.
  EXPECT_EQ(descent.DeleteRows({0, 2}), 1);
  EXPECT_EQ(Depths(descent), (std::vector<double>{0, 20, 60}));
  EXPECT_FALSE(descent.Delete(0));
  EXPECT_FALSE(descent.Delete(3));
  // From the bottom up, so that each index still names the row selected.
  EXPECT_EQ(descent.DeleteRows({1, 2}), 2);
  EXPECT_EQ(Depths(descent), (std::vector<double>{0}));
  EXPECT_FALSE(descent.Rows()[1].IsGasSet());

  GeneratorGasList ascent(GasListKind::kAscent);
  AddSwitches(ascent, {Switch(6, 100, 0)});
  EXPECT_TRUE(ascent.Delete(0));
  EXPECT_EQ(ascent.Count(), 0);
}

TEST_F(GeneratorGasListTest, RowsFromTheSettingsStoreAreCompactedSortedAndFreedOfDuplicates) {
  GasSwitchSettings& travel = AppSettings().gasMix.travelGas;
  GasSwitchSettings& deco = AppSettings().gasMix.decoGas;
  travel[0].Set("0.00,0.00,0.00,0,0.00,0");
  travel[1].Set("30.00,18.00,45.00,0,0.00,1");
  travel[2].Set("0.00,21.00,0.00,0,0.00,1");
  travel[4].Set("40.00,18.00,45.00,0,0.00,1");
  travel[5].Set("nan,21.00,0.00,0,0.00,1");
  travel[6].Set("12,21");
  deco[0].Set("6.00,100.00,0.00,0,0.00,1");
  deco[3].Set("9.00,100.00,0.00,0,0.00,1");
  AppSettings().tableGeneration.depthStartMetres.raw.Set(30705);
  AppSettings().tableGeneration.durationStepMin.Set(0);
  AppSettings().tableGeneration.tableGrouping.Set(7);

  const GeneratorPage page = LoadGeneratorPage(UnitSystem::kImperial);
  EXPECT_EQ(Depths(page.travel), (std::vector<double>{0, 30}));
  EXPECT_EQ(Depths(page.deco), (std::vector<double>{9}));
  EXPECT_TRUE(Told().empty());
  // 30.705 m is 100 ft; a step of 0 would never end a run and is read as the smallest step.
  EXPECT_EQ(page.Shown(kDepthStart), 100);
  EXPECT_EQ(page.Shown(kDurationStep), 1);
  EXPECT_EQ(page.grouping, TableGrouping::kByTime);

  // Done stores every field and all twelve rows of each list, empty ones included.
  StoreGeneratorPage(page);
  EXPECT_EQ(AppSettings().tableGeneration.depthStartMetres.raw.Get(), 30705u);
  EXPECT_EQ(AppSettings().tableGeneration.durationStepMin.Get(), 1u);
  EXPECT_EQ(AppSettings().tableGeneration.tableGrouping.Get(), 1u);
  EXPECT_EQ(travel[1].Get(), "30.00,18.00,45.00,0,0.00,1");
  EXPECT_EQ(travel[2].Get(), "0.00,0.00,0.00,1,0.00,0");
  EXPECT_EQ(deco[0].Get(), "9.00,100.00,0.00,0,0.00,1");
}

TEST_F(GeneratorGasListTest, RowsTypedInFeetComeBackFromTheSettingsStoreAtTheirWholeFoot) {
  // 145 ft is 44.52225 m, stored as 44.52 m; 30 m is 97.7 ft and stays 30 m in feet.
  GeneratorPage page(UnitSystem::kImperial);
  AddSwitches(page.travel, {Switch(0, 21, 0), Switch(30, 18, 45)});
  AddSwitches(page.deco, {Switch(145 * kMetresPerFoot, 50, 0)});
  StoreGeneratorPage(page);
  EXPECT_EQ(AppSettings().gasMix.decoGas[0].Get(), "44.52,50.00,0.00,0,0.00,1");
  const GeneratorPage feet = LoadGeneratorPage(UnitSystem::kImperial);
  EXPECT_EQ(Depths(feet.travel), (std::vector<double>{0, 30}));
  EXPECT_EQ(Depths(feet.deco), (std::vector<double>{145 * kMetresPerFoot}));
  EXPECT_EQ(Depths(LoadGeneratorPage(UnitSystem::kMetric).deco), (std::vector<double>{44.52}));
}

}  // namespace
