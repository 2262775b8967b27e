#include "engine/BailoutGasList.h"

#include <algorithm>
#include <cmath>

#include "engine/Gas.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "engine/support/Rounding.h"
#include "engine/support/SParser.h"
#include "resources/resource.h"

namespace {

constexpr double kLowestPpo2Bar = 0.2;
constexpr double kLeanestSurfaceOxygen = 20;
constexpr double kSwitchStepMetres = 3;

double NitrogenOf(const CDivePlan::BailoutListGasMix& gas) { return 100 - gas.oxygenPercent - gas.heliumPercent; }

// A whole field that is a number, blanks around it allowed.
bool ReadNumberField(const std::string& field, double& value) {
  const std::size_t first = field.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const std::size_t last = field.find_last_not_of(" \t");
  const std::string_view text = std::string_view(field).substr(first, last - first + 1);
  std::size_t consumed = 0;
  value = ReadLeadingDouble(text, &consumed);
  return consumed == text.size();
}

BailoutListFailure Failure(std::string logText, int messageId) { return {std::move(logText), messageId}; }

}  // namespace

BailoutGasListChoice::BailoutGasListChoice(double surfaceBar, double ppo2Bar, double maxEadMetres,
                                           double deepestMetres)
    : surfaceBar_(surfaceBar),
      ppo2Bar_(ppo2Bar),
      maxEadMetres_(maxEadMetres),
      deepestMetres_(deepestMetres),
      bailoutBar_(surfaceBar + deepestMetres / 10) {}

CDivePlan::BailoutListGasMix BailoutGasListChoice::MakeCandidate(double oxygenPercent, double heliumPercent) const {
  BailoutListGasMix gas;
  gas.oxygenPercent = oxygenPercent;
  gas.heliumPercent = heliumPercent;
  const double nitrogen = NitrogenOf(gas);
  gas.ppo2Lim = ppo2Bar_ * 100 / oxygenPercent;
  gas.eadLim = nitrogen > 0 ? kAirNitrogenFraction * (maxEadMetres_ / 10 + surfaceBar_) * 100 / nitrogen : gas.ppo2Lim;
  gas.maxPamb = std::min(gas.ppo2Lim, gas.eadLim);
  gas.pEadZero = nitrogen > 0 ? surfaceBar_ * kAirNitrogenFraction / (nitrogen / 100) : gas.maxPamb;
  gas.minPamb = kLowestPpo2Bar * 100 / oxygenPercent;
  return gas;
}

BailoutGasMixes BailoutGasListChoice::ReadCandidates(std::string_view listText) const {
  BailoutGasMixes gases;
  const CSParser items(listText, ',');
  for (int i = 1; i <= items.GetCount(); ++i) {
    const CSParser mix(items.GetField(i), '/');
    double oxygen = 0;
    double helium = 0;
    CGas gas;
    if (mix.GetCount() != 2 || !ReadNumberField(mix.GetField(1), oxygen) ||
        !ReadNumberField(mix.GetField(2), helium) || !gas.SetMix(oxygen, helium)) {
      BailoutLogFormat("Gas list item \"%s\" is not a gas - skipped", items.GetField(i).c_str());
      continue;
    }
    gases.push_back(MakeCandidate(oxygen, helium));
  }
  return gases;
}

std::optional<BailoutListFailure> BailoutGasListChoice::KeepGasesNeeded(BailoutGasMixes& gases) const {
  if (gases.empty()) return Failure("Step 1 No gas mixes in list", IDS_MSG_NO_GASES_IN_LIST);
  BailoutLog("Calculate Gases from List Step 2");
  CDivePlan::SortBailoutGasesByOxygen(gases, false, true);
  if (gases.front().oxygenPercent < kLeanestSurfaceOxygen) {
    return Failure(FormatC("Step 2 Gas Mix 1 Oxygen %0.0f below 20%% at surface", gases.front().oxygenPercent),
                   IDS_MSG_LAST_GAS_NOT_SURFACE);
  }
  const auto reaching = std::find_if(gases.begin(), gases.end(),
                                     [this](const BailoutListGasMix& gas) { return gas.maxPamb > bailoutBar_; });
  if (reaching == gases.end()) return Failure("Step 2 No suitable gas at bailout depth", IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH);
  BailoutLog("Removing gases not required");
  gases.erase(std::next(reaching), gases.end());
  Log("Step 2", gases);
  return std::nullopt;
}

std::optional<BailoutListFailure> BailoutGasListChoice::ChooseOutputSet(BailoutGasMixes& base,
                                                                        BailoutGasMixes& output) const {
  output.clear();
  if (base.empty()) return Failure("Step 4 No suitable gas at bailout depth", IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH);
  CDivePlan::SortBailoutGasesByMaxAmbient(base, false, true);
  Log("Base after sorting on maxPamb", base);
  DropWorseGases(base, output);
  Log("Working set after helium and oxygen check removals", base);
  Log("Ouput set after helium and oxygen check removals", output);
  RoundDownToSwitchDepths(output);
  Log("Ouput set after rounding down", output);
  DropMatchingDepths(output);
  Log("Output set after removal of matching depths", output);
  if (auto failure = CheckCoverage(output)) return failure;
  Log("Ouput set after confirming overlaps and surface reach", output);
  return std::nullopt;
}

// A gas with more helium or less oxygen than the gas kept before it stays only where it bridges
// a gap: the gas after it cannot be breathed as deep as the kept gas must be left, or, as the
// last gas, the kept gas cannot be breathed at the surface.
void BailoutGasListChoice::DropWorseGases(const BailoutGasMixes& base, BailoutGasMixes& output) const {
  output.push_back(base.front());
  for (std::size_t i = 1; i < base.size(); ++i) {
    const BailoutListGasMix& gas = base[i];
    const BailoutListGasMix& kept = output.back();
    if (gas.heliumPercent > kept.heliumPercent || gas.oxygenPercent < kept.oxygenPercent) {
      const bool bridges = i + 1 < base.size() ? !(base[i + 1].maxPamb > kept.minPamb) : kept.minPamb >= surfaceBar_;
      if (!bridges) continue;
    }
    output.push_back(gas);
  }
}

void BailoutGasListChoice::RoundDownToSwitchDepths(BailoutGasMixes& output) const {
  for (std::size_t i = 1; i < output.size(); ++i) {
    const double depth = (output[i].maxPamb - surfaceBar_) * 10;
    output[i].maxPamb = surfaceBar_ + RoundDownToStep(depth, kSwitchStepMetres) / 10;
  }
}

// Of two gases switched to at one depth the richer in oxygen stays (of equal oxygen the richer
// in nitrogen); a gas usable deeper than the one before it is never switched to.
void BailoutGasListChoice::DropMatchingDepths(BailoutGasMixes& output) {
  BailoutGasMixes kept;
  for (const BailoutListGasMix& gas : output) {
    if (kept.empty() || gas.maxPamb < kept.back().maxPamb) {
      kept.push_back(gas);
      continue;
    }
    BailoutListGasMix& previous = kept.back();
    if (gas.maxPamb > previous.maxPamb) continue;
    if (gas.oxygenPercent > previous.oxygenPercent ||
        (gas.oxygenPercent == previous.oxygenPercent && NitrogenOf(gas) > NitrogenOf(previous))) {
      previous = gas;
    }
  }
  output = std::move(kept);
}

std::optional<BailoutListFailure> BailoutGasListChoice::CheckCoverage(BailoutGasMixes& output) const {
  if (output.front().maxPamb < bailoutBar_) {
    return Failure("Step 4 No suitable gas at bailout depth", IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH);
  }
  if (output.size() == 1 && output.front().minPamb > surfaceBar_) {
    return Failure("Step 4 Single Gas does not reach from bailout to surface", IDS_MSG_SINGLE_GAS_NOT_SURFACE);
  }
  for (std::size_t i = 0; i + 1 < output.size(); ++i) {
    if (!(output[i + 1].maxPamb < output[i].minPamb)) continue;
    if (output[i].minPamb > surfaceBar_) {
      return Failure("Step 4 Gases do not overlap from bailout to surface", IDS_MSG_GASES_DO_NOT_OVERLAP);
    }
    output.resize(i + 1);  // this gas reaches the surface: the ones after it are not needed
    break;
  }
  if (output.back().minPamb > surfaceBar_) {
    return Failure("Step 4 Last gases does not reach the surface", IDS_MSG_LAST_GAS_NOT_SURFACE);
  }
  // Only so many switches exist; leaving gases out would plan the ascent on gases that do not
  // cover it.
  if (output.size() > static_cast<std::size_t>(NO_OF_GAS_MIXES)) {
    return Failure(FormatC("Step 4 %d gases needed, no more than %d can be used", static_cast<int>(output.size()),
                           NO_OF_GAS_MIXES),
                   IDS_MSG_TOO_MANY_LIST_GASES);
  }
  return std::nullopt;
}

bool BailoutGasListChoice::LimitToEadZero(BailoutGasMixes& base, double oxygenPercent, double heliumPercent) const {
  const auto gas = std::find_if(base.begin(), base.end(), [&](const BailoutListGasMix& candidate) {
    return candidate.oxygenPercent == oxygenPercent && candidate.heliumPercent == heliumPercent;
  });
  if (gas == base.end() || gas->maxPamb == gas->pEadZero) return false;
  gas->maxPamb = gas->pEadZero;
  if (gas->maxPamb <= gas->minPamb || gas->pEadZero < surfaceBar_) base.erase(gas);
  return true;
}

GasSwitchList BailoutGasListChoice::MakeSwitches(const BailoutGasMixes& output) const {
  GasSwitchList switches;
  for (CGasSwitch& gasSwitch : switches) gasSwitch.Set(0, 0, 0, false, 0, false);
  const std::size_t count = std::min(output.size(), switches.size());
  for (std::size_t k = 0; k < count; ++k) {
    // Later depths to the millimetre: they are whole multiples of 3 m, and the pressures they
    // come from would carry rounding noise into the travel times.
    const double depth =
        k == 0 ? deepestMetres_ : std::round((output[k].maxPamb - surfaceBar_) * 10 * 1000) / 1000;
    switches[k].Set(depth, output[k].oxygenPercent, output[k].heliumPercent, false, 0, true);
  }
  return switches;
}

void BailoutGasListChoice::Log(std::string_view title, const BailoutGasMixes& gases) {
  if (!PlanLogEnabled(kPlanLogBailout)) return;
  BailoutLog("Bailout Gas List - " + std::string(title));
  for (std::size_t i = 0; i < gases.size(); ++i) {
    const BailoutListGasMix& gas = gases[i];
    BailoutLogFormat("Gas %02d %02.0f/%02.0f ppo2Lim %0.2f eadLim %0.2f maxPamb %0.2f minPamb %0.2f pEadZero %0.2f",
                     static_cast<int>(i), gas.oxygenPercent, gas.heliumPercent, gas.ppo2Lim, gas.eadLim, gas.maxPamb,
                     gas.minPamb, gas.pEadZero);
  }
}
