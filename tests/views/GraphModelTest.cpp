// The display-free graph: nice ranges, ranging without data, the value-pixel mapping at zero
// sizes, zoom and pan with the mouse, and the page-mode menus.
#include <gtest/gtest.h>

#include <cmath>

#include "resources/resource.h"
#include "views/core/GraphModel.h"
#include "views/core/GraphScene.h"

namespace views {
namespace {

// A plot 1000 x 500 pixels at the client origin.
GraphLayout PlotOf1000By500() {
  GraphLayout layout;
  layout.plotRect = {0, 0, 1000, 500};
  layout.plotWidth = 1000;
  layout.plotHeight = 500;
  layout.originY = 500;
  return layout;
}

// A profile graph as a dive page sets it up, with one depth line: down to 30 m in 100 s, 30 m
// until 1000 s, then down to 60 m at 1100 s.
GraphModel ProfileGraph() {
  GraphModel graph(kLineGraph);
  graph.SetRangeLimits(0, 150, 0, 5);
  graph.SetAutoRangeSteps(150, 5);
  graph.SetXAxisTime(true);
  graph.SetInvertY(true);
  graph.SetAutoRangeX(true);
  graph.SetAutoRangeY(true);
  graph.pageMode = true;
  graph.AddDataSet();
  for (auto [x, y] : {std::pair{0, 0}, {100, 30}, {1000, 30}, {1100, 60}}) graph.AddPoint(x, y);
  graph.AutoRange();
  graph.SetPlotLayout(PlotOf1000By500());
  return graph;
}

void Drag(GraphModel& graph, PixelPoint from, PixelPoint to) {
  graph.OnLButtonDown(from);
  graph.OnMouseMove(true, from);
  graph.OnMouseMove(true, to);
  graph.OnLButtonUp(to);
}

TEST(NiceRange, RoundsOutToWholeStepsAndKeepsTheLeastMaximum) {
  EXPECT_EQ(GraphModel::NiceRange(0, 37, 0, 0, 0, 10), (ValueRange{0, 40}));
  EXPECT_EQ(GraphModel::NiceRange(0, 37, 0, 150, 0, 10), (ValueRange{0, 150}));
  // A single value still spans a step: 12 -+ 0.5 (a tenth of a step), then one step long.
  EXPECT_EQ(GraphModel::NiceRange(12, 12, 0, 0, 0.1, 5), (ValueRange{11.5, 16.5}));
  // The lower limit holds: 10 % below 2 would be -1.
  EXPECT_EQ(GraphModel::NiceRange(2, 32, 0, 0, 0.1, 5), (ValueRange{0, 35}));
  // No step: only the margin and the limits.
  EXPECT_EQ(GraphModel::NiceRange(10, 20, 0, 0, 0.1, 0), (ValueRange{9, 21}));
  EXPECT_EQ(GraphModel::NiceRange(12, 12, 0, 0, 0.1, -5), (ValueRange{12, 12}));
}

TEST(GraphRanging, WithoutPointsTheAxesShowTheirLimitsAndTimeStartsAtTheAxis) {
  GraphModel graph(kLineGraph);
  graph.SetRangeLimits(0, 150, 0, 5);
  graph.SetRanges(20, 30, 40, 50);
  graph.AutoRange();
  EXPECT_EQ(graph.XAxis().min, 0);
  EXPECT_EQ(graph.XAxis().max, 150);
  EXPECT_EQ(graph.YAxis().min, 0);
  EXPECT_EQ(graph.YAxis().max, 5);
  // Sets without points are no data either (their extremes would be the search's start values).
  graph.SetRanges(20, 30, 40, 50);
  graph.AddDataSet();
  graph.AutoRange();
  EXPECT_EQ(graph.YAxis().max, 5);

  // 0 ... 1100 s: X without margin in whole 150 s from 0; Y 0 ... 60 m with 10 % margin in 5 m.
  GraphModel profile = ProfileGraph();
  EXPECT_EQ(profile.XAxis().min, 0);
  EXPECT_EQ(profile.XAxis().max, 1200);
  EXPECT_EQ(profile.YAxis().min, 0);
  EXPECT_EQ(profile.YAxis().max, 70);
}

TEST(GraphMapping, ZeroSpansAndZeroPlotsGiveEdgesNotNaN) {
  GraphModel graph(kLineGraph);
  graph.SetRanges(12, 12, 3, 3);
  graph.SetPlotLayout(PlotOf1000By500());
  EXPECT_EQ(graph.ScreenToValueX(700), 12);
  EXPECT_EQ(graph.ScreenToValueY(100), 3);
  EXPECT_EQ(graph.ValueToScreenX(50), 0);
  EXPECT_EQ(graph.ValueToScreenY(50), 500);

  graph.SetRanges(0, 100, 0, 10);
  graph.SetPlotLayout(GraphLayout{});  // a window too small for any plot
  EXPECT_EQ(graph.ScreenToValueX(5), 0);
  EXPECT_EQ(graph.ScreenToValueY(5), 0);
  EXPECT_EQ(graph.GetCursorX(), 0);
  // Values no pixel can show stay far outside the window instead of overflowing.
  graph.SetPlotLayout(PlotOf1000By500());
  EXPECT_EQ(graph.ValueToScreenX(50), 500);
  EXPECT_GT(graph.ValueToScreenX(1e300), 1000);
  EXPECT_LT(graph.ValueToScreenX(-1e300), 0);
  EXPECT_EQ(graph.ValueToScreenX(NAN), 0);

  // A client area smaller than the margins lays out an empty plot, never a negative one.
  const GraphLayout tiny = LayOutGraph(graph, 10, 8, LayoutMetrics{7, 7});
  EXPECT_EQ(tiny.plotWidth, 0);
  EXPECT_EQ(tiny.plotHeight, 0);
  EXPECT_TRUE(std::isfinite(tiny.yValuePerTick));
  // Hidden axis titles give the plot 45 pixels of height and move the origin 20 to the left.
  GraphModel titled(kLineGraph);
  const GraphLayout without = LayOutGraph(titled, 800, 400, LayoutMetrics{7, 7});
  titled.SetShowXAxisLabel(true);
  titled.SetShowYAxisLabel(true);
  const GraphLayout withTitles = LayOutGraph(titled, 800, 400, LayoutMetrics{7, 7});
  EXPECT_EQ(without.plotHeight - withTitles.plotHeight, 45);
  EXPECT_EQ(withTitles.originX - without.originX, 20);
}

TEST(GraphZoom, APageDragNarrowsTimeAndDepthFollowsTheLineInView) {
  GraphModel graph = ProfileGraph();
  EXPECT_FALSE(graph.IsResetZoomEnabled());
  EXPECT_EQ(graph.ContextMenu(), (ContextMenuChoice{IDR_GRAPH_BAILOUT_POPUP, IDR_GRAPH_BAILOUT_TOOLBAR}));
  // 10 s to 120 s: rounded out to the least maximum 0 ... 150 s. In view the line runs 0 ... 30 m
  // (at 150 s it is still at 30 m): 30 m + 10 % in whole 5 m.
  Drag(graph, {10, 200}, {100, 300});
  EXPECT_EQ(graph.XAxis().min, 0);
  EXPECT_EQ(graph.XAxis().max, 150);
  EXPECT_EQ(graph.YAxis().min, 0);
  EXPECT_EQ(graph.YAxis().max, 35);
  EXPECT_EQ(graph.Mode(), kModeCursor);  // back to the cursor after the drag
  EXPECT_TRUE(graph.IsZoomed());
  EXPECT_TRUE(graph.IsResetZoomEnabled());

  graph.OnResetZoom();
  EXPECT_EQ(graph.XAxis().max, 1200);
  EXPECT_EQ(graph.YAxis().max, 70);
  EXPECT_FALSE(graph.IsResetZoomEnabled());

  // Double-click swaps to the persistent cursor, and a drag returns to it.
  EXPECT_TRUE(graph.OnLButtonDblClk({500, 250}));
  EXPECT_EQ(graph.Mode(), kModePersistentCursor);
  EXPECT_EQ(graph.GetCursorX(), 600);
  graph.bailoutMode = true;
  EXPECT_EQ(graph.ContextMenu().menuId, IDR_GRAPH_BAILOUT_POPUP2);
  Drag(graph, {100, 100}, {300, 100});
  EXPECT_EQ(graph.Mode(), kModePersistentCursor);
}

TEST(GraphZoom, IntoAStretchWithoutDataKeepsTheDepthRange) {
  GraphModel graph = ProfileGraph();
  // 1110 s to 1150 s lies past the last point at 1100 s: X becomes 1110 ... 1260 s, Y stays.
  Drag(graph, {925, 100}, {958, 400});
  EXPECT_EQ(graph.XAxis().min, 1110);
  EXPECT_EQ(graph.XAxis().max, 1260);
  EXPECT_EQ(graph.YAxis().min, 0);
  EXPECT_EQ(graph.YAxis().max, 70);
  // A click without width changes nothing.
  Drag(graph, {500, 100}, {500, 400});
  EXPECT_EQ(graph.XAxis().min, 1110);
  EXPECT_EQ(graph.XAxis().max, 1260);
}

TEST(GraphPan, StopsAtTheLimitsAndNeverTurnsARangeRound) {
  GraphModel graph = ProfileGraph();
  graph.pageMode = false;
  graph.SetRanges(300, 450, 0, 70);
  graph.OnPan();
  // 1000 pixels are 150 s: a drag of 300 pixels to the right moves the range 45 s down.
  auto panBy = [&](int fromX, int toX) {
    graph.OnLButtonDown({fromX, 250});
    graph.OnMouseMove(true, {fromX, 250});
    graph.OnMouseMove(true, {toX, 250});
    graph.OnLButtonUp({toX, 250});
  };
  panBy(100, 400);
  EXPECT_NEAR(graph.XAxis().min, 255, 1e-9);
  EXPECT_NEAR(graph.XAxis().max, 405, 1e-9);
  // Two drags of 149.7 s would pass 0 s: the range stops there, 150 s long.
  panBy(1, 999);
  panBy(1, 999);
  EXPECT_EQ(graph.XAxis().min, 0);
  EXPECT_NEAR(graph.XAxis().max, 150, 1e-9);

  // A compartment chart shows more than its limits (0 ... 10 and 0 ... 1): panning either way
  // keeps both spans and never passes the data's extent.
  GraphModel bars(kBarGraph);
  bars.AddDataSet();
  bars.AddPoint(15, 180);
  bars.SetRanges(0, 17, 0, 200);
  bars.SetPlotLayout(PlotOf1000By500());
  bars.OnPan();
  for (PixelPoint to : {PixelPoint{900, 450}, PixelPoint{50, 20}, PixelPoint{990, 10}}) {
    bars.OnLButtonDown({500, 250});
    bars.OnMouseMove(true, {500, 250});
    bars.OnMouseMove(true, to);
    bars.OnLButtonUp(to);
    EXPECT_LT(bars.XAxis().min, bars.XAxis().max);
    EXPECT_DOUBLE_EQ(bars.XAxis().Span(), 17);
    EXPECT_DOUBLE_EQ(bars.YAxis().Span(), 200);
    EXPECT_GE(bars.XAxis().min, 0);
    EXPECT_GE(bars.YAxis().min, 0);
  }
}

}  // namespace
}  // namespace views
