// Printed segments: the rows of the dive tables cut from the profile points, and the warnings
// each gas of the dive caused.
#include <algorithm>
#include <optional>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"

namespace {

enum Direction { kDeeper = 1, kLevel = 2, kShallower = 3 };

// The warnings that name their gas.
constexpr int kGasWarningBits = kWarningEad | kWarningHighPpo2 | kWarningLowPpo2 | kWarningCounterDiffusion;

Direction DirectionOf(double depthMetres, double referenceMetres) {
  if (depthMetres > referenceMetres) return kDeeper;
  return depthMetres == referenceMetres ? kLevel : kShallower;
}

}  // namespace

double CDivePlan::GetMaxProfileDepth() const {
  double deepest = -1;
  for (const CPlanPoint& point : profilePoints_) deepest = std::max(deepest, point.GetDepth());
  return deepest;
}

bool CDivePlan::CollectSegmentWarnings(int firstTimeSec, int lastTimeSec, int& bits, std::string& icdText,
                                       std::string& eadText, std::string& highO2Text,
                                       std::string& lowO2Text) const {
  std::optional<UnitSystem> units;
  CollectWarnings(firstTimeSec, lastTimeSec, units, bits, icdText, eadText, highO2Text, lowO2Text);
  return true;
}

void CDivePlan::CollectWarnings(int firstTimeSec, int lastTimeSec, std::optional<UnitSystem>& units, int& bits,
                                std::string& icdText, std::string& eadText, std::string& highO2Text,
                                std::string& lowO2Text) const {
  const int first = std::max(firstTimeSec, 0);
  const int last = std::min(lastTimeSec, GetStepCount() - 1);
  bool feet = false;
  double factor = 1;
  // The depth (shown in the user's units) at which the gas reaches a ppO2, below the dive's own
  // surface pressure.
  const auto depthAt = [&](double ppo2Bar, double oxygenPercent) {
    if (!(oxygenPercent > 0)) return 0.0;
    return (ppo2Bar / (oxygenPercent / 100) - surfacePressureMbar_ / 1000) * 10 * factor;
  };
  bool unitsKnown = false;
  const std::uint8_t* packed = packedWarningBits_.size() == steps_.size() ? packedWarningBits_.data() : nullptr;
  for (int i = first; i <= last; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    const int stepBits = packed ? packed[index] : steps_[index].warningBits;
    bits |= stepBits;
    if ((stepBits & kGasWarningBits) == 0) continue;
    const CPredictionPoint& step = steps_[index];
    if (!unitsKnown) {  // only texts need the setting, and most steps have none
      if (!units) units = DisplayUnits();
      feet = *units == UnitSystem::kImperial;
      factor = feet ? kFeetPerMetre : 1;
      unitsKnown = true;
    }
    const StepWarningLimits& limits = evaluatedLimits_[step.bailout ? 1 : 0];
    if ((step.warningBits & kWarningCounterDiffusion) && icdText.empty()) icdText = "ICD Risk";
    if ((step.warningBits & kWarningEad) && eadText.empty()) {
      eadText = FormatC(feet ? "EAD %0.0fft @ %0.0fft" : "EAD %0.0fm @ %0.0fm", limits.maxEadMetres * factor,
                        step.depthMbar / 100 * factor);
    }
    if ((step.warningBits & kWarningLowPpo2) && lowO2Text.empty()) {
      const double minimum = CPredictionPoint::kMinimumPpo2Bar;
      lowO2Text = step.closedCircuit ? FormatC("Low O2 < %0.2f Min PPO2", minimum)
                                     : FormatC(feet ? "Low O2 %0.2f @ < %0.0fft" : "Low O2 %0.2f @ < %0.0fm", minimum,
                                               depthAt(minimum, step.oxygenPercent));
    }
    if ((step.warningBits & kWarningHighPpo2) && highO2Text.empty()) {
      highO2Text = step.closedCircuit
                       ? FormatC("High O2 > %0.2f Max PPO2", limits.maxPpo2Bar)
                       : FormatC(feet ? "High O2 %0.2f @ > %0.0fft" : "High O2 %0.2f @ > %0.0fm", limits.maxPpo2Bar,
                                 depthAt(limits.maxPpo2Bar, step.oxygenPercent));
    }
  }
}

void CDivePlan::CollectWarningsOf(const CPlanPoint& point, std::optional<UnitSystem>& units, int& bits,
                                  std::string& icd, std::string& ead, std::string& high, std::string& low) const {
  CollectWarnings(point.startSec, point.GetEndTime(), units, bits, icd, ead, high, low);
}

void CDivePlan::AddGasWarning(double oxygenPercent, double heliumPercent, const std::string& icdText,
                              const std::string& eadText, const std::string& highO2Text,
                              const std::string& lowO2Text) {
  auto entry = std::find_if(gasWarnings_.begin(), gasWarnings_.end(), [&](const CDiveGasWarning& warning) {
    return warning.gas.GetOxygen() == oxygenPercent && warning.gas.GetHelium() == heliumPercent;
  });
  if (entry == gasWarnings_.end()) {
    CDiveGasWarning warning;
    warning.gas.SetMix(oxygenPercent, heliumPercent);
    gasWarnings_.push_back(warning);
    entry = gasWarnings_.end() - 1;
  }
  const auto replace = [](std::string& stored, const std::string& text) {
    if (!text.empty()) stored = text;
  };
  replace(entry->counterDiffusionText, icdText);
  replace(entry->eadText, eadText);
  replace(entry->highO2Text, highO2Text);
  replace(entry->lowO2Text, lowO2Text);
}

bool CDivePlan::SegmentProfile() {
  segments_.clear();
  gasWarnings_.clear();
  if (profilePoints_.empty()) return false;
  PlanLog(kPlanLogConstruction, "Processing, Segmenting - Started");
  const double maxDepth = GetMaxProfileDepth();
  const bool printFirstAscent = AppSettings().general.firstAscentOption.Get() != 0;
  std::optional<UnitSystem> units;  // read once, when the first warning text needs them
  double segmentDepth = profilePoints_.front().GetDepth();
  int accumulatedSec = profilePoints_.front().durationSec;
  bool firstAscentSeen = false;
  bool firstAscentPending = false;
  bool lastEmitted = false;
  const int count = GetPlanPlusPointCount();
  for (int i = 1; i < count; ++i) {
    const CPlanPoint& point = profilePoints_[static_cast<std::size_t>(i)];
    const double depth = point.GetDepth();
    accumulatedSec += point.durationSec;
    int bits = 0;
    std::string icd, ead, high, low;
    CollectWarningsOf(point, units, bits, icd, ead, high, low);
    const Direction direction = DirectionOf(depth, segmentDepth);
    const bool last = i == count - 1;
    const CPlanPoint* next = last ? nullptr : &profilePoints_[static_cast<std::size_t>(i + 1)];
    const double nextDepth = next ? next->GetDepth() : 0;
    const int nextDirection = next ? DirectionOf(nextDepth, depth) : 0;
    const bool gasChanges = next && !next->BreathesSameGasAs(point);

    bool emit = true;
    bool merge = false;
    if (point.durationSec == 0) {
      emit = direction == kLevel && nextDirection == kShallower;
    } else if (direction == kLevel) {
      if (next && nextDirection == kLevel) {
        emit = lastEmitted;
      } else if (next && (firstAscentSeen || nextDirection == kDeeper)) {
        merge = !gasChanges;
      }
    } else if (direction == kShallower && !firstAscentSeen) {
      firstAscentSeen = true;
      // The first ascent is folded into the next row unless the user wants it printed, the gas
      // changes, or no row follows (a dive without stops), where it would vanish.
      if (printFirstAscent || last) {
        firstAscentPending = true;
      } else if (!gasChanges) {
        segmentDepth = depth;
        emit = false;
      }
    }
    if (!emit) {
      lastEmitted = false;
      continue;
    }
    int runTimeSec = point.GetEndTime();
    if (merge) {
      accumulatedSec += next->durationSec;
      runTimeSec = next->GetEndTime();
      CollectWarningsOf(*next, units, bits, icd, ead, high, low);
    }
    int type = kSegmentPrinted;
    const char* label = "Printed Segment          ";
    if (firstAscentPending) {
      type = last ? kSegmentAscentToSurface : kSegmentFirstAscent;
      label = last ? "Ascent to Surface Segment " : "First Ascent Segment      ";
      firstAscentPending = false;
    } else if (depth == maxDepth && (!next || nextDepth != depth)) {
      type = kSegmentBottomDepth;
      label = "Bottom Depth             ";
    }
    segments_.emplace_back(segmentDepth, accumulatedSec, type, runTimeSec, point.oxygenPercent, point.heliumPercent,
                           point.setPointBar, point.closedCircuit, bits, point.noClearSurface);
    PlanLogFormat(kPlanLogConstruction, "Processing, Segmenting - %s, Segment %3d, Depth %6.2f, Duration %5d", label, i,
                  segmentDepth, accumulatedSec);
    segmentDepth = merge ? nextDepth : depth;
    accumulatedSec = 0;
    lastEmitted = true;
    if (bits & kGasWarningBits) AddGasWarning(point.oxygenPercent, point.heliumPercent, icd, ead, high, low);
    if (merge) ++i;
  }
  PlanLog(kPlanLogConstruction, "Processing, Segmenting - Completed");
  return true;
}
