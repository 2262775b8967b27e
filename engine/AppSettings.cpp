#include "engine/AppSettings.h"

#include <cmath>
#include <limits>

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "platform/UserFolders.h"

namespace {

constexpr std::uint32_t kAlgorithmZhl16a = 0;
constexpr std::uint32_t kAlgorithmZhl16c = 1;

std::string GroupPath(std::string_view group, std::string_view name) {
  return SettingPath(std::string(group) + "\\" + std::string(name));
}

GasSwitchSettings MakeGasSwitchSettings(const char* name, const char* firstSwitch) {
  constexpr const char* kEmptySlot = "0.00,0.00,0.00,0,0.00,0";
  GasSwitchSettings settings;
  for (int slot = 1; slot <= NO_OF_GAS_MIXES; ++slot) {
    settings[static_cast<std::size_t>(slot - 1)] =
        CRegSettingString(SettingPath(FormatC("Gas Mix\\%s %02d", name, slot)), slot == 1 ? firstSwitch : kEmptySlot);
  }
  return settings;
}

double StoredInRange(const CRegSettingDword& setting, double value, const SettingRange& range) {
  const double kept = range.Clamp(value);
  if (kept != value) {
    TheDebugLog().LogText(FormatC("Setting %s\\%s value %g out of range - %g used", setting.GetKeyPath().c_str(),
                                  setting.GetValueName().c_str(), value, kept));
  }
  return kept;
}

}  // namespace

void CRegSettingMilli::Set(double value) {
  constexpr double kLargest = std::numeric_limits<std::uint32_t>::max();
  const double thousandths = std::round(value * 1000);
  if (!(thousandths > 0)) raw.Set(0);
  else if (thousandths >= kLargest) raw.Set(std::numeric_limits<std::uint32_t>::max());
  else raw.Set(static_cast<std::uint32_t>(thousandths));
}

void CRegSettingDebugLevel::Set(std::uint32_t level) {
  raw.Set(level);
  Apply();
}

void CRegSettingDebugLevel::Apply() const {
  constexpr std::uint32_t kLargest = std::numeric_limits<int>::max();
  const std::uint32_t level = raw.Get();
  TheDebugLog().SetDebugLevel(static_cast<int>(level > kLargest ? kLargest : level));
}

std::string SettingPath(std::string_view relativePath) {
  return "Software\\Velmar\\VelmarTessaline\\Settings\\" + std::string(relativePath);
}

std::string DefaultDialogFolder() { return platform::HomeFolder().string(); }

DecoLimitSettings::DecoLimitSettings(std::string_view group, std::uint32_t gfLow, std::uint32_t gfHigh,
                                     std::uint32_t maxEadMm)
    : gfLowPercent(GroupPath(group, "GF Low"), gfLow),
      gfHighPercent(GroupPath(group, "GF High"), gfHigh),
      sacRateLitresPerMin(GroupPath(group, "SAC Rate"), 30000),
      maxPpo2Bar(GroupPath(group, "Max PPO2"), 1600),
      maxEadMetres(GroupPath(group, "Max EAD"), maxEadMm),
      descentRateMetresPerMin(GroupPath(group, "Descent Rate"), 20000),
      ascentRateMetresPerMin(GroupPath(group, "Ascent Rate"), 10000),
      lastDecoStopMetres(GroupPath(group, "Last Deco Stop"), 6000) {}

CAppSettings::GasMix::GasMix()
    : gasMixes(SettingPath("Gas Mix\\Gas Mixes"), "21/0"),
      gasMixesAgeing(SettingPath("Gas Mix\\Gas Mixes Ageing"), "21/0/-1/-1"),
      travelGas(MakeGasSwitchSettings("Travel Gas", "0.00,21.00,0.00,1,0.70,1")),
      decoGas(MakeGasSwitchSettings("Deco Gas", "3.00,21.00,0.00,1,0.70,1")) {}

CAppSettings& AppSettings() {
  static CAppSettings settings;
  return settings;
}

double StoredInRange(const CRegSettingDword& setting, const SettingRange& range) {
  return StoredInRange(setting, setting.Get(), range);
}

double StoredInRange(const CRegSettingMilli& setting, const SettingRange& range) {
  return StoredInRange(setting.raw, setting.Get(), range);
}

UnitSystem DisplayUnits() {
  return AppSettings().general.units.Get() == 1 ? UnitSystem::kImperial : UnitSystem::kMetric;
}

void LoadRegistrySettings() {
  CAppSettings& settings = AppSettings();
  settings = CAppSettings();
  // A stored ZH-L16A choice becomes ZH-L16C at every start; plan files still keep their own.
  if (settings.divePlan.algorithm.Get() == kAlgorithmZhl16a) settings.divePlan.algorithm.Set(kAlgorithmZhl16c);
  settings.debugLevel.Apply();
}
