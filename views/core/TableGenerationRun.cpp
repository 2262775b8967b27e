#include "views/core/TableGenerationRun.h"

#include "engine/NumberText.h"
#include "engine/support/PerfTimer.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/GenerationAxes.h"
#include "views/core/GeneratorChecks.h"
#include "views/core/GeneratorLog.h"

namespace {

// The depth of a warning line: metres as "(m)", or feet as "ft".
std::string WarningFormat(int messageId, double depthMetres, int durationMin, UnitSystem units) {
  const bool feet = units == UnitSystem::kImperial;
  return FormatC(ResourceFormat(messageId).c_str(), ToShownLength(depthMetres, units), feet ? "ft" : "(m)",
                 durationMin);
}

void AnnounceSettings(const GeneratorPage& page, const GenerationSettings& settings,
                      const TableGenerationRun::MessageSink& messages) {
  const UnitSystem units = page.Units();
  LogGenerationStep(FormatC("Depths %0.0f to %0.0f in steps of %0.0f (m)", settings.depthStartMetres,
                            settings.depthFinishMetres, settings.depthStepMetres));
  messages(FormatC(ResourceFormat(IDS_GEN_DEPTHS).c_str(), page.Shown(kDepthStart), page.Shown(kDepthFinish),
                   page.Shown(kDepthStep)) +
           " " + LengthUnitText(units));
  LogGenerationStep(FormatC("Durations %d to %d in steps of %d (mins)", settings.durationStartMin,
                            settings.durationFinishMin, settings.durationStepMin));
  messages(FormatC(ResourceFormat(IDS_GEN_DURATIONS).c_str(), settings.durationStartMin, settings.durationFinishMin,
                   settings.durationStepMin));
  LogGenerationStep(FormatC(
      "Surface Pressure %0.0f, GF High %0.0f, GF Low %0.0f, Descent Rate %0.0f, Ascent Rate %0.0f, Last Deco Stop %0.0f",
      settings.surfacePressureMbar, settings.gfHighPercent, settings.gfLowPercent, settings.descentRateMetresPerMin,
      settings.ascentRateMetresPerMin, settings.lastStopMetres));
  const int message = units == UnitSystem::kImperial ? IDS_GEN_SETTINGS_IMPERIAL : IDS_GEN_SETTINGS_METRIC;
  messages(FormatC(ResourceFormat(message).c_str(), settings.surfacePressureMbar, settings.gfHighPercent,
                   settings.gfLowPercent, ToShownLength(settings.descentRateMetresPerMin, units),
                   ToShownLength(settings.ascentRateMetresPerMin, units), ToShownLength(settings.lastStopMetres, units)));
}

}  // namespace

bool EnginePlanCalculator::Calculate(CDivePlan& dive, const GasSwitchList& travel, const GasSwitchList& deco) {
  dive.SetGasRanges(travel, deco);
  return dive.CalculatePlan(0, {}, true) && dive.IsCalculationCompleted();
}

void TableGenerationRun::Clear() {
  depths_.clear();
  durations_.clear();
  plans_.clear();
}

std::unique_ptr<CDivePlan> TableGenerationRun::MakePlan(const GenerationSettings& settings, CDiveGroupSettings* group,
                                                        double depthMetres, int durationMin) const {
  auto dive = std::make_unique<CDivePlan>();
  dive->SetGeneratedTable(true);
  dive->SetSurfacePressure(settings.surfacePressureMbar);
  dive->SetGfHigh(settings.gfHighPercent);
  dive->SetGfLow(settings.gfLowPercent);
  dive->SetDescentRate(settings.descentRateMetresPerMin);
  dive->SetAscentRate(settings.ascentRateMetresPerMin);
  dive->SetLastStopDepth(settings.lastStopMetres);
  dive->SetSkipValidation(true);
  dive->SetPlanGroup(group);
  dive->SetMaxEad(settings.maxEadMetres);
  dive->SetMaxPpo2(settings.maxPpo2Bar);
  const CPlanPoint bottom = GeneratedBottomPoint(depthMetres, durationMin);
  dive->AddUserPlanPoint(dive->GetUserPlanPointCount(), bottom.durationSec, bottom.depthMbar, bottom.closedCircuit,
                         bottom.oxygenPercent, bottom.heliumPercent, bottom.setPointBar, bottom.noClearSurface);
  return dive;
}

bool TableGenerationRun::Run(const GeneratorPage& page, CDiveGroupSettings* group, GeneratedPlanCalculator& calculator,
                             const MessageSink& messages) {
  platform::WaitCursor waitCursor;
  const GenerationSettings settings = page.Settings();
  const UnitSystem units = page.Units();
  LogGeneratorLine("-", DBG_TABLE_GENERATION);
  LogGenerationStep("Started");
  CPerfTimer timer(TheDebugLog().IsEnabledFor(DBG_CALC_TIMING));
  messages(ResourceString(IDS_GEN_STARTED));
  AnnounceSettings(page, settings, messages);

  Clear();
  // The page's own checks normally refuse such a page first, but a field changed since they
  // last ran (or a caller that never ran them) must not make plans from it.
  GeneratorPage checked = page;
  const GeneratorCheckResult checks = CheckGeneratorPage(checked);
  if (!checks.CanGenerate()) return Refuse(checks.messages, messages);
  depths_ = BuildDepthAxis(settings.depthStartMetres, settings.depthFinishMetres, settings.depthStepMetres,
                           kMaxGeneratedPlans);
  durations_ = BuildDurationAxis(settings.durationStartMin, settings.durationFinishMin, settings.durationStepMin,
                                 kMaxGeneratedPlans);
  const std::size_t planCount = depths_.size() * durations_.size();
  if (planCount == 0 || planCount > static_cast<std::size_t>(kMaxGeneratedPlans)) return Refuse({}, messages);
  LogGenerationStep(FormatC("Creating %zu dive plans", planCount));
  messages(FormatC(ResourceFormat(IDS_GEN_CREATING).c_str(), static_cast<int>(planCount)));
  plans_.reserve(planCount);
  for (double depth : depths_) {
    for (int duration : durations_) {
      plans_.push_back({MakePlan(settings, group, depth, duration), PlanOutcome::kSkipped});
      LogGenerationStep(FormatC("Created a Dive Plan for %0.0f m, duration %d Mins", depth, duration));
      messages(FormatC(ResourceFormat(IDS_GEN_CREATED).c_str(), ToShownLength(depth, units), LengthUnitText(units),
                       duration));
    }
  }
  Calculate(page, calculator, messages);
  CDivePlan::ReleaseLentStepMemory();
  if (timer.IsRunning()) {
    timer.Stop();
    LogGenerationStep(FormatC("Finished in %.6f seconds", timer.Elapsed()), DBG_CALC_TIMING);
  }
  return true;
}

bool TableGenerationRun::Refuse(const std::vector<std::string>& reasons, const MessageSink& messages) {
  Clear();
  for (const std::string& reason : reasons) messages(reason);
  LogGenerationStep("Stopped, no plans made");
  messages(ResourceString(IDS_GEN_STOPPED));
  return false;
}

void TableGenerationRun::Calculate(const GeneratorPage& page, GeneratedPlanCalculator& calculator,
                                   const MessageSink& messages) {
  messages(ResourceString(IDS_GEN_CALCULATING));
  const std::size_t durationCount = durations_.size();
  // Durations from this index on are skipped: one failed at a shallower or equal depth.
  std::size_t firstSkipped = durationCount;
  bool answerRemembered = false;
  bool sixHourAnswer = false;
  for (std::size_t k = 0; k < plans_.size(); ++k) {
    const std::size_t j = k % durationCount;
    const double depth = depths_[k / durationCount];
    GeneratedPlan& plan = plans_[k];
    if (j >= firstSkipped) {
      messages(WarningFormat(IDS_GEN_SKIPPED, depth, durations_[j], page.Units()));
      continue;
    }
    if (answerRemembered) plan.dive->RememberSixHourAnswer(sixHourAnswer);
    const bool completed = calculator.Calculate(*plan.dive, page.travel.Rows(), page.deco.Rows());
    if (!answerRemembered) answerRemembered = plan.dive->GetRememberedSixHourAnswer(sixHourAnswer);
    plan.outcome = completed ? PlanOutcome::kCompleted : PlanOutcome::kUnableToComplete;
    if (!completed) {
      firstSkipped = j;
      messages(WarningFormat(IDS_GEN_UNABLE, depth, durations_[j], page.Units()));
    }
  }
}
