#include "controls/core/LayoutGeometry.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace controls {

AnchoredPlace AnchorChild(const Box& child, int clientWidth, int clientHeight, Anchor topLeft, Anchor bottomRight) {
  AnchoredPlace place;
  place.topLeft = topLeft;
  place.bottomRight = bottomRight;
  place.marginLeft = child.left - topLeft.xPercent * clientWidth / 100;
  place.marginTop = child.top - topLeft.yPercent * clientHeight / 100;
  place.marginRight = child.right - bottomRight.xPercent * clientWidth / 100;
  place.marginBottom = child.bottom - bottomRight.yPercent * clientHeight / 100;
  return place;
}

Box PlaceChild(const AnchoredPlace& place, const Box& client) {
  const int w = client.Width();
  const int h = client.Height();
  const int left = client.left + w * place.topLeft.xPercent / 100 + place.marginLeft;
  const int top = client.top + h * place.topLeft.yPercent / 100 + place.marginTop;
  // A client smaller than the one the child was anchored in can leave no room between the two
  // anchors: the child then shrinks to nothing, it never turns inside out.
  return Box{left, top, std::max(left, client.left + w * place.bottomRight.xPercent / 100 + place.marginRight),
             std::max(top, client.top + h * place.bottomRight.yPercent / 100 + place.marginBottom)};
}

namespace {

// Narrows the places of the row alike so that they fit side by side, in the order of their left
// edges, between the row's left and right edges.
void Squeeze(std::vector<Box*>& row) {
  std::sort(row.begin(), row.end(), [](const Box* a, const Box* b) { return a->left < b->left; });
  int gap = -1;
  long long widths = 0;
  int right = row.front()->right;
  for (std::size_t i = 0; i < row.size(); ++i) {
    widths += row[i]->Width();
    right = std::max(right, row[i]->right);
    if (i > 0 && row[i]->left >= row[i - 1]->right) {
      const int between = row[i]->left - row[i - 1]->right;
      gap = gap < 0 ? between : std::min(gap, between);
    }
  }
  gap = std::max(gap, 0);
  const long long room = std::max(0LL, static_cast<long long>(right - row.front()->left) -
                                           static_cast<long long>(gap) * static_cast<long long>(row.size() - 1));
  int left = row.front()->left;
  long long usedWidth = 0;
  for (Box* place : row) {
    // Each takes its share of the room, rounded so that the shares add up to it.
    const long long before = widths == 0 ? 0 : usedWidth * room / widths;
    usedWidth += place->Width();
    const long long after = widths == 0 ? 0 : usedWidth * room / widths;
    place->left = left;
    place->right = left + static_cast<int>(after - before);
    left = place->right + gap;
  }
}

bool Overlap(const std::vector<Box*>& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    for (std::size_t j = i + 1; j < row.size(); ++j) {
      if (row[i]->left < row[j]->right && row[j]->left < row[i]->right) return true;
    }
  }
  return false;
}

}  // namespace

void KeepRowsApart(std::vector<Box>& places) {
  std::vector<bool> done(places.size(), false);
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (done[i]) continue;
    std::vector<Box*> row;
    for (std::size_t j = i; j < places.size(); ++j) {
      if (!done[j] && places[j].top == places[i].top && places[j].bottom == places[i].bottom) {
        done[j] = true;
        row.push_back(&places[j]);
      }
    }
    if (row.size() > 1 && Overlap(row)) Squeeze(row);
  }
}

std::string FormatPlacement(const WindowPlacement& p) {
  char text[128];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d,%d,%d,%d", p.normal.left, p.normal.top, p.normal.right,
                p.normal.bottom, p.showCommand, p.flags, p.minimisedX, p.minimisedY);
  return text;
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
  std::vector<int> numbers;
  std::size_t pos = 0;
  for (;;) {
    std::size_t comma = text.find(',', pos);
    std::string field(text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
    const char* start = field.c_str();
    while (*start == ' ') ++start;
    if (*start == '\0') return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(start, &end, 10);
    while (*end == ' ') ++end;
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    numbers.push_back(static_cast<int>(value));
    if (numbers.size() > 8) return std::nullopt;
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  if (numbers.size() != 8) return std::nullopt;
  return WindowPlacement{Box{numbers[0], numbers[1], numbers[2], numbers[3]}, numbers[4], numbers[5], numbers[6],
                         numbers[7]};
}

WindowPlacement PlacementToRestore(const WindowPlacement& saved, bool rectOnly) {
  WindowPlacement restored = saved;
  const bool maximised = saved.showCommand == show::kMaximised && !rectOnly;
  restored.showCommand = maximised ? show::kMaximised : show::kNormal;
  if (rectOnly) restored.flags = 0;
  restored.minimisedX = 0;
  restored.minimisedY = 0;
  return restored;
}

std::optional<Box> FitOnDisplays(const Box& rect, const std::vector<Box>& workAreas) {
  if (rect.Width() <= 0 || rect.Height() <= 0 || workAreas.empty()) return std::nullopt;
  const Box* best = &workAreas.front();
  long long bestOverlap = 0;
  for (const Box& area : workAreas) {
    long long w = std::max(0, std::min(rect.right, area.right) - std::max(rect.left, area.left));
    long long h = std::max(0, std::min(rect.bottom, area.bottom) - std::max(rect.top, area.top));
    if (w * h > bestOverlap) {
      bestOverlap = w * h;
      best = &area;
    }
  }
  if (best->Width() <= 0 || best->Height() <= 0) return std::nullopt;
  const int width = std::min(rect.Width(), best->Width());
  const int height = std::min(rect.Height(), best->Height());
  const int left = std::clamp(rect.left, best->left, best->right - width);
  const int top = std::clamp(rect.top, best->top, best->bottom - height);
  return Box{left, top, left + width, top + height};
}

Extent SmallestWindowSize(Extent laidOut, const Box& workArea) {
  return Extent{std::min(laidOut.width, std::max(0, workArea.Width())),
                std::min(laidOut.height, std::max(0, workArea.Height()))};
}

}  // namespace controls
