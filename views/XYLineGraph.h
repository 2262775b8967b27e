#pragma once
// The depth profile of a dive page: time along X as minutes:seconds, depth growing downwards,
// the data sets drawn as lines (the warning set as a red bar along the plot bottom), with the
// cursor, the warning tip and the read-out of the page's dive above the plot.
#include "views/Graph.h"

namespace views {

class CXYLineGraph : public CGraph {
 public:
  CXYLineGraph() : CGraph(kLineGraph) {}

 protected:
  void DrawBase(wxDC& dc, const wxSize& size) override;
  void DrawOverlay(wxDC& dc) override;

 private:
  void DrawDataSet(wxDC& dc, const CGraphDataSet& set);
};

}  // namespace views
