#pragma once
// The rules by which the dive page turns what the diver entered into points of the dive: the
// start point of a new dive, imperial input, the set-point an open-circuit point keeps, where
// Add, Insert and Paste put a point, and which buttons and list commands may act. The dive
// itself validates, stores and recalculates; a refused point changes nothing.
#include <optional>

#include "engine/Gas.h"

class CDivePlan;

namespace app {

// The entry fields of the page.
struct PointEntry {
  double depthShown = 0;  // in the display unit, metres or feet
  int durationMin = 0;
  bool closedCircuit = true;
  double oxygenPercent = 21;
  double heliumPercent = 0;
  double setPointBar = 1.3;
  bool noClearSurface = false;
};

// A depth as entered, in metres x 100 as the dive takes it.
double DepthMbarFromShown(double depthShown, UnitSystem units);
// The shown depth after a change of units, in whole metres or feet.
double ConvertShownDepth(double depthShown, UnitSystem newUnits);
// The PPO2 an open-circuit point of this gas would have at the shown depth; 0 for an invalid gas.
double OpenCircuitPpo2AtShownDepth(const CDivePlan& dive, double depthShown, UnitSystem units, const CGas& gas);

struct PointButtonStates {
  bool add = false;
  bool insert = false;
  bool update = false;
  bool remove = false;
};
// Nothing in bailout mode when no bailout plan point has the row: the buttons stay as they are.
std::optional<PointButtonStates> PointButtons(const CDivePlan& dive, int selectedRow, bool gasValid);

struct PointMenuStates {
  bool cutCopyDelete = false;
  bool paste = false;
};
// Nothing in bailout mode when no bailout plan point has the row: the items stay as they are.
std::optional<PointMenuStates> PointMenu(const CDivePlan& dive, int selectedRow);

class CPointEditor {
 public:
  explicit CPointEditor(double defaultSetPointBar) : lastClosedCircuitSetPointBar_(defaultSetPointBar) {}

  // The set-point an open-circuit point is stored with: that of the last closed-circuit point
  // added, at first the default.
  double LastClosedCircuitSetPoint() const { return lastClosedCircuitSetPointBar_; }

  // Add puts the point after the selected row, Insert before it; both append without a selected
  // row (-1). A new dive starts with a point at the surface, or at the bell depth on a bell
  // excursion, unless the point itself is at the surface. The new point's row, or -1.
  int Add(CDivePlan& dive, int selectedRow, bool insert, const PointEntry& entry, UnitSystem units);
  // Overwrites the point of the selected row; an open-circuit point gets set-point 0.7.
  static bool Update(CDivePlan& dive, int selectedRow, const PointEntry& entry, UnitSystem units);
  // Copies the row's point to the dive's point clipboard and deletes it; false without a point.
  static bool Cut(CDivePlan& dive, int row);
  // Inserts the clipboard's point after the selected row (at the end without one); its row, or -1.
  static int Paste(CDivePlan& dive, int selectedRow);

 private:
  double lastClosedCircuitSetPointBar_;
};

}  // namespace app
