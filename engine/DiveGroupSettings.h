#pragma once
// What a dive reads from, and asks of, the plan group that owns it. The plan group implements
// it; a group that only supplies settings (benchmarks, tests) calculates nothing.
#include <cstdint>

class CDiveGroupSettings {
 public:
  virtual ~CDiveGroupSettings() = default;
  // The coefficient set: 0 ZH-L16A, 1 ZH-L16C, 2 custom.
  virtual int GetAlgorithm() const = 0;
  // How tissues off-gas between dives: 0 delayed surface desaturation, otherwise the Buhlmann
  // equation.
  virtual int GetSurfaceIntervalMethod() const = 0;

  // Calculates the dive at the index, or its bailout plan; true when it succeeded.
  virtual bool CalculateDivePlan(int /*index*/, bool /*forced*/) { return false; }
  virtual bool BailoutPlan(int /*index*/, bool /*forced*/) { return false; }
  // A dive of the group has become modified.
  virtual void UpdateModified() {}
  // Asks the main window to select the last plan point of the dive's page.
  virtual void NotifyMainWindow(std::intptr_t /*wParam*/, std::intptr_t /*lParam*/) {}
};
