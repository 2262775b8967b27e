#include "controls/PlacementStore.h"

#include <wx/display.h>

#include "platform/Registry.h"

namespace controls {
namespace {

Box ToBox(const wxRect& rect) {
  return Box{rect.GetLeft(), rect.GetTop(), rect.GetLeft() + rect.GetWidth(), rect.GetTop() + rect.GetHeight()};
}

}  // namespace

std::vector<Box> DisplayWorkAreas() {
  std::vector<Box> areas;
  for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) areas.push_back(ToBox(wxDisplay(i).GetClientArea()));
  return areas;
}

Box WorkAreaOf(const wxWindow& window) {
  const int display = wxDisplay::GetFromWindow(&window);
  return ToBox(wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea());
}

void FitOnWorkArea(wxTopLevelWindow& window) {
  if (window.IsMaximized() || window.IsIconized()) return;
  const Box rect = ToBox(window.GetRect());
  std::optional<Box> fitted = FitOnDisplays(rect, {WorkAreaOf(window)});
  if (fitted && *fitted != rect) window.SetSize(fitted->left, fitted->top, fitted->Width(), fitted->Height());
}

std::string PlacementValueName(const std::string& windowName) { return windowName + "WindowPlacement"; }

bool SaveWindowRect(const wxTopLevelWindow& window, const wxRect& normalRect, const std::string& name, bool rectOnly) {
  WindowPlacement placement;
  placement.normal = ToBox(normalRect);
  if (!rectOnly) {
    placement.showCommand = window.IsMaximized() ? show::kMaximised : window.IsIconized() ? 2 : show::kNormal;
  }
  return platform::Registry().WriteString(kPlacementKey, PlacementValueName(name), FormatPlacement(placement));
}

std::optional<WindowPlacement> LoadWindowRect(const std::string& name, bool rectOnly) {
  std::optional<std::string> text = platform::Registry().ReadString(kPlacementKey, PlacementValueName(name));
  if (!text || text->empty()) return std::nullopt;
  std::optional<WindowPlacement> saved = ParsePlacement(*text);
  if (!saved) return std::nullopt;
  WindowPlacement placement = PlacementToRestore(*saved, rectOnly);
  std::optional<Box> fitted = FitOnDisplays(placement.normal, DisplayWorkAreas());
  if (!fitted) return std::nullopt;
  placement.normal = *fitted;
  return placement;
}

}  // namespace controls
