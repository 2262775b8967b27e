#include "app/core/ProfileReadout.h"

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace app {
namespace {

constexpr double kBailoutMinimumDepthMetres = 3.0;

bool IsStep(const CDivePlan& dive, int step) { return step >= 0 && step < dive.GetStepCount(); }

std::string MinutesAndSeconds(int seconds) { return FormatC(" %d:%02d", seconds / 60, seconds % 60); }

}  // namespace

int CProfileReadout::GetStepCount() const { return dive_ != nullptr ? dive_->GetStepCount() : -1; }

bool CProfileReadout::IsStepWarningFree(int step) const {
  return dive_ != nullptr && IsStep(*dive_, step) && dive_->IsStepWarningFree(step);
}

int CProfileReadout::GetStepWarningFlags(int step) const {
  if (dive_ == nullptr) return -1;
  return IsStep(*dive_, step) ? dive_->GetStepWarningFlags(step) : 0;
}

std::string CProfileReadout::GetStepWarningText(int step) const {
  return dive_ != nullptr && IsStep(*dive_, step) ? dive_->GetStepWarningText(step) : std::string();
}

std::optional<ProfilePointAtTime> CProfileReadout::LocatePoint(int timeSec, bool forReadout) const {
  if (dive_ == nullptr) return std::nullopt;
  const int count = dive_->GetPlanPlusPointCount();
  if (count < 2) return std::nullopt;
  // The points follow one another in time: the first one starting after the time ends the search.
  int after = 0;
  for (int span = count; span > 0;) {
    const int half = span / 2;
    if (dive_->GetPlanPlusStartTime(after + half) <= timeSec) {
      after += half + 1;
      span -= half + 1;
    } else {
      span = half;
    }
  }
  const int point = after - 1;
  if (point < 0) return std::nullopt;
  const double depth = dive_->GetPlanPlusDepth(point);
  const double previous = point > 0 ? dive_->GetPlanPlusDepth(point - 1) : depth;
  const int start = dive_->GetPlanPlusStartTime(point);
  const int end = dive_->GetPlanPlusEndTime(point);
  if (end < timeSec) return ProfilePointAtTime{point, depth};
  if (forReadout && timeSec == 0) return ProfilePointAtTime{point, previous};
  // A point that lasts no time (every start point) is at its own depth.
  if (end == start) return ProfilePointAtTime{point, depth};
  const double fraction = static_cast<double>(timeSec - start) / (end - start);
  return ProfilePointAtTime{point, previous + fraction * (depth - previous)};
}

bool CProfileReadout::IsLoggedClosedCircuitAt(int timeSec) const {
  const std::optional<ProfilePointAtTime> found = LocatePoint(timeSec, false);
  return found && found->depthMetres > kBailoutMinimumDepthMetres && dive_->IsPlanPlusClosedCircuit(found->index);
}

bool CProfileReadout::IsReviewDive() const { return dive_ != nullptr && dive_->IsReviewDive(); }

bool CProfileReadout::HasNothingToShow() const {
  return dive_ == nullptr || (dive_->IsBailoutMode() && !dive_->IsBailoutPlanPresent());
}

std::string CProfileReadout::Length(const char* format, double metres) const {
  return units_ == UnitSystem::kImperial ? FormatC(format, metres * kFeetPerMetre, "ft")
                                         : FormatC(format, metres, "m");
}

double CProfileReadout::AmbientBar(double depthMetres) const {
  return (dive_->GetSurfacePressure() + depthMetres * 100) / 1000;
}

std::string CProfileReadout::FormatLoggedReadoutItem(int timeSec, int item) const {
  if (HasNothingToShow()) return {};
  const std::optional<ProfilePointAtTime> found = LocatePoint(timeSec, true);
  if (!found) return {};
  const int point = found->index;
  const bool closedCircuit = dive_->IsPlanPlusClosedCircuit(point);
  const double oxygen = dive_->GetPlanPlusOxygen(point);
  switch (item) {
    case 0: {
      std::string text = ResourceString(IDS_GRAPH_DEPTH) + Length(" %.1f %s", found->depthMetres);
      if (dive_->IsPlanPlusNoClearSurface(point)) text += " " + ResourceString(IDS_NO_CLEAR_SURFACE);
      return text;
    }
    case 1: return ResourceString(closedCircuit ? IDS_CLOSED_CIRCUIT : IDS_OPEN_CIRCUIT);
    case 2:
      return ResourceString(closedCircuit ? IDS_GRAPH_DILUENT : IDS_GRAPH_GAS) + " - " +
             MixName(oxygen, dive_->GetPlanPlusHelium(point));
    case 3: {
      const double ambient = AmbientBar(found->depthMetres);
      const double ppo2 = closedCircuit ? std::min(dive_->GetPlanPlusPpo2(point), ambient) : oxygen / 100 * ambient;
      return ResourceString(IDS_PPO2) + FormatC(" %0.2f", ppo2);
    }
    case 4: return ResourceString(IDS_READOUT_END_TIME) + MinutesAndSeconds(dive_->GetLastStepTime());
    default: return ResourceString(IDS_READOUT_INVALID);
  }
}

std::string CProfileReadout::FormatStepReadoutItem(int step, int item) const {
  if (HasNothingToShow() || dive_->GetStepCount() == 0) return {};
  step = std::clamp(step, 0, dive_->GetStepCount() - 1);
  switch (item) {
    case 0: return ResourceString(IDS_GRAPH_CEILING) + Length(" %.1f %s", dive_->GetStepCeiling(step));
    case 1: {
      const double gf = dive_->GetStepGradientFactor(step) * 100;
      return ResourceString(IDS_READOUT_GF) +
             (dive_->IsReviewDive() ? FormatC(" %.0f (Log %.0f)", gf, dive_->GetStepLoggedGradientFactor(step))
                                    : FormatC(" %.0f", gf));
    }
    case 2: return ResourceString(IDS_GRAPH_CNS) + FormatC(" %0.1f%%", dive_->GetStepCns(step) * 100);
    case 3: return ResourceString(IDS_GRAPH_OTU) + FormatC(" %0.1f%%", dive_->GetStepOtu(step) / 300 * 100);
    case 4: return ResourceString(IDS_READOUT_EAD) + Length(" %0.1f%s", dive_->GetStepEad(step));
    default: return ResourceString(IDS_READOUT_INVALID);
  }
}

}  // namespace app
