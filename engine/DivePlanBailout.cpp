// Bailout planning: the moment of the bailout, the bailout plan points built from the dive up to
// it, the rule-based choice of switch gases with its counter-diffusion and oxygen-toxicity
// passes, and the calculation of the result.
#include <algorithm>
#include <cmath>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "engine/PrivateMessages.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr double kLowestIcdMarginMetres = 2.0;
constexpr double kDeepestShallowPpo2Bar = 1.55;
constexpr double kLowestShallowPpo2Bar = 0.5;
constexpr double kShallowPpo2StepBar = 0.05;
constexpr double kGasPpo2LimitBar = 1.6;

// An open-circuit bailout point on a gas still to be chosen.
CPlanPoint BailoutPointFrom(const CPlanPoint& point) {
  CPlanPoint bailout = point;
  bailout.closedCircuit = false;
  bailout.oxygenPercent = 0;
  bailout.heliumPercent = 0;
  bailout.bailout = true;
  return bailout;
}

}  // namespace

// --- Entering and leaving the bailout view ---

void CDivePlan::TriggerBailout() {
  bailoutMode_ = true;
  if (bailoutTriggered_) {
    MarkModified(false);
    SetState(kDiveBailoutRequested, true);
  } else {
    platform::PostToMainWindow(WMU_DIVE_CALCULATED, diveIndex_, 0);
  }
}

bool CDivePlan::BailoutFromCursor(int cursorSec, bool atSegmentEnd) {
  if (!ChooseBailoutMoment(cursorSec, atSegmentEnd)) return false;
  MarkModified(true);
  SetState(kDiveBailoutRequested, true);
  return true;
}

void CDivePlan::EndBailout() {
  bailoutMode_ = false;
  DropBailoutPlan();
  MarkModified(false);
  SetState(kDiveCalculationRequested, true);
}

void CDivePlan::ReturnToDive() {
  bailoutMode_ = false;
  MarkModified(false);
  SetState(kDiveCalculationRequested, true);
}

void CDivePlan::DropBailoutPlan() {
  bailoutPoints_.clear();
  bailoutInitialPoints_.clear();
  bailoutTriggered_ = false;
}

// --- The moment of the bailout ---

bool CDivePlan::ChooseBailoutMoment(int cursorSec, bool atSegmentEnd) {
  // Step 0 alone is the surface before the dive: there is nothing to bail out of.
  if (steps_.size() < 2 || !RecalculateOwnProfile(lastCalculationStart_) || steps_.size() < 2) {
    BailoutLog("No calculated profile - no bailout");
    return false;
  }
  bailoutMode_ = true;
  LogUserPoints(kPlanLogBailout);
  LogPlanPlusPoints(kPlanLogBailout);
  LogProfilePoints(kPlanLogBailout);
  BailoutLog("Started");
  const int lastSec = steps_.back().timeSec;
  const int cursor = std::clamp(cursorSec, 1, lastSec);
  int time = cursor;
  if (atSegmentEnd) {
    const int end = GetPointEndBefore(cursor);
    if (end >= 0) time = std::min(end, lastSec);
    BailoutLogFormat("Bailout from end of segment at time t%d, cursor t%d", time, cursor);
  } else {
    BailoutLogFormat("Bailout from cursor at time t%d", time);
  }
  remainingPlannedSec_ = -1;
  bailoutPoints_.clear();
  bailoutInitialPoints_.clear();
  bailoutStartStep_ = time;
  ReadBailoutMoment();
  return true;
}

// Depth, ceiling and EAD of the dive as planned at the bailout time.
void CDivePlan::ReadBailoutMoment() {
  const CPredictionPoint* step = Step(bailoutStartStep_);
  bailoutDepthMetres_ = step ? step->depthMbar / 100 : 0;
  BailoutLogFormat("Bailout depth %0.1fm", bailoutDepthMetres_);
  BailoutLog("Recalculating the ceiling at bailout time");
  // The ceiling of the dive itself, without the bailout's gradient factors.
  bailoutStartStepIndex_ = kNoBailoutStep;
  step = CalcCeiling(bailoutStartStep_);
  bailoutCeilingMetres_ = step ? step->ceilingMbar / 100 : 0;
  bailoutEadMetres_ = step ? step->eadMetres : 0;
  BailoutLogFormat("Bailout ceiling %0.1fm and bailout EAD %0.1fm stored", bailoutCeilingMetres_, bailoutEadMetres_);
}

// The bailout is planned on the dive's own profile from the start given. A profile calculated
// from another start, or a bailout profile (whose times and sources refer to the bailout plan),
// is calculated again.
bool CDivePlan::RecalculateOwnProfile(const CalculationStart& start) {
  const bool bailoutProfile =
      std::any_of(profilePoints_.begin(), profilePoints_.end(), [](const CPlanPoint& point) { return point.bailout; });
  if (!bailoutProfile && start == lastCalculationStart_) return true;
  BailoutLog("Recalculating the dive without its bailout");
  const bool mode = bailoutMode_;
  bailoutMode_ = false;
  const bool calculated = CalculatePlan(start.diveIndex, start.previous, start.startAtSurface);
  bailoutMode_ = mode;
  return calculated;
}

// --- The calculation ---

bool CDivePlan::CalculateBailout(const PreviousDiveState& previous, bool startAtSurface) {
  if (!bailoutMode_) return false;
  BailoutLog("Storing initial tissue / cns / otu details from end of last dive");
  bailoutStart_ = {diveIndex_, previous, startAtSurface};
  const bool planned = InitialiseBailoutPoints() && (useBailoutGasList_
                                                         ? CalculateBailoutFromGasList(bailoutLimits_.maxPpo2Bar)
                                                         : CalculateRuleBasedBailout());
  MarkModified(true);
  SetState(kDiveIdle, false);
  bailoutTriggered_ = planned;
  return planned;
}

bool CDivePlan::RunBailoutCalculation() {
  if (CalculatePlan(bailoutStart_.diveIndex, bailoutStart_.previous, bailoutStart_.startAtSurface)) return true;
  BailoutLog("The bailout plan could not be calculated");
  return false;
}

bool CDivePlan::InitialiseBailoutPoints() {
  BailoutLog("Initialising bailout plan");
  if (bailoutInitialPoints_.empty()) return BuildInitialBailoutPoints();
  RestoreInitialBailoutPoints();
  LogBailoutPoints("Bailout - Plan points");
  return true;
}

// The dive up to the bailout, the bailout point at the bailout depth and every No Clear Surface
// point after it, which the diver must still swim out on open circuit.
bool CDivePlan::BuildInitialBailoutPoints() {
  bailoutPoints_.clear();
  if (!RecalculateOwnProfile(bailoutStart_)) return false;
  LogProfilePoints(kPlanLogBailout);
  // Read again: the dive may have been loaded from a file, or have other settings by now.
  ReadBailoutMoment();
  const int atBailout = FindProfilePointAtTime(bailoutStartStep_);
  const CPlanPoint* profilePoint = ProfilePointAt(atBailout);
  const double source = profilePoint ? profilePoint->source : -1;
  if (!(source >= 0 && source < GetPlanPlusListCount())) {
    BailoutLogFormat("No plan point at bailout time t%d", bailoutStartStep_);
    return false;
  }
  int spentInStopSec = 0;
  if (profilePoint->type == kPointPlanned && remainingPlannedSec_ == -1) {
    remainingPlannedSec_ = profilePoint->GetEndTime() - bailoutStartStep_;
  } else if (profilePoint->type == kPointDeco) {
    spentInStopSec = bailoutStartStep_ - profilePoint->startSec;
  }
  const std::size_t last = static_cast<std::size_t>(source);
  bailoutPoints_.assign(planPlusPoints_.begin(), planPlusPoints_.begin() + static_cast<std::ptrdiff_t>(last + 1));
  const CPlanPoint atPoint = bailoutPoints_.back();
  bool remainderAtDepth = false;
  if (remainingPlannedSec_ > 0) {
    CPlanPoint& beforeBailout = bailoutPoints_.back();
    if (remainingPlannedSec_ > beforeBailout.durationSec) remainingPlannedSec_ = beforeBailout.durationSec;
    beforeBailout.durationSec -= remainingPlannedSec_;
    if (atPoint.noClearSurface) {
      CPlanPoint remainder = BailoutPointFrom(atPoint);
      remainder.durationSec = remainingPlannedSec_;
      remainder.SetDepth(bailoutDepthMetres_);
      bailoutPoints_.push_back(remainder);
      remainderAtDepth = true;
    }
  } else if (source != static_cast<double>(last)) {
    CPlanPoint reached = atPoint;
    reached.durationSec = spentInStopSec;
    reached.SetDepth(bailoutDepthMetres_);
    reached.noClearSurface = false;
    reached.bailout = false;
    bailoutPoints_.push_back(reached);
  }
  if (!remainderAtDepth) {
    CPlanPoint bailout = BailoutPointFrom(atPoint);
    bailout.durationSec = 0;
    bailout.noClearSurface = false;
    bailout.SetDepth(bailoutDepthMetres_);
    bailoutPoints_.push_back(bailout);
  }
  for (std::size_t j = last + 1; j < planPlusPoints_.size(); ++j) {
    if (planPlusPoints_[j].noClearSurface) bailoutPoints_.push_back(BailoutPointFrom(planPlusPoints_[j]));
  }
  deepestPostBailoutMetres_ = 0;
  for (std::size_t i = last + 1; i < bailoutPoints_.size(); ++i) {
    deepestPostBailoutMetres_ = std::max(deepestPostBailoutMetres_, bailoutPoints_[i].GetDepth());
  }
  LogBailoutPoints("Bailout - Plan points");
  bailoutInitialPoints_ = bailoutPoints_;
  LogBailoutPoints("Bailout - Initial Plan points");
  return true;
}

void CDivePlan::LogBailoutPoints(const char* heading) const {
  if (!PlanLogEnabled(kPlanLogBailout)) return;
  LogPoints(bailoutPoints_, heading, "Bailout - Plan Point", kPlanLogBailout);
  BailoutLogFormat("Deepest post bailout depth %0.1fm", deepestPostBailoutMetres_);
}

// --- Rule-based switch gases ---

bool CDivePlan::CalculateRuleBasedBailout() {
  if (!CalcBailoutSwitchDepths()) return false;
  if (!CalcBailoutSwitchGases(bailoutLimits_.maxPpo2Bar, 1.0) || !AddBailoutGasSwitches() ||
      !RunBailoutCalculation()) {
    return false;
  }
  if (!ignoreIcd_) {
    OptimiseBailoutForCounterDiffusion();
    if (!UpdateBailoutGasSwitches() || !RunBailoutCalculation()) return false;
  }
  return ignoreCns_ || CheckBailoutCns();
}

// Trades helium for nitrogen in the later switch gases as far as the margin between each
// switch depth and the ceiling there allows the EAD to rise.
void CDivePlan::OptimiseBailoutForCounterDiffusion() {
  LogBailoutSwitches(kPlanLogBailout);
  const int count = CountBailoutSwitches();
  const int first = FirstBailoutIndex();
  const char* stop = nullptr;
  if (count == 1) {
    stop = "No of gas switches = 1 - aborting ICD optimise";
  } else if (first >= 0 && std::any_of(bailoutPoints_.begin() + first, bailoutPoints_.end(),
                                       [](const CPlanPoint& point) { return point.noClearSurface; })) {
    stop = "NCS Segment after bailout - aborting ICD optimise";
  }
  for (int j = 1; j < count && !stop; ++j) stop = OptimiseBailoutSwitch(j);
  if (stop) BailoutLog(stop);
  LogBailoutSwitches(kPlanLogBailout);
}

const char* CDivePlan::OptimiseBailoutSwitch(int switchIndex) {
  CGasSwitch& gasSwitch = bailoutSwitches_[static_cast<std::size_t>(switchIndex)];
  if (gasSwitch.GetHelium() == 0) return "Helium = 0.0 - aborting ICD optimise";
  const CPredictionPoint* step = FindBailoutSwitchStep(switchIndex);
  if (!step) return "Unable to locate values - aborting ICD optimise";
  const double marginMetres = gasSwitch.GetDepth() - step->ceilingMbar / 100;
  if (marginMetres < kLowestIcdMarginMetres) return "Allowable ceiling < 2.0 - aborting ICD optimise";
  const double eadLimit = CalcBailoutSwitchEad(switchIndex);
  const double surfaceBar = surfacePressureMbar_ / 1000;
  const double oxygen = gasSwitch.GetOxygen();
  const double nitrogen =
      MaxNitrogenPercentForEad(oxygen, eadLimit, surfaceBar, surfaceBar + gasSwitch.GetDepth() / 10);
  gasSwitch.Set(gasSwitch.GetDepth(), oxygen, 100 - oxygen - nitrogen, false, 0, true);
  BailoutLogFormat("Outer Loop - Gas Switch %d being set to %s", switchIndex, gasSwitch.GetGasName().c_str());
  // The later gases keep their own nitrogen, no more than their oxygen leaves room for.
  for (std::size_t k = static_cast<std::size_t>(switchIndex) + 1; k < bailoutSwitches_.size(); ++k) {
    CGasSwitch& later = bailoutSwitches_[k];
    if (!later.IsGasSet() || later.GetHelium() == 0) break;
    const double room = 100 - later.GetOxygen();
    const double helium = room - std::min(std::floor(room), room - later.GetHelium());
    later.Set(later.GetDepth(), later.GetOxygen(), helium, false, 0, true);
    BailoutLogFormat("Inner Loop - Gas Switch %d being set to %s", static_cast<int>(k), later.GetGasName().c_str());
  }
  return nullptr;
}

// When the plan's CNS is over the limit, the switch gases are chosen again with a target ppO2
// that falls from the deep switch to a shallow value, which is lowered until the plan fits.
bool CDivePlan::CheckBailoutCns() {
  const double limit = bailoutMaxCnsPercent_ / 100;
  if (!(GetFinalCns() > limit)) return true;
  const double maxPpo2 = bailoutLimits_.maxPpo2Bar;
  BailoutLogFormat("PPO2Max %0.1f - CNS of %0.1f%% is above the limit of %0.1f%%", maxPpo2, GetFinalCns() * 100,
                   limit * 100);
  const int count = CountBailoutSwitches();
  // One switch has no shallow gas to vary.
  if (count > 1) {
    const double start = maxPpo2 > kDeepestShallowPpo2Bar
                             ? kDeepestShallowPpo2Bar
                             : std::floor(maxPpo2 / kShallowPpo2StepBar + 1e-9) * kShallowPpo2StepBar - kShallowPpo2StepBar;
    const double deepPpo2 = std::min(kGasPpo2LimitBar, maxPpo2);
    for (int reduction = 0;; ++reduction) {
      const double shallow = start - reduction * kShallowPpo2StepBar;
      if (!(shallow >= kLowestShallowPpo2Bar - 1e-9)) break;
      RestoreInitialBailoutPoints();
      if (!CalcBailoutSwitchGases(maxPpo2, std::pow(deepPpo2 / shallow, 1.0 / (count - 1))) ||
          !AddBailoutGasSwitches() || !RunBailoutCalculation()) {
        return false;
      }
      const double cns = GetFinalCns();
      if (cns < limit) {
        BailoutLogFormat("Shallow PPO2Max %0.2f - CNS of %0.1f%% is within the limit of %0.1f%%", shallow, cns * 100,
                         limit * 100);
        return true;
      }
      BailoutLogFormat("Shallow PPO2Max %0.2f - CNS of %0.1f%% is above the limit of %0.1f%%", shallow, cns * 100,
                       limit * 100);
    }
  }
  BailoutLog("Cannot Meet Max CNS% limit with current settings");
  platform::AskUser(ResourceString(IDS_MSG_CNS_LIMIT), platform::mb::kOk | platform::mb::kIconExclamation);
  return false;
}
