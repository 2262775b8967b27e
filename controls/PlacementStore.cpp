#include "controls/PlacementStore.h"

#include <wx/display.h>

#include "platform/Registry.h"

namespace controls {
namespace {

std::vector<Box> DisplayAreas() {
  std::vector<Box> areas;
  for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
    const wxRect area = wxDisplay(i).GetClientArea();
    areas.push_back(Box{area.GetLeft(), area.GetTop(), area.GetLeft() + area.GetWidth(), area.GetTop() + area.GetHeight()});
  }
  return areas;
}

}  // namespace

std::string PlacementValueName(const std::string& windowName) { return windowName + "WindowPlacement"; }

bool SaveWindowRect(const wxTopLevelWindow& window, const wxRect& normalRect, const std::string& name, bool rectOnly) {
  WindowPlacement placement;
  placement.normal = Box{normalRect.GetLeft(), normalRect.GetTop(), normalRect.GetLeft() + normalRect.GetWidth(),
                         normalRect.GetTop() + normalRect.GetHeight()};
  if (!rectOnly) {
    placement.showCommand = window.IsMaximized() ? show::kMaximised : window.IsIconized() ? 2 : show::kNormal;
  }
  return platform::Registry().WriteString(kPlacementKey, PlacementValueName(name), FormatPlacement(placement));
}

bool LoadWindowRect(wxTopLevelWindow& window, const std::string& name, bool rectOnly) {
  std::optional<std::string> text = platform::Registry().ReadString(kPlacementKey, PlacementValueName(name));
  if (!text || text->empty()) return false;
  std::optional<WindowPlacement> saved = ParsePlacement(*text);
  if (!saved) return false;
  const WindowPlacement placement = PlacementToRestore(*saved, rectOnly);
  std::optional<Box> fitted = FitOnDisplays(placement.normal, DisplayAreas());
  if (!fitted) return false;
  if (window.IsMaximized()) window.Maximize(false);
  window.SetSize(fitted->left, fitted->top, fitted->Width(), fitted->Height());
  if (placement.showCommand == show::kMaximised) window.Maximize(true);
  return true;
}

}  // namespace controls
