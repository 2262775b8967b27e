#pragma once
// The table generator's settings file (".cct"): the title line "Table Generation Settings",
// one record per field (lengths always in metres), the grouping, and one record 030 per used
// gas row, descent rows ("Travel") before ascent rows ("Deco"). Problems are shown to the user
// in message boxes and logged.
#include <string>

#include "views/core/GeneratorPage.h"

inline constexpr const char* kTableGenerationFileKind = "Table Generation Settings";

// Replaces the file with the page's settings; a file that cannot be written in full is reported
// with message 1240 and keeps its old contents.
bool WriteTableGenerationFile(const std::string& path, const GeneratorPage& page);
// Reads a settings file into the page. A file that cannot be opened (1228) or is of another
// kind (1620) leaves the page as it was. Otherwise both gas lists are emptied and refilled with
// the file's rows (each at the depth it was typed at, TypedSwitchDepth), added as the list adds
// rows without a message for those it refuses, and every field read is brought into its range;
// records of other keys, too few fields or another gas kind are passed over.
bool ReadTableGenerationFile(const std::string& path, GeneratorPage& page);
