#pragma once
// Which commands of the main window the open plan allows.
#include <optional>

namespace app {

constexpr int kMaxDives = 30;

// What the rules need to know of the plan and of the dive of the selected tab.
struct PlanFacts {
  int diveCount = 1;
  int tabCount = 1;
  bool modified = false;
  bool calculationPending = false;
  bool activeDiveHasTable = false;     // printed segments
  bool activeDiveHasGasTable = false;  // open-circuit gas-consumption results
  bool anyDiveHasTable = false;
  bool anyDiveHasGasTable = false;
  int recentFileCount = 0;  // entries in the recent-file list
};

// The recent-file list's entries are commands from this one on.
constexpr int kRecentFileEntries = 4;

// Whether the plan allows the command; nothing for a command whose state the plan leaves as
// it is (it is enabled while it has a handler).
std::optional<bool> CommandAllowedByPlan(int command, const PlanFacts& facts);

}  // namespace app
