#pragma once
// Dive names as the user gives them in the Rename Dive dialog and as the tab captions show them.
#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// The name a tab caption shows: everything after its first " - " ("Dive 2 - Wreck - day 2"
// gives "Wreck - day 2"); empty for a caption without one.
std::string NameInTabCaption(std::string_view caption);

// A plan file keeps a dive's name as one field of one line, so a name may hold neither the
// field separator "~" nor control characters (line ends, tabs, ...).
bool IsAcceptableDiveName(std::string_view name);

// The most characters a tab shows of its caption: a dive number and some twenty characters of
// its name, so that a strip of the program's width keeps five or more tabs readable.
inline constexpr std::size_t kShownTabCaptionChars = 32;

// A caption as its tab shows it: whole when it has at most maxChars characters (UTF-8 code
// points), otherwise its first characters, without the blanks they end in, and "…", maxChars
// characters at most in all. The dive's name itself is kept whole everywhere else.
std::string ShownTabCaption(std::string_view caption, std::size_t maxChars = kShownTabCaptionChars);

}  // namespace app
