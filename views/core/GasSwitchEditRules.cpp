#include "views/core/GasSwitchEditRules.h"

#include <algorithm>
#include <cmath>

double EditorDepth(double metres, UnitSystem units) {
  return units == UnitSystem::kImperial ? std::round(metres * kFeetPerMetre) : metres;
}

bool GasSwitchEditRules::IsFree(double depth) const {
  return std::none_of(usedDepths_.begin(), usedDepths_.end(), [depth](double used) { return used == depth; });
}

bool GasSwitchEditRules::CanAdd(double depth) const {
  return usedDepths_.size() < static_cast<std::size_t>(NO_OF_GAS_MIXES) && IsFree(depth);
}

bool GasSwitchEditRules::CanUpdate(double depth) const {
  if (IsFirstDescentRow()) return depth == 0;
  return depth == startingDepth_ || IsFree(depth);
}

bool GasSwitchEditRules::CanDelete() const {
  if (IsFirstDescentRow()) return false;
  return descentMode_ ? usedDepths_.size() > 1 : !usedDepths_.empty();
}
