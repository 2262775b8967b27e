#include "views/core/GraphModel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace views {
namespace {

constexpr double kNoDataLow = 1000000;
constexpr double kNoDataHigh = -1000000;
constexpr double kRangingMargin = 0.1;

void Widen(ValueRange& range, double value) {
  range.min = std::min(range.min, value);
  range.max = std::max(range.max, value);
}

bool Found(const ValueRange& range) { return range.min <= range.max; }

// value as a pixel offset; a value no int can hold (or none at all) is taken to the nearest
// offset far outside any window instead of an undefined conversion.
int PixelOffset(double value) {
  constexpr double kFarOutside = 1 << 24;
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(value, -kFarOutside, kFarOutside));
}

}  // namespace

PixelRect NormalizedRect(PixelPoint a, PixelPoint b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

PixelRect ClippedRect(const PixelRect& r, const PixelRect& bounds) {
  PixelRect clipped{std::max(r.left, bounds.left), std::max(r.top, bounds.top), std::min(r.right, bounds.right),
                    std::min(r.bottom, bounds.bottom)};
  if (clipped.right < clipped.left) clipped.right = clipped.left;
  if (clipped.bottom < clipped.top) clipped.bottom = clipped.top;
  return clipped;
}

GraphModel::GraphModel(int kind) : kind_(kind) {
  x_.max = x_.upperLimit = 10;
  y_.max = y_.upperLimit = 1;
}

void GraphModel::SetRanges(double xMin, double xMax, double yMin, double yMax) {
  SetXRange(xMin, xMax);
  SetYRange(yMin, yMax);
}

void GraphModel::SetXRange(double min, double max) {
  x_.min = min;
  x_.max = max;
  Changed();
}

void GraphModel::SetYRange(double min, double max) {
  y_.min = min;
  y_.max = max;
  Changed();
}

void GraphModel::SetRangeLimits(double xLower, double xUpper, double yLower, double yUpper) {
  x_.lowerLimit = xLower;
  x_.upperLimit = xUpper;
  y_.lowerLimit = yLower;
  y_.upperLimit = yUpper;
}

void GraphModel::SetAutoRangeSteps(double xStep, double yStep) {
  x_.step = xStep;
  y_.step = yStep;
}

void GraphModel::SetTickCounts(int xCount, int yCount) {
  x_.tickCount = xCount;
  y_.tickCount = yCount;
  Changed();
}

void GraphModel::SetDecimals(int xDecimals, int yDecimals) {
  x_.decimals = xDecimals;
  y_.decimals = yDecimals;
  Changed();
}

void GraphModel::SetShowXAxisLabel(bool on) {
  x_.showLabel = on;
  Changed();
}
void GraphModel::SetShowYAxisLabel(bool on) {
  y_.showLabel = on;
  Changed();
}
void GraphModel::SetXAxisTime(bool on) {
  xIsTime_ = on;
  Changed();
}
void GraphModel::SetInvertY(bool on) {
  invertY_ = on;
  Changed();
}
void GraphModel::SetAutoRangeX(bool on) { x_.autoRange = on; }
void GraphModel::SetAutoRangeY(bool on) { y_.autoRange = on; }
void GraphModel::SetShowGrid(bool on) {
  grid_ = on;
  Changed();
}
void GraphModel::SetDrawData(bool on) {
  drawData_ = on;
  Changed();
}
void GraphModel::SetOverlaidBars(bool on) {
  overlaidBars_ = on;
  Changed();
}
void GraphModel::SetXAxisLabel(std::string label) {
  x_.label = std::move(label);
  Changed();
}
void GraphModel::SetYAxisLabel(std::string label) {
  y_.label = std::move(label);
  Changed();
}
void GraphModel::SetUnits(std::string units) { units_ = std::move(units); }

void GraphModel::AddDataSet() {
  dataSets_.emplace_back();
  Changed();
}

CGraphDataSet& GraphModel::CurrentSet() {
  if (dataSets_.empty()) throw std::invalid_argument("the graph has no data set");
  Changed();
  return dataSets_.back();
}

void GraphModel::AddPoint(double x, double y) { CurrentSet().AddPoint(x, y); }
void GraphModel::SetDataSetColour(Rgb colour) { CurrentSet().colour = colour; }
void GraphModel::SetDataSetLineWidth(int width) { CurrentSet().lineWidth = width; }
void GraphModel::SetDataSetMarker(int marker) { CurrentSet().marker = marker; }

void GraphModel::SetDataSetName(std::string name) {
  longestName_ = std::max(longestName_, static_cast<int>(name.size()));
  CurrentSet().SetName(std::move(name));
}

void GraphModel::SetDataSetLabel(std::string label) { CurrentSet().SetLabel(std::move(label)); }

void GraphModel::RemoveAllDataSets() {
  dataSets_.clear();
  Changed();
}

ValueRange GraphModel::NiceRange(double dataMin, double dataMax, double lowerLimit, double upperLimit, double margin,
                                 double step) {
  double span = dataMax - dataMin;
  if (step <= 0) {
    return {std::max(dataMin - span * margin, lowerLimit), std::max(dataMax + span * margin, upperLimit)};
  }
  if (span < step) span = step;
  const double quantum = step / 10;
  const double low = std::max(std::floor((dataMin - span * margin) / quantum) * quantum, lowerLimit);
  double high = std::max(std::ceil((dataMax + span * margin) / quantum) * quantum, upperLimit);
  high = low + std::ceil((high - low) / step) * step;
  return {low, high};
}

bool GraphModel::DataExtent(ValueRange& xs, ValueRange& ys) const {
  xs = ys = {kNoDataLow, kNoDataHigh};
  for (const CGraphDataSet& set : dataSets_) {
    for (const CGraphData& point : set.Points()) {
      Widen(xs, point.x);
      Widen(ys, point.y);
    }
  }
  return Found(xs);
}

void GraphModel::AutoRange() {
  ValueRange xs, ys;
  if (!DataExtent(xs, ys)) {
    // Also for sets without points, whose extremes would be the start values of the search.
    SetRanges(x_.lowerLimit, x_.upperLimit, y_.lowerLimit, y_.upperLimit);
    return;
  }
  if (x_.autoRange) {
    const ValueRange range =
        NiceRange(xs.min, xs.max, x_.lowerLimit, x_.upperLimit, xIsTime_ ? 0 : kRangingMargin, x_.step);
    SetXRange(range.min, range.max);
  }
  if (y_.autoRange) {
    const ValueRange range = NiceRange(ys.min, ys.max, y_.lowerLimit, y_.upperLimit, kRangingMargin, y_.step);
    SetYRange(range.min, range.max);
  }
}

bool GraphModel::AutoRangeYInView() {
  ValueRange ys{kNoDataLow, kNoDataHigh};
  const double low = x_.min;
  const double high = x_.max;
  auto yAt = [](const CGraphData& a, const CGraphData& b, double x) {
    return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);  // only called where a.x and b.x differ
  };
  for (const CGraphDataSet& set : dataSets_) {
    const std::vector<CGraphData>& points = set.Points();
    for (std::size_t i = 1; i < points.size(); ++i) {
      CGraphData a = points[i - 1];
      CGraphData b = points[i];
      if (a.x > b.x) std::swap(a, b);
      if (b.x < low || a.x > high) continue;  // wholly outside
      Widen(ys, a.x >= low ? a.y : yAt(a, b, low));
      Widen(ys, b.x <= high ? b.y : yAt(a, b, high));
    }
  }
  if (!Found(ys)) return false;
  const ValueRange range = NiceRange(ys.min, ys.max, y_.lowerLimit, y_.upperLimit, kRangingMargin, y_.step);
  SetYRange(range.min, range.max);
  return true;
}

void GraphModel::SetPlotLayout(const GraphLayout& layout) { layout_ = layout; }

double GraphModel::ScreenToValueX(int x) const {
  const PixelRect& plot = layout_.plotRect;
  if (plot.Width() <= 0 || x_.Span() == 0) return x_.min;
  return x_.min + (x - plot.left) / (plot.Width() / x_.Span());
}

double GraphModel::ScreenToValueY(int y) const {
  const PixelRect& plot = layout_.plotRect;
  if (plot.Height() <= 0 || y_.Span() == 0) return y_.min;
  const double pixelsPerValue = plot.Height() / y_.Span();
  return invertY_ ? y_.min + (y - plot.top) / pixelsPerValue : y_.min + (plot.bottom - y) / pixelsPerValue;
}

int GraphModel::ValueToScreenX(double value) const {
  const PixelRect& plot = layout_.plotRect;
  if (x_.Span() == 0) return plot.left;
  return PixelOffset(plot.Width() / x_.Span() * (value - x_.min)) + plot.left;
}

int GraphModel::ValueToScreenY(double value) const {
  const PixelRect& plot = layout_.plotRect;
  if (y_.Span() == 0) return invertY_ ? plot.top : plot.bottom;
  const int offset = PixelOffset(plot.Height() / y_.Span() * (value - y_.min));
  return invertY_ ? offset + plot.top : plot.bottom - offset;
}

PixelPoint GraphModel::CursorPixel() const {
  return mode_ == kModePersistentCursor ? persistentPoint_ : cursorPoint_;
}

int GraphModel::GetCursorX() const {
  const PixelPoint cursor = CursorPixel();
  if (!layout_.plotRect.Widened().Contains(cursor)) return 0;
  const double value = ScreenToValueX(cursor.x);
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::clamp(value, double{std::numeric_limits<int>::min()},
                                     double{std::numeric_limits<int>::max()}));
}

}  // namespace views
