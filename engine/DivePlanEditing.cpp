// Changing a dive from outside: its points, its modified flag and the requests that have it
// recalculated by its group.
#include "engine/DivePlan.h"
#include "engine/PlanLog.h"

namespace {

constexpr LogCategory kTriggerLog = DBG_CALC_TRIGGER;

}  // namespace

void CDivePlan::MarkModified(bool modified) {
  if (!planGroup_) return;
  const bool changed = modified_ != modified;
  modified_ = modified;
  // A further change to a dive that is already modified still reaches the group, whose own flag
  // may have been cleared without the dives'.
  if ((changed || modified) && !generatedTable_) planGroup_->UpdateModified();
}

int CDivePlan::SetState(int state, bool forced) {
  if (!planGroup_ || state == state_) return state_;
  state_ = state;
  if (generatedTable_) return state_;
  if (state == kDiveBailoutRequested) {
    PlanLogFormat(kTriggerLog, "Recalculation - CDivePlan::SetState() Triggering m_pPlanGroup->BailoutPlan(%d)",
                  diveIndex_);
    state_ = planGroup_->BailoutPlan(diveIndex_, forced) ? kDiveBailoutCalculated : kDiveIdle;
  } else if (state == kDiveCalculationRequested) {
    PlanLogFormat(kTriggerLog,
                  "Recalculation - CDivePlan::SetState() Triggering m_pPlanGroup->CalculateDivePlan(%d)", diveIndex_);
    state_ = planGroup_->CalculateDivePlan(diveIndex_, forced) ? kDiveCalculated : kDiveIdle;
  }
  return state_;
}

void CDivePlan::RequestRecalculation(int state) {
  MarkModified(true);
  SetState(state, false);
}

// --- Points ---

bool CDivePlan::IsAfterBailoutPoint(int index, bool replacing) const {
  if (!bailoutMode_) return false;
  const int first = GetFirstBailoutPointIndex();
  return replacing ? index >= first : index > first;
}

int CDivePlan::InsertPoint(int index, const CPlanPoint& point) {
  std::vector<CPlanPoint>& points = EditedPoints();
  if (index >= static_cast<int>(points.size())) {
    points.push_back(point);
    return static_cast<int>(points.size()) - 1;
  }
  points.insert(points.begin() + index, point);
  return index;
}

int CDivePlan::AddUserPlanPoint(int index, int durationSec, double depthMbar, bool closedCircuit,
                                double oxygenPercent, double heliumPercent, double setPointBar, bool noClearSurface) {
  if (index < 0) return -1;
  if (!skipValidation_ && !ValidatePoint(depthMbar / 100, oxygenPercent, heliumPercent, closedCircuit, setPointBar,
                                         IsAfterBailoutPoint(index, false))) {
    return -1;
  }
  const int added = InsertPoint(
      index, CPlanPoint(durationSec, depthMbar, closedCircuit, oxygenPercent, heliumPercent, setPointBar,
                        noClearSurface, false));
  RequestRecalculation(kDiveCalculationRequested);
  return added;
}

bool CDivePlan::UpdateUserPlanPoint(int index, int durationSec, double depthMbar, bool closedCircuit,
                                    double oxygenPercent, double heliumPercent, double setPointBar,
                                    bool noClearSurface) {
  const auto inside = [&] { return index >= 0 && index < static_cast<int>(EditedPoints().size()); };
  if (!inside()) return false;
  if (!ValidatePoint(depthMbar / 100, oxygenPercent, heliumPercent, closedCircuit, setPointBar,
                     IsAfterBailoutPoint(index, true))) {
    return false;
  }
  // The question box of the validation lets other messages run; look the point up afresh.
  if (!inside()) return false;
  CPlanPoint& point = EditedPoints()[static_cast<std::size_t>(index)];
  point.durationSec = durationSec;
  point.depthMbar = depthMbar;
  point.closedCircuit = closedCircuit;
  point.oxygenPercent = oxygenPercent;
  point.heliumPercent = heliumPercent;
  point.setPointBar = setPointBar;
  point.noClearSurface = noClearSurface;
  RequestRecalculation(kDiveCalculationRequested);
  return true;
}

bool CDivePlan::DeleteUserPlanPoint(int index) {
  std::vector<CPlanPoint>& points = EditedPoints();
  const bool inside = index >= 0 && index < static_cast<int>(points.size());
  if (inside) points.erase(points.begin() + index);
  RequestRecalculation(kDiveCalculationRequested);
  return inside;
}

bool CDivePlan::CopyPlanPoint(int index) {
  const std::vector<CPlanPoint>& points = EditedPoints();
  if (index < 0 || index >= static_cast<int>(points.size())) return false;
  editBuffer_ = points[static_cast<std::size_t>(index)];
  pointSelected_ = true;
  return true;
}

int CDivePlan::PastePlanPoint(int index) {
  if (!pointSelected_ || index < 0) return -1;
  CPlanPoint point = editBuffer_;
  // A point copied from the bailout plan is an ordinary point among the user points, or the
  // dive's own steps would be taken for bailout steps.
  if (!bailoutMode_) point.bailout = false;
  const int pasted = InsertPoint(index, point);
  RequestRecalculation(kDiveCalculationRequested);
  return pasted;
}
