#pragma once
// Which dive setting each numeric field of the settings sheet shows: the message its page posts
// after a change, and the dive's getter and setter in the engine's units.
#include <vector>

#include "engine/DivePlan.h"

struct SpinSettingAccess {
  unsigned message;
  double (*get)(const CDivePlan&);
  bool (*set)(CDivePlan&, double);
};

const std::vector<SpinSettingAccess>& DiveSpinSettings();
// The number of gas switches is set as a whole number, its fraction dropped.
const std::vector<SpinSettingAccess>& BailoutSpinSettings();

// The dive has been calculated, so that a bailout can be planned from a moment of it.
inline bool HasCalculatedProfile(const CDivePlan& dive) { return dive.GetPlanPlusPointCount() > 0; }
