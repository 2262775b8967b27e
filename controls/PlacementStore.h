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
// Applies a saved placement, fitted onto a display; false when there is none or it is damaged.
bool LoadWindowRect(wxTopLevelWindow& window, const std::string& name, bool rectOnly);

}  // namespace controls
