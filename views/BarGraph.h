#pragma once
// The compartment chart of the Details window: a bar per point at the ticks, the sets overlaid
// or side by side, with a legend of the sets.
#include "views/Graph.h"

namespace views {

class CBarGraph : public CGraph {
 public:
  CBarGraph() : CGraph(kBarGraph) {}

 protected:
  void DrawBase(wxDC& dc, const wxSize& size) override;
};

}  // namespace views
