#include "views/BarGraph.h"

#include <wx/dc.h>

#include "views/GraphColours.h"
#include "views/core/GraphScene.h"

namespace views {

void CBarGraph::DrawBase(wxDC& dc, const wxSize& size) {
  DrawBackground(dc, size);
  DrawLegend(dc);
  DrawAxes(dc);
  const PixelRect& plot = PlotLayout().plotRect;
  if (plot.IsEmpty()) return;
  wxDCClipper clip(dc, wxRect(plot.left, plot.top, plot.Width(), plot.Height()));
  for (const Bar& bar : BarRects(*this, PlotLayout())) {
    const wxColour colour = ToColour(DataSets()[static_cast<std::size_t>(bar.set)].colour);
    dc.SetPen(wxPen(colour));
    dc.SetBrush(wxBrush(colour));
    dc.DrawRectangle(bar.rect.left, bar.rect.top, bar.rect.Width(), bar.rect.Height());
  }
}

}  // namespace views
