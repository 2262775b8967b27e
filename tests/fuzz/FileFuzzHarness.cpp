#include "tests/fuzz/FileFuzzHarness.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/core/BailoutGasListModel.h"
#include "app/core/GasMixListFile.h"
#include "engine/AppSettings.h"
#include "engine/GasMixLists.h"
#include "engine/PlanGroup.h"
#include "engine/SettingRanges.h"
#include "engine/NumberText.h"
#include "engine/support/SParser.h"
#include "platform/Registry.h"
#include "platform/RegistryDocument.h"
#include "platform/WholeFiles.h"
#include "views/core/TableGenerationFile.h"

namespace filefuzz {

namespace {

namespace fs = std::filesystem;
using namespace setting_ranges;

// Stops the process so that the fuzzer keeps the input as a finding.
void Require(bool promise) {
  if (!promise) __builtin_trap();
}

// One folder per process, in memory where the system offers it (every save is flushed), removed
// when the process ends.
const fs::path& ScratchFolder() {
  struct Folder {
    Folder() {
      const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
      path = base / ("velmar-file-fuzz-" + std::to_string(::getpid()));
      fs::create_directories(path);
    }
    ~Folder() {
      std::error_code ignored;
      fs::remove_all(path, ignored);
    }
    fs::path path;
  };
  static const Folder folder;
  return folder.path;
}

std::string ScratchFile(const std::string& name) { return (ScratchFolder() / name).string(); }

std::string WriteInput(const std::uint8_t* data, std::size_t size, const std::string& name) {
  const std::string path = ScratchFile(name);
  Require(platform::ReplaceFileContents(path, std::string(reinterpret_cast<const char*>(data), size)));
  return path;
}

std::string ReadScratch(const std::string& path) {
  std::string text;
  Require(platform::ReadRegularFile(path, std::uint64_t{1} << 30, text) == platform::ReadFileResult::kRead);
  return text;
}

bool In(double value, SettingRange range) { return std::isfinite(value) && value >= range.min && value <= range.max; }

void RequireSettingsInRange(const CDivePlan& dive) {
  Require(In(dive.GetGfLow(), kGradientFactorPercent) && In(dive.GetGfHigh(), kGradientFactorPercent));
  Require(In(dive.GetBailoutGfLow(), kGradientFactorPercent) && In(dive.GetBailoutGfHigh(), kGradientFactorPercent));
  Require(In(dive.GetSurfacePressure(), kSurfacePressureMbar));
  Require(In(dive.GetSacRate(), kSacRateLitresPerMin) && In(dive.GetBailoutSacRate(), kSacRateLitresPerMin));
  Require(In(dive.GetMaxPpo2(), kMaxPpo2Bar) && In(dive.GetBailoutMaxPpo2(), kMaxPpo2Bar));
  Require(In(dive.GetMaxEad(), kMaxEadMetres) && In(dive.GetBailoutMaxEad(), kMaxEadMetres));
  Require(In(dive.GetSurfaceInterval(), kSurfaceIntervalSec));
  Require(In(dive.GetDescentRate(), kDescentRateMetresPerMin) &&
          In(dive.GetBailoutDescentRate(), kDescentRateMetresPerMin));
  Require(In(dive.GetAscentRate(), kAscentRateMetresPerMin) && In(dive.GetBailoutAscentRate(), kAscentRateMetresPerMin));
  Require(In(dive.GetLastStopDepth(), kLastStopMetres) && In(dive.GetBailoutLastStopDepth(), kLastStopMetres));
  Require(In(dive.GetBellDepth(), kBellDepthMetres));
  Require(dive.GetBellGas().IsValid());
  Require(In(dive.GetBailoutGasSwitchCount(), kBailoutGasSwitches));
  Require(In(dive.GetBailoutMaxCns(), kBailoutMaxCnsPercent));
}

void RequirePlanInRange(const CPlanGroup& group) {
  Require(group.GetDiveCount() >= 1 && group.GetDiveCount() <= CPlanGroup::kMaxDives);
  Require(!group.m_loadInProgress && !group.m_updateInProgress);
  Require(In(group.GetSurfaceIntervalMethod(), kSurfaceIntervalMethod));
  Require(group.GetAlgorithm() >= 0 && group.GetAlgorithm() <= 2);
  Require(In(group.GetCylinderWorkingPressure(), kCylinderWorkingPressureBar));
  Require(In(group.GetGasReserve(), kGasReservePercent));
  for (int i = 0; i < group.GetDiveCount(); ++i) {
    Require(group.GetDivePlan(i)->GetDiveIndex() == i);
    RequireSettingsInRange(*group.GetDivePlan(i));
  }
}

// A group as the main window keeps it: settings from the registry.
struct FreshGroup {
  FreshGroup() { group.LoadSettings(); }
  CPlanGroup group;
};

// Saves the group's file (a plan, or the dive at index 1), loads it into a new group and saves
// that. The two files must be equal: what the program writes it reads back unchanged.
template <typename Save, typename Load>
void RequireStableRoundTrip(CPlanGroup& group, const std::string& extension, Save save, Load load) {
  const std::string saved = ScratchFile("saved" + extension);
  Require(save(group, saved));
  FreshGroup next;
  Require(load(next.group, saved));
  Require(next.group.GetDiveCount() == group.GetDiveCount());
  const std::string again = ScratchFile("again" + extension);
  Require(save(next.group, again));
  Require(ReadScratch(again) == ReadScratch(saved));
}

// The first load of a file the program did not write may settle a value: the bell gas changes
// only when its name changes, so of "21/0.04" after "21/35" the dive keeps 21/0.04, which a
// new dive, already on air, does not take. From the first save on the files must be stable.
template <typename Save, typename Load>
void RequireRoundTrips(CPlanGroup& loaded, const std::string& extension, Save save, Load load) {
  const std::string first = ScratchFile("first" + extension);
  Require(save(loaded, first));
  FreshGroup settled;
  Require(load(settled.group, first));
  RequirePlanInRange(settled.group);
  RequireStableRoundTrip(settled.group, extension, save, load);
}

void RequirePageInRange(const GeneratorPage& page) {
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    Require(In(page.Shown(GeneratorField(field)), page.Range(GeneratorField(field))));
  }
  for (const GeneratorGasList* list : {&page.travel, &page.deco}) {
    Require(list->Count() >= 0 && list->Count() <= NO_OF_GAS_MIXES);
    for (int row = 0; row < NO_OF_GAS_MIXES; ++row) {
      const CGasSwitch& gas = list->Row(row);
      Require(gas.IsGasSet() == (row < list->Count()));
      if (!gas.IsGasSet()) continue;
      Require(IsUsableSwitch(gas));
      if (row > 0) Require(list->Row(row - 1).GetDepth() < gas.GetDepth() && !IsSameGas(list->Row(row - 1), gas));
    }
  }
}

// Saves the page and reads the file into a new page of the same units.
GeneratorPage SavedAndRead(const GeneratorPage& page, const std::string& path) {
  Require(WriteTableGenerationFile(path, page));
  GeneratorPage read(page.Units());
  Require(ReadTableGenerationFile(path, read));
  RequirePageInRange(read);
  return read;
}

// Saves the list and loads the file into a new list.
BailoutGasListModel SavedAndLoaded(const BailoutGasListModel& list, const std::string& path) {
  Require(SaveGasMixList(path, list));
  BailoutGasListModel loaded;
  Require(LoadGasMixList(path, loaded));
  return loaded;
}

}  // namespace

void RunPlanFile(const std::uint8_t* data, std::size_t size) {
  FreshGroup first;
  const bool loaded = first.group.LoadPlanGroup(WriteInput(data, size, "input.ccp"));
  RequirePlanInRange(first.group);
  if (!loaded) return;
  RequireRoundTrips(
      first.group, ".ccp", [](CPlanGroup& group, const std::string& path) { return group.SavePlanGroup(path); },
      [](CPlanGroup& group, const std::string& path) { return group.LoadPlanGroup(path); });
}

void RunDiveFile(const std::uint8_t* data, std::size_t size) {
  FreshGroup first;
  const bool imported = first.group.ImportDive(WriteInput(data, size, "input.ccd"));
  RequirePlanInRange(first.group);
  Require(first.group.GetDiveCount() == (imported ? 2 : 1));
  if (!imported) return;
  RequireRoundTrips(
      first.group, ".ccd", [](CPlanGroup& group, const std::string& path) { return group.ExportDive(path, 1); },
      [](CPlanGroup& group, const std::string& path) { return group.ImportDive(path); });
}

void RunGasMixLists(const std::uint8_t* data, std::size_t size) {
  const CSParser lines(std::string_view(reinterpret_cast<const char*>(data), size), '\n');
  const int today = ReadLeadingInt(lines.GetField(1));
  const std::string mixes = lines.GetCount() >= 2 ? lines.GetField(2) : "";
  const std::string ageing = lines.GetCount() >= 3 ? lines.GetField(3) : "";
  const GasMixLists aged = AgeGasMixLists(mixes, ageing, today);
  const CSParser keptMixes(aged.mixes, ',');
  const CSParser keptAgeing(aged.ageing, ',');
  Require(keptMixes.GetCount() == keptAgeing.GetCount());
  for (int i = 1; i <= keptMixes.GetCount(); ++i) {
    Require(keptAgeing.GetField(i).rfind(keptMixes.GetField(i) + "/", 0) == 0 || aged.mixes.empty());
  }
  const std::string chosen = RecordGasMixChoice(aged.ageing, ReadLeadingInt(mixes), 0, today);
  const CSParser chosenAgeing(chosen, ',');
  Require(chosenAgeing.GetCount() == keptAgeing.GetCount());
  // A second start ages what the first one left.
  (void)AgeGasMixLists(aged.mixes, chosen, today);
}

void RunSettingsStore(const std::uint8_t* data, std::size_t size) {
  const platform::RegistryDocument document =
      platform::RegistryDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  (void)document.Find("Software\\Velmar\\VelmarTessaline\\Settings\\Dive", "GF Low");
  const std::string written = document.Serialize();
  const platform::RegistryDocument reread = platform::RegistryDocument::Parse(written);
  Require(!reread.IsDamaged());
  Require(reread.Serialize() == written);
}

void RunTableSettingsFile(const std::uint8_t* data, std::size_t size) {
  const std::string input = WriteInput(data, size, "input.cct");
  for (UnitSystem units : {UnitSystem::kMetric, UnitSystem::kImperial}) {
    GeneratorPage page(units);
    if (!ReadTableGenerationFile(input, page)) continue;
    RequirePageInRange(page);
    // The first save may round what the input held to two decimals, and rows that then meet
    // are dropped on reading: from the second save on the file must stay the same.
    const GeneratorPage settled = SavedAndRead(SavedAndRead(page, ScratchFile("first.cct")), ScratchFile("second.cct"));
    Require(WriteTableGenerationFile(ScratchFile("third.cct"), settled));
    Require(ReadScratch(ScratchFile("third.cct")) == ReadScratch(ScratchFile("second.cct")));
  }
}

void RunGasMixListFile(const std::uint8_t* data, std::size_t size) {
  const std::string input = WriteInput(data, size, "input.ccg");
  BailoutGasListModel list;
  list.SetListText("21/0,18/45");
  if (!LoadGasMixList(input, list)) {
    Require(list.GetListText() == "21/0,18/45");
    return;
  }
  Require(list.RowCount() <= kMaxGasMixListItems);
  int gases = 0;
  for (const std::string& row : list.Rows()) {
    CGas gas;
    if (row == "Invalid") continue;
    Require(gas.Parse(row) && gas.GetName(false) == row);
    ++gases;
  }
  // The first save keeps every gas and leaves out the rows that are none; it may reorder what the
  // input wrote in another form ("+9/0" sorts before "50/0", "9/0" after it, "21'0" is no "21/0"
  // to put first). From then on the list is settled: saving it again writes the same file.
  const BailoutGasListModel settled = SavedAndLoaded(list, ScratchFile("first.ccg"));
  Require(settled.RowCount() == gases && !settled.IsInList("Invalid"));
  const BailoutGasListModel again = SavedAndLoaded(settled, ScratchFile("second.ccg"));
  SavedAndLoaded(again, ScratchFile("third.ccg"));
  Require(ReadScratch(ScratchFile("third.ccg")) == ReadScratch(ScratchFile("second.ccg")));
}

void PrepareProcess() {
  const fs::path home = ScratchFolder() / "home";
  fs::create_directories(home);
  ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
  platform::UseRegistryFile(platform::DefaultRegistryFile());
  LoadRegistrySettings();
  // A setting the store lacks is looked up on every read: store what a new dive and a plan
  // read once, so that the runs spend their time in the readers.
  CAppSettings& settings = AppSettings();
  const auto store = [](auto&... setting) { (setting.Set(setting.Get()), ...); };
  for (DecoLimitSettings* limits : std::initializer_list<DecoLimitSettings*>{&settings.dive, &settings.bailout}) {
    store(limits->gfLowPercent, limits->gfHighPercent, limits->sacRateLitresPerMin, limits->maxPpo2Bar,
          limits->maxEadMetres, limits->descentRateMetresPerMin, limits->ascentRateMetresPerMin,
          limits->lastDecoStopMetres);
  }
  store(settings.dive.surfacePressureMbar, settings.dive.surfaceIntervalSec, settings.bailout.noOfGasSwitches,
        settings.bailout.maxCnsPercent, settings.bailout.useBailoutGasList, settings.bailout.ignoreCns,
        settings.bailout.ignoreIcd, settings.bailoutGasList, settings.decoSurfaceOffsetMbar,
        settings.divePlan.surfaceIntervalAlgorithm, settings.divePlan.algorithm,
        settings.divePlan.defaultCylinderWorkingPressureBar, settings.divePlan.defaultGasReservePercent,
        settings.general.units, settings.debugLevel.raw);
}

}  // namespace filefuzz
