#pragma once
// The texts and the tab arithmetic of the main window, without the window.
#include <string>
#include <string_view>
#include <vector>

class CAppSettings;

namespace app {

// "Velmar Tessaline v1.0.0.1", then " - " and the plan file's name without its folder when a
// file is open, then " *" while the plan has unsaved changes.
std::string MainWindowTitle(std::string_view productVersion, std::string_view planPath, bool modified);

// "Dive 3" or "Bailout 3" for the dive of index 2, with " - " and its name when it has one.
std::string TabCaption(std::string_view name, int index, bool bailout);

// The tab to select after the sheet went from pageCount to newCount pages while tab selected was
// active: the new last tab when it grew; when it shrank, the active tab moved down by the number
// of pages removed, or the first tab when that falls below it.
int SelectionAfterTabCountChange(int pageCount, int newCount, int selected);

// The lines the main window writes about the settings when it starts: the debug level and, from
// level 4 on, the registry settings that shape the plans.
std::vector<std::string> SettingsLogLines(const CAppSettings& settings);

}  // namespace app
