#pragma once
// What a hyperlink may open, and how its window fits its text. No toolkit types.
#include <string_view>

#include "controls/core/LayoutGeometry.h"

namespace controls {

// Only web pages (http:, https:) and e-mail (mailto:) are opened, the scheme in any case; a
// target holding control characters is refused whatever its scheme.
bool IsOpenableLinkTarget(std::string_view target);

enum class LinkAlignment { kLeft, kCentre, kRight };

// The window moved to the size of its text: frame is what the window adds around its client
// area. A centred window shrinks or grows evenly on both sides, a right-aligned one keeps its
// right edge, a left-aligned one its left edge; vertically it keeps its top unless centred.
Box FitLinkWindow(const Box& window, int textWidth, int textHeight, int frameWidth, int frameHeight,
                  LinkAlignment alignment, bool centreVertically);

}  // namespace controls
