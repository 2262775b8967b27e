// Checking a new or changed point against the dive's gas limits.
#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

bool CDivePlan::ValidatePoint(double depthMetres, double oxygenPercent, double heliumPercent, bool closedCircuit,
                              double setPointBar, bool bailout) const {
  using namespace platform;
  CGas gas;
  if (!gas.SetMix(oxygenPercent, heliumPercent)) {
    AskUser(ResourceString(IDS_MSG_INVALID_GAS), mb::kOk | mb::kIconExclamation);
    return false;
  }
  const double ppo2 = closedCircuit ? setPointBar : CalcPartialPressureO2(oxygenPercent, depthMetres);
  const double maxPpo2 = bailout ? bailoutLimits_.maxPpo2Bar : diveLimits_.maxPpo2Bar;
  if (ppo2 < CPredictionPoint::kMinimumPpo2Bar) {
    AskUser(FormatC(ResourceFormat(IDS_MSG_HYPOXIC).c_str(), ppo2, CPredictionPoint::kMinimumPpo2Bar),
            mb::kOk | mb::kIconExclamation);
    return false;
  }
  if (ppo2 > maxPpo2) {
    AskUser(FormatC(ResourceFormat(IDS_MSG_HYPEROXIC).c_str(), ppo2, maxPpo2), mb::kOk | mb::kIconExclamation);
    return false;
  }
  const double ead =
      CalcEquivalentAirDepth(oxygenPercent, heliumPercent, depthMetres, setPointBar, closedCircuit);
  const double maxEad = bailout ? bailoutLimits_.maxEadMetres : diveLimits_.maxEadMetres;
  if (ead > maxEad) {
    const bool feet = DisplayUnits() == UnitSystem::kImperial;
    const double factor = feet ? kFeetPerMetre : 1.0;
    const char* unit = feet ? "ft" : "m";
    AskUser(FormatC(ResourceFormat(IDS_MSG_EAD_LIMIT).c_str(), ead * factor, unit, maxEad * factor, unit),
            mb::kOk | mb::kIconQuestion);
    return false;
  }
  return true;
}
