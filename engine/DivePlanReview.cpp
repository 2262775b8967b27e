// Points and start tensions handed over by the review of a dive-computer log.
#include <cmath>

#include "engine/DivePlan.h"

void CDivePlan::AddReviewPoint(int startSec, int durationSec, double depthMbar, double oxygenPercent,
                               double heliumPercent, double setPointBar, bool presetTensions) {
  CPlanPoint point(durationSec, depthMbar, true, oxygenPercent, heliumPercent, setPointBar, false, presetTensions);
  point.startSec = startSec;
  profilePoints_.push_back(point);
}

void CDivePlan::AddEmptyReviewPoint(int startSec) {
  CPlanPoint point;
  point.startSec = startSec;
  profilePoints_.push_back(point);
}

bool CDivePlan::SetReviewPointLoggedCeiling(int index, double ceiling) {
  if (index < 0 || index >= GetPlanPlusPointCount()) return false;
  profilePoints_[static_cast<std::size_t>(index)].loggedCeiling = ceiling;
  return true;
}

bool CDivePlan::SetReviewPointLoggedGradientFactor(int index, double gradientFactor) {
  if (index < 0 || index >= GetPlanPlusPointCount()) return false;
  profilePoints_[static_cast<std::size_t>(index)].loggedGradientFactor = gradientFactor;
  return true;
}

bool CDivePlan::SetPresetTensions(const CompartmentValues& nitrogenMbar, const CompartmentValues& heliumMbar) {
  // A ceiling is only defined for a compartment that holds inert gas, so a log that reports an
  // empty or unreadable compartment cannot start the dive.
  for (int c = 0; c < kCompartmentCount; ++c) {
    const double nitrogen = nitrogenMbar[c];
    const double helium = heliumMbar[c];
    if (!std::isfinite(nitrogen) || !std::isfinite(helium) || nitrogen < 0 || helium < 0 || nitrogen + helium <= 0) {
      return false;
    }
  }
  presetNitrogenMbar_ = nitrogenMbar;
  presetHeliumMbar_ = heliumMbar;
  presetTensionsGiven_ = true;
  return true;
}
