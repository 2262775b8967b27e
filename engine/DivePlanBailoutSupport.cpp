// Small helpers of the bailout planner: finding switches and points, and ordering gas lists.
#include <algorithm>
#include <cmath>

#include "engine/DivePlan.h"

namespace {

constexpr double kDepthTolerance = 0.001;
constexpr int kNoBailoutPoint = 999;

bool SameDepth(double a, double b) { return std::fabs(a - b) <= kDepthTolerance; }

// By the key, ascending or descending; equal keys by helium, the richer first unless
// lowerHeliumFirst. A stable sort keeps the list order of gases equal in both.
template <typename Key>
void SortGases(std::vector<CDivePlan::BailoutListGasMix>& list, bool ascending, bool lowerHeliumFirst, Key key) {
  std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
    if (key(a) != key(b)) return ascending ? key(a) < key(b) : key(a) > key(b);
    return lowerHeliumFirst ? a.heliumPercent < b.heliumPercent : a.heliumPercent > b.heliumPercent;
  });
}

}  // namespace

int CDivePlan::FindBailoutSwitchAtDepth(double depthMetres) const {
  const int last = static_cast<int>(bailoutSwitches_.size()) - 1;
  int index = 0;
  while (index < last) {
    const CGasSwitch& gasSwitch = bailoutSwitches_[static_cast<std::size_t>(index)];
    if (!gasSwitch.IsGasSet() || SameDepth(gasSwitch.GetDepth(), depthMetres)) break;
    ++index;
  }
  return index - 1;
}

int CDivePlan::GetFirstBailoutPointIndex() const {
  if (!bailoutMode_) return -1;
  const auto first =
      std::find_if(bailoutPoints_.begin(), bailoutPoints_.end(), [](const CPlanPoint& p) { return p.bailout; });
  return first == bailoutPoints_.end() ? kNoBailoutPoint : static_cast<int>(first - bailoutPoints_.begin());
}

const CPredictionPoint* CDivePlan::FindBailoutSwitchStep(int switchIndex) const {
  if (switchIndex < 0 || switchIndex >= static_cast<int>(bailoutSwitches_.size())) return nullptr;
  const CGasSwitch& gasSwitch = bailoutSwitches_[static_cast<std::size_t>(switchIndex)];
  const auto point = std::find_if(profilePoints_.begin(), profilePoints_.end(), [&](const CPlanPoint& p) {
    return p.bailout && SameDepth(p.GetDepth(), gasSwitch.GetDepth()) && p.oxygenPercent == gasSwitch.GetOxygen() &&
           p.heliumPercent == gasSwitch.GetHelium();
  });
  return point == profilePoints_.end() ? nullptr : Step(point->startSec);
}

double CDivePlan::CalcBailoutSwitchEad(int switchIndex) const {
  const CPredictionPoint* step = FindBailoutSwitchStep(switchIndex);
  if (!step) return bailoutLimits_.maxEadMetres;
  const double marginMetres = bailoutSwitches_[static_cast<std::size_t>(switchIndex)].GetDepth() - step->ceilingMbar / 100;
  return std::min(step->eadMetres + marginMetres, bailoutLimits_.maxEadMetres);
}

void CDivePlan::SortBailoutGasesByOxygen(std::vector<BailoutListGasMix>& list, bool ascending,
                                         bool lowerHeliumFirst) {
  SortGases(list, ascending, lowerHeliumFirst, [](const BailoutListGasMix& gas) { return gas.oxygenPercent; });
}

void CDivePlan::SortBailoutGasesByMaxAmbient(std::vector<BailoutListGasMix>& list, bool ascending,
                                             bool lowerHeliumFirst) {
  SortGases(list, ascending, lowerHeliumFirst, [](const BailoutListGasMix& gas) { return gas.maxPamb; });
}
