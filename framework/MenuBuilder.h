#pragma once
// Menus, accelerator tables and toolbars from the resources.
#include <functional>
#include <memory>
#include <vector>

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "platform/ResourceScript.h"

namespace framework {

// The image a menu command shows; an invalid bitmap for none.
using MenuImageLookup = std::function<wxBitmap(int command)>;

// A drop-down made from the items of a POPUP entry.
std::unique_ptr<wxMenu> BuildMenu(const std::vector<platform::MenuItem>& items, const MenuImageLookup& images);
// A menu bar whose top-level POPUP entries become its menus.
std::unique_ptr<wxMenuBar> BuildMenuBar(const platform::Menu& menu, const MenuImageLookup& images);

// The toolkit's key code for a desktop virtual-key code; 0 for one without an equivalent.
int KeyCodeOfVirtualKey(int virtualKey);
std::vector<wxAcceleratorEntry> AcceleratorEntries(const std::vector<platform::Accelerator>& table);
// An invalid table when the id is unknown.
wxAcceleratorTable LoadAcceleratorTable(int id);

// Adds the buttons of toolbar id with their images; the short help of a tool is the part after
// "\n" of the string whose id is the command. False when the toolbar or its images are missing.
bool FillToolBar(wxToolBar& toolBar, int id);

}  // namespace framework
