#pragma once
// What a profile graph asks of the page that owns it (the dive page): the steps of the page's
// dive with their warnings, whether the logged profile is on closed circuit, and the texts of
// the cursor read-out. The graph finds its page as its parent window; a graph whose parent is no
// page shows only the time in its read-out and offers no bailout.
#include <string>

namespace views {

class IGraphPage {
 public:
  virtual ~IGraphPage() = default;

  // Profile steps of the page's dive (one per second); -1 without a dive.
  virtual int GetStepCount() const = 0;
  // False without a dive or for an index not below the step count.
  virtual bool IsStepWarningFree(int step) const = 0;
  // The step's warning bits (StepWarning); 0 past the last step, -1 without a dive.
  virtual int GetStepWarningFlags(int step) const = 0;
  // The step's warning texts, each followed by "#"; empty without a dive or out of range.
  virtual std::string GetStepWarningText(int step) const = 0;
  // The profile at that time is on closed circuit and deeper than 3.0 m.
  virtual bool IsLoggedClosedCircuitAt(int timeSec) const = 0;
  // Read-out items of the profile point at that time: 0 depth, 1 circuit, 2 gas, 3 PPO2,
  // 4 end time.
  virtual std::string FormatLoggedReadoutItem(int timeSec, int item) const = 0;
  // Read-out items of the step (the last one past the end): 0 ceiling, 1 gradient factor,
  // 2 CNS, 3 OTU, 4 EAD.
  virtual std::string FormatStepReadoutItem(int step, int item) const = 0;
  // The page's dive replays a dive-computer log.
  virtual bool IsReviewDive() const = 0;
};

}  // namespace views
