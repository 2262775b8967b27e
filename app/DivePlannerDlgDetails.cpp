#include <algorithm>

#include "app/DivePlannerDlg.h"

namespace app {
namespace {

// The dive's GF High at a step: on the bailout's ascent the larger of the dive's and the
// bailout's, as the calculation takes it.
double GfHighAt(const CDivePlan& dive, int step) {
  if (dive.IsBailoutMode() && step >= dive.GetBailoutStartStepIndex()) {
    return std::max(dive.GetGfHigh(), dive.GetBailoutGfHigh());
  }
  return dive.GetGfHigh();
}

void CopyStep(const CDivePlan& dive, int step, views::DetailsValues& values) {
  values.surfacePressureMbar = dive.GetSurfacePressure();
  values.decoSurfacePressureMbar = dive.GetModelSurfacePressure();
  values.depthMetres = dive.GetStepDepth(step);
  values.ceilingMetres = dive.GetStepCeiling(step);
  values.maxCeilingMetres = dive.GetStepMaxCeiling(step);
  values.pigtMbar = dive.GetStepPigt(step);
  values.maxPigtMbar = dive.GetStepMaxPigt(step);
  values.gradientFactor = dive.GetStepGradientFactor(step);
  values.gfHighPercent = GfHighAt(dive, step);
  values.closedCircuit = dive.IsStepClosedCircuit(step);
  values.oxygenPercent = dive.GetStepOxygen(step);
  values.heliumPercent = dive.GetStepHelium(step);
  values.ppo2Bar = dive.GetStepPpo2(step);
  values.inspiredNitrogenMbar = dive.GetStepInspiredNitrogen(step);
  values.inspiredHeliumMbar = dive.GetStepInspiredHelium(step);
  values.cns = dive.GetStepCns(step);
  values.otu = dive.GetStepOtu(step);
  for (int c = 0; c < kCompartmentCount; ++c) {
    values.nitrogenMbar[static_cast<std::size_t>(c)] = dive.GetStepTissueNitrogen(step, c);
    values.heliumMbar[static_cast<std::size_t>(c)] = dive.GetStepTissueHelium(step, c);
  }
}

}  // namespace

void CDivePlannerDlg::OnViewDetails() {
  if (details_) {
    details_->Raise();
  } else {
    details_ = new views::CDetails(this);
    details_->SetCoefficientSet(planGroup_.GetAlgorithm());
    details_->Show();
  }
  UpdateDetails(0, 0);
}

void CDivePlannerDlg::UpdateDetails(int step, int diveIndex) {
  if (!details_) return;
  views::DetailsValues& values = details_->values;
  values.stepTimeSec = step;
  const CDivePlan* dive = planGroup_.GetDivePlan(diveIndex);
  values.hasData = dive != nullptr && dive->IsStepsComputed() && dive->GetStepCount() > 0;
  if (values.hasData) CopyStep(*dive, std::clamp(step, 0, dive->GetStepCount() - 1), values);
  details_->DrawReadouts();
}

void CDivePlannerDlg::RedrawDetails() {
  if (details_) details_->DrawReadouts();
}

}  // namespace app
