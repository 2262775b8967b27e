#pragma once
// What a dive used of each gas, as the gas-consumption table shows it.
#include <array>
#include <string>

#include "engine/Gas.h"

struct GasUsage {
  CGas gas;
  double litres = 0;
  double seconds = 0;  // time the gas was breathed
};

using GasUsageList = std::array<GasUsage, NO_OF_GAS_MIXES>;

struct GasUsageTerms {
  double reservePercent = 0;
  double cylinderWorkingPressureBar = 0;
  UnitSystem units = UnitSystem::kMetric;
};

// "<long name>~<volume>~<cylinder>" for one record, the volume including the reserve: litres and
// the water capacity in litres (metric), or cubic feet twice (imperial). Empty for an index
// outside the list or an invalid gas; the cylinder part is empty without a working pressure.
std::string GetGasUsageText(const GasUsageList& usage, int index, const GasUsageTerms& terms);
