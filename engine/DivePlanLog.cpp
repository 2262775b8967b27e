// The dive's point lists and bailout switches in the diagnostic log.
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"

namespace {

std::string PointLine(const char* prefix, const CPlanPoint& point) {
  std::string line = FormatC("%s - Depth %6.2f, Duration %5d, %s, Gas %s, PPO2 %0.2f", prefix, point.GetDepth(),
                             point.durationSec, point.closedCircuit ? "CC" : "OC",
                             MixName(point.oxygenPercent, point.heliumPercent).c_str(), point.setPointBar);
  if (point.noClearSurface) line += ", No Clear Surface";
  return line;
}

}  // namespace

void CDivePlan::LogPoints(const std::vector<CPlanPoint>& points, const char* heading, const char* prefix,
                          LogCategory category) {
  if (!PlanLogEnabled(category)) return;
  TheDebugLog().LogText(heading);
  for (const CPlanPoint& point : points) TheDebugLog().LogText(PointLine(prefix, point));
}

void CDivePlan::LogUserPoints(LogCategory category) const {
  LogPoints(userPoints_, "User entered plan points", "Plan Point", category);
}

void CDivePlan::LogPlanPlusPoints(LogCategory category) const {
  LogPoints(planPlusPoints_, "Plan plus points", "Plan Plus Point", category);
}

void CDivePlan::LogProfilePoints(LogCategory category) const {
  if (!PlanLogEnabled(category)) return;
  TheDebugLog().LogText("-");
  TheDebugLog().LogText("Profile points");
  for (const CPlanPoint& point : profilePoints_) {
    TheDebugLog().LogText(PointLine("Profile Point", point) + ", " + point.GetTypeName());
  }
}

void CDivePlan::LogBailout(std::string_view text, LogCategory category) const { BailoutLog(text, category); }

void CDivePlan::LogBailoutSwitches(LogCategory category) const {
  if (!PlanLogEnabled(category)) return;
  LogBailout("Bailout Gas Switches", category);
  for (std::size_t i = 0; i < bailoutSwitches_.size(); ++i) {
    const CGasSwitch& gasSwitch = bailoutSwitches_[i];
    if (!gasSwitch.IsGasSet()) continue;
    LogBailout(FormatC("S%d Depth %0.1f %s", static_cast<int>(i + 1), gasSwitch.GetDepth(),
                       gasSwitch.GetGasName().c_str()),
               category);
  }
}
