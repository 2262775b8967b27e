#pragma once
// The open plan as the main window uses it: the one place where the window reaches the plan
// group.
#include <string>

#include "app/core/CommandState.h"
#include "engine/DivePlan.h"

namespace app {

class CMainWindowPlan {
 public:
  CMainWindowPlan();

  int DiveCount() const;
  CDivePlan* Dive(int index);
  std::string DiveName(int index) const;
  bool IsBailoutDive(int index) const;
  bool IsModified() const;
  bool IsCalculationPending() const;
  // The facts the command rules need, with activeDive the dive of the selected tab.
  PlanFacts Facts(int activeDive, int tabCount) const;

  // The group settings from the registry, applied to every dive.
  void LoadSettings();
  void SetAutoRecalc(bool on);
  // Writes the plan file; true when it was saved, after which the plan has no unsaved changes.
  bool Save(const std::string& path);

 private:
  CDivePlan dive_;
};

}  // namespace app
