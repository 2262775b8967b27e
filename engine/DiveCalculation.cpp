// The dive calculation: from the working points, the profile of descent, planned, ascent and
// stop legs with one step per second, then warnings, segments and the gas used.
#include <algorithm>
#include <cmath>
#include <ctime>

#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/PlanLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

// Depths beyond this (10 km) are no dive; they would only make the stop search endless.
constexpr double kDeepestPointMbar = 1e6;
constexpr double kSourceStep = 0.01;

bool IsRate(double metresPerMin) { return std::isfinite(metresPerMin) && metresPerMin > 0; }
bool IsGradientFactor(double percent) { return std::isfinite(percent) && percent >= 0; }
bool IsDepthMetres(double metres) { return std::isfinite(metres) && std::fabs(metres * 100) <= kDeepestPointMbar; }

bool IsUsablePoint(const CPlanPoint& point) {
  return std::isfinite(point.depthMbar) && std::fabs(point.depthMbar) <= kDeepestPointMbar &&
         std::isfinite(point.oxygenPercent) && std::isfinite(point.heliumPercent) && std::isfinite(point.setPointBar);
}

std::string MinutesAndSeconds(int seconds) { return FormatC("%d:%02d", seconds / 60, seconds % 60); }

// The step memory a generated-table dive no longer needs, for the next one to fill.
std::vector<CPredictionPoint>& LentStepMemory() {
  static std::vector<CPredictionPoint> lent;
  return lent;
}

}  // namespace

int CDivePlan::GetTravelTime(double fromMetres, double toMetres, double descentRate, double ascentRate) {
  const double rate = toMetres > fromMetres ? descentRate : ascentRate;
  const double seconds = std::trunc(std::fabs(toMetres - fromMetres) / (rate / 60));
  if (!(seconds < kDayLimitSec + 1)) return kDayLimitSec + 1;
  return static_cast<int>(seconds);
}

// --- Input ---

bool CDivePlan::CheckCalculationInput() const {
  int message = 0;
  const std::vector<CPlanPoint>& working = bailoutMode_ ? bailoutPoints_ : planPlusPoints_;
  if (!IsRate(diveLimits_.descentRateMetresPerMin) || !IsRate(diveLimits_.ascentRateMetresPerMin) ||
      (bailoutMode_ &&
       (!IsRate(bailoutLimits_.descentRateMetresPerMin) || !IsRate(bailoutLimits_.ascentRateMetresPerMin)))) {
    message = IDS_MSG_INVALID_RATES;
  } else if (!IsGradientFactor(diveLimits_.gfLowPercent) || !IsGradientFactor(diveLimits_.gfHighPercent) ||
             (bailoutMode_ && (!IsGradientFactor(bailoutLimits_.gfLowPercent) ||
                               !IsGradientFactor(bailoutLimits_.gfHighPercent)))) {
    message = IDS_MSG_INVALID_GRADIENT_FACTORS;
  } else if (!(std::isfinite(modelSurfaceMbar_) && modelSurfaceMbar_ > 0) ||
             !IsDepthMetres(diveLimits_.lastStopMetres) || !IsDepthMetres(bellDepthMetres_) ||
             !std::all_of(working.begin(), working.end(), IsUsablePoint)) {
    message = IDS_MSG_INVALID_PLAN_VALUES;
  }
  if (message == 0) return true;
  PlanLog(kPlanLogConstruction, ResourceString(message));
  if (!generatedTable_) platform::AskUser(ResourceString(message), platform::mb::kOk | platform::mb::kIconExclamation);
  return false;
}

// --- Steps ---

void CDivePlan::StartDive(int diveIndex, const PreviousDiveState& previous, bool startAtSurface) {
  if (generatedTable_ && LentStepMemory().capacity() > steps_.capacity()) steps_.swap(LentStepMemory());
  ClearSteps();
  AddStep(0);
  if (diveIndex == 0 || startAtSurface) {
    InitSurfaceTensions();
  } else {
    InitTensionsAfterInterval(previous.nitrogenMbar, previous.heliumMbar);
    DecayCns(previous.cns);
    DecayOtu(previous.otu);
  }
  carry_.decoLimitMbar = kInitialDecoLimitMbar;
  carry_.maxPigtMbar = 0;
  carry_.counterDiffusionLatch = false;
  CalcCeiling(0);
}

void CDivePlan::DeleteStepsAfter(int step) {
  const std::size_t keep = static_cast<std::size_t>(std::max(step + 1, 0));
  if (keep < steps_.size()) steps_.resize(keep);
}

void CDivePlan::KeepLastStepOnly() {
  if (steps_.size() <= 1) return;
  std::vector<CPredictionPoint> last(1, steps_.back());
  if (steps_.capacity() > LentStepMemory().capacity()) LentStepMemory().swap(steps_);
  steps_.swap(last);
}

void CDivePlan::ReleaseLentStepMemory() { std::vector<CPredictionPoint>().swap(LentStepMemory()); }

CDivePlan::PreviousDiveState CDivePlan::GetFinalState() const {
  PreviousDiveState state;
  if (steps_.empty()) return state;
  const CPredictionPoint& last = steps_.back();
  state.nitrogenMbar = last.nitrogenMbar;
  state.heliumMbar = last.heliumMbar;
  state.cns = last.cns;
  state.otu = last.otu;
  return state;
}

// --- Time limits ---

bool CDivePlan::GetRememberedSixHourAnswer(bool& answer) const {
  if (sixHourAnswerRemembered_) answer = sixHourAnswer_;
  return sixHourAnswerRemembered_;
}

void CDivePlan::RememberSixHourAnswer(bool answer) {
  sixHourAnswerRemembered_ = true;
  sixHourAnswer_ = answer;
}

bool CDivePlan::AskExtendPlan() {
  if (sixHourAnswerRemembered_) {
    PlanLog(kPlanLogConstruction, sixHourAnswer_ ? "Table generation and user accepted extended planning on a "
                                                   "previous plan so continuing to use this choice."
                                                 : "Table generation and user declined extended planning on a "
                                                   "previous plan so continuing to use this choice.");
    return sixHourAnswer_;
  }
  planTimer_.Stop();
  using namespace platform;
  const bool extend = AskUser(FormatC(ResourceFormat(IDS_MSG_DECOMPRESS_6_HOURS).c_str(), calculationDiveIndex_ + 1),
                              mb::kYesNo | mb::kIconQuestion | mb::kDefaultButton2) == answer::kYes;
  PlanLog(kPlanLogConstruction, extend ? "User choose to extend the plan past 6 hours"
                                       : "User choose not to extend the plan past 6 hours");
  if (extend || generatedTable_) RememberSixHourAnswer(extend);
  planTimer_.Start(false);
  return extend;
}

void CDivePlan::CheckTimeLimits(int runTimeSec) {
  if (stopped_) return;
  if (runTimeSec > kSixHoursSec && !extendedPlanningAccepted_) {
    if (!AskExtendPlan()) {
      stopped_ = true;
      return;
    }
    extendedPlanningAccepted_ = true;
  }
  if (runTimeSec > kDayLimitSec) stopped_ = true;
}

// Legs never run past the 24-hour limit, so that an absurd duration cannot fill the memory
// with steps before the limit is checked after the leg.
int CDivePlan::ClampToDayLimit(int startSec, int durationSec) const {
  return std::clamp(durationSec, 0, std::max(kDayLimitSec + 1 - startSec, 0));
}

// --- Legs ---

CPlanPoint CDivePlan::NextLeg(const CPlanPoint& from, int startSec, double depthMetres, int durationSec,
                              int type) const {
  CPlanPoint leg = from;
  leg.startSec = startSec;
  leg.depthMbar = depthMetres * 100;
  leg.durationSec = ClampToDayLimit(startSec, durationSec);
  leg.type = type;
  leg.source = profilePoints_.back().source + kSourceStep;
  return leg;
}

void CDivePlan::AddLeg(CPlanPoint leg, const char* label) {
  profilePoints_.push_back(leg);
  if (label) LogProfileLeg(label, leg);
  CalcSteps();
}

void CDivePlan::LogProfileLeg(const char* label, const CPlanPoint& point) const {
  if (!PlanLogEnabled(kPlanLogConstruction)) return;
  std::string line =
      FormatC("Construct Profile - %s, Depth %6.2f, Start %s, Finish %s, Duration %5d, %s %s, PPO2 %0.2f, Source %0.2f",
              label, point.GetDepth(), MinutesAndSeconds(point.startSec).c_str(),
              MinutesAndSeconds(point.GetEndTime()).c_str(), point.durationSec, point.closedCircuit ? "Dil" : "Gas",
              MixName(point.oxygenPercent, point.heliumPercent).c_str(), point.setPointBar, point.source);
  if (point.noClearSurface) line += ", No Clear Surface";
  TheDebugLog().LogText(line);
}

void CDivePlan::WalkWorkingPoint(const std::vector<CPlanPoint>& working, int index, Run& run) {
  const bool final = index == static_cast<int>(working.size());
  const CPlanPoint* point = final ? nullptr : &working[static_cast<std::size_t>(index)];
  const double bottomOfBell = bellExcursion_ ? bellDepthMetres_ : 0;
  const double target = point ? point->GetDepth() : bottomOfBell;
  const int duration = point ? std::max(point->durationSec, 0) : 0;
  if (bailoutMode_ && point && point->bailout && bailoutStartStepIndex_ == kNoBailoutStep) {
    run.descentRate = bailoutLimits_.descentRateMetresPerMin;
    run.ascentRate = bailoutLimits_.ascentRateMetresPerMin;
    bailoutStartStepIndex_ = run.runTimeSec - 1;
  }
  const auto addPlannedLeg = [&](int plannedSec) {
    CPlanPoint leg = NextLeg(*point, run.runTimeSec, target, plannedSec, kPointPlanned);
    leg.source = index;
    AddLeg(leg, "Adding Dive Plan Segment      ");
    run.runTimeSec += profilePoints_.back().durationSec;
    CheckTimeLimits(run.runTimeSec);
  };

  if (target > run.depthMetres) {
    CPlanPoint leg = NextLeg(working[static_cast<std::size_t>(index - 1)], run.runTimeSec, target,
                             GetTravelTime(run.depthMetres, target, run.descentRate, run.ascentRate), kPointDescent);
    leg.noClearSurface = false;
    AddLeg(leg, "Adding Travel Segment         ");
    run.runTimeSec += leg.durationSec;
    run.travelSinceLastLegSec += leg.durationSec;
    run.depthMetres = target;
    CheckTimeLimits(run.runTimeSec);
    if (point && duration > 0 && !stopped_) {
      // The descent counts towards the planned time of the point.
      addPlannedLeg(std::max(duration - run.travelSinceLastLegSec, 0));
      run.travelSinceLastLegSec = 0;
    }
  } else if (target == run.depthMetres) {
    if (point) addPlannedLeg(duration);
  } else {
    AscendTo(target, run);
    if (point && !stopped_) addPlannedLeg(duration);
  }
}

void CDivePlan::AscendTo(double targetMetres, Run& run) {
  while (targetMetres < run.depthMetres && !stopped_) {
    const double stop = GetNextStop(run.runTimeSec, targetMetres);
    double goal = stop == -1 || stop < targetMetres ? targetMetres : std::min(stop, run.depthMetres);
    if (goal != run.depthMetres) {
      ExtendAscentLeg(targetMetres, run, goal);
      if (stopped_) return;
    }
    const double stopAtEnd = GetNextStop(run.runTimeSec, targetMetres);
    if (stopAtEnd != -1 && stopAtEnd >= goal) MakeStop(targetMetres, goal, run);
  }
}

// The ascent leg from the current depth towards goal: stopped short where the ceiling has come
// down to a deeper stop, and carried on past stops the ceiling has already cleared.
void CDivePlan::ExtendAscentLeg(double targetMetres, Run& run, double& goalMetres) {
  const int start = run.runTimeSec;
  double from = run.depthMetres;
  AddLeg(NextLeg(profilePoints_.back(), start, goalMetres,
                 GetTravelTime(from, goalMetres, run.descentRate, run.ascentRate), kPointDecoAscent),
         nullptr);
  CPlanPoint& leg = profilePoints_.back();
  const double deeperStop = GetNextStop(start + leg.durationSec, targetMetres);
  if (deeperStop > goalMetres) {
    // The kept steps are not recomputed on the shorter leg, and decoLimit stays where it got.
    goalMetres = deeperStop;
    leg.depthMbar = goalMetres * 100;
    leg.durationSec = ClampToDayLimit(start, GetTravelTime(from, goalMetres, run.descentRate, run.ascentRate));
    DeleteStepsAfter(leg.GetEndTime());
  }
  while (goalMetres != targetMetres) {
    from = goalMetres;
    const double stop = GetNextStop(start + leg.durationSec, targetMetres);
    goalMetres = stop == -1 ? targetMetres : (stop <= from ? stop : from);
    if (goalMetres == from) break;
    leg.depthMbar = goalMetres * 100;
    leg.durationSec =
        ClampToDayLimit(start, leg.durationSec + GetTravelTime(from, goalMetres, run.descentRate, run.ascentRate));
    CalcSteps();
  }
  LogProfileLeg("Adding Deco Travel Segment    ", leg);
  run.runTimeSec += leg.durationSec;
  // The current depth follows every ascent leg; without it the next leg would travel again.
  run.depthMetres = goalMetres;
  CheckTimeLimits(run.runTimeSec);
}

// A stop at depth that ends on a whole minute of run time, then grows a minute at a time while
// the next stop is still this one.
void CDivePlan::MakeStop(double targetMetres, double stopMetres, Run& run) {
  const int start = run.runTimeSec;
  CPlanPoint stop = NextLeg(profilePoints_.back(), start, stopMetres, GetNextWholeMinute(start) - start, kPointDeco);
  stop.noClearSurface = false;
  AddLeg(stop, nullptr);
  CPlanPoint& leg = profilePoints_.back();
  while (!stopped_) {
    const double next = GetNextStop(start + leg.durationSec, targetMetres);
    if (next == -1 || next < stopMetres) break;
    leg.durationSec += 60;
    CalcSteps();
    CheckTimeLimits(start + leg.durationSec);
  }
  LogProfileLeg("Adding Deco Stop Segment      ", leg);
  run.runTimeSec += leg.durationSec;
  run.depthMetres = stopMetres;
  CheckTimeLimits(run.runTimeSec);
}

// --- The calculation ---

bool CDivePlan::CalculatePlan(int diveIndex, const PreviousDiveState& previous, bool startAtSurface) {
  PlanLog(kPlanLogConstruction, "-");
  InitConstants();
  calculationDiveIndex_ = diveIndex;
  lastCalculationStart_ = {diveIndex, previous, startAtSurface};
  if (reviewDive_) {
    PlanLog(kPlanLogConstruction, "In Dive Review section");
    if (reviewSteps_) {
      StartDive(0, previous, true);
      CalcSteps();
    }
    return true;
  }
  planTimer_.Start(true);
  PlanLogFormat(kPlanLogConstruction, bailoutMode_ ? "Bailout Started in dive %d" : "Started in dive %d", diveIndex);
  PlanLog(kPlanLogConstruction, "Initialsing Constants");
  if (!bailoutMode_) ConstructPlanPlus();
  ClearProfilePoints();
  calculationCompleted_ = false;
  stopped_ = false;
  extendedPlanningAccepted_ = false;
  if (!CheckCalculationInput()) {
    ClearSteps();
    ClearSegments();
    ClearGasWarnings();
    stopped_ = true;
    planTimer_.Stop();
    return false;
  }
  StartDive(diveIndex, previous, startAtSurface);

  const std::vector<CPlanPoint>& working = bailoutMode_ ? bailoutPoints_ : planPlusPoints_;
  if (bailoutMode_) bailoutStartStepIndex_ = kNoBailoutStep;
  if (!working.empty()) {
    CPlanPoint surface = working.front();
    surface.startSec = 0;
    surface.source = 0;
    if (bellExcursion_) surface.depthMbar = bellDepthMetres_ * 100;
    profilePoints_.push_back(surface);
    LogProfileLeg("Adding Surface Point          ", surface);
    Run run;
    run.depthMetres = surface.GetDepth();
    run.descentRate = diveLimits_.descentRateMetresPerMin;
    run.ascentRate = diveLimits_.ascentRateMetresPerMin;
    const int count = static_cast<int>(working.size());
    for (int index = 1; index <= count && !stopped_; ++index) WalkWorkingPoint(working, index, run);
  }
  return FinishCalculation();
}

bool CDivePlan::FinishCalculation() {
  calculationCompleted_ = !stopped_;
  planTimer_.Stop();
  PlanLogFormat(kPlanLogTiming, "Completed in %.6f seconds", planTimer_.Elapsed());
  if (stopped_ && !generatedTable_) {
    if (extendedPlanningAccepted_) {
      platform::AskUser(ResourceString(IDS_MSG_24_HOUR_LIMIT), platform::mb::kOk | platform::mb::kIconExclamation);
      PlanLog(kPlanLogConstruction, "Unable to complete the plan. Exceeded the 24 Hour plan time limition.");
    }
    return false;
  }
  EvaluateSteps();
  SegmentProfile();
  packedWarningBits_.clear();
  LogGasConsumption();
  if (generatedTable_) KeepLastStepOnly();
  calculationTime_ = static_cast<std::int64_t>(std::time(nullptr));
  return true;
}

// --- Warnings and the gas used on open circuit ---

// Each step's warnings and its share of the gas breathed on open circuit are read from the step
// alone; a long dive's steps far outgrow the processor's caches, so both are taken in one pass.
// The running totals live in locals: the compiler cannot tell the steps from the dive's own
// members, and would otherwise load and store them again after every step.
void CDivePlan::EvaluateSteps() {
  evaluatedLimits_[0] = StepWarningLimits::Rounded(diveLimits_.maxPpo2Bar, diveLimits_.maxEadMetres);
  evaluatedLimits_[1] = StepWarningLimits::Rounded(bailoutLimits_.maxPpo2Bar, bailoutLimits_.maxEadMetres);
  const std::array<StepWarningLimits, 2> limits = evaluatedLimits_;
  gasUsage_ = GasUsageList{};
  bool diveOpenCircuitUsed = false;
  bool bailoutOpenCircuitUsed = false;
  bool warningFree = true;
  double ppo2 = NAN;
  double comparedPpo2 = NAN;
  // Taking a ppO2 to 0.01 bar moves it by at most 0.005 bar, so one lying 0.01 bar inside both
  // limits compares with them exactly as its rounded value would, and is compared as it is.
  const double plainPpo2LowBar = CPredictionPoint::kRoundedMinimumPpo2Bar + 0.01;
  const double plainPpo2HighBar = std::min(limits[0].maxPpo2Bar, limits[1].maxPpo2Bar) - 0.01;
  double slotOxygen = NAN;
  double slotHelium = NAN;
  // The gas being breathed, with its totals so far; written back when the gas changes.
  GasUsage* usage = nullptr;
  double litres = 0;
  double seconds = 0;
  const auto keepTotals = [&] {
    if (!usage) return;
    usage->litres = litres;
    usage->seconds = seconds;
  };
  // Litres per mbar of ambient pressure for one second: SAC / 60 / 1000. The ambient pressure
  // here stands on the dive's own surface pressure, not the model's lower one: the larger
  // figure is the safe one for the gas a diver carries.
  const double diveLitres = diveLimits_.sacRateLitresPerMin / 60000;
  const double bailoutLitres = bailoutLimits_.sacRateLitresPerMin / 60000;
  const double surfaceMbar = surfacePressureMbar_;
  const bool bailoutMode = bailoutMode_;
  const long bailoutStart = bailoutStartStepIndex_;
  CPredictionPoint* const steps = steps_.data();
  const long count = static_cast<long>(steps_.size());
  packedWarningBits_.resize(steps_.size());
  std::uint8_t* const packed = packedWarningBits_.data();
  for (long i = 0; i < count; ++i) {
    CPredictionPoint& step = steps[i];
    if (step.ppo2Bar != ppo2) {
      ppo2 = step.ppo2Bar;
      comparedPpo2 = ppo2 >= plainPpo2LowBar && ppo2 <= plainPpo2HighBar ? ppo2 : CPredictionPoint::RoundPpo2(ppo2);
    }
    warningFree = step.EvaluateWarningsAt(limits[step.bailout ? 1 : 0], comparedPpo2) && warningFree;
    packed[i] = static_cast<std::uint8_t>(step.warningBits);

    if (i == 0 || step.closedCircuit) continue;  // the first step is the surface before the dive
    const bool bailoutStep = bailoutMode && i > bailoutStart;
    (bailoutStep ? bailoutOpenCircuitUsed : diveOpenCircuitUsed) = true;
    if (step.oxygenPercent != slotOxygen || step.heliumPercent != slotHelium) {
      keepTotals();
      const int slot = FindGasUsageSlot(step.oxygenPercent, step.heliumPercent);
      usage = slot < 0 ? nullptr : &gasUsage_[static_cast<std::size_t>(slot)];
      litres = usage ? usage->litres : 0;
      seconds = usage ? usage->seconds : 0;
      slotOxygen = step.oxygenPercent;
      slotHelium = step.heliumPercent;
    }
    if (!usage) continue;
    litres += (step.depthMbar + surfaceMbar) * (bailoutStep ? bailoutLitres : diveLitres);
    seconds += 1;
  }
  keepTotals();
  diveOpenCircuitUsed_ = diveOpenCircuitUsed;
  bailoutOpenCircuitUsed_ = bailoutOpenCircuitUsed;
  allStepsWarningFree_ = warningFree;
  gasUsed_ = std::any_of(gasUsage_.begin(), gasUsage_.end(), [](const GasUsage& u) { return u.litres > 0; });
}

int CDivePlan::FindGasUsageSlot(double oxygenPercent, double heliumPercent) {
  CGas gas;
  gas.SetMix(oxygenPercent, heliumPercent);
  const std::string name = gas.GetName(false);
  for (GasUsage& slot : gasUsage_) {
    if (slot.seconds == 0) {
      slot.gas = gas;
      return static_cast<int>(&slot - gasUsage_.data());
    }
    if (slot.gas.GetName(false) == name) return static_cast<int>(&slot - gasUsage_.data());
  }
  LogBailout(FormatC("No free gas slot for %s, its gas use is not counted", name.c_str()), kPlanLogBailout);
  return -1;
}

void CDivePlan::LogGasConsumption() const {
  if (!PlanLogEnabled(kPlanLogBailout)) return;
  LogBailout("OC Gas Consumption", kPlanLogBailout);
  for (const GasUsage& usage : gasUsage_) {
    if (usage.seconds == 0) continue;
    LogBailout(FormatC("Gas %s Consumption %0.1f (l), time %0.0fs", usage.gas.GetName(false).c_str(), usage.litres,
                       usage.seconds),
               kPlanLogBailout);
  }
}
