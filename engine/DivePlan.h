#pragma once
// One dive of a plan group: its settings, its point lists, its calculated profile and the
// results that pages, graphs and tables read.
//
// The class is large, so its members live in one source file per concern:
//   DivePlan.cpp                construction, defaults, clearing, engine constants
//   DivePlanSettings.cpp        the setters of the dive and bailout settings
//   DivePlanEditing.cpp         point editing, the modified flag and recalculation requests
//   DivePlanBailout.cpp         the moment of a bailout, its plan points and the rule-based plan
//   DivePlanBailoutSwitches.cpp the bailout's gas switches and their points
//   DivePlanBailoutGasList.cpp  the bailout planned on the diver's bailout gas list
//   DivePlanGetters.cpp         the read-only interface over the point lists and steps
//   DivePlanValidation.cpp      checking a new point against the gas limits
//   DivePlanRecords.cpp         the dive's plan-file records and its summary text
//   DivePlanReview.cpp          points and tensions handed over by the log review
//   DivePlanBailoutSupport.cpp  small helpers of the bailout planner
//   DivePlanLog.cpp             the plan's lines in the diagnostic log
//   TissueModel.cpp             one second of tissue loading, ceilings, stops, start values
//   PlanConstruction.cpp        the working point list and the gas-switch schedule
//   DiveCalculation.cpp         walking the plan into legs, stops and steps; gas used
//   Segments.cpp                printed segments and gas warnings
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AppSettings.h"
#include "engine/DiveGroupSettings.h"
#include "engine/DiveSegment.h"
#include "engine/Gas.h"
#include "engine/GasLines.h"
#include "engine/GasRanges.h"
#include "engine/GasSwitch.h"
#include "engine/GasUsage.h"
#include "engine/PlanPoint.h"
#include "engine/PredictionPoint.h"
#include "engine/Zhl16Coefficients.h"
#include "engine/support/DebugLog.h"
#include "engine/support/PerfTimer.h"

class CTextRecord;

// What the dive waits for or last went through; a request differs from every result, so a new
// request always runs.
enum DiveState {
  kDiveIdle = 0,  // also: the last calculation failed
  kDiveCalculationRequested = 1,
  kDiveBailoutRequested = 2,
  kDiveCalculated = 3,
  kDiveBailoutCalculated = 4,
};

class CDivePlan {
 public:
  static constexpr double kWaterVapourMbar = 56.7;
  static constexpr double kInitialDecoLimitMbar = 1600.0;
  static constexpr int kCnsTableSize = 14;
  static constexpr int kSixHoursSec = 21600;
  static constexpr int kDayLimitSec = 86400;
  // Bailout start step while the bailout plan has not reached its bailout point.
  static constexpr int kNoBailoutStep = 999999;

  // What a dive takes over from the dive before it.
  struct PreviousDiveState {
    CompartmentValues nitrogenMbar{};
    CompartmentValues heliumMbar{};
    double cns = 0;
    double otu = 0;
    bool operator==(const PreviousDiveState&) const = default;
  };

  // One gas the bailout planner may choose from the diver's bailout gas list; pressures are
  // ambient pressures in bar.
  struct BailoutListGasMix {
    double oxygenPercent = 0;
    double heliumPercent = 0;
    double ppo2Lim = 0;   // where the gas reaches the PPO2 limit
    double eadLim = 0;    // where its EAD reaches the bailout maximum EAD
    double pEadZero = 0;  // where its EAD is 0
    double maxPamb = 0;   // deepest usable
    double minPamb = 0;   // shallowest usable
  };

  // The limits and rates of the dive, and separately of its bailout.
  struct DecoLimits {
    double gfLowPercent;
    double gfHighPercent;
    double sacRateLitresPerMin;
    double maxPpo2Bar;
    double maxEadMetres;
    double descentRateMetresPerMin;
    double ascentRateMetresPerMin;
    double lastStopMetres;
  };

  CDivePlan();

  // Copies the registry settings of the dive and bailout groups into the dive.
  void LoadDefaults();
  void SetPlanGroup(CDiveGroupSettings* group) { planGroup_ = group; }
  CDiveGroupSettings* GetPlanGroup() const { return planGroup_; }

  const std::string& GetName() const { return name_; }
  void SetName(std::string_view name) { name_ = name; }
  int GetDiveIndex() const { return diveIndex_; }
  void SetDiveIndex(int index) { diveIndex_ = index; }
  const std::string& GetBailoutGasList() const { return bailoutGasList_; }
  CGas GetBellGas() const { return bellGas_; }

  // --- Clearing: each empties one list. ---
  void ClearUserPlanPoints() { userPoints_.clear(); }
  void ClearPlanPlusPoints() { planPlusPoints_.clear(); }
  void ClearProfilePoints();
  // Also clears the counter-diffusion latch and the steps-computed flag.
  void ClearSteps();
  void ClearSegments() { segments_.clear(); }
  void ClearBailoutPlanPoints() { bailoutPoints_.clear(); }
  void ClearBailoutInitialPlanPoints() { bailoutInitialPoints_.clear(); }
  void ClearGasWarnings() { gasWarnings_.clear(); }

  // --- Engine constants: the coefficients of the group's algorithm (ZH-L16C for an unknown
  // value), the per-second and per-minute rate factors and the CNS table. ---
  void InitConstants();
  const CompartmentValues& GetNitrogenHalfTimes() const { return nitrogenHalfTimeMin_; }
  const CompartmentValues& GetHeliumHalfTimes() const { return heliumHalfTimeMin_; }
  const CompartmentValues& GetNitrogenRatePerSecond() const { return nitrogenRatePerSecond_; }
  const CompartmentValues& GetHeliumRatePerSecond() const { return heliumRatePerSecond_; }
  const CompartmentValues& GetNitrogenRatePerMinute() const { return nitrogenRatePerMinute_; }
  const CompartmentValues& GetHeliumRatePerMinute() const { return heliumRatePerMinute_; }

  // --- Dive settings ---
  double GetSurfacePressure() const { return surfacePressureMbar_; }
  // The surface pressure less the "Deco Surface Offset" setting: the model's surface.
  double GetModelSurfacePressure() const { return modelSurfaceMbar_; }
  double GetGfLow() const { return diveLimits_.gfLowPercent; }
  double GetGfHigh() const { return diveLimits_.gfHighPercent; }
  double GetSacRate() const { return diveLimits_.sacRateLitresPerMin; }
  double GetMaxPpo2() const { return diveLimits_.maxPpo2Bar; }
  double GetMaxEad() const { return diveLimits_.maxEadMetres; }
  int GetSurfaceInterval() const { return surfaceIntervalSec_; }
  double GetDescentRate() const { return diveLimits_.descentRateMetresPerMin; }
  double GetAscentRate() const { return diveLimits_.ascentRateMetresPerMin; }
  double GetLastStopDepth() const { return diveLimits_.lastStopMetres; }
  bool IsBellExcursion() const { return bellExcursion_; }
  double GetBellDepth() const { return bellDepthMetres_; }

  // Each setter stores a value that differs from the stored one, marks the dive modified and
  // requests its recalculation (the bailout setters, and the surface pressure in bailout mode:
  // of the bailout plan). It reports whether the value changed; an unchanged value does nothing.
  // No range is checked: the pages and readers that call them keep values in range.
  bool SetSurfacePressure(double mbar);
  bool SetGfLow(double percent);
  bool SetGfHigh(double percent);
  bool SetSacRate(double litresPerMin);
  bool SetMaxPpo2(double bar);
  bool SetMaxEad(double metres);
  bool SetSurfaceInterval(int seconds);
  bool SetDescentRate(double metresPerMin);
  bool SetAscentRate(double metresPerMin);
  bool SetLastStopDepth(double metres);
  bool SetBellExcursion(bool on);
  bool SetBellDepth(double metres);
  // Compared by the gases' long names.
  bool SetBellGas(double oxygenPercent, double heliumPercent);

  // --- Bailout settings ---
  int GetBailoutGasSwitchCount() const { return bailoutGasSwitchCount_; }
  double GetBailoutGfLow() const { return bailoutLimits_.gfLowPercent; }
  double GetBailoutGfHigh() const { return bailoutLimits_.gfHighPercent; }
  // The gradient factors a bailout plan is calculated with: each the larger of the dive's and
  // the bailout setting's.
  double GetBailoutPlanGfLow() const { return std::max(diveLimits_.gfLowPercent, bailoutLimits_.gfLowPercent); }
  double GetBailoutPlanGfHigh() const { return std::max(diveLimits_.gfHighPercent, bailoutLimits_.gfHighPercent); }
  double GetBailoutSacRate() const { return bailoutLimits_.sacRateLitresPerMin; }
  double GetBailoutMaxPpo2() const { return bailoutLimits_.maxPpo2Bar; }
  double GetBailoutMaxEad() const { return bailoutLimits_.maxEadMetres; }
  double GetBailoutMaxCns() const { return bailoutMaxCnsPercent_; }
  double GetBailoutDescentRate() const { return bailoutLimits_.descentRateMetresPerMin; }
  double GetBailoutAscentRate() const { return bailoutLimits_.ascentRateMetresPerMin; }
  double GetBailoutLastStopDepth() const { return bailoutLimits_.lastStopMetres; }
  bool IsUseBailoutGasList() const { return useBailoutGasList_; }
  bool IsIgnoreIcd() const { return ignoreIcd_; }
  bool IsIgnoreCns() const { return ignoreCns_; }

  bool SetBailoutGasSwitchCount(int count);
  bool SetBailoutGfLow(double percent);
  bool SetBailoutGfHigh(double percent);
  bool SetBailoutSacRate(double litresPerMin);
  bool SetBailoutMaxPpo2(double bar);
  bool SetBailoutMaxEad(double metres);
  bool SetBailoutMaxCns(double percent);
  bool SetBailoutDescentRate(double metresPerMin);
  bool SetBailoutAscentRate(double metresPerMin);
  bool SetBailoutLastStopDepth(double metres);
  bool SetUseBailoutGasList(bool on);
  bool SetIgnoreIcd(bool on);
  bool SetIgnoreCns(bool on);
  bool SetBailoutGasList(std::string_view text);

  // --- Flags ---
  bool IsModified() const { return modified_; }
  void ClearModified() { modified_ = false; }
  // Stores the flag and lets the group recompute its own modified state; nothing without a
  // group.
  void MarkModified(bool modified);
  int GetState() const { return state_; }
  // Stores a request and runs it through the group: 1 calculates the dive, 2 its bailout plan;
  // the dive then ends in 3 or 4 on success and 0 on failure. Any other state is only stored.
  // Nothing happens without a group or when the state is already the stored one; a dive of the
  // table generator only stores it. Returns the state the dive ends in.
  int SetState(int state, bool forced);
  // Add and insert store points without validating them.
  void SetSkipValidation(bool on) { skipValidation_ = on; }
  bool IsSkipValidation() const { return skipValidation_; }
  bool IsBailoutMode() const { return bailoutMode_; }
  void SetBailoutMode(bool on) { bailoutMode_ = on; }
  bool IsReviewDive() const { return reviewDive_; }
  void SetReviewDive(bool on) { reviewDive_ = on; }
  // A review dive's calculation computes steps over its logged points only when asked to.
  void SetReviewSteps(bool on) { reviewSteps_ = on; }
  bool IsGeneratedTable() const { return generatedTable_; }
  // A dive of the table generator: six-hour answers are always remembered, a stopped
  // calculation keeps its partial profile, and only the last step is kept. The memory of the
  // other steps is lent to the next generated-table dive calculated, so that a set of hundreds
  // of dives does not take fresh memory from the system for each; ReleaseLentStepMemory gives
  // it back once the set is made.
  void SetGeneratedTable(bool on) { generatedTable_ = on; }
  static void ReleaseLentStepMemory();
  bool IsCalculationCompleted() const { return calculationCompleted_; }
  bool IsStopped() const { return stopped_; }
  bool IsExtendedPlanningAccepted() const { return extendedPlanningAccepted_; }
  // The answer to the six-hour question that later calculations reuse; false when none.
  bool GetRememberedSixHourAnswer(bool& answer) const;
  void RememberSixHourAnswer(bool answer);
  bool IsStepsComputed() const { return stepsComputed_; }
  // No step of the last calculation warns.
  bool IsWarningFree() const { return allStepsWarningFree_; }
  bool IsGasUsed() const { return gasUsed_; }
  bool IsDiveOpenCircuitUsed() const { return diveOpenCircuitUsed_; }
  bool IsBailoutOpenCircuitUsed() const { return bailoutOpenCircuitUsed_; }
  const GasUsageList& GetGasUsage() const { return gasUsage_; }
  // Calendar time of the last successful calculation, whole seconds; 0 before the first.
  std::int64_t GetCalculationTime() const { return calculationTime_; }
  double GetDecoLimit() const { return carry_.decoLimitMbar; }
  int GetBailoutStartStepIndex() const { return bailoutStartStepIndex_; }
  bool IsPointSelected() const { return pointSelected_; }
  const CPlanPoint& GetEditBuffer() const { return editBuffer_; }
  const GasSwitchList& GetBailoutGasSwitches() const { return bailoutSwitches_; }
  void SetBailoutGasSwitches(const GasSwitchList& switches) { bailoutSwitches_ = switches; }

  // --- Counts. The names of the profile-point getters are historical: the "PlanPlus" getters
  // read the calculated profile points and GetProfilePointCount counts the bailout plan points.
  int GetUserPlanPointCount() const { return static_cast<int>(userPoints_.size()); }
  int GetPlanPlusListCount() const { return static_cast<int>(planPlusPoints_.size()); }
  int GetPlanPlusPointCount() const { return static_cast<int>(profilePoints_.size()); }
  int GetProfilePointCount() const { return static_cast<int>(bailoutPoints_.size()); }
  int GetStepCount() const { return static_cast<int>(steps_.size()); }
  int GetSegmentCount() const { return static_cast<int>(segments_.size()); }
  int GetGasWarningCount() const { return static_cast<int>(gasWarnings_.size()); }

  // Every getter below takes any index: outside its list it gives the sentinel of its family.
  // User points: null, 0 for values and flags, -1 for the duration.
  const CPlanPoint* GetUserPlanPoint(int index) const;
  double GetUserPlanPointDepth(int index) const;  // metres x 100
  double GetUserPlanPointOxygen(int index) const;
  double GetUserPlanPointHelium(int index) const;
  double GetUserPlanPointSetPoint(int index) const;
  bool IsUserPlanPointClosedCircuit(int index) const;
  bool IsUserPlanPointNoClearSurface(int index) const;
  int GetUserPlanPointDuration(int index) const;

  // Calculated profile points: null, -1 for values, 0 for flags.
  const CPlanPoint* GetPlanPlusPoint(int index) const { return ProfilePointAt(index); }
  double GetPlanPlusRawDepth(int index) const;  // metres x 100
  double GetPlanPlusDepth(int index) const;     // metres, never below 0
  int GetPlanPlusStartTime(int index) const;
  int GetPlanPlusEndTime(int index) const;
  int GetPlanPlusDuration(int index) const;
  double GetPlanPlusOxygen(int index) const;
  double GetPlanPlusHelium(int index) const;
  double GetPlanPlusPpo2(int index) const;
  double GetPlanPlusCeiling(int index) const;  // the logged ceiling
  bool IsPlanPlusClosedCircuit(int index) const;
  bool IsPlanPlusNoClearSurface(int index) const;

  // Bailout plan points: null, -1 for values, 0 for flags.
  const CPlanPoint* GetProfilePoint(int index) const;
  double GetProfilePointDepth(int index) const;  // metres x 100
  double GetProfilePointOxygen(int index) const;
  double GetProfilePointHelium(int index) const;
  double GetProfilePointSetPoint(int index) const;
  int GetProfilePointDuration(int index) const;
  bool IsProfilePointClosedCircuit(int index) const;
  bool IsProfilePointNoClearSurface(int index) const;
  bool IsProfilePointBailout(int index) const;

  // Steps: -1 for values, 0 for flags and warning bits, "Error" for the warning text. Depths,
  // ceilings and EAD in metres.
  int GetStepTime(int step) const;
  double GetStepDepth(int step) const;
  double GetStepCeiling(int step) const;
  double GetStepMaxCeiling(int step) const;
  double GetStepPigt(int step) const;
  double GetStepMaxPigt(int step) const;
  double GetStepGradientFactor(int step) const;
  double GetStepLoggedCeiling(int step) const;
  double GetStepLoggedGradientFactor(int step) const;
  double GetStepPpo2(int step) const;
  double GetStepOxygen(int step) const;
  double GetStepHelium(int step) const;
  bool IsStepClosedCircuit(int step) const;
  double GetStepCns(int step) const;
  double GetStepOtu(int step) const;
  double GetStepEad(int step) const;
  double GetStepInspiredNitrogen(int step) const;
  double GetStepInspiredHelium(int step) const;
  double GetStepTissueNitrogen(int step, int compartment) const;
  double GetStepTissueHelium(int step, int compartment) const;
  double GetStepMinPpo2(int step) const;
  // The limits in force when the step's warnings were last evaluated.
  double GetStepMaxPpo2(int step) const;
  double GetStepMaxEad(int step) const;
  bool IsStepWarningFree(int step) const;
  int GetStepWarningFlags(int step) const;
  std::string GetStepWarningText(int step) const;

  // First and last step; 0 without steps.
  double GetInitialCns() const;
  double GetFinalCns() const;
  double GetInitialOtu() const;
  double GetFinalOtu() const;
  int GetLastStepTime() const;

  // Segments: -1 for values and warning bits, 0 for flags.
  double GetSegmentDepth(int index) const;
  int GetSegmentDuration(int index) const;
  int GetSegmentRunTime(int index) const;
  int GetSegmentType(int index) const;
  double GetSegmentOxygen(int index) const;
  double GetSegmentHelium(int index) const;
  double GetSegmentPpo2(int index) const;
  int GetSegmentWarningFlags(int index) const;
  bool IsSegmentClosedCircuit(int index) const;
  bool IsSegmentNoClearSurface(int index) const;
  bool IsSegmentFirstAscent(int index) const;
  bool IsSegmentAscentToSurface(int index) const;
  bool IsSegmentBottomDepth(int index) const;

  // The entry's text, "Invalid" outside the list.
  std::string GetGasWarningText(int index) const;

  // Bailout plan points exist.
  bool HasProfile() const { return !bailoutPoints_.empty(); }
  bool HasClosedCircuitPoint() const;
  // "Max Depth 40.0 (m), Duration 10:00 (mm:ss)" of the first deepest user point; empty
  // without points or when the deepest is at the surface.
  std::string FormatDepth() const;
  // End time of the profile point before the first one that starts after t; -1 with fewer than
  // two points or when even the first point starts after t.
  int GetPointEndBefore(int timeSec) const;

  // --- Point editing. Each acts on the user points, in bailout mode on the bailout plan points,
  // and requests a recalculation of the dive when it changes them. Depths in metres x 100.
  // Validates the point (unless validation is skipped) and inserts it before the index, or
  // appends it for an index past the end; the new point's index, or -1 when it was refused.
  int AddUserPlanPoint(int index, int durationSec, double depthMbar, bool closedCircuit, double oxygenPercent,
                       double heliumPercent, double setPointBar, bool noClearSurface);
  // Validates the point and overwrites the one at the index with it (its time and type stay);
  // false when refused or when no point has that index.
  bool UpdateUserPlanPoint(int index, int durationSec, double depthMbar, bool closedCircuit, double oxygenPercent,
                           double heliumPercent, double setPointBar, bool noClearSurface);
  // Deletes the point at the index; false when there is none. Requests a recalculation either
  // way.
  bool DeleteUserPlanPoint(int index);
  // Copies the point into the edit buffer; false for an index outside the list.
  bool CopyPlanPoint(int index);
  bool CopyPoint(int index) { return CopyPlanPoint(index); }
  // Inserts a copy of the copied point like AddUserPlanPoint, without validation; -1 when
  // nothing was copied or the index is negative.
  int PastePlanPoint(int index);
  int PastePoint(int index) { return PastePlanPoint(index); }

  // Refuses, with a message box, a point whose gas is invalid, hypoxic or hyperoxic at its
  // depth, or above the maximum EAD. bailout: check against the bailout limits.
  bool ValidatePoint(double depthMetres, double oxygenPercent, double heliumPercent, bool closedCircuit,
                     double setPointBar, bool bailout) const;

  // Appends the dive's records for the plan file, each ending with a line feed.
  void WriteDiveRecords(std::string& text) const;
  // True when keys, in the order read, are the records WriteDiveRecords writes for every dive
  // (all but the points), in the order it writes them, up to some point and none after it: what
  // a cut leaves of a saved dive. Any other set of records is a whole dive, whose missing records
  // keep their defaults.
  static bool IsCutOffDive(const std::vector<int>& keys);
  // Appends a point of a plan-file row 100 (user points) or 110 (bailout plan points) as it
  // stands; false for any other row or one with too few fields.
  bool AddPointFromRecord(std::string_view record);
  // Applies one record of a plan or dive file as an edit would: each setting through its
  // setter, first brought into the range the settings pages keep it in; a bell gas that is no
  // valid mix is refused; points are appended as they stand. False for a key of no dive record.
  bool ApplyDiveRecord(const CTextRecord& record);

  // --- Log review: points and start tensions taken from a dive-computer log. ---
  void AddReviewPoint(int startSec, int durationSec, double depthMbar, double oxygenPercent, double heliumPercent,
                      double setPointBar, bool presetTensions);
  void AddEmptyReviewPoint(int startSec);
  bool SetReviewPointLoggedCeiling(int index, double ceiling);
  bool SetReviewPointLoggedGradientFactor(int index, double gradientFactor);
  // Refused unless every value is a finite number and every compartment holds inert gas.
  bool SetPresetTensions(const CompartmentValues& nitrogenMbar, const CompartmentValues& heliumMbar);
  bool HasPresetTensions() const { return presetTensionsGiven_; }

  // --- Steps ---
  // Appends a step at the time and returns its index.
  int AddStep(int timeSec);
  void MarkStepBailout(int step);

  // --- Helpers of the bailout planner ---
  // The index before the first unused switch, the first at the depth (within 0.001 m) or the
  // last slot; -1 when the first slot is unused or at the depth.
  int FindBailoutSwitchAtDepth(double depthMetres) const;
  // -1 outside bailout mode; the first bailout plan point with the bailout flag, 999 when none.
  int GetFirstBailoutPointIndex() const;
  // The EAD at switch k's profile point plus the switch's margin over the ceiling there, capped
  // at the bailout maximum EAD (which is also the answer when no point matches).
  double CalcBailoutSwitchEad(int switchIndex) const;
  static void SortBailoutGasesByOxygen(std::vector<BailoutListGasMix>& list, bool ascending, bool lowerHeliumFirst);
  static void SortBailoutGasesByMaxAmbient(std::vector<BailoutListGasMix>& list, bool ascending,
                                           bool lowerHeliumFirst);

  // --- Bailout planning: from a moment of a closed-circuit dive, the ascent on open circuit
  // with planned gas switches. The bailout plan points run through the ordinary calculation. ---
  // Shows the dive as its bailout plan: the kept plan is calculated again, or without one the
  // empty bailout view is announced (WMU_DIVE_CALCULATED).
  void TriggerBailout();
  // Plans the bailout at the cursor time or at the end of the profile point under it; false,
  // with nothing changed, for a dive without a calculated profile.
  bool BailoutFromCursor(int cursorSec, bool atSegmentEnd);
  // Back to the dive: EndBailout discards the bailout plan, ReturnToDive (also named
  // ClearBailout by the pages) keeps it for the next TriggerBailout.
  void EndBailout();
  void ReturnToDive();
  void ClearBailout() { ReturnToDive(); }
  // Enters bailout mode at the cursor time, or at the end of the profile point under it, and
  // keeps the depth, ceiling and EAD there. A time outside the profile is taken to its nearest
  // end. False, with nothing changed, for a dive without a calculated profile.
  bool ChooseBailoutMoment(int cursorSec, bool atSegmentEnd);
  // Plans and calculates the bailout from the state the dive starts from (the previous dive's
  // final state, or the surface). False when no plan can be made; the user has been told why.
  bool CalculateBailout(const PreviousDiveState& previous, bool startAtSurface);
  // The last bailout calculation succeeded (kept in the plan file as the bailout-triggered flag).
  bool IsBailoutPlanPresent() const { return bailoutTriggered_; }
  int GetBailoutTime() const { return bailoutStartStep_; }
  double GetBailoutDepth() const { return bailoutDepthMetres_; }
  double GetBailoutCeiling() const { return bailoutCeilingMetres_; }
  double GetBailoutEad() const { return bailoutEadMetres_; }
  // Time left in the planned segment at the bailout; -1 until found.
  int GetRemainingPlannedTime() const { return remainingPlannedSec_; }
  double GetDeepestPostBailoutDepth() const { return deepestPostBailoutMetres_; }
  int GetInitialBailoutPointCount() const { return static_cast<int>(bailoutInitialPoints_.size()); }

  // The most gas switches an ascent from this depth may use, 1 to NO_OF_GAS_MIXES.
  static int GetMaxBailoutGasSwitches(double depthMetres);
  // (ambient pressure at the deepest post-bailout depth / pressure)^(1 / switches); 1000 when
  // there is no switch to share the ratio.
  double GetBailoutPressureRatio(double pressureBar, int switches) const;
  // Switch 0 at the deepest post-bailout depth, the others at a constant pressure ratio on the
  // 3 m grid, none shallower than 6 m. False when the user declines a change of the number of
  // switches or more than NO_OF_GAS_MIXES would be needed.
  bool CalcBailoutSwitchDepths();
  // The gas of every used switch; later targets fall by the ratio. False when a switch gets a
  // gas that cannot be breathed.
  bool CalcBailoutSwitchGases(double firstPpo2Bar, double ratio);
  // The richest gas within the ppO2 target and the EAD limits at a switch depth; under the
  // counter-diffusion rule a later gas never holds more nitrogen than the one before.
  CGas CalcBestBailoutGas(double depthMetres, double previousNitrogenPercent, bool first, double ppo2Bar) const;
  // Puts the switch gases into the bailout plan points from the bailout point on and inserts a
  // point at every switch passed; false when a point has no switch in force at its depth.
  bool AddBailoutGasSwitches();
  // Only re-assigns the gases of the existing bailout plan points.
  bool UpdateBailoutGasSwitches();
  // Deletes the points after the bailout point, except No Clear Surface points.
  void RemoveBailoutGasSwitches();
  void RestoreInitialBailoutPoints() { bailoutPoints_ = bailoutInitialPoints_; }
  // The gases from the diver's bailout gas list, from the start state CalculateBailout keeps.
  bool CalculateBailoutFromGasList(double ppo2Bar);

  // --- Gas-switch schedule: the dive is planned from the bottom point of the user points and
  // these two lists instead of the user points themselves. ---
  void SetGasRanges(const GasSwitchList& travelList, const GasSwitchList& decoList);
  void LogGasRanges(LogCategory category) const;
  const GasRangeList& GetTravelRanges() const { return travelRanges_; }
  const GasRangeList& GetDecoRanges() const { return decoRanges_; }
  int GetGasSwitchesUsed() const { return gasSwitchesUsed_; }

  // --- Tissue model ---
  // Fills step i (> 0) from step i - 1 and the profile point active at t; false for step 0, a
  // missing step or a time no point covers.
  bool CalcTissueStep(int step, int timeSec, int dtSec);
  // Gradient factor, ceiling, Pigt and their maxima of step i; raises decoLimit.
  const CPredictionPoint* CalcCeiling(int step);
  // GF as a fraction at an ambient pressure, given the previous step's ceiling (absolute mbar).
  double CalcGradientFactor(double previousCeilingMbar, double ambientMbar, bool bailout) const;
  void CheckCounterDiffusion(int step);
  // The stop (m) needed at time t on the way up to target, or -1 for none: the last stop, then
  // every 3 m from 6 m (all below the bell on a bell excursion).
  double GetNextStop(int timeSec, double targetMetres) const;
  double GetEffectiveLastStop() const { return diveLimits_.lastStopMetres + (bellExcursion_ ? bellDepthMetres_ : 0); }
  // The first profile point in list order with start <= t <= end, or -1.
  int FindProfilePointAtTime(int timeSec) const;
  // Gauge depth (mbar) at t on profile point k: linear from the previous point's depth at its
  // start to its own depth at its end.
  double GetDepthAtTime(int point, int timeSec) const;
  double GetInspiredNitrogen(int point, double depthMbar) const;
  double GetInspiredHelium(int point, double depthMbar) const;
  double CalcCnsIncrement(double ppo2Bar, int dtSec) const;
  static double CalcOtuIncrement(double ppo2Bar, int dtSec);
  double GetSurfaceInspiredNitrogen() const;
  // Step 0 of a dive that starts saturated at the surface (or in the bell).
  bool InitSurfaceTensions();
  // Step 0 after the surface interval, from the previous dive's last tensions.
  void InitTensionsAfterInterval(const CompartmentValues& nitrogenMbar, const CompartmentValues& heliumMbar);
  bool DecayCns(double previousCns);
  bool DecayOtu(double previousOtu);
  static double CalcDesaturationFactor(double nitrogenMbar, double heliumMbar, double surfaceMbar, int minute);
  // The gas of the first step after the bailout start step that flags counter-diffusion.
  bool FindCounterDiffusionGas(CGas& gas) const;

  // --- Calculation ---
  // Forgets the calculated steps, segments and gas warnings.
  void DiscardResults();
  // Calculates the dive from the previous dive's final state (ignored for dive 0 and with
  // startAtSurface). False when the calculation stopped (a declined six-hour extension, the
  // 24-hour limit) or its input cannot be calculated; a dive of the table generator keeps a
  // stopped profile and gives true.
  bool CalculatePlan(int diveIndex, const PreviousDiveState& previous, bool startAtSurface);
  // The state the next dive starts from: the last step's tensions, CNS and OTU.
  PreviousDiveState GetFinalState() const;
  void ConstructPlanPlus();
  bool CalcSteps();
  // The body of CalcSteps, compiled once per processor kind and chosen when the program starts.
  // Only this file's CalcSteps calls it: some compilers name such a function's resolver
  // differently from the function, so a call from another file would not link.
  bool FillSteps();
  void StartDive(int diveIndex, const PreviousDiveState& previous, bool startAtSurface);
  bool AskExtendPlan();
  void DeleteStepsAfter(int step);
  void KeepLastStepOnly();
  // Evaluates the warnings of every step (the dive is warning free when none warns) and adds up
  // the gas breathed on open circuit, in one pass over the steps.
  void EvaluateSteps();
  void LogGasConsumption() const;
  static int GetNextWholeMinute(int timeSec) { return timeSec / 60 * 60 + 60; }
  // Whole seconds between two depths at the descent rate going deeper, else the ascent rate.
  static int GetTravelTime(double fromMetres, double toMetres, double descentRate, double ascentRate);

  // --- Segments ---
  bool SegmentProfile();
  // ORs the warning bits of the steps at times first..last into bits and fills each empty text
  // from the first step with its bit.
  bool CollectSegmentWarnings(int firstTimeSec, int lastTimeSec, int& bits, std::string& icdText,
                              std::string& eadText, std::string& highO2Text, std::string& lowO2Text) const;
  void AddGasWarning(double oxygenPercent, double heliumPercent, const std::string& icdText,
                     const std::string& eadText, const std::string& highO2Text, const std::string& lowO2Text);
  double GetMaxProfileDepth() const;

  // --- Plan log ---
  void LogUserPoints(LogCategory category) const;
  void LogPlanPlusPoints(LogCategory category) const;
  void LogProfilePoints(LogCategory category) const;
  void LogBailout(std::string_view text, LogCategory category) const;
  void LogBailoutSwitches(LogCategory category) const;

 private:
  static void LogPoints(const std::vector<CPlanPoint>& points, const char* heading, const char* prefix,
                        LogCategory category);
  // Stores a changed value and requests the state; false for an unchanged value.
  template <typename Value>
  bool ChangeSetting(Value& field, const Value& value, int state);
  // Every change to the dive ends here: marks it modified and requests the state.
  void RequestRecalculation(int state);
  // The end of every point edit; changed: the points are not what they were.
  void PointsEdited(bool changed);
  std::vector<CPlanPoint>& EditedPoints() { return bailoutMode_ ? bailoutPoints_ : userPoints_; }
  // Whether a point at the index lies after the bailout point, so that the bailout limits apply.
  bool IsAfterBailoutPoint(int index, bool replacing) const;
  int InsertPoint(int index, const CPlanPoint& point);
  // The running values of one calculation.
  struct Run {
    int runTimeSec = 1;
    double depthMetres = 0;
    double descentRate = 0;
    double ascentRate = 0;
    int travelSinceLastLegSec = 0;
  };
  // What the calculation needs of one profile point for every second it covers.
  struct LegConstants {
    int point = -1;
    int startSec = 0;
    int endSec = 0;
    double fromDepthMbar = 0;
    double toDepthMbar = 0;
    double mbarPerSec = 0;
    GasLines lines;
  };
  // GF low and high (percent) as fractions, and the change per mbar between decoLimit and the
  // last stop.
  struct GfFractions {
    double low = -1;
    double high = -1;
    double lowFraction = 0;
    double highFraction = 0;
    double decoLimitMbar = 0;
    double lastStopMbar = 0;
    double perMbar = 0;
  };
  // What one second of the calculation hands to the next. The steps are filled with a local
  // copy, which the compiler can keep in registers where the members would be reloaded after
  // every store to a step; the members hold it between calls.
  struct StepCarry {
    double decoLimitMbar = kInitialDecoLimitMbar;
    double maxPigtMbar = 0;
    int ceilingCompartment = 0;  // the compartment that set the last ceiling
    bool counterDiffusionLatch = false;
    // Oxygen exposure of one second at the last ppO2 met: steps at one ppO2 repeat it.
    double exposurePpo2Bar = -1;
    double exposureCns = 0;
    double exposureOtu = 0;
    GfFractions gf;
  };
  struct SecondExposure {
    double ppo2Bar = NAN;  // matches no ppO2 a step can have but NaN, whose exposure is 0
    double cns = 0;
    double otu = 0;
  };
  // CalcCnsIncrement and CalcOtuIncrement of one second at the ppO2, kept from earlier steps.
  const SecondExposure& ExposureOfOneSecond(double ppo2Bar) const;
  GasLines LinesOf(const CPlanPoint& gas) const;
  const LegConstants& LegOf(int point);
  struct CompartmentCeilings {
    double ceilingMbar;  // absolute, not below 0
    double pigtMbar;
    int leadingCompartment;  // the one whose ceiling it is
  };
  // Tensions held apart from the steps, so that they can pass from one second to the next in
  // registers.
  struct StepTensions {
    alignas(64) CompartmentValues nitrogenMbar;
    alignas(64) CompartmentValues heliumMbar;
  };
  // The ceiling of the tensions; leading names the compartment that is likely to set it.
  CompartmentCeilings CalcCompartmentCeilings(const double* nitrogenMbar, const double* heliumMbar, double gf,
                                              int leading) const;
  // Fills the step from the one before it. Held tensions, when given, are the previous step's
  // and become the step's; otherwise the previous step's own are read.
  void FillTissueStep(const CPredictionPoint& previous, CPredictionPoint& current, int point, const LegConstants& leg,
                      int timeSec, int dtSec, StepCarry& carry, StepTensions* heldTensions);
  // The steps of one leg, from firstSec to lastSec.
  template <bool kTensionsHeld>
  void FillLegSteps(int point, const LegConstants& leg, int firstSec, int lastSec, bool bailout, StepCarry& carry);
  // The ceiling and the counter-diffusion risk of the last step, from the held tensions or, with
  // none, its own; gasUnchanged tells that it breathes just what the step before it did.
  void FinishLastStep(StepCarry& carry, const StepTensions* heldTensions, bool gasUnchanged);
  void FillCeiling(const CPredictionPoint* previous, CPredictionPoint& current, int step, StepCarry& carry,
                   const double* nitrogenMbar, const double* heliumMbar);
  static void FillCounterDiffusion(const CPredictionPoint& previous, CPredictionPoint& current, StepCarry& carry);
  // FindProfilePointAtTime and CalcGradientFactor, in the form the per-second steps inline.
  int ProfilePointAtTime(int timeSec) const;
  double GradientFactorAt(double previousCeilingMbar, double ambientMbar, bool bailout, StepCarry& carry) const;
  bool CheckCalculationInput() const;
  void AddLeg(CPlanPoint leg, const char* label);
  CPlanPoint NextLeg(const CPlanPoint& from, int startSec, double depthMetres, int durationSec, int type) const;
  int ClampToDayLimit(int startSec, int durationSec) const;
  void CheckTimeLimits(int runTimeSec);
  void WalkWorkingPoint(const std::vector<CPlanPoint>& working, int index, Run& run);
  void AscendTo(double targetMetres, Run& run);
  void ExtendAscentLeg(double targetMetres, Run& run, double& goalMetres);
  void MakeStop(double targetMetres, double stopMetres, Run& run);
  bool FinishCalculation();
  int FindGasUsageSlot(double oxygenPercent, double heliumPercent);
  void FillSurfaceStep(CPredictionPoint& step, double oxygenPercent, double heliumPercent, double depthMbar) const;
  void LogConstructedPoint(const char* label, const CPlanPoint& point) const;
  void LogProfileLeg(const char* label, const CPlanPoint& point) const;
  void LogStartTensions(const char* heading) const;
  void AddPlanPlusPoint(const CPlanPoint& point, const char* label);
  // The segment warnings of the steps first..last, or of a point's steps; the units of the texts
  // are read from the settings the first time a text needs them.
  void CollectWarnings(int firstTimeSec, int lastTimeSec, std::optional<UnitSystem>& units, int& bits,
                       std::string& icdText, std::string& eadText, std::string& highO2Text,
                       std::string& lowO2Text) const;
  void CollectWarningsOf(const CPlanPoint& point, std::optional<UnitSystem>& units, int& bits, std::string& icd,
                         std::string& ead, std::string& high, std::string& low) const;
  static DecoLimits ReadDecoLimits(const DecoLimitSettings& settings);
  // The model's surface from the surface pressure and the "Deco Surface Offset" setting.
  void UpdateModelSurface();
  // Bailout planning.
  struct CalculationStart {
    int diveIndex = 0;
    PreviousDiveState previous;
    bool startAtSurface = true;
    bool operator==(const CalculationStart&) const = default;
  };
  bool RecalculateOwnProfile(const CalculationStart& start);
  void ReadBailoutMoment();
  void DropBailoutPlan();
  bool InitialiseBailoutPoints();
  bool BuildInitialBailoutPoints();
  void LogBailoutPoints(const char* heading) const;
  bool CalculateRuleBasedBailout();
  void OptimiseBailoutForCounterDiffusion();
  const char* OptimiseBailoutSwitch(int switchIndex);
  bool CheckBailoutCns();
  bool RunBailoutCalculation();
  bool AskToChangeSwitchCount(int messageId, int count) const;
  bool PlanOnListSwitches();
  int FindBailoutSwitchInForce(double depthMetres) const;
  bool AssignBailoutSwitchGases();
  int CountBailoutSwitches() const;
  int FirstBailoutIndex() const;
  // The profile step where switch k takes place: the start of the first bailout profile point
  // at the switch's depth with its gas.
  const CPredictionPoint* FindBailoutSwitchStep(int switchIndex) const;
  int Algorithm() const;
  const CPredictionPoint* Step(int step) const;
  const CPlanPoint* ProfilePointAt(int index) const;
  const CDiveSegment* Segment(int index) const;

  // Point lists.
  std::vector<CPlanPoint> userPoints_;
  std::vector<CPlanPoint> planPlusPoints_;
  std::vector<CPlanPoint> profilePoints_;
  std::vector<CPredictionPoint> steps_;
  std::vector<CDiveSegment> segments_;
  std::vector<CPlanPoint> bailoutPoints_;
  std::vector<CPlanPoint> bailoutInitialPoints_;
  std::vector<CDiveGasWarning> gasWarnings_;
  CPlanPoint editBuffer_;

  CPerfTimer planTimer_;
  CPerfTimer planPlusTimer_;

  // Gas-switch schedule and the ranges built from it; gas used per open-circuit gas.
  GasSwitchList travelSwitches_;
  GasSwitchList decoSwitches_;
  GasRangeList travelRanges_{};
  GasRangeList decoRanges_{};
  GasUsageList gasUsage_{};

  bool modified_ = false;
  int state_ = kDiveIdle;
  bool skipValidation_ = false;
  bool calculationCompleted_ = false;
  bool stopped_ = false;
  bool extendedPlanningAccepted_ = false;
  bool sixHourAnswerRemembered_ = false;
  bool sixHourAnswer_ = false;
  bool generatedTable_ = false;
  bool stepsComputed_ = false;
  bool allStepsWarningFree_ = false;
  bool pointSelected_ = false;
  bool gasUsed_ = false;
  bool diveOpenCircuitUsed_ = false;
  bool bailoutOpenCircuitUsed_ = false;
  bool reviewDive_ = false;
  bool reviewSteps_ = false;
  bool presetTensionsGiven_ = false;
  bool bellExcursion_ = false;

  // Dive settings.
  double surfacePressureMbar_ = 1000.0;
  double modelSurfaceMbar_ = 1000.0;
  DecoLimits diveLimits_{20.0, 80.0, 30.0, 1.6, 35.0, 20.0, 10.0, 6.0};
  int surfaceIntervalSec_ = 0;
  double bellDepthMetres_ = 0;
  CGas bellGas_;

  // Bailout settings.
  DecoLimits bailoutLimits_{100.0, 100.0, 30.0, 1.6, 40.0, 20.0, 10.0, 6.0};
  int bailoutGasSwitchCount_ = 2;
  double bailoutMaxCnsPercent_ = 100.0;
  bool useBailoutGasList_ = false;
  bool ignoreIcd_ = false;
  bool ignoreCns_ = false;
  std::string bailoutGasList_;

  // Engine constants.
  CompartmentValues nitrogenHalfTimeMin_{};
  CompartmentValues heliumHalfTimeMin_{};
  CompartmentValues nitrogenAMbar_{};
  CompartmentValues nitrogenB_{};
  CompartmentValues heliumAMbar_{};
  CompartmentValues heliumB_{};
  CompartmentValues nitrogenRatePerSecond_{};
  CompartmentValues heliumRatePerSecond_{};
  CompartmentValues nitrogenRatePerMinute_{};
  CompartmentValues heliumRatePerMinute_{};
  bool rateFactorsKnown_ = false;  // the four rate arrays follow the half-times
  std::array<double, kCnsTableSize> cnsTablePpo2Bar_{};
  std::array<double, kCnsTableSize> cnsTableLimitMin_{};

  CompartmentValues presetNitrogenMbar_{};
  CompartmentValues presetHeliumMbar_{};
  CDiveGroupSettings* planGroup_ = nullptr;
  std::string name_;
  // The bailout as written to the plan file.
  int bailoutStartStep_ = 0;
  double bailoutDepthMetres_ = 0;
  double bailoutCeilingMetres_ = 0;
  double bailoutEadMetres_ = 0;
  GasSwitchList bailoutSwitches_;
  int remainingPlannedSec_ = -1;
  double deepestPostBailoutMetres_ = 0;
  // The start the last calculation was given, and the start of the bailout being planned.
  CalculationStart lastCalculationStart_;
  CalculationStart bailoutStart_;
  bool bailoutMode_ = false;
  bool bailoutTriggered_ = false;
  int bailoutRecord058_ = -1;  // kept only to be written back to the plan file
  bool gasSwitchSchedule_ = false;
  int gasSwitchesUsed_ = 0;
  int diveIndex_ = 0;
  std::int64_t calculationTime_ = 0;
  // The limits of the dive (0) and of its bailout (1) at the last warning evaluation.
  std::array<StepWarningLimits, 2> evaluatedLimits_{};
  // The steps' warning bits side by side, from the warning pass to the end of the segment pass
  // that follows it, which then reads a byte a step instead of a step's cache line; empty
  // otherwise.
  std::vector<std::uint8_t> packedWarningBits_;
  int bailoutStartStepIndex_ = kNoBailoutStep;
  int calculationDiveIndex_ = 0;  // the index the running calculation was given
  // The point lookup tries the point it found last, valid only while no earlier point ends at
  // or after the time asked for, so that it always agrees with a scan from the first point.
  mutable int pointCache_ = -1;
  mutable int pointCacheEarlierEnd_ = 0;
  LegConstants leg_;
  StepCarry carry_;
};

// Equivalent air depth (m) on open circuit against 1 bar, on closed circuit against the surface
// given and the set-point; never below 0.
double CalcEad(double oxygenPercent, double heliumPercent, double depthMetres, double surfaceBar, double ppo2Bar,
               bool closedCircuit);
double CalcEadUnclamped(double oxygenPercent, double heliumPercent, double depthMetres, double surfaceBar,
                        double ppo2Bar, bool closedCircuit);
