// The setters of the dive and bailout settings. A value equal to the stored one changes nothing;
// a changed dive setting requests the dive's calculation, a changed bailout setting the bailout
// plan's.
#include <string>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"

template <typename Value>
bool CDivePlan::ChangeSetting(Value& field, const Value& value, int state) {
  if (field == value) return false;
  field = value;
  RequestRecalculation(state);
  return true;
}

namespace {
constexpr int kDive = kDiveCalculationRequested;
constexpr int kBailout = kDiveBailoutRequested;
}  // namespace

void CDivePlan::UpdateModelSurface() {
  modelSurfaceMbar_ =
      surfacePressureMbar_ - StoredInRange(AppSettings().decoSurfaceOffsetMbar, setting_ranges::kDecoSurfaceOffsetMbar);
}

bool CDivePlan::SetSurfacePressure(double mbar) {
  if (surfacePressureMbar_ == mbar) return false;
  surfacePressureMbar_ = mbar;
  UpdateModelSurface();
  RequestRecalculation(bailoutMode_ ? kBailout : kDive);
  return true;
}

bool CDivePlan::SetGfLow(double percent) { return ChangeSetting(diveLimits_.gfLowPercent, percent, kDive); }
bool CDivePlan::SetGfHigh(double percent) { return ChangeSetting(diveLimits_.gfHighPercent, percent, kDive); }
bool CDivePlan::SetSacRate(double litresPerMin) {
  return ChangeSetting(diveLimits_.sacRateLitresPerMin, litresPerMin, kDive);
}
bool CDivePlan::SetMaxPpo2(double bar) { return ChangeSetting(diveLimits_.maxPpo2Bar, bar, kDive); }
bool CDivePlan::SetMaxEad(double metres) { return ChangeSetting(diveLimits_.maxEadMetres, metres, kDive); }
bool CDivePlan::SetSurfaceInterval(int seconds) { return ChangeSetting(surfaceIntervalSec_, seconds, kDive); }
bool CDivePlan::SetDescentRate(double metresPerMin) {
  return ChangeSetting(diveLimits_.descentRateMetresPerMin, metresPerMin, kDive);
}
bool CDivePlan::SetAscentRate(double metresPerMin) {
  return ChangeSetting(diveLimits_.ascentRateMetresPerMin, metresPerMin, kDive);
}
bool CDivePlan::SetLastStopDepth(double metres) { return ChangeSetting(diveLimits_.lastStopMetres, metres, kDive); }
bool CDivePlan::SetBellExcursion(bool on) { return ChangeSetting(bellExcursion_, on, kDive); }
bool CDivePlan::SetBellDepth(double metres) { return ChangeSetting(bellDepthMetres_, metres, kDive); }

bool CDivePlan::SetBellGas(double oxygenPercent, double heliumPercent) {
  CGas gas;
  gas.SetMix(oxygenPercent, heliumPercent);
  if (gas.GetName(false) == bellGas_.GetName(false)) return false;
  bellGas_ = gas;
  RequestRecalculation(kDive);
  return true;
}

bool CDivePlan::SetBailoutGasSwitchCount(int count) { return ChangeSetting(bailoutGasSwitchCount_, count, kBailout); }
bool CDivePlan::SetBailoutGfLow(double percent) { return ChangeSetting(bailoutLimits_.gfLowPercent, percent, kBailout); }
bool CDivePlan::SetBailoutGfHigh(double percent) {
  return ChangeSetting(bailoutLimits_.gfHighPercent, percent, kBailout);
}
bool CDivePlan::SetBailoutSacRate(double litresPerMin) {
  return ChangeSetting(bailoutLimits_.sacRateLitresPerMin, litresPerMin, kBailout);
}
bool CDivePlan::SetBailoutMaxPpo2(double bar) { return ChangeSetting(bailoutLimits_.maxPpo2Bar, bar, kBailout); }
bool CDivePlan::SetBailoutMaxEad(double metres) { return ChangeSetting(bailoutLimits_.maxEadMetres, metres, kBailout); }
bool CDivePlan::SetBailoutMaxCns(double percent) { return ChangeSetting(bailoutMaxCnsPercent_, percent, kBailout); }
bool CDivePlan::SetBailoutDescentRate(double metresPerMin) {
  return ChangeSetting(bailoutLimits_.descentRateMetresPerMin, metresPerMin, kBailout);
}
bool CDivePlan::SetBailoutAscentRate(double metresPerMin) {
  return ChangeSetting(bailoutLimits_.ascentRateMetresPerMin, metresPerMin, kBailout);
}
bool CDivePlan::SetBailoutLastStopDepth(double metres) {
  return ChangeSetting(bailoutLimits_.lastStopMetres, metres, kBailout);
}
bool CDivePlan::SetUseBailoutGasList(bool on) { return ChangeSetting(useBailoutGasList_, on, kBailout); }
bool CDivePlan::SetIgnoreIcd(bool on) { return ChangeSetting(ignoreIcd_, on, kBailout); }
bool CDivePlan::SetIgnoreCns(bool on) { return ChangeSetting(ignoreCns_, on, kBailout); }
bool CDivePlan::SetBailoutGasList(std::string_view text) {
  return ChangeSetting(bailoutGasList_, std::string(text), kBailout);
}
