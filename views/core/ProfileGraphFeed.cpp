#include "views/core/ProfileGraphFeed.h"

#include <algorithm>

#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace views {
namespace {

constexpr int kMostCeilingPoints = 1000;
constexpr int kNoClearSurfaceLineWidth = 5;

bool Imperial(UnitSystem units) { return units == UnitSystem::kImperial; }
std::string UnitName(UnitSystem units) { return Imperial(units) ? "ft" : "m"; }

std::string TimeAxisLabel() { return ResourceString(IDS_GRAPH_TIME) + " (mm:ss)"; }

// A change of gas between two built points: the mix, the circuit, or on closed circuit of a
// planned dive the set-point (a logged set-point varies all the time).
bool SwitchesGas(const CPlanPoint& point, const CPlanPoint& next, bool review) {
  if (!review) return !point.BreathesSameGasAs(next);
  return point.closedCircuit != next.closedCircuit || point.oxygenPercent != next.oxygenPercent ||
         point.heliumPercent != next.heliumPercent;
}

void AddStepSets(GraphModel& graph, const CDivePlan& dive, double scale) {
  const int steps = dive.GetStepCount();
  const int stride = std::max(1, steps / kMostCeilingPoints);
  graph.AddDataSet();
  graph.SetDataSetName("Ceiling");
  graph.SetDataSetColour(kCeilingColour);
  for (int step = 0; step < steps; step += stride) {
    graph.AddPoint(dive.GetStepTime(step), dive.GetStepCeiling(step) * scale);
  }
  if (dive.IsReviewDive()) return;
  graph.AddDataSet();
  graph.SetDataSetLabel(kErrorBarLabel);
  graph.SetDataSetColour(kWarningBarColour);
  for (int step = 1; step < steps; ++step) graph.AddPoint(dive.GetStepTime(step), dive.IsStepWarningFree(step) ? 1 : 0);
}

void AddPointSets(GraphModel& graph, const CDivePlan& dive, double scale) {
  const int count = dive.GetPlanPlusPointCount();
  for (int i = 0; i < count; ++i) {
    const CPlanPoint& point = *dive.GetPlanPlusPoint(i);
    if (!point.noClearSurface) continue;
    graph.AddDataSet();
    graph.SetDataSetName("NCS");
    graph.SetDataSetLineWidth(kNoClearSurfaceLineWidth);
    graph.SetDataSetColour(kNoClearSurfaceColour);
    graph.AddPoint(point.startSec, point.GetDepth() * scale);
    graph.AddPoint(point.GetEndTime(), point.GetDepth() * scale);
  }
  for (int i = 1; i + 1 < count; ++i) {
    const CPlanPoint& point = *dive.GetPlanPlusPoint(i);
    if (!SwitchesGas(point, *dive.GetPlanPlusPoint(i + 1), dive.IsReviewDive())) continue;
    graph.AddDataSet();
    graph.SetDataSetName("Gas Switch");
    graph.SetDataSetMarker(kMarkerCross);
    graph.AddPoint(point.GetEndTime(), point.GetDepth() * scale);
    graph.AddPoint(point.GetEndTime(), point.GetDepth() * scale);
  }
  if (dive.IsReviewDive()) {
    graph.AddDataSet();
    graph.SetDataSetName("Logged Ceiling");
    graph.SetDataSetColour(kLoggedCeilingColour);
    for (int i = 0; i < count; ++i) graph.AddPoint(dive.GetPlanPlusEndTime(i), dive.GetPlanPlusCeiling(i) * scale);
  }
  graph.AddDataSet();
  graph.SetDataSetName("Depth");
  graph.SetDataSetColour(kDepthColour);
  for (int i = 0; i < count; ++i) graph.AddPoint(dive.GetPlanPlusEndTime(i), dive.GetPlanPlusDepth(i) * scale);
}

}  // namespace

void SetUpProfileGraph(GraphModel& graph, UnitSystem units, bool grid) {
  graph.SetRangeLimits(0, 150, 0, 5);
  graph.SetAutoRangeSteps(150, 5);
  graph.SetRanges(0, 150, 0, 5);
  graph.pageMode = true;
  graph.arrowWhileZooming = true;
  graph.verticalCursor = true;
  graph.horizontalCursor = false;
  graph.SetAutoRangeX(true);
  graph.SetAutoRangeY(true);
  graph.SetXAxisTime(true);
  graph.SetInvertY(true);
  graph.SetShowGrid(grid);
  graph.SetXAxisLabel(TimeAxisLabel());
  graph.SetYAxisLabel(ResourceString(IDS_GRAPH_DEPTH) + (Imperial(units) ? " (ft)" : " (m)"));
  graph.SetUnits(UnitName(units));
  graph.SetShowXAxisLabel(true);
  graph.SetShowYAxisLabel(true);
}

void SetProfileGraphLabels(GraphModel& graph, UnitSystem units, bool hasDive) {
  graph.SetXAxisLabel(TimeAxisLabel());
  graph.SetYAxisLabel(ResourceString(Imperial(units) ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES));
  graph.SetUnits(UnitName(units));
  graph.SetDrawData(hasDive);
}

void FeedProfileGraph(GraphModel& graph, const CDivePlan* dive, bool calculationPending, UnitSystem units) {
  graph.RemoveAllDataSets();
  graph.SetAutoRangeX(true);
  graph.SetAutoRangeY(true);
  if (dive == nullptr) return;
  const bool calculated = dive->IsStepsComputed() && dive->GetStepCount() > 0;
  graph.recalculationRequired = calculationPending;
  graph.bailoutMode = dive->IsBailoutMode();
  graph.diveReview = dive->IsReviewDive();
  // A review dive shows the log as it is, calculated or not.
  graph.calculationFailed = !dive->IsReviewDive() && !dive->IsCalculationCompleted();
  graph.warningBox = !dive->IsReviewDive() && calculated && !dive->IsWarningFree();
  if (dive->GetPlanPlusPointCount() == 0 || (dive->IsBailoutMode() && !dive->IsBailoutPlanPresent())) return;
  const double scale = Imperial(units) ? kFeetPerMetre : 1;
  if (calculated) AddStepSets(graph, *dive, scale);
  // The profile of a calculation that failed was never planned through: drawn, it would pass
  // for a valid plan.
  if (!graph.calculationFailed) AddPointSets(graph, *dive, scale);
  graph.AutoRange();
}

}  // namespace views
