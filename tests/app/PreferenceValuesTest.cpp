// The values of the Preferences dialog: read from the settings in the engine's units, and on OK
// only the changed ones written, each rounded to the unit the store keeps.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/PreferenceValues.h"
#include "engine/AppSettings.h"
#include "tests/support/SettingsStoreSpy.h"
#include "tests/support/TempFolders.h"

namespace {

using N = PreferenceNumber;
using C = PreferenceChoice;

std::vector<std::string> Sorted(std::vector<std::string> values) {
  std::sort(values.begin(), values.end());
  return values;
}

TEST(PreferenceValues, DefaultsAreReadInTheEngineUnitsAndOnlyChangedValuesAreWrittenRounded) {
  TempFolders folders;
  LoadRegistrySettings();
  const PreferenceValues loaded = ReadPreferenceValues(AppSettings());
  // Each from its own setting: the dive and bailout groups differ in their defaults.
  EXPECT_DOUBLE_EQ(loaded[N::kDefaultSetPoint], 1.3);
  EXPECT_DOUBLE_EQ(loaded[N::kCylinderPressure], 240);
  EXPECT_DOUBLE_EQ(loaded[N::kGasReserve], 33);
  EXPECT_DOUBLE_EQ(loaded[N::kGfLow], 20);
  EXPECT_DOUBLE_EQ(loaded[N::kBailoutGfLow], 100);
  EXPECT_DOUBLE_EQ(loaded[N::kMaxEad], 35);
  EXPECT_DOUBLE_EQ(loaded[N::kBailoutMaxEad], 40);
  EXPECT_DOUBLE_EQ(loaded[N::kBailoutMaxCns], 100);
  EXPECT_DOUBLE_EQ(loaded[N::kBailoutGasSwitches], 2);
  EXPECT_EQ(loaded[C::kChartGrid], 1);
  EXPECT_EQ(loaded[C::kPrintingDirection], 1);
  EXPECT_EQ(loaded[C::kAlgorithm], 1);  // a stored ZH-L16A was made ZH-L16C at start-up
  EXPECT_EQ(loaded.gasMixes, "21/0");

  // Nothing changed: nothing is written, not even a default the store does not hold yet.
  SettingsStoreSpy spy;
  WriteChangedPreferences(loaded, loaded, AppSettings());
  EXPECT_FALSE(spy.Written());

  PreferenceValues chosen = loaded;
  chosen[N::kDefaultSetPoint] = 1.15;              // 1150, not the 1149 a truncation gives
  chosen[N::kGfLow] = 25.7;                        // 26
  chosen[N::kGasReserve] = 33.5;                   // 34
  chosen[N::kBailoutMaxEad] = 114 * kMetresPerFoot;  // 35.0037 m: 35004 mm
  chosen[C::kUnits] = 1;
  chosen[C::kIgnoreCns] = 1;
  chosen.surfaceIntervalSec = 5400;
  chosen.bailoutGasList = "21/0,50/0";
  chosen.gasMixes = "21/0,32/0";  // the gas box's list is stored by its page, never here
  WriteChangedPreferences(loaded, chosen, AppSettings());
  EXPECT_EQ(Sorted(spy.Changes()), Sorted({"General\\Units=1", "Dive Plan\\Default PPO2=1150",
                                           "Dive Plan\\Default Gas Reserve=34", "Dive\\GF Low=26",
                                           "Dive\\Surface Interval=5400", "Bailout\\Max EAD=35004",
                                           "Bailout\\Ignore CNS=1", "Bailout Gas List\\Gas Mix 01=21/0,50/0"}));
}

}  // namespace
