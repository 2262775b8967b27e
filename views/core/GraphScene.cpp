#include "views/core/GraphScene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/NumberText.h"
#include "engine/PredictionPoint.h"
#include "engine/support/SParser.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace views {
namespace {

constexpr int kLegendRowHeight = 18;
constexpr int kTitleFontHeight = 16;
constexpr int kSmallestTitleFontHeight = 6;
constexpr int kTipMargin = 5;

// A pixel count of a product that may be huge or no number at all (a zero span or tick count).
int Pixels(double value) {
  constexpr double kFarOutside = 1 << 24;
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::clamp(value, -kFarOutside, kFarOutside));
}

double PerTick(double amount, double tickCount) { return tickCount > 0 ? amount / tickCount : 0; }

int TickCount(double tickCount) { return tickCount > 0 ? static_cast<int>(std::min(tickCount, 1000.0)) : 0; }

std::string NumberLabel(double value, int decimals) { return FormatC("%.*f", std::clamp(decimals, 0, 12), value); }

// Minutes and seconds of the whole seconds, with a leading "-" below 0.
std::string MinutesSeconds(double seconds, int minuteDigits = 1) {
  const long whole = std::isfinite(seconds) ? static_cast<long>(std::clamp(seconds, -1e9, 1e9)) : 0;
  return FormatC("%s%0*ld:%02ld", whole < 0 ? "-" : "", minuteDigits, std::labs(whole) / 60, std::labs(whole) % 60);
}

}  // namespace

GraphLayout LayOutGraph(const GraphModel& graph, int clientWidth, int clientHeight, const LayoutMetrics& metrics) {
  GraphLayout layout;
  layout.clientWidth = clientWidth;
  layout.clientHeight = clientHeight;
  layout.plotWidth = clientWidth - 20;
  layout.plotHeight = clientHeight - 20;
  layout.baseline = clientHeight - 5;

  if (graph.Kind() == kBarGraph) {
    const int sets = static_cast<int>(graph.DataSets().size());
    const int width = graph.LongestName() * metrics.legendCharWidth + 50;
    const int height = kLegendRowHeight * sets + 2;
    const int centreY = layout.baseline - 15 - (clientHeight - 35) / 2;
    layout.legendBox = {clientWidth - 25 - width, centreY - height / 2, clientWidth - 25, centreY - height / 2 + height};
    layout.plotWidth -= width + 20;
  }

  const GraphAxis& x = graph.XAxis();
  const GraphAxis& y = graph.YAxis();
  const int yLabelWidth = static_cast<int>(FormatC("%.1f", y.max).size()) * metrics.tickCharWidth;
  layout.originX = yLabelWidth + (y.showLabel ? 40 : 20);
  layout.originY = layout.baseline - (x.showLabel ? 40 : 15);
  layout.plotWidth = std::max(0, layout.plotWidth - layout.originX);
  layout.plotHeight = std::max(0, layout.plotHeight - (x.showLabel ? 60 : 15));
  layout.plotRect = {layout.originX, layout.originY - layout.plotHeight, layout.originX + layout.plotWidth + 1,
                     layout.originY};

  layout.xPixelsPerTick = PerTick(layout.plotWidth, x.tickCount);
  layout.yPixelsPerTick = PerTick(layout.plotHeight, y.tickCount);
  layout.xValuePerTick = PerTick(x.Span(), x.tickCount);
  layout.yValuePerTick = PerTick(y.Span(), y.tickCount);
  return layout;
}

std::string TimeTickLabel(double seconds) { return MinutesSeconds(seconds, 2); }

std::vector<AxisTick> XTicks(const GraphModel& graph, const GraphLayout& layout) {
  const GraphAxis& axis = graph.XAxis();
  auto label = [&](double value) {
    return graph.IsXAxisTime() ? TimeTickLabel(value) : NumberLabel(value, axis.decimals);
  };
  std::vector<AxisTick> ticks;
  const bool barGraph = graph.Kind() == kBarGraph;
  if (!barGraph) ticks.push_back({layout.originX, label(axis.min), true});
  const int count = TickCount(axis.tickCount) - (barGraph ? 1 : 0);
  for (int i = 1; i <= count; ++i) {
    const double value = std::max(axis.min + i * layout.xValuePerTick, axis.lowerLimit);
    ticks.push_back({layout.originX + Pixels(i * layout.xPixelsPerTick), label(value), false});
  }
  return ticks;
}

std::vector<AxisTick> YTicks(const GraphModel& graph, const GraphLayout& layout) {
  const GraphAxis& axis = graph.YAxis();
  const bool inverted = graph.IsYInverted();
  std::vector<AxisTick> ticks;
  ticks.push_back({layout.originY, NumberLabel(inverted ? axis.max : axis.min, axis.decimals), true});
  const int count = TickCount(axis.tickCount);
  for (int i = 1; i <= count; ++i) {
    const int position = std::max(layout.originY - Pixels(i * layout.yPixelsPerTick) - GraphModel::kAxisPenWidth,
                                  layout.plotRect.top);
    const double step = i * layout.yValuePerTick;
    const double value = std::max(inverted ? axis.max - step : axis.min + step, axis.lowerLimit);
    ticks.push_back({position, NumberLabel(value, axis.decimals), false});
  }
  return ticks;
}

int TitleFontHeight(int labelLength, int extent) {
  int height = kTitleFontHeight;
  while (height > kSmallestTitleFontHeight && labelLength * height / 2 > extent) height -= 2;
  return height;
}

int RecalcBannerCentreY(const GraphLayout& layout) {
  return layout.originY - layout.plotHeight / 10 - layout.plotHeight / 20 - 1;
}

int WarningBarY(const GraphLayout& layout) { return layout.plotRect.bottom - GraphModel::kWarningBarLift; }

std::vector<PixelRun> WarningBarRuns(const GraphModel& graph, const CGraphDataSet& set) {
  std::vector<PixelRun> runs;
  const std::vector<CGraphData>& points = set.Points();
  if (points.empty()) return runs;
  int previousX = graph.ValueToScreenX(points.front().x);
  bool open = points.front().y == 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int x = graph.ValueToScreenX(points[i].x);
    if (x != previousX) {
      if (open) {
        if (!runs.empty() && runs.back().to == previousX) runs.back().to = x;
        else runs.push_back({previousX, x});
      }
      previousX = x;
    }
    open = points[i].y == 0;
  }
  return runs;
}

PolylinePixels LinePixels(const GraphModel& graph, const CGraphDataSet& set) {
  PolylinePixels pixels;
  const std::vector<CGraphData>& points = set.Points();
  pixels.line.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PixelPoint point{graph.ValueToScreenX(points[i].x), graph.ValueToScreenY(points[i].y)};
    if (pixels.line.empty() || !(pixels.line.back() == point)) pixels.line.push_back(point);
    if (i > 0 && set.marker != kMarkerNone) pixels.markers.push_back(point);
  }
  return pixels;
}

std::vector<Bar> BarRects(const GraphModel& graph, const GraphLayout& layout) {
  std::vector<Bar> bars;
  const std::vector<CGraphDataSet>& sets = graph.DataSets();
  int mostPoints = 0;
  for (const CGraphDataSet& set : sets) mostPoints = std::max(mostPoints, set.GetPointCount());
  const int setCount = static_cast<int>(sets.size());
  const bool overlaid = graph.IsOverlaidBars();
  const int slots = overlaid ? mostPoints + 1 : setCount * (mostPoints + 1);
  if (slots <= 0) return bars;
  const int width = Pixels(layout.plotWidth * 0.8 / slots);
  for (int j = 0; j < setCount; ++j) {
    const std::vector<CGraphData>& points = sets[static_cast<std::size_t>(j)].Points();
    for (std::size_t e = 0; e < points.size(); ++e) {
      const int x = Pixels((static_cast<double>(e) + 1) * layout.xPixelsPerTick + layout.originX);
      const int left = overlaid ? x - width / 2 : x + j * width - width * setCount / 2;
      const double scale = layout.yValuePerTick != 0 ? layout.yPixelsPerTick / layout.yValuePerTick : 0;
      const int height = Pixels(points[e].y * scale);
      bars.push_back({NormalizedRect({left, layout.originY - height}, {left + width, layout.originY}), j});
    }
  }
  return bars;
}

PixelRect WarningTipBand(const GraphLayout& layout) {
  const PixelRect& plot = layout.plotRect;
  return {plot.left, plot.bottom - GraphModel::kWarningBarWidth / 2 - GraphModel::kWarningBarLift, plot.right + 1,
          plot.bottom + 1};
}

PixelRect WarningTipBox(const GraphLayout& layout, int cursorX, const std::vector<TextSize>& lines) {
  int widest = 0;
  int height = 8;
  for (const TextSize& line : lines) {
    widest = std::max(widest, line.width);
    height += line.height;
  }
  const int width = widest + 16;
  const PixelRect& plot = layout.plotRect;
  int left = std::max(cursorX - width / 2, plot.left + kTipMargin);
  if (left + width > plot.right - kTipMargin) left = plot.right - kTipMargin - width;
  const int bottom = WarningTipBand(layout).top - 2;
  return {left, bottom - height, left + width, bottom};
}

std::vector<std::string> WarningTipLines(const std::string& warningText) {
  std::vector<std::string> lines;
  const CSParser fields(warningText, '#');
  for (int i = 1; i <= fields.GetCount(); ++i) {
    std::string field = fields.GetField(i);
    if (!field.empty()) lines.push_back(std::move(field));
  }
  return lines;
}

PixelRect ReadoutBox(const GraphLayout& layout) {
  const PixelRect& plot = layout.plotRect;
  return {layout.originX + 25, plot.top - 27, plot.Width() + layout.originX - 25, plot.top - 7};
}

PixelRect WarningKeyBox(const GraphLayout& layout) {
  return {layout.originX - 50, layout.plotRect.top - 27, layout.originX + 15, layout.plotRect.top - 7};
}

PixelPoint WarningKeyTextPosition(const GraphLayout& layout) {
  return {layout.originX - 38, layout.plotRect.top - 24};
}

int ReadoutTextY(const GraphLayout& layout) { return layout.plotRect.top - 24; }

std::vector<ReadoutItem> ReadoutItems(const GraphModel& graph, const IGraphPage* page) {
  std::vector<ReadoutItem> items;
  const GraphLayout& layout = graph.PlotLayout();
  const int centre = layout.originX + layout.plotRect.Width() / 2;
  if (graph.Mode() == kModeZoom) {
    const PixelRect& zoom = graph.ZoomRect();
    std::string text = ResourceString(IDS_GRAPH_TIME) + " " + MinutesSeconds(graph.ScreenToValueX(zoom.left)) + " - " +
                       MinutesSeconds(graph.ScreenToValueX(zoom.right));
    if (!graph.verticalCursor) {
      text += ",    " + ResourceString(IDS_GRAPH_DEPTH) + " " +
              FormatC("%.1f - %.1f ", graph.ScreenToValueY(zoom.top), graph.ScreenToValueY(zoom.bottom)) + graph.Units();
    }
    items.push_back({std::move(text), centre, true, false});
    return items;
  }
  if (!graph.IsCursorInPlot() || graph.calculationFailed) return items;
  const int t = graph.GetCursorX();
  items.push_back({ResourceString(IDS_GRAPH_TIME) + " " + MinutesSeconds(t), centre - 390});
  if (page == nullptr) return items;
  const int flags = std::max(0, page->GetStepWarningFlags(t));
  const int k = page->IsReviewDive() ? 140 : 100;
  auto logged = [&](int item, int x, bool red = false) {
    items.push_back({page->FormatLoggedReadoutItem(t, item), centre + x, false, red});
  };
  auto step = [&](int item, int x, bool red = false) {
    items.push_back({page->FormatStepReadoutItem(t, item), centre + x, false, red});
  };
  logged(0, -320);
  logged(1, -220);
  logged(2, -195);
  logged(3, -100, (flags & (kWarningHighPpo2 | kWarningLowPpo2)) != 0);
  step(0, -30);
  step(1, 55);
  step(2, k, (flags & kWarningCns) != 0);
  step(3, k + 65, (flags & kWarningOtu) != 0);
  step(4, k + 145, (flags & kWarningEad) != 0);
  logged(4, k + 215);
  return items;
}

}  // namespace views
