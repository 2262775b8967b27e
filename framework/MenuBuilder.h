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

// Menu items of the toolkit take command numbers below 0x7FFF, while the desktop framework's own
// commands (Open, Save, the recent files, ...) lie from 0xE000 and a few of the program's from
// 0x8000. Such a number is folded into the range 0x6000-0x7FFE, which no command of the
// resources uses, wherever a command meets the toolkit (menus, toolbars, accelerators, events).
int ToolkitCommandId(int command);
// The resource's command number of a toolkit command number.
int ResourceCommandId(int toolkitId);

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

// The tooltip of a command string (a prompt, a newline and the tip): of its first 256 characters,
// the part after the first newline, at most 80 characters; empty without a newline.
wxString ToolTipOfCommandString(const wxString& commandString);

// Adds the buttons of toolbar id with their images; the short help of a tool is the tooltip of
// the string whose id is the command. False when the toolbar or its images are missing.
bool FillToolBar(wxToolBar& toolBar, int id);
// Gives every tool its short help again from the current resources (after a change of language).
void RefreshToolTips(wxToolBar& toolBar);

}  // namespace framework
