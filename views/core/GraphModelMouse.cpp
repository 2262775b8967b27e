#include <algorithm>

#include "engine/support/DebugLog.h"
#include "resources/resource.h"
#include "views/core/GraphModel.h"

namespace views {
namespace {

// The shift of a range [min, max] by -delta that stops at the limits in the direction it moves
// and keeps the span, so that the range never turns round. A range already past a limit does
// not move further that way.
double LimitedShift(double delta, const GraphAxis& axis, double dataMax) {
  if (delta > 0) return std::min(delta, std::max(0.0, axis.min - axis.lowerLimit));
  const double upper = std::max(axis.upperLimit, dataMax);
  return std::max(delta, -std::max(0.0, upper - axis.max));
}

// A coordinate outside [low, high) goes to that edge; inside it takes the new value.
int FollowInside(int value, int previous, int low, int high, bool inside) {
  if (inside) return value;
  if (value < low) return low;
  if (value >= high) return high;
  return previous;
}

}  // namespace

void GraphModel::OnLButtonDown(PixelPoint point) {
  dragStart_ = point;
  buttonDown_ = true;
  if (!pageMode) panAnchor_ = {};
}

bool GraphModel::OnMouseMove(bool leftButtonDown, PixelPoint point) {
  rawPoint_ = point;
  const PixelRect& plot = layout_.plotRect;
  const bool inside = plot.Contains(point);
  cursorPoint_.x = FollowInside(point.x, cursorPoint_.x, plot.left, plot.right, inside);
  cursorPoint_.y = FollowInside(point.y, cursorPoint_.y, plot.top, plot.bottom, inside);

  bool redraw = false;
  if (leftButtonDown != buttonDown_) {
    buttonDown_ = leftButtonDown;
    redraw = true;
  }
  if (pageMode && buttonDown_ && mode_ != kModeZoom) {
    zoomRect_ = {};
    previousMode_ = mode_;
    mode_ = kModeZoom;
    redraw = true;
  }
  if (buttonDown_) {
    if (mode_ == kModeZoom) {
      zoomRect_ = ClippedRect(NormalizedRect(dragStart_, rawPoint_), plot);
      redraw = true;
    } else if (mode_ == kModePan && inside) {
      if (panAnchor_ == PixelPoint{}) panAnchor_ = point;
      else {
        Pan(point);
        redraw = true;
      }
    }
  }
  return redraw || mode_ == kModeCursor || mode_ == kModePersistentCursor;
}

void GraphModel::Pan(PixelPoint point) {
  ValueRange xs, ys;
  DataExtent(xs, ys);  // without data its maxima lie below any limit
  const double dx = LimitedShift(ScreenToValueX(point.x) - ScreenToValueX(panAnchor_.x), x_, xs.max);
  const double dy = LimitedShift(ScreenToValueY(point.y) - ScreenToValueY(panAnchor_.y), y_, ys.max);
  SetRanges(x_.min - dx, x_.max - dx, y_.min - dy, y_.max - dy);
  panAnchor_ = point;
}

bool GraphModel::OnLButtonUp(PixelPoint point) {
  if (!buttonDown_) return false;
  buttonDown_ = false;
  rawPoint_ = point;
  if (mode_ == kModePersistentCursor && layout_.plotRect.Contains(point)) {
    SetPersistentCursor(point);
    return true;
  }
  if (mode_ != kModeZoom) return false;
  ApplyZoom();
  if (pageMode) mode_ = previousMode_;
  return true;
}

bool GraphModel::OnLButtonDblClk(PixelPoint point) {
  if (!pageMode || !layout_.plotRect.Contains(point)) return false;
  SetPersistentCursor(point);
  mode_ = mode_ == kModePersistentCursor ? kModeCursor : kModePersistentCursor;
  previousMode_ = mode_;
  return true;
}

void GraphModel::SetPersistentCursor(PixelPoint point) {
  persistentPoint_ = point;
  persistentValueX_ = ScreenToValueX(point.x);
  persistentValueY_ = ScreenToValueY(point.y);
}

void GraphModel::RecomputePersistentCursor() {
  persistentPoint_ = {ValueToScreenX(persistentValueX_), ValueToScreenY(persistentValueY_)};
}

void GraphModel::ApplyZoom() {
  const PixelRect& plot = layout_.plotRect;
  zoomRect_ = ClippedRect(NormalizedRect(dragStart_, rawPoint_), plot);
  x_.autoRange = y_.autoRange = false;
  bool xChanged = false;
  bool yChanged = false;
  if (GetXSpan() > x_.step) {
    const double left = ScreenToValueX(zoomRect_.left);
    const double right = ScreenToValueX(zoomRect_.right);
    if (left != right) {
      const ValueRange range = NiceRange(left, right, x_.lowerLimit, x_.upperLimit, 0, x_.step);
      SetXRange(range.min, range.max);
      zoomed_ = xChanged = true;
    }
  }
  if (GetYSpan() > y_.step) {
    if (verticalCursor) {
      // Y follows the data of the new X range; a range without data keeps the Y it had.
      if (xChanged) yChanged = AutoRangeYInView();
    } else {
      const double top = ScreenToValueY(zoomRect_.top);
      const double bottom = ScreenToValueY(zoomRect_.bottom);
      if (top != bottom) {
        const ValueRange range =
            NiceRange(std::min(top, bottom), std::max(top, bottom), y_.lowerLimit, y_.upperLimit, 0.1, y_.step);
        SetYRange(range.min, range.max);
        zoomed_ = yChanged = true;
      }
    }
  }
  if (!xChanged && !yChanged) {
    zoomRect_ = {};
    return;
  }
  if (previousMode_ == kModePersistentCursor) RecomputePersistentCursor();
  zoomRect_ = {};
}

void GraphModel::OnZoom() {
  zoomRect_ = {};
  mode_ = kModeZoom;
}

void GraphModel::OnPan() {
  mode_ = kModePan;
  x_.autoRange = y_.autoRange = false;
}

void GraphModel::OnReset() {
  TheDebugLog().Log("OnGraphpopReset enabling the axis auto ranging");
  x_.autoRange = y_.autoRange = true;
  AutoRange();
  if (previousMode_ == kModePersistentCursor || mode_ == kModePersistentCursor) RecomputePersistentCursor();
}

void GraphModel::OnResetZoom() {
  zoomed_ = false;
  mode_ = previousMode_;
  x_.autoRange = y_.autoRange = true;
  AutoRange();
  if (previousMode_ == kModePersistentCursor) RecomputePersistentCursor();
}

bool GraphModel::IsBailoutEnabled(const IGraphPage* page) const {
  return !calculationFailed && page != nullptr && page->IsLoggedClosedCircuitAt(GetCursorX());
}

ContextMenuChoice GraphModel::ContextMenu() const {
  if (!pageMode) return {IDR_GRAPH_POPUP, IDR_GRAPH_TOOLBAR};
  return {bailoutMode ? IDR_GRAPH_BAILOUT_POPUP2 : IDR_GRAPH_BAILOUT_POPUP, IDR_GRAPH_BAILOUT_TOOLBAR};
}

}  // namespace views
