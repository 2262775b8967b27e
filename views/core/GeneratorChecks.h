#pragma once
// The checks the table generator runs after every change of its page: the depth and time
// ranges, whether the shortest bottom time reaches the deepest depth, the size of the set, a
// descent gas from the surface, and the PPO2 and EAD of every gas over the depths where each
// generated dive breathes it. A failure stops generation; a warning only marks the row.
#include <array>
#include <string>
#include <vector>

#include "engine/GasRanges.h"
#include "views/core/GeneratorPage.h"

inline constexpr int kCheckWarning = 1;
inline constexpr int kCheckFailure = 2;
// The most dive plans one run makes: each keeps its profile and segments until the next run.
inline constexpr int kMaxGeneratedPlans = 2000;
inline constexpr double kHypoxicPpo2Bar = 0.16;

// The depth (m) by which the surface pressure moves every ambient pressure: 0 at 1000 mbar.
double SurfaceOffsetMetres(double surfacePressureMbar);
// The PPO2 (bar) of an open-circuit gas at a depth below a surface at the given pressure, as
// the lists, the checks and the gas-switch editor show it.
double GeneratorPpo2(double oxygenPercent, double depthMetres, double surfacePressureMbar);

struct CheckFinding {
  int code = 0;
  std::string text;
};

struct GasCheckLimits {
  double maxPpo2Bar;
  double maxEadMetres;
  UnitSystem units;
};

// Hypoxic below 0.16 bar or hyperoxic above the maximum: a failure.
CheckFinding CheckPpo2(double oxygenPercent, double depthMetres, double offsetMetres, const GasCheckLimits& limits);
// An EAD above the maximum: a warning. On closed circuit the set-point decides the nitrogen.
CheckFinding CheckEad(double oxygenPercent, double heliumPercent, double depthMetres, double offsetMetres,
                      double ppo2Bar, bool closedCircuit, const GasCheckLimits& limits);

struct GeneratorCheckResult {
  int depthRange = 0;
  int durationRange = 0;
  int reachability = 0;
  int setSize = 0;
  // The descent list has no gas from the surface to its first switch.
  int surfaceGas = 0;
  // Every finding in order, ready for the messages box.
  std::vector<std::string> messages;
  // Also holds the rows' results, which the checks store in the lists' rows.
  int combined = 0;
  bool CanGenerate() const { return (combined & kCheckFailure) == 0; }
};

// Exactly the gases the generated dive to an axis depth breathes, over the same depths, in the
// order it breathes them: the checks follow these.
std::vector<BreathedGas> GeneratedDiveGases(const GeneratorPage& page, double axisDepthMetres);

// Runs every check from scratch: the rows' results are cleared and set again.
GeneratorCheckResult CheckGeneratorPage(GeneratorPage& page);
