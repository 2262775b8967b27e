// When the plan group calculates its dives, and from which state each one starts.
//
// Every successful calculation takes the next value of the group's calculation count. A dive is
// up to date when it was calculated after its predecessor: its count is higher. A count is never
// repeated, so two calculations within one second still tell which came first. A change that is
// not calculated at once, a move to another position and a change of the group's settings set
// the dive's count to 0, which no predecessor is older than.
#include <algorithm>

#include "engine/NumberText.h"
#include "engine/PlanGroup.h"
#include "engine/PrivateMessages.h"
#include "platform/UserInterface.h"

namespace {

constexpr LogCategory kRecalculationLog = DBG_CALC_TRIGGER;

void AnnounceCalculated(int index) { platform::PostToMainWindow(WMU_DIVE_CALCULATED, index, 0); }

bool HasResults(const CDivePlan& dive) { return dive.GetStepCount() > 0 || dive.GetSegmentCount() > 0; }

}  // namespace

bool CPlanGroup::IsUpToDate(int index) const {
  const DiveEntry& entry = dives_[static_cast<std::size_t>(index)];
  if (entry.calculation == 0) return false;
  // A review dive keeps steps only when asked to; every other calculated dive has them.
  if (entry.dive->GetStepCount() == 0 && !entry.dive->IsReviewDive()) return false;
  return index == 0 || entry.calculation > dives_[static_cast<std::size_t>(index - 1)].calculation;
}

void CPlanGroup::InvalidateCalculations(int first) {
  for (int i = std::max(first, 0); i < GetDiveCount(); ++i) dives_[static_cast<std::size_t>(i)].calculation = 0;
}

bool CPlanGroup::DefersCalculation(int index, bool forced) {
  if (m_autoRecalc || forced) return false;
  DiveEntry& entry = dives_[static_cast<std::size_t>(index)];
  entry.calculation = 0;
  entry.awaitingCalculation = true;
  m_calcPending = true;
  AnnounceCalculated(index);
  return true;
}

void CPlanGroup::RefreshCalcPending() {
  m_calcPending =
      std::any_of(dives_.begin(), dives_.end(), [](const DiveEntry& entry) { return entry.awaitingCalculation; });
}

void CPlanGroup::DiscardResultsFrom(int first, std::initializer_list<int> announcedByCaller) {
  for (int i = std::max(first, 0); i < GetDiveCount(); ++i) {
    DiveEntry& entry = dives_[static_cast<std::size_t>(i)];
    const bool hadResults = HasResults(*entry.dive);
    entry.dive->DiscardResults();
    entry.calculation = 0;
    if (hadResults && std::find(announcedByCaller.begin(), announcedByCaller.end(), i) == announcedByCaller.end()) {
      AnnounceCalculated(i);
    }
  }
}

bool CPlanGroup::RunCalculation(int index) {
  DiveEntry& entry = dives_[static_cast<std::size_t>(index)];
  CDivePlan::PreviousDiveState previous;
  bool startAtSurface = false;
  if (index > 0) {
    const CDivePlan& before = *dives_[static_cast<std::size_t>(index - 1)].dive;
    if (before.GetStepCount() == 0) {
      // Only a review dive without steps comes here calculated: it leaves nothing to carry over.
      startAtSurface = true;
      LogRecalculation(FormatC("Dive %d leaves no tissue state - dive %d starts from the surface", index - 1, index),
                       kRecalculationLog);
    } else {
      previous = before.GetFinalState();
    }
  }
  const bool calculated = entry.dive->CalculatePlan(index, previous, startAtSurface);
  entry.calculation = calculated ? ++calculationCount_ : 0;
  if (calculated) {
    entry.awaitingCalculation = false;
    RefreshCalcPending();
  }
  return calculated;
}

int CPlanGroup::UpdateDives(int last, bool everyDive) {
  for (int i = 0; i <= last; ++i) {
    if (!everyDive && IsUpToDate(i)) {
      if (i > 0) {
        LogRecalculation(FormatC("Calculate dive plans - Calculate not required in dive %d due to timestamps", i),
                         kRecalculationLog);
      }
      continue;
    }
    LogRecalculation(FormatC("Calculate dive plans - Calculate required in dive %d", i), kRecalculationLog);
    const bool calculated = RunCalculation(i);
    AnnounceCalculated(i);
    if (!calculated) return i;
  }
  return -1;
}

bool CPlanGroup::CalculateDivePlan(int index, bool forced) {
  if (!IsDiveIndex(index)) return false;
  if (DefersCalculation(index, forced)) return true;
  platform::WaitCursor waitCursor;
  if (m_updateInProgress) {
    // The dive changed while the plan is rearranged; the caller recalculates afterwards.
    dives_[static_cast<std::size_t>(index)].calculation = 0;
    return false;
  }
  LogRecalculation(FormatC("CPlanGroup::CalculateDivePlan(%d) started", index), kRecalculationLog);
  // The dive starts from its predecessor's end state, which must be a current one.
  const int failedBefore = UpdateDives(index - 1, false);
  const bool calculated = failedBefore < 0 && RunCalculation(index);
  LogRecalculation(FormatC("CPlanGroup::CalculateDivePlan(%d) finished", index), kRecalculationLog);
  AnnounceCalculated(index);
  if (!calculated) DiscardResultsFrom(failedBefore < 0 ? index : failedBefore, {failedBefore, index});
  return calculated;
}

bool CPlanGroup::BailoutPlan(int index, bool forced) {
  if (!IsDiveIndex(index) || DefersCalculation(index, forced)) return false;
  platform::WaitCursor waitCursor;
  CDivePlan& dive = *dives_[static_cast<std::size_t>(index)].dive;
  if (!dive.IsBailoutMode()) return false;
  if (dive.CalculateBailout()) return CalculateDivePlan(index, true);
  AnnounceCalculated(index);
  return false;
}

bool CPlanGroup::RecalculateDive(int index) {
  const CDivePlan* dive = GetDivePlan(index);
  if (!dive) return false;
  return dive->IsBailoutMode() ? BailoutPlan(index, true) : CalculateDivePlan(index, true);
}

bool CPlanGroup::CaluclateDivePlans(bool all, int upTo, bool forced) {
  platform::WaitCursor waitCursor;
  std::string heading = "Calculate dive plans - ";
  heading += all ? std::string("Checking All ") : FormatC("Checking up to dive %d ", upTo);
  if (forced) heading += ", Forced Recalc of plans";
  LogRecalculation(heading, kRecalculationLog);
  const int last = all ? GetDiveCount() - 1 : upTo;
  if (last >= GetDiveCount()) {
    LogRecalculation(FormatC("Calculate dive plans - There is no dive %d", last), kRecalculationLog);
    return false;
  }
  bool updated = true;
  if (last < 0) {
    DiscardResultsFrom(0, {});
  } else {
    const int failed = UpdateDives(last, forced || m_calcPending);
    if (failed >= 0) {
      DiscardResultsFrom(failed, {failed});
      updated = false;
    }
  }
  LogRecalculation("Calculate dive plans - Finished", kRecalculationLog);
  return updated;
}
