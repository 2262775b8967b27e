#pragma once
// The dive plan's lines in the diagnostic log, written only when the "Debug Level" setting
// reaches the line's category. Callers test PlanLogEnabled before formatting a costly line.
#include <string>
#include <string_view>

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"

// Construction of the working list and the profile, tissue start values, segmenting.
inline constexpr LogCategory kPlanLogConstruction = DBG_PROFILE_CONSTRUCTION;
// Timings of a calculation.
inline constexpr LogCategory kPlanLogTiming = DBG_CALC_TIMING;
// Bailout planning.
inline constexpr LogCategory kPlanLogBailout = DBG_DECO_DETAIL;

inline bool PlanLogEnabled(LogCategory category) { return TheDebugLog().IsEnabledFor(category); }

// Writes the text as it stands (a '%' in it is just a character).
inline void PlanLog(LogCategory category, std::string_view text) {
  if (PlanLogEnabled(category)) TheDebugLog().LogText(text);
}

// Formats (in the C locale) and writes a line only when its category is enabled.
template <typename... Args>
void PlanLogFormat(LogCategory category, const char* format, Args... args) {
  if (PlanLogEnabled(category)) TheDebugLog().LogText(FormatC(format, args...));
}

// A line of the bailout planner: every one starts with "Bailout - ".
inline void BailoutLog(std::string_view text, LogCategory category = kPlanLogBailout) {
  if (PlanLogEnabled(category)) TheDebugLog().LogText(std::string("Bailout - ").append(text));
}

template <typename... Args>
void BailoutLogFormat(const char* format, Args... args) {
  if (PlanLogEnabled(kPlanLogBailout)) BailoutLog(FormatC(format, args...));
}
