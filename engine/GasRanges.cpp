#include "engine/GasRanges.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"

namespace {

void BuildRanges(const GasSwitchList& switches, int neighbourStep, double openEndMetres, GasRangeList& ranges) {
  const int count = static_cast<int>(switches.size());
  for (int i = 0; i < count; ++i) {
    const CGasSwitch& gasSwitch = switches[static_cast<std::size_t>(i)];
    GasRange& range = ranges[static_cast<std::size_t>(i)];
    if (!gasSwitch.IsGasSet()) {
      range.inUse = false;
      continue;
    }
    const int neighbour = i + neighbourStep;
    const bool neighbourUsed =
        neighbour >= 0 && neighbour < count && switches[static_cast<std::size_t>(neighbour)].IsGasSet();
    range.switchDepthMetres = gasSwitch.GetDepth();
    range.otherDepthMetres =
        neighbourUsed ? switches[static_cast<std::size_t>(neighbour)].GetDepth() : openEndMetres;
    range.closedCircuit = gasSwitch.IsClosedCircuit();
    range.oxygenPercent = gasSwitch.GetOxygen();
    range.heliumPercent = gasSwitch.GetHelium();
    range.setPointBar = gasSwitch.GetSetPoint();
    range.inUse = true;
  }
}

void LogRanges(const GasRangeList& ranges, const char* format, CDebugLog& log) {
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const GasRange& range = ranges[i];
    if (!range.inUse) continue;
    log.LogText(FormatC(format, static_cast<int>(i + 1), range.switchDepthMetres, range.otherDepthMetres,
                        range.closedCircuit ? "CC" : "OC", MixName(range.oxygenPercent, range.heliumPercent).c_str(),
                        range.setPointBar));
  }
}

}  // namespace

void SetGasRanges(const GasSwitchList& travelList, const GasSwitchList& decoList, GasRangeList& travelRanges,
                  GasRangeList& decoRanges, CDebugLog& log) {
  BuildRanges(travelList, +1, kTravelRangeOpenEndMetres, travelRanges);
  BuildRanges(decoList, -1, 0.0, decoRanges);
  LogGasRanges(travelRanges, decoRanges, log.GetThreshold(DBG_GAS_RANGES), log);
}

void LogGasRanges(const GasRangeList& travelRanges, const GasRangeList& decoRanges, int level, CDebugLog& log) {
  if (log.GetDebugLevel() < level) return;
  log.LogText("-");
  log.LogText("Gas Ranges");
  LogRanges(travelRanges, "Travel Gas %d Depth range %7.2f - %7.2f %s Gas %s PPO2 %0.2f", log);
  LogRanges(decoRanges, "Deco Gas %d   Depth range %7.2f - %7.2f %s Gas %s PPO2 %0.2f", log);
}

std::vector<BreathedGas> PlanBreathedGases(const GasSwitchList& travelList, const GasSwitchList& decoList,
                                           double bottomMetres) {
  std::vector<BreathedGas> gases;
  int bottomSlot = kNoSwitchSlot;
  for (int slot = 0; slot < static_cast<int>(travelList.size()); ++slot) {
    const CGasSwitch& row = travelList[static_cast<std::size_t>(slot)];
    if (!row.IsGasSet() || IsShallower(bottomMetres, row.GetDepth())) continue;
    // A switch at the bottom, a little deeper by the noise of its conversion, is made there.
    const double switchMetres = std::min(row.GetDepth(), bottomMetres);
    if (!gases.empty()) gases.back().toMetres = switchMetres;
    gases.push_back({BreathingPhase::kDescent, slot, switchMetres, bottomMetres});
    bottomSlot = slot;
  }
  gases.push_back({BreathingPhase::kBottom, bottomSlot, bottomMetres, 0});
  for (int slot = static_cast<int>(decoList.size()) - 1; slot >= 0; --slot) {
    const CGasSwitch& row = decoList[static_cast<std::size_t>(slot)];
    if (!row.IsGasSet() || !IsShallower(row.GetDepth(), bottomMetres)) continue;
    gases.back().toMetres = row.GetDepth();
    gases.push_back({BreathingPhase::kAscent, slot, row.GetDepth(), 0});
  }
  return gases;
}
