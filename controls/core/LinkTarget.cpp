#include "controls/core/LinkTarget.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace controls {
namespace {

bool StartsWithCaseBlind(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, char t) {
    return p == std::tolower(static_cast<unsigned char>(t));
  });
}

// Spreads a change of size evenly over both edges, the odd pixel on the far one.
void Resize(int& nearEdge, int& farEdge, int size) {
  const int change = size - (farEdge - nearEdge);
  nearEdge -= change / 2;
  farEdge = nearEdge + size;
}

}  // namespace

bool IsOpenableLinkTarget(std::string_view target) {
  if (std::any_of(target.begin(), target.end(), [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); })) {
    return false;
  }
  constexpr std::array<std::string_view, 3> kSchemes{"http:", "https:", "mailto:"};
  return std::any_of(kSchemes.begin(), kSchemes.end(),
                     [&](std::string_view scheme) { return StartsWithCaseBlind(target, scheme); });
}

Box FitLinkWindow(const Box& window, int textWidth, int textHeight, int frameWidth, int frameHeight,
                  LinkAlignment alignment, bool centreVertically) {
  Box fitted = window;
  const int height = textHeight + frameHeight;
  const int width = textWidth + frameWidth;
  if (centreVertically) Resize(fitted.top, fitted.bottom, height);
  else fitted.bottom = fitted.top + height;
  switch (alignment) {
    case LinkAlignment::kCentre: Resize(fitted.left, fitted.right, width); break;
    case LinkAlignment::kRight: fitted.left = fitted.right - width; break;
    case LinkAlignment::kLeft: fitted.right = fitted.left + width; break;
  }
  return fitted;
}

}  // namespace controls
