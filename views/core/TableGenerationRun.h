#pragma once
// One generation run of the table generator: a dive plan for every depth of the depth axis and
// every bottom time of the duration axis, made depth by depth, each calculated with the two gas
// lists. A plan that cannot be completed makes its bottom time and every longer one be skipped
// at its depth and at every deeper depth, while the other plans are still calculated.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/DiveGroupSettings.h"
#include "engine/DivePlan.h"
#include "views/core/GeneratorPage.h"

enum class PlanOutcome { kSkipped, kCompleted, kUnableToComplete };

struct GeneratedPlan {
  std::unique_ptr<CDivePlan> dive;
  PlanOutcome outcome = PlanOutcome::kSkipped;
  // Only a completed plan goes into the tables.
  bool TakesPart() const { return outcome == PlanOutcome::kCompleted; }
};

// What calculates the plans of a run.
class GeneratedPlanCalculator {
 public:
  virtual ~GeneratedPlanCalculator() = default;
  // Calculates the dive on the gas lists; false when it could not be completed.
  virtual bool Calculate(CDivePlan& dive, const GasSwitchList& travel, const GasSwitchList& deco) = 0;
};

// The engine's own calculation of a dive from the surface, planned on the gas lists.
class EnginePlanCalculator : public GeneratedPlanCalculator {
 public:
  bool Calculate(CDivePlan& dive, const GasSwitchList& travel, const GasSwitchList& deco) override;
};

class TableGenerationRun {
 public:
  using MessageSink = std::function<void(const std::string&)>;

  // Forgets the last run's plans and makes and calculates the new ones; every line for the
  // messages box goes to messages as it happens. False, with no plans and the reasons and
  // "Stopped" in the messages, for a page that fails the generator's checks. The plans are
  // given the group as theirs without joining it.
  bool Run(const GeneratorPage& page, CDiveGroupSettings* group, GeneratedPlanCalculator& calculator,
           const MessageSink& messages);
  void Clear();

  const std::vector<double>& Depths() const { return depths_; }
  const std::vector<int>& Durations() const { return durations_; }
  // Depth-major: the plan of depth i and duration j is element i × (duration count) + j.
  const std::vector<GeneratedPlan>& Plans() const { return plans_; }
  const GeneratedPlan& PlanAt(std::size_t depthIndex, std::size_t durationIndex) const {
    return plans_[depthIndex * durations_.size() + durationIndex];
  }

 private:
  std::unique_ptr<CDivePlan> MakePlan(const GenerationSettings& settings, CDiveGroupSettings* group,
                                      double depthMetres, int durationMin) const;
  void Calculate(const GeneratorPage& page, GeneratedPlanCalculator& calculator, const MessageSink& messages);
  // Ends a run before any plan is made, saying why.
  bool Refuse(const std::vector<std::string>& reasons, const MessageSink& messages);

  std::vector<double> depths_;
  std::vector<int> durations_;
  std::vector<GeneratedPlan> plans_;
};
