#include "app/core/PointList.h"

#include <algorithm>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/support/Rounding.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

bool HasWholeMinutes(const CPlanPoint& point) { return point.durationSec % 60 == 0; }

// PPO2 of an open-circuit point: its oxygen at the depth's ambient pressure.
double OpenCircuitPpo2(const CDivePlan& dive, const CPlanPoint& point) {
  return (dive.GetSurfacePressure() + point.GetDepth() * 100) / 1000 * point.oxygenPercent / 100;
}

}  // namespace

int ListedPointCount(const CDivePlan& dive) {
  return dive.IsBailoutMode() ? dive.GetProfilePointCount() : dive.GetUserPlanPointCount();
}

const CPlanPoint* ListedPoint(const CDivePlan& dive, int row) {
  return dive.IsBailoutMode() ? dive.GetProfilePoint(row) : dive.GetUserPlanPoint(row);
}

double DisplayDepth(double metres, UnitSystem units) {
  return units == UnitSystem::kImperial ? RoundToStep(metres * kFeetPerMetre, 1) : metres;
}

PointListTable BuildPointList(const CDivePlan& dive, UnitSystem units) {
  std::vector<const CPlanPoint*> points;
  for (int row = 0; row < ListedPointCount(dive); ++row) points.push_back(ListedPoint(dive, row));
  const bool anyNoClearSurface = std::ranges::any_of(points, [](const CPlanPoint* p) { return p->noClearSurface; });
  const bool minutesAndSeconds = !std::ranges::all_of(points, [](const CPlanPoint* p) { return HasWholeMinutes(*p); });

  PointListTable table;
  table.columns.push_back({ResourceString(IDS_SEGMENT), ColumnAlignment::kCentre, 65});
  table.columns.push_back({ResourceString(units == UnitSystem::kImperial ? IDS_GRAPH_DEPTH_FEET : IDS_GRAPH_DEPTH_METRES),
                           ColumnAlignment::kRight, 65});
  if (anyNoClearSurface) table.columns.push_back({ResourceString(IDS_NO_CLEAR_SURFACE), ColumnAlignment::kCentre, 10});
  table.columns.push_back({ResourceString(minutesAndSeconds ? IDS_DURATION_MMSS : IDS_DURATION_MINS),
                           ColumnAlignment::kRight, 100});
  table.columns.push_back({ResourceString(IDS_CIRCUIT), ColumnAlignment::kCentre, 50});
  table.columns.push_back({ResourceString(IDS_GAS_MIX), ColumnAlignment::kLeft, 9});
  table.columns.push_back({ResourceString(IDS_PPO2), ColumnAlignment::kLeft, 90});

  const std::string closedCircuit = ResourceString(IDS_CLOSED_CIRCUIT);
  const std::string openCircuit = ResourceString(IDS_OPEN_CIRCUIT);
  const std::string diluent = ResourceString(IDS_GRAPH_DILUENT) + " - ";
  const std::string gas = ResourceString(IDS_GRAPH_GAS) + " - ";
  const std::string noClearSurface = ResourceString(IDS_NO_CLEAR_SURFACE);
  for (std::size_t row = 0; row < points.size(); ++row) {
    const CPlanPoint& point = *points[row];
    PointListRow& line = table.rows.emplace_back();
    line.itemData = dive.IsBailoutMode() && !point.bailout ? kPlannedBeforeBailoutRow : kOrdinaryRow;
    line.cells.push_back(FormatC("%02d", static_cast<int>(row) + 1));
    line.cells.push_back(FormatC("%.0f     ", DisplayDepth(point.GetDepth(), units)));
    if (anyNoClearSurface) line.cells.push_back(point.noClearSurface ? noClearSurface : std::string());
    line.cells.push_back(minutesAndSeconds ? FormatC("%d:%02d        ", point.durationSec / 60, point.durationSec % 60)
                                           : FormatC("%d        ", point.durationSec / 60));
    line.cells.push_back(point.closedCircuit ? closedCircuit : openCircuit);
    line.cells.push_back((point.closedCircuit ? diluent : gas) + MixName(point.oxygenPercent, point.heliumPercent) + "  ");
    line.cells.push_back(FormatC(" %.2f", point.closedCircuit ? point.setPointBar : OpenCircuitPpo2(dive, point)));
  }
  return table;
}

}  // namespace app
