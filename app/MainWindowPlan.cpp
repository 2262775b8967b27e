#include "app/MainWindowPlan.h"

namespace app {

CMainWindowPlan::CMainWindowPlan() { dive_.LoadDefaults(); }

int CMainWindowPlan::DiveCount() const { return 1; }

CDivePlan* CMainWindowPlan::Dive(int index) { return index == 0 ? &dive_ : nullptr; }

std::string CMainWindowPlan::DiveName(int index) const { return index == 0 ? dive_.GetName() : std::string(); }

bool CMainWindowPlan::IsBailoutDive(int index) const { return index != 0 || dive_.IsBailoutMode(); }

bool CMainWindowPlan::IsModified() const { return false; }

bool CMainWindowPlan::IsCalculationPending() const { return false; }

PlanFacts CMainWindowPlan::Facts(int activeDive, int tabCount) const {
  PlanFacts facts;
  facts.diveCount = DiveCount();
  facts.tabCount = tabCount;
  facts.modified = IsModified();
  facts.calculationPending = IsCalculationPending();
  facts.activeDiveHasTable = activeDive == 0 && dive_.GetSegmentCount() > 0;
  facts.anyDiveHasTable = dive_.GetSegmentCount() > 0;
  return facts;
}

void CMainWindowPlan::LoadSettings() { dive_.LoadDefaults(); }

void CMainWindowPlan::SetAutoRecalc(bool) {}

bool CMainWindowPlan::Save(const std::string&) { return false; }

}  // namespace app
