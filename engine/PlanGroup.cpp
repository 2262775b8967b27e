// The plan group's dives, its settings and its modified state.
#include "engine/PlanGroup.h"

#include <algorithm>

#include "engine/AppSettings.h"
#include "engine/PlanLog.h"
#include "engine/PrivateMessages.h"
#include "platform/UserInterface.h"

namespace {

constexpr LogCategory kGroupLog = DBG_PLAN_GROUP;

// The first count entries name every dive index exactly once.
bool IsPermutation(std::span<const int> order, int count) {
  if (static_cast<int>(order.size()) < count) return false;
  std::vector<bool> seen(static_cast<std::size_t>(count), false);
  for (int j = 0; j < count; ++j) {
    const int index = order[static_cast<std::size_t>(j)];
    if (index < 0 || index >= count || seen[static_cast<std::size_t>(index)]) return false;
    seen[static_cast<std::size_t>(index)] = true;
  }
  return true;
}

}  // namespace

CPlanGroup::CPlanGroup() {
  m_updateInProgress = true;
  m_loadInProgress = true;
  CreateDefaultPlan();
  m_updateInProgress = false;
  m_loadInProgress = false;
}

CPlanGroup::~CPlanGroup() = default;

// --- Logging ---

void CPlanGroup::Log(std::string_view message, LogCategory category) { PlanLog(category, message); }

void CPlanGroup::LogRecalculation(std::string_view message, LogCategory category) {
  if (PlanLogEnabled(category)) TheDebugLog().LogText("Recalculation - " + std::string(message));
}

void CPlanGroup::SetFlagLogged(bool& flag, const char* name, bool on, std::string_view where) {
  flag = on;
  Log(std::string(where) + " - " + name + (on ? " set True" : " set False"), kGroupLog);
}

// --- Dives ---

std::unique_ptr<CDivePlan> CPlanGroup::NewDive(int index) {
  auto dive = std::make_unique<CDivePlan>();
  dive->SetPlanGroup(this);
  dive->SetDiveIndex(index);
  dive->LoadDefaults();
  return dive;
}

void CPlanGroup::Renumber() {
  for (int i = 0; i < GetDiveCount(); ++i) {
    CDivePlan& dive = *dives_[static_cast<std::size_t>(i)].dive;
    dive.SetPlanGroup(this);
    dive.SetDiveIndex(i);
  }
}

CDivePlan* CPlanGroup::GetDivePlan(int index) const {
  return IsDiveIndex(index) ? dives_[static_cast<std::size_t>(index)].dive.get() : nullptr;
}

bool CPlanGroup::ClearPlanGroup() {
  filePath_.clear();
  dives_.clear();
  RefreshCalcPending();
  return true;
}

bool CPlanGroup::CreateDefaultPlan() {
  dives_.clear();
  dives_.push_back({NewDive(0)});
  filePath_.clear();
  Renumber();
  RefreshCalcPending();
  SetModified(false);
  return true;
}

bool CPlanGroup::AddDivePlan() {
  SetUpdateInProgress(true, "CPlanGroup::AddDivePlan() Initial");
  if (GetDiveCount() >= kMaxDives) {
    SetUpdateInProgress(false, "CPlanGroup::AddDivePlan() Max plan limit reached");
    return false;
  }
  dives_.push_back({NewDive(GetDiveCount())});
  SetUpdateInProgress(false, "CPlanGroup::AddDivePlan() Finished");
  SetModified(true);
  return true;
}

void CPlanGroup::DeleteDivePlan(int index) {
  if (!IsDiveIndex(index)) return;
  SetUpdateInProgress(true, "CPlanGroup::DeleteDivePlan() Initial");
  dives_.erase(dives_.begin() + index);
  Renumber();
  // The dive now at the index follows another dive than the one it was calculated after.
  InvalidateCalculations(index);
  RefreshCalcPending();
  SetUpdateInProgress(false, "CPlanGroup::DeleteDivePlan() Finished");
  SetModified(true);
}

bool CPlanGroup::SortDivePlans(std::span<const int> order) {
  const int count = GetDiveCount();
  // A repeated index would lose one dive and hold another twice: check before touching anything.
  if (!IsPermutation(order, count)) {
    Log("CPlanGroup::SortDivePlans() The order does not name every dive once - nothing sorted", kGroupLog);
    return false;
  }
  SetUpdateInProgress(true, "CPlanGroup::SortDivePlans() Initial");
  std::vector<int> intervalsByPosition(static_cast<std::size_t>(count), 0);
  for (int j = 1; j < count; ++j) {
    intervalsByPosition[static_cast<std::size_t>(j)] = dives_[static_cast<std::size_t>(j)].dive->GetSurfaceInterval();
  }
  std::vector<DiveEntry> sorted;
  sorted.reserve(static_cast<std::size_t>(count));
  for (int j = 0; j < count; ++j) sorted.push_back(std::move(dives_[static_cast<std::size_t>(order[j])]));
  dives_ = std::move(sorted);
  Renumber();
  for (int j = 0; j < count; ++j) {
    dives_[static_cast<std::size_t>(j)].dive->SetSurfaceInterval(intervalsByPosition[static_cast<std::size_t>(j)]);
  }
  InvalidateCalculations(0);
  SetUpdateInProgress(false, "CPlanGroup::SortDivePlans() Finished");
  Log("CPlanGroup::SortDivePlans() Triggering CaluclateDivePlans()", kGroupLog);
  SetModified(true);
  return true;
}

bool CPlanGroup::RenameDive(int index, std::string_view name) {
  CDivePlan* dive = GetDivePlan(index);
  if (!dive) return false;
  dive->SetName(name);
  SetModified(true);
  return true;
}

// --- Group settings ---

void CPlanGroup::LoadSettings() {
  using namespace setting_ranges;
  const CAppSettings::DivePlan& settings = AppSettings().divePlan;
  surfaceIntervalMethod_ = static_cast<int>(StoredInRange(settings.surfaceIntervalAlgorithm, kSurfaceIntervalMethod));
  algorithm_ = static_cast<int>(StoredInRange(settings.algorithm, kNewPlanAlgorithm));
  cylinderWorkingPressureBar_ = StoredInRange(settings.defaultCylinderWorkingPressureBar, kCylinderWorkingPressureBar);
  gasReservePercent_ = StoredInRange(settings.defaultGasReservePercent, kGasReservePercent);
  for (DiveEntry& entry : dives_) entry.dive->LoadDefaults();
  InvalidateCalculations(0);
}

void CPlanGroup::SetAlgorithm(int algorithm) {
  if (algorithm == algorithm_) return;
  algorithm_ = algorithm;
  InvalidateCalculations(0);
}

void CPlanGroup::SetSurfaceIntervalMethod(int method) {
  if (method == surfaceIntervalMethod_) return;
  surfaceIntervalMethod_ = method;
  InvalidateCalculations(0);
}

// --- Modified state ---

void CPlanGroup::SetModified(bool modified) {
  if (m_updateInProgress || m_loadInProgress || modified == m_modified) return;
  m_modified = modified;
  platform::PostToMainWindow(WMU_PLAN_MODIFIED, 0, 0);
}

void CPlanGroup::ClearModified() {
  for (DiveEntry& entry : dives_) entry.dive->ClearModified();
  SetModified(false);
}

void CPlanGroup::UpdateModified() {
  if (m_updateInProgress || m_loadInProgress || m_modified) return;
  if (std::any_of(dives_.begin(), dives_.end(), [](const DiveEntry& entry) { return entry.dive->IsModified(); })) {
    SetModified(true);
  }
}

void CPlanGroup::NotifyMainWindow(std::intptr_t wParam, std::intptr_t lParam) {
  platform::PostToMainWindow(WMU_SELECT_LAST_PLAN_POINT, wParam, lParam);
}
