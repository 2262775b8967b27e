#include "views/core/GeneratorLog.h"

#include <string>

namespace {

void LogFramed(std::string_view frame, std::string_view text, LogCategory category) {
  if (TheDebugLog().IsEnabledFor(category)) TheDebugLog().LogText(std::string(frame).append(text));
}

}  // namespace

void LogGenerationStep(std::string_view text, LogCategory category) {
  LogFramed("Create Dive Tables - ", text, category);
}

void LogConsolidation(std::string_view text, LogCategory category) {
  LogFramed("Table Consolidation - ", text, category);
}

void LogGeneratorLine(std::string_view text, LogCategory category) { LogFramed("", text, category); }

