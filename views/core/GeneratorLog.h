#pragma once
// The table generator's lines in the diagnostic log, written only when the "Debug Level"
// setting reaches the line's category.
#include <string_view>

#include "engine/support/DebugLog.h"

// The steps of a generation run: "Create Dive Tables - <text>".
void LogGenerationStep(std::string_view text, LogCategory category = DBG_TABLE_GENERATION);
// The consolidation of a generated set: "Table Consolidation - <text>".
void LogConsolidation(std::string_view text, LogCategory category = DBG_DIVE_TABLES);
// A line as it stands ("-" between runs and between plans).
void LogGeneratorLine(std::string_view text, LogCategory category);
