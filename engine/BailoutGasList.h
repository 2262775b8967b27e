#pragma once
// Choosing bailout gases from the gases the diver carries: the pressure range in which each may
// be breathed, and the smallest sequence of them that covers the ascent from the bailout depth
// to the surface. Pressures are ambient pressures in bar.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DivePlan.h"

using BailoutGasMixes = std::vector<CDivePlan::BailoutListGasMix>;

// Why no sequence could be chosen: the line for the plan log and the message for the user.
struct BailoutListFailure {
  std::string logText;
  int messageId;
};

class BailoutGasListChoice {
 public:
  // ppo2Bar and maxEadMetres limit every gas; deepestMetres is the deepest post-bailout depth.
  BailoutGasListChoice(double surfaceBar, double ppo2Bar, double maxEadMetres, double deepestMetres);

  // The gases of a list text such as "21/35,50/0,100/0" with their ranges. Items that are not
  // two numbers, or not a gas that can be mixed, are left out.
  BailoutGasMixes ReadCandidates(std::string_view listText) const;
  // Orders by oxygen, richest first, and drops the gases after the first that reaches the
  // bailout depth: a leaner gas is never needed.
  std::optional<BailoutListFailure> KeepGasesNeeded(BailoutGasMixes& gases) const;
  // From the base set (sorted here, deepest first) to the gases to switch to, deepest first.
  std::optional<BailoutListFailure> ChooseOutputSet(BailoutGasMixes& base, BailoutGasMixes& output) const;
  // Limits the gas to the depth where its EAD is 0 against a counter-diffusion risk, removing it
  // when nothing of its range is left. False when the base set did not change.
  bool LimitToEadZero(BailoutGasMixes& base, double oxygenPercent, double heliumPercent) const;

  // The output set as bailout switches: the first at the deepest post-bailout depth, each later
  // one where it may first be breathed.
  GasSwitchList MakeSwitches(const BailoutGasMixes& output) const;
  static void Log(std::string_view title, const BailoutGasMixes& gases);

 private:
  using BailoutListGasMix = CDivePlan::BailoutListGasMix;
  BailoutListGasMix MakeCandidate(double oxygenPercent, double heliumPercent) const;
  void DropWorseGases(const BailoutGasMixes& base, BailoutGasMixes& output) const;
  void RoundDownToSwitchDepths(BailoutGasMixes& output) const;
  static void DropMatchingDepths(BailoutGasMixes& output);
  std::optional<BailoutListFailure> CheckCoverage(BailoutGasMixes& output) const;

  double surfaceBar_;
  double ppo2Bar_;
  double maxEadMetres_;
  double deepestMetres_;
  double bailoutBar_;
};
