#pragma once
// What the profile graph asks of the page that owns it while it draws: the dive's profile steps
// and their warnings, whether the profile is on closed circuit at a time, and the texts of the
// cursor read-out ("Depth 97.7 ft", "PPO2 1.20", "GF 65 (Log 70)").
#include <optional>
#include <string>

#include "engine/Gas.h"
#include "views/core/GraphPage.h"

class CDivePlan;

namespace app {

// The calculated profile point under a time, and the depth there.
struct ProfilePointAtTime {
  int index = -1;
  double depthMetres = 0;
};

// The answers from one dive in one unit system; the dive page is one.
class CProfileReadout : public views::IGraphPage {
 public:
  // dive: may be null (a page without a dive); it must outlive the read-out.
  CProfileReadout(const CDivePlan* dive, UnitSystem units) : dive_(dive), units_(units) {}

  void SetReadoutDive(const CDivePlan* dive) { dive_ = dive; }
  void SetReadoutUnits(UnitSystem units) { units_ = units; }

  int GetStepCount() const override;
  bool IsStepWarningFree(int step) const override;
  int GetStepWarningFlags(int step) const override;
  // The step's warnings joined by "#"; empty past the last step or without a dive.
  std::string GetStepWarningText(int step) const override;
  // On closed circuit and deeper than 3.0 m at that time: where a bailout can start.
  bool IsLoggedClosedCircuitAt(int timeSec) const override;
  // Depth, circuit, gas, PPO2 and the dive's end time; empty without a dive, before a
  // bailout plan exists in bailout mode, or where no profile point lies.
  std::string FormatLoggedReadoutItem(int timeSec, int item) const override;
  // Ceiling, GF, CNS, OTU and EAD of the step (past the last step: the last).
  std::string FormatStepReadoutItem(int step, int item) const override;
  bool IsReviewDive() const override;

  // The profile point under the time (the last one starting at or before it) and the depth
  // there: from the previous point's depth to its own over its duration, its own once it has
  // ended or when it lasts no time; for the read-out, time 0 reads the previous point's depth.
  // Nothing with fewer than two points or before the first one.
  std::optional<ProfilePointAtTime> LocatePoint(int timeSec, bool forReadout) const;

 private:
  // Nothing to read: no dive, or in bailout mode before a bailout plan was calculated.
  bool HasNothingToShow() const;
  std::string Length(const char* format, double metres) const;
  double AmbientBar(double depthMetres) const;

  const CDivePlan* dive_;
  UnitSystem units_;
};

}  // namespace app
