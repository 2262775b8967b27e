#pragma once
// Pixel points and rectangles of a graph window, and where one draw put the plot.
namespace views {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Right and bottom lie just outside, as in the desktop's rectangles.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(PixelPoint point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }
  // The rectangle one pixel wider to the right and the bottom.
  PixelRect Widened() const { return {left, top, right + 1, bottom + 1}; }
  bool operator==(const PixelRect&) const = default;
};

// The rectangle spanned by two corners, whichever way round they are given.
PixelRect NormalizedRect(PixelPoint a, PixelPoint b);
// The part of r inside bounds (empty, at bounds' corner, when they do not meet).
PixelRect ClippedRect(const PixelRect& r, const PixelRect& bounds);

// The layout of one draw: valid from the draw's axes on until the next draw.
struct GraphLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  int plotWidth = 0;
  int plotHeight = 0;
  int originX = 0;  // where the axes cross, bottom left of the plot
  int originY = 0;
  int baseline = 0;  // client height - 5
  PixelRect plotRect;
  PixelRect legendBox;  // bar graph only; empty otherwise
  double xPixelsPerTick = 0;
  double yPixelsPerTick = 0;
  double xValuePerTick = 0;
  double yValuePerTick = 0;
};

}  // namespace views
