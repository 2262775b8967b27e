#include "engine/PredictionPoint.h"

#include "engine/NumberText.h"
#include "engine/support/Rounding.h"

namespace {

constexpr double kPpo2Step = 0.01;
constexpr double kEadStep = 1;

}  // namespace

double CPredictionPoint::RoundPpo2(double ppo2Bar) { return RoundToStep(ppo2Bar, kPpo2Step); }

const double CPredictionPoint::kRoundedMinimumPpo2Bar = RoundPpo2(kMinimumPpo2Bar);

StepWarningLimits StepWarningLimits::Rounded(double maxPpo2Bar, double maxEadMetres) {
  return {CPredictionPoint::RoundPpo2(maxPpo2Bar), RoundToStep(maxEadMetres, kEadStep)};
}

bool CPredictionPoint::EvaluateWarnings(const StepWarningLimits& limits) {
  return EvaluateWarningsAt(limits, RoundPpo2(ppo2Bar));
}

std::string CPredictionPoint::GetWarningText(UnitSystem units) const {
  const bool feet = units == UnitSystem::kImperial;
  std::string text;
  if (warningBits & kWarningCns) text += FormatC("CNS %0.1f%%#", cns * 100);
  if (warningBits & kWarningOtu) text += FormatC("OTU %0.1f%%#", otu / 300 * 100);
  if (warningBits & kWarningEad) {
    text += FormatC("Max EAD %0.1f%s#", feet ? eadMetres * kFeetPerMetre : eadMetres, feet ? "ft" : "m");
  }
  if (warningBits & (kWarningHighPpo2 | kWarningLowPpo2)) text += FormatC("PPO2 %0.2f#", RoundPpo2(ppo2Bar));
  if (warningBits & kWarningCounterDiffusion) text += "Isobaric Counter Diffusion Risk#";
  return text;
}
