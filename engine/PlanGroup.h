#pragma once
// The open plan: an ordered group of 1 to 30 repetitive dives and the settings they share. It
// decides when a dive is calculated, carries each dive's end state into the next one, keeps
// every dive's index equal to its position and tells the main window of every change by
// posting private messages (engine/PrivateMessages.h); it never calls a window.
//
// Its members live in one source file per concern:
//   PlanGroup.cpp             the dives, the group settings and the modified state
//   PlanGroupCalculation.cpp  calculating one dive, its bailout plan, or the plan in order
//   PlanGroupQueries.cpp      what the table generator reads of a dive
//   PlanGroupFiles.cpp        plan files and single-dive files
//   PlanGroupReview.cpp       a dive-computer log turned into a review dive
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DiveGroupSettings.h"
#include "engine/DivePlan.h"
#include "engine/GasSwitch.h"
#include "engine/support/DebugLog.h"

class CTextRecord;

class CPlanGroup : public CDiveGroupSettings {
 public:
  static constexpr int kMaxDives = 30;
  static constexpr int kMaxGasSwitches = 60;
  using GasSwitchTable = std::array<CGasSwitch, kMaxGasSwitches>;

  // The settings the table generator takes over from a dive.
  struct DiveSummary {
    double surfacePressureMbar = 0;
    double gfLowPercent = 0;
    double gfHighPercent = 0;
    double descentRateMetresPerMin = 0;
    double ascentRateMetresPerMin = 0;
    double lastStopMetres = 0;
  };

  // One default dive; nothing is marked modified and nothing is posted.
  CPlanGroup();
  ~CPlanGroup() override;
  CPlanGroup(const CPlanGroup&) = delete;
  CPlanGroup& operator=(const CPlanGroup&) = delete;

  // --- Dives. An index without a dive gives null, false or an empty text. ---
  int GetDiveCount() const { return static_cast<int>(dives_.size()); }
  CDivePlan* GetDivePlan(int index) const;
  // True also when no dive has the index.
  bool IsBailoutDive(int index) const;
  // The dive's results belong to it as it stands: it was calculated, successfully, after it and
  // every dive before it last changed.
  bool IsDiveCalculated(int index) const;
  std::string GetDiveName(int index) const;
  std::string GetDiveDepthText(int index) const;
  // The surface pressure and the dive's (or with bailout its bailout) gradient factors, rates and
  // last stop.
  bool GetDiveSummary(int index, bool bailout, DiveSummary& summary) const;
  // The gas changes along the user points (with bailout: along the calculated profile), from the
  // surface on; unused entries are reset.
  bool GetGasSwitches(int index, GasSwitchTable& switches, bool bailout) const;

  // Appends a dive with the registry's defaults; false at 30 dives.
  bool AddDivePlan();
  // An index without a dive does nothing.
  void DeleteDivePlan(int index);
  // order[j] is the old index of the dive that goes to position j; the surface intervals stay
  // with the positions (position 0 gets none). False, with nothing changed, unless the first
  // GetDiveCount() entries are a permutation of the dive indices.
  bool SortDivePlans(std::span<const int> order);
  bool RenameDive(int index, std::string_view name);
  // Forgets the file path and every dive.
  bool ClearPlanGroup();
  // Leaves the group with one new dive and no file path, not modified.
  bool CreateDefaultPlan();
  const std::string& GetFileName() const { return filePath_; }

  // --- Log review ---
  // Appends a review dive whose points follow the samples of the ".ccl" log's dive, with the
  // log's surface pressure, gradient factors and tissue tensions, and posts WMU_PLAN_LOADED with
  // its index. A log that cannot be read or holds no samples in its dive gets message 1228; at 30
  // dives nothing is shown. On false the plan is unchanged.
  bool ReviewLogFile(const std::string& path);

  // --- Group settings ---
  // Reads the four settings from the registry and gives every dive the registry's defaults.
  void LoadSettings();
  int GetAlgorithm() const override { return algorithm_; }
  void SetAlgorithm(int algorithm);
  int GetSurfaceIntervalMethod() const override { return surfaceIntervalMethod_; }
  void SetSurfaceIntervalMethod(int method);
  double GetCylinderWorkingPressure() const { return cylinderWorkingPressureBar_; }
  void SetCylinderWorkingPressure(double bar) { cylinderWorkingPressureBar_ = bar; }
  double GetGasReserve() const { return gasReservePercent_; }
  void SetGasReserve(double percent) { gasReservePercent_ = percent; }
  // The plan settings' "Use MaxPigt for GF" choice, kept for the dialog.
  bool IsUseMaxPigtForGf() const { return useMaxPigtForGf_; }
  void SetUseMaxPigtForGf(bool on) { useMaxPigtForGf_ = on; }

  // --- Modified state ---
  // Stores a changed flag and posts WMU_PLAN_MODIFIED; nothing while an update or a load is
  // under way.
  void SetModified(bool modified);
  // Clears every dive's flag, then the group's.
  void ClearModified();
  // Called by a dive that became modified.
  void UpdateModified() override;
  // Posts WMU_SELECT_LAST_PLAN_POINT.
  void NotifyMainWindow(std::intptr_t wParam, std::intptr_t lParam) override;

  // --- Calculation. Every calculated dive is announced with WMU_DIVE_CALCULATED. ---
  // Calculates the dive from its predecessor's end state, first bringing the dives before it up
  // to date. With Auto Recalc off and not forced it only marks the calculation pending (true).
  // A failure discards the results of the dive and of every later dive.
  bool CalculateDivePlan(int index, bool forced) override;
  // Builds and calculates the bailout plan of a dive in bailout mode, from the same start as the
  // dive's calculation; a failure is announced and gives false.
  bool BailoutPlan(int index, bool forced) override;
  // A forced calculation of the dive, or of its bailout plan in bailout mode.
  bool RecalculateDive(int index);
  // Brings dives 0 to upTo (every dive with all) up to date in order: a dive is calculated when
  // forced, while a calculation is pending, or when it was not calculated after its predecessor.
  // A negative upTo without all discards every result. A failure discards the results of the
  // failed dive and every later dive and gives false.
  bool CaluclateDivePlans(bool all, int upTo, bool forced);
  bool CalculateDivePlans(bool all, int upTo, bool forced) { return CaluclateDivePlans(all, upTo, forced); }

  // --- Files. Each failure is shown to the user in a message box and logged. ---
  // Writes the plan file: "Dive Plan", the header, then "Dive" and the records of every dive.
  // The old file is replaced only by a complete new one and is untouched when the save fails.
  // Clears the modified state on success; the group's path stays as it is.
  bool SavePlanGroup(const std::string& path);
  // Replaces the plan with the plan file's: every dive rebuilt through its setters (with Auto
  // Recalc on, each change calculates the dive), then WMU_PLAN_LOADED (0) and no unsaved
  // changes. A file that cannot be read, is no plan file or holds more than 30 dives leaves the
  // group with one new dive and no path. A file that shows it was cut short (no line end after
  // its last line, or a last dive that holds the first records of a saved dive and none after
  // them) is loaded as far as it goes and the user is told, with the number of dives read. A
  // dive's missing records otherwise keep the settings of a new dive.
  bool LoadPlanGroup(const std::string& path);
  // Writes one dive as a dive file; false for an index without a dive.
  bool ExportDive(const std::string& path, int index) const;
  // Appends the dive of a dive file as a new dive and posts WMU_PLAN_LOADED with its index. A
  // plan of 30 dives takes none: false without a message. The caller marks the plan modified.
  bool ImportDive(const std::string& path);
  // Appends the four header records of a plan file.
  void WriteHeader(std::string& text) const;

  // --- Diagnostic log: the text as it stands, when the "Debug Level" reaches the category. ---
  static void Log(std::string_view message, LogCategory category);
  // The same, prefixed "Recalculation - ".
  static void LogRecalculation(std::string_view message, LogCategory category);

  // The flags the main window reads, and for Auto Recalc and a load also sets.
  bool m_modified = false;
  bool m_autoRecalc = false;
  bool m_updateInProgress = false;
  bool m_calcPending = false;
  bool m_loadInProgress = false;

 private:
  struct DiveEntry {
    std::unique_ptr<CDivePlan> dive;
    // The group's calculation count when the dive was last calculated; 0 when its results (if
    // any) no longer belong to its settings, its position or its predecessor.
    std::uint64_t calculation = 0;
    // Changed while Auto Recalc was off, and not calculated since.
    bool awaitingCalculation = false;
  };

  bool IsDiveIndex(int index) const { return index >= 0 && index < GetDiveCount(); }
  std::unique_ptr<CDivePlan> NewDive(int index);
  void Renumber();
  // Sets or clears the flag and logs it as "<where> - <name> set True|False".
  static void SetFlagLogged(bool& flag, const char* name, bool on, std::string_view where);
  void SetUpdateInProgress(bool on, std::string_view where) {
    SetFlagLogged(m_updateInProgress, "m_updateInProgress", on, where);
  }
  void SetLoadInProgress(bool on, std::string_view where) {
    SetFlagLogged(m_loadInProgress, "m_loadInProgress", on, where);
  }

  // Reads a plan or dive file for operation ("CPlanGroup::LoadPlanGroup()" ...) and checks its
  // first line; lastLineEnded tells whether the file ends with a line end. On failure shows the
  // message (invalidMessage for a file of the wrong kind), logs and clears m_loadInProgress.
  bool ReadFileToLoad(const std::string& path, std::string_view kind, int invalidMessage, std::string_view operation,
                      std::vector<std::string>& lines, bool* lastLineEnded = nullptr);
  // A plan file's header records, wherever they stand; false for any other key.
  bool ApplyHeaderRecord(const CTextRecord& record);

  bool IsUpToDate(int index) const;
  // What a dive starts from: its predecessor's end state, or the surface.
  struct StartState {
    CDivePlan::PreviousDiveState previous;
    bool atSurface = false;
  };
  StartState StartStateOf(int index) const;
  // Calculates one dive from its predecessor's end state and stamps it; false when it failed.
  bool RunCalculation(int index);
  // Brings dives 0 to last up to date, or with everyDive calculates them all; the index of the
  // dive that failed, or -1.
  int UpdateDives(int last, bool everyDive);
  // Discards the results of the dives from first on and announces every dive that had some,
  // except those the caller announces itself.
  void DiscardResultsFrom(int first, std::initializer_list<int> announcedByCaller);
  // The results of the dives from first on no longer follow from their settings or position.
  void InvalidateCalculations(int first);
  // With Auto Recalc off and not forced, the dive only awaits a calculation: pending, announced.
  bool DefersCalculation(int index, bool forced);
  // A calculation is pending while any dive awaits one.
  void RefreshCalcPending();

  std::vector<DiveEntry> dives_;
  int surfaceIntervalMethod_ = 0;
  int algorithm_ = 1;
  double cylinderWorkingPressureBar_ = 0;
  double gasReservePercent_ = 0;
  bool useMaxPigtForGf_ = false;
  std::string filePath_;
  std::uint64_t calculationCount_ = 0;
};
