#include "app/core/CommandState.h"

#include "resources/resource.h"

namespace app {

std::optional<bool> CommandAllowedByPlan(int command, const PlanFacts& facts) {
  // An entry of the recent-file list needs a file in its place; an empty list shows its
  // place holder greyed.
  if (command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + kRecentFileEntries) {
    return command - ID_FILE_MRU_FILE1 < facts.recentFileCount;
  }
  switch (command) {
    case ID_FILE_SAVE: return facts.modified;
    case ID_TOOLS_CALCULATE: return facts.calculationPending;
    case ID_DIVE_ADD:
    case ID_DIVES_ADD: return facts.diveCount < kMaxDives;
    case ID_DIVE_DELETE:
    case ID_DIVES_DELETE:
    case ID_DIVE_SORT:
    case ID_DIVES_SORT: return facts.diveCount > 1;
    case ID_VIEW_DIVE_TABLE: return facts.activeDiveHasTable;
    case ID_VIEW_GAS_TABLE: return facts.activeDiveHasGasTable;
    case ID_VIEW_ALL_DIVE_TABLES: return facts.tabCount > 1 && facts.anyDiveHasTable;
    case ID_VIEW_ALL_GAS_TABLES: return facts.tabCount > 1 && facts.anyDiveHasGasTable;
    default: return std::nullopt;
  }
}

}  // namespace app
