// The setters of the dive and bailout settings. A value equal to the stored one changes nothing.
#include <string>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"

template <typename Value>
bool CDivePlan::ChangeSetting(Value& field, const Value& value) {
  if (field == value) return false;
  field = value;
  return true;
}

bool CDivePlan::SetSurfacePressure(double mbar) {
  if (!ChangeSetting(surfacePressureMbar_, mbar)) return false;
  modelSurfaceMbar_ = surfacePressureMbar_ - AppSettings().decoSurfaceOffsetMbar.Get();
  return true;
}

bool CDivePlan::SetGfLow(double percent) { return ChangeSetting(diveLimits_.gfLowPercent, percent); }
bool CDivePlan::SetGfHigh(double percent) { return ChangeSetting(diveLimits_.gfHighPercent, percent); }
bool CDivePlan::SetSacRate(double litresPerMin) { return ChangeSetting(diveLimits_.sacRateLitresPerMin, litresPerMin); }
bool CDivePlan::SetMaxPpo2(double bar) { return ChangeSetting(diveLimits_.maxPpo2Bar, bar); }
bool CDivePlan::SetMaxEad(double metres) { return ChangeSetting(diveLimits_.maxEadMetres, metres); }
bool CDivePlan::SetSurfaceInterval(int seconds) { return ChangeSetting(surfaceIntervalSec_, seconds); }
bool CDivePlan::SetDescentRate(double metresPerMin) { return ChangeSetting(diveLimits_.descentRateMetresPerMin, metresPerMin); }
bool CDivePlan::SetAscentRate(double metresPerMin) { return ChangeSetting(diveLimits_.ascentRateMetresPerMin, metresPerMin); }
bool CDivePlan::SetLastStopDepth(double metres) { return ChangeSetting(diveLimits_.lastStopMetres, metres); }
bool CDivePlan::SetBellExcursion(bool on) { return ChangeSetting(bellExcursion_, on); }
bool CDivePlan::SetBellDepth(double metres) { return ChangeSetting(bellDepthMetres_, metres); }

bool CDivePlan::SetBellGas(double oxygenPercent, double heliumPercent) {
  CGas gas;
  gas.SetMix(oxygenPercent, heliumPercent);
  if (gas.GetName(false) == bellGas_.GetName(false)) return false;
  bellGas_ = gas;
  return true;
}

bool CDivePlan::SetBailoutGasSwitchCount(int count) { return ChangeSetting(bailoutGasSwitchCount_, count); }
bool CDivePlan::SetBailoutGfLow(double percent) { return ChangeSetting(bailoutLimits_.gfLowPercent, percent); }
bool CDivePlan::SetBailoutGfHigh(double percent) { return ChangeSetting(bailoutLimits_.gfHighPercent, percent); }
bool CDivePlan::SetBailoutSacRate(double litresPerMin) {
  return ChangeSetting(bailoutLimits_.sacRateLitresPerMin, litresPerMin);
}
bool CDivePlan::SetBailoutMaxPpo2(double bar) { return ChangeSetting(bailoutLimits_.maxPpo2Bar, bar); }
bool CDivePlan::SetBailoutMaxEad(double metres) { return ChangeSetting(bailoutLimits_.maxEadMetres, metres); }
bool CDivePlan::SetBailoutMaxCns(double percent) { return ChangeSetting(bailoutMaxCnsPercent_, percent); }
bool CDivePlan::SetBailoutDescentRate(double metresPerMin) {
  return ChangeSetting(bailoutLimits_.descentRateMetresPerMin, metresPerMin);
}
bool CDivePlan::SetBailoutAscentRate(double metresPerMin) {
  return ChangeSetting(bailoutLimits_.ascentRateMetresPerMin, metresPerMin);
}
bool CDivePlan::SetBailoutLastStopDepth(double metres) { return ChangeSetting(bailoutLimits_.lastStopMetres, metres); }
bool CDivePlan::SetUseBailoutGasList(bool on) { return ChangeSetting(useBailoutGasList_, on); }
bool CDivePlan::SetIgnoreIcd(bool on) { return ChangeSetting(ignoreIcd_, on); }
bool CDivePlan::SetIgnoreCns(bool on) { return ChangeSetting(ignoreCns_, on); }
bool CDivePlan::SetBailoutGasList(std::string_view text) { return ChangeSetting(bailoutGasList_, std::string(text)); }
