// The drawing services of the graph window. Fonts, pens and brushes live for one draw.
#include <algorithm>

#include <wx/dc.h>
#include <wx/settings.h>

#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/Graph.h"
#include "views/GraphColours.h"
#include "views/core/GraphScene.h"

namespace views {
namespace {

constexpr int kLegendFontHeight = 12;
constexpr int kLegendRowHeight = 18;
constexpr int kLegendSwatchHeight = 12;
constexpr int kOverlayFontHeight = 14;
constexpr int kLargeBannerFontHeight = 100;
constexpr int kRecalcBannerFontHeight = 30;
constexpr int kTickLength = 3;
constexpr int kTipCornerRadius = 7;
// The graph's font heights are cell heights (characters with the space above and below
// them), while the toolkit sizes the characters alone; in the graph's face they take this
// share of the cell.
constexpr double kCharacterShareOfCell = 0.9;

wxColour System(wxSystemColour colour) { return wxSystemSettings::GetColour(colour); }

wxRect ToRect(const PixelRect& r) { return wxRect(r.left, r.top, r.Width(), r.Height()); }

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }

}  // namespace

int CharacterHeight(int cellHeight) { return std::max(1, static_cast<int>(cellHeight * kCharacterShareOfCell + 0.5)); }

wxFont CGraph::GraphFont(int height, bool bold, bool italic) const {
  wxFontInfo info(wxSize(0, CharacterHeight(height)));
  info.FaceName(wxString::FromUTF8(FontFace())).Family(wxFONTFAMILY_SWISS).Bold(bold).Italic(italic);
  return wxFont(info);
}

void CGraph::DrawBackground(wxDC& dc, const wxSize& size) {
  dc.SetPen(wxPen(System(wxSYS_COLOUR_3DDKSHADOW)));
  dc.SetBrush(wxBrush(System(wxSYS_COLOUR_BTNFACE)));
  dc.DrawRectangle(0, 0, size.x, size.y);
  dc.SetTextBackground(System(wxSYS_COLOUR_BTNFACE));
  dc.SetBackgroundMode(wxTRANSPARENT);

  LayoutMetrics metrics;
  dc.SetFont(GraphFont(YAxis().tickFontHeight, true));
  metrics.tickCharWidth = dc.GetCharWidth();
  dc.SetFont(GraphFont(kLegendFontHeight, true));
  metrics.legendCharWidth = dc.GetCharWidth();
  SetPlotLayout(LayOutGraph(*this, size.x, size.y, metrics));
}

void CGraph::DrawLegend(wxDC& dc) {
  const GraphLayout& layout = PlotLayout();
  const PixelRect& box = layout.legendBox;
  dc.SetFont(GraphFont(kLegendFontHeight, true));
  dc.SetPen(wxPen(System(wxSYS_COLOUR_BTNSHADOW)));
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(ToRect(box));
  const int swatchLeft = box.left + LongestName() * dc.GetCharWidth() + 10;
  int rowTop = box.top + 4;
  dc.SetTextForeground(*wxBLACK);
  for (const CGraphDataSet& set : DataSets()) {
    dc.DrawText(Text(set.GetName()), box.left + 5, rowTop - 2);
    dc.SetPen(wxPen(ToColour(set.colour)));
    dc.SetBrush(wxBrush(ToColour(set.colour)));
    dc.DrawRectangle(swatchLeft, rowTop, box.right - 5 - swatchLeft, kLegendSwatchHeight);
    rowTop += kLegendRowHeight;
  }
}

void CGraph::DrawAxes(wxDC& dc) {
  const GraphLayout& layout = PlotLayout();
  dc.SetPen(wxPen(ToColour(kPlotBackgroundColour)));
  dc.SetBrush(wxBrush(ToColour(kPlotBackgroundColour)));
  dc.DrawRectangle(ToRect(layout.plotRect));
  DrawBanners(dc);
  DrawTicks(dc);
  dc.SetPen(wxPen(*wxBLACK, kAxisPenWidth));
  dc.DrawLine(layout.originX, layout.originY, layout.originX, layout.originY - layout.plotHeight - 1);
  dc.DrawLine(layout.originX, layout.originY, layout.originX + layout.plotWidth + 1, layout.originY);
  DrawAxisTitles(dc);
}

void CGraph::DrawBanners(wxDC& dc) {
  if (bailoutMode) DrawBanner(dc, IDS_GRAPH_BAILOUT_BANNER, kLargeBannerFontHeight, true);
  if (diveReview) DrawBanner(dc, IDS_GRAPH_REVIEW_BANNER, kLargeBannerFontHeight, true);
  if (recalculationRequired) DrawBanner(dc, IDS_GRAPH_RECALC_BANNER, kRecalcBannerFontHeight, false);
}

void CGraph::DrawBanner(wxDC& dc, int textId, int fontHeight, bool centred) {
  const GraphLayout& layout = PlotLayout();
  const PixelRect& plot = layout.plotRect;
  if (plot.IsEmpty()) return;
  wxDCClipper clip(dc, ToRect(plot));  // a banner wider than the plot stays on it
  dc.SetFont(GraphFont(fontHeight, true, true));
  dc.SetTextForeground(ToColour(kBannerTextColour));
  const wxString text = Text(ResourceString(textId));
  const wxSize extent = dc.GetTextExtent(text);
  if (centred) {
    dc.DrawText(text, plot.left + plot.Width() / 2 - extent.x / 2, plot.top + plot.Height() / 2 - extent.y / 2);
  } else {
    dc.DrawText(text, plot.right - 10 - extent.x, RecalcBannerCentreY(layout) - extent.y / 2);
  }
}

void CGraph::DrawTicks(wxDC& dc) {
  const GraphLayout& layout = PlotLayout();
  const wxPen grid(ToColour(kGridColour));
  const wxPen axis(*wxBLACK, kAxisPenWidth);
  dc.SetFont(GraphFont(YAxis().tickFontHeight, true));
  dc.SetTextForeground(*wxBLACK);
  for (const AxisTick& tick : YTicks(*this, layout)) {
    if (!tick.origin) {
      if (IsShowGrid()) {
        dc.SetPen(grid);
        dc.DrawLine(layout.originX, tick.position, layout.originX + layout.plotWidth, tick.position);
      }
      dc.SetPen(axis);
      dc.DrawLine(layout.originX - kTickLength, tick.position, layout.originX, tick.position);
    }
    const wxSize extent = dc.GetTextExtent(Text(tick.label));
    dc.DrawText(Text(tick.label), layout.originX - 10 - extent.x, tick.position - extent.y / 2);
  }
  dc.SetFont(GraphFont(XAxis().tickFontHeight, true));
  for (const AxisTick& tick : XTicks(*this, layout)) {
    if (!tick.origin) {
      dc.SetPen(axis);
      dc.DrawLine(tick.position, layout.originY, tick.position, layout.originY + kTickLength);
      if (IsShowGrid()) {
        dc.SetPen(grid);
        dc.DrawLine(tick.position, layout.originY, tick.position, layout.originY - layout.plotHeight);
      }
    }
    const wxSize extent = dc.GetTextExtent(Text(tick.label));
    dc.DrawText(Text(tick.label), tick.position - extent.x / 2, layout.originY + 5);
  }
}

void CGraph::DrawAxisTitles(wxDC& dc) {
  const GraphLayout& layout = PlotLayout();
  const bool wide = layout.plotHeight < layout.plotWidth;
  const std::string& measured = wide ? YAxis().label : XAxis().label;
  dc.SetFont(GraphFont(TitleFontHeight(static_cast<int>(measured.size()), wide ? layout.plotHeight : layout.plotWidth),
                       true));
  dc.SetTextForeground(*wxBLACK);
  if (YAxis().showLabel) {
    const wxString label = Text(YAxis().label);
    dc.DrawRotatedText(label, 5, layout.originY - layout.plotHeight / 2 + dc.GetTextExtent(label).x / 2, 90);
  }
  if (XAxis().showLabel) {
    const wxString label = Text(XAxis().label);
    dc.DrawText(label, layout.originX + layout.plotWidth / 2 - dc.GetTextExtent(label).x / 2, layout.baseline - 20);
  }
}

void CGraph::DrawZoomRect(wxDC& dc) {
  const PixelRect& zoom = ZoomRect();
  const PixelRect& plot = PlotLayout().plotRect;
  dc.SetPen(wxPen(ToColour(kCursorColour)));
  if (verticalCursor) {
    dc.DrawLine(zoom.left, plot.top, zoom.left, plot.bottom);
    dc.DrawLine(zoom.right, plot.top, zoom.right, plot.bottom);
  } else {
    dc.SetPen(wxPen(ToColour(kCursorColour), 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(ToRect(zoom));
  }
}

void CGraph::DrawCursorLines(wxDC& dc) {
  if (!IsCursorInPlot()) return;
  const PixelPoint cursor = CursorPixel();
  const PixelRect& plot = PlotLayout().plotRect;
  dc.SetPen(wxPen(ToColour(kCursorColour)));
  if (verticalCursor) dc.DrawLine(cursor.x, plot.top, cursor.x, plot.bottom);
  if (horizontalCursor) dc.DrawLine(plot.left, cursor.y, plot.right, cursor.y);
}

void CGraph::DrawWarningTip(wxDC& dc) {
  if (Mode() == kModeZoom && IsButtonDown()) return;
  const IGraphPage* page = Page();
  const GraphLayout& layout = PlotLayout();
  const PixelPoint cursor = MouseCursorPixel();
  if (page == nullptr || !WarningTipBand(layout).Contains(cursor)) return;
  const double value = ScreenToValueX(cursor.x);
  if (!(value >= 0 && value < page->GetStepCount())) return;
  const int step = static_cast<int>(value);
  if (page->IsStepWarningFree(step)) return;
  const std::vector<std::string> lines = WarningTipLines(page->GetStepWarningText(step));
  if (lines.empty()) return;

  dc.SetFont(GraphFont(kOverlayFontHeight, false));
  std::vector<TextSize> sizes;
  for (const std::string& line : lines) {
    const wxSize extent = dc.GetTextExtent(Text(line));
    sizes.push_back({extent.x, extent.y});
  }
  const PixelRect box = WarningTipBox(layout, cursor.x, sizes);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(wxBrush(System(wxSYS_COLOUR_BTNFACE)));
  dc.DrawRoundedRectangle(ToRect(box), kTipCornerRadius);
  dc.SetTextForeground(*wxRED);
  int y = box.top + 4;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    dc.DrawText(Text(lines[i]), box.left + 8, y);
    y += sizes[i].height;
  }
}

void CGraph::DrawWarningBox(wxDC& dc) {
  if (!warningBox) return;
  const GraphLayout& layout = PlotLayout();
  dc.SetPen(*wxRED_PEN);
  dc.SetBrush(*wxRED_BRUSH);
  dc.DrawRectangle(ToRect(WarningKeyBox(layout)));
  dc.SetFont(GraphFont(kOverlayFontHeight, true));
  dc.SetTextForeground(*wxBLACK);
  const PixelPoint at = WarningKeyTextPosition(layout);
  dc.DrawText(Text(ResourceString(IDS_GRAPH_WARNING_KEY)), at.x, at.y);
}

void CGraph::DrawReadout(wxDC& dc) {
  if (!IsShowReadout()) return;
  const GraphLayout& layout = PlotLayout();
  dc.SetPen(wxPen(System(wxSYS_COLOUR_BTNSHADOW)));
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(ToRect(ReadoutBox(layout)));
  dc.SetFont(GraphFont(kOverlayFontHeight, false));
  const int y = ReadoutTextY(layout);
  for (const ReadoutItem& item : ReadoutItems(*this, Page())) {
    const wxString text = Text(item.text);
    dc.SetTextForeground(item.red ? *wxRED : *wxBLACK);
    dc.DrawText(text, item.centred ? item.x - dc.GetTextExtent(text).x / 2 : item.x, y);
  }
}

}  // namespace views
