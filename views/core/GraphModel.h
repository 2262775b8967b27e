#pragma once
// Everything a graph window knows and decides without a display: its data sets, its axes with
// their ranges, limits and automatic nice ranging, the mapping between values and the pixels
// of the plot, and the mouse modes (zoom, pan, cursor, persistent cursor) with the context menu
// they offer. The window (views/Graph.h) draws it and feeds it the mouse.
//
// Members by concern:
//   GraphModel.cpp       configuration, data sets, ranging and the value-pixel mapping
//   GraphModelMouse.cpp  mouse modes, zoom, pan, the commands and the context menu
#include <cstdint>
#include <string>
#include <vector>

#include "views/core/GraphData.h"
#include "views/core/GraphGeometry.h"
#include "views/core/GraphPage.h"

namespace views {

enum GraphKind { kGraphKindNone = 0, kLineGraph = 1, kBarGraph = 2 };
enum GraphMode { kModeZoom = 1, kModePan = 2, kModeCursor = 3, kModePersistentCursor = 4 };

struct ValueRange {
  double min = 0;
  double max = 0;
  bool operator==(const ValueRange&) const = default;
};

// One axis: its visible range, the limits ranging keeps to, and how it is labelled.
struct GraphAxis {
  double min = 0;
  double max = 0;
  double lowerLimit = 0;
  double upperLimit = 0;  // the least maximum ranging shows, not a cap
  double step = 0.1;
  double tickCount = 10;
  int decimals = 1;
  int tickFontHeight = 12;
  bool autoRange = false;
  bool showLabel = false;
  std::string label;
  double Span() const { return max - min; }
};

// The menu resource a right click shows and the toolbar whose images it carries.
struct ContextMenuChoice {
  int menuId = 0;
  int toolbarId = 0;
  bool operator==(const ContextMenuChoice&) const = default;
};

class GraphModel {
 public:
  static constexpr int kAxisPenWidth = 1;  // also the one-pixel lift of every Y tick
  static constexpr int kWarningBarWidth = 10;
  static constexpr int kWarningBarLift = 8;  // centre line of the warning bar above the plot bottom

  explicit GraphModel(int kind);

  // --- Configuration. None of these redraws. ---
  void SetRanges(double xMin, double xMax, double yMin, double yMax);
  void SetXRange(double min, double max);
  void SetYRange(double min, double max);
  void SetRangeLimits(double xLower, double xUpper, double yLower, double yUpper);
  void SetAutoRangeSteps(double xStep, double yStep);
  void SetTickCounts(int xCount, int yCount);
  void SetDecimals(int xDecimals, int yDecimals);
  void SetShowXAxisLabel(bool on);
  void SetShowYAxisLabel(bool on);
  void SetXAxisTime(bool on);
  void SetInvertY(bool on);
  void SetAutoRangeX(bool on);
  void SetAutoRangeY(bool on);
  void SetShowGrid(bool on);
  void SetDrawData(bool on);
  void SetOverlaidBars(bool on);
  bool IsYInverted() const { return invertY_; }
  void SetXAxisLabel(std::string label);
  void SetYAxisLabel(std::string label);
  // Appended to the depth span of the zoom read-out.
  void SetUnits(std::string units);

  // --- Data sets. The setters act on the set added last and, like AddPoint, throw
  // std::invalid_argument when there is none. ---
  void AddDataSet();
  void AddPoint(double x, double y);
  void SetDataSetColour(Rgb colour);
  void SetDataSetLineWidth(int width);
  void SetDataSetMarker(int marker);
  // Also widens the legend to the longest name.
  void SetDataSetName(std::string name);
  void SetDataSetLabel(std::string label);
  void RemoveAllDataSets();
  const std::vector<CGraphDataSet>& DataSets() const { return dataSets_; }

  // Ranges the axes that range automatically over every point; without points both axes show
  // their limits.
  void AutoRange();
  // A range around the data, widened by margin x span, rounded out to tenths of the step, not
  // below the lower limit nor under the upper limit, and a whole number of steps long. The data
  // span counts as at least one step. A step <= 0 rounds nothing.
  static ValueRange NiceRange(double dataMin, double dataMax, double lowerLimit, double upperLimit, double margin,
                              double step);
  // Y ranged over the parts of the lines inside the visible X range; unchanged when no line
  // passes through it. False when it was left unchanged.
  bool AutoRangeYInView();

  // --- Value and pixel mapping over the plot of the last draw. A plot or span of zero maps
  // every pixel to the range minimum and every value to the plot's edge. ---
  void SetPlotLayout(const GraphLayout& layout);
  const GraphLayout& PlotLayout() const { return layout_; }
  double ScreenToValueX(int x) const;
  double ScreenToValueY(int y) const;
  int ValueToScreenX(double value) const;
  int ValueToScreenY(double value) const;
  double GetXSpan() const { return x_.Span(); }
  double GetYSpan() const { return y_.Span(); }
  // The time under the cursor in whole units; 0 while the cursor is off the plot.
  int GetCursorX() const;
  // The persistent cursor in mode 4, the mouse cursor otherwise.
  PixelPoint CursorPixel() const;
  // The mouse, kept within the plot's edges.
  PixelPoint MouseCursorPixel() const { return cursorPoint_; }
  bool IsCursorInPlot() const { return layout_.plotRect.Widened().Contains(CursorPixel()); }

  // --- Mouse. Each answers whether the graph must be redrawn. ---
  void OnLButtonDown(PixelPoint point);
  bool OnMouseMove(bool leftButtonDown, PixelPoint point);
  // Only while the button is held; the window then gives the mouse back.
  bool OnLButtonUp(PixelPoint point);
  bool OnLButtonDblClk(PixelPoint point);
  void SetPersistentCursor(PixelPoint point);

  // --- Commands of the context menus ---
  void OnZoom();
  void OnPan();
  void OnCursor() { mode_ = kModeCursor; }
  void OnPersistentCursor() { mode_ = kModePersistentCursor; }
  void OnReset();
  void OnResetZoom();
  bool IsResetZoomEnabled() const { return zoomed_; }
  // The bailout commands need a calculated dive whose profile is on closed circuit at the cursor.
  bool IsBailoutEnabled(const IGraphPage* page) const;
  ContextMenuChoice ContextMenu() const;

  // --- State read by the drawing ---
  int Kind() const { return kind_; }
  int Mode() const { return mode_; }
  int PreviousMode() const { return previousMode_; }
  bool IsZoomed() const { return zoomed_; }
  bool IsButtonDown() const { return buttonDown_; }
  bool IsDrawData() const { return drawData_; }
  bool IsXAxisTime() const { return xIsTime_; }
  bool IsShowGrid() const { return grid_; }
  bool IsOverlaidBars() const { return overlaidBars_; }
  const GraphAxis& XAxis() const { return x_; }
  const GraphAxis& YAxis() const { return y_; }
  const std::string& Units() const { return units_; }
  const std::string& FontFace() const { return fontFace_; }
  const PixelRect& ZoomRect() const { return zoomRect_; }
  int LongestName() const { return longestName_; }
  bool IsShowReadout() const { return showReadout_; }
  // Changes with every call that changes what the graph shows apart from the cursor.
  std::uint64_t Revision() const { return revision_; }

  // --- Set by the owner before a redraw ---
  bool bailoutMode = false;  // "BAILOUT MODE" banner; the menu offers Return to Dive and Clear Bailout
  bool warningBox = false;   // the red "Warning" key
  bool recalculationRequired = false;
  bool diveReview = false;  // "DIVE REVIEW" banner
  // The dive's calculation did not complete: the cursor reads nothing and no bailout is offered.
  bool calculationFailed = false;
  bool pageMode = false;    // dragging always zooms, double-click swaps the cursor kind, bailout menu
  bool arrowWhileZooming = true;
  bool verticalCursor = true;  // also: a zoom acts on X only and Y follows the data
  bool horizontalCursor = true;

 private:
  CGraphDataSet& CurrentSet();
  void Changed() { ++revision_; }
  // The extremes of every point; false without points.
  bool DataExtent(ValueRange& xs, ValueRange& ys) const;
  void Pan(PixelPoint point);
  void ApplyZoom();
  void RecomputePersistentCursor();

  int kind_;
  std::vector<CGraphDataSet> dataSets_;
  GraphLayout layout_;
  PixelRect zoomRect_;
  std::string fontFace_ = "Arial";
  std::string units_ = "Units";
  GraphAxis x_;
  GraphAxis y_;
  double persistentValueX_ = 0;
  double persistentValueY_ = 0;
  int longestName_ = 0;
  bool xIsTime_ = false;
  bool invertY_ = false;
  bool grid_ = false;
  bool buttonDown_ = false;
  bool drawData_ = false;
  bool showReadout_ = true;
  bool overlaidBars_ = false;
  PixelPoint dragStart_;
  PixelPoint rawPoint_;
  PixelPoint persistentPoint_;
  PixelPoint cursorPoint_;
  PixelPoint panAnchor_;  // (0, 0): no anchor yet
  int mode_ = kModeCursor;
  int previousMode_ = kModeCursor;
  bool zoomed_ = false;
  std::uint64_t revision_ = 0;
};

}  // namespace views
