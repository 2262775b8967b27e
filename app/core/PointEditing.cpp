#include "app/core/PointEditing.h"

#include "app/core/PointList.h"
#include "engine/DivePlan.h"
#include "engine/support/Rounding.h"

namespace app {
namespace {

constexpr double kOpenCircuitUpdateSetPointBar = 0.7;

// The row's bailout plan point decides in bailout mode: only points after the bailout are edited.
std::optional<bool> BailoutRowEditable(const CDivePlan& dive, int row) {
  const CPlanPoint* point = dive.GetProfilePoint(row);
  if (point == nullptr) return std::nullopt;
  return point->bailout;
}

}  // namespace

double DepthMbarFromShown(double depthShown, UnitSystem units) {
  return (units == UnitSystem::kImperial ? depthShown * kMetresPerFoot : depthShown) * 100;
}

double ConvertShownDepth(double depthShown, UnitSystem newUnits) {
  return RoundToStep(depthShown * (newUnits == UnitSystem::kImperial ? kFeetPerMetre : kMetresPerFoot), 1);
}

double OpenCircuitPpo2AtShownDepth(const CDivePlan& dive, double depthShown, UnitSystem units, const CGas& gas) {
  if (!gas.IsValid()) return 0;
  return (dive.GetSurfacePressure() + DepthMbarFromShown(depthShown, units)) / 1000 * gas.GetOxygen() / 100;
}

std::optional<PointButtonStates> PointButtons(const CDivePlan& dive, int selectedRow, bool gasValid) {
  if (dive.IsBailoutMode()) {
    const std::optional<bool> editable = BailoutRowEditable(dive, selectedRow);
    if (!editable) return std::nullopt;
    return PointButtonStates{*editable, *editable, *editable, *editable};
  }
  const bool hasPoints = dive.GetUserPlanPointCount() > 0;
  return PointButtonStates{gasValid, gasValid, gasValid && hasPoints, hasPoints};
}

std::optional<PointMenuStates> PointMenu(const CDivePlan& dive, int selectedRow) {
  if (dive.IsBailoutMode()) {
    const std::optional<bool> editable = BailoutRowEditable(dive, selectedRow);
    if (!editable) return std::nullopt;
    return PointMenuStates{*editable, *editable && dive.IsPointSelected()};
  }
  return PointMenuStates{true, dive.IsPointSelected()};
}

int CPointEditor::Add(CDivePlan& dive, int selectedRow, bool insert, const PointEntry& entry, UnitSystem units) {
  int index = ListedPointCount(dive);
  if (selectedRow >= 0) index = insert ? selectedRow : selectedRow + 1;
  if (entry.closedCircuit) lastClosedCircuitSetPointBar_ = entry.setPointBar;
  const double setPoint = lastClosedCircuitSetPointBar_;
  const double depthMbar = DepthMbarFromShown(entry.depthShown, units);
  if (!dive.IsBailoutMode() && dive.GetUserPlanPointCount() == 0 && entry.depthShown != 0) {
    const double startMbar = dive.IsBellExcursion() ? dive.GetBellDepth() * 100 : 0;
    if (dive.AddUserPlanPoint(0, 0, startMbar, entry.closedCircuit, entry.oxygenPercent, entry.heliumPercent, setPoint,
                              entry.noClearSurface) < 0) {
      return -1;
    }
    index = 1;
  }
  return dive.AddUserPlanPoint(index, entry.durationMin * 60, depthMbar, entry.closedCircuit, entry.oxygenPercent,
                               entry.heliumPercent, setPoint, entry.noClearSurface);
}

bool CPointEditor::Update(CDivePlan& dive, int selectedRow, const PointEntry& entry, UnitSystem units) {
  if (selectedRow < 0) return false;
  return dive.UpdateUserPlanPoint(selectedRow, entry.durationMin * 60, DepthMbarFromShown(entry.depthShown, units),
                                  entry.closedCircuit, entry.oxygenPercent, entry.heliumPercent,
                                  entry.closedCircuit ? entry.setPointBar : kOpenCircuitUpdateSetPointBar,
                                  entry.noClearSurface);
}

bool CPointEditor::Cut(CDivePlan& dive, int row) { return dive.CopyPoint(row) && dive.DeleteUserPlanPoint(row); }

int CPointEditor::Paste(CDivePlan& dive, int selectedRow) {
  return dive.PastePoint(selectedRow < 0 ? ListedPointCount(dive) : selectedRow + 1);
}

}  // namespace app
