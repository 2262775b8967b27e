#pragma once
// Where one draw of a graph puts things, worked out without a display: the plot, legend and
// axes, the ticks and their labels, the warning bar, the lines and bars of the data, the warning
// tip and the cursor read-out. The window's drawing only renders what these give.
#include <string>
#include <vector>

#include "views/core/GraphModel.h"

namespace views {

inline constexpr Rgb kPlotBackgroundColour{30, 130, 255};
inline constexpr Rgb kGridColour{125, 130, 255};
inline constexpr Rgb kCursorColour{212, 208, 200};  // also the zoom lines
inline constexpr Rgb kBannerTextColour{0, 191, 255};
inline constexpr Rgb kMarkerColour{0, 255, 127};

// The text measurements the layout needs from the toolkit.
struct LayoutMetrics {
  int tickCharWidth = 0;    // average character width of the bold tick font
  int legendCharWidth = 0;  // of the bold legend font (bar graph)
};

// The plot, legend and per-tick sizes for a client area; the bar graph makes room for its
// legend. A client area too small for a plot gives an empty one.
GraphLayout LayOutGraph(const GraphModel& graph, int clientWidth, int clientHeight, const LayoutMetrics& metrics);

// A tick at a pixel of its axis; the origin has a label but no tick mark.
struct AxisTick {
  int position = 0;
  std::string label;
  bool origin = false;
};
std::vector<AxisTick> XTicks(const GraphModel& graph, const GraphLayout& layout);
std::vector<AxisTick> YTicks(const GraphModel& graph, const GraphLayout& layout);
// "mm:ss" of whole seconds, with a leading "-" below 0.
std::string TimeTickLabel(double seconds);

// The font height of an axis title: 16, less 2 at a time while the title's characters at half
// the height each do not fit the extent.
int TitleFontHeight(int labelLength, int extent);

// Where the red "Recalculation Required" banner's text is centred vertically.
int RecalcBannerCentreY(const GraphLayout& layout);

// The bar of warning steps along the plot bottom: the runs of pixels a warning set covers. A
// point whose y is exactly 0 opens a run to the next point.
struct PixelRun {
  int from = 0;
  int to = 0;
  bool operator==(const PixelRun&) const = default;
};
std::vector<PixelRun> WarningBarRuns(const GraphModel& graph, const CGraphDataSet& set);
int WarningBarY(const GraphLayout& layout);

// A data line in pixels without repeated points, and where its markers go (every point but the
// first).
struct PolylinePixels {
  std::vector<PixelPoint> line;
  std::vector<PixelPoint> markers;
};
PolylinePixels LinePixels(const GraphModel& graph, const CGraphDataSet& set);

// The bars of the bar graph: point e of set j stands at tick e + 1, overlaid or side by side.
struct Bar {
  PixelRect rect;
  int set = 0;
};
std::vector<Bar> BarRects(const GraphModel& graph, const GraphLayout& layout);

// The strip along the plot bottom over which the cursor shows its step's warnings.
PixelRect WarningTipBand(const GraphLayout& layout);
// The rounded box of the warning tip for lines of these sizes, beside the cursor above the band.
struct TextSize {
  int width = 0;
  int height = 0;
};
PixelRect WarningTipBox(const GraphLayout& layout, int cursorX, const std::vector<TextSize>& lines);
// The lines of a tip: the warning texts between "#", without empty ones.
std::vector<std::string> WarningTipLines(const std::string& warningText);

// The boxes above the plot: the read-out and the red "Warning" key.
PixelRect ReadoutBox(const GraphLayout& layout);
PixelRect WarningKeyBox(const GraphLayout& layout);
PixelPoint WarningKeyTextPosition(const GraphLayout& layout);
int ReadoutTextY(const GraphLayout& layout);

// One text of the read-out, at its left x or centred on it.
struct ReadoutItem {
  std::string text;
  int x = 0;
  bool centred = false;
  bool red = false;
};
// The read-out as it stands: the zoom span while zooming, else the time under the cursor with
// what the page tells of it; nothing while the cursor is off the plot or when the dive's
// calculation failed.
std::vector<ReadoutItem> ReadoutItems(const GraphModel& graph, const IGraphPage* page);

}  // namespace views
