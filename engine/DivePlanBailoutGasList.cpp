// The bailout planned on the gases of the diver's bailout gas list: the choice is repeated with a
// gas limited to shallower depths while the plan shows a counter-diffusion risk, and with a lower
// ppO2 limit while it exceeds the CNS limit.
#include <cmath>

#include "engine/BailoutGasList.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr double kHighestReducedPpo2Bar = 1.5;
constexpr double kLowestPpo2Bar = 0.5;

// Logs the failure and shows its message, naming the counter-diffusion checks once they have
// changed the choice.
bool FailGasList(const BailoutListFailure& failure, bool afterIcdChecks) {
  BailoutLog(failure.logText);
  const std::string checks = afterIcdChecks ? ResourceString(IDS_MSG_ICD_CHECKS) : std::string();
  const std::string message = failure.messageId == IDS_MSG_NO_GASES_IN_LIST
                                  ? ResourceString(failure.messageId)
                                  : FormatC(ResourceFormat(failure.messageId).c_str(), checks.c_str());
  platform::AskUser(message, platform::mb::kOk | platform::mb::kIconExclamation);
  return false;
}

}  // namespace

bool CDivePlan::PlanOnListSwitches() {
  LogBailoutSwitches(kPlanLogBailout);
  RemoveBailoutGasSwitches();
  return AddBailoutGasSwitches() && RunBailoutCalculation();
}

bool CDivePlan::CalculateBailoutFromGasList(double ppo2Bar) {
  const double surfaceBar = surfacePressureMbar_ / 1000;
  double ppo2 = ppo2Bar;
  bool icdChecksMade = false;
  for (;;) {
    const BailoutGasListChoice choice(surfaceBar, ppo2, bailoutLimits_.maxEadMetres, deepestPostBailoutMetres_);
    BailoutLog("Calculate Gases from List Step 1");
    BailoutGasMixes base = choice.ReadCandidates(bailoutGasList_);
    BailoutGasListChoice::Log("Step 1", base);
    const std::size_t listSize = base.size();
    if (auto failure = choice.KeepGasesNeeded(base)) return FailGasList(*failure, icdChecksMade);
    BailoutLog("Calculate Gases from List Step 3");
    BailoutGasListChoice::Log("Base", base);
    // Each pass limits one gas further, so the list's length bounds the passes.
    for (std::size_t passes = 0;; ++passes) {
      BailoutGasMixes output;
      if (auto failure = choice.ChooseOutputSet(base, output)) return FailGasList(*failure, icdChecksMade);
      bailoutSwitches_ = choice.MakeSwitches(output);
      if (!PlanOnListSwitches()) return false;
      CGas riskGas;
      if (ignoreIcd_ || !FindCounterDiffusionGas(riskGas)) break;
      BailoutLogFormat("Base set prior to removing gas %02.0f/%02.0f", riskGas.GetOxygen(), riskGas.GetHelium());
      if (passes >= listSize || !choice.LimitToEadZero(base, riskGas.GetOxygen(), riskGas.GetHelium())) {
        BailoutLog("Counter-diffusion checks can change no more gases");
        break;
      }
      BailoutGasListChoice::Log(FormatC("Base set after replacing gas %02.0f/%02.0f maxPamb with pEadZero and removals",
                                        riskGas.GetOxygen(), riskGas.GetHelium()),
                                base);
      icdChecksMade = true;
    }
    if (ignoreCns_) return true;
    BailoutLog("Calculate Gases from List Step 5");
    if (GetFinalCns() < bailoutMaxCnsPercent_ / 100) {
      // The ppO2 that fits becomes the setting; this calculation is the one it would ask for.
      bailoutLimits_.maxPpo2Bar = ppo2;
      return true;
    }
    if (ppo2 <= kLowestPpo2Bar + 1e-9) {
      BailoutLog("Step 5 Cannot Meet Max CNS% limit with current settings and Gaslist");
      platform::AskUser(ResourceString(IDS_MSG_CNS_LIMIT_GASLIST), platform::mb::kOk | platform::mb::kIconExclamation);
      return true;
    }
    ppo2 = ppo2 > kHighestReducedPpo2Bar ? kHighestReducedPpo2Bar : (std::round(ppo2 * 10) - 1) / 10;
  }
}
