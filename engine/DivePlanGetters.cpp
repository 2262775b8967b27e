// The read-only interface. Every index is checked; outside its list a getter gives the
// sentinel of its family.
#include <algorithm>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"

namespace {

template <typename Item>
const Item* ItemAt(const std::vector<Item>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
  return &items[static_cast<std::size_t>(index)];
}

bool IsCompartment(int compartment) { return compartment >= 0 && compartment < kCompartmentCount; }

}  // namespace

const CPredictionPoint* CDivePlan::Step(int step) const { return ItemAt(steps_, step); }
const CPlanPoint* CDivePlan::ProfilePointAt(int index) const { return ItemAt(profilePoints_, index); }
const CDiveSegment* CDivePlan::Segment(int index) const { return ItemAt(segments_, index); }

// --- User points ---
const CPlanPoint* CDivePlan::GetUserPlanPoint(int index) const { return ItemAt(userPoints_, index); }
double CDivePlan::GetUserPlanPointDepth(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point ? point->depthMbar : 0;
}
double CDivePlan::GetUserPlanPointOxygen(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point ? point->oxygenPercent : 0;
}
double CDivePlan::GetUserPlanPointHelium(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point ? point->heliumPercent : 0;
}
double CDivePlan::GetUserPlanPointSetPoint(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point ? point->setPointBar : 0;
}
bool CDivePlan::IsUserPlanPointClosedCircuit(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point && point->closedCircuit;
}
bool CDivePlan::IsUserPlanPointNoClearSurface(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point && point->noClearSurface;
}
int CDivePlan::GetUserPlanPointDuration(int index) const {
  const CPlanPoint* point = GetUserPlanPoint(index);
  return point ? point->durationSec : -1;
}

// --- Calculated profile points ---
double CDivePlan::GetPlanPlusRawDepth(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->depthMbar : -1;
}
double CDivePlan::GetPlanPlusDepth(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->GetDepth() : -1;
}
int CDivePlan::GetPlanPlusStartTime(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->startSec : -1;
}
int CDivePlan::GetPlanPlusEndTime(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->GetEndTime() : -1;
}
int CDivePlan::GetPlanPlusDuration(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->durationSec : -1;
}
double CDivePlan::GetPlanPlusOxygen(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->oxygenPercent : -1;
}
double CDivePlan::GetPlanPlusHelium(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->heliumPercent : -1;
}
double CDivePlan::GetPlanPlusPpo2(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->setPointBar : -1;
}
double CDivePlan::GetPlanPlusCeiling(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point ? point->loggedCeiling : -1;
}
bool CDivePlan::IsPlanPlusClosedCircuit(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point && point->closedCircuit;
}
bool CDivePlan::IsPlanPlusNoClearSurface(int index) const {
  const CPlanPoint* point = ProfilePointAt(index);
  return point && point->noClearSurface;
}

// --- Bailout plan points ---
const CPlanPoint* CDivePlan::GetProfilePoint(int index) const { return ItemAt(bailoutPoints_, index); }
double CDivePlan::GetProfilePointDepth(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point ? point->depthMbar : -1;
}
double CDivePlan::GetProfilePointOxygen(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point ? point->oxygenPercent : -1;
}
double CDivePlan::GetProfilePointHelium(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point ? point->heliumPercent : -1;
}
double CDivePlan::GetProfilePointSetPoint(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point ? point->setPointBar : -1;
}
int CDivePlan::GetProfilePointDuration(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point ? point->durationSec : -1;
}
bool CDivePlan::IsProfilePointClosedCircuit(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point && point->closedCircuit;
}
bool CDivePlan::IsProfilePointNoClearSurface(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point && point->noClearSurface;
}
bool CDivePlan::IsProfilePointBailout(int index) const {
  const CPlanPoint* point = GetProfilePoint(index);
  return point && point->bailout;
}

// --- Steps ---
int CDivePlan::GetStepTime(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->timeSec : -1;
}
double CDivePlan::GetStepDepth(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->depthMbar / 100 : -1;
}
double CDivePlan::GetStepCeiling(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->ceilingMbar / 100 : -1;
}
double CDivePlan::GetStepMaxCeiling(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->maxCeilingMbar / 100 : -1;
}
double CDivePlan::GetStepPigt(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->pigtMbar : -1;
}
double CDivePlan::GetStepMaxPigt(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->maxPigtMbar : -1;
}
double CDivePlan::GetStepGradientFactor(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->gradientFactor : -1;
}
double CDivePlan::GetStepLoggedCeiling(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->loggedCeiling : -1;
}
double CDivePlan::GetStepLoggedGradientFactor(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->loggedGradientFactor : -1;
}
double CDivePlan::GetStepPpo2(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->ppo2Bar : -1;
}
double CDivePlan::GetStepOxygen(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->oxygenPercent : -1;
}
double CDivePlan::GetStepHelium(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->heliumPercent : -1;
}
bool CDivePlan::IsStepClosedCircuit(int step) const {
  const CPredictionPoint* point = Step(step);
  return point && point->closedCircuit;
}
double CDivePlan::GetStepCns(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->cns : -1;
}
double CDivePlan::GetStepOtu(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->otu : -1;
}
double CDivePlan::GetStepEad(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->eadMetres : -1;
}
double CDivePlan::GetStepInspiredNitrogen(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->inspiredNitrogenMbar : -1;
}
double CDivePlan::GetStepInspiredHelium(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->inspiredHeliumMbar : -1;
}
double CDivePlan::GetStepTissueNitrogen(int step, int compartment) const {
  const CPredictionPoint* point = Step(step);
  return point && IsCompartment(compartment) ? point->nitrogenMbar[compartment] : -1;
}
double CDivePlan::GetStepTissueHelium(int step, int compartment) const {
  const CPredictionPoint* point = Step(step);
  return point && IsCompartment(compartment) ? point->heliumMbar[compartment] : -1;
}
double CDivePlan::GetStepMinPpo2(int step) const {
  return Step(step) ? CPredictionPoint::kMinimumPpo2Bar : -1;
}
double CDivePlan::GetStepMaxPpo2(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? evaluatedLimits_[point->bailout ? 1 : 0].maxPpo2Bar : -1;
}
double CDivePlan::GetStepMaxEad(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? evaluatedLimits_[point->bailout ? 1 : 0].maxEadMetres : -1;
}
bool CDivePlan::IsStepWarningFree(int step) const {
  const CPredictionPoint* point = Step(step);
  return point && point->warningFree;
}
int CDivePlan::GetStepWarningFlags(int step) const {
  const CPredictionPoint* point = Step(step);
  return point ? point->warningBits : 0;
}
std::string CDivePlan::GetStepWarningText(int step) const {
  const CPredictionPoint* point = Step(step);
  if (!point) return "Error";
  return point->GetWarningText(DisplayUnits());
}

double CDivePlan::GetInitialCns() const { return steps_.empty() ? 0 : steps_.front().cns; }
double CDivePlan::GetFinalCns() const { return steps_.empty() ? 0 : steps_.back().cns; }
double CDivePlan::GetInitialOtu() const { return steps_.empty() ? 0 : steps_.front().otu; }
double CDivePlan::GetFinalOtu() const { return steps_.empty() ? 0 : steps_.back().otu; }
int CDivePlan::GetLastStepTime() const { return steps_.empty() ? 0 : steps_.back().timeSec; }

// --- Segments ---
double CDivePlan::GetSegmentDepth(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->depthMetres : -1;
}
int CDivePlan::GetSegmentDuration(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->durationSec : -1;
}
int CDivePlan::GetSegmentRunTime(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->runTimeSec : -1;
}
int CDivePlan::GetSegmentType(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->type : -1;
}
double CDivePlan::GetSegmentOxygen(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->oxygenPercent : -1;
}
double CDivePlan::GetSegmentHelium(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->heliumPercent : -1;
}
double CDivePlan::GetSegmentPpo2(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->setPointBar : -1;
}
int CDivePlan::GetSegmentWarningFlags(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment ? segment->warningBits : -1;
}
bool CDivePlan::IsSegmentClosedCircuit(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment && segment->closedCircuit;
}
bool CDivePlan::IsSegmentNoClearSurface(int index) const {
  const CDiveSegment* segment = Segment(index);
  return segment && segment->noClearSurface;
}
bool CDivePlan::IsSegmentFirstAscent(int index) const { return GetSegmentType(index) == kSegmentFirstAscent; }
bool CDivePlan::IsSegmentAscentToSurface(int index) const {
  return GetSegmentType(index) == kSegmentAscentToSurface;
}
bool CDivePlan::IsSegmentBottomDepth(int index) const { return GetSegmentType(index) == kSegmentBottomDepth; }

std::string CDivePlan::GetGasWarningText(int index) const {
  const CDiveGasWarning* warning = ItemAt(gasWarnings_, index);
  return warning ? warning->GetText() : "Invalid";
}

// --- Other ---
bool CDivePlan::HasClosedCircuitPoint() const {
  return std::any_of(userPoints_.begin(), userPoints_.end(), [](const CPlanPoint& p) { return p.closedCircuit; });
}

int CDivePlan::GetPointEndBefore(int timeSec) const {
  if (profilePoints_.size() < 2) return -1;
  const auto after = std::find_if(profilePoints_.begin(), profilePoints_.end(),
                                  [timeSec](const CPlanPoint& p) { return p.startSec > timeSec; });
  if (after == profilePoints_.begin()) return -1;
  return std::prev(after)->GetEndTime();
}

int CDivePlan::AddStep(int timeSec) {
  steps_.emplace_back(timeSec);
  return static_cast<int>(steps_.size()) - 1;
}

void CDivePlan::MarkStepBailout(int step) {
  if (step >= 0 && step < GetStepCount()) steps_[static_cast<std::size_t>(step)].bailout = true;
}
