#pragma once
// Dive names as the user gives them in the Rename Dive dialog and as the tab captions show them.
#include <string>
#include <string_view>

namespace app {

// The name a tab caption shows: everything after its first " - " ("Dive 2 - Wreck - day 2"
// gives "Wreck - day 2"); empty for a caption without one.
std::string NameInTabCaption(std::string_view caption);

// A plan file keeps a dive's name as one field of one line, so a name may hold neither the
// field separator "~" nor control characters (line ends, tabs, ...).
bool IsAcceptableDiveName(std::string_view name);

}  // namespace app
