#pragma once
// One planned change of breathing gas at a depth, and the lists of twelve that users edit.
#include <array>
#include <string>
#include <string_view>

#include "engine/Gas.h"

class CGasSwitch {
 public:
  CGasSwitch() = default;
  CGasSwitch(const CGasSwitch&) = default;
  CGasSwitch& operator=(const CGasSwitch&) = default;
  virtual ~CGasSwitch() = default;

  // An empty slot: all values 0, closed circuit, not in use, no check finding.
  void Reset();
  bool Set(double depthMetres, double oxygenPercent, double heliumPercent, bool closedCircuit, double setPointBar,
           bool gasSet);

  // "depth,oxygen,helium,closed circuit,set-point,gas set", e.g. "6.00,100.00,0.00,0,1.30,1".
  // The check result is never part of the text.
  std::string ToString() const;
  // Needs exactly six fields; any other count clears the gas-set flag and gives false.
  bool FromString(std::string_view text);
  // Long gas name ("Invalid" for an impossible mix); empty for an unused slot.
  std::string GetGasName() const;

  double GetSetPoint() const { return setPointBar_; }
  double GetOxygen() const { return oxygen_; }
  double GetHelium() const { return helium_; }
  double GetDepth() const { return depthMetres_; }
  bool IsClosedCircuit() const { return closedCircuit_; }
  bool IsGasSet() const { return gasSet_; }
  // The table generator's finding for the row: bit value 1 a warning, 2 a failure.
  int GetCheckResult() const { return checkResult_; }
  void SetCheckResult(int result) { checkResult_ = result; }

 private:
  double setPointBar_ = 0;
  double oxygen_ = 0;
  double helium_ = 0;
  double depthMetres_ = 0;
  bool closedCircuit_ = true;
  bool gasSet_ = false;
  int checkResult_ = 0;
};

// Used slots run from shallow to deep; an unused slot has its gas-set flag clear.
using GasSwitchList = std::array<CGasSwitch, NO_OF_GAS_MIXES>;

// Two depths closer than this are one depth. A switch depth keeps only its centimetres in its
// text form, and feet converted to metres rarely meet the same depth worked out another way
// exactly; depths typed in whole metres or feet always lie much further apart.
inline constexpr double kSameDepthMetres = 0.01;

// Shallower by more than the noise of the depth's conversions.
inline bool IsShallower(double depthMetres, double thanMetres) { return depthMetres < thanMetres - kSameDepthMetres; }
