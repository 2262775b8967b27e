#include "views/core/GeneratorChecks.h"

#include <algorithm>
#include <initializer_list>

#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/GenerationAxes.h"

namespace {

double Shown(double metres, UnitSystem units) { return ToShownLength(metres, units); }

double Ppo2AtOffset(double oxygenPercent, double depthMetres, double offsetMetres) {
  return ((depthMetres + offsetMetres) / 10 + 1) * oxygenPercent / 100;
}

std::string Marked(const std::string& text, int labelId) { return text + " (" + ResourceString(labelId) + ")"; }

// The rows of both lists checked over the depths of one generated dive.
class RowChecker {
 public:
  RowChecker(GeneratorPage& page, GeneratorCheckResult& result)
      : page_(page),
        result_(result),
        offsetMetres_(SurfaceOffsetMetres(page.Metric(kSurfacePressure))),
        limits_{page.Metric(kMaxPpo2), page.Metric(kMaxEad), page.Units()} {}

  void CheckDiveTo(double axisDepthMetres) {
    std::vector<BreathedGas> gases = GeneratedDiveGases(page_, axisDepthMetres);
    // The ascent gases are reported in the order their list shows them, shallowest first.
    std::reverse(std::find_if(gases.begin(), gases.end(),
                              [](const BreathedGas& gas) { return gas.phase == BreathingPhase::kAscent; }),
                 gases.end());
    for (const BreathedGas& gas : gases) {
      if (gas.slot == kNoSwitchSlot) continue;  // reported as a descent list without a surface gas
      GeneratorGasList& list = gas.phase == BreathingPhase::kAscent ? page_.deco : page_.travel;
      CheckRow(list, gas.slot, {gas.fromMetres, gas.toMetres});
    }
  }

 private:
  void CheckRow(GeneratorGasList& list, int row, std::initializer_list<double> ends) {
    const CGasSwitch& gas = list.Row(row);
    for (double end : ends) {
      if (gas.IsClosedCircuit() || (gas.GetCheckResult() & kCheckFailure) != 0) break;
      Record(list, row, CheckPpo2(gas.GetOxygen(), end, offsetMetres_, limits_));
    }
    for (double end : ends) {
      if ((gas.GetCheckResult() & kCheckWarning) != 0) break;
      const double ppo2 =
          gas.IsClosedCircuit() ? gas.GetSetPoint() : GeneratorPpo2(gas.GetOxygen(), end, page_.Metric(kSurfacePressure));
      Record(list, row,
             CheckEad(gas.GetOxygen(), gas.GetHelium(), end, offsetMetres_, ppo2, gas.IsClosedCircuit(), limits_));
    }
  }

  void Record(GeneratorGasList& list, int row, const CheckFinding& finding) {
    if (finding.code == 0) return;
    const CGasSwitch& gas = list.Row(row);
    list.SetCheckResult(row, gas.GetCheckResult() | finding.code);
    const int label = list.Kind() == GasListKind::kDescent ? IDS_DESCENT_GAS : IDS_ASCENT_GAS;
    const UnitSystem units = page_.Units();
    result_.messages.push_back(ResourceString(label) +
                               FormatC(" %0.0f %s - ", Shown(gas.GetDepth(), units), LengthUnitText(units)) +
                               finding.text);
  }

  GeneratorPage& page_;
  GeneratorCheckResult& result_;
  double offsetMetres_;
  GasCheckLimits limits_;
};

}  // namespace

double SurfaceOffsetMetres(double surfacePressureMbar) { return (surfacePressureMbar - 1000) / 100; }

double GeneratorPpo2(double oxygenPercent, double depthMetres, double surfacePressureMbar) {
  return Ppo2AtOffset(oxygenPercent, depthMetres, SurfaceOffsetMetres(surfacePressureMbar));
}

CheckFinding CheckPpo2(double oxygenPercent, double depthMetres, double offsetMetres, const GasCheckLimits& limits) {
  const double ppo2 = Ppo2AtOffset(oxygenPercent, depthMetres, offsetMetres);
  const double shownDepth = Shown(depthMetres, limits.units);
  const char* unit = LengthUnitText(limits.units);
  if (ppo2 < kHypoxicPpo2Bar) {
    return {kCheckFailure, Marked(FormatC(ResourceFormat(IDS_CHECK_HYPOXIC).c_str(), ppo2, kHypoxicPpo2Bar,
                                          shownDepth, unit),
                                  IDS_CHECK_FAIL)};
  }
  if (ppo2 > limits.maxPpo2Bar) {
    return {kCheckFailure, Marked(FormatC(ResourceFormat(IDS_CHECK_HYPEROXIC).c_str(), ppo2, limits.maxPpo2Bar,
                                          shownDepth, unit),
                                  IDS_CHECK_FAIL)};
  }
  return {};
}

CheckFinding CheckEad(double oxygenPercent, double heliumPercent, double depthMetres, double offsetMetres,
                      double ppo2Bar, bool closedCircuit, const GasCheckLimits& limits) {
  const double ead =
      CalcEquivalentAirDepth(oxygenPercent, heliumPercent, depthMetres + offsetMetres, ppo2Bar, closedCircuit);
  if (!(ead > limits.maxEadMetres)) return {};
  const char* unit = LengthUnitText(limits.units);
  return {kCheckWarning,
          Marked(FormatC(ResourceFormat(IDS_CHECK_EAD).c_str(), Shown(ead, limits.units), unit,
                         Shown(depthMetres, limits.units), unit, Shown(limits.maxEadMetres, limits.units), unit),
                 IDS_CHECK_WARNING)};
}

std::vector<BreathedGas> GeneratedDiveGases(const GeneratorPage& page, double axisDepthMetres) {
  const double bottomMetres = GeneratedBottomPoint(axisDepthMetres, 0).GetDepth();
  return PlanBreathedGases(page.travel.Rows(), page.deco.Rows(), bottomMetres);
}

GeneratorCheckResult CheckGeneratorPage(GeneratorPage& page) {
  GeneratorCheckResult result;
  page.travel.ClearCheckResults();
  page.deco.ClearCheckResults();
  const GenerationSettings settings = page.Settings();
  const UnitSystem units = page.Units();
  const char* unit = LengthUnitText(units);
  if (settings.depthFinishMetres < settings.depthStartMetres) {
    result.messages.push_back(FormatC(ResourceFormat(IDS_CHECK_START_DEEPER).c_str(), page.Shown(kDepthStart), unit,
                                      page.Shown(kDepthFinish), unit));
    result.depthRange = kCheckFailure;
  }
  if (settings.durationFinishMin < settings.durationStartMin) {
    result.messages.push_back(FormatC(ResourceFormat(IDS_CHECK_START_LONGER).c_str(), settings.durationStartMin,
                                      settings.durationFinishMin));
    result.durationRange = kCheckFailure;
  }
  // Feet converted to metres: a finish reached exactly in feet must not miss by the conversion.
  if (IsShallower(settings.durationStartMin * settings.descentRateMetresPerMin, settings.depthFinishMetres)) {
    result.messages.push_back(FormatC(ResourceFormat(IDS_CHECK_UNREACHABLE).c_str(), settings.durationStartMin,
                                      page.Shown(kDescentRate), RateUnitText(units), page.Shown(kDepthFinish), unit));
    result.reachability = kCheckFailure;
  }
  const double plans =
      DepthAxisLength(settings.depthStartMetres, settings.depthFinishMetres, settings.depthStepMetres) *
      DurationAxisLength(settings.durationStartMin, settings.durationFinishMin, settings.durationStepMin);
  if (plans > kMaxGeneratedPlans) {
    result.messages.push_back(FormatC(ResourceFormat(IDS_CHECK_SET_SIZE).c_str(), plans, kMaxGeneratedPlans));
    result.setSize = kCheckFailure;
  }
  if (page.travel.Count() == 0 || page.travel.Row(0).GetDepth() != 0) {
    result.messages.push_back(ResourceString(IDS_CHECK_NO_SURFACE_GAS));
    result.surfaceGas = kCheckFailure;
  }
  RowChecker rows(page, result);
  for (double depth : BuildDepthAxis(settings.depthStartMetres, settings.depthFinishMetres, settings.depthStepMetres,
                                     kMaxGeneratedPlans)) {
    rows.CheckDiveTo(depth);
  }
  result.combined =
      result.depthRange | result.durationRange | result.reachability | result.setSize | result.surfaceGas;
  for (const GeneratorGasList* list : {&page.travel, &page.deco}) {
    for (const CGasSwitch& row : list->Rows()) result.combined |= row.GetCheckResult();
  }
  return result;
}
