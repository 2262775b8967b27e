// The bailout's gas switches: how many, at which depths, with which gases, and how they are put
// into the bailout plan points.
#include <algorithm>
#include <array>
#include <cmath>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "engine/support/Rounding.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr double kDepthTolerance = 0.001;
constexpr double kPressureTolerance = 0.001;  // relative
constexpr double kSwitchStepMetres = 3;
constexpr double kShallowestSwitchMetres = 6;
constexpr double kLowestPpo2Bar = 0.2;
constexpr double kFirstGasPpo2LimitBar = 1.8;
constexpr double kGasPpo2LimitBar = 1.6;
constexpr double kTargetStepBar = 0.05;
constexpr double kNoRatio = 1000;

// Deepest post-bailout depths (m) from which one more switch is allowed: below 7 m one switch,
// from 7 m two, ..., from 56 m twelve.
constexpr std::array<double, NO_OF_GAS_MIXES - 1> kSwitchCountDepths = {7, 10, 14, 17, 21, 25, 30, 35, 41, 48, 56};

CPlanPoint SwitchPoint(const CPlanPoint& from, const CGasSwitch& gasSwitch, int switchIndex) {
  CPlanPoint point = from;
  point.durationSec = 0;
  point.closedCircuit = false;
  point.noClearSurface = false;
  point.SetDepth(gasSwitch.GetDepth());
  point.oxygenPercent = gasSwitch.GetOxygen();
  point.heliumPercent = gasSwitch.GetHelium();
  point.gasSwitchIndex = switchIndex;
  return point;
}

}  // namespace

int CDivePlan::GetMaxBailoutGasSwitches(double depthMetres) {
  return static_cast<int>(std::upper_bound(kSwitchCountDepths.begin(), kSwitchCountDepths.end(), depthMetres) -
                          kSwitchCountDepths.begin()) +
         1;
}

double CDivePlan::GetBailoutPressureRatio(double pressureBar, int switches) const {
  if (switches <= 0) return kNoRatio;
  const double deepestBar = surfacePressureMbar_ / 1000 + deepestPostBailoutMetres_ / 10;
  return std::pow(deepestBar / pressureBar, 1.0 / switches);
}

bool CDivePlan::AskToChangeSwitchCount(int messageId, int count) const {
  using namespace platform;
  return AskUser(FormatC(ResourceFormat(messageId).c_str(), count), mb::kYesNo | mb::kIconExclamation) ==
         answer::kYes;
}

bool CDivePlan::CalcBailoutSwitchDepths() {
  const double deepest = deepestPostBailoutMetres_;
  BailoutLogFormat("Calculating bailout gas switch depths from t%d seconds and %0.1fm depth, Max post bailout depth "
                   "%0.1fm",
                   bailoutStartStep_, bailoutDepthMetres_, deepest);
  // The count indexes the twelve switches and divides the pressure range.
  int count = std::clamp(bailoutGasSwitchCount_, 1, NO_OF_GAS_MIXES);
  const int allowed = GetMaxBailoutGasSwitches(deepest);
  if (allowed < count) {
    BailoutLogFormat("No of Gas Switches %d too high, max %d  - Less Gases?", count, allowed);
    if (!AskToChangeSwitchCount(IDS_MSG_TOO_MANY_GASES, count)) {
      BailoutLog("User choose not to decrease the number of gas switches");
      return false;
    }
    count = allowed;
  }
  const double surfaceBar = surfacePressureMbar_ / 1000;
  const double deepestBar = surfaceBar + deepest / 10;
  double ratio = GetBailoutPressureRatio(surfaceBar, count);
  BailoutLogFormat("Pressure ratio to surface %0.6f for bailout pressure %0.1f using %d stops", ratio, deepestBar,
                   count);
  const double ratioLimit = bailoutLimits_.maxPpo2Bar / kLowestPpo2Bar;
  if (ratio > ratioLimit) {
    BailoutLogFormat("Pressure Ratio %0.6f > (BoPPO2Max / 0.2) - %0.2f - More Gases?", ratio, ratioLimit);
    if (!AskToChangeSwitchCount(IDS_MSG_NOT_ENOUGH_GASES, count)) {
      BailoutLog("User choose not to increase the number of gas switches");
      return false;
    }
    while (ratio > ratioLimit) {
      if (++count > NO_OF_GAS_MIXES) {
        BailoutLog("No of gas switches > NO_OF_GAS_MIXES");
        return false;
      }
      ratio = GetBailoutPressureRatio(surfaceBar, count);
      if (ratio > ratioLimit) BailoutLogFormat("Pressure Ratio %0.6f > (BoPPO2Max / 0.2) - %0.2f", ratio, ratioLimit);
    }
  }
  // The setting follows silently: this is the calculation it would have asked for.
  if (count != bailoutGasSwitchCount_) bailoutGasSwitchCount_ = count;
  BailoutLogFormat("Using %d gas switches", count);
  const double sixMetreRatio = GetBailoutPressureRatio(surfaceBar + kShallowestSwitchMetres / 10, count - 1);
  BailoutLogFormat("Pressure ratio to 6m %0.6f for bailout pressure %0.1f using %d stops", sixMetreRatio, deepestBar,
                   count);
  ratio = std::min(ratio, sixMetreRatio);
  BailoutLogFormat("Pressure ratio %0.6f for bailout pressure %0.1f using %d stops", ratio, deepestBar, count);

  double pressure = deepestBar;
  for (std::size_t k = 0; k < bailoutSwitches_.size(); ++k) {
    double depth = deepest;
    if (k > 0) {
      pressure /= ratio;
      if (IsDefinitelyLess(pressure, 1.0, kPressureTolerance)) pressure = 1.0;
      depth = IsDefinitelyLess(pressure, surfaceBar + kShallowestSwitchMetres / 10, kPressureTolerance)
                  ? 0
                  : std::max(RoundToStep((pressure - surfaceBar) * 10, kSwitchStepMetres), kShallowestSwitchMetres);
    }
    bailoutSwitches_[k].Set(depth > 0 ? depth : 0, 0, 0, false, 0, depth > 0);
  }
  return true;
}

CGas CDivePlan::CalcBestBailoutGas(double depthMetres, double previousNitrogenPercent, bool first,
                                   double ppo2Bar) const {
  const double surfaceBar = surfacePressureMbar_ / 1000;
  const double ambientBar = surfaceBar + depthMetres / 10;
  double ppo2Limit = std::min(ppo2Bar, first ? kFirstGasPpo2LimitBar : kGasPpo2LimitBar);
  double eadLimit = bailoutLimits_.maxEadMetres;
  if (first) {
    // Above 1.6 bar only as far as the diver is deeper than the ceiling.
    const double ceilingBar = surfaceBar + bailoutCeilingMetres_ / 10;
    if (ceilingBar > 0) ppo2Limit = std::min(ppo2Limit, kGasPpo2LimitBar * ambientBar / ceilingBar);
    if (!ignoreIcd_) eadLimit = std::min(eadLimit, depthMetres - bailoutCeilingMetres_ + bailoutEadMetres_);
  }
  const double oxygen = std::floor(std::min(100.0, ppo2Limit * 100 / ambientBar));
  const double nitrogen = first || ignoreIcd_ ? MaxNitrogenPercentForEad(oxygen, eadLimit, surfaceBar, ambientBar)
                                              : std::floor(std::min(previousNitrogenPercent, 100 - oxygen));
  CGas gas;
  gas.SetMix(oxygen, 100 - oxygen - nitrogen);
  return gas;
}

bool CDivePlan::CalcBailoutSwitchGases(double firstPpo2Bar, double ratio) {
  BailoutLog("Calculating bailout gas switch gases");
  double target = firstPpo2Bar;
  double previousNitrogen = 0;
  for (std::size_t k = 0; k < bailoutSwitches_.size(); ++k) {
    CGasSwitch& gasSwitch = bailoutSwitches_[k];
    if (!gasSwitch.IsGasSet()) continue;
    const bool first = k == 0;
    double ppo2 = target;
    if (!first) {
      target = std::min(kGasPpo2LimitBar, target) / ratio;
      ppo2 = RoundToStep(target, kTargetStepBar);
    }
    const CGas gas = CalcBestBailoutGas(gasSwitch.GetDepth(), previousNitrogen, first, ppo2);
    if (!gas.IsValid()) {
      // A plan on such a gas would have the diver breathe next to no oxygen.
      BailoutLogFormat("No breathable gas for switch %d at %0.1fm", static_cast<int>(k), gasSwitch.GetDepth());
      return false;
    }
    gasSwitch.Set(gasSwitch.GetDepth(), gas.GetOxygen(), gas.GetHelium(), false, 0, true);
    previousNitrogen = gas.GetNitrogen();
  }
  LogBailoutSwitches(kPlanLogBailout);
  return true;
}

int CDivePlan::CountBailoutSwitches() const {
  return static_cast<int>(std::count_if(bailoutSwitches_.begin(), bailoutSwitches_.end(),
                                        [](const CGasSwitch& gasSwitch) { return gasSwitch.IsGasSet(); }));
}

// The switch whose gas is breathed at a depth: the shallowest used switch that is not shallower
// than the depth.
int CDivePlan::FindBailoutSwitchInForce(double depthMetres) const {
  int found = -1;
  for (std::size_t k = 0; k < bailoutSwitches_.size(); ++k) {
    const CGasSwitch& gasSwitch = bailoutSwitches_[k];
    if (gasSwitch.IsGasSet() && gasSwitch.GetDepth() >= depthMetres - kDepthTolerance) found = static_cast<int>(k);
  }
  return found;
}

int CDivePlan::FirstBailoutIndex() const {
  const int first = GetFirstBailoutPointIndex();
  return first >= 0 && first < GetProfilePointCount() ? first : -1;
}

bool CDivePlan::AssignBailoutSwitchGases() {
  const int first = FirstBailoutIndex();
  if (first < 0) {
    BailoutLog("No bailout point in the plan");
    return false;
  }
  std::vector<CPlanPoint> points = bailoutPoints_;
  for (std::size_t i = static_cast<std::size_t>(first); i < points.size(); ++i) {
    CPlanPoint& point = points[i];
    const int inForce = FindBailoutSwitchInForce(point.GetDepth());
    if (inForce < 0) {
      BailoutLogFormat("No gas switch covers segment %d at %0.1fm", static_cast<int>(i), point.GetDepth());
      return false;
    }
    const CGasSwitch& gasSwitch = bailoutSwitches_[static_cast<std::size_t>(inForce)];
    point.closedCircuit = false;
    point.oxygenPercent = gasSwitch.GetOxygen();
    point.heliumPercent = gasSwitch.GetHelium();
    point.gasSwitchIndex = inForce;
    BailoutLogFormat("Replacing segment %d gas with %s", static_cast<int>(i), gasSwitch.GetGasName().c_str());
  }
  bailoutPoints_ = std::move(points);
  return true;
}

bool CDivePlan::AddBailoutGasSwitches() {
  BailoutLog("Adding bailout gas switches");
  if (!AssignBailoutSwitchGases()) return false;
  const std::size_t first = static_cast<std::size_t>(FirstBailoutIndex());
  int lastUsed = -1;
  for (std::size_t k = 0; k < bailoutSwitches_.size(); ++k) {
    if (bailoutSwitches_[k].IsGasSet()) lastUsed = static_cast<int>(k);
  }
  std::vector<CPlanPoint> points(bailoutPoints_.begin(), bailoutPoints_.begin() + static_cast<std::ptrdiff_t>(first));
  for (std::size_t i = first; i < bailoutPoints_.size(); ++i) {
    const CPlanPoint& point = bailoutPoints_[i];
    points.push_back(point);
    // Every switch passed on the way to the next point, in the order the diver meets them.
    const int from = point.gasSwitchIndex;
    const int to = i + 1 < bailoutPoints_.size() ? bailoutPoints_[i + 1].gasSwitchIndex : lastUsed;
    const int step = to > from ? 1 : -1;
    for (int k = from; k != to;) {
      k += step;
      const CGasSwitch& gasSwitch = bailoutSwitches_[static_cast<std::size_t>(k)];
      if (!gasSwitch.IsGasSet()) continue;
      points.push_back(SwitchPoint(point, gasSwitch, k));
      BailoutLogFormat("Inserting segment with %s", gasSwitch.GetGasName().c_str());
    }
  }
  bailoutPoints_ = std::move(points);
  LogBailoutPoints("Bailout - Plan points");
  if (planGroup_ && !generatedTable_) planGroup_->NotifyMainWindow(diveIndex_, GetProfilePointCount() - 1);
  return true;
}

bool CDivePlan::UpdateBailoutGasSwitches() {
  BailoutLog("Updating bailout gas switches");
  return AssignBailoutSwitchGases();
}

void CDivePlan::RemoveBailoutGasSwitches() {
  BailoutLog("Removing bailout gas switches");
  const int first = FirstBailoutIndex();
  if (first >= 0) {
    const auto after = bailoutPoints_.begin() + first + 1;
    bailoutPoints_.erase(
        std::remove_if(after, bailoutPoints_.end(), [](const CPlanPoint& point) { return !point.noClearSurface; }),
        bailoutPoints_.end());
  }
  LogBailoutPoints("Bailout - After removal of gas switches");
}
