#include "engine/DivePlan.h"

#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "engine/SettingRanges.h"

namespace {

// Single-exposure oxygen limits: ppO2 (bar) and minutes.
constexpr std::array<double, CDivePlan::kCnsTableSize> kCnsPpo2Bar = {0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2,
                                                                      1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9};
constexpr std::array<double, CDivePlan::kCnsTableSize> kCnsLimitMin = {
    720, 570, 450, 360, 300, 240, 210, 180, 150, 120, 45, 10, 2, 0.645161};

const char* AlgorithmLogName(int algorithm) {
  switch (algorithm) {
    case kZhl16A: return "Using ZH-L16A Algorithm";
    case kZhl16C: return "Using ZH-L16C Algorithm";
    case kZhl16Custom: return "Using Custom Algorithm";
    default: return "Using UNDEFINED Algorithm";
  }
}

void LogCompartmentLine(const char* title, const CompartmentValues& values, const char* format) {
  std::string line = title;
  for (double value : values) line += FormatC(format, value);
  TheDebugLog().LogText(line);
}

}  // namespace

CDivePlan::CDivePlan() { bellGas_.SetAir(); }

CDivePlan::DecoLimits CDivePlan::ReadDecoLimits(const DecoLimitSettings& settings) {
  using namespace setting_ranges;
  return {StoredInRange(settings.gfLowPercent, kGradientFactorPercent),
          StoredInRange(settings.gfHighPercent, kGradientFactorPercent),
          StoredInRange(settings.sacRateLitresPerMin, kSacRateLitresPerMin),
          StoredInRange(settings.maxPpo2Bar, kMaxPpo2Bar),
          StoredInRange(settings.maxEadMetres, kMaxEadMetres),
          StoredInRange(settings.descentRateMetresPerMin, kDescentRateMetresPerMin),
          StoredInRange(settings.ascentRateMetresPerMin, kAscentRateMetresPerMin),
          StoredInRange(settings.lastDecoStopMetres, kLastStopMetres)};
}

void CDivePlan::LoadDefaults() {
  using namespace setting_ranges;
  const CAppSettings& settings = AppSettings();
  surfacePressureMbar_ = StoredInRange(settings.dive.surfacePressureMbar, kSurfacePressureMbar);
  UpdateModelSurface();
  diveLimits_ = ReadDecoLimits(settings.dive);
  surfaceIntervalSec_ = static_cast<int>(StoredInRange(settings.dive.surfaceIntervalSec, kSurfaceIntervalSec));

  const auto& bailout = settings.bailout;
  bailoutLimits_ = ReadDecoLimits(bailout);
  bailoutGasSwitchCount_ = static_cast<int>(StoredInRange(bailout.noOfGasSwitches, kBailoutGasSwitches));
  bailoutMaxCnsPercent_ = StoredInRange(bailout.maxCnsPercent, kBailoutMaxCnsPercent);
  useBailoutGasList_ = bailout.useBailoutGasList.Get();
  ignoreCns_ = bailout.ignoreCns.Get();
  ignoreIcd_ = bailout.ignoreIcd.Get();
  bailoutGasList_ = settings.bailoutGasList.Get();
}

void CDivePlan::ClearSteps() {
  steps_.clear();
  carry_.counterDiffusionLatch = false;
  stepsComputed_ = false;
}

void CDivePlan::DiscardResults() {
  ClearSteps();
  ClearSegments();
  ClearGasWarnings();
  calculationCompleted_ = false;
}

void CDivePlan::ClearProfilePoints() {
  profilePoints_.clear();
  pointCache_ = -1;
  leg_.point = -1;
}

int CDivePlan::Algorithm() const { return planGroup_ ? planGroup_->GetAlgorithm() : kZhl16C; }

void CDivePlan::InitConstants() {
  int algorithm = Algorithm();
  const bool logging = PlanLogEnabled(kPlanLogConstruction);
  if (logging) {
    TheDebugLog().LogText("Dive plan Init Constants");
    TheDebugLog().LogText(AlgorithmLogName(algorithm));
  }
  if (algorithm < 0 || algorithm >= kZhl16VariantCount) {
    // A plan file may carry any number here; without coefficients every ceiling would be
    // undefined, so the dive is calculated with ZH-L16C.
    TheDebugLog().Log("Algorithm %d is not defined - using the ZH-L16C coefficients", algorithm);
    algorithm = kZhl16C;
  }
  const CZhl16Coefficients& table = Zhl16Coefficients();
  const CompartmentValues previousNitrogenHalfTimes = nitrogenHalfTimeMin_;
  const CompartmentValues previousHeliumHalfTimes = heliumHalfTimeMin_;
  for (int c = 0; c < kCompartmentCount; ++c) {
    Zhl16Compartment values;
    table.GetCompartment(algorithm, c, values);
    nitrogenHalfTimeMin_[c] = values.nitrogenHalfTimeMin;
    heliumHalfTimeMin_[c] = values.heliumHalfTimeMin;
    nitrogenAMbar_[c] = values.nitrogenAMbar;
    nitrogenB_[c] = values.nitrogenB;
    heliumAMbar_[c] = values.heliumAMbar;
    heliumB_[c] = values.heliumB;
  }
  if (logging) {
    LogCompartmentLine("ZHL16 Nitrogen [0..15] ", nitrogenHalfTimeMin_, "%.2f ");
    LogCompartmentLine("ZHL16 Helium [0..15] ", heliumHalfTimeMin_, "%.2f ");
    LogCompartmentLine("m_AN [0..15] ", nitrogenAMbar_, "%.6f ");
    LogCompartmentLine("m_BN [0..15] ", nitrogenB_, "%.6f ");
    LogCompartmentLine("m_AH [0..15] ", heliumAMbar_, "%.6f ");
    LogCompartmentLine("m_BH [0..15] ", heliumB_, "%.6f ");
  }
  // The rate factors cost 64 powers and change only with the half-times.
  if (!rateFactorsKnown_ || nitrogenHalfTimeMin_ != previousNitrogenHalfTimes ||
      heliumHalfTimeMin_ != previousHeliumHalfTimes) {
    for (int c = 0; c < kCompartmentCount; ++c) {
      nitrogenRatePerSecond_[c] = CompartmentRateFactor(1, nitrogenHalfTimeMin_[c] * 60);
      heliumRatePerSecond_[c] = CompartmentRateFactor(1, heliumHalfTimeMin_[c] * 60);
      nitrogenRatePerMinute_[c] = CompartmentRateFactor(1, nitrogenHalfTimeMin_[c]);
      heliumRatePerMinute_[c] = CompartmentRateFactor(1, heliumHalfTimeMin_[c]);
    }
    rateFactorsKnown_ = true;
  }
  cnsTablePpo2Bar_ = kCnsPpo2Bar;
  cnsTableLimitMin_ = kCnsLimitMin;
  carry_.exposurePpo2Bar = -1;
  leg_.point = -1;
  carry_.exposureCns = 0;
  carry_.exposureOtu = 0;
}
