#include "views/core/DiveTableFacts.h"

#include "engine/PlanGroup.h"

namespace views {
namespace {

DiveTableFacts ReadDive(const CDivePlan& dive, const GasUsageTerms& terms) {
  DiveTableFacts facts;
  for (int i = 0; i < dive.GetSegmentCount(); ++i) {
    facts.segments.emplace_back(dive.GetSegmentDepth(i), dive.GetSegmentDuration(i), dive.GetSegmentType(i),
                                dive.GetSegmentRunTime(i), dive.GetSegmentOxygen(i), dive.GetSegmentHelium(i),
                                dive.GetSegmentPpo2(i), dive.IsSegmentClosedCircuit(i),
                                dive.GetSegmentWarningFlags(i), dive.IsSegmentNoClearSurface(i));
  }
  facts.gfLowPercent = dive.GetGfLow();
  facts.gfHighPercent = dive.GetGfHigh();
  facts.sacLitresPerMin = dive.GetSacRate();
  facts.bailout = dive.IsBailoutMode();
  facts.bailoutDepthMetres = dive.GetBailoutDepth();
  facts.bailoutTimeSec = dive.GetBailoutTime();
  facts.bailoutGfLowPercent = dive.GetBailoutPlanGfLow();
  facts.bailoutGfHighPercent = dive.GetBailoutPlanGfHigh();
  facts.bailoutSacLitresPerMin = dive.GetBailoutSacRate();
  facts.surfaceIntervalSec = dive.GetSurfaceInterval();
  facts.lastStepTimeSec = dive.GetLastStepTime();
  facts.initialCns = dive.GetInitialCns();
  facts.finalCns = dive.GetFinalCns();
  facts.initialOtu = dive.GetInitialOtu();
  facts.finalOtu = dive.GetFinalOtu();
  for (int w = 0; w < dive.GetGasWarningCount(); ++w) facts.gasWarnings.push_back(dive.GetGasWarningText(w));
  facts.gasUsed = dive.IsGasUsed();
  facts.diveSacUsed = dive.IsDiveOpenCircuitUsed();
  facts.bailoutSacUsed = dive.IsBailoutOpenCircuitUsed();
  for (int record = 0; record < NO_OF_GAS_MIXES; ++record) {
    std::string text = GetGasUsageText(dive.GetGasUsage(), record, terms);
    if (text.empty()) break;
    facts.gasUsage.push_back(std::move(text));
  }
  return facts;
}

}  // namespace

PlanTableFacts ReadPlanTableFacts(const CPlanGroup& plan, UnitSystem units) {
  PlanTableFacts facts;
  facts.gasReservePercent = plan.GetGasReserve();
  facts.cylinderWorkingPressureBar = plan.GetCylinderWorkingPressure();
  const GasUsageTerms terms{facts.gasReservePercent, facts.cylinderWorkingPressureBar, units};
  for (int index = 0; index < plan.GetDiveCount(); ++index) {
    const CDivePlan* dive = plan.GetDivePlan(index);
    if (dive != nullptr && plan.IsDiveCalculated(index)) {
      facts.dives.emplace_back(ReadDive(*dive, terms));
    } else {
      facts.dives.emplace_back(std::nullopt);
    }
  }
  return facts;
}

}  // namespace views
