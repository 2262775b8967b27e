#include "app/core/PreferenceValues.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/AppSettings.h"

namespace {

using namespace setting_fields;

// The numbers a setting keeps whole (millibar, percent, counts) are stored rounded.
std::uint32_t Whole(double value) { return value > 0 ? static_cast<std::uint32_t>(std::lround(value)) : 0; }

struct NumberSetting {
  const SettingFieldFormat* format;
  double (*get)(const CAppSettings&);
  void (*set)(CAppSettings&, double);
};

// A number kept in thousandths: kMember of the group kGroup of the settings.
template <auto kGroup, auto kMember>
constexpr NumberSetting Milli(const SettingFieldFormat& format) {
  return {&format, [](const CAppSettings& s) { return (s.*kGroup.*kMember).Get(); },
          [](CAppSettings& s, double value) { (s.*kGroup.*kMember).Set(value); }};
}

template <auto kGroup, auto kMember>
constexpr NumberSetting WholeNumber(const SettingFieldFormat& format) {
  return {&format, [](const CAppSettings& s) { return static_cast<double>((s.*kGroup.*kMember).Get()); },
          [](CAppSettings& s, double value) { (s.*kGroup.*kMember).Set(Whole(value)); }};
}

using D = CAppSettings;
using Limits = DecoLimitSettings;

// In the order of PreferenceNumber.
const NumberSetting kNumbers[] = {
    Milli<&D::divePlan, &D::DivePlan::defaultSetPointBar>(kDefaultSetPoint),
    Milli<&D::divePlan, &D::DivePlan::defaultCylinderWorkingPressureBar>(kCylinderPressure),
    WholeNumber<&D::divePlan, &D::DivePlan::defaultGasReservePercent>(kGasReserve),
    WholeNumber<&D::dive, &D::Dive::surfacePressureMbar>(kSurfacePressure),
    WholeNumber<&D::dive, &Limits::gfLowPercent>(kGfLow),
    WholeNumber<&D::dive, &Limits::gfHighPercent>(kGfHigh),
    Milli<&D::dive, &Limits::sacRateLitresPerMin>(kSacRate),
    Milli<&D::dive, &Limits::maxPpo2Bar>(kMaxPpo2),
    Milli<&D::dive, &Limits::maxEadMetres>(kMaxEad),
    Milli<&D::dive, &Limits::descentRateMetresPerMin>(kDescentRate),
    Milli<&D::dive, &Limits::ascentRateMetresPerMin>(kAscentRate),
    Milli<&D::dive, &Limits::lastDecoStopMetres>(kLastDecoStop),
    WholeNumber<&D::bailout, &D::Bailout::noOfGasSwitches>(kGasSwitches),
    WholeNumber<&D::bailout, &Limits::gfLowPercent>(kGfLow),
    WholeNumber<&D::bailout, &Limits::gfHighPercent>(kGfHigh),
    Milli<&D::bailout, &Limits::sacRateLitresPerMin>(kSacRate),
    Milli<&D::bailout, &Limits::maxPpo2Bar>(kMaxPpo2),
    Milli<&D::bailout, &Limits::maxEadMetres>(kMaxEad),
    Milli<&D::bailout, &D::Bailout::maxCnsPercent>(kMaxCns),
    Milli<&D::bailout, &Limits::descentRateMetresPerMin>(kDescentRate),
    Milli<&D::bailout, &Limits::ascentRateMetresPerMin>(kAscentRate),
    Milli<&D::bailout, &Limits::lastDecoStopMetres>(kLastDecoStop),
};
static_assert(std::size(kNumbers) == static_cast<std::size_t>(PreferenceNumber::kCount));

struct ChoiceSetting {
  int (*get)(const CAppSettings&);
  void (*set)(CAppSettings&, int);
};

// A check box: checked when the flag is 1.
template <auto kGroup, auto kMember>
constexpr ChoiceSetting Flag() {
  return {[](const CAppSettings& s) { return (s.*kGroup.*kMember).Get() ? 1 : 0; },
          [](CAppSettings& s, int checked) { (s.*kGroup.*kMember).Set(checked != 0); }};
}

// A radio group: the index of its chosen button, stored as it is.
template <auto kGroup, auto kMember>
constexpr ChoiceSetting Radio() {
  return {[](const CAppSettings& s) { return static_cast<int>((s.*kGroup.*kMember).Get()); },
          [](CAppSettings& s, int index) { (s.*kGroup.*kMember).Set(static_cast<std::uint32_t>(std::max(index, 0))); }};
}

// In the order of PreferenceChoice.
const ChoiceSetting kChoices[] = {
    Flag<&D::general, &D::General::chartGridEnable>(),
    Flag<&D::general, &D::General::autoRecalc>(),
    Radio<&D::general, &D::General::units>(),
    Radio<&D::general, &D::General::printingDirection>(),
    Radio<&D::general, &D::General::timeUnits>(),
    Radio<&D::general, &D::General::firstAscentOption>(),
    {[](const CAppSettings& s) { return static_cast<int>(s.divePlan.defaultClosedCircuit.raw.Get()); },
     [](CAppSettings& s, int index) { s.divePlan.defaultClosedCircuit.raw.Set(index == 1 ? 1 : 0); }},
    Flag<&D::divePlan, &D::DivePlan::defaultNoClearSurface>(),
    Radio<&D::divePlan, &D::DivePlan::surfaceIntervalAlgorithm>(),
    Radio<&D::divePlan, &D::DivePlan::algorithm>(),
    Flag<&D::bailout, &D::Bailout::useBailoutGasList>(),
    Flag<&D::bailout, &D::Bailout::ignoreIcd>(),
    Flag<&D::bailout, &D::Bailout::ignoreCns>(),
};
static_assert(std::size(kChoices) == static_cast<std::size_t>(PreferenceChoice::kCount));

}  // namespace

const SettingFieldFormat& PreferenceFormat(PreferenceNumber which) {
  return *kNumbers[static_cast<std::size_t>(which)].format;
}

PreferenceValues ReadPreferenceValues(const CAppSettings& settings) {
  PreferenceValues values;
  for (std::size_t i = 0; i < values.numbers.size(); ++i) values.numbers[i] = kNumbers[i].get(settings);
  for (std::size_t i = 0; i < values.choices.size(); ++i) values.choices[i] = kChoices[i].get(settings);
  values.surfaceIntervalSec = static_cast<int>(std::min<std::uint32_t>(settings.dive.surfaceIntervalSec.Get(), INT32_MAX));
  values.diverName = settings.general.diverId.Get();
  values.gasMixes = settings.gasMix.gasMixes.Get();
  values.bailoutGasList = settings.bailoutGasList.Get();
  return values;
}

void WriteChangedPreferences(const PreferenceValues& loaded, const PreferenceValues& chosen, CAppSettings& settings) {
  for (std::size_t i = 0; i < chosen.choices.size(); ++i) {
    if (chosen.choices[i] != loaded.choices[i]) kChoices[i].set(settings, chosen.choices[i]);
  }
  if (chosen.diverName != loaded.diverName) settings.general.diverId.Set(chosen.diverName);
  for (std::size_t i = 0; i < chosen.numbers.size(); ++i) {
    if (chosen.numbers[i] != loaded.numbers[i]) kNumbers[i].set(settings, chosen.numbers[i]);
  }
  if (chosen.surfaceIntervalSec != loaded.surfaceIntervalSec) {
    settings.dive.surfaceIntervalSec.Set(static_cast<std::uint32_t>(std::max(chosen.surfaceIntervalSec, 0)));
  }
  if (chosen.bailoutGasList != loaded.bailoutGasList) settings.bailoutGasList.Set(chosen.bailoutGasList);
}
