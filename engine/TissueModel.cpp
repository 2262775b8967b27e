// The ZH-L16 tissue model: one second of tissue loading and oxygen exposure per profile step,
// ceilings with gradient factors, counter-diffusion, the choice of stops and the tensions a dive
// starts from.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"

// The compartment loops run on two compartments at once everywhere and on four where the
// processor has AVX2; with AVX-512 the comparisons land in mask registers and cost fewer
// instructions. The choice is made once when the program starts, so one build runs on every
// x86-64 processor, and the file is built without fused multiply-add so that every kind gives
// the same numbers.
#if defined(__x86_64__) && defined(__GNUC__)
#define VT_WIDE_VECTORS __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define VT_WIDE_VECTORS
#endif
#define VT_STEP_INLINE __attribute__((always_inline)) inline

namespace {

#if defined(__x86_64__) && defined(__GNUC__)
bool ProcessorHas32VectorRegisters() { return __builtin_cpu_supports("avx512f"); }
#else
bool ProcessorHas32VectorRegisters() { return false; }
#endif

constexpr double kFirstRegularStopMetres = 6;
constexpr double kStopIntervalMetres = 3;
constexpr double kCnsHalfTimeSec = 5400;
constexpr double kOtuRecoveryPerDay = 300;
constexpr int kDelayedDesaturation = 0;

// Keeps the larger of values[c] and values[c + width] in values[c].
template <int width>
void KeepLarger(double* values) {
  for (int c = 0; c < width; ++c) values[c] = values[c] > values[c + width] ? values[c] : values[c + width];
}

// The largest of the compartment values, taken pairwise so that the compiler compares two
// compartments at once. The array is used up.
inline double LargestOf(double* values) {
  static_assert(kCompartmentCount == 16);
  KeepLarger<8>(values);
  KeepLarger<4>(values);
  KeepLarger<2>(values);
  KeepLarger<1>(values);
  return values[0];
}

// Depth (mbar) on a leg that runs from one depth at its start to another at its end, given the
// change per second; the last second is the end depth exactly.
double DepthOnLeg(double fromMbar, double toMbar, double mbarPerSec, int startSec, int endSec, int timeSec) {
  if (timeSec == endSec) return endSec == startSec ? fromMbar : toMbar;
  return fromMbar + mbarPerSec * (timeSec - startSec);
}

double DepthChangePerSecond(double fromMbar, double toMbar, int startSec, int endSec) {
  return endSec == startSec ? 0 : (toMbar - fromMbar) / (endSec - startSec);
}

// Haldane's step for every compartment; the arrays never overlap, which lets the compiler
// work on several compartments at once.
VT_STEP_INLINE void LoadCompartments(const double* __restrict previous, double inspired, const double* __restrict rate,
                                     double* __restrict next) {
#pragma GCC unroll 4
  for (int c = 0; c < kCompartmentCount; ++c) next[c] = previous[c] + (inspired - previous[c]) * rate[c];
}

// The same step on tensions held apart from the steps.
VT_STEP_INLINE void LoadCompartmentsInPlace(double* __restrict tensions, double inspired,
                                            const double* __restrict rate) {
#pragma GCC unroll 4
  for (int c = 0; c < kCompartmentCount; ++c) tensions[c] += (inspired - tensions[c]) * rate[c];
}

}  // namespace

double CalcEadUnclamped(double oxygenPercent, double heliumPercent, double depthMetres, double surfaceBar,
                        double ppo2Bar, bool closedCircuit) {
  return EadLine(oxygenPercent, heliumPercent, surfaceBar, ppo2Bar, closedCircuit).At(depthMetres * 100);
}

double CalcEad(double oxygenPercent, double heliumPercent, double depthMetres, double surfaceBar, double ppo2Bar,
               bool closedCircuit) {
  return std::max(CalcEadUnclamped(oxygenPercent, heliumPercent, depthMetres, surfaceBar, ppo2Bar, closedCircuit),
                  0.0);
}

// --- Profile points ---

int CDivePlan::FindProfilePointAtTime(int timeSec) const { return ProfilePointAtTime(timeSec); }

VT_STEP_INLINE int CDivePlan::ProfilePointAtTime(int timeSec) const {
  const int count = GetPlanPlusPointCount();
  if (count < 2) return -1;
  if (pointCache_ >= 0 && pointCache_ < count && pointCacheEarlierEnd_ < timeSec) {
    const CPlanPoint& cached = profilePoints_[static_cast<std::size_t>(pointCache_)];
    if (cached.startSec < timeSec && timeSec <= cached.GetEndTime()) return pointCache_;
  }
  int earlierEnd = INT32_MIN;
  for (int k = 0; k < count; ++k) {
    const CPlanPoint& point = profilePoints_[static_cast<std::size_t>(k)];
    if (point.startSec <= timeSec && timeSec <= point.GetEndTime()) {
      pointCache_ = k;
      pointCacheEarlierEnd_ = earlierEnd;
      return k;
    }
    earlierEnd = std::max(earlierEnd, point.GetEndTime());
  }
  pointCache_ = -1;
  return -1;
}

double CDivePlan::GetDepthAtTime(int point, int timeSec) const {
  if (point <= 0 || point >= GetPlanPlusPointCount()) return 0;
  const CPlanPoint& current = profilePoints_[static_cast<std::size_t>(point)];
  const int end = current.GetEndTime();
  if (timeSec < current.startSec || timeSec > end) return 0;
  const double from = profilePoints_[static_cast<std::size_t>(point - 1)].depthMbar;
  return DepthOnLeg(from, current.depthMbar, DepthChangePerSecond(from, current.depthMbar, current.startSec, end),
                    current.startSec, end, timeSec);
}

// --- Gases and oxygen ---

double CDivePlan::GetInspiredNitrogen(int point, double depthMbar) const {
  const CPlanPoint* gas = ProfilePointAt(point);
  if (!gas) return 0;
  return std::max(LinesOf(*gas).inspiredNitrogenMbar.At(depthMbar), 0.0);
}

double CDivePlan::GetInspiredHelium(int point, double depthMbar) const {
  const CPlanPoint* gas = ProfilePointAt(point);
  if (!gas) return 0;
  return std::max(LinesOf(*gas).inspiredHeliumMbar.At(depthMbar), 0.0);
}

GasLines CDivePlan::LinesOf(const CPlanPoint& gas) const {
  return MakeGasLines(gas.oxygenPercent, gas.heliumPercent, gas.closedCircuit, gas.setPointBar, modelSurfaceMbar_,
                      kWaterVapourMbar);
}

VT_STEP_INLINE const CDivePlan::LegConstants& CDivePlan::LegOf(int pointIndex) {
  const CPlanPoint& point = profilePoints_[static_cast<std::size_t>(pointIndex)];
  // The last leg grows and shrinks in place while the ascent is planned, so its end and depth
  // count as well as its index; nothing changes the points before it.
  if (leg_.point != pointIndex || leg_.endSec != point.GetEndTime() || leg_.toDepthMbar != point.depthMbar) {
    const double fromDepth =
        pointIndex > 0 ? profilePoints_[static_cast<std::size_t>(pointIndex - 1)].depthMbar : 0;
    leg_.point = pointIndex;
    leg_.startSec = point.startSec;
    leg_.endSec = point.GetEndTime();
    leg_.fromDepthMbar = fromDepth;
    leg_.toDepthMbar = point.depthMbar;
    leg_.mbarPerSec = DepthChangePerSecond(fromDepth, point.depthMbar, leg_.startSec, leg_.endSec);
    leg_.lines = LinesOf(point);
  }
  return leg_;
}

double CDivePlan::CalcCnsIncrement(double ppo2Bar, int dtSec) const {
  if (!(ppo2Bar >= 0.5)) return 0;
  double limitMin = 0;
  if (ppo2Bar <= cnsTablePpo2Bar_.front()) {
    limitMin = cnsTableLimitMin_.front();
  } else if (ppo2Bar >= cnsTablePpo2Bar_.back()) {
    limitMin = cnsTableLimitMin_.back();
  } else {
    const std::size_t above = static_cast<std::size_t>(
        std::upper_bound(cnsTablePpo2Bar_.begin(), cnsTablePpo2Bar_.end(), ppo2Bar) - cnsTablePpo2Bar_.begin());
    const std::size_t below = above - 1;
    limitMin = cnsTableLimitMin_[below] - (ppo2Bar - cnsTablePpo2Bar_[below]) /
                                              (cnsTablePpo2Bar_[above] - cnsTablePpo2Bar_[below]) *
                                              (cnsTableLimitMin_[below] - cnsTableLimitMin_[above]);
  }
  return dtSec / (limitMin * 60);
}

double CDivePlan::CalcOtuIncrement(double ppo2Bar, int dtSec) {
  if (!(ppo2Bar >= 0.5)) return 0;
  return std::pow(0.5 / (ppo2Bar - 0.5), -5.0 / 6.0) * dtSec / 60.0;
}

// The planner meets the same ppO2 values again and again: the descent and the bottom of a dive
// recalculated after an edit, a bailout plan repeating its dive up to the bailout point, the dives
// of a generated table set. The exposure of a second at each is kept, as pow is the dearest part
// of a step that meets a new ppO2. The CNS limits are the same for every dive, so one memo
// serves them all.
const CDivePlan::SecondExposure& CDivePlan::ExposureOfOneSecond(double ppo2Bar) const {
  constexpr int kSlotBits = 12;
  static thread_local std::array<SecondExposure, std::size_t{1} << kSlotBits> memo;
  const auto bits = std::bit_cast<std::uint64_t>(ppo2Bar);
  SecondExposure& slot = memo[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits)];
  if (std::bit_cast<std::uint64_t>(slot.ppo2Bar) != bits) {
    slot = {ppo2Bar, CalcCnsIncrement(ppo2Bar, 1), CalcOtuIncrement(ppo2Bar, 1)};
  }
  return slot;
}

double CDivePlan::GetSurfaceInspiredNitrogen() const {
  return (modelSurfaceMbar_ - kWaterVapourMbar) * kAirNitrogenFraction;
}

// --- One second ---

bool CDivePlan::CalcTissueStep(int step, int timeSec, int dtSec) {
  if (step <= 0 || step >= GetStepCount()) return false;
  const int k = FindProfilePointAtTime(timeSec);
  if (k < 0) return false;
  FillTissueStep(steps_[static_cast<std::size_t>(step - 1)], steps_[static_cast<std::size_t>(step)], k, LegOf(k),
                 timeSec, dtSec, carry_, nullptr);
  return true;
}

VT_STEP_INLINE void CDivePlan::FillTissueStep(const CPredictionPoint& previous, CPredictionPoint& current, int pointIndex,
                                              const LegConstants& leg, int timeSec, int dtSec,
                                              StepCarry& carry, StepTensions* heldTensions) {
  const CPlanPoint& point = profilePoints_[static_cast<std::size_t>(pointIndex)];
  // The first point of a profile is the surface the dive starts from.
  const double depth = pointIndex == 0 ? 0
                                       : DepthOnLeg(leg.fromDepthMbar, leg.toDepthMbar, leg.mbarPerSec,
                                                    leg.startSec, leg.endSec, timeSec);
  current.closedCircuit = point.closedCircuit;
  current.oxygenPercent = point.oxygenPercent;
  current.heliumPercent = point.heliumPercent;
  current.loggedCeiling = point.loggedCeiling;
  current.loggedGradientFactor = point.loggedGradientFactor;
  current.depthMbar = depth;
  current.ppo2Bar = leg.lines.ppo2Bar.At(depth);
  if (dtSec == 1) {
    if (current.ppo2Bar != carry.exposurePpo2Bar) {
      const SecondExposure& exposure = ExposureOfOneSecond(current.ppo2Bar);
      carry.exposurePpo2Bar = current.ppo2Bar;
      carry.exposureCns = exposure.cns;
      carry.exposureOtu = exposure.otu;
    }
    current.cns = previous.cns + carry.exposureCns;
    current.otu = previous.otu + carry.exposureOtu;
  } else {
    current.cns = previous.cns + CalcCnsIncrement(current.ppo2Bar, dtSec);
    current.otu = previous.otu + CalcOtuIncrement(current.ppo2Bar, dtSec);
  }
  current.eadMetres = std::max(leg.lines.eadMetres.At(depth), 0.0);
  current.inspiredNitrogenMbar = std::max(leg.lines.inspiredNitrogenMbar.At(depth), 0.0);
  current.inspiredHeliumMbar = std::max(leg.lines.inspiredHeliumMbar.At(depth), 0.0);

  if (point.presetTensions && reviewDive_ && presetTensionsGiven_) {
    if (heldTensions) *heldTensions = {presetNitrogenMbar_, presetHeliumMbar_};
    current.nitrogenMbar = presetNitrogenMbar_;
    current.heliumMbar = presetHeliumMbar_;
    return;
  }
  CompartmentValues nitrogenRate;
  CompartmentValues heliumRate;
  const CompartmentValues* kN = &nitrogenRatePerSecond_;
  const CompartmentValues* kHe = &heliumRatePerSecond_;
  if (dtSec == 60) {
    kN = &nitrogenRatePerMinute_;
    kHe = &heliumRatePerMinute_;
  } else if (dtSec != 1) {
    for (int c = 0; c < kCompartmentCount; ++c) {
      nitrogenRate[c] = CompartmentRateFactor(dtSec, nitrogenHalfTimeMin_[c] * 60);
      heliumRate[c] = CompartmentRateFactor(dtSec, heliumHalfTimeMin_[c] * 60);
    }
    kN = &nitrogenRate;
    kHe = &heliumRate;
  }
  // The inspired pressure of the step's own depth holds over the whole interval.
  if (heldTensions) {
    LoadCompartmentsInPlace(heldTensions->nitrogenMbar.data(), current.inspiredNitrogenMbar, kN->data());
    LoadCompartmentsInPlace(heldTensions->heliumMbar.data(), current.inspiredHeliumMbar, kHe->data());
    current.nitrogenMbar = heldTensions->nitrogenMbar;
    current.heliumMbar = heldTensions->heliumMbar;
  } else {
    LoadCompartments(previous.nitrogenMbar.data(), current.inspiredNitrogenMbar, kN->data(),
                     current.nitrogenMbar.data());
    LoadCompartments(previous.heliumMbar.data(), current.inspiredHeliumMbar, kHe->data(), current.heliumMbar.data());
  }
}

template <bool kTensionsHeld>
VT_STEP_INLINE void CDivePlan::FillLegSteps(int point, const LegConstants& leg, int firstSec, int lastSec, bool bailout,
                                            StepCarry& carry) {
  StepTensions tensions;
  if constexpr (kTensionsHeld) tensions = {steps_.back().nitrogenMbar, steps_.back().heliumMbar};
  const bool openCircuit = !profilePoints_[static_cast<std::size_t>(point)].closedCircuit;
  for (int time = firstSec; time <= lastSec; ++time) {
    steps_.emplace_back(time, CPredictionPoint::TensionsFilledLater{});
    FillTissueStep(steps_[steps_.size() - 2], steps_.back(), point, leg, time, 1, carry,
                   kTensionsHeld ? &tensions : nullptr);
    steps_.back().bailout = bailout;
    // After a leg's first second, an open-circuit step breathes the gas of the step before it.
    FinishLastStep(carry, kTensionsHeld ? &tensions : nullptr, openCircuit && time > firstSec);
  }
}

VT_WIDE_VECTORS bool CDivePlan::FillSteps() {
  if (steps_.empty() || profilePoints_.empty()) return false;
  const int first = steps_.back().timeSec + 1;
  const CPlanPoint& lastPoint = profilePoints_.back();
  const int last = lastPoint.GetEndTime();
  if (first > last) return false;
  const bool bailout = lastPoint.bailout;
  StepCarry carry = carry_;
  // Passing the tensions from one second to the next in registers pays with the 32 vector
  // registers of AVX-512; with 16 the compiler spills them, and the steps' own copies serve better.
  static const bool tensionsHeldInRegisters = ProcessorHas32VectorRegisters();
  for (int time = first; time <= last;) {
    const int point = ProfilePointAtTime(time);
    if (point < 0) {
      // No point covers this second: the diver's state is held rather than left unset.
      const CPredictionPoint held = steps_.back();
      steps_.push_back(held);
      steps_.back().timeSec = time;
      steps_.back().bailout = bailout;
      FinishLastStep(carry, nullptr, false);
      ++time;
      continue;
    }
    // While no earlier point ends at or after this second, every second up to the end of the
    // point falls on it; the point and its leg are then looked up once for all of them.
    const int legLast =
        pointCacheEarlierEnd_ < time ? std::min(last, profilePoints_[static_cast<std::size_t>(point)].GetEndTime())
                                     : time;
    const LegConstants leg = LegOf(point);
    if (tensionsHeldInRegisters) {
      FillLegSteps<true>(point, leg, time, legLast, bailout, carry);
    } else {
      FillLegSteps<false>(point, leg, time, legLast, bailout, carry);
    }
    time = legLast + 1;
  }
  carry_ = carry;
  stepsComputed_ = true;
  return true;
}

VT_STEP_INLINE void CDivePlan::FinishLastStep(StepCarry& carry, const StepTensions* heldTensions,
                                              bool gasUnchanged) {
  CPredictionPoint& current = steps_.back();
  const CPredictionPoint& previous = steps_[steps_.size() - 2];
  const double* nitrogen = heldTensions ? heldTensions->nitrogenMbar.data() : current.nitrogenMbar.data();
  const double* helium = heldTensions ? heldTensions->heliumMbar.data() : current.heliumMbar.data();
  FillCeiling(&previous, current, static_cast<int>(steps_.size()) - 1, carry, nitrogen, helium);
  if (gasUnchanged) {
    current.counterDiffusionRisk = carry.counterDiffusionLatch;
  } else {
    FillCounterDiffusion(previous, current, carry);
  }
}

bool CDivePlan::CalcSteps() { return FillSteps(); }

double CDivePlan::CalcGradientFactor(double previousCeilingMbar, double ambientMbar, bool bailout) const {
  StepCarry carry = carry_;
  return GradientFactorAt(previousCeilingMbar, ambientMbar, bailout, carry);
}

VT_STEP_INLINE double CDivePlan::GradientFactorAt(double previousCeilingMbar, double ambientMbar, bool bailout,
                                                  StepCarry& carry) const {
  const double low = bailout ? GetBailoutPlanGfLow() : diveLimits_.gfLowPercent;
  const double high = bailout ? GetBailoutPlanGfHigh() : diveLimits_.gfHighPercent;
  const double floor = modelSurfaceMbar_ + (bellExcursion_ ? bellDepthMetres_ * 100 : 0);
  const double lastStop = GetEffectiveLastStop() * 100 + modelSurfaceMbar_;
  // The fractions and the slope change only with the settings and decoLimit, so they are kept.
  const double decoLimit = carry.decoLimitMbar;
  GfFractions& kept = carry.gf;
  if (kept.low != low || kept.high != high) kept = {low, high, low / 100, high / 100, NAN, NAN, 0};
  // At and above the last stop the gradient factor is GF high whatever decoLimit is: read
  // literally, a decoLimit at the last stop divides 0 by 0, and one above it puts GF low at
  // the last stop, which turns a smooth change of surface pressure into a jump of the stop.
  if (high == low || previousCeilingMbar < floor || ambientMbar <= lastStop) return kept.highFraction;
  if (ambientMbar > decoLimit) return kept.lowFraction;
  // decoLimit >= ambient > lastStop here.
  if (kept.decoLimitMbar != decoLimit || kept.lastStopMbar != lastStop) {
    kept.decoLimitMbar = decoLimit;
    kept.lastStopMbar = lastStop;
    kept.perMbar = (high - low) / (decoLimit - lastStop) / 100;
  }
  return kept.lowFraction + kept.perMbar * (decoLimit - ambientMbar);
}

// With a and b weighted by the tensions (A and B below are those weights times the inert
// pressure P), a compartment's tolerated ambient pressure (P - GF a) / (GF / b - GF + 1) is
// B (P^2 - GF A) / (P (GF P + B (1 - GF))), whose divisor is above 0 for any GF from 0 up:
// one division instead of four. A compartment without inert gas has no ceiling.
namespace {

struct CeilingTerms {
  double numerator;
  double divisor;
};

VT_STEP_INLINE CeilingTerms CeilingTermsOf(double nitrogen, double helium, double nitrogenA, double heliumA,
                                           double nitrogenB, double heliumB, double gf) {
  const double inert = nitrogen + helium;
  const double holdsGas = static_cast<double>(inert > 0);
  const double weightedA = nitrogenA * nitrogen + heliumA * helium;
  const double weightedB = nitrogenB * nitrogen + heliumB * helium;
  return {holdsGas * weightedB * (inert * inert - gf * weightedA),
          inert * (gf * inert + weightedB * (1 - gf)) + (1 - holdsGas)};
}

}  // namespace

// From one second to the next the same compartment nearly always sets the ceiling, so only its
// quotient is taken, first and on its own: the others are compared with it by cross
// multiplication, which needs no division. A compartment counts as below it only when its
// quotient is below the leading one less a relative 1e-12 (far above the rounding of the
// products); when any other is not below, every quotient is taken and the largest kept, so the
// ceiling is always the largest quotient exactly.
VT_STEP_INLINE CDivePlan::CompartmentCeilings CDivePlan::CalcCompartmentCeilings(const double* nitrogenMbar,
                                                                                   const double* heliumMbar, double gf,
                                                                                   int leading) const {
  constexpr double kCloseRatio = 1e-12;
  const double* __restrict nitrogen = nitrogenMbar;
  const double* __restrict helium = heliumMbar;
  const double* __restrict nitrogenA = nitrogenAMbar_.data();
  const double* __restrict heliumA = heliumAMbar_.data();
  const double* __restrict nitrogenB = nitrogenB_.data();
  const double* __restrict heliumB = heliumB_.data();
  const CeilingTerms lead = CeilingTermsOf(nitrogen[leading], helium[leading], nitrogenA[leading], heliumA[leading],
                                           nitrogenB[leading], heliumB[leading], gf);
  double ceiling = lead.numerator / lead.divisor;
  // Divisors are above 0, so a quotient below the leading one less a relative 1e-12 reads
  // numerator < divisor x bound. A compartment holding gas has the terms taken without the
  // factor that marks it (multiplying by 1 and adding 0 change nothing); one without gas has
  // both terms 0 there and is never below.
  const double bound = ceiling - kCloseRatio * std::fabs(ceiling);
  const double gfComplement = 1 - gf;
  long notBelow = 0;
  alignas(32) double inerts[kCompartmentCount];
#pragma GCC unroll 4
  for (int c = 0; c < kCompartmentCount; ++c) {
    const double inert = nitrogen[c] + helium[c];
    const double weightedA = nitrogenA[c] * nitrogen[c] + heliumA[c] * helium[c];
    const double weightedB = nitrogenB[c] * nitrogen[c] + heliumB[c] * helium[c];
    const double numerator = weightedB * (inert * inert - gf * weightedA);
    const double divisor = inert * (gf * inert + weightedB * gfComplement);
    inerts[c] = inert;
    // The leading compartment is never below itself; a value that is not a number is never below.
    notBelow += !(numerator < divisor * bound);
  }
  if (notBelow != 1) {
    CompartmentValues quotients;
    for (int c = 0; c < kCompartmentCount; ++c) {
      const CeilingTerms terms =
          CeilingTermsOf(nitrogen[c], helium[c], nitrogenA[c], heliumA[c], nitrogenB[c], heliumB[c], gf);
      quotients[c] = terms.numerator / terms.divisor;
    }
    CompartmentValues scratch = quotients;
    ceiling = LargestOf(scratch.data());
    const auto found = std::find(quotients.begin(), quotients.end(), ceiling);
    if (found != quotients.end()) leading = static_cast<int>(found - quotients.begin());
  }
  return {std::max(ceiling, 0.0), LargestOf(inerts), leading};
}

const CPredictionPoint* CDivePlan::CalcCeiling(int step) {
  if (step < 0 || step >= GetStepCount()) return nullptr;
  CPredictionPoint& current = steps_[static_cast<std::size_t>(step)];
  FillCeiling(step > 0 ? &steps_[static_cast<std::size_t>(step - 1)] : nullptr, current, step, carry_,
              current.nitrogenMbar.data(), current.heliumMbar.data());
  return &current;
}

VT_STEP_INLINE void CDivePlan::FillCeiling(const CPredictionPoint* previous, CPredictionPoint& current, int step,
                                           StepCarry& carry, const double* nitrogenMbar,
                                           const double* heliumMbar) {
  const double surface = modelSurfaceMbar_;
  const double previousCeiling = previous ? previous->ceilingMbar + surface : 0;
  const double previousMaxCeiling = previous ? previous->maxCeilingMbar : 0;
  const bool bailout = bailoutMode_ && step >= bailoutStartStepIndex_;
  const double gf = GradientFactorAt(previousCeiling, current.depthMbar + surface, bailout, carry);

  const CompartmentCeilings ceilings = CalcCompartmentCeilings(nitrogenMbar, heliumMbar, gf, carry.ceilingCompartment);
  carry.ceilingCompartment = ceilings.leadingCompartment;
  const double ceiling = ceilings.ceilingMbar;
  if (ceiling > carry.decoLimitMbar) {
    carry.decoLimitMbar = ceiling;
  } else if (bailoutMode_ && step == bailoutStartStepIndex_ && previousCeiling >= previousMaxCeiling + surface) {
    PlanLogFormat(kPlanLogBailout,
                  "Replacing max ceiling %0.1f with %0.1f due to bailout trigger and inDecompressionZone == true",
                  carry.decoLimitMbar, ceiling);
    carry.decoLimitMbar = ceiling;
  }
  carry.maxPigtMbar = std::max(carry.maxPigtMbar, ceilings.pigtMbar);
  current.ceilingMbar = ceiling - surface;
  current.pigtMbar = ceilings.pigtMbar;
  // The deepest ceiling met so far in the dive; decoLimit keeps its own role for the GF.
  current.maxCeilingMbar = std::max({previousMaxCeiling, current.ceilingMbar, 0.0});
  current.maxPigtMbar = carry.maxPigtMbar;
  current.gradientFactor = gf;
}

void CDivePlan::CheckCounterDiffusion(int step) {
  if (step <= 0 || step >= GetStepCount()) return;
  FillCounterDiffusion(steps_[static_cast<std::size_t>(step - 1)], steps_[static_cast<std::size_t>(step)], carry_);
}

VT_STEP_INLINE void CDivePlan::FillCounterDiffusion(const CPredictionPoint& previous, CPredictionPoint& current,
                                                    StepCarry& carry) {
  const bool sameGas = current.oxygenPercent == previous.oxygenPercent &&
                       current.heliumPercent == previous.heliumPercent &&
                       current.closedCircuit == previous.closedCircuit &&
                       (!current.closedCircuit || current.ppo2Bar == previous.ppo2Bar);
  if (!sameGas) {
    const double marginMetres = std::max((current.depthMbar - current.ceilingMbar) / 100, 0.0);
    carry.counterDiffusionLatch = current.eadMetres - previous.eadMetres > marginMetres;
  }
  current.counterDiffusionRisk = carry.counterDiffusionLatch;
}

double CDivePlan::GetNextStop(int timeSec, double targetMetres) const {
  const CPredictionPoint* previous = Step(timeSec - 1);
  if (!previous) return -1;
  const double lastStop = GetEffectiveLastStop();
  const double ceiling = previous->ceilingMbar / 100;
  const double floor = bellExcursion_ ? bellDepthMetres_ : 0;
  const double firstRegular = floor + kFirstRegularStopMetres;
  if (ceiling < floor) return -1;
  if (ceiling < targetMetres && targetMetres >= lastStop) return -1;
  if (ceiling < lastStop) return lastStop;
  double stop = lastStop;
  while (stop < ceiling) stop = firstRegular > stop ? firstRegular : stop + kStopIntervalMetres;
  return stop;
}

bool CDivePlan::FindCounterDiffusionGas(CGas& gas) const {
  const std::size_t first = static_cast<std::size_t>(std::max(bailoutStartStepIndex_, -1) + 1);
  for (std::size_t i = first; i < steps_.size(); ++i) {
    if (steps_[i].warningBits & kWarningCounterDiffusion) {
      gas.SetMix(steps_[i].oxygenPercent, steps_[i].heliumPercent);
      return true;
    }
  }
  return false;
}

// --- Start of a dive ---

void CDivePlan::FillSurfaceStep(CPredictionPoint& step, double oxygenPercent, double heliumPercent,
                                double depthMbar) const {
  step.closedCircuit = false;
  step.oxygenPercent = oxygenPercent;
  step.heliumPercent = heliumPercent;
  step.depthMbar = depthMbar;
  const GasLines lines =
      MakeGasLines(oxygenPercent, heliumPercent, false, 0, modelSurfaceMbar_, kWaterVapourMbar);
  step.ppo2Bar = lines.ppo2Bar.At(depthMbar);
  step.eadMetres = std::max(lines.eadMetres.At(depthMbar), 0.0);
}

void CDivePlan::LogStartTensions(const char* heading) const {
  if (!PlanLogEnabled(kPlanLogConstruction) || steps_.empty()) return;
  const CPredictionPoint& first = steps_.front();
  TheDebugLog().LogText(heading);
  std::string nitrogen = "Nitrogen ";
  std::string helium = "Helium   ";
  for (int c = 0; c < kCompartmentCount; ++c) {
    nitrogen += FormatC("[%d] %06.1f ", c, first.nitrogenMbar[c]);
    helium += FormatC("[%d] %06.1f ", c, first.heliumMbar[c]);
  }
  TheDebugLog().LogText(nitrogen);
  TheDebugLog().LogText(helium);
}

bool CDivePlan::InitSurfaceTensions() {
  if (steps_.empty()) return false;
  CPredictionPoint& first = steps_.front();
  double nitrogen = GetSurfaceInspiredNitrogen();
  double helium = 0;
  if (bellExcursion_) {
    const double bellMbar = bellDepthMetres_ * 100;
    nitrogen = (modelSurfaceMbar_ + bellMbar - kWaterVapourMbar) * bellGas_.GetNitrogen() / 100;
    helium = (bellMbar + modelSurfaceMbar_ - kWaterVapourMbar) * bellGas_.GetHelium() / 100;
    FillSurfaceStep(first, bellGas_.GetOxygen(), bellGas_.GetHelium(), bellMbar);
  } else {
    FillSurfaceStep(first, 21, 0, 0);
  }
  first.nitrogenMbar.fill(nitrogen);
  first.heliumMbar.fill(helium);
  first.inspiredNitrogenMbar = nitrogen;
  first.inspiredHeliumMbar = helium;
  LogStartTensions("Initialising Tissues to Surface Values");
  return true;
}

void CDivePlan::InitTensionsAfterInterval(const CompartmentValues& nitrogenMbar,
                                          const CompartmentValues& heliumMbar) {
  if (steps_.empty()) return;
  CPredictionPoint& first = steps_.front();
  const double inspiredNitrogen = GetSurfaceInspiredNitrogen();
  const double inspiredHelium = 0;
  // Between dives the diver breathes air at the surface on open circuit.
  FillSurfaceStep(first, 21, 0, 0);
  first.inspiredNitrogenMbar = inspiredNitrogen;
  first.inspiredHeliumMbar = inspiredHelium;
  first.nitrogenMbar = nitrogenMbar;
  first.heliumMbar = heliumMbar;
  const int interval = std::max(surfaceIntervalSec_, 0);
  const bool logging = PlanLogEnabled(kPlanLogConstruction);
  if (logging) {
    TheDebugLog().LogText("Initialising Tissue Values");
    TheDebugLog().LogText(FormatC("Inspired Nitrogen %06.1f Helium %06.1f", inspiredNitrogen, inspiredHelium));
    LogStartTensions("Last Pressures From Previous Dive");
    TheDebugLog().LogText("Surface Interval " + FormatC("%4d:%02d", interval / 60, interval % 60));
  }
  const bool delayed = (planGroup_ ? planGroup_->GetSurfaceIntervalMethod() : kDelayedDesaturation) ==
                       kDelayedDesaturation;
  if (delayed) {
    PlanLog(kPlanLogConstruction, "Using Delayed Surface Desaturation method");
    for (int minute = 1; minute <= interval / 60; ++minute) {
      const double factor =
          CalcDesaturationFactor(first.nitrogenMbar[15], first.heliumMbar[15], modelSurfaceMbar_, minute);
      for (int c = 0; c < kCompartmentCount; ++c) {
        const double kN = nitrogenRatePerMinute_[c] * (first.nitrogenMbar[c] > inspiredNitrogen ? factor : 1);
        const double kHe = heliumRatePerMinute_[c] * (first.heliumMbar[c] > inspiredHelium ? factor : 1);
        first.nitrogenMbar[c] += (inspiredNitrogen - first.nitrogenMbar[c]) * kN;
        first.heliumMbar[c] += (inspiredHelium - first.heliumMbar[c]) * kHe;
      }
    }
  } else {
    const int algorithm = Algorithm();
    PlanLog(kPlanLogConstruction, algorithm == kZhl16A   ? "Using Buhlmann ZH-L16A algorithm"
                                  : algorithm == kZhl16C ? "Using Buhlmann ZH-L16C algoritm"
                                                         : "Using invalid algorithm");
    for (int c = 0; c < kCompartmentCount; ++c) {
      first.nitrogenMbar[c] += (inspiredNitrogen - first.nitrogenMbar[c]) *
                               CompartmentRateFactor(interval, nitrogenHalfTimeMin_[c] * 60);
      first.heliumMbar[c] +=
          (inspiredHelium - first.heliumMbar[c]) * CompartmentRateFactor(interval, heliumHalfTimeMin_[c] * 60);
    }
  }
  LogStartTensions("New Starting Pressures");
}

bool CDivePlan::DecayCns(double previousCns) {
  if (steps_.empty()) return false;
  const int interval = std::max(surfaceIntervalSec_, 0);
  steps_.front().cns = std::max(previousCns * std::pow(2.0, -interval / kCnsHalfTimeSec), 0.0);
  return true;
}

bool CDivePlan::DecayOtu(double previousOtu) {
  if (steps_.empty()) return false;
  const int interval = std::max(surfaceIntervalSec_, 0);
  steps_.front().otu = std::max(previousOtu - interval / 86400.0 * kOtuRecoveryPerDay, 0.0);
  return true;
}

double CDivePlan::CalcDesaturationFactor(double nitrogenMbar, double heliumMbar, double surfaceMbar, int minute) {
  const double supersaturation = nitrogenMbar + heliumMbar - (surfaceMbar - kWaterVapourMbar) * kAirNitrogenFraction;
  const double x = (minute - (supersaturation / 1.708984375 + 61)) / 56.3355;
  const double factor = 1 / (1 + 0.0682667 * supersaturation / (1 + x * x));
  return std::clamp(factor, 0.0, 1.0);
}
