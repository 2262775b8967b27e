#pragma once
// What the gas-switch editor allows for the depth in its field: adding a switch, updating the
// row being edited, deleting it. Depths are in the unit the editor shows.
#include <vector>

#include "engine/Gas.h"

// A row's depth as the editor shows it: metres, or feet to the nearest whole foot.
double EditorDepth(double metres, UnitSystem units);

class GasSwitchEditRules {
 public:
  // startingDepth: the depth of the row being edited, -1 for none; usedDepths: those of every
  // used row of the list.
  GasSwitchEditRules(bool descentMode, double startingDepth, std::vector<double> usedDepths)
      : descentMode_(descentMode), startingDepth_(startingDepth), usedDepths_(std::move(usedDepths)) {}

  // A free depth, while the list has room.
  bool CanAdd(double depth) const;
  // The row's own depth or a free one; the first descent row (at the surface) stays there.
  bool CanUpdate(double depth) const;
  // Never the first descent row; never the only descent row; any row of a list that has one.
  bool CanDelete() const;

 private:
  bool IsFree(double depth) const;
  bool IsFirstDescentRow() const { return descentMode_ && startingDepth_ == 0; }

  bool descentMode_;
  double startingDepth_;
  std::vector<double> usedDepths_;
};
