#pragma once
// The diver's state at one second of a calculated profile (one profile step). A six-hour dive
// has 21,600 of them, so a step is a plain value of fixed size: its warning texts are derived
// from its flags and values when asked for, never stored.
#include <array>
#include <string>

#include "engine/Gas.h"

// Warning bits of a step (and, ORed over its steps, of a printed segment).
enum StepWarning : int {
  kWarningEad = 0x01,
  kWarningCns = 0x02,
  kWarningOtu = 0x04,
  kWarningHighPpo2 = 0x08,
  kWarningLowPpo2 = 0x10,
  kWarningCounterDiffusion = 0x20,
};

// The limits a step is checked against: the dive's, or the bailout's for a bailout step, taken
// to the nearest 0.01 bar and the nearest metre.
struct StepWarningLimits {
  static StepWarningLimits Rounded(double maxPpo2Bar, double maxEadMetres);
  double maxPpo2Bar = 0;
  double maxEadMetres = 0;
};

inline constexpr int kCompartmentCount = 16;
using CompartmentValues = std::array<double, kCompartmentCount>;

class CPredictionPoint {
 public:
  static constexpr double kMinimumPpo2Bar = 0.16;
  static const double kRoundedMinimumPpo2Bar;  // taken to 0.01 bar as the warnings compare it

  // Tag of the constructor that leaves the tensions to be filled at once by the calculation,
  // which sets them for every step it adds.
  struct TensionsFilledLater {};

  CPredictionPoint() : nitrogenMbar{}, heliumMbar{} {}
  explicit CPredictionPoint(int timeSec) : nitrogenMbar{}, heliumMbar{}, timeSec(timeSec) {}
  CPredictionPoint(int timeSec, TensionsFilledLater) : timeSec(timeSec) {}

  // Sets the warning bits and the warning-free flag; true when the step has no warning. CNS
  // above 100 %, OTU above 300, EAD above the limit, ppO2 (to 0.01 bar) above the limit or below
  // 0.16 bar, and a counter-diffusion risk each warn.
  bool EvaluateWarnings(const StepWarningLimits& limits);
  // The same with the step's ppO2 already taken to 0.01 bar, or one that compares with the limits
  // as its rounded value would, for callers that evaluate many steps at one ppO2.
  bool EvaluateWarningsAt(const StepWarningLimits& limits, double roundedPpo2Bar) {
    int bits = 0;
    if (cns > 1.0) bits |= kWarningCns;
    if (otu > 300) bits |= kWarningOtu;
    if (limits.maxEadMetres < eadMetres) bits |= kWarningEad;
    if (roundedPpo2Bar > limits.maxPpo2Bar) bits |= kWarningHighPpo2;
    else if (roundedPpo2Bar < kRoundedMinimumPpo2Bar) bits |= kWarningLowPpo2;
    if (counterDiffusionRisk) bits |= kWarningCounterDiffusion;
    warningBits = bits;
    warningFree = bits == 0;
    return warningFree;
  }
  // A ppO2 taken to 0.01 bar, as the warnings compare it.
  static double RoundPpo2(double ppo2Bar);
  // The texts of the warning bits, each followed by "#", in the order CNS, OTU, EAD, ppO2,
  // counter-diffusion.
  std::string GetWarningText(UnitSystem units) const;

  // What the passes over every step after a calculation read (warnings, gas use, segments)
  // comes first and fills 64 bytes, so that each step costs them one or two cache lines.
  int warningBits = 0;
  bool closedCircuit = false;
  bool warningFree = false;
  bool counterDiffusionRisk = false;
  bool bailout = false;  // a step of a bailout plan after the bailout point
  double depthMbar = 0;
  double cns = 0;  // fraction, 1.0 = 100 %
  double otu = 0;
  double eadMetres = 0;
  double ppo2Bar = 0;  // the set-point on closed circuit
  double oxygenPercent = 0;
  double heliumPercent = 0;

  // On 32 bytes, as the compartment loops read and write four at once.
  alignas(32) CompartmentValues nitrogenMbar;
  alignas(32) CompartmentValues heliumMbar;
  int timeSec = 0;
  double loggedCeiling = 0;
  double loggedGradientFactor = 0;
  double ceilingMbar = 0;     // gauge; negative while the ceiling is above the surface
  double pigtMbar = 0;        // largest total inert tension
  double maxCeilingMbar = 0;  // gauge; the deepest ceiling so far, never below 0
  double maxPigtMbar = 0;
  double gradientFactor = 0;  // fraction
  double inspiredNitrogenMbar = 0;
  double inspiredHeliumMbar = 0;
};

// The profile of a long dive must stay cheap to hold and to copy.
static_assert(sizeof(CPredictionPoint) <= 416);
