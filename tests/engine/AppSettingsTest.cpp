#include "engine/AppSettings.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <variant>
#include <vector>

#include "engine/support/DebugLog.h"
#include "platform/Registry.h"
#include "platform/UserFolders.h"
#include "tests/support/TempFolders.h"

namespace {

const std::string kSettingsKey = "Software\\Velmar\\VelmarTessaline\\Settings";

// How a setting is stored: as it is used, in thousandths of its unit, as a 0/1 flag, or as text.
enum class Kind { kNumber, kMilli, kFlag, kText };
using Value = std::variant<double, std::string>;

struct Entry {
  std::string path;  // below "Settings"
  Kind kind;
  Value defaultValue;  // what a user of the setting sees
  std::function<Value(const CAppSettings&)> read;
};

std::string KeyOf(const std::string& path) {
  const auto last = path.rfind('\\');
  return last == std::string::npos ? kSettingsKey : kSettingsKey + "\\" + path.substr(0, last);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

// Every setting with its default, worked out from the settings table (millimetres to metres,
// millibar to bar and so on), and where a user reads it.
std::vector<Entry> AllSettings() {
  using S = const CAppSettings&;
  const std::string home = platform::HomeFolder().string();
  std::vector<Entry> all = {
      {"Language ID", Kind::kNumber, 1033.0, [](S s) -> Value { return double(s.languageId.Get()); }},
      {"Directories\\Default Directory", Kind::kText, home,
       [](S s) -> Value { return s.directories.plansAndDives.Get(); }},
      {"Directories\\Default Settings Directory", Kind::kText, home,
       [](S s) -> Value { return s.directories.tableSettings.Get(); }},
      {"Directories\\Default Gas Mix List Directory", Kind::kText, home,
       [](S s) -> Value { return s.directories.gasMixLists.Get(); }},
      {"General\\Chart Grid Enable", Kind::kFlag, 1.0, [](S s) -> Value { return double(s.general.chartGridEnable.Get()); }},
      {"General\\Auto Recalc", Kind::kFlag, 1.0, [](S s) -> Value { return double(s.general.autoRecalc.Get()); }},
      {"General\\Units", Kind::kNumber, 0.0, [](S s) -> Value { return double(s.general.units.Get()); }},
      {"General\\Printing Direction", Kind::kNumber, 1.0,
       [](S s) -> Value { return double(s.general.printingDirection.Get()); }},
      {"General\\Time Units", Kind::kNumber, 0.0, [](S s) -> Value { return double(s.general.timeUnits.Get()); }},
      {"General\\First Ascent Option", Kind::kNumber, 0.0,
       [](S s) -> Value { return double(s.general.firstAscentOption.Get()); }},
      {"General\\Diver ID", Kind::kText, std::string(), [](S s) -> Value { return s.general.diverId.Get(); }},
      {"Dive Plan\\Surface Interval Algorithm", Kind::kNumber, 0.0,
       [](S s) -> Value { return double(s.divePlan.surfaceIntervalAlgorithm.Get()); }},
      // Stored as 0 by default, and 0 becomes 1 at every start.
      {"Dive Plan\\Algorithm", Kind::kNumber, 1.0, [](S s) -> Value { return double(s.divePlan.algorithm.Get()); }},
      {"Dive Plan\\Default CC", Kind::kFlag, 0.0,
       [](S s) -> Value { return double(s.divePlan.defaultClosedCircuit.Get()); }},
      {"Dive Plan\\Default PPO2", Kind::kMilli, 1.3, [](S s) -> Value { return s.divePlan.defaultSetPointBar.Get(); }},
      {"Dive Plan\\Default No Clear Surface", Kind::kFlag, 0.0,
       [](S s) -> Value { return double(s.divePlan.defaultNoClearSurface.Get()); }},
      {"Dive Plan\\Default Cylinder Working Pressure", Kind::kMilli, 240.0,
       [](S s) -> Value { return s.divePlan.defaultCylinderWorkingPressureBar.Get(); }},
      {"Dive Plan\\Default Gas Reserve", Kind::kNumber, 33.0,
       [](S s) -> Value { return double(s.divePlan.defaultGasReservePercent.Get()); }},
      {"Dive\\Surface Pressure", Kind::kNumber, 1000.0, [](S s) -> Value { return double(s.dive.surfacePressureMbar.Get()); }},
      {"Dive\\GF Low", Kind::kNumber, 20.0, [](S s) -> Value { return double(s.dive.gfLowPercent.Get()); }},
      {"Dive\\GF High", Kind::kNumber, 80.0, [](S s) -> Value { return double(s.dive.gfHighPercent.Get()); }},
      {"Dive\\SAC Rate", Kind::kMilli, 30.0, [](S s) -> Value { return s.dive.sacRateLitresPerMin.Get(); }},
      {"Dive\\Max PPO2", Kind::kMilli, 1.6, [](S s) -> Value { return s.dive.maxPpo2Bar.Get(); }},
      {"Dive\\Max EAD", Kind::kMilli, 35.0, [](S s) -> Value { return s.dive.maxEadMetres.Get(); }},
      {"Dive\\Surface Interval", Kind::kNumber, 0.0, [](S s) -> Value { return double(s.dive.surfaceIntervalSec.Get()); }},
      {"Dive\\Descent Rate", Kind::kMilli, 20.0, [](S s) -> Value { return s.dive.descentRateMetresPerMin.Get(); }},
      {"Dive\\Ascent Rate", Kind::kMilli, 10.0, [](S s) -> Value { return s.dive.ascentRateMetresPerMin.Get(); }},
      {"Dive\\Last Deco Stop", Kind::kMilli, 6.0, [](S s) -> Value { return s.dive.lastDecoStopMetres.Get(); }},
      {"Bailout\\No Of Gas Switches", Kind::kNumber, 2.0, [](S s) -> Value { return double(s.bailout.noOfGasSwitches.Get()); }},
      {"Bailout\\GF Low", Kind::kNumber, 100.0, [](S s) -> Value { return double(s.bailout.gfLowPercent.Get()); }},
      {"Bailout\\GF High", Kind::kNumber, 100.0, [](S s) -> Value { return double(s.bailout.gfHighPercent.Get()); }},
      {"Bailout\\SAC Rate", Kind::kMilli, 30.0, [](S s) -> Value { return s.bailout.sacRateLitresPerMin.Get(); }},
      {"Bailout\\Max PPO2", Kind::kMilli, 1.6, [](S s) -> Value { return s.bailout.maxPpo2Bar.Get(); }},
      {"Bailout\\Max EAD", Kind::kMilli, 40.0, [](S s) -> Value { return s.bailout.maxEadMetres.Get(); }},
      {"Bailout\\Max CNS", Kind::kMilli, 100.0, [](S s) -> Value { return s.bailout.maxCnsPercent.Get(); }},
      {"Bailout\\Descent Rate", Kind::kMilli, 20.0, [](S s) -> Value { return s.bailout.descentRateMetresPerMin.Get(); }},
      {"Bailout\\Ascent Rate", Kind::kMilli, 10.0, [](S s) -> Value { return s.bailout.ascentRateMetresPerMin.Get(); }},
      {"Bailout\\Last Deco Stop", Kind::kMilli, 6.0, [](S s) -> Value { return s.bailout.lastDecoStopMetres.Get(); }},
      {"Bailout\\Use Bailout Gas List", Kind::kFlag, 0.0,
       [](S s) -> Value { return double(s.bailout.useBailoutGasList.Get()); }},
      {"Bailout\\Ignore CNS", Kind::kFlag, 0.0, [](S s) -> Value { return double(s.bailout.ignoreCns.Get()); }},
      {"Bailout\\Ignore ICD", Kind::kFlag, 0.0, [](S s) -> Value { return double(s.bailout.ignoreIcd.Get()); }},
      {"Bailout Gas List\\Gas Mix 01", Kind::kText, std::string(), [](S s) -> Value { return s.bailoutGasList.Get(); }},
      {"Gas Mix\\Gas Mixes", Kind::kText, std::string("21/0"), [](S s) -> Value { return s.gasMix.gasMixes.Get(); }},
      {"Gas Mix\\Gas Mixes Ageing", Kind::kText, std::string("21/0/-1/-1"),
       [](S s) -> Value { return s.gasMix.gasMixesAgeing.Get(); }},
      {"Table Generation\\Depth Start", Kind::kMilli, 10.0,
       [](S s) -> Value { return s.tableGeneration.depthStartMetres.Get(); }},
      {"Table Generation\\Depth Finish", Kind::kMilli, 20.0,
       [](S s) -> Value { return s.tableGeneration.depthFinishMetres.Get(); }},
      {"Table Generation\\Depth Step Size", Kind::kMilli, 10.0,
       [](S s) -> Value { return s.tableGeneration.depthStepMetres.Get(); }},
      {"Table Generation\\Duration Start", Kind::kNumber, 10.0,
       [](S s) -> Value { return double(s.tableGeneration.durationStartMin.Get()); }},
      {"Table Generation\\Duration Finish", Kind::kNumber, 20.0,
       [](S s) -> Value { return double(s.tableGeneration.durationFinishMin.Get()); }},
      {"Table Generation\\Duration Step Size", Kind::kNumber, 5.0,
       [](S s) -> Value { return double(s.tableGeneration.durationStepMin.Get()); }},
      {"Table Generation\\Surface Pressure", Kind::kNumber, 1000.0,
       [](S s) -> Value { return double(s.tableGeneration.surfacePressureMbar.Get()); }},
      {"Table Generation\\Gradient Factor Low", Kind::kNumber, 20.0,
       [](S s) -> Value { return double(s.tableGeneration.gfLowPercent.Get()); }},
      {"Table Generation\\Gradient Factor High", Kind::kNumber, 80.0,
       [](S s) -> Value { return double(s.tableGeneration.gfHighPercent.Get()); }},
      {"Table Generation\\Descent Rate", Kind::kMilli, 20.0,
       [](S s) -> Value { return s.tableGeneration.descentRateMetresPerMin.Get(); }},
      {"Table Generation\\Ascent Rate", Kind::kMilli, 10.0,
       [](S s) -> Value { return s.tableGeneration.ascentRateMetresPerMin.Get(); }},
      {"Table Generation\\Last Deco Stop", Kind::kMilli, 6.0,
       [](S s) -> Value { return s.tableGeneration.lastDecoStopMetres.Get(); }},
      {"Table Generation\\Max PPO2", Kind::kMilli, 1.6, [](S s) -> Value { return s.tableGeneration.maxPpo2Bar.Get(); }},
      {"Table Generation\\Max EAD", Kind::kMilli, 35.0, [](S s) -> Value { return s.tableGeneration.maxEadMetres.Get(); }},
      {"Table Generation\\Table Grouping", Kind::kNumber, 0.0,
       [](S s) -> Value { return double(s.tableGeneration.tableGrouping.Get()); }},
      {"Debug Level", Kind::kNumber, 0.0, [](S s) -> Value { return double(s.debugLevel.Get()); }},
      {"Deco Surface Offset", Kind::kNumber, 30.0, [](S s) -> Value { return double(s.decoSurfaceOffsetMbar.Get()); }},
  };
  const char* const numbers[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
  for (std::size_t slot = 0; slot < 12; ++slot) {
    all.push_back({std::string("Gas Mix\\Travel Gas ") + numbers[slot], Kind::kText,
                   std::string(slot == 0 ? "0.00,21.00,0.00,1,0.70,1" : "0.00,0.00,0.00,0,0.00,0"),
                   [slot](S s) -> Value { return s.gasMix.travelGas[slot].Get(); }});
    all.push_back({std::string("Gas Mix\\Deco Gas ") + numbers[slot], Kind::kText,
                   std::string(slot == 0 ? "3.00,21.00,0.00,1,0.70,1" : "0.00,0.00,0.00,0,0.00,0"),
                   [slot](S s) -> Value { return s.gasMix.decoGas[slot].Get(); }});
  }
  return all;
}

std::string Describe(const Value& value) {
  if (const double* number = std::get_if<double>(&value)) return testing::PrintToString(*number);
  return "\"" + std::get<std::string>(value) + "\"";
}

void ExpectValue(const Value& actual, const Value& expected, const std::string& path) {
  if (std::holds_alternative<double>(expected) && std::holds_alternative<double>(actual)) {
    EXPECT_NEAR(std::get<double>(actual), std::get<double>(expected), 1e-9) << path;
  } else {
    EXPECT_EQ(Describe(actual), Describe(expected)) << path;
  }
}

// The value stored raw for entry i in the path test, and what its user must then see.
void StoreDistinctValue(const Entry& entry, std::size_t i, Value& expected) {
  const std::uint32_t number = 4000 + static_cast<std::uint32_t>(i);
  platform::RegistryStore& store = platform::Registry();
  switch (entry.kind) {
    case Kind::kNumber:
      ASSERT_TRUE(store.WriteDword(KeyOf(entry.path), NameOf(entry.path), number));
      expected = double(number);
      break;
    case Kind::kMilli:
      ASSERT_TRUE(store.WriteDword(KeyOf(entry.path), NameOf(entry.path), number));
      expected = number / 1000.0;
      break;
    case Kind::kFlag: {
      const bool on = std::get<double>(entry.defaultValue) == 0.0;
      ASSERT_TRUE(store.WriteDword(KeyOf(entry.path), NameOf(entry.path), on ? 1 : 0));
      expected = on ? 1.0 : 0.0;
      break;
    }
    case Kind::kText:
      ASSERT_TRUE(store.WriteString(KeyOf(entry.path), NameOf(entry.path), "value " + std::to_string(i)));
      expected = "value " + std::to_string(i);
      break;
  }
}

class AppSettingsTest : public testing::Test {
 protected:
  void TearDown() override { TheDebugLog().SetDebugLevel(0); }
  TempFolders folders;
};

// Runs a change in a second process with its own settings, as a second copy of the program
// started on the same store would make it.
void InSecondCopy(const std::function<void(CAppSettings&)>& change) {
  const pid_t child = ::fork();
  if (child == 0) {
    LoadRegistrySettings();
    change(AppSettings());
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace

TEST_F(AppSettingsTest, ThereAreEightyFiveSettings) { EXPECT_EQ(AllSettings().size(), 85u); }

TEST_F(AppSettingsTest, AnEmptyStoreGivesEveryDefaultInItsUsersUnits) {
  LoadRegistrySettings();
  for (const Entry& entry : AllSettings()) ExpectValue(entry.read(AppSettings()), entry.defaultValue, entry.path);
}

TEST_F(AppSettingsTest, EverySettingReadsItsOwnValue) {
  const std::vector<Entry> all = AllSettings();
  for (std::size_t i = 0; i < all.size(); ++i) {
    TempFolders store;
    Value expected;
    StoreDistinctValue(all[i], i, expected);
    LoadRegistrySettings();
    for (std::size_t j = 0; j < all.size(); ++j) {
      ExpectValue(all[j].read(AppSettings()), j == i ? expected : all[j].defaultValue,
                  all[j].path + " after storing " + all[i].path);
    }
  }
}

TEST_F(AppSettingsTest, StartUpTurnsAlgorithmZeroIntoOneAndKeepsOthers) {
  const std::string key = kSettingsKey + "\\Dive Plan";
  LoadRegistrySettings();
  EXPECT_EQ(platform::Registry().ReadDword(key, "Algorithm"), 1u);
  // Nothing else is written at start-up.
  EXPECT_FALSE(platform::Registry().ReadDword(kSettingsKey + "\\General", "Units").has_value());

  platform::Registry().WriteDword(key, "Algorithm", 0);
  LoadRegistrySettings();
  EXPECT_EQ(AppSettings().divePlan.algorithm.Get(), 1u);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Algorithm"), 1u);

  platform::Registry().WriteDword(key, "Algorithm", 2);
  LoadRegistrySettings();
  EXPECT_EQ(AppSettings().divePlan.algorithm.Get(), 2u);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Algorithm"), 2u);
}

TEST_F(AppSettingsTest, ThousandthsAreRoundedToTheNearest) {
  LoadRegistrySettings();
  CAppSettings& settings = AppSettings();
  const std::string key = kSettingsKey + "\\Dive";
  settings.dive.maxPpo2Bar.Set(1.15);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Max PPO2"), 1150u);
  settings.dive.lastDecoStopMetres.Set(4.5);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Last Deco Stop"), 4500u);
  settings.dive.sacRateLitresPerMin.Set(17.2999);
  EXPECT_EQ(platform::Registry().ReadDword(key, "SAC Rate"), 17300u);
  settings.dive.maxEadMetres.Set(-3);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Max EAD"), 0u);
  settings.dive.descentRateMetresPerMin.Set(1e12);
  EXPECT_EQ(platform::Registry().ReadDword(key, "Descent Rate"), 4294967295u);

  LoadRegistrySettings();
  EXPECT_DOUBLE_EQ(AppSettings().dive.maxPpo2Bar.Get(), 1.15);
  EXPECT_DOUBLE_EQ(AppSettings().dive.sacRateLitresPerMin.Get(), 17.3);
}

TEST_F(AppSettingsTest, StoringTheDefaultOfAnAbsentValueIsKept) {
  LoadRegistrySettings();
  AppSettings().general.autoRecalc.Set(false);
  AppSettings().general.chartGridEnable.Set(true);  // the default, still written
  AppSettings().general.diverId.Set("");
  EXPECT_EQ(platform::Registry().ReadDword(kSettingsKey + "\\General", "Auto Recalc"), 0u);
  EXPECT_EQ(platform::Registry().ReadDword(kSettingsKey + "\\General", "Chart Grid Enable"), 1u);
  EXPECT_EQ(platform::Registry().ReadString(kSettingsKey + "\\General", "Diver ID"), "");
  LoadRegistrySettings();
  EXPECT_FALSE(AppSettings().general.autoRecalc.Get());
}

TEST_F(AppSettingsTest, FlagsAreOnOnlyAtOne) {
  platform::Registry().WriteDword(kSettingsKey + "\\General", "Auto Recalc", 2);
  platform::Registry().WriteDword(kSettingsKey + "\\Bailout", "Ignore CNS", 1);
  LoadRegistrySettings();
  EXPECT_FALSE(AppSettings().general.autoRecalc.Get());
  EXPECT_TRUE(AppSettings().bailout.ignoreCns.Get());
}

TEST_F(AppSettingsTest, TheDebugLevelReachesTheLogWhenLoadedOrSet) {
  platform::Registry().WriteDword(kSettingsKey, "Debug Level", 4);
  LoadRegistrySettings();
  EXPECT_EQ(TheDebugLog().GetDebugLevel(), 4);
  AppSettings().debugLevel.Set(2);
  EXPECT_EQ(TheDebugLog().GetDebugLevel(), 2);
  EXPECT_EQ(platform::Registry().ReadDword(kSettingsKey, "Debug Level"), 2u);
  AppSettings().debugLevel.Set(0xFFFFFFFFu);
  EXPECT_GT(TheDebugLog().GetDebugLevel(), 1000000);
}

TEST_F(AppSettingsTest, DamagedOrMistypedValuesGiveTheDefaults) {
  using namespace std::string_literals;
  for (const std::string& junk : {"\x01\x02\xff\xfe garbage\n\0\0\0"s,
                                 std::string("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Velmar\\VelmarTessal"),
                                 std::string(100000, 'x')}) {
    TempFolders store;
    std::filesystem::create_directories(platform::DefaultRegistryFile().parent_path());
    WriteFileText(platform::DefaultRegistryFile(), junk);
    LoadRegistrySettings();
    for (const Entry& entry : AllSettings()) ExpectValue(entry.read(AppSettings()), entry.defaultValue, entry.path);
  }

  TempFolders store;
  platform::Registry().WriteString(kSettingsKey + "\\General", "Units", "1");
  platform::Registry().WriteDword(kSettingsKey + "\\Gas Mix", "Gas Mixes", 7);
  platform::Registry().WriteDword(kSettingsKey + "\\Dive", "SAC Rate", 0xFFFFFFFFu);
  LoadRegistrySettings();
  EXPECT_EQ(AppSettings().general.units.Get(), 0u);
  EXPECT_EQ(AppSettings().gasMix.gasMixes.Get(), "21/0");
  EXPECT_DOUBLE_EQ(AppSettings().dive.sacRateLitresPerMin.Get(), 4294967.295);
}

TEST(RegSetting, SplitsItsPathIntoKeyAndValueName) {
  CRegSettingDword debugLevel("Software\\Velmar\\VelmarTessaline\\Settings\\Debug Level", 0);
  EXPECT_EQ(debugLevel.GetKeyPath(), "Software\\Velmar\\VelmarTessaline\\Settings");
  EXPECT_EQ(debugLevel.GetValueName(), "Debug Level");

  std::string key;
  std::string name;
  SplitSettingPath("\\Software\\Velmar\\\\Units\\", key, name);
  EXPECT_EQ(key, "Software\\Velmar\\\\Units");
  EXPECT_EQ(name, "");
  SplitSettingPath("\\Software\\\\Velmar\\\\Units", key, name);
  EXPECT_EQ(key, "Software\\\\Velmar");
  EXPECT_EQ(name, "Units");
  SplitSettingPath("Units", key, name);
  EXPECT_EQ(key, "");
  EXPECT_EQ(name, "Units");
}

TEST(RegSetting, AbsentValuesReportTheDefaultUntilStored) {
  TempFolders folders;
  CRegSettingString setting("Software\\Test\\Name", "fallback");
  EXPECT_EQ(setting.Get(), "fallback");
  // Not cached: a value written meanwhile is found.
  platform::Registry().WriteString("Software\\Test", "Name", "stored");
  EXPECT_EQ(setting.Get(), "stored");
}

TEST_F(AppSettingsTest, TwoRunningCopiesNeverLoseAWrite) {
  LoadRegistrySettings();
  CAppSettings& firstCopy = AppSettings();
  const auto storedGfLow = [] { return platform::Registry().ReadDword(kSettingsKey + "\\Dive", "GF Low"); };
  const auto storedDiver = [] { return platform::Registry().ReadString(kSettingsKey + "\\General", "Diver ID"); };

  firstCopy.dive.gfLowPercent.Set(30);
  firstCopy.general.diverId.Set("Jo");
  InSecondCopy([](CAppSettings& secondCopy) {
    secondCopy.dive.gfLowPercent.Set(40);
    secondCopy.general.diverId.Set("Kim");
  });
  EXPECT_EQ(storedGfLow(), 40u);
  EXPECT_EQ(storedDiver(), "Kim");
  // The values this copy set last and still holds: the store takes them again.
  firstCopy.dive.gfLowPercent.Set(30);
  firstCopy.general.diverId.Set("Jo");
  EXPECT_EQ(storedGfLow(), 30u);
  EXPECT_EQ(storedDiver(), "Jo");

  // A value this copy only ever read as its default.
  EXPECT_EQ(firstCopy.dive.gfHighPercent.Get(), 80u);
  InSecondCopy([](CAppSettings& secondCopy) { secondCopy.dive.gfHighPercent.Set(90); });
  firstCopy.dive.gfHighPercent.Set(80);
  EXPECT_EQ(platform::Registry().ReadDword(kSettingsKey + "\\Dive", "GF High"), 80u);
}

TEST(RegSetting, AForcedSettingAlwaysGoesToTheStore) {
  TempFolders folders;
  CRegSettingDword setting("Software\\Test\\Count", 1, true);
  setting.Set(5);
  platform::Registry().WriteDword("Software\\Test", "Count", 7);
  EXPECT_EQ(setting.Get(), 7u);
  setting.Set(7);
  platform::Registry().WriteDword("Software\\Test", "Count", 8);
  setting.Set(7);  // written although it seemed unchanged
  EXPECT_EQ(platform::Registry().ReadDword("Software\\Test", "Count"), 7u);
}

TEST(RegSetting, AFailedWriteKeepsTheNewValueForTheRestOfTheRun) {
  TempFolders folders;
  const auto blocker = folders.Root() / "not-a-folder";
  WriteFileText(blocker, "a file where the store's folder should be");
  platform::UseRegistryFile(blocker / "Velmar" / "registry.reg");
  CRegSettingDword setting("Software\\Test\\Count", 1);
  setting.Set(5);
  EXPECT_EQ(setting.Get(), 5u);
  CRegSettingString text("Software\\Test\\Text", "a");
  text.Set("b");
  EXPECT_EQ(text.Get(), "b");
  EXPECT_FALSE(platform::Registry().ReadDword("Software\\Test", "Count").has_value());
}
