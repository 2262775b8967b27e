#pragma once
// The placement of resizable windows, kept in the registry store: section "ResizableState",
// value "<name>WindowPlacement" = "left,top,right,bottom,show,flags,minX,minY".
#include <string>

#include <wx/toplevel.h>

#include "controls/core/LayoutGeometry.h"

namespace controls {

constexpr const char* kPlacementKey = "Software\\Velmar\\VelmarTessaline\\ResizableState";
std::string PlacementValueName(const std::string& windowName);

// normalRect: the window's rectangle when neither maximised nor minimised.
bool SaveWindowRect(const wxTopLevelWindow& window, const wxRect& normalRect, const std::string& name, bool rectOnly);
// The placement saved under the name, to restore, its rectangle fitted onto the work area of a
// display; nothing when there is none or it is damaged.
std::optional<WindowPlacement> LoadWindowRect(const std::string& name, bool rectOnly);
// The work areas of the displays: each display without the desktop's panels.
std::vector<Box> DisplayWorkAreas();
// The work area of the display the window is on (the first display while it is on none).
Box WorkAreaOf(const wxWindow& window);
// Moves the window, and makes it smaller if need be, so that it lies within that work area.
void FitOnWorkArea(wxTopLevelWindow& window);

}  // namespace controls
