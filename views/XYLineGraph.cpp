#include "views/XYLineGraph.h"

#include <wx/dc.h>

#include "views/GraphColours.h"
#include "views/core/GraphScene.h"

namespace views {
namespace {

constexpr int kCrossPenWidth = 2;

wxPoint ToPoint(PixelPoint point) { return wxPoint(point.x, point.y); }

}  // namespace

void CXYLineGraph::DrawBase(wxDC& dc, const wxSize& size) {
  DrawBackground(dc, size);
  if (!IsDrawData()) return;
  DrawAxes(dc);
  const PixelRect& plot = PlotLayout().plotRect;
  if (plot.IsEmpty()) return;
  wxDCClipper clip(dc, wxRect(plot.left, plot.top, plot.Width(), plot.Height()));
  for (const CGraphDataSet& set : DataSets()) DrawDataSet(dc, set);
}

void CXYLineGraph::DrawDataSet(wxDC& dc, const CGraphDataSet& set) {
  if (set.IsErrorBar()) {
    wxPen bar(ToColour(set.colour), kWarningBarWidth);
    bar.SetCap(wxCAP_BUTT);
    dc.SetPen(bar);
    const int y = WarningBarY(PlotLayout());
    for (const PixelRun& run : WarningBarRuns(*this, set)) dc.DrawLine(run.from, y, run.to, y);
    return;
  }
  const PolylinePixels pixels = LinePixels(*this, set);
  if (pixels.line.size() >= 2) {
    std::vector<wxPoint> line;
    line.reserve(pixels.line.size());
    for (PixelPoint point : pixels.line) line.push_back(ToPoint(point));
    dc.SetPen(wxPen(ToColour(set.colour), set.lineWidth));
    dc.DrawLines(static_cast<int>(line.size()), line.data());
  }
  if (set.marker == kMarkerSquare) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ToColour(kMarkerColour)));
    for (PixelPoint at : pixels.markers) dc.DrawRectangle(at.x - 3, at.y - 3, 7, 7);
  } else if (set.marker == kMarkerCross) {
    dc.SetPen(wxPen(ToColour(kMarkerColour), kCrossPenWidth));
    for (PixelPoint at : pixels.markers) {
      dc.DrawLine(at.x - 3, at.y - 3, at.x + 3, at.y + 3);
      dc.DrawLine(at.x - 3, at.y + 3, at.x + 3, at.y - 3);
    }
  }
}

void CXYLineGraph::DrawOverlay(wxDC& dc) {
  if (!IsDrawData()) return;
  if (Mode() == kModeZoom && IsButtonDown()) DrawZoomRect(dc);
  if (Mode() == kModeCursor || Mode() == kModePersistentCursor) DrawCursorLines(dc);
  DrawWarningTip(dc);
  DrawReadout(dc);
  DrawWarningBox(dc);
}

}  // namespace views
