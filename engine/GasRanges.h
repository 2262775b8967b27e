#pragma once
// The depth ranges in which a dive breathes its travel and decompression gases, built from the
// two gas-switch lists. A dive holds twelve of each.
#include <array>
#include <vector>

#include "engine/GasSwitch.h"

class CDebugLog;

struct GasRange {
  double switchDepthMetres = 0;  // where the gas is switched to
  double otherDepthMetres = 0;   // where the next gas takes over
  bool closedCircuit = false;
  double oxygenPercent = 0;
  double heliumPercent = 0;
  double setPointBar = 0;
  bool inUse = false;
};

using GasRangeList = std::array<GasRange, NO_OF_GAS_MIXES>;

// The deep end of the last travel range: a travel gas is breathed to any depth.
inline constexpr double kTravelRangeOpenEndMetres = 9999.9;

// A travel gas reaches down to the next used slot's switch depth, a decompression gas up to the
// previous used slot's (the surface for the first). Only the immediate neighbour counts, so a gap
// in a list opens the range. Slots without a gas are marked unused and keep their old bounds.
// The ranges are then written to the log at the gas-range category.
void SetGasRanges(const GasSwitchList& travelList, const GasSwitchList& decoList, GasRangeList& travelRanges,
                  GasRangeList& decoRanges, CDebugLog& log);
// Writes the ranges in use when the log's debug level is at least level.
void LogGasRanges(const GasRangeList& travelRanges, const GasRangeList& decoRanges, int level, CDebugLog& log);

// What a dive to a bottom depth breathes when it is planned on the two lists, in the order it
// breathes it. Down: each travel gas at or above the bottom, in slot order, from its switch
// depth to the next one or the bottom. At the bottom: the last of them, from the bottom up to
// the first decompression switch or the surface. Up: each decompression gas shallower than the
// bottom, the last slot first, up to the next one or the surface. A switch at the bottom itself
// is made there on the way down and never on the way up; a switch within kSameDepthMetres of
// the bottom is at the bottom.
enum class BreathingPhase { kDescent, kBottom, kAscent };

// A bottom with no travel gas at or above it keeps the gas of the dive's own bottom point.
inline constexpr int kNoSwitchSlot = -1;

struct BreathedGas {
  BreathingPhase phase;
  int slot;           // in the travel list (descent, bottom) or the decompression list (ascent)
  double fromMetres;  // where the dive switches to the gas; the bottom for the bottom gas
  double toMetres;    // where the next gas takes over
  bool operator==(const BreathedGas&) const = default;
};

std::vector<BreathedGas> PlanBreathedGases(const GasSwitchList& travelList, const GasSwitchList& decoList,
                                           double bottomMetres);
