// What the pages and the table generator read of a dive through the plan group.
#include "engine/PlanGroup.h"

bool CPlanGroup::IsBailoutDive(int index) const {
  const CDivePlan* dive = GetDivePlan(index);
  return !dive || dive->IsBailoutMode();
}

bool CPlanGroup::IsDiveCalculated(int index) const { return IsDiveIndex(index) && IsUpToDate(index); }

std::string CPlanGroup::GetDiveName(int index) const {
  const CDivePlan* dive = GetDivePlan(index);
  return dive ? dive->GetName() : std::string();
}

std::string CPlanGroup::GetDiveDepthText(int index) const {
  const CDivePlan* dive = GetDivePlan(index);
  return dive ? dive->FormatDepth() : std::string();
}

bool CPlanGroup::GetDiveSummary(int index, bool bailout, DiveSummary& summary) const {
  const CDivePlan* dive = GetDivePlan(index);
  if (!dive) return false;
  summary.surfacePressureMbar = dive->GetSurfacePressure();
  summary.gfLowPercent = bailout ? dive->GetBailoutGfLow() : dive->GetGfLow();
  summary.gfHighPercent = bailout ? dive->GetBailoutGfHigh() : dive->GetGfHigh();
  summary.descentRateMetresPerMin = bailout ? dive->GetBailoutDescentRate() : dive->GetDescentRate();
  summary.ascentRateMetresPerMin = bailout ? dive->GetBailoutAscentRate() : dive->GetAscentRate();
  summary.lastStopMetres = bailout ? dive->GetBailoutLastStopDepth() : dive->GetLastStopDepth();
  return true;
}

bool CPlanGroup::GetGasSwitches(int index, GasSwitchTable& switches, bool bailout) const {
  const CDivePlan* dive = GetDivePlan(index);
  if (!dive) return false;
  const int count = bailout ? dive->GetPlanPlusPointCount() : dive->GetUserPlanPointCount();
  if (count == 0) return false;
  const auto pointAt = [&](int i) -> const CPlanPoint& {
    return bailout ? *dive->GetPlanPlusPoint(i) : *dive->GetUserPlanPoint(i);
  };
  for (CGasSwitch& gasSwitch : switches) gasSwitch.Reset();
  std::size_t written = 0;
  const auto add = [&](const CPlanPoint& point, double depthMetres) {
    if (written == switches.size()) return;
    switches[written++].Set(depthMetres, point.oxygenPercent, point.heliumPercent, point.closedCircuit,
                            point.setPointBar, true);
  };
  const CPlanPoint& first = pointAt(0);
  if (first.GetDepth() != 0) add(first, 0);
  add(first, first.GetDepth());
  for (int i = 1; i < count; ++i) {
    if (!pointAt(i).BreathesSameGasAs(pointAt(i - 1))) add(pointAt(i), pointAt(i).GetDepth());
  }
  return true;
}
