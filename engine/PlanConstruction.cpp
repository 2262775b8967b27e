// The working point list of a calculation: the user's points, or the bottom point between the
// travel and decompression gases of the gas-switch schedule.
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"

namespace {

CPlanPoint SwitchPoint(const CGasSwitch& gasSwitch) {
  CPlanPoint point(0, gasSwitch.GetDepth() * 100, gasSwitch.IsClosedCircuit(), gasSwitch.GetOxygen(),
                   gasSwitch.GetHelium(), gasSwitch.GetSetPoint(), false, false);
  return point;
}

}  // namespace

void CDivePlan::SetGasRanges(const GasSwitchList& travelList, const GasSwitchList& decoList) {
  travelSwitches_ = travelList;
  decoSwitches_ = decoList;
  gasSwitchSchedule_ = true;
  ::SetGasRanges(travelList, decoList, travelRanges_, decoRanges_, TheDebugLog());
}

void CDivePlan::LogGasRanges(LogCategory category) const {
  ::LogGasRanges(travelRanges_, decoRanges_, TheDebugLog().GetThreshold(category), TheDebugLog());
}

void CDivePlan::LogConstructedPoint(const char* label, const CPlanPoint& point) const {
  if (!PlanLogEnabled(kPlanLogConstruction)) return;
  std::string line = FormatC("Construct Plan Plus - %s Depth %6.2f, Duration %5d, %s %s, PPO2 %0.2f", label,
                             point.GetDepth(), point.durationSec, point.closedCircuit ? "Dil" : "Gas",
                             MixName(point.oxygenPercent, point.heliumPercent).c_str(), point.setPointBar);
  if (point.noClearSurface) line += ", No Clear Surface";
  TheDebugLog().LogText(line);
}

void CDivePlan::AddPlanPlusPoint(const CPlanPoint& point, const char* label) {
  planPlusPoints_.push_back(point);
  LogConstructedPoint(label, point);
}

void CDivePlan::ConstructPlanPlus() {
  planPlusTimer_.Start(true);
  PlanLog(kPlanLogConstruction, "Construct Plan Plus - Started");
  planPlusPoints_.clear();
  gasSwitchesUsed_ = 0;
  if (gasSwitchSchedule_ && !userPoints_.empty()) {
    PlanLog(kPlanLogConstruction, "Construct Plan Plus - Using gas switch schedule");
    constexpr const char* kTravelLabel = "Auto generated travel gas switch,     ";
    const CPlanPoint& bottom = userPoints_.front();
    const double bottomMetres = bottom.GetDepth();
    for (const BreathedGas& gas : PlanBreathedGases(travelSwitches_, decoSwitches_, bottomMetres)) {
      const std::size_t slot = static_cast<std::size_t>(gas.slot);
      switch (gas.phase) {
        case BreathingPhase::kDescent:
          // A switch at the bottom is made on arrival, by the bottom point itself.
          if (IsShallower(gas.fromMetres, bottomMetres)) {
            AddPlanPlusPoint(SwitchPoint(travelSwitches_[slot]), kTravelLabel);
          }
          ++gasSwitchesUsed_;
          break;
        case BreathingPhase::kBottom: {
          CPlanPoint bottomPoint = bottom;
          if (gas.slot != kNoSwitchSlot) {
            const CGasSwitch& bottomGas = travelSwitches_[slot];
            bottomPoint.closedCircuit = bottomGas.IsClosedCircuit();
            bottomPoint.oxygenPercent = bottomGas.GetOxygen();
            bottomPoint.heliumPercent = bottomGas.GetHelium();
            bottomPoint.setPointBar = bottomGas.GetSetPoint();
          }
          AddPlanPlusPoint(bottomPoint, kTravelLabel);
          break;
        }
        case BreathingPhase::kAscent:
          AddPlanPlusPoint(SwitchPoint(decoSwitches_[slot]), "Auto generated deco gas switch,       ");
          ++gasSwitchesUsed_;
          break;
      }
    }
  } else {
    PlanLog(kPlanLogConstruction, "Construct Plan Plus - Using user entered points");
    // The dive starts at the surface, or in the bell on a bell excursion. A first point
    // elsewhere gets a copy at the start in front of it; without one on a bell excursion the
    // first point would only stand for the bell and the dive to its depth would be lost.
    const double startMbar = bellExcursion_ ? bellDepthMetres_ * 100 : 0;
    if (!userPoints_.empty() && userPoints_.front().depthMbar != startMbar) {
      CPlanPoint start = userPoints_.front();
      start.depthMbar = startMbar;
      start.durationSec = 0;
      start.noClearSurface = false;
      AddPlanPlusPoint(start, bellExcursion_ ? "Bell depth copy segment,              "
                                             : "Zero depth copy segment,              ");
    }
    for (const CPlanPoint& point : userPoints_) AddPlanPlusPoint(point, "Planned segment,                      ");
  }
  LogUserPoints(kPlanLogConstruction);
  LogPlanPlusPoints(kPlanLogConstruction);
  PlanLogFormat(kPlanLogConstruction, "Construct Plan Plus - No of gas switches used - %d", gasSwitchesUsed_);
  planPlusTimer_.Stop();
  PlanLogFormat(kPlanLogTiming, "Construct Plan Plus - Finished in %.6f seconds", planPlusTimer_.Elapsed());
}
