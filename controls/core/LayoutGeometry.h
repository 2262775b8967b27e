#pragma once
// The arithmetic of the resizable windows: anchored children, saved window placements and
// their fitting to the displays. No toolkit types.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Box&) const = default;
};

struct Extent {
  int width = 0, height = 0;
  bool operator==(const Extent&) const = default;
};

// A point given in percent of the parent's client width and height.
struct Anchor {
  int xPercent = 0;
  int yPercent = 0;
};

namespace anchor {
constexpr Anchor kTopLeft{0, 0};
constexpr Anchor kTopCentre{50, 0};
constexpr Anchor kTopRight{100, 0};
constexpr Anchor kMiddleLeft{0, 50};
constexpr Anchor kCentre{50, 50};
constexpr Anchor kMiddleRight{100, 50};
constexpr Anchor kBottomLeft{0, 100};
constexpr Anchor kBottomCentre{50, 100};
constexpr Anchor kBottomRight{100, 100};
}  // namespace anchor

// A child's two anchors and the offsets of its corners from them, in pixels.
struct AnchoredPlace {
  Anchor topLeft;
  Anchor bottomRight;
  int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
};

// child is the child's rectangle relative to the client rectangle's origin.
AnchoredPlace AnchorChild(const Box& child, int clientWidth, int clientHeight, Anchor topLeft, Anchor bottomRight);
// Where the child goes in this client rectangle; never narrower or lower than nothing.
Box PlaceChild(const AnchoredPlace& place, const Box& client);

// Children side by side in one row (the same top and bottom) that their anchors made overlap,
// in a client narrower than the one they were laid out in, are narrowed alike to fit side by
// side again between the row's outer edges, with the row's narrowest gap between them. Other
// places are left as they are.
void KeepRowsApart(std::vector<Box>& places);

// Window placement as the profile keeps it: "left,top,right,bottom,show,flags,minX,minY".
struct WindowPlacement {
  Box normal;              // the rectangle of the restored (normal) window
  int showCommand = 1;     // 1 normal, 2 minimised, 3 maximised, ...
  int flags = 0;
  int minimisedX = 0;
  int minimisedY = 0;
  bool operator==(const WindowPlacement&) const = default;
};

namespace show {
constexpr int kNormal = 1;
constexpr int kMaximised = 3;
}  // namespace show

std::string FormatPlacement(const WindowPlacement& placement);
// Exactly eight integers separated by commas; anything else gives nothing.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);
// What a saved placement may bring back: only the normal or the maximised state (a minimised or
// hidden window comes back normal); rect only also drops maximised and the flags.
WindowPlacement PlacementToRestore(const WindowPlacement& saved, bool rectOnly);
// The rectangle moved (and shrunk if need be) onto the display area it overlaps most, or onto
// the first area when it overlaps none. Nothing for an empty or inverted rectangle or no area.
std::optional<Box> FitOnDisplays(const Box& rect, const std::vector<Box>& workAreas);
// The smallest size of a resizable window: the size it was laid out for, but never more than the
// work area holds, so that the whole window, its buttons with it, can be on the screen.
Extent SmallestWindowSize(Extent laidOut, const Box& workArea);

}  // namespace controls
