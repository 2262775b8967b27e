#pragma once
// What the dive and gas-consumption tables print of the dives of a plan, read once from the plan
// so that the documents are built from plain values.
#include <optional>
#include <string>
#include <vector>

#include "engine/DiveSegment.h"
#include "engine/Gas.h"

class CPlanGroup;

namespace views {

struct DiveTableFacts {
  std::vector<CDiveSegment> segments;
  double gfLowPercent = 0;
  double gfHighPercent = 0;
  bool bailout = false;
  double bailoutDepthMetres = 0;
  int bailoutTimeSec = 0;
  // The gradient factors the bailout plan was calculated with (not the bailout settings as
  // entered, which a larger gradient factor of the dive overrides).
  double bailoutGfLowPercent = 0;
  double bailoutGfHighPercent = 0;
  double bailoutSacLitresPerMin = 0;
  double sacLitresPerMin = 0;
  int surfaceIntervalSec = 0;
  int lastStepTimeSec = 0;
  double initialCns = 0;  // fractions: 1.0 is 100 %
  double finalCns = 0;
  double initialOtu = 0;
  double finalOtu = 0;
  std::vector<std::string> gasWarnings;  // one "~"-separated text per gas
  // Open-circuit gas consumption.
  bool gasUsed = false;
  bool diveSacUsed = false;
  bool bailoutSacUsed = false;
  std::vector<std::string> gasUsage;  // one "~"-separated text per gas, up to the first empty one
};

// The dives of a plan in order; a dive is absent when its results cannot be printed: it has not
// been calculated since it or a dive before it changed, or its calculation failed.
struct PlanTableFacts {
  std::vector<std::optional<DiveTableFacts>> dives;
  double gasReservePercent = 0;
  double cylinderWorkingPressureBar = 0;
};

// Every dive of the plan, with the gas-usage texts in the given units.
PlanTableFacts ReadPlanTableFacts(const CPlanGroup& plan, UnitSystem units);

}  // namespace views
